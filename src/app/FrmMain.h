// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LumenaryWindow.h"
#include "ModFlashcard.h"
#include "ModSA.h"
#include "ModTF.h"
#include "ModMC.h"
#include "ModMCGrk.h"
#include "QuizContext.h"
#include "QuizHost.h"

#include <array>
#include <filesystem>
#include <functional>

class QMenu;

namespace lumenary {

class ModCommonPreQuiz;

// What the main window is made with: the program's shared services.
struct MainWindowServices {
    Session& session;
    Prompter& prompter;
    ModCommonPreQuiz& preQuiz;
    ModCommonQuiz& common;
    ModLanguages& languages;
    WindowRegistry& windows;
    std::filesystem::path databaseFile;
    std::function<void()> endProgram; // leaves the event loop
};

// The main window: the portrait, the menus that lead to every subject, and
// the launch of every quiz and missed-question review.
class FrmMain : public LumenaryWindow, public QuizHost {
    Q_OBJECT
public:
    // Opens the question database before the window is first shown;
    // throws StoreError when it cannot be opened.
    explicit FrmMain(MainWindowServices services);

    QString QuizType;

    void SetQuizType(const QString& quizType) override { QuizType = quizType; }
    void QuizSelected() override;
    void BeginQuiz() override;
    void StartGreekTenseQuiz() override;
    void MissedQuestionsFlashcard() override;
    void MissedQuestionsSA() override;
    void MissedQuestionsTrueFalse() override;
    void MissedQuestionsMC() override;
    void MissedQuestionsMCGreek() override;

    void ShowMainWindow() override;
    void EndProgram() override;

protected:
    // The close box unloads only the main window; the program ends when no
    // other window is left open.
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void BuildMenus();
    void RegisterWindows();
    void EndIfNothingIsOpen();
    // Closes every quiz window but the one of the engine being reviewed.
    void EndRunningQuiz(const QuizEngine* reviewing);
    void PreparePool();
    std::array<QuizEngine*, 5> Engines();
    // The five reviews differ only in their engine.
    void ReviewMissedQuestions(QuizEngine& engine);

    MainWindowServices services_;
    QuizContext context_;
    ModFlashcard flashcard_;
    ModTF trueFalse_;
    ModSA shortAnswer_;
    ModMC multipleChoice_;
    ModMCGrk greekTense_;
    bool closedByUser_ = false;
};

} // namespace lumenary
