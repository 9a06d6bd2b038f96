// The three book windows: greyed boxes, group buttons, the direction
// coupling of each window, the OK sequence and the exact filters, and the
// quiz each one starts.

#include "AppFixture.h"
#include "FontResolver.h"
#include "ModLanguages.h"
#include "Session.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QRadioButton>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

using Boxes = QList<int>;

// A window of this family: how it is reached and how its boxes are named.
struct BookWindow {
    QString name;
    QString menuEntry;
    QString boxControl;
    int boxCount;
};

const BookWindow NewTestament{"FrmNTBooks", "MnuNTCCBooks", "ChkNTB", 27};
const BookWindow Detailed{"FrmOTDetailed", "MnuOTCCDetailed", "ChkOTD", 39};
const BookWindow Simplified{"FrmOTSimplified", "OTCCSimplified", "ChkOTS", 39};

const BookWindow& Family(const QString& name)
{
    for (const BookWindow* window : {&NewTestament, &Detailed, &Simplified})
        if (window->name == name)
            return *window;
    qFatal("no book window %s", qPrintable(name));
}

Boxes Range(int first, int last)
{
    Boxes boxes;
    for (int index = first; index <= last; ++index)
        boxes << index;
    return boxes;
}

// One question per book the filters name, in each chapter-content module,
// plus books no box selects.
std::vector<BankQuestion> BookBank()
{
    std::vector<BankQuestion> questions;
    std::int64_t id = 1;
    for (const char* book : {"Matthew", "Mark", "Philippians", "Phillippians", "Revelation", "Jude"})
        questions.push_back(test::Question(id++, "NTI", 1, book));
    for (const char* book : {"genesis", "Genesis", "song of solomon", "II Chronicles", "job", "lamentations"})
        questions.push_back(test::Question(id++, "OT Chapter Content: Detailed", {}, book));
    for (const char* book : {"genesis", "psalms", "lamentations", "obadiah", "malachi"})
        questions.push_back(test::Question(id++, "OT Chapter Content: Simplified", {}, book));
    return questions;
}

QCheckBox* Box(const BookWindow& window, int index)
{
    return AppFixture::Find<QCheckBox>(window.name, QString("%1(%2)").arg(window.boxControl).arg(index));
}

QRadioButton* Radio(const QString& window, const QString& name)
{
    return AppFixture::Find<QRadioButton>(window, name);
}

Boxes Ticked(const BookWindow& window)
{
    Boxes ticked;
    for (int index = 0; index < window.boxCount; ++index)
        if (Box(window, index)->isChecked())
            ticked << index;
    return ticked;
}

Boxes Greyed(const BookWindow& window)
{
    Boxes greyed;
    for (int index = 0; index < window.boxCount; ++index)
        if (!Box(window, index)->isEnabled())
            greyed << index;
    return greyed;
}

} // namespace

