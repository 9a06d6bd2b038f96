// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LumenaryWindow.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace lumenary {

class ProgressPanel;
struct QuizContext;

// The one menu of a quiz window: "&End Quiz", a separator, the exit entry.
struct QuizMenuDesign {
    QString name;          // "MnuQuizFlashcard"
    QString caption;       // "&Quiz"
    QString endQuizName;   // "MnuEndQuizFlashcard"
    QString separatorName; // "MnuLine"
    QString exitName;      // "MnuExitQuizFlashcard"
    QString exitCaption;   // "E&xit Quiz"
};

// How one quiz window differs from the others in its frame.
struct QuizWindowDesign {
    QString objectName;    // "FrmFlashcard"
    QString caption;       // "Lumenary"
    QString heading;       // "Flashcard"
    QuizMenuDesign menu;
    QString reformer;      // the name beneath the picture
    QString reformerDates;
    bool themeLine = true; // whether the window has LblTheme
};

// The frame every quiz window shares: heading, subtitle, theme line,
// progress panel, the reformer's picture with his name, and the menu that
// ends the quiz or the program. Each engine's window adds its own controls
// to the content area.
class QuizWindow : public LumenaryWindow {
    Q_OBJECT
public:
    QuizWindow(const QuizWindowDesign& design, QuizContext& context);

    ProgressPanel& Panel() { return *panel_; }
    void ShowTheme(const QString& theme);

    // "&End Quiz": the window closes and the main window comes back.
    void EndQuiz();
    // "E&xit Quiz": every window closes and the program ends.
    void ExitQuiz();

protected:
    QVBoxLayout& Content() { return *content_; }
    QLabel& SubTitle() { return *subTitle_; }
    QuizContext& Context() { return context_; }

    // The title-bar close box ends the quiz like "&End Quiz".
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu(const QuizMenuDesign& design);

    QuizContext& context_;
    QLabel* subTitle_;
    QLabel* theme_ = nullptr;
    ProgressPanel* panel_;
    QVBoxLayout* content_;
};

// The colours of text on the quiz windows' dark ground.
inline constexpr char QuizWhite[] = "#ffffff";
inline constexpr char QuizYellow[] = "#ffd84d";
inline constexpr char QuizGreen[] = "#8ff08f";

// A font of a family at a size in points, such as Arial 15.75 bold.
QFont PointFont(const QString& family, double points, bool bold);

// A label of the quiz windows: bold, the given colour, words wrapped.
QLabel* MakeQuizLabel(const char* objectName, const QString& colour, QWidget* parent);
// Makes a plain label of the given kind one of the quiz labels.
void StyleQuizLabel(QLabel& label, const QString& objectName, const QString& colour);

// A button of the quiz windows, wide enough for its caption.
QPushButton* MakeQuizButton(const char* objectName, const QString& caption, QWidget* parent);

} // namespace lumenary
