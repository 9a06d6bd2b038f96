// SPDX-License-Identifier: GPL-3.0-or-later
// The short-answer quiz: the chapter compared exactly, the texts and the
// database after each answer, Enter twice per question; always the English
// content and the book.

#include "AppFixture.h"
#include "Session.h"

#include <QLineEdit>

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
    // Types into the chapter box and presses Enter there.
    static void Answer(const QString& typed)
    {
        auto* box = AppFixture::Find<QLineEdit>(SA, "TxtChapter");
        QVERIFY(box->isEnabled());
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
    }

private slots:
    // The typed text must be the chapter exactly; a question without a
    // chapter can never be right and the window claims no chapter for it.
    void chapterComparedExactly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<std::int64_t>>("chapter");
        QTest::addColumn<QString>("shownChapter"); // empty: the answer is right
        QTest::newRow("the number") << "7" << std::optional<std::int64_t>(7) << "";
        QTest::newRow("another number") << "8" << std::optional<std::int64_t>(7) << "7";
        QTest::newRow("leading zero") << "07" << std::optional<std::int64_t>(7) << "7";
        QTest::newRow("space before") << " 7" << std::optional<std::int64_t>(7) << "7";
        QTest::newRow("nothing typed") << "" << std::optional<std::int64_t>(7) << "7";
        QTest::newRow("no chapter recorded") << "" << std::optional<std::int64_t>()
                                             << "(no chapter is recorded for this question)";
    }

    void chapterComparedExactly()
    {
        QFETCH(QString, typed);
        QFETCH(std::optional<std::int64_t>, chapter);
        QFETCH(QString, shownChapter);
        const bool right = shownChapter.isEmpty();
        AppFixture fixture(Chapters(1, chapter));
        QVERIFY(fixture.Start());
        fixture.StartQuiz("SA", "Module = 'NTI'");
        Answer(typed);
        QCOMPARE(AppFixture::Text(SA, "LblResponse"),
                 right ? QString("Correct!") : QString("Incorrect.  The answer was chapter"));
        QCOMPARE(AppFixture::Text(SA, "LblAnswer"), shownChapter);
        QCOMPARE(fixture.Correct(1), right ? 1 : 0);
        AppFixture::Snapshot(AppFixture::Window(SA), right ? "sa-right" : "sa-wrong");
    }

    // Whatever the direction and the French switch, the English content and
    // the book, which changes with the question.
    void alwaysEnglishAndBook()
    {
        AppFixture fixture(Chapters(2));
        QVERIFY(fixture.Start());
        fixture.app.State().Flip = true;
        fixture.app.State().UseFrench = true;
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
};

LUMENARY_GUI_TEST_MAIN(TestShortAnswer)

#include "tst_shortanswer.moc"
