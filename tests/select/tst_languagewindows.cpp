// The Greek, Hebrew and principal-part selection windows and the Greek word
// lists on the real program; and, on a host that records, the order in which
// each window closes and starts its quiz.

#include "AppFixture.h"
#include "FontRoles.h"
#include "FrmGreek.h"
#include "FrmHebrew.h"
#include "ModCommonQuiz.h"
#include "ModLanguages.h"
#include "PrincipalPartsWindow.h"
#include "QuizContext.h"
#include "QuizHost.h"
#include "Session.h"
#include "WindowRegistry.h"

#include <QCheckBox>
#include <QRadioButton>

using namespace lumenary;
using lumenary::test::AppFixture;
using Boxes = std::vector<int>;

Q_DECLARE_METATYPE(Boxes)

namespace {

struct Family {
    const char* window;
    const char* menu;
    const char* box;
    int first;
    int last;
    const char* ok;
};

constexpr Family Families[] = {
    {"FrmGreek", "mnuGreek", "ChkGrk", 0, 18, "CmdGrkOK"},
    {"FrmHebrew", "MnuHebrew", "ChkHeb", 0, 40, "CmdHebOK"},
    {"FrmGreekPPET", "mnuGreekEPPT", "ChkPP", 1, 43, "CmdOK"},
    {"FrmGreekPPIT", "mnuGreekIPPT", "ChkPP", 1, 33, "CmdOK"},
    {"FrmGreekPPEV", "mnuGreekPP", "ChkPP", 1, 43, "CmdOK"},
    {"FrmGreekPPIV", "MnuGreekPPIV", "ChkPP", 1, 33, "CmdOK"},
};

const Family& FamilyOf(const QString& window)
{
    return *std::ranges::find_if(Families, [&](const Family& family) { return window == family.window; });
}

QString Indexed(const QString& control, int index)
{
    return QStringLiteral("%1(%2)").arg(control).arg(index);
}

QCheckBox* Box(const QString& window, int index)
{
    return AppFixture::Find<QCheckBox>(window, Indexed(FamilyOf(window).box, index));
}

Boxes Ticked(const QString& window)
{
    Boxes ticked;
    for (int index = FamilyOf(window).first; index <= FamilyOf(window).last; ++index)
        if (Box(window, index)->isChecked())
            ticked.push_back(index);
    return ticked;
}

Boxes Range(int first, int last, Boxes more = {})
{
    Boxes numbers;
    for (int number = first; number <= last; ++number)
        numbers.push_back(number);
    numbers.insert(numbers.end(), more.begin(), more.end());
    return numbers;
}

// One question per box; Hebrew units 7 and 8 also hold stems, every
// principal-part section a "Future" form and a present one.
std::vector<BankQuestion> LanguageBank()
{
    std::vector<BankQuestion> questions;
    const auto add = [&](std::int64_t id, const std::string& module, int category, const std::string& theme) {
        questions.push_back(test::Question(id, module, category, {}, theme));
        questions.back().french = "French " + std::to_string(id);
    };
    for (int category = 0; category <= 40; ++category) {
        if (category <= 18)
            add(1 + category, "Greek", category, "na");
        add(100 + category, "Hebrew", category, "na");
    }
    add(150, "Hebrew", 7, "qal");
    add(151, "Hebrew", 7, "pual");
    add(152, "Hebrew", 8, "hophal");
    for (int category = 1; category <= 43; ++category)
        for (const auto& [offset, theme] : {std::pair{200, "Future"}, std::pair{300, "Present"}}) {
            add(offset + category, "Greek Elementary Principal Parts", category, theme);
            if (category <= 33)
                add(offset + 200 + category, "Greek Irregular Principal Parts", category, theme);
        }
    return questions;
}

// Records the calls a selection window makes, and whether a selection
// window was still on screen at each ("BeginQuiz open").
class RecordingHost final : public QuizHost {
public:
    explicit RecordingHost(Session& session) : session_(session) {}
    void ShowMainWindow() override { calls << "ShowMainWindow"; }
    void EndProgram() override {}
    void SetQuizType(const QString& type) override { quizType = type; }
    void BeginQuiz() override { Record("BeginQuiz"); }
    void QuizSelected() override
    {
        Record("QuizSelected");
        session_.PoolReady = poolReady;
    }
    void StartGreekTenseQuiz() override
    {
        Record("StartGreekTenseQuiz");
        tenseQuizFilter = QString::fromStdString(session_.QuizFilter);
    }
    void MissedQuestionsFlashcard() override {}
    void MissedQuestionsSA() override {}
    void MissedQuestionsTrueFalse() override {}
    void MissedQuestionsMC() override {}
    void MissedQuestionsMCGreek() override {}

