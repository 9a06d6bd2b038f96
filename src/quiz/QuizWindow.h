#pragma once

#include "LumenaryWindow.h"

class QLabel;
class QVBoxLayout;

namespace lumenary {

class ProgressPanel;
struct QuizContext;

// How one quiz window differs from the others in its frame.
struct QuizWindowDesign {
    QString objectName;    // "FrmFlashcard"
    QString heading;       // "Flashcard"
    QString menuSuffix;    // "Flashcard": MnuQuizFlashcard, MnuEndQuizFlashcard, ...
    QString reformer;      // the name beneath the picture
    QString reformerDates;
};

// The frame every quiz window shares: heading, module subtitle, theme line,
// progress panel, the reformer's picture with his name, and the Quiz menu
// with "&End Quiz" and "E&xit Quiz". Each engine's window adds its own
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
    void BuildMenu(const QString& suffix);

    QuizContext& context_;
    QLabel* subTitle_;
    QLabel* theme_;
    ProgressPanel* panel_;
    QVBoxLayout* content_;
};

// A label of the quiz windows: bold, the given colour, words wrapped.
QLabel* MakeQuizLabel(const char* objectName, const QString& colour, QWidget* parent);

} // namespace lumenary
