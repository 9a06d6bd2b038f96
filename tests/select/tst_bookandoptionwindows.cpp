// The book windows and the module option windows: greyed boxes and options,
// group buttons, the direction rule of each window, and OK starting the
// right quiz on the exact filter, in the English fonts.

#include "AppFixture.h"
#include "FontResolver.h"
#include "ModLanguages.h"
#include "Session.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QRadioButton>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

using Indexes = QList<int>;

struct WindowEntry {
    const char* window;
    const char* menuEntry;
    const char* control; // of its boxes or module options
    int count;
};

constexpr WindowEntry Windows[] = {
    {"FrmNTBooks", "MnuNTCCBooks", "ChkNTB", 27},          {"FrmOTDetailed", "MnuOTCCDetailed", "ChkOTD", 39},
    {"FrmOTSimplified", "OTCCSimplified", "ChkOTS", 39},    {"FrmNTHistory", "MnuNTHistory", "Option", 1},
    {"FrmKings", "MnuOTHistory", "Option", 1},              {"FrmChurchMusic", "MnuChurchMusic", "Option", 2},
    {"FrmTheology", "MnuTheology", "Option", 4},            {"FrmChurchHistory", "MnuChurchHistory", "Option", 10},
    {"FrmNTI", "MnuNTI", "Option", 12},                     {"FrmOTI", "MnuOTI", "Option", 7},
};

const WindowEntry& Entry(const QString& window)
{
    for (const auto& entry : Windows)
        if (window == QLatin1String(entry.window))
            return entry;
    qFatal("no window %s", qPrintable(window));
}

Indexes Range(int first, int last)
{
    Indexes indexes;
    for (int index = first; index <= last; ++index)
        indexes << index;
    return indexes;
}

// Two questions of each module an option names, and one of each book a book
// filter names, beside records no choice may select.
std::vector<BankQuestion> Bank()
{
    std::vector<BankQuestion> questions;
    std::int64_t id = 1;
    const auto add = [&](const char* module, std::initializer_list<const char*> books) {
        for (const char* book : books)
            questions.push_back(test::Question(id++, module, 1, book));
    };
    add("NTI", {"Matthew", "Mark", "Philippians", "Phillippians", "Revelation", "Jude"});
    add("OT Chapter Content: Detailed", {"genesis", "Genesis", "song of solomon", "II Chronicles", "lamentations"});
    add("OT Chapter Content: Simplified", {"genesis", "psalms", "lamentations", "obadiah", "malachi"});
    for (const char* module : {"Popes", "Church Fathers: Writings", "Devotional Commentaries", "Bible Doctrines",
                               "19th Century American Theology", "Old Testament Themes"})
        add(module, {"", ""});
    add("Pre-reformation Popes", {""});
    return questions;
}

QAbstractButton* Control(const QString& window, const QString& name)
{
    return AppFixture::Find<QAbstractButton>(window, name);
}

QAbstractButton* Item(const QString& window, int index)
{
    return Control(window, QString("%1(%2)").arg(Entry(window).control).arg(index));
}

Indexes Items(const QString& window, bool (QAbstractButton::*state)() const)
{
    Indexes found;
    for (int index = 0; index < Entry(window).count; ++index)
        if ((Item(window, index)->*state)())
            found << index;
    return found;
}

bool Greyed(const QAbstractButton* button)
{
    return !button->isEnabled();
}

Indexes Ticked(const QString& window)
{
    return Items(window, &QAbstractButton::isChecked);
}

void Open(AppFixture& fixture, const QString& window)
{
    fixture.Choose(Entry(window).menuEntry);
    QVERIFY(AppFixture::Window(window));
}

} // namespace

