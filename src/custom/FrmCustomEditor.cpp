// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmCustomEditor.h"

#include "ScriptFont.h"
#include "CustomCellDelegate.h"
#include "CustomQuestionModel.h"
#include "CustomSubjects.h"
#include "Prompter.h"
#include "QuizContext.h"
#include "Session.h"
#include "WindowRegistry.h"

#include <QCheckBox>
#include <QEvent>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace lumenary {

namespace {

const std::string Title = "Custom Data Editor";

// Room for each column as a user fills it: the two sides widest.
constexpr int ColumnWidths[] = {210, 130, 210, 50, 100, 64, 120};

} // namespace

FrmCustomEditor::FrmCustomEditor(QuizContext& context)
    : LumenaryWindow(QStringLiteral("FrmCustomEditor"), QString::fromStdString(Title)),
      context_(context),
      model_(new CustomQuestionModel(context.session, this)),
      subject_(new QComboBox(this)),
      table_(new QTableView(this)),
      keystrokes_(new QCheckBox(QStringLiteral("Greek &keystrokes"), this)),
      message_(new QLabel(this)),
      add_(NamedButton(QStringLiteral("CmdAdd"), QStringLiteral("&Add"))),
      delete_(NamedButton(QStringLiteral("CmdDelete"), QStringLiteral("&Delete")))
{
    setCentralWidget(new QWidget(this));
    auto* subjectLabel = new QLabel(QStringLiteral("&Subject:"), this);
    subjectLabel->setObjectName(QStringLiteral("LblSubject"));
    subjectLabel->setBuddy(subject_);
    subject_->setObjectName(QStringLiteral("CboSubject"));
    subject_->setMinimumContentsLength(24);
    subject_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(subject_, &QComboBox::currentIndexChanged, this, [this] { SubjectChosen(); });
    keystrokes_->setObjectName(QStringLiteral("ChkKeystrokes"));
    keystrokes_->setToolTip(QStringLiteral("Type Greek with the keys of the old Greek font: a mark after its vowel "
                                           "(v smooth, ` rough, , acute, . grave, / circumflex, | iota subscript)."));

    table_->setObjectName(QStringLiteral("TblQuestions"));
    table_->setModel(model_);
    table_->setItemDelegate(new CustomCellDelegate([this] { return keystrokes_->isChecked(); }, table_));
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    table_->horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column < model_->columnCount(); ++column)
        table_->setColumnWidth(column, ColumnWidths[column]);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height(), TallestScriptLine(font())) + 6);

    message_->setObjectName(QStringLiteral("LblMessage"));
    message_->setWordWrap(true);
    message_->setMinimumHeight(2 * fontMetrics().lineSpacing());
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(model_, &CustomQuestionModel::Told, this, [this](const QString& text) { Say(text, false); });
    connect(model_, &CustomQuestionModel::Refused, this, [this](const QString& text) { Say(text, true); });

    auto* close = NamedButton(QStringLiteral("CmdClose"), QStringLiteral("&Close"));
    connect(add_, &QPushButton::clicked, this, [this] { CmdAdd_Click(); });
    connect(delete_, &QPushButton::clicked, this, [this] { CmdDelete_Click(); });
    connect(close, &QPushButton::clicked, this, [this] { this->close(); });

    auto* top = new QHBoxLayout;
    top->addWidget(subjectLabel);
    top->addWidget(subject_);
    top->addStretch();
    top->addWidget(keystrokes_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(add_);
    bottom->addWidget(delete_);
    bottom->addStretch();
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addWidget(message_);
    layout->addLayout(bottom);
    resize(1000, 560);
}

void FrmCustomEditor::showEvent(QShowEvent* event)
{
    ShowSubjects();
    LumenaryWindow::showEvent(event);
}

void FrmCustomEditor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ShowSubjects();
    LumenaryWindow::changeEvent(event);
}

void FrmCustomEditor::ShowSubjects()
{
    const QString shown = subject_->currentText();
    {
        const QSignalBlocker quiet(subject_);
        subject_->clear();
        for (const auto& subject : custom::ListSubjects(*context_.session.QuestionDatabase))
            subject_->addItem(QString::fromStdString(subject.name));
        subject_->setCurrentIndex(std::max(0, subject_->findText(shown)));
    }
    SubjectChosen();
}

void FrmCustomEditor::SubjectChosen()
{
    const std::string subject = subject_->currentText().toStdString();
    if (subject == model_->Subject() && subject_->count() > 0)
        return;
    if (!MayDropNewRow()) {
        const QSignalBlocker quiet(subject_);
        subject_->setCurrentText(QString::fromStdString(model_->Subject()));
        return;
    }
    model_->ShowSubject(subject);
    const bool any = subject_->count() > 0;
    add_->setEnabled(any);
    delete_->setEnabled(any);
    if (!any)
        Say(QStringLiteral("You have no subjects of your own yet: make one in Custom > Custom Quiz Names, then add "
                           "its questions here."),
            false);
}

void FrmCustomEditor::Say(const QString& text, bool refusal)
{
    message_->setText(text);
    QPalette palette = message_->palette();
    const QColor darkRed(0xA4, 0x00, 0x00);
    palette.setColor(QPalette::WindowText, refusal ? darkRed : this->palette().color(QPalette::WindowText));
    message_->setPalette(palette);
}

void FrmCustomEditor::CmdAdd_Click()
{
    const QModelIndex cell = model_->index(model_->AddRow(), CustomQuestionModel::PartAColumn());
    table_->scrollTo(cell);
    table_->setFocus();
    table_->setCurrentIndex(cell); // a current cell is edited at once
    if (!table_->indexWidget(cell))
        table_->edit(cell);
}

void FrmCustomEditor::CmdDelete_Click()
{
    const int row = table_->currentIndex().row();
    if (row < 0) {
        Say(QStringLiteral("Choose a cell of the question to delete first."), false);
        return;
    }
    const bool unsaved = model_->IsNewRow(row);
    if (!unsaved || model_->UnsavedRow()) {
        const QString partA = model_->index(row, CustomQuestionModel::PartAColumn()).data().toString();
        const std::string what = unsaved ? "the new row " + std::to_string(row + 1)
                                         : "the question of row " + std::to_string(row + 1);
        if (!context_.prompter.Question("Delete " + what + (partA.isEmpty() ? "" : ", \"" + partA.toStdString() + "\"")
                                            + "?",
                                        "Delete Question"))
            return;
    }
    model_->DeleteRow(row);
}

bool FrmCustomEditor::MayDropNewRow()
{
    const auto row = model_->UnsavedRow();
    return !row
        || context_.prompter.Question("Row " + std::to_string(*row)
                                          + " is not saved: a question needs Part A and Part B. Leave it out?",
                                      Title);
}

void FrmCustomEditor::closeEvent(QCloseEvent* event)
{
    // A cell being typed in is saved first, as leaving it would save it.
    if (QWidget* typing = table_->indexWidget(table_->currentIndex()))
        emit table_->itemDelegate()->commitData(typing);
    if (!MayDropNewRow()) {
        event->ignore();
        return;
    }
    event->accept();
    context_.windows.Unload(this);
}

void FrmCustomEditor::EscapePressed()
{
    close();
}

} // namespace lumenary
