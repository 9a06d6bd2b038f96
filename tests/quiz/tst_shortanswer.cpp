// The short-answer quiz: the chapter compared exactly, the texts and the
// database after each answer, Enter twice per question and the retry;
// always the English description and the book.

#include "AppFixture.h"
#include "Session.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

const QString SA = QStringLiteral("FrmSA");

// Module NTI, unit 1: chapter n of a book has the content "Content n".
std::vector<BankQuestion> Chapters(int count, std::optional<std::int64_t> firstChapter = 7)
{
    std::vector<BankQuestion> questions;
    for (int id = 1; id <= count; ++id) {
        auto question = test::Question(id, "NTI", 1, id % 2 ? "Romans" : "Galatians");
        question.chapter = id == 1 ? firstChapter : id;
        question.english = "Content " + std::to_string(id);
        question.french = "Contenu " + std::to_string(id);
        question.hebrew = "Hebrew " + std::to_string(id);
        questions.push_back(question);
    }
    return questions;
}

} // namespace

class TestShortAnswer : public QObject {
    Q_OBJECT

private:
    static void Launch(AppFixture& fixture)
    {
        QVERIFY(fixture.Start());
        fixture.Choose("MnuNTCCUnits");
        AppFixture::Find<QCheckBox>("FrmNTUnits", "ChkUnit(1)")->setChecked(true);
        AppFixture::Click("FrmNTUnits", "OptQuiz(3)");
        AppFixture::Click("FrmNTUnits", "CmdOK");
        QVERIFY(AppFixture::Window(SA));
    }

    // Types into the chapter box and presses Enter there.
    static void Answer(const QString& typed)
    {
        auto* box = AppFixture::Find<QLineEdit>(SA, "TxtChapter");
        QVERIFY(box->isEnabled());
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
    }

    // The chapter the question of Chapters() has.
    static QString ChapterOf(const QString& content)
    {
        return content == "Content 1" ? QString("7") : content.right(1);
    }

