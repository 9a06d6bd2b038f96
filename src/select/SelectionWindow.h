// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LumenaryWindow.h"

#include <QStringList>

#include <map>
#include <string>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace lumenary {

struct QuizContext;

// How one selection window is named and captioned.
struct SelectionDesign {
    QString objectName;
    QString title;
    QString instructionName; // the prompt label's name
    QString instruction;
    std::vector<int> quizOptions; // the OptQuiz indexes offered; the first is selected at opening
    QString orderFrameName;       // "FrameOrder" on most windows
    QStringList orderCaptions;    // OptFlip(0), OptFlip(1), ...
    int initialOrder = 0;
    QString okName = QStringLiteral("CmdOK");
    // The unit, book and module windows set the English fonts as they load;
    // the language windows set their fonts at OK only.
    bool englishFontsAtLoad = true;
    QString orderControl = QStringLiteral("OptFlip"); // the order options' name
};

// The pattern every selection window follows: a quiz type, an order, and OK,
// which records them, builds the filter, closes the window and begins the
// quiz. Subclasses add what they narrow (boxes or module options).
class SelectionWindow : public LumenaryWindow {
    Q_OBJECT
public:
    SelectionWindow(const SelectionDesign& design, QuizContext& context);

    QRadioButton* OptQuiz(int index) const;
    QRadioButton* OptFlip(int index) const;

    // OK: check, record the direction and quiz type, build the filter, close
    // the window and begin the quiz.
    void CmdOK_Click();

protected:
    QGroupBox& QuizFrame() { return *quizFrame_; }
    QGroupBox& OrderFrame() { return *orderFrame_; }
    QLabel& Instruction() { return *instruction_; }
    QPushButton& OkButton() { return *okButton_; }
    QuizContext& Context() { return context_; }

    // A push button of this window, named and wired to a handler.
    QPushButton* MakeButton(const QString& objectName, const QString& caption, std::function<void()> onClick);

    // Whether OK may go on; checklist windows need a ticked box.
    virtual bool CheckSelection() { return true; }
    // What OK records before it builds the filter: the direction, the quiz
    // type and the fonts.
    virtual void RecordChoices();
    virtual void RecordDirection();
    void RecordQuizType();
    // The filter text of the quiz this window starts.
    virtual std::string BuildFilter() = 0;
    // The selection in words, for the study record; the window's title
    // unless the window says more.
    virtual std::string DescribeSelection() const { return windowTitle().toStdString(); }
    // The font state of the quiz; the English fonts unless the window is a language one.
    virtual void SetQuizFonts();

    virtual void OptQuiz_Click(int index);
    virtual void OptFlip_Click(int index);
    // The last step of OK, once the filter is built: close the window and
    // begin the quiz.
    virtual void StartQuiz();
    // OptQuiz_Click on the windows whose second direction is offered for
    // multiple choice only: any other quiz type selects and greys it out.
    void CoupleDirectionToQuizType(int index);
    // Runs as the window is unloaded.
    virtual void Form_Unload() {}
    void Unload();

    // "&Select All" and "&Unselect All", which come last before OK as Tab goes.
    void SetListButtons(QPushButton* selectAll, QPushButton* unselectAll);
    // Where a control of what the window narrows comes as Tab goes: lower
    // groups first, each in the order the controls were made.
    virtual int TabGroup(const QWidget*) const { return 0; }

    void EscapePressed() override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Tab visits what the window narrows, then the quiz type, the order, the
    // list buttons and OK; returns the first control Tab visits that is
    // enabled. A window that makes controls anew after it is shown calls it again.
    QWidget* ArrangeTabOrder();

private:

    QuizContext& context_;
    QLabel* instruction_;
    QGroupBox* quizFrame_;
    QGroupBox* orderFrame_;
    QPushButton* okButton_;
    std::map<int, QRadioButton*> optQuiz_;
    std::vector<QRadioButton*> optFlip_;
    std::vector<QPushButton*> listButtons_;
    bool tabOrderArranged_ = false;
};

} // namespace lumenary
