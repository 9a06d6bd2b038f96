#pragma once

#include "LumenaryWindow.h"

class QLabel;
class QVBoxLayout;

namespace lumenary {

class ProgressPanel;
struct QuizContext;

// The one menu of a quiz window: end the quiz, a separator, leave the program.
struct QuizMenuDesign {
    QString name;          // "MnuQuizFlashcard"
    QString caption;       // "&Quiz"
    QString endName;       // "MnuEndQuizFlashcard", captioned "&End Quiz"
    QString separatorName; // "MnuLine"
    QString exitName;      // "MnuExitQuizFlashcard"
    QString exitCaption;   // "E&xit Quiz"
};

// How one quiz window differs from the others in its frame.
struct QuizWindowDesign {
    QString objectName;    // "FrmFlashcard"
    QString heading;       // "Flashcard"
    QuizMenuDesign menu;
    QString reformer;      // the name beneath the picture
    QString reformerDates;
    bool themeLine = true; // LblTheme beneath the subtitle
};

// The frame every quiz window shares: heading, module subtitle, theme line,
// progress panel, the reformer's picture with his name, and the menu with
// "&End Quiz" and the program's exit. Each engine's window adds its own
// controls to the content area.
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

// A label of the quiz windows: bold, the given colour, words wrapped.
QLabel* MakeQuizLabel(const char* objectName, const QString& colour, QWidget* parent);
// Makes a plain label of the given kind one of the quiz labels.
void StyleQuizLabel(QLabel& label, const QString& objectName, const QString& colour);

// A font of a size in points that need not be whole (9.75).
QFont PointFont(const QString& family, double points, bool bold);

} // namespace lumenary
