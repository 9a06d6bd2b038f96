// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmExport.h"

#include "CustomExport.h"
#include "CustomSubjects.h"
#include "Prompter.h"
#include "StoreError.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace lumenary {

namespace {

constexpr char Title[] = "Export Custom Data";

struct FormatDesign {
    custom::ExportFormat format;
    const char* caption;
    const char* extension;
    const char* dialogFilter;
};

constexpr FormatDesign Formats[] = {
    {custom::ExportFormat::BankCsv, "The question bank's &CSV, which Lumenary and lumenary-db read", ".csv",
     "CSV files (*.csv)"},
    {custom::ExportFormat::FlashcardText, "&Tab-separated text for flashcard programs, a deck per subject", ".txt",
     "Text files (*.txt)"},
};

QString Counted(qint64 count, const char* one, const char* many)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : many);
}

} // namespace

FrmExport::FrmExport(Session& session, Prompter& prompter, WindowRegistry& windows)
    : TransferWindow(QStringLiteral("FrmExport"), QLatin1String(Title), session, prompter, windows)
{
    auto* instruction = new QLabel(
        QStringLiteral("Tick the subjects to export, choose the kind of file, and name the file to write."),
        centralWidget());
    instruction->setObjectName(QStringLiteral("LblInstruction"));
    instruction->setWordWrap(true);

    auto* subjects = new QGroupBox(QStringLiteral("Subjects"), centralWidget());
    subjects->setObjectName(QStringLiteral("FrameSubjects"));
    auto* scroll = new QScrollArea(subjects);
    scroll->setObjectName(QStringLiteral("ScrSubjects"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* list = new QWidget(scroll);
    subjectList_ = new QVBoxLayout(list);
    subjectList_->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(list);
    auto* selectAll = new QPushButton(QStringLiteral("Select &All"), subjects);
    selectAll->setObjectName(QStringLiteral("CmdSelectAll"));
    connect(selectAll, &QPushButton::clicked, this, [this] { TickAll(true); });
    auto* unselectAll = new QPushButton(QStringLiteral("&Unselect All"), subjects);
    unselectAll->setObjectName(QStringLiteral("CmdUnselectAll"));
    connect(unselectAll, &QPushButton::clicked, this, [this] { TickAll(false); });
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(selectAll);
    listButtons->addWidget(unselectAll);
    listButtons->addStretch();
    auto* subjectLayout = new QVBoxLayout(subjects);
    subjectLayout->addWidget(scroll, 1);
    subjectLayout->addLayout(listButtons);

    auto* format = new QGroupBox(QStringLiteral("Kind of file"), centralWidget());
    format->setObjectName(QStringLiteral("FrameFormat"));
    auto* formatLayout = new QVBoxLayout(format);
    for (const auto& design : Formats) {
        auto* option = new QRadioButton(QString::fromUtf8(design.caption), format);
        option->setObjectName(QStringLiteral("OptFormat(%1)").arg(formats_.size()));
        option->setChecked(formats_.empty());
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                FormatChanged();
        });
        formatLayout->addWidget(option);
        formats_.push_back(option);
    }

    export_ = new QPushButton(QStringLiteral("&Export"), centralWidget());
    export_->setObjectName(QStringLiteral("CmdExport"));
    connect(export_, &QPushButton::clicked, this, [this] { Export(); });

    auto* layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(instruction);
    layout->addWidget(subjects, 1);
    layout->addWidget(format);
    layout->addLayout(MakeFileRow());
    layout->addWidget(&MakeStatus());
    layout->addLayout(MakeButtonRow(export_));
    resize(560, 480);

    ShowSubjects();
}

QCheckBox* FrmExport::ChkSubject(int index) const
{
    return index >= 0 && index < static_cast<int>(boxes_.size()) ? boxes_[static_cast<std::size_t>(index)].second
                                                                  : nullptr;
}

QRadioButton* FrmExport::OptFormat(int index) const
{
    return index >= 0 && index < static_cast<int>(formats_.size()) ? formats_[static_cast<std::size_t>(index)] : nullptr;
}

