// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LumenaryWindow.h"
#include "StudyHistory.h"

class QComboBox;
class QLabel;
class QStackedWidget;
class QTreeWidget;

namespace lumenary {

class HistoryChart;
struct QuizContext;

// "Study History": the answers of each study day and how many were right the
// first time, in a chart and a summary line, and the runs of a period.
class FrmHistory final : public LumenaryWindow {
    Q_OBJECT
public:
    explicit FrmHistory(QuizContext& context);

    // The column titles of TblRuns, which its CSV file heads with too.
    static QStringList RunHeaders();

protected:
    void EscapePressed() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Refresh();
    void ShowRuns(const std::vector<RunLine>& runs);
    QString SummaryText(const std::vector<DayTotals>& days) const;
    std::optional<StudyDay> FirstDayShown() const;
    std::optional<std::string> ChosenSubject() const;
    void SaveCsv();
    void SaveChart();

    QuizContext& context_;
    const StudyDay today_;
    QComboBox* period_;
    QComboBox* subjects_;
    QLabel* summary_;
    QStackedWidget* historyOrEmpty_;
    HistoryChart* chart_;
    QTreeWidget* runs_;
    QPushButton* saveCsv_;
    QPushButton* saveChart_;
};

} // namespace lumenary
