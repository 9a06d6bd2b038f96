// SPDX-License-Identifier: GPL-3.0-or-later
// Every selection window on the real program, one row per window: its design
// state, group buttons, direction and quiz-type coupling, the quiz its OK
// starts (on the exact filter, in the right fonts) and what unloading does.

#include "AppFixture.h"
#include "FontResolver.h"
#include "ModLanguages.h"
#include "Session.h"

#include <QFontInfo>
#include <QPushButton>

using namespace lumenary;
using lumenary::test::AppFixture;
using Indexes = QList<int>;

namespace {

struct Window {
    const char* name;
    const char* menu;
    const char* keys; // on the main window
    const char* box;  // the control array of its boxes or module options
    int first;
    int last;
    const char* ok;
};

constexpr Window Windows[] = {
    {"FrmNTUnits", "MnuNTCCUnits", "Shift+F5", "ChkUnit", 1, 13, "CmdOK"},
    {"FrmSysTheo", "MnuSysTheo", "F11", "ChkUnit", 1, 10, "CmdOK"},
    {"FrmNTBooks", "MnuNTCCBooks", "F5", "ChkNTB", 0, 26, "CmdOK"},
    {"FrmOTDetailed", "MnuOTCCDetailed", "F7", "ChkOTD", 0, 38, "CmdOK"},
    {"FrmOTSimplified", "OTCCSimplified", "Shift+F7", "ChkOTS", 0, 38, "CmdOK"},
    {"FrmNTHistory", "MnuNTHistory", "", "Option", 0, 0, "CmdOK"},
    {"FrmKings", "MnuOTHistory", "F8", "Option", 0, 0, "CmdOK"},
    {"FrmChurchMusic", "MnuChurchMusic", "F2", "Option", 0, 1, "CmdOK"},
    {"FrmTheology", "MnuTheology", "F12", "Option", 0, 3, "CmdOK"},
    {"FrmChurchHistory", "MnuChurchHistory", "F1", "Option", 0, 9, "CmdOK"},
    {"FrmNTI", "MnuNTI", "F6", "Option", 0, 11, "CmdOK"},
    {"FrmOTI", "MnuOTI", "F9", "Option", 0, 6, "CmdOK"},
    {"FrmGreek", "mnuGreek", "F3", "ChkGrk", 0, 18, "CmdGrkOK"},
    {"FrmHebrew", "MnuHebrew", "F4", "ChkHeb", 0, 40, "CmdHebOK"},
    {"FrmGreekPPET", "mnuGreekEPPT", "", "ChkPP", 1, 43, "CmdOK"},
    {"FrmGreekPPIT", "mnuGreekIPPT", "", "ChkPP", 1, 33, "CmdOK"},
    {"FrmGreekPPEV", "mnuGreekPP", "Shift+F3", "ChkPP", 1, 43, "CmdOK"},
    {"FrmGreekPPIV", "MnuGreekPPIV", "Ctrl+F3", "ChkPP", 1, 33, "CmdOK"},
};

const Window& Of(const QString& name)
{
    return *std::ranges::find_if(Windows, [&](const Window& window) { return name == window.name; });
}

QString Indexed(const QString& control, int index)
{
    return QStringLiteral("%1(%2)").arg(control).arg(index);
}

QAbstractButton* Button(const QString& window, const QString& name)
{
    return AppFixture::Find<QAbstractButton>(window, name);
}

QAbstractButton* Box(const QString& window, int index)
{
    return Button(window, Indexed(Of(window).box, index));
}

Indexes Ticked(const QString& window)
{
    Indexes ticked;
    for (int index = Of(window).first; index <= Of(window).last; ++index)
        if (Box(window, index)->isChecked())
            ticked << index;
    return ticked;
}

// "0 2-16 26": box indexes, a range counting both its ends.
Indexes Boxes(const QString& text)
{
    Indexes indexes;
    for (const QString& part : text.split(' ', Qt::SkipEmptyParts))
        for (int index = part.section('-', 0, 0).toInt(); index <= part.section('-', -1).toInt(); ++index)
            indexes << index;
    return indexes;
}

// Questions for every kind of choice, beside records no choice may select:
// units and categories of their own, one per book a book filter names, two
// per module an option names, and in the principal parts a "Future" and a
// present form per section (none in irregular section 33).
std::vector<BankQuestion> Bank()
{
    std::vector<BankQuestion> questions;
    const auto add = [&](std::int64_t id, const std::string& module, std::optional<std::int64_t> category,
                         std::optional<std::string> book = {}, std::optional<std::string> theme = {}) {
        questions.push_back(test::Question(id, module, category, std::move(book), std::move(theme)));
        questions.back().french = "French " + std::to_string(id);
    };
    for (int unit = 1; unit <= 13; ++unit)
        add(unit, "NTI", unit);
    for (int unit = 1; unit <= 10; ++unit)
        add(100 + unit, "Systematic Theology", unit);
    std::int64_t id = 200;
    for (const auto& [module, books] : std::initializer_list<std::pair<const char*, std::vector<const char*>>>{
             {"NTI", {"Matthew", "Mark", "Philippians", "Phillippians", "Revelation", "Jude"}},
             {"OT Chapter Content: Detailed",
              {"genesis", "Genesis", "song of solomon", "II Chronicles", "lamentations"}},
             {"OT Chapter Content: Simplified", {"genesis", "psalms", "lamentations", "obadiah", "malachi"}},
             {"Church Fathers: Writings", {"", ""}},
             {"Devotional Commentaries", {"", ""}},
             {"19th Century American Theology", {"", ""}},
             {"Baptist History IV", {"", ""}}})
        for (const char* book : books)
            add(id++, module, 0, book);
    for (int category = 0; category <= 40; ++category) {
        if (category <= 18)
            add(1000 + category, "Greek", category, {}, "na");
        add(1100 + category, "Hebrew", category, {}, "na");
    }
    add(1150, "Hebrew", 7, {}, "qal");
    add(1151, "Hebrew", 7, {}, "pual");
    add(1152, "Hebrew", 8, {}, "hophal");
    for (int category = 1; category <= 43; ++category)
        for (const auto& [offset, theme] : {std::pair{1200, "Future"}, std::pair{1300, "Present"}}) {
            add(offset + category, "Greek Elementary Principal Parts", category, {}, theme);
            if (category <= 32)
                add(offset + 200 + category, "Greek Irregular Principal Parts", category, {}, theme);
        }
    return questions;
}

void Open(AppFixture& fixture, const QString& window)
{
    fixture.Choose(Of(window).menu);
    QVERIFY2(AppFixture::Window(window), qPrintable(window));
}

} // namespace