class TestBookAndOptionWindows : public QObject {
    Q_OBJECT

private slots:
    void bookDesign_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("quizOptions");
        QTest::addColumn<Indexes>("greyed");
        QTest::addColumn<QList<Indexes>>("columns");
        QTest::newRow("NT") << "FrmNTBooks" << "Carrow New Testament Chapter Content" << "LblInstructions" << 4
                            << Indexes{1, 17, 23, 24, 25} << QList<Indexes>{Range(0, 8), Range(9, 17), Range(18, 26)};
        const QList<Indexes> oldTestament{Range(0, 9), Range(10, 19), Range(20, 29), Range(30, 38)};
        QTest::newRow("OT detailed") << "FrmOTDetailed" << "Old Testament Chapter Content (Detailed)" << "Label1" << 4
                                     << (Range(17, 19) + Indexes{24} + Range(27, 38)) << oldTestament;
        QTest::newRow("OT simplified") << "FrmOTSimplified" << "Old Testament Chapter Content (Simplified)"
                                       << "Label1" << 3 << Indexes{30} << oldTestament;
    }

    void bookDesign()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        QFETCH(int, quizOptions);
        QFETCH(Indexes, greyed);
        QFETCH(QList<Indexes>, columns);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        Open(fixture, window);
        QWidget* shown = AppFixture::Window(window);
        QCOMPARE(shown->windowTitle(), title);
        QCOMPARE(AppFixture::Text(window, prompt), QString("Select the books of the Bible to include in your quiz"));
        QVERIFY(Control(window, "OptQuiz(0)")->isChecked());
        QVERIFY(Control(window, QString("OptQuiz(%1)").arg(quizOptions - 1)));
        QVERIFY(!Control(window, QString("OptQuiz(%1)").arg(quizOptions)));
        QVERIFY(Control(window, "OptFlip(0)")->isChecked());
        QVERIFY(AppFixture::Find<QPushButton>(window, "CmdOK")->isDefault());
        QCOMPARE(Items(window, &QAbstractButton::isEnabled).size() + greyed.size(), Entry(window).count);
        // Greyed boxes stay clear under the mouse and the keyboard.
        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        for (const int index : greyed) {
            QVERIFY(Greyed(Item(window, index)));
            QTest::mouseClick(Item(window, index), Qt::LeftButton);
            Item(window, index)->setFocus();
            QTest::keyClick(Item(window, index), Qt::Key_Space);
        }
        QCOMPARE(Ticked(window), Indexes());
        if (window == "FrmOTDetailed")
            QVERIFY(Greyed(Control(window, "CmdMinorProphets")));

        // Each column runs down in index order; the columns run left to right.
        shown->resize(shown->sizeHint());
        QApplication::processEvents();
        int previousLeft = -1;
        for (const Indexes& column : columns) {
            const int left = Item(window, column.first())->geometry().left();
            QVERIFY(left > previousLeft);
            int previousTop = -1;
            for (const int index : column) {
                QCOMPARE(Item(window, index)->geometry().left(), left);
                QVERIFY(Item(window, index)->geometry().top() > previousTop);
                previousTop = Item(window, index)->geometry().top();
            }
            previousLeft = left;
        }
        AppFixture::Snapshot(shown, window);
    }

    // Group buttons tick and never clear; Select All runs the enabled ones.
    void groupButtons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Indexes>("byHand");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<Indexes>("ticked");
        QTest::newRow("gospels skip Mark") << "FrmNTBooks" << Indexes{} << QStringList{"CmdGospels"} << Indexes{0, 2, 3};
        QTest::newRow("epistles skip Philemon")
            << "FrmNTBooks" << Indexes{} << QStringList{"CmdEpistles"} << (Range(5, 16) + Range(18, 22));
        QTest::newRow("a group keeps a box ticked by hand")
            << "FrmNTBooks" << Indexes{26} << QStringList{"CmdHistory"} << Indexes{4, 26};
        QTest::newRow("NT select all: 22 books")
            << "FrmNTBooks" << Indexes{} << QStringList{"CmdProphecy", "CmdSelectAll"}
            << (Indexes{0} + Range(2, 16) + Range(18, 22) + Indexes{26});
        QTest::newRow("NT unselect all") << "FrmNTBooks" << Indexes{} << QStringList{"CmdSelectAll", "CmdUnselectAll"}
                                         << Indexes{};
        QTest::newRow("detailed poetry") << "FrmOTDetailed" << Indexes{} << QStringList{"CmdPoetry"} << Indexes{20, 21};
        QTest::newRow("major prophets without Lamentations")
            << "FrmOTDetailed" << Indexes{} << QStringList{"CmdMajorProphets"} << Indexes{22, 23, 25, 26};
        QTest::newRow("detailed select all") << "FrmOTDetailed" << Indexes{} << QStringList{"CmdNTSelectAll"}
                                             << (Range(0, 16) + Indexes{20, 21, 22, 23, 25, 26});
        QTest::newRow("simplified poetry") << "FrmOTSimplified" << Indexes{} << QStringList{"CmdPoetry"} << Range(17, 21);
        QTest::newRow("minor prophets skip Obadiah")
            << "FrmOTSimplified" << Indexes{} << QStringList{"CmdMinorProphets"} << (Range(27, 29) + Range(31, 38));
        QTest::newRow("simplified select all leaves Lamentations")
            << "FrmOTSimplified" << Indexes{} << QStringList{"CmdNTSelectAll"}
            << (Range(0, 23) + Range(25, 29) + Range(31, 38));
        QTest::newRow("simplified unselect all clears Lamentations")
            << "FrmOTSimplified" << Indexes{24} << QStringList{"CmdNTSelectAll", "CmdNTUnselectAll"} << Indexes{};
    }

    void groupButtons()
    {
        QFETCH(QString, window);
        QFETCH(Indexes, byHand);
        QFETCH(QStringList, buttons);
        QFETCH(Indexes, ticked);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        Open(fixture, window);
        for (const int index : byHand)
            QTest::mouseClick(Item(window, index), Qt::LeftButton);
        for (const QString& button : buttons)
            AppFixture::Click(window, button);
        QCOMPARE(Ticked(window), ticked);
    }

    // Coupled windows grey the second direction for every quiz type but
    // multiple choice; on the others a direction stays in force until a
    // direction option is clicked, which then falls back to the first.
    void directionRule_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("coupled");
        QTest::newRow("NT books") << "FrmNTBooks" << true;
        QTest::newRow("OT detailed") << "FrmOTDetailed" << true;
        QTest::newRow("OT simplified") << "FrmOTSimplified" << false;
        QTest::newRow("theology") << "FrmTheology" << false;
    }

    void directionRule()
    {
        QFETCH(QString, window);
        QFETCH(bool, coupled);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        Open(fixture, window);
        AppFixture::Click(window, "OptFlip(1)");
        AppFixture::Click(window, "OptQuiz(1)");
        QCOMPARE(Control(window, "OptFlip(1)")->isChecked(), !coupled);
        QCOMPARE(Control(window, "OptFlip(1)")->isEnabled(), !coupled);
        AppFixture::Click(window, "OptQuiz(2)");
        QCOMPARE(Control(window, "OptFlip(1)")->isChecked(), !coupled);
        if (!coupled) {
            AppFixture::Click(window, "OptFlip(1)");
            QVERIFY(Control(window, "OptFlip(0)")->isChecked());
        }
        AppFixture::Click(window, "OptQuiz(0)");
        QVERIFY(Control(window, "OptFlip(1)")->isEnabled());
        QVERIFY(Control(window, "OptFlip(0)")->isChecked());
    }

    // Design state of the module option windows, and OK pressed at once.
    void optionDesign_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Indexes>("greyed");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("flip");
        QTest::addColumn<QString>("filter");
        QTest::newRow("NT history") << "FrmNTHistory" << "New Testament History" << Indexes{} << 0 << true
                                    << "Module = 'Disciples'";
        QTest::newRow("kings") << "FrmKings" << "Old Testament History" << Indexes{} << 0 << true << "Module = 'Kings'";
        QTest::newRow("church music") << "FrmChurchMusic" << "Church Music" << Indexes{} << 1 << false
                                      << "Module = 'Messiah'";
        QTest::newRow("theology") << "FrmTheology" << "Theology" << Indexes{} << 0 << false << "Module = 'Bible Doctrines'";
        QTest::newRow("church history") << "FrmChurchHistory" << "Church History" << Indexes{} << 9 << true
                                        << "Module = 'Baptist History IV'";
        QTest::newRow("NT introduction") << "FrmNTI" << "New Testament Introduction" << Indexes{3, 4, 5} << 10 << false
                                         << "Module = 'New Testament Themes'";
        QTest::newRow("OT introduction") << "FrmOTI" << "Old Testament Introduction" << Indexes{} << 5 << false
                                         << "Module = 'Old Testament Themes'";
    }

    void optionDesign()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(Indexes, greyed);
        QFETCH(int, selected);
        QFETCH(bool, flip);
        QFETCH(QString, filter);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        Open(fixture, window);
        QCOMPARE(AppFixture::Window(window)->windowTitle(), title);
        QCOMPARE(AppFixture::Text(window, "LblInstructions"), QString("Select the unit you wish to quiz"));
        QVERIFY(!Control(window, "OptQuiz(3)"));
        QVERIFY(AppFixture::Find<QPushButton>(window, "CmdOK")->isDefault());
        QCOMPARE(Items(window, &QAbstractButton::isEnabled).size() + greyed.size(), Entry(window).count);
        for (const int index : greyed) {
            QVERIFY(Greyed(Item(window, index)));
            QTest::mouseClick(Item(window, index), Qt::LeftButton);
        }
        QCOMPARE(Ticked(window), Indexes{selected});
        AppFixture::Snapshot(AppFixture::Window(window), window);

        AppFixture::Click(window, "CmdOK");
        QVERIFY(!AppFixture::Window(window));
        QCOMPARE(fixture.app.MainWindow().QuizType, QString("MC"));
        QCOMPARE(fixture.app.State().Flip, flip);
        QCOMPARE(QString::fromStdString(fixture.app.State().QuizFilter), filter);
    }

    void okStartsTheQuiz_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Indexes>("ticked");  // books ticked, or module options chosen, first
        QTest::addColumn<QStringList>("clicks"); // then these
        QTest::addColumn<QString>("quizType");   // empty: OK does nothing
        QTest::addColumn<bool>("flip");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("questions"); // of the flashcard quiz; -1 for another engine
        QTest::newRow("nothing ticked") << "FrmNTBooks" << Indexes{} << QStringList{} << "" << false << "" << -1;
        QTest::newRow("only greyed books") << "FrmOTSimplified" << Indexes{30} << QStringList{} << "" << false << "" << -1;
        QTest::newRow("Phillippians is Philippians")
            << "FrmNTBooks" << Indexes{10, 0} << QStringList{"OptQuiz(2)"} << "Flashcard" << false
            << "Module = 'NTI'and (Book = 'Matthew' or Book = 'Philippians')" << 2;
        QTest::newRow("NT select all")
            << "FrmNTBooks" << Indexes{} << QStringList{"CmdSelectAll", "OptQuiz(2)"} << "Flashcard" << false
            << "Module = 'NTI'and (Book = 'Matthew' or Book = 'Luke' or Book = 'John' or Book = 'Acts' or "
               "Book = 'Romans' or Book = 'I Corinthians' or Book = 'II Corinthians' or Book = 'Galatians' or "
               "Book = 'Ephesians' or Book = 'Philippians' or Book = 'Colossians' or Book = 'I Thessalonians' or "
               "Book = 'II Thessalonians' or Book = 'I Timothy' or Book = 'II Timothy' or Book = 'Titus' or "
               "Book = 'Hebrews' or Book = 'James' or Book = 'I Peter' or Book = 'II Peter' or Book = 'I John' or "
               "Book = 'Revelation')"
            << 3;
        QTest::newRow("NT short answer") << "FrmNTBooks" << Indexes{26} << QStringList{"OptQuiz(3)"} << "SA" << false
                                         << "Module = 'NTI'and (Book = 'Revelation')" << -1;
        QTest::newRow("detailed, reverse multiple choice")
            << "FrmOTDetailed" << Indexes{21, 13} << QStringList{"OptFlip(1)"} << "MC" << true
            << "Module = 'OT Chapter Content: Detailed'and (Book = 'II Chronicles' or Book = 'song of solomon')" << -1;
        QTest::newRow("detailed, lower-case Genesis")
            << "FrmOTDetailed" << Indexes{0} << QStringList{"OptQuiz(2)"} << "Flashcard" << false
            << "Module = 'OT Chapter Content: Detailed'and (Book = 'genesis')" << 2;
        QTest::newRow("simplified, Lamentations alone")
            << "FrmOTSimplified" << Indexes{24} << QStringList{"OptQuiz(2)"} << "Flashcard" << false
            << "Module = 'OT Chapter Content: Simplified'and (Book = 'lamentations')" << 1;
        QTest::newRow("simplified, reverse order kept under true/false")
            << "FrmOTSimplified" << Indexes{18, 38} << QStringList{"OptFlip(1)", "OptQuiz(1)"} << "TF" << true
            << "Module = 'OT Chapter Content: Simplified'and (Book = 'psalms' or Book = 'malachi')" << -1;
        QTest::newRow("popes by their caption") << "FrmChurchHistory" << Indexes{2} << QStringList{"OptQuiz(2)"}
                                                << "Flashcard" << true << "Module = 'Popes'" << 2;
        QTest::newRow("apostolic writings")
            << "FrmChurchHistory" << Indexes{1} << QStringList{"OptQuiz(2)", "OptFlip(1)"} << "Flashcard" << false
            << "Module = 'Church Fathers: Writings'" << 2;
        QTest::newRow("caption with a trailing space") << "FrmNTI" << Indexes{0} << QStringList{"OptQuiz(2)"}
                                                       << "Flashcard" << false << "Module = 'Devotional Commentaries'" << 2;
        QTest::newRow("abbreviated caption")
            << "FrmTheology" << Indexes{3} << QStringList{"OptQuiz(2)"} << "Flashcard" << false
            << "Module = '19th Century American Theology'" << 2;
        QTest::newRow("direction chosen under multiple choice stays")
            << "FrmTheology" << Indexes{} << QStringList{"OptFlip(1)", "OptQuiz(2)"} << "Flashcard" << true
            << "Module = 'Bible Doctrines'" << 2;
        QTest::newRow("names of God, true/false") << "FrmOTI" << Indexes{6} << QStringList{"OptQuiz(1)"} << "TF"
                                                  << false << "Module = 'OT Names of God'" << -1;
    }

    void okStartsTheQuiz()
    {
        QFETCH(QString, window);
        QFETCH(Indexes, ticked);
        QFETCH(QStringList, clicks);
        QFETCH(QString, quizType);
        QFETCH(bool, flip);
        QFETCH(QString, filter);
        QFETCH(int, questions);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        Open(fixture, window);
        for (const int index : ticked)
            Item(window, index)->setChecked(true); // greyed ones too, behind the user's back
        for (const QString& control : clicks)
            AppFixture::Click(window, control);
        // A language quiz elsewhere changed the fonts since the window opened.
        ModLanguages(fixture.app.State()).SetHebrewToFrenchFonts();
        QTest::keyClick(AppFixture::Window(window), Qt::Key_Return);

        QCOMPARE(AppFixture::Window(window) != nullptr, quizType.isEmpty());
        QCOMPARE(fixture.app.MainWindow().QuizType, quizType);
        QCOMPARE(QString::fromStdString(fixture.app.State().QuizFilter), filter);
        if (quizType.isEmpty())
            return;
        QCOMPARE(fixture.app.State().Flip, flip);
        QVERIFY(!fixture.app.State().UseFrench);
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

    // Unloading brings the main window back only where the window says so,
    // and the next opening starts from the design state.
    void unload_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("mainShown");
        QTest::newRow("NT books") << "FrmNTBooks" << true;
        QTest::newRow("OT detailed") << "FrmOTDetailed" << false;
        QTest::newRow("OT simplified") << "FrmOTSimplified" << false;
        QTest::newRow("church history") << "FrmChurchHistory" << true;
    }

    void unload()
    {
        QFETCH(QString, window);
        QFETCH(bool, mainShown);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        Open(fixture, window);
        const Indexes before = Ticked(window);
        QTest::mouseClick(Item(window, 3), Qt::LeftButton);
        fixture.app.MainWindow().hide();
        AppFixture::Window(window)->close();
        QVERIFY(!AppFixture::Window(window));
        QCOMPARE(fixture.app.MainWindow().isVisible(), mainShown);
        Open(fixture, window);
        QCOMPARE(Ticked(window), before);
    }
};

LUMENARY_GUI_TEST_MAIN(TestBookAndOptionWindows)

#include "tst_bookandoptionwindows.moc"
