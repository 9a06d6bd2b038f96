// SPDX-License-Identifier: GPL-3.0-or-later
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

// The picture's own size, shrunk to the screen, less what goes below it, when it does not fit.
QSize PictureSize(const PictureWidget& picture, int heightBelow)
{
    QSize size = picture.sizeHint();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableSize() * 0.9 - QSize(0, heightBelow);
        if (size.width() > room.width() || size.height() > room.height())
            size.scale(room, Qt::KeepAspectRatio);
    }
    return size;
}

// The window's title (what the picture offers and where to order it) under
// the picture, where it can be read whole: a title bar cuts it short.
QLabel* TitleLine(const QString& title, QWidget* parent)
{
    auto* label = new QLabel(title, parent);
    label->setObjectName(QStringLiteral("LblTitleLine"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setContentsMargins(10, 6, 10, 8);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

PictureWindow::PictureWindow(const QString& objectName, const QString& title, const QString& picture,
                             WindowRegistry& windows, const std::vector<PictureText>& texts)
    : InfoWindow(objectName, title, Dismissal::Unload, windows)
{
    auto* area = new QWidget(this);
    auto* surface = new PictureWidget(picture, area);
    surface->setObjectName(QStringLiteral("PicPicture"));
    surface->setMinimumSize(surface->sizeHint().scaled(160, 160, Qt::KeepAspectRatio));
    auto* titleLine = TitleLine(title, area);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(surface, 1);
    column->addWidget(titleLine);
    setCentralWidget(area);

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

    // The picture keeps its proportions when the window is resized; it opens
    // as large as the picture with the title line below it.
    const int lineHeight = titleLine->heightForWidth(surface->sizeHint().width());
    const QSize size = PictureSize(*surface, lineHeight);
    resize(size.width(), size.height() + titleLine->heightForWidth(size.width()));
}

} // namespace lumenary