class TestBookWindows : public QObject {
    Q_OBJECT

private slots:
    void designState_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("quizOptions");
        QTest::addColumn<Boxes>("greyed");
        QTest::addColumn<QList<Boxes>>("columns");
        QTest::newRow("NT") << "FrmNTBooks" << "Carrow New Testament Chapter Content"
                            << "LblInstructions" << 4 << Boxes{1, 17, 23, 24, 25}
                            << QList<Boxes>{Range(0, 8), Range(9, 17), Range(18, 26)};
        const QList<Boxes> oldTestament{Range(0, 9), Range(10, 19), Range(20, 29), Range(30, 38)};
        QTest::newRow("OT detailed") << "FrmOTDetailed" << "Old Testament Chapter Content (Detailed)" << "Label1" << 4
                                     << (Range(17, 19) + Boxes{24} + Range(27, 38)) << oldTestament;
        QTest::newRow("OT simplified") << "FrmOTSimplified" << "Old Testament Chapter Content (Simplified)" << "Label1" << 3 << Boxes{30}
                                       << oldTestament;
    }

    void designState()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        QFETCH(int, quizOptions);
        QFETCH(Boxes, greyed);
        QFETCH(QList<Boxes>, columns);
        const BookWindow& family = Family(window);
        AppFixture fixture(BookBank());
        QVERIFY(fixture.Start());
        fixture.Choose(family.menuEntry);
        QWidget* shown = AppFixture::Window(window);
        QVERIFY(shown);
        QCOMPARE(shown->windowTitle(), title);
        QCOMPARE(AppFixture::Text(window, prompt), QString("Select the books of the Bible to include in your quiz"));
        QCOMPARE(Ticked(family), Boxes());
        QCOMPARE(Greyed(family), greyed);
        QVERIFY(!Box(family, family.boxCount));
        QVERIFY(Radio(window, "OptQuiz(0)")->isChecked());
        QVERIFY(Radio(window, QString("OptQuiz(%1)").arg(quizOptions - 1)));
        QVERIFY(!Radio(window, QString("OptQuiz(%1)").arg(quizOptions)));
        QVERIFY(Radio(window, "OptFlip(0)")->isChecked());
        QVERIFY(Radio(window, "OptFlip(1)")->isEnabled());
        QCOMPARE(AppFixture::Find<QGroupBox>(window, "FrameOrder")->title(), QString("Choose Order"));
        QVERIFY(AppFixture::Find<QPushButton>(window, "CmdOK")->isDefault());

        // Each column runs down in index order; the columns run left to right.
        shown->resize(shown->sizeHint());
        QApplication::processEvents();
        int previousLeft = -1;
        for (const Boxes& column : columns) {
            const int left = Box(family, column.first())->geometry().left();
            QVERIFY2(left > previousLeft, qPrintable(QString("column from %1").arg(column.first())));
            int previousTop = -1;
            for (const int index : column) {
                const QRect place = Box(family, index)->geometry();
                QCOMPARE(place.left(), left);
                QVERIFY2(place.top() > previousTop, qPrintable(QString("box %1").arg(index)));
                previousTop = place.top();
            }
            previousLeft = left;
        }
        AppFixture::Snapshot(shown, window);
    }

    // A greyed box stays clear whatever the user does.
    void greyedBoxesNeverTick_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("NT") << "FrmNTBooks" << QStringList{"CmdGospels", "CmdHistory", "CmdEpistles", "CmdProphecy",
                                                           "CmdSelectAll"};
        QTest::newRow("OT detailed") << "FrmOTDetailed" << QStringList{"CmdPentateuch", "CmdHistory", "CmdPoetry",
                                                                         "CmdMajorProphets", "CmdNTSelectAll"};
        QTest::newRow("OT simplified")
            << "FrmOTSimplified"
            << QStringList{"CmdPentateuch", "CmdHistory", "CmdPoetry", "CmdMajorProphets", "CmdMinorProphets",
                           "CmdNTSelectAll"};
    }

    void greyedBoxesNeverTick()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, buttons);
        const BookWindow& family = Family(window);
        AppFixture fixture(BookBank());
        QVERIFY(fixture.Start());
        fixture.Choose(family.menuEntry);
        QWidget* shown = AppFixture::Window(window);
        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        const Boxes greyed = Greyed(family);
        for (const int index : greyed) {
            QCheckBox* box = Box(family, index);
            QTest::mouseClick(box, Qt::LeftButton);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
        }
        for (const QString& button : buttons)
            AppFixture::Click(window, button);
        for (const int index : greyed)
            QVERIFY2(!Box(family, index)->isChecked(), qPrintable(QString::number(index)));
        QVERIFY(!Ticked(family).isEmpty());
    }

    // Group buttons tick and never clear; Select All runs the enabled ones.
    void groupButtons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Boxes>("tickedByHand");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<Boxes>("ticked");
        QTest::newRow("gospels skip Mark") << "FrmNTBooks" << Boxes{} << QStringList{"CmdGospels"} << Boxes{0, 2, 3};
        QTest::newRow("epistles skip Philemon")
            << "FrmNTBooks" << Boxes{} << QStringList{"CmdEpistles"} << (Range(5, 16) + Range(18, 22));
        QTest::newRow("NT group keeps a box ticked by hand")
            << "FrmNTBooks" << Boxes{26} << QStringList{"CmdHistory"} << Boxes{4, 26};
        QTest::newRow("NT select all: 22 books") << "FrmNTBooks" << Boxes{} << QStringList{"CmdSelectAll"}
                                                 << (Boxes{0} + Range(2, 16) + Range(18, 22) + Boxes{26});
        QTest::newRow("NT unselect all") << "FrmNTBooks" << Boxes{} << QStringList{"CmdSelectAll", "CmdUnselectAll"}
                                         << Boxes{};
        QTest::newRow("detailed poetry") << "FrmOTDetailed" << Boxes{} << QStringList{"CmdPoetry"} << Boxes{20, 21};
        QTest::newRow("detailed major prophets without Lamentations")
            << "FrmOTDetailed" << Boxes{} << QStringList{"CmdMajorProphets"} << Boxes{22, 23, 25, 26};
        QTest::newRow("detailed select all")
            << "FrmOTDetailed" << Boxes{} << QStringList{"CmdNTSelectAll"}
            << (Range(0, 16) + Boxes{20, 21, 22, 23, 25, 26});
        QTest::newRow("simplified poetry") << "FrmOTSimplified" << Boxes{} << QStringList{"CmdPoetry"}
                                           << Range(17, 21);
        QTest::newRow("simplified minor prophets skip Obadiah")
            << "FrmOTSimplified" << Boxes{} << QStringList{"CmdMinorProphets"} << (Range(27, 29) + Range(31, 38));
        QTest::newRow("simplified select all leaves Lamentations")
            << "FrmOTSimplified" << Boxes{} << QStringList{"CmdNTSelectAll"} << (Range(0, 23) + Range(25, 29) + Range(31, 38));
        QTest::newRow("simplified unselect all clears Lamentations too")
            << "FrmOTSimplified" << Boxes{24} << QStringList{"CmdNTSelectAll", "CmdNTUnselectAll"} << Boxes{};
    }

    void groupButtons()
    {
        QFETCH(QString, window);
        QFETCH(Boxes, tickedByHand);
        QFETCH(QStringList, buttons);
        QFETCH(Boxes, ticked);
        const BookWindow& family = Family(window);
        AppFixture fixture(BookBank());
        QVERIFY(fixture.Start());
        fixture.Choose(family.menuEntry);
        for (const int index : tickedByHand)
            QTest::mouseClick(Box(family, index), Qt::LeftButton);
        for (const QString& button : buttons)
            AppFixture::Click(window, button);
        QCOMPARE(Ticked(family), ticked);
    }

    void minorProphetsGreyedOnDetailed()
    {
        AppFixture fixture(BookBank());
        QVERIFY(fixture.Start());
        fixture.Choose(Detailed.menuEntry);
        QVERIFY(!AppFixture::Find<QPushButton>(Detailed.name, "CmdMinorProphets")->isEnabled());
    }

    // The second direction: greyed for every quiz type but multiple choice
    // on the coupled windows; on the others a direction stays in force until
    // a direction option is clicked.
    void directionAndQuizType_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("coupled");
        QTest::newRow("NT") << "FrmNTBooks" << true;
        QTest::newRow("OT detailed") << "FrmOTDetailed" << true;
        QTest::newRow("OT simplified") << "FrmOTSimplified" << false;
    }

    void directionAndQuizType()
    {
        QFETCH(QString, window);
        QFETCH(bool, coupled);
        AppFixture fixture(BookBank());
        QVERIFY(fixture.Start());
        fixture.Choose(Family(window).menuEntry);
        AppFixture::Click(window, "OptFlip(1)");
        QVERIFY(Radio(window, "OptFlip(1)")->isChecked());
        AppFixture::Click(window, "OptQuiz(1)");
        QCOMPARE(Radio(window, "OptFlip(1)")->isChecked(), !coupled);
        QCOMPARE(Radio(window, "OptFlip(1)")->isEnabled(), !coupled);
        AppFixture::Click(window, "OptQuiz(2)");
        QCOMPARE(Radio(window, "OptFlip(1)")->isChecked(), !coupled);
        if (!coupled) {
            AppFixture::Click(window, "OptFlip(1)");
            QVERIFY(Radio(window, "OptFlip(0)")->isChecked());
        }
        AppFixture::Click(window, "OptQuiz(0)");
        QVERIFY(Radio(window, "OptFlip(1)")->isEnabled());
        QVERIFY(Radio(window, "OptFlip(0)")->isChecked());
    }

    // OK stops when no ticked box adds a clause, even a greyed box set
    // ticked behind the user's back.
    void okWithoutAClauseDoesNothing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Boxes>("ticked");
        QTest::newRow("NT, nothing") << "FrmNTBooks" << Boxes{};
        QTest::newRow("NT, Mark and Jude") << "FrmNTBooks" << Boxes{1, 25};
        QTest::newRow("detailed, nothing") << "FrmOTDetailed" << Boxes{};
        QTest::newRow("simplified, Obadiah") << "FrmOTSimplified" << Boxes{30};
    }

    void okWithoutAClauseDoesNothing()
    {
        QFETCH(QString, window);
        QFETCH(Boxes, ticked);
        const BookWindow& family = Family(window);
        AppFixture fixture(BookBank());
        QVERIFY(fixture.Start());
        fixture.Choose(family.menuEntry);
        for (const int index : ticked)
            Box(family, index)->setChecked(true);
        AppFixture::Click(window, "CmdOK");
        QVERIFY(AppFixture::Window(window));
        QVERIFY(fixture.app.MainWindow().QuizType.isEmpty());
        QCOMPARE(fixture.app.State().QuizFilter, std::string());
        QVERIFY(!AppFixture::Window("FrmFlashcard"));
        QVERIFY(fixture.prompter.messages.empty());
    }

    void okStartsTheQuiz_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("clicks"); // buttons and options, in order
        QTest::addColumn<Boxes>("ticked");
        QTest::addColumn<QString>("quizType");
        QTest::addColumn<bool>("flip");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("questions"); // of the flashcard quiz; -1 for another engine
        QTest::newRow("Phillippians is Philippians")
            << "FrmNTBooks" << QStringList{"OptQuiz(2)"} << Boxes{10, 0} << "Flashcard" << false
            << "Module = 'NTI'and (Book = 'Matthew' or Book = 'Philippians')" << 2;
        QTest::newRow("NT select all")
            << "FrmNTBooks" << QStringList{"CmdSelectAll", "OptQuiz(2)"} << Boxes{} << "Flashcard" << false
            << "Module = 'NTI'and (Book = 'Matthew' or Book = 'Luke' or Book = 'John' or Book = 'Acts' or "
               "Book = 'Romans' or Book = 'I Corinthians' or Book = 'II Corinthians' or Book = 'Galatians' or "
               "Book = 'Ephesians' or Book = 'Philippians' or Book = 'Colossians' or Book = 'I Thessalonians' or "
               "Book = 'II Thessalonians' or Book = 'I Timothy' or Book = 'II Timothy' or Book = 'Titus' or "
               "Book = 'Hebrews' or Book = 'James' or Book = 'I Peter' or Book = 'II Peter' or Book = 'I John' or "
               "Book = 'Revelation')"
            << 3;
        QTest::newRow("NT short answer")
            << "FrmNTBooks" << QStringList{"OptQuiz(3)"} << Boxes{26} << "SA" << false
            << "Module = 'NTI'and (Book = 'Revelation')" << -1;
        QTest::newRow("detailed, reverse multiple choice")
            << "FrmOTDetailed" << QStringList{"OptFlip(1)"} << Boxes{21, 13} << "MC" << true
            << "Module = 'OT Chapter Content: Detailed'and (Book = 'II Chronicles' or Book = 'song of solomon')" << -1;
        QTest::newRow("detailed, lower-case Genesis")
            << "FrmOTDetailed" << QStringList{"OptQuiz(2)"} << Boxes{0} << "Flashcard" << false
            << "Module = 'OT Chapter Content: Detailed'and (Book = 'genesis')" << 2;
        QTest::newRow("simplified, Lamentations alone")
            << "FrmOTSimplified" << QStringList{"OptQuiz(2)"} << Boxes{24} << "Flashcard" << false
            << "Module = 'OT Chapter Content: Simplified'and (Book = 'lamentations')" << 1;
        QTest::newRow("simplified, reverse order kept under true/false")
            << "FrmOTSimplified" << QStringList{"OptFlip(1)", "OptQuiz(1)"} << Boxes{18, 38} << "TF" << true
            << "Module = 'OT Chapter Content: Simplified'and (Book = 'psalms' or Book = 'malachi')" << -1;
    }

    void okStartsTheQuiz()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, clicks);
        QFETCH(Boxes, ticked);
        QFETCH(QString, quizType);
        QFETCH(bool, flip);
        QFETCH(QString, filter);
        QFETCH(int, questions);
        const BookWindow& family = Family(window);
        AppFixture fixture(BookBank());
        QVERIFY(fixture.Start());
        fixture.Choose(family.menuEntry);
        for (const int index : ticked)
            QTest::mouseClick(Box(family, index), Qt::LeftButton);
        for (const QString& control : clicks)
            AppFixture::Click(window, control);
        // A language quiz elsewhere changed the fonts since the window opened.
        ModLanguages(fixture.app.State()).SetHebrewToFrenchFonts();
        QTest::keyClick(AppFixture::Window(window), Qt::Key_Return);

        QVERIFY(!AppFixture::Window(window));
        QCOMPARE(fixture.app.MainWindow().QuizType, quizType);
        QCOMPARE(fixture.app.State().Flip, flip);
        QCOMPARE(QString::fromStdString(fixture.app.State().QuizFilter), filter);
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

    // Only the New Testament window brings the main window back as it unloads.
    void unloadShowsTheMainWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("mainShown");
        QTest::newRow("NT") << "FrmNTBooks" << true;
        QTest::newRow("OT detailed") << "FrmOTDetailed" << false;
        QTest::newRow("OT simplified") << "FrmOTSimplified" << false;
    }

    void unloadShowsTheMainWindow()
    {
        QFETCH(QString, window);
        QFETCH(bool, mainShown);
        AppFixture fixture(BookBank());
        QVERIFY(fixture.Start());
        fixture.Choose(Family(window).menuEntry);
        QTest::mouseClick(Box(Family(window), 3), Qt::LeftButton);
        fixture.app.MainWindow().hide();
        QTest::keyClick(AppFixture::Window(window), Qt::Key_Escape);
        QVERIFY(!AppFixture::Window(window));
        QCOMPARE(fixture.app.MainWindow().isVisible(), mainShown);
        fixture.Choose(Family(window).menuEntry);
        QCOMPARE(Ticked(Family(window)), Boxes());
    }

    // A window without an unload step starts its quiz even when the main
    // window was closed meanwhile: it is replaced by the quiz, not the last
    // window left.
    void quizStartsAfterTheMainWindowClosed()
    {
        AppFixture fixture(BookBank());
        QVERIFY(fixture.Start());
        fixture.Choose(Simplified.menuEntry);
        fixture.app.MainWindow().close();
        QTest::mouseClick(Box(Simplified, 0), Qt::LeftButton);
        AppFixture::Click(Simplified.name, "OptQuiz(2)");
        AppFixture::Click(Simplified.name, "CmdOK");
        QCOMPARE(fixture.programEnds, 0);
        QVERIFY(AppFixture::Window("FrmFlashcard"));
    }
};

LUMENARY_GUI_TEST_MAIN(TestBookWindows)

#include "tst_bookwindows.moc"