    bool poolReady = true;
    QString quizType;
    QStringList calls;
    QString tenseQuizFilter;

private:
    void Record(const QString& call)
    {
        const bool open = std::ranges::any_of(Families, [](const Family& family) { return AppFixture::Window(family.window); });
        calls << call + (open ? " open" : " closed");
    }

    Session& session_;
};

struct RecordedLaunch {
    template <class Window>
    void Open()
    {
        windows.Register<Window>([this] { return std::make_unique<Window>(context); });
        windows.Get<Window>().show();
    }

    Session session;
    test::RecordingPrompter prompter;
    test::SeededRandom random;
    ModCommonQuiz common{session, prompter, random};
    ModLanguages languages{session};
    WindowRegistry windows;
    RecordingHost host{session};
    QuizContext context{session, prompter, common, languages, windows, host};
};

} // namespace

class TestLanguageWindows : public QObject {
    Q_OBJECT

private slots:
    void designState_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("selectedQuiz");
        QTest::addColumn<int>("selectedOrder"); // -1: no direction offered
        QTest::addColumn<QString>("themeBox");   // ticked at opening
        QTest::addColumn<int>("themes");
        QTest::newRow("Greek") << "FrmGreek" << 2 << 1 << "" << 0;
        QTest::newRow("Hebrew") << "FrmHebrew" << 0 << 1 << "ChkHebTheme" << 7;
        QTest::newRow("elementary tenses") << "FrmGreekPPET" << 2 << -1 << "" << 0;
        QTest::newRow("irregular tenses") << "FrmGreekPPIT" << 2 << -1 << "" << 0;
        QTest::newRow("elementary parts") << "FrmGreekPPEV" << 2 << 0 << "ChkGreekTense" << 5;
        QTest::newRow("irregular parts") << "FrmGreekPPIV" << 2 << 0 << "ChkGreekTense" << 5;
    }

    void designState()
    {
        QFETCH(QString, window);
        QFETCH(int, selectedQuiz);
        QFETCH(int, selectedOrder);
        QFETCH(QString, themeBox);
        QFETCH(int, themes);
        const auto& family = FamilyOf(window);
        AppFixture fixture(LanguageBank());
        QVERIFY(fixture.Start());
        ModLanguages(fixture.app.State()).SetHebrewToFrenchFonts();
        fixture.Choose(family.menu);
        QVERIFY(fixture.app.State().UseFrench); // only OK sets the fonts
        QVERIFY(!Box(window, family.first - 1) && !Box(window, family.last + 1));
        QCOMPARE(Ticked(window), Boxes());
        for (int index = 0; index < themes; ++index)
            QVERIFY(AppFixture::Find<QCheckBox>(window, Indexed(themeBox, index))->isChecked());
        QVERIFY(!AppFixture::Find<QCheckBox>(window, Indexed(themeBox, themes)));
        QVERIFY(AppFixture::Find<QRadioButton>(window, Indexed("OptQuiz", selectedQuiz))->isChecked());
        QVERIFY(!AppFixture::Find<QRadioButton>(window, "OptQuiz(3)"));
        const auto* order = AppFixture::Find<QRadioButton>(window, Indexed("OptFlip", std::max(selectedOrder, 0)));
        QVERIFY(selectedOrder < 0 ? !order : order->isChecked());
        QVERIFY(AppFixture::Find<QPushButton>(window, family.ok)->isDefault());
        QVERIFY(AppFixture::Text(window, "Label4").contains("SIL International"));
        QVERIFY(AppFixture::Text(window, "LblGrkCarrow").contains("Carrow College"));
        AppFixture::Snapshot(AppFixture::Window(window), window);
    }

    void groupButtonsOnlyTick_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Boxes>("before");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<Boxes>("ticked");
        QTest::newRow("Greek verbs, 1st semester")
            << "FrmGreek" << Boxes{} << QStringList{"CmdGrkVerbs", "CmdGrkFirstSemester"} << Range(0, 14);
        QTest::newRow("Greek nouns, function words, 2nd semester")
            << "FrmGreek" << Boxes{} << QStringList{"CmdGrkNouns", "CmdGrkFunctionWords", "CmdGrkSecondSemester"}
            << Range(0, 2, Range(6, 18));
        QTest::newRow("Greek select all") << "FrmGreek" << Boxes{} << QStringList{"CmdGrkSelectAll"} << Range(0, 18);
        QTest::newRow("Greek unselect all") << "FrmGreek" << Boxes{3, 17} << QStringList{"CmdGrkUnselectAll"} << Boxes{};
        QTest::newRow("Hebrew 1st semester")
            << "FrmHebrew" << Boxes{} << QStringList{"CmdHebFirstSemester"} << Range(0, 13, Range(23, 29));
        QTest::newRow("Hebrew 2nd semester")
            << "FrmHebrew" << Boxes{} << QStringList{"CmdHebSecondSemester"} << Range(14, 16, Range(30, 34));
        QTest::newRow("Hebrew 3rd semester ticks 49-62 too")
            << "FrmHebrew" << Boxes{} << QStringList{"CmdHebThirdSemester"} << Range(6, 6, Range(17, 22, Range(35, 40)));
        QTest::newRow("Hebrew function words and verbs keep a noun")
            << "FrmHebrew" << Boxes{40} << QStringList{"CmdHebFunctionWords", "CmdHebVerbs"} << Range(0, 22, {40});
        QTest::newRow("Hebrew nouns, select all")
            << "FrmHebrew" << Boxes{} << QStringList{"CmdHebNouns", "CmdHebSelectAll"} << Range(0, 40);
        QTest::newRow("elementary sections three and one")
            << "FrmGreekPPEV" << Boxes{} << QStringList{"CmdSectionThree", "CmdSectionOne"} << Range(1, 14, Range(29, 43));
        QTest::newRow("elementary select all") << "FrmGreekPPET" << Boxes{} << QStringList{"CmdSelectAll"} << Range(1, 43);
        QTest::newRow("irregular section two keeps a box")
            << "FrmGreekPPIT" << Boxes{33} << QStringList{"CmdSectionTwo"} << Range(15, 28, {33});
        QTest::newRow("irregular select all") << "FrmGreekPPIV" << Boxes{} << QStringList{"CmdSelectAll"} << Range(1, 33);
        QTest::newRow("irregular unselect all") << "FrmGreekPPIV" << Range(1, 33) << QStringList{"CmdUnselectAll"} << Boxes{};
    }

    void groupButtonsOnlyTick()
    {
        QFETCH(QString, window);
        QFETCH(Boxes, before);
        QFETCH(QStringList, buttons);
        QFETCH(Boxes, ticked);
        AppFixture fixture(LanguageBank());
        QVERIFY(fixture.Start());
        fixture.Choose(FamilyOf(window).menu);
        for (const int index : before)
            Box(window, index)->setChecked(true);
        for (const auto& button : buttons)
            AppFixture::Click(window, button);
        QCOMPARE(Ticked(window), ticked);
    }

    void okWithNoUnitTickedDoesNothing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("themeClear"); // clearing themes ticks no unit
        for (const auto& family : Families)
            QTest::newRow(family.window) << family.window << "";
        QTest::newRow("Hebrew, stems cleared") << "FrmHebrew" << "CmdHebThemesClear";
        QTest::newRow("parts, tenses cleared") << "FrmGreekPPEV" << "CmdGreekTensesClear";
    }

    void okWithNoUnitTickedDoesNothing()
    {
        QFETCH(QString, window);
        QFETCH(QString, themeClear);
        AppFixture fixture(LanguageBank());
        QVERIFY(fixture.Start());
        fixture.Choose(FamilyOf(window).menu);
        if (!themeClear.isEmpty())
            AppFixture::Click(window, themeClear);
        AppFixture::Click(window, FamilyOf(window).ok);
        QVERIFY(AppFixture::Window(window));
        QVERIFY(fixture.app.MainWindow().QuizType.isEmpty());
        QCOMPARE(fixture.app.State().QuizFilter, std::string());
        QVERIFY(fixture.prompter.messages.empty());
    }

    // OK starts a flashcard quiz: the filter, the direction, and the fonts
    // and field of the card's question and answer.
    void okStartsTheQuiz_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Boxes>("units");
        QTest::addColumn<QStringList>("clicks"); // before OK
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("flip");
        QTest::addColumn<QString>("questionRole");
        QTest::addColumn<QString>("answerRole");
        QTest::addColumn<QString>("questionField"); // how the question's text starts
        const QString greek = GreekFontRole, hebrew = HebrewFontRole, english = EnglishFontRole;
        QTest::newRow("Greek 0 and 11, Greek to English")
            << "FrmGreek" << Boxes{11, 0} << QStringList{} << "Module = 'Greek'and (Category= 0 or Category= 11)" << 2
            << true << greek << english << "Answer";
        QString all = "Module = 'Greek'and (Category= 0";
        for (int category = 1; category <= 18; ++category)
            all += QStringLiteral(" or Category= %1").arg(category);
        QTest::newRow("Greek, all units, English to Greek")
            << "FrmGreek" << Range(0, 18) << QStringList{"OptFlip(0)"} << all + ")" << 19 << false << english << greek
            << "Prompt";
        QTest::newRow("Hebrew, Pu'al and Hoph'al left out")
            << "FrmHebrew" << Boxes{7, 8} << QStringList{"ChkHebTheme(3)", "ChkHebTheme(6)"}
            << "Module = 'Hebrew'and (Category= 7 or Category= 8) and (Theme Not In ('pual','hophal'))" << 3 << true
            << hebrew << english << "Answer";
        QTest::newRow("Hebrew, every stem left out, English to Hebrew")
            << "FrmHebrew" << Boxes{7, 8} << QStringList{"CmdHebThemesClear", "OptFlip(0)"}
            << "Module = 'Hebrew'and (Category= 7 or Category= 8) and (Theme Not In "
               "('qal','niphal','piel','pual','hithpael','hiphil','hophal'))"
            << 2 << false << english << hebrew << "Prompt";
        QTest::newRow("Hebrew, stems cleared and ticked again, French to Hebrew")
            << "FrmHebrew" << Boxes{7} << QStringList{"CmdHebThemesClear", "CmdHebThemesAll", "OptFlip(2)"}
            << "Module = 'Hebrew'and (Category= 7)" << 3 << false << english << hebrew << "French";
        QTest::newRow("Hebrew to French") << "FrmHebrew" << Boxes{40} << QStringList{"OptFlip(3)"}
                                          << "Module = 'Hebrew'and (Category= 40)" << 1 << true << hebrew << english
                                          << "Answer";
        QTest::newRow("irregular boxes captioned 2 and 63, tenses ticked again")
            << "FrmGreekPPIV" << Boxes{1, 33} << QStringList{"ChkGreekTense(2)", "CmdGreekTensesAll"}
            << "Module = 'Greek Irregular Principal Parts'and (Category= 1 or Category= 33)" << 4 << false << greek
            << greek << "Prompt";
        QTest::newRow("elementary, every tense left out, conjugation first")
            << "FrmGreekPPEV" << Boxes{43} << QStringList{"CmdGreekTensesClear", "OptFlip(1)"}
            << "Module = 'Greek Elementary Principal Parts'and (Category= 43) and (Theme Not In "
               "('Future','Aorist Active','Aorist Passive','Perfect Active','Perfect Passive'))"
            << 1 << true << greek << greek << "Answer";
    }

    void okStartsTheQuiz()
    {
        QFETCH(QString, window);
        QFETCH(Boxes, units);
        QFETCH(QStringList, clicks);
        QFETCH(QString, filter);
        QFETCH(int, questions);
        QFETCH(bool, flip);
        QFETCH(QString, questionRole);
        QFETCH(QString, answerRole);
        QFETCH(QString, questionField);
        AppFixture fixture(LanguageBank());
        QVERIFY(fixture.Start());
        fixture.Choose(FamilyOf(window).menu);
        for (const int unit : units)
            Box(window, unit)->setChecked(true);
        for (const auto& control : QStringList{"OptQuiz(2)"} + clicks)
            AppFixture::Click(window, control);
        QTest::keyClick(AppFixture::Window(window), Qt::Key_Return);

        const Session& state = fixture.app.State();
        QCOMPARE(QString::fromStdString(state.QuizFilter), filter);
        QCOMPARE(fixture.app.MainWindow().QuizType, QString("Flashcard"));
        QCOMPARE(state.Flip, flip);
        QCOMPARE(state.QuestionCount, questions);
        QVERIFY(!AppFixture::Window(window));
        for (const auto& [label, role] : {std::pair{"LblQuestion", questionRole}, std::pair{"LblAnswer", answerRole}}) {
            const auto* shown = AppFixture::Find<QLabel>("FrmFlashcard", label);
            QVERIFY(shown);
            const int size = role == EnglishFontRole ? 14 : 20;
            QCOMPARE(QFontInfo(shown->font()).family(), QFontInfo(ResolveFont(role.toStdString(), size)).family());
            QCOMPARE(shown->font().pointSize(), size);
        }
        QVERIFY(AppFixture::Text("FrmFlashcard", "LblQuestion").startsWith(questionField));
    }

    // The Greek window begins the quiz and then closes, the others close
    // first. The tense windows start the tense quiz on the prepared pool,
    // whatever quiz type is selected, and leave the direction, the fonts and
    // the quiz type alone.
    void launchOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("quizOption");
        QTest::addColumn<bool>("poolReady");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("tenseFilter");
        const QStringList tenseQuiz{"QuizSelected closed", "StartGreekTenseQuiz closed"};
        QTest::newRow("Greek") << "FrmGreek" << "OptQuiz(1)" << true << QStringList{"BeginQuiz open"} << "";
        QTest::newRow("Hebrew") << "FrmHebrew" << "OptQuiz(1)" << true << QStringList{"BeginQuiz closed"} << "";
        QTest::newRow("elementary parts") << "FrmGreekPPEV" << "OptQuiz(0)" << true << QStringList{"BeginQuiz closed"} << "";
        QTest::newRow("elementary tenses, multiple choice")
            << "FrmGreekPPET" << "OptQuiz(0)" << true << tenseQuiz
            << "Module = 'Greek Elementary Principal Parts'and (Category= 1)";
        QTest::newRow("irregular tenses, true / false")
            << "FrmGreekPPIT" << "OptQuiz(1)" << true << tenseQuiz
            << "Module = 'Greek Irregular Principal Parts'and (Category= 1)";
        QTest::newRow("tenses on an empty pool")
            << "FrmGreekPPIT" << "OptQuiz(2)" << false << QStringList{"QuizSelected closed", "ShowMainWindow"} << "";
    }

    void launchOrder()
    {
        QFETCH(QString, window);
        QFETCH(QString, quizOption);
        QFETCH(bool, poolReady);
        QFETCH(QStringList, calls);
        QFETCH(QString, tenseFilter);
        RecordedLaunch launch;
        launch.host.poolReady = poolReady;
        launch.languages.SetHebrewToFrenchFonts();
        launch.session.Flip = true;
        const std::map<QString, std::function<void()>> open{
            {"FrmGreek", [&] { launch.Open<FrmGreek>(); }},         {"FrmHebrew", [&] { launch.Open<FrmHebrew>(); }},
            {"FrmGreekPPEV", [&] { launch.Open<FrmGreekPPEV>(); }}, {"FrmGreekPPET", [&] { launch.Open<FrmGreekPPET>(); }},
            {"FrmGreekPPIT", [&] { launch.Open<FrmGreekPPIT>(); }}};
        open.at(window)();
        Box(window, 1)->setChecked(true);
        AppFixture::Click(window, quizOption);
        AppFixture::Click(window, FamilyOf(window).ok);
        QCOMPARE(launch.host.calls, calls);
        QCOMPARE(launch.host.tenseQuizFilter, tenseFilter);
        if (calls.front().startsWith("QuizSelected")) {
            QVERIFY(launch.host.quizType.isEmpty());
            QVERIFY(launch.session.Flip && launch.session.UseFrench);
        }
    }

    // The list opens beside the selection window and stays open through the quiz.
    void showGreekWords_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("lastNumber");
        QTest::addColumn<QString>("lastWord");
        QTest::newRow("elementary tenses") << "FrmGreekPPET" << "FrmGrkEPP" << 43 << "ἀφίημι";
        QTest::newRow("elementary parts") << "FrmGreekPPEV" << "FrmGrkEPP" << 43 << "ἀφίημι";
        QTest::newRow("irregular tenses") << "FrmGreekPPIT" << "FrmGrkIPP" << 63 << "εὑρίσκω";
        QTest::newRow("irregular parts") << "FrmGreekPPIV" << "FrmGrkIPP" << 63 << "εὑρίσκω";
    }

    void showGreekWords()
    {
        QFETCH(QString, window);
        QFETCH(QString, list);
        QFETCH(int, lastNumber);
        QFETCH(QString, lastWord);
        AppFixture fixture(LanguageBank());
        QVERIFY(fixture.Start());
        fixture.Choose(FamilyOf(window).menu);
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

LUMENARY_GUI_TEST_MAIN(TestLanguageWindows)

#include "tst_languagewindows.moc"
