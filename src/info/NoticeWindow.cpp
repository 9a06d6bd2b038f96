// SPDX-License-Identifier: GPL-3.0-or-later
#include "NoticeWindow.h"

#include <QLabel>
#include <QVBoxLayout>

namespace lumenary {

namespace {

constexpr int TextWidth = 500;

QLabel* NoticeLabel(const NoticeText& design, QWidget* parent)
{
    auto* label = new QLabel(design.text, parent);
    label->setObjectName(QLatin1String(design.name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    switch (design.style) {
    case NoticeStyle::Heading:
        font.setPointSizeF(font.pointSizeF() * 1.5);
        font.setBold(true);
        label->setAlignment(Qt::AlignCenter);
        break;
    case NoticeStyle::Paragraph:
        break;
    case NoticeStyle::ListItem:
        label->setIndent(24);
        break;
    case NoticeStyle::Note:
        font.setPointSizeF(font.pointSizeF() * 0.9);
        font.setItalic(true);
        label->setAlignment(Qt::AlignCenter);
        break;
    }
    label->setFont(font);
    label->setFixedWidth(TextWidth);
    return label;
}

} // namespace

NoticeWindow::NoticeWindow(const QString& objectName, const QString& title, Dismissal dismissal,
                           WindowRegistry& windows, const std::vector<NoticeText>& texts)
    : InfoWindow(objectName, title, dismissal, windows)
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("NoticePage"));
    central->setStyleSheet(QStringLiteral("#NoticePage { background: #f6f1e4; } QLabel { color: #2b2418; }"));
    setCentralWidget(central);

    page_ = new QVBoxLayout(central);
    page_->setContentsMargins(28, 22, 28, 24);
    page_->setSpacing(12);
    page_->setSizeConstraint(QLayout::SetFixedSize);
    for (const auto& text : texts) {
        if (text.style == NoticeStyle::Heading && page_->count() > 0)
            page_->addSpacing(10); // a heading opens a new section
        page_->addWidget(NoticeLabel(text, central));
    }
}

} // namespace lumenary
