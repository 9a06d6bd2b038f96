// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryChart.h"

#include <QDate>
#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace lumenary {

namespace {

constexpr int GridSteps = 4;

// The highlight colour softened towards the background, opaque so that a
// year of bars fills as fast as plain rectangles do.
QColor BarColour(const QPalette& palette)
{
    const QColor highlight = palette.color(QPalette::Highlight);
    const QColor base = palette.color(QPalette::Base);
    const auto mix = [](int over, int under) { return (over * 2 + under) / 3; };
    return QColor(mix(highlight.red(), base.red()), mix(highlight.green(), base.green()),
                  mix(highlight.blue(), base.blue()));
}

QDate DateOf(StudyDay day)
{
    const std::chrono::year_month_day date(day);
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

// The smallest of 1, 2, 5, 10, 20, 50, ... answers per grid step that keeps
// the busiest day under the top line.
int AnswerStep(int mostAnswers)
{
    const int needed = std::max(1, (mostAnswers + GridSteps - 1) / GridSteps);
    for (int scale = 1;; scale *= 10)
        for (const int step : {1, 2, 5})
            if (step * scale >= needed)
                return step * scale;
}

} // namespace

HistoryChart::HistoryChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ChtHistory"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::Base);
}

void HistoryChart::SetDays(StudyDay first, StudyDay last, const std::vector<DayTotals>& days)
{
    first_ = first;
    days_.assign(static_cast<std::size_t>(std::max(0, DaysBetween(first, last) + 1)), {});
    for (std::size_t index = 0; index < days_.size(); ++index)
        days_[index].day = first + std::chrono::days(index);
    mostAnswers_ = 0;
    for (const auto& totals : days) {
        const int index = DaysBetween(first, totals.day);
        if (index >= 0 && index < static_cast<int>(days_.size())) {
            days_[static_cast<std::size_t>(index)] = totals;
            mostAnswers_ = std::max(mostAnswers_, totals.answers);
        }
    }
    update();
}

QSize HistoryChart::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(QLatin1Char('M')) * 50, fontMetrics().height() * 14};
}

QSize HistoryChart::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24, fontMetrics().height() * 9};
}

HistoryChart::Frame HistoryChart::Layout() const
{
    const QFontMetrics metrics = fontMetrics();
    Frame frame;
    frame.answerStep = AnswerStep(mostAnswers_);
    const double left = metrics.horizontalAdvance(QString::number(frame.answerStep * GridSteps)) + metrics.height();
    const double right = metrics.horizontalAdvance(QStringLiteral("100 %")) + metrics.height();
    const double top = metrics.height() * 2.0; // the legend
    const double bottom = metrics.height() * 1.8;
    frame.plot = QRectF(left, top, std::max(1.0, width() - left - right), std::max(1.0, height() - top - bottom));
    frame.dayWidth = frame.plot.width() / std::max<std::size_t>(1, days_.size());
    return frame;
}

int HistoryChart::DayIndexAt(const Frame& frame, double x) const
{
    if (days_.empty() || x < frame.plot.left() || x >= frame.plot.right())
        return -1;
    return std::clamp(static_cast<int>((x - frame.plot.left()) / frame.dayWidth), 0,
                      static_cast<int>(days_.size()) - 1);
}

QColor HistoryChart::LineColour() const
{
    // Orange stands apart from the bars in the highlight colour, deeper on a
    // light background and brighter on a dark one.
    const bool dark = palette().color(QPalette::Base).lightness() < 128;
    return dark ? QColor(255, 176, 64) : QColor(196, 84, 0);
}

void HistoryChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const Frame frame = Layout();
    DrawGrid(painter, frame);
    DrawBars(painter, frame);
    // Only the line needs smoothing; the bars and the grid lie on whole pixels.
    painter.setRenderHint(QPainter::Antialiasing);
    DrawLine(painter, frame);
    DrawDates(painter, frame);
    DrawLegend(painter, frame);
}

void HistoryChart::DrawGrid(QPainter& painter, const Frame& frame) const
{
    const QFontMetrics metrics = fontMetrics();
    const QColor text = palette().color(QPalette::Text);
    QColor grid = text;
    grid.setAlpha(50);
    for (int step = 0; step <= GridSteps; ++step) {
        const double y = std::round(frame.plot.bottom() - frame.plot.height() * step / GridSteps);
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(frame.plot.left(), y), QPointF(frame.plot.right(), y));
        painter.setPen(text);
        const QRectF leftLabel(0, y - metrics.height() / 2.0, frame.plot.left() - metrics.height() / 2.0,
                               metrics.height());
        painter.drawText(leftLabel, Qt::AlignRight | Qt::AlignVCenter, QString::number(frame.answerStep * step));
        const QRectF rightLabel(frame.plot.right() + metrics.height() / 2.0, y - metrics.height() / 2.0,
                                width() - frame.plot.right(), metrics.height());
        painter.drawText(rightLabel, Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1 %").arg(100 * step / GridSteps));
    }
}

