// The unit windows: group buttons, the quiz type and direction coupling, the
// OK sequence and the exact filter each selection builds.

#include "AppFixture.h"
#include "FontResolver.h"
#include "ModLanguages.h"
#include "Session.h"

#include <QCheckBox>
#include <QRadioButton>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

std::vector<BankQuestion> UnitBank()
{
    std::vector<BankQuestion> questions;
    for (int unit = 1; unit <= 13; ++unit)
        questions.push_back(test::Question(unit, "NTI", unit));
    for (int unit = 1; unit <= 10; ++unit)
        questions.push_back(test::Question(100 + unit, "Systematic Theology", unit));
    return questions;
}

QCheckBox* Unit(const QString& window, int index)
{
    return AppFixture::Find<QCheckBox>(window, QString("ChkUnit(%1)").arg(index));
}

QRadioButton* Option(const QString& window, const QString& name)
{
    return AppFixture::Find<QRadioButton>(window, name);
}

QList<int> Ticked(const QString& window, int count)
{
    QList<int> ticked;
    for (int index = 1; index <= count; ++index)
        if (Unit(window, index)->isChecked())
            ticked << index;
    return ticked;
}

} // namespace

class TestUnitWindows : public QObject {
    Q_OBJECT

private slots:
    void designState_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("quizOptions");
        QTest::addColumn<int>("selectedOrder");
        QTest::newRow("NT units") << "FrmNTUnits" << "Carrow New Testament Chapter Content" << 13 << 4 << 0;
        QTest::newRow("systematic theology") << "FrmSysTheo" << "Systematic Theology" << 10 << 3 << 1;
    }

    void designState()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(int, units);
        QFETCH(int, quizOptions);
        QFETCH(int, selectedOrder);
        AppFixture fixture(UnitBank());
        QVERIFY(fixture.Start());
        fixture.Choose(window == "FrmNTUnits" ? "MnuNTCCUnits" : "MnuSysTheo");
        QWidget* shown = AppFixture::Window(window);
        QCOMPARE(shown->windowTitle(), title);
        QCOMPARE(Ticked(window, units), QList<int>());
        QVERIFY(!Unit(window, units + 1));
        QVERIFY(Option(window, "OptQuiz(0)")->isChecked());
        QCOMPARE(Option(window, "OptQuiz(0)")->text(), QString("Multiple Choice"));
        QCOMPARE(Option(window, QString("OptQuiz(%1)").arg(quizOptions - 1)) != nullptr, true);
        QVERIFY(!Option(window, QString("OptQuiz(%1)").arg(quizOptions)));
        QVERIFY(Option(window, QString("OptFlip(%1)").arg(selectedOrder))->isChecked());
        QVERIFY(AppFixture::Find<QPushButton>(window, "CmdOK")->isDefault());
        AppFixture::Snapshot(shown, window);
    }

    void groupButtonsOnlyTick()
    {
        AppFixture fixture(UnitBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuNTCCUnits");
        const QString window = "FrmNTUnits";
        AppFixture::Click(window, "CmdUnits(3)");
        QCOMPARE(Ticked(window, 13), QList<int>({1, 2, 3, 4, 5}));
        AppFixture::Click(window, "CmdUnits(6)");
        AppFixture::Click(window, "CmdUnits(1)");
        QCOMPARE(Ticked(window, 13).size(), 13);
        AppFixture::Click(window, "CmdUnselectAll");
        QCOMPARE(Ticked(window, 13), QList<int>());
        AppFixture::Click(window, "CmdSelectAll");
        QCOMPARE(Ticked(window, 13).size(), 13);

        fixture.Choose("MnuSysTheo");
        AppFixture::Click("FrmSysTheo", "CmdUnits(2)");
        QCOMPARE(Ticked("FrmSysTheo", 10), QList<int>({6, 7, 8, 9, 10}));
        AppFixture::Click("FrmSysTheo", "CmdUnits(1)");
        QCOMPARE(Ticked("FrmSysTheo", 10).size(), 10);
        AppFixture::Click("FrmSysTheo", "CmdSTUnselectAll");
        QCOMPARE(Ticked("FrmSysTheo", 10), QList<int>());
    }

    void okWithNothingTickedDoesNothing()
    {
        AppFixture fixture(UnitBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuNTCCUnits");
        AppFixture::Click("FrmNTUnits", "CmdOK");
        QVERIFY(AppFixture::Window("FrmNTUnits"));
        QVERIFY(fixture.app.MainWindow().QuizType.isEmpty());
        QCOMPARE(fixture.app.State().QuizFilter, std::string());
        QVERIFY(fixture.prompter.messages.empty());
    }

    void okBuildsTheFilter_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<int>>("units");
        QTest::addColumn<QString>("filter");
        QTest::newRow("NT 1 and 2") << "FrmNTUnits" << QList<int>{1, 2} << "Module = 'NTI'and (Category= 1 or Category= 2)";
        QTest::newRow("NT 3, 7, 12") << "FrmNTUnits" << QList<int>{12, 3, 7}
                                      << "Module = 'NTI'and (Category= 3 or Category= 7 or Category= 12)";
        QTest::newRow("theology 10") << "FrmSysTheo" << QList<int>{10} << "Module = 'Systematic Theology'and (Category= 10)";
    }

    void okBuildsTheFilter()
    {
        QFETCH(QString, window);
        QFETCH(QList<int>, units);
        QFETCH(QString, filter);
        AppFixture fixture(UnitBank());
        QVERIFY(fixture.Start());
        fixture.Choose(window == "FrmNTUnits" ? "MnuNTCCUnits" : "MnuSysTheo");
        for (const int unit : units)
            Unit(window, unit)->setChecked(true);
        AppFixture::Click(window, "OptQuiz(2)");
        // Enter presses OK, the window's default button.
        QTest::keyClick(AppFixture::Window(window), Qt::Key_Return);
        QCOMPARE(QString::fromStdString(fixture.app.State().QuizFilter), filter);
        QCOMPARE(fixture.app.MainWindow().QuizType, QString("Flashcard"));
        QVERIFY(!AppFixture::Window(window));
        QVERIFY(AppFixture::Window("FrmFlashcard"));
        QCOMPARE(fixture.app.State().QuestionCount, units.size());
    }

    void ntUnitsCoupleDirectionToQuizType()
    {
        AppFixture fixture(UnitBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuNTCCUnits");
        const QString window = "FrmNTUnits";
        AppFixture::Click(window, "OptFlip(1)");
        QVERIFY(Option(window, "OptFlip(1)")->isChecked());
        for (const char* other : {"OptQuiz(1)", "OptQuiz(2)", "OptQuiz(3)"}) {
            AppFixture::Click(window, other);
            QVERIFY(Option(window, "OptFlip(0)")->isChecked());
            QVERIFY(!Option(window, "OptFlip(1)")->isEnabled());
        }
        AppFixture::Click(window, "OptQuiz(0)");
        QVERIFY(Option(window, "OptFlip(1)")->isEnabled());
        QVERIFY(Option(window, "OptFlip(0)")->isChecked());
    }

    void sysTheoKeepsItsDirection()
    {
        AppFixture fixture(UnitBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuSysTheo");
        const QString window = "FrmSysTheo";
        AppFixture::Click(window, "OptQuiz(1)");
        QVERIFY(Option(window, "OptFlip(1)")->isChecked());
        AppFixture::Click(window, "OptFlip(1)");
        QVERIFY(Option(window, "OptFlip(0)")->isChecked());
        AppFixture::Click(window, "OptQuiz(0)");
        AppFixture::Click(window, "OptFlip(1)");
        AppFixture::Click(window, "OptQuiz(2)");
        QVERIFY(Option(window, "OptFlip(1)")->isChecked());
        Unit(window, 4)->setChecked(true);
        AppFixture::Click(window, "CmdOK");
        QVERIFY(fixture.app.State().Flip);
    }

    void unloadResetsTheDesignState()
    {
        AppFixture fixture(UnitBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuNTCCUnits");
        Unit("FrmNTUnits", 5)->setChecked(true);
        QTest::keyClick(AppFixture::Window("FrmNTUnits"), Qt::Key_Escape);
        QVERIFY(!AppFixture::Window("FrmNTUnits"));
        QVERIFY(fixture.app.MainWindow().isVisible());
        fixture.Choose("MnuNTCCUnits");
        QCOMPARE(Ticked("FrmNTUnits", 13), QList<int>());
    }

    void okSetsEnglishFontsAgain()
    {
        AppFixture fixture(UnitBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuSysTheo");
        ModLanguages(fixture.app.State()).SetHebrewToFrenchFonts();
        Unit("FrmSysTheo", 1)->setChecked(true);
        AppFixture::Click("FrmSysTheo", "CmdOK");
        QVERIFY(!fixture.app.State().UseFrench);
        QCOMPARE(fixture.app.State().QuestionFontName, std::string("MS Sans Serif"));
    }
};

LUMENARY_GUI_TEST_MAIN(TestUnitWindows)

#include "tst_unitwindows.moc"