void FrmExport::ShowSubjects()
{
    const auto subjects = custom::ListSubjects(Database());
    for (const auto& subject : subjects) {
        auto* box = new QCheckBox(QString::fromStdString(subject.name) + QStringLiteral(" \u2014 ")
                                      + Counted(subject.questionCount, "question", "questions"),
                                  subjectList_->parentWidget());
        box->setObjectName(QStringLiteral("ChkSubject(%1)").arg(boxes_.size()));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this] { SubjectsChanged(); });
        subjectList_->addWidget(box);
        boxes_.emplace_back(subject.name, box);
    }
    if (subjects.empty()) {
        auto* none = new QLabel(QStringLiteral("You have no subjects of your own yet. Make one with Custom Quiz "
                                               "Names, or bring questions in with Import Custom Data."),
                                subjectList_->parentWidget());
        none->setObjectName(QStringLiteral("LblNoSubjects"));
        none->setWordWrap(true);
        subjectList_->addWidget(none);
    }
    subjectList_->addStretch();
    SubjectsChanged();
}

void FrmExport::TickAll(bool ticked)
{
    for (const auto& [subject, box] : boxes_)
        box->setChecked(ticked);
}

void FrmExport::SubjectsChanged()
{
    export_->setEnabled(!TickedSubjects().empty());
}

std::vector<std::string> FrmExport::TickedSubjects() const
{
    std::vector<std::string> ticked;
    for (const auto& [subject, box] : boxes_)
        if (box->isChecked())
            ticked.push_back(subject);
    return ticked;
}

void FrmExport::FormatChanged()
{
    const QString typed = FileEdit().text();
    const QString suffix = QFileInfo(typed).suffix();
    if (typed.isEmpty() || !QStringList{"csv", "txt", "tsv"}.contains(suffix, Qt::CaseInsensitive))
        return;
    FileEdit().setText(typed.left(typed.size() - suffix.size() - 1)
                       + QLatin1String(Formats[ChosenFormat()].extension));
}

std::size_t FrmExport::ChosenFormat() const
{
    return static_cast<std::size_t>(std::ranges::find_if(formats_, &QRadioButton::isChecked) - formats_.begin());
}

void FrmExport::Browse()
{
    const auto& format = Formats[ChosenFormat()];
    const QString start = FileEdit().text().trimmed().isEmpty()
                              ? QDir::home().filePath(QStringLiteral("Lumenary questions")
                                                      + QLatin1String(format.extension))
                              : ChosenFileText();
    const QString file =
        QFileDialog::getSaveFileName(this, QLatin1String(Title), start, QLatin1String(format.dialogFilter));
    if (file.isEmpty())
        return;
    FileEdit().setText(file);
    confirmedFile_ = ChosenFileText();
}

void FrmExport::Export()
{
    const QString shown = ChosenFileText();
    if (shown.isEmpty()) {
        ShowStatus(QStringLiteral("Name the file to write first."), true);
        return;
    }
    if (QFileInfo::exists(shown) && shown != confirmedFile_
        && !Messages().Question(shown.toStdString() + " already exists. Do you want to replace it?", Title)) {
        ShowStatus(QStringLiteral("Nothing was exported."), false);
        return;
    }
    const auto subjects = TickedSubjects();
    try {
        const auto written = custom::ExportToFile(Database(), subjects, Formats[ChosenFormat()].format, ChosenFile());
        ShowStatus(Counted(written, "question", "questions") + QStringLiteral(" of ")
                       + Counted(static_cast<qint64>(subjects.size()), "subject", "subjects")
                       + QStringLiteral(" written to ") + shown + QLatin1Char('.'),
                   false);
        confirmedFile_ = shown; // written by this window: exported again, it is replaced without asking
    } catch (const StoreError& error) {
        ShowStatus(QString::fromStdString(error.what()), true);
    }
}

} // namespace lumenary
