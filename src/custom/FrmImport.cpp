// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmImport.h"

#include "CustomImport.h"
#include "CustomSubjects.h"
#include "ImportPreview.h"
#include "StoreError.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumenary {

namespace {

constexpr char Title[] = "Import Custom Data";

QString Quoted(const std::string& name)
{
    return QStringLiteral("\u201C") + QString::fromStdString(name) + QStringLiteral("\u201D");
}

// "“A”", "“A” and “B”", "“A”, “B” and “C”".
QString NameList(const std::vector<std::string>& names)
{
    QString list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += (i == 0 ? QString() : i + 1 == names.size() ? QStringLiteral(" and ") : QStringLiteral(", "))
              + Quoted(names[i]);
    return list;
}

QString Described(const custom::ImportText& text)
{
    static const char* const kinds[] = {"The question bank's CSV", "Tab-separated text from a flashcard program",
                                        "Text in columns separated by tabs or commas"};
    const auto rows = static_cast<qsizetype>(text.rows.size());
    return QLatin1String(kinds[static_cast<int>(text.format)]) + QStringLiteral(" with ")
         + (rows == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(rows))
         + (rows > ImportPreview::RowsShown ? QStringLiteral("; the first %1 are shown.").arg(ImportPreview::RowsShown)
                                            : QStringLiteral("."))
         + QStringLiteral(" Choose what each column holds.");
}

QString Described(const custom::ImportResult& result)
{
    // One pass: a subject's name may hold "%2".
    return QStringLiteral("Imported into %1: %2 added, %3 updated, %4 skipped.")
        .arg(NameList(result.subjects),
             result.added == 1 ? QStringLiteral("1 question") : QStringLiteral("%1 questions").arg(result.added),
             QString::number(result.updated), QString::number(result.skipped));
}

} // namespace

FrmImport::FrmImport(Session& session, Prompter& prompter, WindowRegistry& windows)
    : TransferWindow(QStringLiteral("FrmImport"), QLatin1String(Title), session, prompter, windows)
{
    auto* instruction = new QLabel(
        QStringLiteral("Choose a file of questions: the question bank's CSV, tab-separated text from a flashcard "
                       "program, or two columns (Part A, Part B) separated by tabs or commas. Every row is checked "
                       "before anything is imported, and either all rows are imported or none."),
        centralWidget());
    instruction->setObjectName(QStringLiteral("LblInstruction"));
    instruction->setWordWrap(true);

    auto* fileRow = MakeFileRow();
    // Enter in the file's name reads the file; importing is for the button.
    FileEdit().installEventFilter(this);
    connect(&FileEdit(), &QLineEdit::editingFinished, this, [this] {
        if (ChosenFileText() != readFile_)
            ReadFile();
    });
    fileInfo_ = new QLabel(centralWidget());
    fileInfo_->setObjectName(QStringLiteral("LblFileInfo"));
    fileInfo_->setWordWrap(true);
    preview_ = new ImportPreview(centralWidget());
    connect(preview_, &ImportPreview::MappingChanged, this, [this] { MappingChanged(); });

    auto* target = new QGroupBox(QStringLiteral("Import into"), centralWidget());
    target->setObjectName(QStringLiteral("FrameSubject"));
    existing_ = new QRadioButton(QStringLiteral("An &existing subject:"), target);
    existing_->setObjectName(QStringLiteral("OptExisting"));
    subjects_ = new QComboBox(target);
    subjects_->setObjectName(QStringLiteral("CboSubject"));
    newSubject_ = new QRadioButton(QStringLiteral("A &new subject:"), target);
    newSubject_->setObjectName(QStringLiteral("OptNew"));
    newName_ = new QLineEdit(target);
    newName_->setObjectName(QStringLiteral("TxtNewSubject"));
    newName_->setMaxLength(static_cast<int>(custom::kLongestSubjectName));
    nameProblem_ = new QLabel(target);
    nameProblem_->setObjectName(QStringLiteral("LblNameProblem"));
    nameProblem_->setWordWrap(true);
    nameProblem_->setTextFormat(Qt::PlainText);
    ShowAsRefusal(*nameProblem_, true);
    nameProblem_->hide();
    connect(newName_, &QLineEdit::textChanged, this, [this] { NewNameChanged(); });
    connect(newSubject_, &QRadioButton::toggled, this, [this] { NewNameChanged(); });
    subjectNote_ = new QLabel(
        QStringLiteral("The Subject column names the subject of each row; a row with an empty one goes here."), target);
    subjectNote_->setObjectName(QStringLiteral("LblSubjectNote"));
    subjectNote_->setWordWrap(true);
    subjectNote_->hide();
    connect(existing_, &QRadioButton::toggled, subjects_, &QWidget::setEnabled);
    connect(newSubject_, &QRadioButton::toggled, newName_, &QWidget::setEnabled);
    auto* targetLayout = new QGridLayout(target);
    targetLayout->addWidget(existing_, 0, 0);
    targetLayout->addWidget(subjects_, 0, 1);
    targetLayout->addWidget(newSubject_, 1, 0);
    targetLayout->addWidget(newName_, 1, 1);
    targetLayout->addWidget(nameProblem_, 2, 1);
    targetLayout->addWidget(subjectNote_, 3, 0, 1, 2);
    targetLayout->setColumnStretch(1, 1);

    auto* known = new QGroupBox(QStringLiteral("Rows whose Part A is in the subject already"), centralWidget());
    known->setObjectName(QStringLiteral("FrameExisting"));
    auto* skip = new QRadioButton(QStringLiteral("&Skip them"), known);
    skip->setObjectName(QStringLiteral("OptSkip"));
    skip->setChecked(true);
    update_ = new QRadioButton(QStringLiteral("&Update those questions"), known);
    update_->setObjectName(QStringLiteral("OptUpdate"));
    auto* knownLayout = new QVBoxLayout(known);
    knownLayout->addWidget(skip);
    knownLayout->addWidget(update_);
    knownLayout->addStretch();

    import_ = new QPushButton(QStringLiteral("&Import"), centralWidget());
    import_->setObjectName(QStringLiteral("CmdImport"));
    import_->setEnabled(false);
    connect(import_, &QPushButton::clicked, this, [this] { Import(); });

    auto* choices = new QHBoxLayout;
    choices->addWidget(target, 3);
    choices->addWidget(known, 2);
    auto* layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(instruction);
    layout->addLayout(fileRow);
    layout->addWidget(fileInfo_);
    layout->addWidget(preview_, 1);
    layout->addLayout(choices);
    layout->addWidget(&MakeStatus());
    layout->addLayout(MakeButtonRow(import_));
    resize(960, 640);

    ShowSubjects({});
}