    static void ExpectAnswered(bool answered)
    {
        const auto* ok = AppFixture::Find<QPushButton>(SA, "CmdOK");
        const auto* next = AppFixture::Find<QPushButton>(SA, "CmdNextQuestion");
        const auto* box = AppFixture::Find<QLineEdit>(SA, "TxtChapter");
        QCOMPARE(box->isEnabled(), !answered);
        QCOMPARE(ok->isEnabled(), !answered);
        QCOMPARE(next->isEnabled(), answered);
        QCOMPARE(ok->isDefault(), !answered);
        QCOMPARE(next->isDefault(), answered);
        if (!answered) {
            QCOMPARE(box->text(), QString());
            QCOMPARE(AppFixture::Text(SA, "LblResponse"), QString());
            QCOMPARE(AppFixture::Text(SA, "LblAnswer"), QString());
        }
    }

private slots:
    // The typed text must be the chapter exactly; a question without a
    // chapter can never be right and the window claims no chapter for it.
    void chapterComparedExactly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<std::int64_t>>("chapter");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("shownChapter");
        QTest::newRow("the number") << "7" << std::optional<std::int64_t>(7) << true << "";
        QTest::newRow("another number") << "8" << std::optional<std::int64_t>(7) << false << "7";
        QTest::newRow("leading zero") << "07" << std::optional<std::int64_t>(7) << false << "7";
        QTest::newRow("space before") << " 7" << std::optional<std::int64_t>(7) << false << "7";
        QTest::newRow("space after") << "7 " << std::optional<std::int64_t>(7) << false << "7";
        QTest::newRow("nothing typed") << "" << std::optional<std::int64_t>(7) << false << "7";
        QTest::newRow("no chapter recorded") << "" << std::optional<std::int64_t>() << false
                                             << "(no chapter is recorded for this question)";
    }

    void chapterComparedExactly()
    {
        QFETCH(QString, typed);
        QFETCH(std::optional<std::int64_t>, chapter);
        QFETCH(bool, right);
        QFETCH(QString, shownChapter);
        AppFixture fixture(Chapters(1, chapter));
        Launch(fixture);
        ExpectAnswered(false);
        Answer(typed);
        ExpectAnswered(true);
        QCOMPARE(AppFixture::Text(SA, "LblResponse"),
                 right ? QString("Correct!") : QString("Incorrect.  The answer was chapter"));
        QCOMPARE(AppFixture::Text(SA, "LblAnswer"), shownChapter);
        QCOMPARE(AppFixture::Text(SA, "LblQsCorrect"), right ? QString(" 1") : QString(" 0"));
        QCOMPARE(fixture.Correct(1), right ? 1 : 0);
        AppFixture::Snapshot(AppFixture::Window(SA), right ? "sa-right" : "sa-wrong");
    }

    // Whatever the direction and the French switch, the English content and
    // the book, which changes with the question.
    void alwaysEnglishAndBook_data()
    {
        QTest::addColumn<bool>("flip");
        QTest::addColumn<bool>("french");
        QTest::newRow("Part A to Part B") << false << false;
        QTest::newRow("Part B to French") << true << true;
    }

    void alwaysEnglishAndBook()
    {
        QFETCH(bool, flip);
        QFETCH(bool, french);
        AppFixture fixture(Chapters(2));
        QVERIFY(fixture.Start());
        auto& session = fixture.app.State();
        session.Flip = flip;
        session.UseFrench = french;
        fixture.StartQuiz("SA", "Module = 'NTI'");
        AppFixture::Snapshot(AppFixture::Window(SA), "sa-asking");
        for (int question = 0; question < 2; ++question) {
            const QString content = AppFixture::Text(SA, "LblQuestion");
            QVERIFY2(content.startsWith("Content "), qPrintable(content));
            const bool odd = content.back().digitValue() % 2;
            QCOMPARE(AppFixture::Text(SA, "LblSubTitle"), odd ? QString("Romans") : QString("Galatians"));
            Answer("0");
            AppFixture::PressEnter(SA);
        }
    }

    // Enter submits, Enter again goes on; a miss can be retried in the same
    // window, or declined; with no miss no retry is offered.
    void endOfPool_data()
    {
        QTest::addColumn<bool>("miss");
        QTest::addColumn<bool>("retry");
        QTest::newRow("all right") << false << false;
        QTest::newRow("retry declined") << true << false;
        QTest::newRow("retry taken") << true << true;
    }

    void endOfPool()
    {
        QFETCH(bool, miss);
        QFETCH(bool, retry);
        AppFixture fixture(Chapters(3));
        Launch(fixture);
        const QPointer<QWidget> window = AppFixture::Window(SA);
        QString missed;
        for (int question = 0; question < 3; ++question) {
            const QString content = AppFixture::Text(SA, "LblQuestion");
            if (miss && question == 1)
                missed = content;
            Answer(missed == content ? "99" : ChapterOf(content));
            if (question == 2)
                fixture.prompter.answers.push_back(retry);
            AppFixture::PressEnter(SA);
        }
        QCOMPARE(fixture.prompter.messages.size(), std::size_t(miss ? 2 : 1));
        QCOMPARE(fixture.prompter.messages[0].text, std::string("This was the last question."));
        QCOMPARE(fixture.app.MainWindow().isVisible(), !retry);
        QCOMPARE(AppFixture::Window(SA), retry ? window.data() : nullptr);
        if (!retry)
            return;
        QCOMPARE(AppFixture::Text(SA, "LblQsRemaining"), QString("Questions Remaining 1"));
        QCOMPARE(AppFixture::Text(SA, "LblQsAsked"), QString());
        QCOMPARE(AppFixture::Text(SA, "LblQuestion"), missed);
        ExpectAnswered(false);
        Answer(ChapterOf(missed));
        AppFixture::PressEnter(SA);
        QCOMPARE(fixture.prompter.messages.back().title, std::string("Last Question"));
        QVERIFY(fixture.app.MainWindow().isVisible());
        QVERIFY(!AppFixture::Window(SA));
        QCOMPARE(fixture.Missed(), 0);
    }
};

LUMENARY_GUI_TEST_MAIN(TestShortAnswer)

#include "tst_shortanswer.moc"
