// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StudyHistory.h"

#include <QWidget>

#include <vector>

namespace lumenary {

// The study history drawn day by day: the answers of each study day as bars,
// and the percentage right on each day's first answers as a line on an axis
// from 0 to 100 %. Resting the pointer on a day shows its figures.
class HistoryChart final : public QWidget {
    Q_OBJECT
public:
    explicit HistoryChart(QWidget* parent);

    // Every day from `first` to `last`; `days` holds those with answers.
    void SetDays(StudyDay first, StudyDay last, const std::vector<DayTotals>& days);
    // The figures of the day under a point, as its tooltip says them; empty off the days.
    QString DayTextAt(QPoint point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Where the plot lies and how its axes run.
    struct Frame {
        QRectF plot;
        double dayWidth = 0;
        int answerStep = 1; // answers between grid lines; four steps to the top
    };
    Frame Layout() const;
    int DayIndexAt(const Frame& frame, double x) const;
    QColor LineColour() const;
    void DrawGrid(QPainter& painter, const Frame& frame) const;
    void DrawBars(QPainter& painter, const Frame& frame) const;
    void DrawLine(QPainter& painter, const Frame& frame) const;
    void DrawDates(QPainter& painter, const Frame& frame) const;
    void DrawLegend(QPainter& painter, const Frame& frame) const;

    StudyDay first_{};
    std::vector<DayTotals> days_; // one per day from first_, in order
    int mostAnswers_ = 0;
};

} // namespace lumenary