void HistoryChart::DrawBars(QPainter& painter, const Frame& frame) const
{
    const double top = frame.answerStep * GridSteps;
    const int barWidth = std::max(1, static_cast<int>(frame.dayWidth * 0.7));
    const int bottom = static_cast<int>(std::round(frame.plot.bottom()));
    std::vector<QRect> bars;
    for (std::size_t index = 0; index < days_.size(); ++index) {
        if (days_[index].answers == 0)
            continue;
        const int height = static_cast<int>(std::round(frame.plot.height() * days_[index].answers / top));
        const auto centre = frame.plot.left() + frame.dayWidth * (static_cast<double>(index) + 0.5);
        bars.emplace_back(static_cast<int>(centre) - barWidth / 2, bottom - height, barWidth, height);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(BarColour(palette()));
    painter.drawRects(bars.data(), static_cast<int>(bars.size()));
}

void HistoryChart::DrawLine(QPainter& painter, const Frame& frame) const
{
    // A line joins days next to each other only: a day without answers has no
    // percentage to pass through. A day alone is a dot.
    const QColor colour = LineColour();
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    const bool roomForDots = frame.dayWidth >= 6;
    std::vector<QPointF> stretch;
    const auto drawStretch = [&] {
        if (stretch.size() > 1)
            painter.drawPolyline(stretch.data(), static_cast<int>(stretch.size()));
        if (roomForDots || stretch.size() == 1)
            for (const QPointF& point : stretch)
                painter.drawEllipse(point, 3, 3);
        stretch.clear();
    };
    for (std::size_t index = 0; index < days_.size(); ++index) {
        const auto& totals = days_[index];
        if (totals.firstAnswers == 0) {
            drawStretch();
            continue;
        }
        stretch.emplace_back(frame.plot.left() + frame.dayWidth * (static_cast<double>(index) + 0.5),
                             frame.plot.bottom() - frame.plot.height() * totals.firstRight / totals.firstAnswers);
    }
    drawStretch();
}

void HistoryChart::DrawDates(QPainter& painter, const Frame& frame) const
{
    if (days_.empty())
        return;
    const QLocale locale;
    const bool oneYear = DateOf(days_.front().day).year() == DateOf(days_.back().day).year();
    const QString format = oneYear ? QStringLiteral("d MMM") : QStringLiteral("d MMM yyyy");
    const QFontMetrics metrics = fontMetrics();
    const int gap = metrics.horizontalAdvance(QStringLiteral("  "));
    // Labels far enough apart for the widest, counted back from the last day.
    const int widest = metrics.horizontalAdvance(locale.toString(QDate(2026, 12, 30), format));
    const int every = std::max(1, static_cast<int>(std::ceil((widest + gap) / frame.dayWidth)));
    std::vector<std::size_t> labelled;
    for (auto index = static_cast<long>(days_.size()) - 1; index >= 0; index -= every)
        labelled.insert(labelled.begin(), static_cast<std::size_t>(index));
    painter.setPen(palette().color(QPalette::Text));
    double takenTo = -1e9;
    for (const std::size_t index : labelled) {
        const QString text = locale.toString(DateOf(days_[index].day), format);
        const double width = metrics.horizontalAdvance(text);
        const double centre = frame.plot.left() + frame.dayWidth * (static_cast<double>(index) + 0.5);
        const double left = std::clamp(centre - width / 2, 0.0, this->width() - width);
        if (left < takenTo + gap)
            continue; // a label pushed in from the edge would touch its neighbour
        painter.drawText(QRectF(left, frame.plot.bottom() + metrics.height() * 0.3, width, metrics.height()),
                         Qt::AlignCenter, text);
        takenTo = left + width;
    }
}

void HistoryChart::DrawLegend(QPainter& painter, const Frame& frame) const
{
    const QFontMetrics metrics = fontMetrics();
    const double y = metrics.height() * 0.4;
    const double mark = metrics.height() * 0.8;
    double x = frame.plot.left();
    painter.fillRect(QRectF(x, y + (metrics.height() - mark) / 2, mark, mark), BarColour(palette()));
    x += mark + metrics.height() * 0.4;
    const QString answers = QStringLiteral("Answers");
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QPointF(x, y + metrics.ascent()), answers);
    x += metrics.horizontalAdvance(answers) + metrics.height() * 1.5;
    painter.setPen(QPen(LineColour(), 2));
    painter.drawLine(QPointF(x, y + metrics.height() / 2.0), QPointF(x + mark * 1.5, y + metrics.height() / 2.0));
    x += mark * 1.5 + metrics.height() * 0.4;
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QPointF(x, y + metrics.ascent()), QStringLiteral("% right on first answers"));
}

QString HistoryChart::DayTextAt(QPoint point) const
{
    const int index = DayIndexAt(Layout(), point.x());
    if (index < 0)
        return {};
    const auto& totals = days_[static_cast<std::size_t>(index)];
    const QString date = QLocale().toString(DateOf(totals.day), QLocale::LongFormat);
    if (totals.answers == 0)
        return date + QStringLiteral("\nNo answers");
    QString text = date + QStringLiteral("\n%1 %2").arg(totals.answers).arg(totals.answers == 1 ? "answer" : "answers");
    if (totals.firstAnswers > 0)
        text += QStringLiteral("\n%1 % right on first answers (%2 of %3)")
                    .arg(RoundedPercent(totals.firstRight, totals.firstAnswers))
                    .arg(totals.firstRight)
                    .arg(totals.firstAnswers);
    return text;
}

bool HistoryChart::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = DayTextAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

} // namespace lumenary
