// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmDueQs.h"

#include "DueQuestions.h"
#include "FilterParser.h"
#include "ModCommonQuiz.h"
#include "ModLanguages.h"
#include "QuizContext.h"
#include "Session.h"
#include "StudyRecord.h"
#include "SubjectWords.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace lumenary {

namespace {

constexpr int ShortAnswerOption = 3;

QString DueCountText(int count)
{
    if (count == 0)
        return QStringLiteral("Nothing is due today. Come back tomorrow, or start any quiz from the Quizzes menu.");
    return count == 1 ? QStringLiteral("1 question is due today.")
                      : QStringLiteral("%1 questions are due today.").arg(count);
}

} // namespace

FrmDueQs::FrmDueQs(QuizContext& context)
    : SubjectBoxWindow({.objectName = QStringLiteral("FrmDueQs"),
                        .title = QStringLiteral("Review Due Questions"),
                        .instructionName = QStringLiteral("LblDueCount"),
                        .instruction = {},
                        .quizOptions = {0, 1, 2, 3},
                        .orderFrameName = QStringLiteral("FrameOrder"),
                        .orderCaptions = {QString(), QString()},
                        .englishFontsAtLoad = false,
                        .orderControl = QStringLiteral("OptOrder")},
                       QStringLiteral("Subjects"), context),
      today_(context.common.Today())
{
    // Room for the longest heading, "Nothing is due today. ...", on two lines.
    Instruction().setMinimumHeight(2 * Instruction().fontMetrics().lineSpacing());

    // Open on the way that has something due.
    const bool partADue = DueCount(*Context().session.QuestionDatabase, today_, {way::PartA}) > 0;
    OptFlip(partADue ? 0 : 1)->setChecked(true);
    ShowSubjects();
}

QCheckBox* FrmDueQs::ChkSubject(int index) const
{
    return index >= 0 && index < static_cast<int>(boxes_.size()) ? boxes_[static_cast<std::size_t>(index)].second
                                                                  : nullptr;
}

const char* FrmDueQs::ChosenWay() const
{
    return OptFlip(0)->isChecked() ? way::PartA : way::PartB;
}

std::set<std::string> FrmDueQs::TickedSubjects() const
{
    std::set<std::string> ticked;
    for (const auto& [subject, box] : boxes_)
        if (box->isChecked())
            ticked.insert(subject);
    return ticked;
}

void FrmDueQs::ShowSubjects()
{
    for (const auto& [subject, box] : boxes_)
        delete box;
    boxes_.clear();
    int total = 0;
    for (const auto& [subject, count] : DueBySubject(*Context().session.QuestionDatabase, today_, ChosenWay())) {
        const int index = static_cast<int>(boxes_.size());
        auto* box =
            MakeSubjectBox(QString::fromStdString(subject) + QStringLiteral(" \u2014 ") + QString::number(count), index);
        box->setChecked(!cleared_.contains(subject));
        connect(box, &QCheckBox::clicked, this, [this, subject](bool ticked) {
            if (ticked)
                cleared_.erase(subject);
            else
                cleared_.insert(subject);
            SubjectsChanged();
        });
        boxes_.emplace_back(subject, box);
        total += count;
    }
    Instruction().setText(DueCountText(total));
    SubjectsChanged();
    if (isVisible())
        ArrangeTabOrder(); // the new boxes come first as Tab goes
}

void FrmDueQs::SubjectsChanged()
{
    const auto ticked = TickedSubjects();
    const SubjectWords& words = WordsFor(ticked);
    OptFlip(0)->setText(words.partA + QStringLiteral(" to ") + words.partB);
    OptFlip(1)->setText(words.partB + QStringLiteral(" to ") + words.partA);
    // Short answer asks for the chapter of a chapter-content question shown as it is.
    const bool shortAnswer = AllChapterContent(ticked) && OptFlip(0)->isChecked();
    OptQuiz(ShortAnswerOption)->setEnabled(shortAnswer);
    if (!shortAnswer && OptQuiz(ShortAnswerOption)->isChecked())
        OptQuiz(0)->setChecked(true);
    OkButton().setEnabled(!boxes_.empty());
}

void FrmDueQs::TickAll(bool ticked)
{
    for (const auto& [subject, box] : boxes_) {
        box->setChecked(ticked);
        if (ticked)
            cleared_.erase(subject);
        else
            cleared_.insert(subject);
    }
    SubjectsChanged();
}

bool FrmDueQs::CheckSelection()
{
    return !TickedSubjects().empty();
}

std::string FrmDueQs::BuildFilter()
{
    const auto ticked = TickedSubjects();
    auto& session = Context().session;
    session.QuizQuestionIDs = DueQuestionIds(*session.QuestionDatabase, today_, ChosenWay(), ticked);
    // The filter names the subjects too, so the retry of misses narrows it as every retry does.
    std::string filter;
    for (const auto& subject : ticked)
        filter += std::string(filter.empty() ? "(" : " or ") + "Module = " + QuotedFilterText(subject);
    return filter + ")";
}

std::string FrmDueQs::DescribeSelection() const
{
    std::string subjects;
    for (const auto& subject : TickedSubjects())
        subjects += (subjects.empty() ? "" : ", ") + subject;
    return "Due review: " + subjects;
}

void FrmDueQs::SetQuizFonts()
{
    const SubjectWords& words = WordsFor(TickedSubjects());
    (Context().languages.*(OptFlip(0)->isChecked() ? words.partAFirstFonts : words.partBFirstFonts))();
}

void FrmDueQs::OptQuiz_Click(int)
{
}

void FrmDueQs::OptFlip_Click(int)
{
    // A card is one way: the subjects and counts are those of the way chosen.
    ShowSubjects();
}

} // namespace lumenary
