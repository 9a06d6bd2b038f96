// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmBookstore.h"

#include "PictureWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace lumenary {

namespace {

// A field of the record. A record blanks some fields instead of hiding them;
// blank takes no room, so that it shows the same as hidden and the fields
// below close up.
class RecordLabel final : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return text().isEmpty() ? QSize() : QLabel::sizeHint(); }
    QSize minimumSizeHint() const override { return text().isEmpty() ? QSize() : QLabel::minimumSizeHint(); }
    int heightForWidth(int width) const override { return text().isEmpty() ? 0 : QLabel::heightForWidth(width); }
};

template <class Label = QLabel>
QLabel* DirectoryLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new Label(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setContentsMargins(0, 3, 0, 3);
    return label;
}

QFont Scaled(QFont font, double factor, bool bold)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

QString Placeholder(AdvertiserField field)
{
    switch (field) {
    case AdvertiserField::StoreName:
        return QStringLiteral("Store Name");
    case AdvertiserField::FreeCatalog:
        return QStringLiteral("Free Catalog");
    default:
        return QStringLiteral("Store Info");
    }
}

} // namespace

FrmBookstore::FrmBookstore(WindowRegistry& windows)
    : InfoWindow(QStringLiteral("FrmBookstore"),
                 QStringLiteral("BookStores  --  Tell them you saw their advertisement in Lumenary!"),
                 Dismissal::Unload, windows)
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("DirectoryPage"));
    central->setStyleSheet(QStringLiteral("#DirectoryPage { background: #f6f1e4; } QLabel { color: #2b2418; }"));
    setCentralWidget(central);

    auto* picture = new PictureWidget(QStringLiteral(":/images/bookstore.svg"), central);
    picture->setObjectName(QStringLiteral("PicBookstore"));
    picture->setFixedSize(200, 250);
    auto* caption = DirectoryLabel(QStringLiteral("LblPictureCaption"), QStringLiteral("Good books for study and "
                                                                                       "devotion"), central);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFixedWidth(picture->width());
    caption->setFont(Scaled(caption->font(), 0.9, false));
    auto* side = new QVBoxLayout;
    side->addWidget(picture);
    side->addWidget(caption);
    side->addStretch();

    auto* record = new QVBoxLayout;
    record->setSpacing(0);
    for (std::size_t field = 0; field < AdvertiserFieldCount; ++field) {
        const auto which = static_cast<AdvertiserField>(field);
        const QString name = QLatin1String(AdvertiserLabels[field]);
        fields_[field] = DirectoryLabel<RecordLabel>(name, Placeholder(which), central);
        record->addWidget(fields_[field]);
    }
    record->addStretch();
    auto& name = FieldLabel(AdvertiserField::StoreName);
    name.setFont(Scaled(name.font(), 1.6, true));
    auto& catalog = FieldLabel(AdvertiserField::FreeCatalog);
    catalog.setFont(Scaled(catalog.font(), 1.1, true));
    catalog.setStyleSheet(QStringLiteral("color: #8a1c1c;"));

    auto* columns = new QHBoxLayout;
    columns->setSpacing(24);
    columns->addLayout(side);
    columns->addLayout(record, 1);

    auto* notice = DirectoryLabel(QStringLiteral("LblNotice"),
                                  QStringLiteral("Choose another store from the Bookstores menu.  Press any key to "
                                                 "close this window."),
                                  central);
    notice->setAlignment(Qt::AlignCenter);
    notice->setFont(Scaled(notice->font(), 0.9, false));

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addLayout(columns, 1);
    layout->addWidget(notice);
    resize(720, 360);
}

} // namespace lumenary