bool FrmImport::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &FileEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ReadFile();
            return true;
        }
    }
    return TransferWindow::eventFilter(watched, event);
}

void FrmImport::ShowSubjects(const QString& current)
{
    subjects_->clear();
    for (const auto& subject : custom::ListSubjects(Database()))
        subjects_->addItem(QString::fromStdString(subject.name) + QStringLiteral(" \u2014 ")
                               + (subject.questionCount == 1 ? QStringLiteral("1 question")
                                                             : QStringLiteral("%1 questions").arg(subject.questionCount)),
                           QString::fromStdString(subject.name));
    subjects_->setCurrentIndex(std::max(subjects_->findData(current), 0));
    const bool any = subjects_->count() > 0;
    existing_->setEnabled(any);
    (any ? existing_ : newSubject_)->setChecked(true);
    subjects_->setEnabled(existing_->isChecked());
    newName_->setEnabled(newSubject_->isChecked());
}

void FrmImport::Browse()
{
    const QString start = ChosenFileText().isEmpty() ? QDir::homePath() : ChosenFileText();
    const QString file = QFileDialog::getOpenFileName(
        this, QLatin1String(Title), start, QStringLiteral("Question files (*.csv *.txt *.tsv);;All files (*)"));
    if (file.isEmpty())
        return;
    FileEdit().setText(file);
    ReadFile();
}

void FrmImport::ReadFile()
{
    readFile_ = ChosenFileText();
    preview_->Clear();
    fileInfo_->clear();
    import_->setEnabled(false);
    ShowStatus({}, false);
    if (readFile_.isEmpty())
        return;
    try {
        const auto text = custom::ReadImportText(ChosenFile());
        preview_->Show(text);
        readColumns_ = text.columns.size();
        fileInfo_->setText(Described(text));
        if (newName_->text().isEmpty())
            newName_->setText(QFileInfo(readFile_).completeBaseName().left(newName_->maxLength()));
        import_->setEnabled(true);
    } catch (const StoreError& error) {
        ShowStatus(QString::fromStdString(error.what()), true);
    }
    MappingChanged();
}

void FrmImport::NewNameChanged()
{
    const auto problem = newSubject_->isChecked()
                             ? custom::SubjectNameProblem(Database(), newName_->text().trimmed().toStdString())
                             : std::nullopt;
    nameProblem_->setText(problem ? QString::fromStdString(*problem) : QString());
    nameProblem_->setVisible(problem.has_value());
}

void FrmImport::MappingChanged()
{
    subjectNote_->setVisible(preview_->SubjectColumnChosen());
}

void FrmImport::Import()
{
    if (ChosenFileText() != readFile_) {
        ReadFile();
        return;
    }
    const std::string subject = existing_->isChecked() ? subjects_->currentData().toString().toStdString()
                                                       : newName_->text().trimmed().toStdString();
    try {
        // Read again, so a file put right after a refusal imports as it is now.
        auto text = custom::ReadImportText(ChosenFile());
        if (text.columns.size() != readColumns_) {
            ReadFile();
            ShowStatus(QStringLiteral("The file has changed since it was read. Check what each column holds, then "
                                      "import again."),
                       true);
            return;
        }
        preview_->ApplyMapping(text);
        const auto result = custom::ImportQuestions(Database(), text, {subject, update_->isChecked()});
        ShowSubjects(QString::fromStdString(result.subjects.front()));
        ShowStatus(Described(result), false);
    } catch (const StoreError& error) {
        ShowStatus(QString::fromStdString(error.what()), true);
    }
}

} // namespace lumenary
