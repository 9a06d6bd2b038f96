// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectionWindow.h"

#include "ModLanguages.h"
#include "QuizContext.h"
#include "QuizHost.h"
#include "Session.h"
#include "SubjectCatalogue.h"
#include "WindowRegistry.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace lumenary {

namespace {

QString Indexed(const QString& control, int index)
{
    return QStringLiteral("%1(%2)").arg(control).arg(index);
}

} // namespace

SelectionWindow::SelectionWindow(const SelectionDesign& design, QuizContext& context)
    : LumenaryWindow(design.objectName, design.title),
      context_(context),
      instruction_(new QLabel(design.instruction, this)),
      quizFrame_(new QGroupBox(QStringLiteral("Choose Quiz Type"), this)),
      orderFrame_(new QGroupBox(QStringLiteral("Choose Order"), this)),
      okButton_(MakeButton(design.okName, QStringLiteral("&OK"), [this] { CmdOK_Click(); }))
{
    setCentralWidget(new QWidget(this));
    instruction_->setObjectName(design.instructionName);
    QFont prompt = instruction_->font();
    prompt.setBold(true);
    prompt.setPointSizeF(prompt.pointSizeF() * 1.15);
    instruction_->setFont(prompt);

    quizFrame_->setObjectName(QStringLiteral("FrameQuizType"));
    auto* quizLayout = new QVBoxLayout(quizFrame_);
    const auto options = catalogue::QuizOptions();
    for (const int index : design.quizOptions) {
        auto* option = new QRadioButton(QString::fromUtf8(options[static_cast<std::size_t>(index)].caption), quizFrame_);
        option->setObjectName(Indexed(QStringLiteral("OptQuiz"), index));
        quizLayout->addWidget(option);
        optQuiz_[index] = option;
        connect(option, &QRadioButton::clicked, this, [this, index] { OptQuiz_Click(index); });
    }
    optQuiz_.at(design.quizOptions.front())->setChecked(true);

    orderFrame_->setObjectName(design.orderFrameName);
    auto* orderLayout = new QVBoxLayout(orderFrame_);
    for (int index = 0; index < design.orderCaptions.size(); ++index) {
        auto* option = new QRadioButton(design.orderCaptions[index], orderFrame_);
        option->setObjectName(Indexed(design.orderControl, index));
        orderLayout->addWidget(option);
        optFlip_.push_back(option);
        connect(option, &QRadioButton::clicked, this, [this, index] { OptFlip_Click(index); });
    }
    if (optFlip_.empty())
        orderFrame_->hide(); // a window that offers no direction
    else
        optFlip_.at(static_cast<std::size_t>(design.initialOrder))->setChecked(true);

    SetDefaultButton(okButton_);
    if (design.englishFontsAtLoad)
        SetQuizFonts(); // Form_Load
}

QRadioButton* SelectionWindow::OptQuiz(int index) const
{
    const auto found = optQuiz_.find(index);
    return found == optQuiz_.end() ? nullptr : found->second;
}

QRadioButton* SelectionWindow::OptFlip(int index) const
{
    return optFlip_.at(static_cast<std::size_t>(index));
}

QPushButton* SelectionWindow::MakeButton(const QString& objectName, const QString& caption,
                                         std::function<void()> onClick)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    connect(button, &QPushButton::clicked, this, std::move(onClick));
    return button;
}

void SelectionWindow::CmdOK_Click()
{
    if (!CheckSelection())
        return;
    RecordChoices();
    context_.session.QuizQuestionIDs.reset();
    context_.session.QuestionDirections.clear();
    context_.session.QuizFilter = BuildFilter();
    context_.session.QuizSubject = DescribeSelection();
    // The window gives way to its quiz: it is not the last window closing.
    const WindowRegistry::Handover toQuiz(context_.windows);
    StartQuiz();
}

void SelectionWindow::RecordChoices()
{
    RecordDirection();
    RecordQuizType();
    // The font state of this quiz is set again here: another window's
    // language quiz may have changed it since this window opened.
    SetQuizFonts();
}

void SelectionWindow::StartQuiz()
{
    Unload();
    context_.host.BeginQuiz();
}

void SelectionWindow::RecordDirection()
{
    context_.session.Flip = !OptFlip(0)->isChecked();
}

void SelectionWindow::RecordQuizType()
{
    const auto options = catalogue::QuizOptions();
    for (const auto& [index, option] : optQuiz_) {
        if (option->isChecked()) {
            context_.host.SetQuizType(QString::fromUtf8(options[static_cast<std::size_t>(index)].code));
            return;
        }
    }
}

void SelectionWindow::SetQuizFonts()
{
    context_.languages.SetEnglishFonts();
}

void SelectionWindow::OptQuiz_Click(int)
{
}

void SelectionWindow::OptFlip_Click(int)
{
    // Only multiple choice may run in the second direction.
    if (!OptQuiz(0)->isChecked())
        OptFlip(0)->setChecked(true);
}

void SelectionWindow::CoupleDirectionToQuizType(int index)
{
    if (index == 0) {
        OptFlip(1)->setEnabled(true);
    } else {
        OptFlip(0)->setChecked(true);
        OptFlip(1)->setEnabled(false);
    }
}

void SelectionWindow::Unload()
{
    Form_Unload();
    context_.windows.Unload(this);
}

void SelectionWindow::SetListButtons(QPushButton* selectAll, QPushButton* unselectAll)
{
    listButtons_ = {selectAll, unselectAll};
}

void SelectionWindow::showEvent(QShowEvent* event)
{
    if (!std::exchange(tabOrderArranged_, true))
        if (QWidget* first = ArrangeTabOrder())
            first->setFocus(Qt::TabFocusReason);
    LumenaryWindow::showEvent(event);
}

QWidget* SelectionWindow::ArrangeTabOrder()
{
    std::vector<QWidget*> last;
    for (const auto& [index, option] : optQuiz_)
        last.push_back(option);
    last.insert(last.end(), optFlip_.begin(), optFlip_.end());
    last.insert(last.end(), listButtons_.begin(), listButtons_.end());
    last.push_back(okButton_);

    // The focus chain holds the controls in the order they were made.
    std::vector<QWidget*> chain;
    for (QWidget* widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain())
        if (widget->focusPolicy() != Qt::NoFocus && isAncestorOf(widget) && std::ranges::count(last, widget) == 0)
            chain.push_back(widget);
    std::ranges::stable_sort(chain, {}, [this](const QWidget* widget) { return TabGroup(widget); });
    chain.insert(chain.end(), last.begin(), last.end());

    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    const auto first = std::ranges::find_if(chain, [](const QWidget* widget) { return widget->isEnabled(); });
    return first == chain.end() ? nullptr : *first;
}

void SelectionWindow::EscapePressed()
{
    Unload();
}

void SelectionWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    Unload();
}

} // namespace lumenary
