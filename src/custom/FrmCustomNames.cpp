// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmCustomNames.h"

#include "CustomChanges.h"
#include "CustomSubjects.h"
#include "Prompter.h"
#include "QuizContext.h"
#include "Session.h"
#include "WindowRegistry.h"

#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace lumenary {

namespace {

const std::string Title = "Your Subjects";

QString CountText(std::int64_t count)
{
    return count == 1 ? QStringLiteral("1 question") : QStringLiteral("%1 questions").arg(count);
}

} // namespace

FrmCustomNames::FrmCustomNames(QuizContext& context)
    : LumenaryWindow(QStringLiteral("FrmCustomNames"), QString::fromStdString(Title)),
      context_(context),
      heading_(new QLabel(this)),
      subjects_(new QTreeWidget(this)),
      rename_(new QPushButton(QStringLiteral("&Rename…"), this)),
      delete_(new QPushButton(QStringLiteral("&Delete"), this))
{
    setCentralWidget(new QWidget(this));
    heading_->setObjectName(QStringLiteral("LblSubjects"));
    heading_->setWordWrap(true);
    subjects_->setObjectName(QStringLiteral("LstSubjects"));
    subjects_->setHeaderLabels({QStringLiteral("Subject"), QStringLiteral("Questions")});
    subjects_->setRootIsDecorated(false);
    subjects_->setUniformRowHeights(true);
    subjects_->header()->setStretchLastSection(false);
    subjects_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    subjects_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    connect(subjects_, &QTreeWidget::currentItemChanged, this, [this] { ChoiceChanged(); });

    auto* create = new QPushButton(QStringLiteral("&New…"), this);
    create->setObjectName(QStringLiteral("CmdNew"));
    connect(create, &QPushButton::clicked, this, [this] { CmdNew_Click(); });
    rename_->setObjectName(QStringLiteral("CmdRename"));
    connect(rename_, &QPushButton::clicked, this, [this] { CmdRename_Click(); });
    delete_->setObjectName(QStringLiteral("CmdDelete"));
    connect(delete_, &QPushButton::clicked, this, [this] { CmdDelete_Click(); });
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("CmdClose"));
    connect(close, &QPushButton::clicked, this, [this] { this->close(); });

    auto* buttons = new QVBoxLayout;
    for (auto* button : {create, rename_, delete_})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* middle = new QHBoxLayout;
    middle->addWidget(subjects_, 1);
    middle->addLayout(buttons);
    auto* layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(heading_);
    layout->addLayout(middle, 1);
    resize(520, 340);
}

void FrmCustomNames::showEvent(QShowEvent* event)
{
    // Another window may have changed the subjects since this one was last shown.
    ShowSubjects(ChosenSubject());
    LumenaryWindow::showEvent(event);
}

void FrmCustomNames::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ShowSubjects(ChosenSubject());
    LumenaryWindow::changeEvent(event);
}

void FrmCustomNames::closeEvent(QCloseEvent* event)
{
    event->accept();
    context_.windows.Unload(this);
}

void FrmCustomNames::EscapePressed()
{
    close();
}

void FrmCustomNames::ShowSubjects(const std::optional<std::string>& current)
{
    subjects_->clear();
    const auto subjects = custom::ListSubjects(*context_.session.QuestionDatabase);
    for (const auto& subject : subjects) {
        auto* item =
            new QTreeWidgetItem(subjects_, {QString::fromStdString(subject.name), CountText(subject.questionCount)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (current && SameName(subject.name, *current))
            subjects_->setCurrentItem(item);
    }
    if (!subjects_->currentItem() && subjects_->topLevelItemCount() > 0)
        subjects_->setCurrentItem(subjects_->topLevelItem(0));
    heading_->setText(subjects.empty()
                          ? QStringLiteral("You have no subjects of your own yet. Press New… to make one, then add "
                                           "its questions in the Custom Data Editor.")
                          : QStringLiteral("Your own subjects, and how many questions each has:"));
    ChoiceChanged();
}

std::optional<std::string> FrmCustomNames::ChosenSubject() const
{
    const auto* item = subjects_->currentItem();
    return item ? std::optional(item->text(0).toStdString()) : std::nullopt;
}

void FrmCustomNames::ChoiceChanged()
{
    const bool chosen = subjects_->currentItem() != nullptr;
    rename_->setEnabled(chosen);
    delete_->setEnabled(chosen);
}

void FrmCustomNames::AskName(const std::string& prompt, const std::string& title, std::string name,
                             const std::function<void(const std::string&)>& apply)
{
    while (const auto typed = context_.prompter.TypedLine(prompt, title, name)) {
        name = *typed;
        try {
            apply(name);
            ShowSubjects(name);
            return;
        } catch (const custom::CustomDataError& error) {
            context_.prompter.Information(error.what(), title);
        }
    }
}

void FrmCustomNames::CmdNew_Click()
{
    AskName("The name of your new subject (1 to 60 characters, any you like):", "New Subject", {},
            [this](const std::string& name) { custom::CreateSubject(*context_.session.QuestionDatabase, name); });
}

void FrmCustomNames::CmdRename_Click()
{
    const auto subject = ChosenSubject();
    if (!subject)
        return;
    AskName("The new name of \"" + *subject + "\" (its questions move with it):", "Rename Subject", *subject,
            [this, &subject](const std::string& name) {
                custom::RenameSubject(*context_.session.QuestionDatabase, *subject, name);
            });
}

void FrmCustomNames::CmdDelete_Click()
{
    const auto subject = ChosenSubject();
    if (!subject)
        return;
    auto& database = *context_.session.QuestionDatabase;
    const auto subjects = custom::ListSubjects(database);
    const auto found = std::ranges::find_if(subjects, [&](const auto& s) { return s.name == *subject; });
    const std::int64_t count = found == subjects.end() ? 0 : found->questionCount;
    const std::string what = count == 0 ? "It has no questions."
                           : "Its " + CountText(count).toStdString()
                                 + (count == 1 ? " is" : " are")
                                 + " deleted with it; what you answered stays in your study record.";
    if (!context_.prompter.Question("Delete your subject \"" + *subject + "\"? " + what, "Delete Subject"))
        return;
    try {
        custom::DeleteSubject(database, *subject);
    } catch (const custom::CustomDataError& error) {
        context_.prompter.Information(error.what(), Title);
    }
    ShowSubjects(std::nullopt);
}

} // namespace lumenary
