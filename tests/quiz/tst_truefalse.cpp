// SPDX-License-Identifier: GPL-3.0-or-later
// The true/false quiz: statements that are what they claim, the verdicts
// and their texts, the database after each.

#include "AppFixture.h"
#include "ModLanguages.h"
#include "Session.h"

#include <QFontInfo>

using namespace lumenary;
using lumenary::test::AppFixture;
using lumenary::test::ScriptedRandom;

namespace {

const QString TF = QStringLiteral("FrmTF");
const QString CorrectText = QStringLiteral("Correct!");
const QString IncorrectText = QStringLiteral("Incorrect.  The correct answer was");

// Module NTI, unit 1: one record per pair of sides; a null QString is a null field.
std::vector<BankQuestion> Pool(const QStringList& partA, const QStringList& partB)
{
    std::vector<BankQuestion> questions;
    for (int i = 0; i < partA.size(); ++i) {
        auto question = test::Question(i + 1, "NTI", 1);
        question.english = partA[i].toStdString();
        question.french = "Fr " + partA[i].toStdString();
        question.hebrew = partB[i].isNull() ? std::nullopt : std::optional(partB[i].toStdString());
        questions.push_back(question);
    }
    return questions;
}

// 0.9 draws a question and makes its statement true; 0.0 makes it false.
constexpr double TrueStatement = 0.9;
constexpr double FalseStatement = 0.0;

} // namespace

class TestTrueFalse : public QObject {
    Q_OBJECT

private:
    using FontSetter = void (ModLanguages::*)();

    // Starts a quiz over module NTI as a selection window would.
    static void Launch(AppFixture& fixture, bool flip = false, FontSetter fonts = &ModLanguages::SetEnglishFonts)
    {
        QVERIFY(fixture.Start());
        (ModLanguages(fixture.app.State()).*fonts)();
        fixture.app.State().Flip = flip;
        fixture.StartQuiz("TF", "Module = 'NTI'");
        QVERIFY(AppFixture::Window(TF));
    }

private slots:
    // A statement offered as false pairs the question with an answer it
    // really does not have; with none in the pool the statement is true.
    void falseStatementIsReallyFalse_data()
    {
        QTest::addColumn<QStringList>("partA");
        QTest::addColumn<QStringList>("partB");
        QTest::addColumn<bool>("flip");
        QTest::addColumn<QList<double>>("picks"); // the wrong answer's draws
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("statementTrue");
        QTest::newRow("two with the same answer") << QStringList{"Prompt 1", "Prompt 2"} << QStringList{"same", "same"}
                                                  << false << QList<double>{0.6} << "same" << true;
        QTest::newRow("two null answers") << QStringList{"Prompt 1", "Prompt 2"} << QStringList{QString(), QString()}
                                          << false << QList<double>{0.6} << "" << true;
        // One spelling, two words: neither gloss is wrong for it.
        QTest::newRow("homograph pair") << QStringList{"peace", "greeting", "house"}
                                        << QStringList{"shalom", "shalom", "bayit"} << true
                                        << QList<double>{0.4, 0.8} << "house" << false;
        QTest::newRow("many") << QStringList{"P1", "P2", "P3", "P4", "P5"} << QStringList{"A1", "A2", "A3", "A4", "A5"}
                              << false << QList<double>{0.1, 0.5} << "A3" << false;
        QTest::newRow("one other answer among many")
            << QStringList{"P0", "P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9"}
            << (QStringList(9, "x") << "y") << false << QList<double>{0.0} << "y" << false;
    }

    void falseStatementIsReallyFalse()
    {
        QFETCH(QStringList, partA);
        QFETCH(QStringList, partB);
        QFETCH(bool, flip);
        QFETCH(QList<double>, picks);
        QFETCH(QString, shown);
        QFETCH(bool, statementTrue);
        ScriptedRandom random({0.0, FalseStatement}); // the first record, a false statement
        random.Then(std::vector<double>(picks.begin(), picks.end()));
        AppFixture fixture(Pool(partA, partB), random);
        Launch(fixture, flip);
        QCOMPARE(AppFixture::Text(TF, "LblAnswer"), shown);

        AppFixture::Click(TF, "CmdTrue");
        QCOMPARE(AppFixture::Text(TF, "LblTrueFalse"), statementTrue ? CorrectText : IncorrectText);
        QCOMPARE(AppFixture::Find<QLabel>(TF, "LblAnswer")->font().strikeOut(), !statementTrue);
        QCOMPARE(AppFixture::Find<QLabel>(TF, "LblCorrectAnswer")->isHidden(), statementTrue);
        QCOMPARE(AppFixture::Text(TF, "LblCorrectAnswer"), flip ? partA[0] : partB[0]);
        QCOMPARE(fixture.Correct(1), statementTrue ? 1 : 0);
        QCOMPARE(fixture.Missed(), statementTrue ? 0 : 1);
    }

    // Question, proposed and correct answers follow Flip and UseFrench, in
    // the font state's fonts two points up; the correct answer in the answer's font.
    void sidesAndFonts()
    {
        ScriptedRandom random({0.0, TrueStatement}); // the first record, a true statement
        AppFixture fixture(Pool({"house", "word"}, {"בַּיִת", "λόγος"}), random);
        Launch(fixture, true, &ModLanguages::SetHebrewToFrenchFonts);
        QCOMPARE(AppFixture::Text(TF, "LblQuestion"), QString("בַּיִת"));
        QCOMPARE(AppFixture::Text(TF, "LblAnswer"), QString("Fr house"));
        AppFixture::Click(TF, "CmdFalse");
        QCOMPARE(AppFixture::Text(TF, "LblCorrectAnswer"), QString("Fr house"));
        AppFixture::Snapshot(AppFixture::Window(TF), "tf-fonts");

        const auto* questionLabel = AppFixture::Find<QLabel>(TF, "LblQuestion");
        const auto* answerLabel = AppFixture::Find<QLabel>(TF, "LblAnswer");
        const auto* correctLabel = AppFixture::Find<QLabel>(TF, "LblCorrectAnswer");
        QCOMPARE(QFontInfo(questionLabel->font()).family(), QString("Ezra SIL"));
        QCOMPARE(questionLabel->font().pointSize(), 18);
        QCOMPARE(QFontInfo(answerLabel->font()).family(), QFontInfo(ResolveFont(EnglishFontRole, 10)).family());
        QCOMPARE(answerLabel->font().pointSize(), 12);
        QCOMPARE(correctLabel->font().family(), answerLabel->font().family());
        QCOMPARE(correctLabel->font().pointSize(), 12);
    }
};

LUMENARY_GUI_TEST_MAIN(TestTrueFalse)

#include "tst_truefalse.moc"
