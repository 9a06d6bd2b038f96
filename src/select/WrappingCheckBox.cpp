// SPDX-License-Identifier: GPL-3.0-or-later
#include "WrappingCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace lumenary {

namespace {

constexpr int TextFlags = Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignTop;
constexpr int PreferredTextWidth = 280;

} // namespace

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent)
{
    // A box fills the height of its row and is drawn at its top, so boxes
    // side by side line up with each other whatever their captions' lines.
    QSizePolicy policy = sizePolicy();
    policy.setVerticalPolicy(QSizePolicy::Minimum);
    setSizePolicy(policy);
}

int WrappingCheckBox::IndicatorWidth() const
{
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this)
         + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
}

QRect WrappingCheckBox::TextRect(int width) const
{
    const int textWidth = std::max(40, width - IndicatorWidth());
    const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, textWidth, 10000), TextFlags, text());
    return {IndicatorWidth(), 0, textWidth, bounds.height()};
}

int WrappingCheckBox::heightForWidth(int width) const
{
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    return std::max(indicator, TextRect(width).height()) + 2;
}

QSize WrappingCheckBox::sizeHint() const
{
    const int oneLine = IndicatorWidth() + fontMetrics().horizontalAdvance(text()) + 4;
    const int width = std::min(oneLine, IndicatorWidth() + PreferredTextWidth);
    return {width, heightForWidth(width)};
}

QSize WrappingCheckBox::minimumSizeHint() const
{
    const int width = std::min(sizeHint().width(), IndicatorWidth() + 160);
    return {width, heightForWidth(width)};
}

void WrappingCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicatorSize = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    option.rect = QRect(0, 1, indicatorSize, style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this));
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRect textRect = TextRect(width());
    painter.drawText(textRect, TextFlags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textRect.adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingCheckBox::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}

} // namespace lumenary
