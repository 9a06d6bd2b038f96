// SPDX-License-Identifier: GPL-3.0-or-later
// "Missed Questions" after flashcard quizzes through the real windows on
// days set by the test's clock: what each option lists, the subject filter,
// the empty text, Quiz Selected and Enter starting a pool of exactly the
// chosen questions in their way, the CSV export read back, and Esc.

#include "AppFixture.h"
#include "FrmMissedQs.h"
#include "MissedTableModel.h"
#include "ModLanguages.h"
#include "QuizRoad.h"
#include "SaveDialogs.h"
#include "Session.h"
#include "TestClock.h"

#include <QComboBox>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>

#include <map>
#include <set>
#include <tuple>

using namespace lumenary;
using namespace lumenary::test;

namespace {

const QString Missed = QStringLiteral("FrmMissedQs");
const QString Card = QStringLiteral("FrmFlashcard");
using Ids = std::set<std::int64_t>;

// Kings 1 to 8 (asked Part B by their window), Greek 9 to 11 and Hebrew 12 to 14.
std::vector<BankQuestion> Bank()
{
    std::vector<BankQuestion> questions;
    for (std::int64_t id = 1; id <= 8; ++id)
        questions.push_back(Question(id, "Kings"));
    const char* greek[] = {"λόγος", "ἀγάπη", "ἐκκλησία"};
    const char* hebrew[] = {"דָּבָר", "אֱלֹהִים", "שָׁלוֹם"};
    for (std::int64_t index = 0; index < 3; ++index) {
        questions.push_back(Question(9 + index, "Greek"));
        questions.back().hebrew = greek[index];
        questions.push_back(Question(12 + index, "Hebrew"));
        questions.back().hebrew = hebrew[index];
    }
    return questions;
}

// Answers every question of the flashcard quiz on screen, missing those given.
void RunFlashcards(AppFixture& fixture, const Ids& misses)
{
    while (AppFixture::Window(Card))
        AnswerAndGoOn(fixture, !misses.contains(fixture.app.State().CurrentQuestionID));
}

struct Studied {
    TestClock clock{2026, 11, 1, 20};
    SeededRandom random;
    AppFixture fixture{Bank(), random, clock};

    // Kings on 1 November, 20 November and 5 December, then on 7 December
    // Kings and the Greek and Hebrew words: 1 is missed three times, 4 on the
    // 20th, 5 on the 5th, 6 and the words 9 and 12 on the 7th.
    Studied()
    {
        QVERIFY(fixture.Start());
        auto& session = fixture.app.State();
        const std::tuple<unsigned, unsigned, Ids> days[] = {
            {11, 1, {1, 2, 3}}, {11, 20, {1, 4}}, {12, 5, {1, 5}}, {12, 7, {6}}};
        for (const auto& [month, day, misses] : days) {
            clock.Set(2026, month, day, 20);
            fixture.Choose("MnuOTHistory");
            AppFixture::Click("FrmKings", "OptQuiz(2)");
            AppFixture::Click("FrmKings", "CmdOK");
            RunFlashcards(fixture, misses);
        }
        for (const auto& [module, miss] : {std::pair{"Greek", 9}, {"Hebrew", 12}}) {
            ModLanguages(session).SetEnglishFonts();
            session.Flip = false;
            fixture.StartQuiz("Flashcard", std::string("Module = '") + module + "'");
            RunFlashcards(fixture, {miss});
        }
    }

    static const MissedTableModel& Table() { return static_cast<FrmMissedQs*>(AppFixture::Window(Missed))->Table(); }

    static Ids Listed()
    {
        Ids ids;
        for (const auto& card : Table().Cards())
            ids.insert(card.questionId);
        return ids;
    }
};

} // namespace

