#include "PictureWindow.h"

#include "PictureWidget.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace lumenary {

namespace {

QLabel* OverlayLabel(const PictureText& design, QWidget* parent)
{
    auto* label = new QLabel(design.text, parent);
    label->setObjectName(QLatin1String(design.name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setBold(true);
    if (design.place == PicturePlace::Watermark) {
        font.setPointSizeF(font.pointSizeF() * 2.6);
        label->setStyleSheet(QStringLiteral("color: rgba(150, 20, 20, 150);"));
    } else {
        label->setStyleSheet(QStringLiteral("color: #f4efe2; background: rgba(20, 20, 20, 170); padding: 4px 10px;"));
    }
    label->setFont(font);
    return label;
}

// The picture's own size, shrunk to the screen when it does not fit.
QSize WindowSize(const PictureWidget& picture)
{
    QSize size = picture.sizeHint();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableSize() * 0.9;
        if (size.width() > room.width() || size.height() > room.height())
            size.scale(room, Qt::KeepAspectRatio);
    }
    return size;
}

} // namespace

PictureWindow::PictureWindow(const QString& objectName, const QString& title, const QString& picture,
                             WindowRegistry& windows, const std::vector<PictureText>& texts)
    : InfoWindow(objectName, title, Dismissal::Unload, windows)
{
    auto* surface = new PictureWidget(picture, this);
    surface->setObjectName(QStringLiteral("PicPicture"));
    setCentralWidget(surface);

    auto* layout = new QVBoxLayout(surface);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    for (const auto& text : texts)
        if (text.place == PicturePlace::Watermark)
            layout->addWidget(OverlayLabel(text, surface));
    layout->addStretch();
    for (const auto& text : texts)
        if (text.place == PicturePlace::Band)
            layout->addWidget(OverlayLabel(text, surface));

    setFixedSize(WindowSize(*surface));
}

} // namespace lumenary