class TestSelectionWindows : public QObject {
    Q_OBJECT

private slots:
    // A window's key on the main window, or its menu entry, opens it beside
    // the main window, small enough for 1366 by 768 at 125 %, less a title
    // bar and a panel.
    void opensAndFitsASmallScreen_data()
    {
        QTest::addColumn<QString>("window");
        for (const auto& window : Windows)
            QTest::newRow(window.name) << window.name;
    }

    void opensAndFitsASmallScreen()
    {
        QFETCH(QString, window);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        auto& main = fixture.app.MainWindow();
        QApplication::setActiveWindow(&main);
        QVERIFY(QTest::qWaitForWindowActive(&main));
        if (*Of(window).keys)
            QTest::keySequence(&main, QKeySequence(Of(window).keys));
        else
            fixture.Choose(Of(window).menu);
        QVERIFY(AppFixture::Window(window));
        QVERIFY(main.isVisible());
        const QSize size = AppFixture::Window(window)->size() * 1.25;
        QVERIFY2(size.width() <= 1366 && size.height() <= 768 - 80, qPrintable(QString("%1x%2 at 125 %")
                                                                              .arg(size.width())
                                                                              .arg(size.height())));
    }

    // As opened: nothing ticked but the default module option, the default
    // quiz type and direction, OK the default button, greyed boxes that stay
    // clear under the mouse and the keyboard, and boxes running in columns.
    void designState_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("quizTypes");
        QTest::addColumn<int>("quiz");
        QTest::addColumn<int>("flip"); // -1: no direction offered
        QTest::addColumn<QString>("greyed");
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QString>("themes");  // "ChkHebTheme 7": that many theme boxes, ticked
        QTest::addColumn<QString>("columns"); // the boxes of each column, left to right
        QTest::addColumn<QString>("text");    // "control|text" a user reads on it
        const char* const nt = "Carrow New Testament Chapter Content";
        const char* const ot = "0-9|10-19|20-29|30-38";
        const struct {
            const char *window, *title;
            int quizTypes, quiz, flip;
            const char *greyed, *ticked, *themes, *columns, *text;
        } rows[] = {
            {"FrmNTUnits", nt, 4, 0, 0, "", "", "", "", ""},
            {"FrmSysTheo", "Systematic Theology", 3, 0, 1, "", "", "", "", "OptQuiz(0)|Multiple Choice"},
            {"FrmNTBooks", nt, 4, 0, 0, "1 17 23-25", "", "", "0-8|9-17|18-26", 
             "LblInstructions|Select the books of the Bible to include in your quiz"},
            {"FrmOTDetailed", "Old Testament Chapter Content (Detailed)", 4, 0, 0, "17-19 24 27-38", "", "", ot,
             "Label1|Select the books of the Bible to include in your quiz"},
            {"FrmOTSimplified", "Old Testament Chapter Content (Simplified)", 3, 0, 0, "30", "", "", ot, ""},
            {"FrmNTHistory", "New Testament History", 3, 0, 1, "", "0", "", "", ""},
            {"FrmChurchMusic", "Church Music", 3, 0, 0, "", "1", "", "", ""},
            {"FrmChurchHistory", "Church History", 3, 0, 1, "", "9", "", "", ""},
            {"FrmNTI", "New Testament Introduction", 3, 0, 0, "3-5", "10", "", "",
             "LblInstructions|Select the unit you wish to quiz"},
            {"FrmGreek", "", 3, 2, 1, "", "", "", "", ""},
            {"FrmHebrew", "", 3, 0, 1, "", "", "ChkHebTheme 7", "", ""},
            {"FrmGreekPPET", "", 3, 2, -1, "", "", "", "", ""},
            {"FrmGreekPPIV", "", 3, 2, 0, "", "", "ChkGreekTense 5", "", ""},
        };
        for (const auto& row : rows)
            QTest::newRow(row.window) << row.window << row.title << row.quizTypes << row.quiz << row.flip << row.greyed
                                      << row.ticked << row.themes << row.columns << row.text;
    }

    void designState()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(int, quizTypes);
        QFETCH(int, quiz);
        QFETCH(int, flip);
        QFETCH(QString, greyed);
        QFETCH(QString, ticked);
        QFETCH(QString, themes);
        QFETCH(QString, columns);
        QFETCH(QString, text);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        ModLanguages(fixture.app.State()).SetHebrewToFrenchFonts();
        Open(fixture, window);
        const bool language = window == "FrmHebrew" || window.startsWith("FrmGreek");
        QCOMPARE(fixture.app.State().UseFrench, language); // only their OK sets the fonts
        QWidget* shown = AppFixture::Window(window);
        if (!title.isEmpty())
            QCOMPARE(shown->windowTitle(), title);
        QVERIFY(!Box(window, Of(window).first - 1) && !Box(window, Of(window).last + 1));
        QCOMPARE(Ticked(window), Boxes(ticked));
        const QString themeBox = themes.section(' ', 0, 0);
        const int themeCount = themes.section(' ', 1).toInt();
        for (int index = 0; index < themeCount; ++index)
            QVERIFY(Button(window, Indexed(themeBox, index))->isChecked());
        QVERIFY(themes.isEmpty() || !Button(window, Indexed(themeBox, themeCount)));
        QVERIFY(Button(window, Indexed("OptQuiz", quiz))->isChecked());
        QVERIFY(Button(window, Indexed("OptQuiz", quizTypes - 1)) && !Button(window, Indexed("OptQuiz", quizTypes)));
        QCOMPARE(Button(window, Indexed("OptFlip", std::max(flip, 0))) != nullptr, flip >= 0);
        QVERIFY(flip < 0 || Button(window, Indexed("OptFlip", flip))->isChecked());
        QVERIFY(AppFixture::Find<QPushButton>(window, Of(window).ok)->isDefault());
        if (!text.isEmpty()) {
            const QString control = text.section('|', 0, 0);
            const auto* label = AppFixture::Find<QLabel>(window, control);
            QCOMPARE(label ? label->text() : Button(window, control)->text(), text.section('|', 1));
        }

        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        for (int index = Of(window).first; index <= Of(window).last; ++index) {
            auto* box = Box(window, index);
            QCOMPARE(box->isEnabled(), !Boxes(greyed).contains(index));
            if (box->isEnabled())
                continue;
            QTest::mouseClick(box, Qt::LeftButton);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
        }
        QCOMPARE(Ticked(window), Boxes(ticked));
        if (window == "FrmOTDetailed")
            QVERIFY(!Button(window, "CmdMinorProphets")->isEnabled());

        // Each column runs down in index order; the columns run left to right.
        shown->resize(shown->sizeHint());
        QApplication::processEvents();
        int previousLeft = -1;
        for (const QString& boxes : columns.split('|', Qt::SkipEmptyParts)) {
            const Indexes column = Boxes(boxes);
            const int left = Box(window, column.first())->geometry().left();
            QVERIFY(left > previousLeft);
            int previousTop = -1;
            for (const int index : column) {
                QCOMPARE(Box(window, index)->geometry().left(), left);
                QVERIFY(Box(window, index)->geometry().top() > previousTop);
                previousTop = Box(window, index)->geometry().top();
            }
            previousLeft = left;
        }
        AppFixture::Snapshot(shown, window);
    }

    // Group buttons tick and never clear; Select All ticks only enabled boxes.
    void groupButtons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("byHand");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("ticked");
        const char* const rows[][4] = {
            // window, boxes ticked by hand, buttons clicked, boxes then ticked
            {"FrmNTUnits", "", "CmdUnits(3)", "1-5"},
            {"FrmNTUnits", "", "CmdUnits(6) CmdUnits(1)", "1-13"},
            {"FrmNTUnits", "", "CmdSelectAll CmdUnselectAll", ""},
            {"FrmSysTheo", "", "CmdUnits(2) CmdUnits(1) CmdSTUnselectAll", ""},
            {"FrmNTBooks", "26", "CmdHistory", "4 26"},
            {"FrmNTBooks", "", "CmdProphecy CmdSelectAll", "0 2-16 18-22 26"},
            {"FrmOTDetailed", "", "CmdNTSelectAll", "0-16 20-23 25 26"},
            {"FrmOTSimplified", "24", "CmdNTSelectAll CmdNTUnselectAll", ""},
            {"FrmGreek", "", "CmdGrkNouns CmdGrkFunctionWords CmdGrkSecondSemester", "0-2 6-18"},
            {"FrmGreek", "3 17", "CmdGrkUnselectAll", ""},
            {"FrmHebrew", "40", "CmdHebFunctionWords CmdHebVerbs", "0-22 40"},
            {"FrmHebrew", "", "CmdHebNouns CmdHebSelectAll", "0-40"},
            {"FrmGreekPPEV", "", "CmdSectionThree CmdSectionOne", "1-14 29-43"},
            {"FrmGreekPPIT", "33", "CmdSectionTwo", "15-28 33"},
            {"FrmGreekPPIV", "", "CmdSelectAll CmdUnselectAll", ""},
        };
        for (const auto& [window, byHand, buttons, ticked] : rows)
            QTest::addRow("%s: %s %s", window, byHand, buttons)
                << window << byHand << QString(buttons).split(' ') << ticked;
    }

    void groupButtons()
    {
        QFETCH(QString, window);
        QFETCH(QString, byHand);
        QFETCH(QStringList, buttons);
        QFETCH(QString, ticked);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        Open(fixture, window);
        for (const int index : Boxes(byHand))
            QTest::mouseClick(Box(window, index), Qt::LeftButton);
        for (const QString& button : buttons)
            AppFixture::Click(window, button);
        QCOMPARE(Ticked(window), Boxes(ticked));
    }

    // Coupled windows grey the second direction for every quiz type but
    // multiple choice; on the others a direction stays in force until a
    // direction option is clicked, and OK keeps it.
    void directionRule_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("coupled");
        QTest::newRow("NT units") << "FrmNTUnits" << true;
        QTest::newRow("systematic theology") << "FrmSysTheo" << false;
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
        for (const char* quiz : {"OptQuiz(1)", "OptQuiz(2)"}) {
            AppFixture::Click(window, quiz);
            QCOMPARE(Button(window, "OptFlip(1)")->isChecked(), !coupled);
            QCOMPARE(Button(window, "OptFlip(1)")->isEnabled(), !coupled);
        }
        if (!coupled) {
            AppFixture::Click(window, "OptFlip(1)");
            QVERIFY(Button(window, "OptFlip(0)")->isChecked());
        }
        AppFixture::Click(window, "OptQuiz(0)");
        QVERIFY(Button(window, "OptFlip(1)")->isEnabled());
        QVERIFY(Button(window, "OptFlip(0)")->isChecked());
        AppFixture::Click(window, "OptFlip(1)");
        AppFixture::Click(window, "OptQuiz(2)");
        Box(window, Of(window).last)->setChecked(true);
        AppFixture::Click(window, "CmdOK");
        QCOMPARE(fixture.app.State().Flip, !coupled);
    }

    // Enter presses OK: the quiz on the exact filter, in the chosen direction
    // and in the fonts of the window's subject, whatever a quiz before left.
    void okStartsTheQuiz_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("ticked"); // first; greyed boxes too, behind the user's back
        QTest::addColumn<QStringList>("clicks"); // then these
        QTest::addColumn<QString>("quizWindow"); // empty: no quiz starts
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("flip");
        // Flashcards: the fonts (English, Greek, Hebrew) and the starts of
        // question and answer. "-": the tense quiz, which leaves them alone.
        QTest::addColumn<QString>("sides");
        const struct {
            const char *name, *window, *ticked, *clicks, *quizWindow;
            QString filter;
            int questions;
            bool flip;
            const char* sides;
        } rows[] = {
            {"nothing ticked", "FrmNTUnits", "", "", "", "", 0, false, ""},
            {"only greyed books", "FrmOTSimplified", "30", "", "", "", 0, false, ""},
            {"Greek, nothing ticked", "FrmGreek", "", "", "", "", 0, false, ""},
            {"Hebrew, stems cleared", "FrmHebrew", "", "CmdHebThemesClear", "", "", 0, false, ""},
            {"parts, tenses cleared", "FrmGreekPPEV", "", "CmdGreekTensesClear", "", "", 0, false, ""},
            {"tenses, nothing ticked", "FrmGreekPPET", "", "", "", "", 0, false, ""},
            {"NT units 3, 7, 12", "FrmNTUnits", "12 3 7", "OptQuiz(2)", "FrmFlashcard",
             "Module = 'NTI'and (Category= 3 or Category= 7 or Category= 12)", 3, false, "EE Prompt Answer"},
            {"theology 10, reverse kept", "FrmSysTheo", "10", "OptQuiz(2)", "FrmFlashcard",
             "Module = 'Systematic Theology'and (Category= 10)", 1, true, "EE Answer Prompt"},
            {"theology, true/false", "FrmSysTheo", "1", "OptQuiz(1)", "FrmTF",
             "Module = 'Systematic Theology'and (Category= 1)", 1, true, ""},
            {"Phillippians is Philippians", "FrmNTBooks", "10 0", "OptQuiz(2)", "FrmFlashcard",
             "Module = 'NTI'and (Book = 'Matthew' or Book = 'Philippians')", 2, false, "EE Prompt Answer"},
            {"NT short answer", "FrmNTBooks", "26", "OptQuiz(3)", "FrmSA", "Module = 'NTI'and (Book = 'Revelation')", 1,
             false, ""},
            {"detailed, reverse multiple choice", "FrmOTDetailed", "21 13", "OptFlip(1)", "FrmMC",
             "Module = 'OT Chapter Content: Detailed'and (Book = 'II Chronicles' or Book = 'song of solomon')", 2, true,
             ""},
            {"detailed, lower-case Genesis", "FrmOTDetailed", "0", "OptQuiz(2)", "FrmFlashcard",
             "Module = 'OT Chapter Content: Detailed'and (Book = 'genesis')", 2, false, "EE Prompt Answer"},
            {"simplified, Lamentations alone", "FrmOTSimplified", "24", "OptQuiz(2)", "FrmFlashcard",
             "Module = 'OT Chapter Content: Simplified'and (Book = 'lamentations')", 1, false, "EE Prompt Answer"},
            {"simplified, reverse order kept under true/false", "FrmOTSimplified", "18 38", "OptFlip(1) OptQuiz(1)",
             "FrmTF", "Module = 'OT Chapter Content: Simplified'and (Book = 'psalms' or Book = 'malachi')", 2, true,
             ""},
            {"church history as opened", "FrmChurchHistory", "", "", "FrmMC", "Module = 'Baptist History IV'", 2, true,
             ""},
            {"apostolic writings", "FrmChurchHistory", "1", "OptQuiz(2) OptFlip(1)", "FrmFlashcard",
             "Module = 'Church Fathers: Writings'", 2, false, "EE Prompt Answer"},
            {"caption with a trailing space", "FrmNTI", "0", "OptQuiz(2)", "FrmFlashcard",
             "Module = 'Devotional Commentaries'", 2, false, "EE Prompt Answer"},
            {"abbreviated caption, direction chosen under multiple choice", "FrmTheology", "3", "OptFlip(1) OptQuiz(2)",
             "FrmFlashcard", "Module = '19th Century American Theology'", 2, true, "EE Answer Prompt"},
            {"Greek 0 and 11, Greek to English", "FrmGreek", "11 0", "OptQuiz(2)", "FrmFlashcard",
             "Module = 'Greek'and (Category= 0 or Category= 11)", 2, true, "GE Answer Prompt"},
            {"Greek, English to Greek", "FrmGreek", "5 18", "OptQuiz(2) OptFlip(0)", "FrmFlashcard",
             "Module = 'Greek'and (Category= 5 or Category= 18)", 2, false, "EG Prompt Answer"},
            {"Hebrew, Pu'al and Hoph'al left out", "FrmHebrew", "7 8", "OptQuiz(2) ChkHebTheme(3) ChkHebTheme(6)",
             "FrmFlashcard",
             "Module = 'Hebrew'and (Category= 7 or Category= 8) and (Theme Not In ('pual','hophal'))", 3,
             true, "HE Answer Prompt"},
            {"Hebrew, every stem left out, English to Hebrew", "FrmHebrew", "7 8",
             "OptQuiz(2) CmdHebThemesClear OptFlip(0)", "FrmFlashcard",
             "Module = 'Hebrew'and (Category= 7 or Category= 8) and (Theme Not In "
             "('qal','niphal','piel','pual','hithpael','hiphil','hophal'))",
             2, false, "EH Prompt Answer"},
            {"Hebrew, stems cleared and ticked again, French to Hebrew", "FrmHebrew", "7",
             "OptQuiz(2) CmdHebThemesClear CmdHebThemesAll OptFlip(2)", "FrmFlashcard",
             "Module = 'Hebrew'and (Category= 7)", 3, false, "EH French Answer"},
            {"Hebrew to French", "FrmHebrew", "40", "OptQuiz(2) OptFlip(3)", "FrmFlashcard",
             "Module = 'Hebrew'and (Category= 40)", 1, true, "HE Answer French"},
            {"irregular boxes captioned 2 and 63, tenses ticked again", "FrmGreekPPIV", "1 33",
             "OptQuiz(2) ChkGreekTense(2) CmdGreekTensesAll", "FrmFlashcard",
             "Module = 'Greek Irregular Principal Parts'and (Category= 1 or Category= 33)", 2, false,
             "GG Prompt Answer"},
            {"elementary, every tense left out, conjugation first", "FrmGreekPPEV", "43",
             "OptQuiz(2) CmdGreekTensesClear OptFlip(1)", "FrmFlashcard",
             "Module = 'Greek Elementary Principal Parts'and (Category= 43) and (Theme Not In "
             "('Future','Aorist Active','Aorist Passive','Perfect Active','Perfect Passive'))",
             1, true, "GG Answer Prompt"},
            // The tense windows start the tense quiz whatever quiz type is
            // ticked, and leave the quiz type, the direction and the fonts alone.
            {"elementary tenses, multiple choice ticked", "FrmGreekPPET", "1", "OptQuiz(0)", "FrmMCGrk",
             "Module = 'Greek Elementary Principal Parts'and (Category= 1)", 2, false, "-"},
            {"irregular tenses, true/false ticked", "FrmGreekPPIT", "2", "OptQuiz(1)", "FrmMCGrk",
             "Module = 'Greek Irregular Principal Parts'and (Category= 2)", 2, false, "-"},
            {"tenses on an empty pool", "FrmGreekPPIT", "33", "", "",
             "Module = 'Greek Irregular Principal Parts'and (Category= 33)", 0, false, "-"},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.window << row.ticked << QString(row.clicks).split(' ', Qt::SkipEmptyParts)
                                    << row.quizWindow << row.filter << row.questions << row.flip << row.sides;
    }

    void okStartsTheQuiz()
    {
        QFETCH(QString, window);
        QFETCH(QString, ticked);
        QFETCH(QStringList, clicks);
        QFETCH(QString, quizWindow);
        QFETCH(QString, filter);
        QFETCH(int, questions);
        QFETCH(bool, flip);
        QFETCH(QString, sides);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        Open(fixture, window);
        for (const int index : Boxes(ticked))
            Box(window, index)->setChecked(true);
        for (const QString& control : clicks)
            AppFixture::Click(window, control);
        ModLanguages(fixture.app.State()).SetHebrewToFrenchFonts(); // as a language quiz before would
        QTest::keyClick(AppFixture::Window(window), Qt::Key_Return);

        const Session& state = fixture.app.State();
        QCOMPARE(QString::fromStdString(state.QuizFilter), filter);
        for (const char* quiz : {"FrmFlashcard", "FrmMC", "FrmTF", "FrmSA", "FrmMCGrk"})
            QCOMPARE(AppFixture::Window(quiz) != nullptr, quizWindow == quiz);
        QCOMPARE(AppFixture::Window(window) != nullptr, filter.isEmpty()); // OK with no choice does nothing
        QCOMPARE(fixture.app.MainWindow().isVisible(), quizWindow.isEmpty());
        QCOMPARE(fixture.prompter.messages.size(), std::size_t(!filter.isEmpty() && quizWindow.isEmpty()));
        if (filter.isEmpty())
            return;
        QCOMPARE(state.QuestionCount, questions);
        QCOMPARE(state.UseFrench, sides == "-" || sides.contains("French"));
        if (sides == "-") {
            QVERIFY(fixture.app.MainWindow().QuizType.isEmpty());
            return;
        }
        QCOMPARE(state.Flip, flip);
        if (sides.isEmpty())
            return;
        const std::map<QChar, std::string> roles{{'E', EnglishFontRole}, {'G', GreekFontRole}, {'H', HebrewFontRole}};
        for (const auto& [label, role] :
             {std::pair{"LblQuestion", roles.at(sides[0])}, std::pair{"LblAnswer", roles.at(sides[1])}}) {
            const auto* shown = AppFixture::Find<QLabel>(quizWindow, label);
            const int size = role == EnglishFontRole ? 14 : 20;
            QCOMPARE(QFontInfo(shown->font()).family(), QFontInfo(ResolveFont(role, size)).family());
            QCOMPARE(shown->font().pointSize(), size);
        }
        QVERIFY(AppFixture::Text(quizWindow, "LblQuestion").startsWith(sides.section(' ', 1, 1)));
        AppFixture::Click(quizWindow, "CmdShowAnswer");
        QVERIFY(AppFixture::Text(quizWindow, "LblAnswer").startsWith(sides.section(' ', 2, 2)));
    }

    // Unloading brings the main window back only where the window says so,
    // and the next opening starts from the design state.
    void unload_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<bool>("mainShown");
        QTest::newRow("NT units, Esc") << "FrmNTUnits" << true << true;
        QTest::newRow("systematic theology") << "FrmSysTheo" << false << false;
        QTest::newRow("NT books") << "FrmNTBooks" << false << true;
        QTest::newRow("OT detailed") << "FrmOTDetailed" << false << false;
        QTest::newRow("church history") << "FrmChurchHistory" << false << true;
    }

    void unload()
    {
        QFETCH(QString, window);
        QFETCH(bool, escape);
        QFETCH(bool, mainShown);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        Open(fixture, window);
        const Indexes before = Ticked(window);
        QTest::mouseClick(Box(window, 3), Qt::LeftButton);
        fixture.app.MainWindow().hide();
        if (escape)
            QTest::keyClick(AppFixture::Window(window), Qt::Key_Escape);
        else
            AppFixture::Window(window)->close();
        QVERIFY(!AppFixture::Window(window));
        QCOMPARE(fixture.app.MainWindow().isVisible(), mainShown);
        Open(fixture, window);
        QCOMPARE(Ticked(window), before);
    }

    // The word list opens beside the selection window and stays open through the quiz.
    void showGreekWords_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("lastNumber");
        QTest::addColumn<QString>("lastWord");
        QTest::newRow("elementary tenses") << "FrmGreekPPET" << "FrmGrkEPP" << 43 << "ἀφίημι";
        QTest::newRow("irregular parts") << "FrmGreekPPIV" << "FrmGrkIPP" << 63 << "εὑρίσκω";
    }

    void showGreekWords()
    {
        QFETCH(QString, window);
        QFETCH(QString, list);
        QFETCH(int, lastNumber);
        QFETCH(QString, lastWord);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        Open(fixture, window);
        AppFixture::Click(window, "CmdShowGrk");
        QVERIFY(AppFixture::Window(window) && AppFixture::Window(list));
        const auto* word = AppFixture::Find<QLabel>(list, Indexed("LblGrk", lastNumber));
        QCOMPARE(word->text(), lastWord);
        QCOMPARE(QFontInfo(word->font()).family(), QFontInfo(ResolveFont(GreekFontRole, 14)).family());
        QCOMPARE(word->font().pointSize(), 14);
        QVERIFY(AppFixture::Find<QLabel>(list, Indexed("Lbl1", lastNumber))->font().bold());
        AppFixture::Snapshot(AppFixture::Window(list), list);

        AppFixture::Click(window, "CmdSelectAll");
        AppFixture::Click(window, "CmdOK");
        QVERIFY(!AppFixture::Window(window) && AppFixture::Window(list));
    }
};

LUMENARY_GUI_TEST_MAIN(TestSelectionWindows)

#include "tst_selectionwindows.moc"
