// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MissedQuestions.h"
#include "SelectionWindow.h"
#include "Session.h"

#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class QComboBox;
class QStackedWidget;
class QTableView;

namespace lumenary {

class MissedTableModel;

// "Missed Questions": the cards missed lately, or often, by subject; any of
// them quizzed again, each in the way it was asked, or saved as CSV.
class FrmMissedQs final : public SelectionWindow {
    Q_OBJECT
public:
    explicit FrmMissedQs(QuizContext& context);

    const MissedTableModel& Table() const { return *model_; }

protected:
    bool CheckSelection() override;
    void RecordDirection() override;
    std::string BuildFilter() override;
    std::string DescribeSelection() const override;
    void SetQuizFonts() override;
    void StartQuiz() override;
    int TabGroup(const QWidget* widget) const override;

private:
    // Sorting, selection, row height and column widths of TblMissed.
    void SetUpTable();
    void Refresh();
    // The cards Quiz Selected takes: the rows selected, or every row.
    std::vector<MissedCard> ChosenCards() const;
    const std::string& ChosenWay() const;
    // The direction and fonts a card of the subject asked that way is asked in again.
    QuizDirection DirectionOf(const std::string& subject, const std::string& cardWay);
    void Export();

    const StudyDay today_;
    std::vector<QRadioButton*> optMissed_;
    QComboBox* subjects_;
    QStackedWidget* tableOrEmpty_;
    QTableView* table_;
    MissedTableModel* model_;
    QPushButton* exportButton_ = nullptr;
    // What Quiz Selected starts on, fixed as it begins.
    std::vector<MissedCard> chosen_;
    std::set<std::string> chosenSubjects_;
    std::unordered_map<std::int64_t, QuizDirection> directions_;
    QuizDirection firstDirection_;
};

} // namespace lumenary
