// The seven module option windows: preselections, greyed options, the
// direction rule, and OK starting the quiz on the chosen module alone.

#include "AppFixture.h"
#include "FontResolver.h"
#include "ModLanguages.h"
#include "Session.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QRadioButton>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

const std::pair<const char*, const char*> MenuEntries[] = {
    {"FrmNTHistory", "MnuNTHistory"},   {"FrmKings", "MnuOTHistory"}, {"FrmChurchMusic", "MnuChurchMusic"},
    {"FrmTheology", "MnuTheology"},     {"FrmChurchHistory", "MnuChurchHistory"},
    {"FrmNTI", "MnuNTI"},               {"FrmOTI", "MnuOTI"},
};

QString MenuEntry(const QString& window)
{
    for (const auto& [name, entry] : MenuEntries)
        if (window == QLatin1String(name))
            return QString::fromLatin1(entry);
    qFatal("no option window %s", qPrintable(window));
}

// Two questions of each module the windows name, and one of a module that
// shares a caption's words but is not offered.
std::vector<BankQuestion> ModuleBank()
{
    std::vector<BankQuestion> questions;
    std::int64_t id = 1;
    for (const char* module :
         {"Disciples", "Kings", "Messiah", "Hymnology", "Popes", "Church Fathers: Writings", "Devotional Commentaries",
          "19th Century American Theology", "Bible Doctrines", "OT Names of God", "New Testament Themes", "Old Testament Themes"}) {
        questions.push_back(test::Question(id++, module));
        questions.push_back(test::Question(id++, module));
    }
    questions.push_back(test::Question(id++, "Pre-reformation Popes"));
    return questions;
}

QRadioButton* Radio(const QString& window, const QString& name)
{
    return AppFixture::Find<QRadioButton>(window, name);
}

QList<int> Options(const QString& window, bool (QRadioButton::*state)() const)
{
    QList<int> found;
    for (int index = 0; Radio(window, QString("Option(%1)").arg(index)); ++index)
        if ((Radio(window, QString("Option(%1)").arg(index))->*state)())
            found << index;
    return found;
}

bool Greyed(const QRadioButton* option)
{
    return !option->isEnabled();
}

} // namespace

