// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmHistory.h"

#include "FitOnScreen.h"
#include "HistoryChart.h"
#include "MissedQuestions.h"
#include "ModCommonQuiz.h"
#include "QuizContext.h"
#include "Session.h"
#include "SubjectCatalogue.h"
#include "SubjectWords.h"
#include "TableFiles.h"
#include "WindowRegistry.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeWidget>

#include <map>

namespace lumenary {

namespace {

struct Period {
    const char* caption;
    int days; // 0: all time
};

constexpr Period Periods[] = {
    {"Last 7 days", 7}, {"Last 30 days", 30}, {"Last 3 months", 91}, {"Last year", 365}, {"All time", 0}};
constexpr int OpeningPeriod = 1;

QString QuizTypeText(const std::string& engine)
{
    for (const auto& option : catalogue::QuizOptions())
        if (engine == option.code)
            return QString::fromUtf8(option.caption);
    return engine == "Tense" ? QStringLiteral("Greek Tense") : QString::fromStdString(engine);
}

QString Counted(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(QLocale().toString(count), QString::fromUtf8(count == 1 ? one : many));
}

} // namespace

FrmHistory::FrmHistory(QuizContext& context)
    : LumenaryWindow(QStringLiteral("FrmHistory"), QStringLiteral("Study History")),
      context_(context),
      today_(context.common.Today()),
      period_(new QComboBox(this)),
      subjects_(new QComboBox(this)),
      summary_(new QLabel(this)),
      historyOrEmpty_(new QStackedWidget(this)),
      chart_(new HistoryChart(this)),
      runs_(new QTreeWidget(this)),
      saveCsv_(NamedButton(QStringLiteral("CmdSaveCsv"), QStringLiteral("Save &CSV\u2026"))),
      saveChart_(NamedButton(QStringLiteral("CmdSaveChart"), QStringLiteral("Save C&hart\u2026")))
{
    setCentralWidget(new QWidget(this));
    period_->setObjectName(QStringLiteral("CboPeriod"));
    for (const auto& period : Periods)
        period_->addItem(QString::fromUtf8(period.caption));
    period_->setCurrentIndex(OpeningPeriod);
    subjects_->setObjectName(QStringLiteral("CboSubject"));
    subjects_->addItem(QStringLiteral("All subjects"));
    for (const auto& subject : StudiedSubjects(*context.session.QuestionDatabase))
        subjects_->addItem(QString::fromStdString(subject), QString::fromStdString(subject));
    auto* periodLabel = new QLabel(QStringLiteral("&Period:"), this);
    periodLabel->setBuddy(period_);
    auto* subjectLabel = new QLabel(QStringLiteral("&Subject:"), this);
    subjectLabel->setBuddy(subjects_);

    summary_->setObjectName(QStringLiteral("LblSummary"));
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);

    runs_->setObjectName(QStringLiteral("TblRuns"));
    runs_->setHeaderLabels(RunHeaders());
    runs_->setUniformRowHeights(true);
    runs_->setRootIsDecorated(true);
    runs_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Room for the widest text of each column; the subject takes what is left.
    const QFontMetrics metrics = fontMetrics();
    const int em = metrics.horizontalAdvance(QLatin1Char('M'));
    const int retries = 3; // levels of retries shown without cutting the date
    runs_->header()->resizeSection(0, metrics.horizontalAdvance(QStringLiteral("2026-12-30 23:59")) + em
                                          + runs_->indentation() * retries);
    const QString widest[] = {{}, {}, QStringLiteral("Multiple Choice"), QStringLiteral("French to Part B"),
                              QStringLiteral("Asked"), QStringLiteral("Right"), QStringLiteral("100 %"),
                              QStringLiteral("ended early")};
    for (int column = 2; column < 8; ++column)
        runs_->header()->resizeSection(column, metrics.horizontalAdvance(widest[column]) + em);
    runs_->header()->setStretchLastSection(false);
    runs_->header()->setSectionResizeMode(1, QHeaderView::Stretch);

