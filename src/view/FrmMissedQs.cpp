// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmMissedQs.h"

#include "FilterParser.h"
#include "FitOnScreen.h"
#include "MissedTableModel.h"
#include "ModCommonQuiz.h"
#include "ModLanguages.h"
#include "Prompter.h"
#include "QuizContext.h"
#include "QuizHost.h"
#include "ScriptFont.h"
#include "Session.h"
#include "StudyRecord.h"
#include "SubjectWords.h"
#include "TableFiles.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

namespace lumenary {

namespace {

constexpr const char* MissedCaptions[] = {"In the &latest quiz", "In the last &7 days", "In the last &30 days",
                                          "Missed &three times or more"};
constexpr char TenseApartTitle[] = "Quiz Selected";
constexpr char TenseApartText[] =
    "The questions chosen include Greek tense questions, which are asked by the tense drill alone. Choose the tense "
    "questions on their own, or leave them out (sort by Way), then press Quiz Selected.";

QString CountText(int count)
{
    return count == 1 ? QStringLiteral("1 question") : QStringLiteral("%1 questions").arg(count);
}

} // namespace

FrmMissedQs::FrmMissedQs(QuizContext& context)
    : SelectionWindow({.objectName = QStringLiteral("FrmMissedQs"),
                       .title = QStringLiteral("Missed Questions"),
                       .instructionName = QStringLiteral("LblMissedCount"),
                       .instruction = {},
                       .quizOptions = {0, 1, 2},
                       .orderFrameName = QStringLiteral("FrameOrder"),
                       .orderCaptions = {},
                       .okName = QStringLiteral("CmdQuizSelected"),
                       .englishFontsAtLoad = false},
                      context),
      today_(context.common.Today()),
      subjects_(new QComboBox(this)),
      tableOrEmpty_(new QStackedWidget(this)),
      table_(new QTableView(tableOrEmpty_)),
      model_(new MissedTableModel(*context.session.QuestionDatabase, this))
{
    OkButton().setText(QStringLiteral("&Quiz Selected"));

    auto* which = new QGroupBox(QStringLiteral("Which Misses"), this);
    which->setObjectName(QStringLiteral("FrameMissed"));
    auto* whichLayout = new QVBoxLayout(which);
    for (int index = 0; index < static_cast<int>(std::size(MissedCaptions)); ++index) {
        auto* option = new QRadioButton(QString::fromUtf8(MissedCaptions[index]), which);
        option->setObjectName(QStringLiteral("OptMissed(%1)").arg(index));
        whichLayout->addWidget(option);
        optMissed_.push_back(option);
        connect(option, &QRadioButton::clicked, this, [this] { Refresh(); });
    }
    optMissed_.front()->setChecked(true);

    subjects_->setObjectName(QStringLiteral("CboSubject"));
    subjects_->addItem(QStringLiteral("All subjects"));
    for (const auto& subject : StudiedSubjects(*context.session.QuestionDatabase))
        subjects_->addItem(QString::fromStdString(subject), QString::fromStdString(subject));
    connect(subjects_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    auto* subjectLabel = new QLabel(QStringLiteral("&Subject:"), this);
    subjectLabel->setBuddy(subjects_);

    SetUpTable();
    tableOrEmpty_->addWidget(table_);
    auto* empty = new QLabel(QStringLiteral("No missed questions here. Well done."), tableOrEmpty_);
    empty->setObjectName(QStringLiteral("LblNoMissed"));
    empty->setAlignment(Qt::AlignCenter);
    tableOrEmpty_->addWidget(empty);

    exportButton_ = MakeButton(QStringLiteral("CmdExport"), QStringLiteral("E&xport\u2026"), [this] { Export(); });
    auto* closeButton = MakeButton(QStringLiteral("CmdClose"), QStringLiteral("&Close"), [this] { close(); });

    auto* filters = new QHBoxLayout;
    filters->addWidget(subjectLabel);
    filters->addWidget(subjects_, 1);
    auto* side = new QVBoxLayout;
    side->addLayout(filters);
    side->addWidget(which);
    side->addWidget(&QuizFrame());
    side->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(tableOrEmpty_, 1);
    middle->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(exportButton_);
    bottom->addStretch();
    bottom->addWidget(&OkButton());
    bottom->addWidget(closeButton);
    auto* layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(&Instruction());
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
    FitOnScreen(*this, {1120, 580});
    Refresh();
}

void FrmMissedQs::SetUpTable()
{
    table_->setObjectName(QStringLiteral("TblMissed"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The latest misses first, as the model opens, so that sorting on adds no reading.
    table_->horizontalHeader()->setSortIndicator(static_cast<int>(MissedColumn::LastMissed), Qt::DescendingOrder);
    table_->setSortingEnabled(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    // Every row as high as a line of Hebrew, so the rows need not be measured.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(std::max(TallestScriptLine(font()), fontMetrics().height()) + 6);
    auto* header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    // Room for the widest usual text of each column, and a fair share for
    // the question and the answer; the table scrolls sideways when narrow.
    const QFontMetrics metrics = fontMetrics();
    const int em = metrics.horizontalAdvance(QLatin1Char('M'));
    const std::pair<MissedColumn, QString> widest[] = {
        {MissedColumn::Subject, QStringLiteral("Greek Vocabulary")},
        {MissedColumn::Way, QStringLiteral("English to Hebrew")},
        {MissedColumn::Misses, QStringLiteral("Misses")}, {MissedColumn::LastMissed, QStringLiteral("2026-12-30 23:59")},
        {MissedColumn::NextDue, QStringLiteral("Next Due")}};
    for (const auto& [column, text] : widest)
        header->resizeSection(static_cast<int>(column), metrics.horizontalAdvance(text) + em);
    header->resizeSection(static_cast<int>(MissedColumn::Question), em * 14);
    header->resizeSection(static_cast<int>(MissedColumn::Answer), em * 10);
    header->setStretchLastSection(true);
}

void FrmMissedQs::Refresh()
{
    MissedFilter filter = model_->Filter();
    filter.today = today_;
    filter.scope = static_cast<MissedScope>(std::ranges::find_if(optMissed_, &QRadioButton::isChecked)
                                            - optMissed_.begin());
    const QVariant subject = subjects_->currentData();
    filter.subject = subject.isValid() ? std::optional(subject.toString().toStdString()) : std::nullopt;
    model_->SetFilter(filter);
    const int count = model_->rowCount();
    Instruction().setText(CountText(count));
    tableOrEmpty_->setCurrentIndex(count == 0 ? 1 : 0);
    OkButton().setEnabled(count > 0);
    exportButton_->setEnabled(count > 0);
}

std::vector<MissedCard> FrmMissedQs::ChosenCards() const
{
    const auto selected = table_->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return model_->Cards();
    std::vector<MissedCard> cards;
    for (const QModelIndex& index : selected)
        cards.push_back(model_->Cards()[static_cast<std::size_t>(index.row())]);
    return cards;
}

bool FrmMissedQs::CheckSelection()
{
    chosen_ = ChosenCards();
    if (chosen_.empty())
        return false;
    const auto isTense = [](const MissedCard& card) { return card.way == way::Tense; };
    if (std::ranges::any_of(chosen_, isTense) && !std::ranges::all_of(chosen_, isTense)) {
        Context().prompter.Information(TenseApartText, TenseApartTitle);
        return false;
    }
    const auto subjects = CardSubjects(*Context().session.QuestionDatabase, chosen_);
    chosenSubjects_ = {subjects.begin(), subjects.end()};
    directions_.clear();
    std::map<std::pair<std::string, std::string>, QuizDirection> known;
    for (std::size_t index = 0; index < chosen_.size(); ++index) {
        const MissedCard& card = chosen_[index];
        auto [found, isNew] = known.try_emplace({subjects[index], card.way});
        if (isNew)
            found->second = DirectionOf(subjects[index], card.way);
        directions_.try_emplace(card.questionId, found->second);
    }
    firstDirection_ = known.at({subjects.front(), chosen_.front().way});
    return true;
}

QuizDirection FrmMissedQs::DirectionOf(const std::string& subject, const std::string& cardWay)
{
    auto& session = Context().session;
    auto& languages = Context().languages;
    if (cardWay == way::French) {
        languages.SetFrenchToHebrewFonts();
    } else {
        const SubjectWords& words = WordsFor({subject});
        (languages.*(cardWay == way::PartB ? words.partBFirstFonts : words.partAFirstFonts))();
    }
    session.Flip = cardWay == way::PartB;
    return session.Direction();
}

const std::string& FrmMissedQs::ChosenWay() const
{
    return chosen_.front().way;
}

int FrmMissedQs::TabGroup(const QWidget* widget) const
{
    return widget == table_ ? 0 : 1;
}

void FrmMissedQs::RecordDirection()
{
    Context().session.Flip = firstDirection_.Flip;
}

std::string FrmMissedQs::BuildFilter()
{
    auto& session = Context().session;
    std::vector<std::int64_t> ids;
    for (const auto& card : chosen_)
        ids.push_back(card.questionId);
    session.QuizQuestionIDs = std::move(ids);
    // Each question in its own way, where the chosen cards differ.
    if (!std::ranges::all_of(directions_, [&](const auto& entry) { return entry.second == firstDirection_; }))
        session.QuestionDirections = std::move(directions_);
    // The filter names the subjects, so the retry of misses narrows it as every retry does.
    std::string filter;
    for (const auto& subject : chosenSubjects_)
        filter += std::string(filter.empty() ? "(" : " or ") + "Module = " + QuotedFilterText(subject);
    return filter + ")";
}

std::string FrmMissedQs::DescribeSelection() const
{
    std::string subjects;
    for (const auto& subject : chosenSubjects_)
        subjects += (subjects.empty() ? "" : ", ") + subject;
    return "Missed questions: " + subjects;
}

void FrmMissedQs::SetQuizFonts()
{
    Context().session.SetDirection(firstDirection_);
}

void FrmMissedQs::StartQuiz()
{
    if (ChosenWay() != way::Tense) {
        SelectionWindow::StartQuiz();
        return;
    }
    // A card of the Greek tense drill is asked by the drill again.
    QuizHost& host = Context().host;
    Unload();
    host.QuizSelected();
    host.StartGreekTenseQuiz();
}

void FrmMissedQs::Export()
{
    AskWhereToSave(*this, Context().prompter, QStringLiteral("DlgExport"), QStringLiteral("Export Missed Questions"),
                   QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"), [this](const QString& path) {
                       std::vector<QStringList> rows;
                       for (int row = 0; row < model_->rowCount(); ++row)
                           rows.push_back(model_->RowTexts(row));
                       return WriteCsvFile(path, MissedTableModel::Headers(), rows);
                   });
}

} // namespace lumenary