class TestOptionWindows : public QObject {
    Q_OBJECT

private slots:
    // Pressing OK at once runs the preselected module, quiz type and direction.
    void designStateAndOkAtOnce_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("options");
        QTest::addColumn<QList<int>>("greyed");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("flip");
        QTest::addColumn<QString>("filter");
        QTest::newRow("NT history") << "FrmNTHistory" << "New Testament History" << 1 << QList<int>{} << 0 << true
                                    << "Module = 'Disciples'";
        QTest::newRow("kings") << "FrmKings" << "Old Testament History" << 1 << QList<int>{} << 0 << true
                               << "Module = 'Kings'";
        QTest::newRow("church music") << "FrmChurchMusic" << "Church Music" << 2 << QList<int>{} << 1 << false
                                      << "Module = 'Messiah'";
        QTest::newRow("theology") << "FrmTheology" << "Theology" << 4 << QList<int>{} << 0 << false
                                  << "Module = 'Bible Doctrines'";
        QTest::newRow("church history") << "FrmChurchHistory" << "Church History" << 10 << QList<int>{} << 9 << true
                                        << "Module = 'Baptist History IV'";
        QTest::newRow("NT introduction") << "FrmNTI" << "New Testament Introduction" << 12 << QList<int>{3, 4, 5}
                                         << 10 << false << "Module = 'New Testament Themes'";
        QTest::newRow("OT introduction") << "FrmOTI" << "Old Testament Introduction" << 7 << QList<int>{} << 5
                                         << false << "Module = 'Old Testament Themes'";
    }

    void designStateAndOkAtOnce()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(int, options);
        QFETCH(QList<int>, greyed);
        QFETCH(int, selected);
        QFETCH(bool, flip);
        QFETCH(QString, filter);
        AppFixture fixture(ModuleBank());
        QVERIFY(fixture.Start());
        fixture.Choose(MenuEntry(window));
        QWidget* shown = AppFixture::Window(window);
        QVERIFY(shown);
        QCOMPARE(shown->windowTitle(), title);
        QCOMPARE(AppFixture::Text(window, "LblInstructions"), QString("Select the unit you wish to quiz"));
        QCOMPARE(Options(window, &QRadioButton::isEnabled).size() + greyed.size(), options);
        for (const int index : greyed)
            QVERIFY(Greyed(Radio(window, QString("Option(%1)").arg(index))));
        QCOMPARE(Options(window, &QRadioButton::isChecked), QList<int>{selected});
        QVERIFY(Radio(window, "OptQuiz(2)"));
        QVERIFY(!Radio(window, "OptQuiz(3)"));
        QCOMPARE(AppFixture::Find<QGroupBox>(window, "FrameQuizType")->title(), QString("Choose Quiz Type"));
        QVERIFY(AppFixture::Find<QPushButton>(window, "CmdOK")->isDefault());
        AppFixture::Snapshot(shown, window);

        AppFixture::Click(window, "CmdOK");
        QVERIFY(!AppFixture::Window(window));
        QCOMPARE(fixture.app.MainWindow().QuizType, QString("MC"));
        QCOMPARE(fixture.app.State().Flip, flip);
        QCOMPARE(QString::fromStdString(fixture.app.State().QuizFilter), filter);
    }

    void greyedOptionsCannotBeChosen()
    {
        AppFixture fixture(ModuleBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuNTI");
        for (const int index : {3, 4, 5})
            QTest::mouseClick(Radio("FrmNTI", QString("Option(%1)").arg(index)), Qt::LeftButton);
        QCOMPARE(Options("FrmNTI", &QRadioButton::isChecked), QList<int>{10});
    }

    void okStartsTheChosenModule_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("clicks"); // options, in order
        QTest::addColumn<QString>("quizType");
        QTest::addColumn<bool>("flip");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("questions"); // of the flashcard quiz; -1 for another engine
        QTest::newRow("popes by their caption")
            << "FrmChurchHistory" << QStringList{"Option(2)", "OptQuiz(2)"} << "Flashcard" << true
            << "Module = 'Popes'" << 2;
        QTest::newRow("apostolic writings")
            << "FrmChurchHistory" << QStringList{"Option(1)", "OptQuiz(2)", "OptFlip(1)"} << "Flashcard" << false
            << "Module = 'Church Fathers: Writings'" << 2;
        QTest::newRow("caption with a trailing space")
            << "FrmNTI" << QStringList{"Option(0)", "OptQuiz(2)"} << "Flashcard" << false
            << "Module = 'Devotional Commentaries'" << 2;
        QTest::newRow("abbreviated caption")
            << "FrmTheology" << QStringList{"Option(3)", "OptQuiz(2)"} << "Flashcard" << false
            << "Module = '19th Century American Theology'" << 2;
        QTest::newRow("hymnology") << "FrmChurchMusic" << QStringList{"Option(0)", "OptQuiz(2)"} << "Flashcard"
                                   << false << "Module = 'Hymnology'" << -1;
        QTest::newRow("names of God, true/false")
            << "FrmOTI" << QStringList{"Option(6)", "OptQuiz(1)"} << "TF" << false << "Module = 'OT Names of God'" << -1;
        QTest::newRow("direction clicked under true/false falls back")
            << "FrmOTI" << QStringList{"OptQuiz(1)", "OptFlip(1)"} << "TF" << false << "Module = 'Old Testament Themes'"
            << -1;
        QTest::newRow("direction chosen under multiple choice stays")
            << "FrmTheology" << QStringList{"OptFlip(1)", "OptQuiz(2)"} << "Flashcard" << true
            << "Module = 'Bible Doctrines'" << 2;
    }

    void okStartsTheChosenModule()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, clicks);
        QFETCH(QString, quizType);
        QFETCH(bool, flip);
        QFETCH(QString, filter);
        QFETCH(int, questions);
        AppFixture fixture(ModuleBank());
        QVERIFY(fixture.Start());
        fixture.Choose(MenuEntry(window));
        for (const QString& control : clicks)
            AppFixture::Click(window, control);
        // A language quiz elsewhere changed the fonts since the window opened.
        ModLanguages(fixture.app.State()).SetGreekToGreekFonts();
        QTest::keyClick(AppFixture::Window(window), Qt::Key_Return);

        QVERIFY(!AppFixture::Window(window));
        QCOMPARE(fixture.app.MainWindow().QuizType, quizType);
        QCOMPARE(fixture.app.State().Flip, flip);
        QCOMPARE(QString::fromStdString(fixture.app.State().QuizFilter), filter);
        QCOMPARE(fixture.app.State().QuestionFontName, std::string("MS Sans Serif"));
        QCOMPARE(fixture.app.State().AnswerFontName, std::string("MS Sans Serif"));
        if (questions < 0)
            return; // that engine is not part of this test
        QVERIFY(AppFixture::Window("FrmFlashcard"));
        QCOMPARE(fixture.app.State().QuestionCount, questions);
        const QString sans = QFontInfo(ResolveFont(EnglishFontRole, 10)).family();
        for (const char* label : {"LblQuestion", "LblAnswer"}) {
            const auto* shown = AppFixture::Find<QLabel>("FrmFlashcard", label);
            QCOMPARE(QFontInfo(shown->font()).family(), sans);
            QCOMPARE(shown->font().pointSize(), 14);
        }
    }

    void closeBoxReturnsToTheMainWindow()
    {
        AppFixture fixture(ModuleBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuChurchHistory");
        AppFixture::Click("FrmChurchHistory", "Option(4)");
        fixture.app.MainWindow().hide();
        AppFixture::Window("FrmChurchHistory")->close();
        QVERIFY(!AppFixture::Window("FrmChurchHistory"));
        QVERIFY(fixture.app.MainWindow().isVisible());
        fixture.Choose("MnuChurchHistory");
        QCOMPARE(Options("FrmChurchHistory", &QRadioButton::isChecked), QList<int>{9});
    }
};

LUMENARY_GUI_TEST_MAIN(TestOptionWindows)

#include "tst_optionwindows.moc"