class TestMissedQs : public QObject {
    Q_OBJECT

private slots:
    // What each option lists, in all subjects or one; then the 30 days'
    // misses: every row, its Greek in Gentium Plus and its Hebrew right to
    // left; the export read back; all rows quizzed, each in its own way; two
    // Kings rows quizzed, their pool exactly those.
    void listsQuizzesAndExports()
    {
        Studied studied;
        studied.fixture.Choose("MnuMissedQs");
        QVERIFY(AppFixture::Window(Missed));
        QCOMPARE(AppFixture::Window(Missed)->windowTitle(), QString("Missed Questions"));
        auto* subjects = AppFixture::Find<QComboBox>(Missed, "CboSubject");
        QCOMPARE(subjects->itemText(0), QString("All subjects"));
        // The latest quiz, the last 7 and 30 days, three times or more.
        const std::tuple<int, const char*, Ids> lists[] = {
            {0, "All subjects", {6, 9, 12}}, {0, "Kings", {6}}, {1, "All subjects", {1, 5, 6, 9, 12}},
            {2, "Kings", {1, 4, 5, 6}}, {3, "All subjects", {1}}, {3, "Greek", {}}};
        for (const auto& [option, subject, expected] : lists) {
            subjects->setCurrentText(subject);
            AppFixture::Click(Missed, QStringLiteral("OptMissed(%1)").arg(option));
            QCOMPARE(Studied::Listed(), expected);
            const auto count = expected.size();
            QCOMPARE(AppFixture::Text(Missed, "LblMissedCount"),
                     count == 1 ? QString("1 question") : QStringLiteral("%1 questions").arg(count));
            auto* shown = AppFixture::Window(Missed)->findChild<QStackedWidget*>()->currentWidget();
            QCOMPARE(shown->objectName(), expected.empty() ? QString("LblNoMissed") : QString("TblMissed"));
            if (expected.empty())
                QCOMPARE(AppFixture::Text(Missed, "LblNoMissed"), QString("No missed questions here. Well done."));
            QCOMPARE(AppFixture::Find<QPushButton>(Missed, "CmdQuizSelected")->isEnabled(), !expected.empty());
        }
        QTest::keyClick(AppFixture::Window(Missed), Qt::Key_Escape);
        QVERIFY(!AppFixture::Window(Missed));

        studied.clock.Set(2026, 12, 7, 22);
        studied.fixture.Choose("MnuMissedQs");
        AppFixture::Click(Missed, "OptMissed(2)");
        const auto& table = Studied::Table();
        QCOMPARE(table.rowCount(), 6);
        const QStringList first = table.RowTexts(0); // the latest miss first: the Hebrew word
        QCOMPARE(first.mid(0, 5), (QStringList{"Hebrew", "Prompt 12", "דָּבָר", "English to Hebrew", "1"}));
        QCOMPARE(first[6], QString("2026-12-08"));
        const QModelIndex hebrew = table.index(0, 2);
        QCOMPARE(table.data(hebrew, Qt::FontRole).value<QFont>().family(), QString("Ezra SIL"));
        QCOMPARE(table.data(hebrew, Qt::TextAlignmentRole).toInt() & Qt::AlignRight, int(Qt::AlignRight));
        QCOMPARE(table.data(table.index(1, 2), Qt::FontRole).value<QFont>().family(), QString("Gentium Plus"));
        QCOMPARE(table.RowTexts(2)[3], QString("Part B to Part A"));
        AppFixture::Snapshot(AppFixture::Window(Missed), "FrmMissedQs");

        // The export, as shown.
        const QString file = QString::fromStdString((studied.fixture.bank.Folder() / "missed.csv").string());
        SaveThrough(Missed, "CmdExport", "DlgExport", file);
        std::vector<QStringList> shown{MissedTableModel::Headers()};
        for (int row = 0; row < table.rowCount(); ++row)
            shown.push_back(table.RowTexts(row));
        QCOMPARE(CsvLines(file), shown);

        // All rows in one quiz, each in its own way: Kings asked Part B with
        // English wrong answers, the words Part A with answers in their fonts.
        auto& session = studied.fixture.app.State();
        const auto& bank = studied.fixture.bank;
        AppFixture::Click(Missed, "OptQuiz(0)");
        AppFixture::Click(Missed, "CmdQuizSelected");
        const std::map<std::int64_t, QString> answerFonts{{9, "Gentium Plus"}, {12, "Ezra SIL"}};
        Ids asked;
        while (AppFixture::Window("FrmMC")) {
            const auto id = session.CurrentQuestionID;
            const bool partB = id <= 8;
            asked.insert(id);
            QCOMPARE(AppFixture::Text("FrmMC", "LblChoice(0)"), FieldOnScreen(session, bank, partB ? "Hebrew" : "English"));
            QVERIFY(LineShowing("FrmMC", FieldOnScreen(session, bank, partB ? "English" : "Hebrew")) > 0);
            for (int line = 1; line <= 6; ++line) {
                const auto* choice = AppFixture::Find<QLabel>("FrmMC", QStringLiteral("LblChoice(%1)").arg(line));
                QVERIFY(choice->text().isEmpty() || choice->text().startsWith("Prompt") == partB);
                if (answerFonts.contains(id))
                    QCOMPARE(choice->font().family(), answerFonts.at(id));
            }
            AnswerAndGoOn(session, bank, true);
        }
        QCOMPARE(asked, (Ids{1, 4, 5, 6, 9, 12}));
        QCOMPARE(bank.Text("SELECT group_concat(QuestionID || Way, ' ') FROM (SELECT QuestionID, Way FROM StudyAnswer "
                           "WHERE RunID = (SELECT max(ID) FROM StudyRun) ORDER BY QuestionID)"),
                 std::string("1B 4B 5B 6B 9A 12A"));
        QCOMPARE(bank.Text("SELECT Way FROM StudyRun ORDER BY ID DESC LIMIT 1"), std::string("M"));

        // Two Kings rows by Enter: a pool of exactly those, asked Part B.
        studied.fixture.Choose("MnuMissedQs");
        AppFixture::Click(Missed, "OptMissed(2)");
        const auto& listed = Studied::Table();
        auto* view = AppFixture::Find<QTableView>(Missed, "TblMissed");
        view->sortByColumn(4, Qt::DescendingOrder); // Misses, as numbers, both ways
        QCOMPARE(listed.Cards().front().questionId, 1);
        view->sortByColumn(4, Qt::AscendingOrder);
        QCOMPARE(listed.Cards().back().questionId, 1);
        view->sortByColumn(5, Qt::AscendingOrder); // Last Missed, as times
        QCOMPARE(listed.Cards().front().questionId, 4);
        view->sortByColumn(0, Qt::DescendingOrder); // Kings first
        view->selectionModel()->select(listed.index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view->selectionModel()->select(listed.index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        const Ids chosen{listed.Cards()[1].questionId, listed.Cards()[3].questionId};
        AppFixture::Click(Missed, "OptQuiz(2)");
        view->setFocus();
        AppFixture::PressEnter(Missed);
        QVERIFY(!AppFixture::Window(Missed));
        QVERIFY(AppFixture::Window(Card));
        QVERIFY(session.Flip);
        QCOMPARE(session.QuestionCount, 2);
        Ids quizzed;
        while (AppFixture::Window(Card)) {
            quizzed.insert(session.CurrentQuestionID);
            AnswerAndGoOn(session, bank, true);
        }
        QCOMPARE(quizzed, chosen);
        QCOMPARE(bank.Text("SELECT Way || ' ' || Subject FROM StudyRun ORDER BY ID DESC LIMIT 1"),
                 std::string("B Missed questions: Kings"));
    }
};

LUMENARY_GUI_TEST_MAIN(TestMissedQs)
#include "tst_missedqs.moc"
