// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmCustomQuizzes.h"

#include "CustomSubjects.h"
#include "FontRoles.h"
#include "FrmCustomNames.h"
#include "ModLanguages.h"
#include "Prompter.h"
#include "QuizContext.h"
#include "Session.h"
#include "TextScript.h"
#include "WindowRegistry.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <set>

namespace lumenary {

namespace {

constexpr int ShortAnswerOption = 3;

const char* FontRoleOf(Script script)
{
    switch (script) {
    case Script::Greek:
        return GreekFontRole;
    case Script::Hebrew:
        return HebrewFontRole;
    default:
        return EnglishFontRole;
    }
}

QString BoxCaption(const custom::Subject& subject)
{
    const QString name = QString::fromStdString(subject.name).replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (subject.questionCount == 0)
        return name + QStringLiteral(" (no questions yet)");
    return name + QStringLiteral(" \u2014 ") + QString::number(subject.questionCount);
}

} // namespace

FrmCustomQuizzes::FrmCustomQuizzes(QuizContext& context)
    : SubjectBoxWindow({.objectName = QStringLiteral("FrmCustomQuizzes"),
                        .title = QStringLiteral("Custom Quizzes"),
                        .instructionName = QStringLiteral("LblInstructions"),
                        .instruction = QStringLiteral("Select the subjects you wish to quiz"),
                        .quizOptions = {0, 1, 2, 3},
                        .orderFrameName = QStringLiteral("FrameOrder"),
                        .orderCaptions = {QStringLiteral("Part A to Part B"), QStringLiteral("Part B to Part A")},
                        .englishFontsAtLoad = false,
                        .orderControl = QStringLiteral("OptOrder")},
                       QStringLiteral("Your Subjects"), context)
{
    ShowSubjects();
}

QCheckBox* FrmCustomQuizzes::ChkSubject(int index) const
{
    return index >= 0 && index < static_cast<int>(boxes_.size()) ? boxes_[static_cast<std::size_t>(index)].box
                                                                  : nullptr;
}

std::vector<std::string> FrmCustomQuizzes::TickedSubjects() const
{
    std::vector<std::string> ticked;
    for (const auto& subject : boxes_)
        if (subject.box->isChecked())
            ticked.push_back(subject.name);
    return ticked;
}

void FrmCustomQuizzes::showEvent(QShowEvent* event)
{
    // The subjects may have changed since the window was made.
    ShowSubjects();
    SubjectBoxWindow::showEvent(event);
    if (boxes_.empty())
        QTimer::singleShot(0, this, [this] { OfferToMakeOne(); });
}

void FrmCustomQuizzes::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ShowSubjects();
    SubjectBoxWindow::changeEvent(event);
}

void FrmCustomQuizzes::ShowSubjects()
{
    auto subjects = custom::ListSubjects(*Context().session.QuestionDatabase);
    if (subjects == shown_)
        return;
    const auto ticked = TickedSubjects();
    const std::set<std::string> wasTicked(ticked.begin(), ticked.end());
    for (const auto& subject : boxes_)
        delete subject.box;
    boxes_.clear();
    for (const auto& subject : subjects) {
        const int index = static_cast<int>(boxes_.size());
        auto* box = MakeSubjectBox(BoxCaption(subject), index);
        box->setEnabled(subject.questionCount > 0);
        box->setChecked(box->isEnabled() && wasTicked.contains(subject.name));
        connect(box, &QCheckBox::clicked, this, [this] { SubjectsChanged(); });
        boxes_.push_back({subject.name, subject.withChapters, box});
    }
    shown_ = std::move(subjects);
    const bool anyQuestions = std::ranges::any_of(boxes_, [](const auto& subject) { return subject.box->isEnabled(); });
    Instruction().setText(anyQuestions ? QStringLiteral("Select the subjects you wish to quiz")
                          : boxes_.empty()
                              ? QStringLiteral("You have no subjects of your own yet.")
                              : QStringLiteral("Your subjects have no questions yet: add some in the Custom Data "
                                               "Editor, or import them."));
    SubjectsChanged();
    if (isVisible())
        ArrangeTabOrder(); // the new boxes come first as Tab goes
}

void FrmCustomQuizzes::SubjectsChanged()
{
    const auto ticked = TickedSubjects();
    // Short answer asks for a chapter, so every question must have one.
    const bool chapters = !ticked.empty() && std::ranges::all_of(boxes_, [](const SubjectBox& subject) {
        return !subject.box->isChecked() || subject.withChapters;
    });
    const bool shortAnswer = chapters && OptFlip(0)->isChecked();
    OptQuiz(ShortAnswerOption)->setEnabled(shortAnswer);
    if (!shortAnswer && OptQuiz(ShortAnswerOption)->isChecked())
        OptQuiz(0)->setChecked(true);
    OkButton().setEnabled(!ticked.empty());
}

void FrmCustomQuizzes::TickAll(bool ticked)
{
    for (const auto& subject : boxes_)
        subject.box->setChecked(ticked && subject.box->isEnabled());
    SubjectsChanged();
}

void FrmCustomQuizzes::OfferToMakeOne()
{
    if (!boxes_.empty() || !isVisible())
        return;
    const bool open = Context().prompter.Question(
        "You have no subjects of your own yet. Make one in Your Subjects (Custom > Custom Quiz Names), add its "
        "questions in the Custom Data Editor or import them, then choose it here.\n\nOpen Your Subjects now?",
        "Custom Quizzes");
    auto& windows = Context().windows;
    // Your Subjects takes this window's place: it is not the last window closing.
    const WindowRegistry::Handover toNames(windows);
    Unload();
    if (open) {
        auto& names = windows.Get<FrmCustomNames>();
        names.show();
        names.raise();
        names.activateWindow();
    }
}

bool FrmCustomQuizzes::CheckSelection()
{
    return !TickedSubjects().empty();
}

std::string FrmCustomQuizzes::BuildFilter()
{
    std::string filter;
    for (const auto& subject : TickedSubjects())
        filter += (filter.empty() ? "(" : " or ") + custom::SubjectFilter(subject);
    return filter + ")";
}

std::string FrmCustomQuizzes::DescribeSelection() const
{
    std::string subjects;
    for (const auto& subject : TickedSubjects())
        subjects += (subjects.empty() ? "" : ", ") + subject;
    return "Custom: " + subjects;
}

void FrmCustomQuizzes::SetQuizFonts()
{
    const auto scripts = custom::ScriptsOf(*Context().session.QuestionDatabase, TickedSubjects());
    const bool partAFirst = OptFlip(0)->isChecked();
    Context().languages.SetFonts(FontRoleOf(partAFirst ? scripts.partA : scripts.partB),
                                 FontRoleOf(partAFirst ? scripts.partB : scripts.partA));
}

void FrmCustomQuizzes::OptQuiz_Click(int)
{
}

void FrmCustomQuizzes::OptFlip_Click(int)
{
    // Every quiz runs either way; short answer asks for the chapter of Part A.
    SubjectsChanged();
}

} // namespace lumenary