    auto* splitter = new QSplitter(Qt::Vertical, historyOrEmpty_);
    splitter->addWidget(chart_);
    splitter->addWidget(runs_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setChildrenCollapsible(false);
    historyOrEmpty_->addWidget(splitter);
    auto* empty = new QLabel(QStringLiteral("No quizzes in this period."), historyOrEmpty_);
    empty->setObjectName(QStringLiteral("LblNoQuizzes"));
    empty->setAlignment(Qt::AlignCenter);
    historyOrEmpty_->addWidget(empty);

    auto* closeButton = NamedButton(QStringLiteral("CmdClose"), QStringLiteral("&Close"));
    connect(saveCsv_, &QPushButton::clicked, this, [this] { SaveCsv(); });
    connect(saveChart_, &QPushButton::clicked, this, [this] { SaveChart(); });
    connect(closeButton, &QPushButton::clicked, this, [this] { close(); });
    connect(period_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    connect(subjects_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });

    auto* filters = new QHBoxLayout;
    filters->addWidget(periodLabel);
    filters->addWidget(period_);
    filters->addSpacing(em);
    filters->addWidget(subjectLabel);
    filters->addWidget(subjects_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(saveCsv_);
    bottom->addWidget(saveChart_);
    bottom->addStretch();
    bottom->addWidget(closeButton);
    auto* layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addLayout(filters);
    layout->addWidget(summary_);
    layout->addWidget(historyOrEmpty_, 1);
    layout->addLayout(bottom);
    FitOnScreen(*this, {900, 640});
    Refresh();
}

QStringList FrmHistory::RunHeaders()
{
    return {QStringLiteral("Date and Time"), QStringLiteral("Subject"), QStringLiteral("Quiz Type"),
            QStringLiteral("Way"),           QStringLiteral("Asked"),   QStringLiteral("Right"),
            QStringLiteral("%"),             QStringLiteral("Note")};
}

std::optional<StudyDay> FrmHistory::FirstDayShown() const
{
    const int days = Periods[period_->currentIndex()].days;
    return days == 0 ? std::nullopt : std::optional(today_ - std::chrono::days(days - 1));
}

std::optional<std::string> FrmHistory::ChosenSubject() const
{
    const QVariant subject = subjects_->currentData();
    return subject.isValid() ? std::optional(subject.toString().toStdString()) : std::nullopt;
}

void FrmHistory::Refresh()
{
    auto& database = *context_.session.QuestionDatabase;
    const auto from = FirstDayShown();
    const StudyHistory history = ReadHistory(database, {from, today_, ChosenSubject()});
    const bool empty = history.days.empty();
    historyOrEmpty_->setCurrentIndex(empty ? 1 : 0);
    saveCsv_->setEnabled(!empty);
    saveChart_->setEnabled(!empty);
    chart_->SetDays(from.value_or(empty ? today_ : history.days.front().day), today_, history.days);
    ShowRuns(history.runs);
    summary_->setText(empty ? QString() : SummaryText(history.days));
}

QString FrmHistory::SummaryText(const std::vector<DayTotals>& days) const
{
    int answers = 0;
    int first = 0;
    int firstRight = 0;
    for (const auto& day : days) {
        answers += day.answers;
        first += day.firstAnswers;
        firstRight += day.firstRight;
    }
    const int streak = CurrentStreak(*context_.session.QuestionDatabase, today_, ChosenSubject());
    return QStringLiteral("%1 on %2 \u00B7 %3 % right on first answers \u00B7 %4-day streak")
        .arg(Counted(answers, "answer", "answers"), Counted(static_cast<int>(days.size()), "day", "days"))
        .arg(RoundedPercent(firstRight, first))
        .arg(streak);
}

void FrmHistory::ShowRuns(const std::vector<RunLine>& runs)
{
    runs_->clear();
    std::map<std::int64_t, QTreeWidgetItem*> items;
    for (const auto& run : runs) {
        auto* item = new QTreeWidgetItem(QStringList{
            QString::fromStdString(LocalMinuteText(run.startedAt)), QString::fromStdString(run.subject),
            QuizTypeText(run.engine), WayText({}, run.way), QString::number(run.asked), QString::number(run.right),
            QStringLiteral("%1 %").arg(RoundedPercent(run.right, run.asked)),
            run.completed ? QString() : QStringLiteral("ended early")});
        for (const int column : {4, 5, 6})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        items[run.id] = item;
    }
    // Latest first; a retry under the run it goes over again, in the order
    // run. The tree is filled in one step, its retries already in place.
    for (auto run = runs.rbegin(); run != runs.rend(); ++run)
        if (run->parentRunId && items.contains(*run->parentRunId))
            items[*run->parentRunId]->addChild(items[run->id]);
    QList<QTreeWidgetItem*> latestFirst;
    for (const auto& run : runs)
        if (!run.parentRunId || !items.contains(*run.parentRunId))
            latestFirst.push_back(items[run.id]);
    runs_->addTopLevelItems(latestFirst);
    runs_->expandAll();
}

void FrmHistory::SaveCsv()
{
    AskWhereToSave(*this, context_.prompter, QStringLiteral("DlgSaveCsv"), QStringLiteral("Save Study History"),
                   QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"), [this](const QString& path) {
                       std::vector<QStringList> rows;
                       for (QTreeWidgetItemIterator item(runs_); *item; ++item) {
                           QStringList cells;
                           for (int column = 0; column < runs_->columnCount(); ++column)
                               cells << (*item)->text(column);
                           rows.push_back(cells);
                       }
                       return WriteCsvFile(path, RunHeaders(), rows);
                   });
}

void FrmHistory::SaveChart()
{
    AskWhereToSave(*this, context_.prompter, QStringLiteral("DlgSaveChart"), QStringLiteral("Save Chart"),
                   QStringLiteral("PNG images (*.png)"), QStringLiteral("png"), [this](const QString& path) {
                       return chart_->grab().save(path, "PNG")
                                ? QString()
                                : QStringLiteral("\"%1\" could not be saved. Nothing was written.").arg(path);
                   });
}

void FrmHistory::EscapePressed()
{
    close();
}

void FrmHistory::closeEvent(QCloseEvent* event)
{
    event->accept();
    context_.windows.Unload(this);
}

} // namespace lumenary
