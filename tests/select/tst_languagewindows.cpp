// The Greek, Hebrew and principal-part selection windows and the Greek word
// lists: design state, group buttons, OK with nothing ticked, the filter,
// direction and fonts of each OK on the real program, and, through a host
// that records, the order in which each window closes and starts its quiz.

#include "AppFixture.h"
#include "FontRoles.h"
#include "FrmGreek.h"
#include "FrmHebrew.h"
#include "GreekWordList.h"
#include "ModCommonQuiz.h"
#include "ModLanguages.h"
#include "PrincipalPartsWindow.h"
#include "QuizContext.h"
#include "QuizHost.h"
#include "Session.h"
#include "WindowRegistry.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

using namespace lumenary;
using lumenary::test::AppFixture;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// Every window of this family with its menu entry, box control and boxes.
struct Family {
    const char* window;
    const char* menu;
    const char* box;
    int first;
    int last;
};

constexpr Family Families[] = {
    {"FrmGreek", "mnuGreek", "ChkGrk", 0, 18},
    {"FrmHebrew", "MnuHebrew", "ChkHeb", 0, 40},
    {"FrmGreekPPET", "mnuGreekEPPT", "ChkPP", 1, 43},
    {"FrmGreekPPIT", "mnuGreekIPPT", "ChkPP", 1, 33},
    {"FrmGreekPPEV", "mnuGreekPP", "ChkPP", 1, 43},
    {"FrmGreekPPIV", "MnuGreekPPIV", "ChkPP", 1, 33},
};

const Family& FamilyOf(const QString& window)
{
    for (const auto& family : Families)
        if (window == QLatin1String(family.window))
            return family;
    qFatal("no window %s", qPrintable(window));
}

QString Indexed(const char* control, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(index);
}

std::vector<int> Ticked(const QString& window)
{
    const auto& family = FamilyOf(window);
    std::vector<int> ticked;
    for (int index = family.first; index <= family.last; ++index)
        if (AppFixture::Find<QCheckBox>(window, Indexed(family.box, index))->isChecked())
            ticked.push_back(index);
    return ticked;
}

std::vector<int> Range(int first, int last)
{
    std::vector<int> numbers;
    for (int number = first; number <= last; ++number)
        numbers.push_back(number);
    return numbers;
}

std::vector<int> operator+(std::vector<int> left, const std::vector<int>& right)
{
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

// One question per box; Hebrew units 7 and 8 also hold stems, every
// principal-part section a "Future" form and a present one.
std::vector<BankQuestion> LanguageBank()
{
    std::vector<BankQuestion> questions;
    auto add = [&](std::int64_t id, const std::string& module, int category, const std::string& theme) {
        auto question = test::Question(id, module, category, {}, theme);
        question.french = "French " + std::to_string(id);
        questions.push_back(question);
    };
    for (int category = 0; category <= 18; ++category)
        add(1 + category, "Greek", category, "na");
    for (int category = 0; category <= 40; ++category)
        add(100 + category, "Hebrew", category, "na");
    add(150, "Hebrew", 7, "qal");
    add(151, "Hebrew", 7, "pual");
    add(152, "Hebrew", 8, "hophal");
    for (int category = 1; category <= 43; ++category) {
        add(200 + category, "Greek Elementary Principal Parts", category, "Future");
        add(300 + category, "Greek Elementary Principal Parts", category, "Present");
    }
    for (int category = 1; category <= 33; ++category) {
        add(400 + category, "Greek Irregular Principal Parts", category, "Future");
        add(500 + category, "Greek Irregular Principal Parts", category, "Present");
    }
    return questions;
}

// A quiz host that records what the selection windows ask of it.
class RecordingHost final : public QuizHost {
public:
    explicit RecordingHost(Session& session) : session_(session) {}

    void ShowMainWindow() override { calls << "ShowMainWindow"; }
    void EndProgram() override {}
    void SetQuizType(const QString& quizType) override { this->quizType = quizType; }
    void BeginQuiz() override { Record("BeginQuiz"); }
    void QuizSelected() override
    {
        Record("QuizSelected");
        session_.PoolReady = poolReady;
    }
    void StartGreekTenseQuiz() override { Record("StartGreekTenseQuiz"); }
    void MissedQuestionsFlashcard() override {}
    void MissedQuestionsSA() override {}
    void MissedQuestionsTrueFalse() override {}
    void MissedQuestionsMC() override {}
    void MissedQuestionsMCGreek() override {}

    bool poolReady = true;
    QString quizType;
    QStringList calls;        // "BeginQuiz open": the selection window was still on screen
    QString filterAtTenseQuiz;

private:
    void Record(const QString& call)
    {
        bool open = false;
        for (const auto& family : Families)
            open = open || AppFixture::Window(QLatin1String(family.window));
        calls << call + (open ? " open" : " closed");
        if (call == "StartGreekTenseQuiz")
            filterAtTenseQuiz = QString::fromStdString(session_.QuizFilter);
    }

    Session& session_;
};

// The selection windows on a recording host, without the main window.
struct RecordedLaunch {
    RecordedLaunch()
    {
        windows.Register<FrmGreek>([this] { return std::make_unique<FrmGreek>(context); });
        windows.Register<FrmHebrew>([this] { return std::make_unique<FrmHebrew>(context); });
        windows.Register<FrmGreekPPET>([this] { return std::make_unique<FrmGreekPPET>(context); });
        windows.Register<FrmGreekPPIT>([this] { return std::make_unique<FrmGreekPPIT>(context); });
        windows.Register<FrmGreekPPEV>([this] { return std::make_unique<FrmGreekPPEV>(context); });
        windows.Register<FrmGreekPPIV>([this] { return std::make_unique<FrmGreekPPIV>(context); });
    }

    void Open(const QString& window)
    {
        const std::map<QString, std::function<QWidget&()>> openers{
            {"FrmGreek", [this]() -> QWidget& { return windows.Get<FrmGreek>(); }},
            {"FrmHebrew", [this]() -> QWidget& { return windows.Get<FrmHebrew>(); }},
            {"FrmGreekPPET", [this]() -> QWidget& { return windows.Get<FrmGreekPPET>(); }},
            {"FrmGreekPPIT", [this]() -> QWidget& { return windows.Get<FrmGreekPPIT>(); }},
            {"FrmGreekPPEV", [this]() -> QWidget& { return windows.Get<FrmGreekPPEV>(); }},
            {"FrmGreekPPIV", [this]() -> QWidget& { return windows.Get<FrmGreekPPIV>(); }},
        };
        openers.at(window)().show();
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
        QTest::addColumn<int>("selectedOrder"); // -1: the window offers no direction
        QTest::addColumn<QString>("themeBox");   // control of the boxes ticked at opening
        QTest::addColumn<int>("themes");
        QTest::addColumn<QString>("ok");
        QTest::newRow("Greek") << "FrmGreek" << 2 << 1 << "" << 0 << "CmdGrkOK";
        QTest::newRow("Hebrew") << "FrmHebrew" << 0 << 1 << "ChkHebTheme" << 7 << "CmdHebOK";
        QTest::newRow("elementary tenses") << "FrmGreekPPET" << 2 << -1 << "" << 0 << "CmdOK";
        QTest::newRow("irregular tenses") << "FrmGreekPPIT" << 2 << -1 << "" << 0 << "CmdOK";
        QTest::newRow("elementary parts") << "FrmGreekPPEV" << 2 << 0 << "ChkGreekTense" << 5 << "CmdOK";
        QTest::newRow("irregular parts") << "FrmGreekPPIV" << 2 << 0 << "ChkGreekTense" << 5 << "CmdOK";
    }

    void designState()
    {
        QFETCH(QString, window);
        QFETCH(int, selectedQuiz);
        QFETCH(int, selectedOrder);
        QFETCH(QString, themeBox);
        QFETCH(int, themes);
        QFETCH(QString, ok);
        const auto& family = FamilyOf(window);
        AppFixture fixture(LanguageBank());
        QVERIFY(fixture.Start());
        ModLanguages(fixture.app.State()).SetHebrewToFrenchFonts();
        fixture.Choose(family.menu);
        QWidget* shown = AppFixture::Window(window);
        QVERIFY(shown);
        // Only OK sets the fonts on these windows.
        QVERIFY(fixture.app.State().UseFrench);

        QVERIFY(!AppFixture::Find<QCheckBox>(window, Indexed(family.box, family.first - 1)));
        QVERIFY(!AppFixture::Find<QCheckBox>(window, Indexed(family.box, family.last + 1)));
        QCOMPARE(Ticked(window), std::vector<int>());
        for (int index = 0; index < themes; ++index)
            QVERIFY(AppFixture::Find<QCheckBox>(window, Indexed(qPrintable(themeBox), index))->isChecked());
        QVERIFY(!AppFixture::Find<QCheckBox>(window, Indexed(qPrintable(themeBox), themes)));
        QVERIFY(AppFixture::Find<QRadioButton>(window, Indexed("OptQuiz", selectedQuiz))->isChecked());
        QVERIFY(!AppFixture::Find<QRadioButton>(window, "OptQuiz(3)"));
        if (selectedOrder >= 0)
            QVERIFY(AppFixture::Find<QRadioButton>(window, Indexed("OptFlip", selectedOrder))->isChecked());
        else
            QVERIFY(!AppFixture::Find<QRadioButton>(window, "OptFlip(0)"));
        QVERIFY(AppFixture::Find<QPushButton>(window, ok)->isDefault());
        QVERIFY(!AppFixture::Text(window, "Label4").isEmpty());
        QVERIFY(AppFixture::Text(window, "LblGrkCarrow").contains("Carrow College"));
        AppFixture::Snapshot(shown, window);
    }

    void groupButtonsOnlyTick_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<std::vector<int>>("before");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<std::vector<int>>("ticked");
        QTest::newRow("Greek verbs, then 1st semester")
            << "FrmGreek" << std::vector<int>{} << QStringList{"CmdGrkVerbs", "CmdGrkFirstSemester"} << Range(0, 14);
        QTest::newRow("Greek 2nd semester keeps a ticked box")
            << "FrmGreek" << std::vector<int>{0} << QStringList{"CmdGrkSecondSemester"}
            << std::vector<int>{0} + Range(6, 10) + Range(15, 18);
        QTest::newRow("Greek parts of speech") << "FrmGreek" << std::vector<int>{} << QStringList{"CmdGrkFunctionWords", "CmdGrkNouns"}
                                               << Range(0, 2) + Range(11, 18);
        QTest::newRow("Greek select all") << "FrmGreek" << std::vector<int>{} << QStringList{"CmdGrkSelectAll"} << Range(0, 18);
        QTest::newRow("Greek unselect all")
            << "FrmGreek" << std::vector<int>{3, 17} << QStringList{"CmdGrkUnselectAll"} << std::vector<int>{};
        QTest::newRow("Hebrew 1st semester") << "FrmHebrew" << std::vector<int>{} << QStringList{"CmdHebFirstSemester"}
                                             << Range(0, 13) + Range(23, 29);
        QTest::newRow("Hebrew 2nd semester") << "FrmHebrew" << std::vector<int>{} << QStringList{"CmdHebSecondSemester"}
                                             << Range(14, 16) + Range(30, 34);
        QTest::newRow("Hebrew 3rd semester ticks 49-62 too")
            << "FrmHebrew" << std::vector<int>{} << QStringList{"CmdHebThirdSemester"}
            << std::vector<int>{6} + Range(17, 22) + Range(35, 40);
        QTest::newRow("Hebrew verbs keep a noun") << "FrmHebrew" << std::vector<int>{40} << QStringList{"CmdHebVerbs"}
                                                  << Range(7, 22) + std::vector<int>{40};
        QTest::newRow("Hebrew function words and nouns")
            << "FrmHebrew" << std::vector<int>{} << QStringList{"CmdHebFunctionWords", "CmdHebNouns"}
            << Range(0, 6) + Range(23, 40);
        QTest::newRow("Hebrew select all") << "FrmHebrew" << std::vector<int>{} << QStringList{"CmdHebSelectAll"} << Range(0, 40);
        QTest::newRow("elementary sections") << "FrmGreekPPEV" << std::vector<int>{} << QStringList{"CmdSectionThree", "CmdSectionOne"}
                                             << Range(1, 14) + Range(29, 43);
        QTest::newRow("elementary select all") << "FrmGreekPPET" << std::vector<int>{} << QStringList{"CmdSelectAll"} << Range(1, 43);
        QTest::newRow("irregular section two keeps a ticked box")
            << "FrmGreekPPIT" << std::vector<int>{33} << QStringList{"CmdSectionTwo"} << Range(15, 28) + std::vector<int>{33};
        QTest::newRow("irregular select all") << "FrmGreekPPIV" << std::vector<int>{} << QStringList{"CmdSelectAll"} << Range(1, 33);
        QTest::newRow("irregular unselect all")
            << "FrmGreekPPIV" << Range(1, 33) << QStringList{"CmdUnselectAll"} << std::vector<int>{};
    }

    void groupButtonsOnlyTick()
    {
        QFETCH(QString, window);
        QFETCH(std::vector<int>, before);
        QFETCH(QStringList, buttons);
        QFETCH(std::vector<int>, ticked);
        const auto& family = FamilyOf(window);
        AppFixture fixture(LanguageBank());
        QVERIFY(fixture.Start());
        fixture.Choose(family.menu);
        for (const int index : before)
            AppFixture::Find<QCheckBox>(window, Indexed(family.box, index))->setChecked(true);
        for (const auto& button : buttons)
            AppFixture::Click(window, button);
        QCOMPARE(Ticked(window), ticked);
    }

    void themeButtons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("all");
        QTest::addColumn<QString>("clear");
        QTest::newRow("Hebrew stems") << "FrmHebrew" << "ChkHebTheme" << 7 << "CmdHebThemesAll" << "CmdHebThemesClear";
        QTest::newRow("tenses") << "FrmGreekPPIV" << "ChkGreekTense" << 5 << "CmdGreekTensesAll" << "CmdGreekTensesClear";
    }

    void themeButtons()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, count);
        QFETCH(QString, all);
        QFETCH(QString, clear);
        AppFixture fixture(LanguageBank());
        QVERIFY(fixture.Start());
        fixture.Choose(FamilyOf(window).menu);
        const auto ticked = [&] {
            int n = 0;
            for (int index = 0; index < count; ++index)
                n += AppFixture::Find<QCheckBox>(window, Indexed(qPrintable(control), index))->isChecked() ? 1 : 0;
            return n;
        };
        AppFixture::Click(window, clear);
        QCOMPARE(ticked(), 0);
        AppFixture::Find<QCheckBox>(window, Indexed(qPrintable(control), 1))->setChecked(true);
        AppFixture::Click(window, all);
        QCOMPARE(ticked(), count);
    }

    void okWithNoUnitTickedDoesNothing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("themeClear"); // clearing themes still selects no unit
        QTest::newRow("Greek") << "FrmGreek" << "CmdGrkOK" << "";
        QTest::newRow("Hebrew") << "FrmHebrew" << "CmdHebOK" << "CmdHebThemesClear";
        QTest::newRow("elementary tenses") << "FrmGreekPPET" << "CmdOK" << "";
        QTest::newRow("irregular tenses") << "FrmGreekPPIT" << "CmdOK" << "";
        QTest::newRow("elementary parts") << "FrmGreekPPEV" << "CmdOK" << "CmdGreekTensesClear";
        QTest::newRow("irregular parts") << "FrmGreekPPIV" << "CmdOK" << "";
    }

    void okWithNoUnitTickedDoesNothing()
    {
        QFETCH(QString, window);
        QFETCH(QString, ok);
        QFETCH(QString, themeClear);
        AppFixture fixture(LanguageBank());
        QVERIFY(fixture.Start());
        fixture.Choose(FamilyOf(window).menu);
        if (!themeClear.isEmpty())
            AppFixture::Click(window, themeClear);
        AppFixture::Click(window, ok);
        QVERIFY(AppFixture::Window(window));
        QVERIFY(fixture.app.MainWindow().QuizType.isEmpty());
        QCOMPARE(fixture.app.State().QuizFilter, std::string());
        QVERIFY(fixture.prompter.messages.empty());
    }

    // OK on the real program: the filter, quiz type, direction and the fonts
    // of the flashcard the quiz starts on.
    void okStartsTheQuiz_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<std::vector<int>>("units");
        QTest::addColumn<QStringList>("clicks"); // options and theme boxes clicked before OK
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("flip");
        QTest::addColumn<QString>("questionRole");
        QTest::addColumn<QString>("answerRole");
        QTest::addColumn<QString>("questionField"); // how the question's text starts
        const QString greek = GreekFontRole, hebrew = HebrewFontRole, english = EnglishFontRole;
        QTest::newRow("Greek 0 and 11, Greek to English")
            << "FrmGreek" << std::vector<int>{11, 0} << QStringList{}
            << "Module = 'Greek'and (Category= 0 or Category= 11)" << 2 << true << greek << english << "Answer";
        QTest::newRow("Greek, all units, English to Greek")
            << "FrmGreek" << Range(0, 18) << QStringList{"OptFlip(0)"}
            << "Module = 'Greek'and (Category= 0 or Category= 1 or Category= 2 or Category= 3 or Category= 4 or "
               "Category= 5 or Category= 6 or Category= 7 or Category= 8 or Category= 9 or Category= 10 or "
               "Category= 11 or Category= 12 or Category= 13 or Category= 14 or Category= 15 or Category= 16 or "
               "Category= 17 or Category= 18)"
            << 19 << false << english << greek << "Prompt";
        QTest::newRow("Hebrew, Pu'al and Hoph'al left out")
            << "FrmHebrew" << std::vector<int>{7, 8} << QStringList{"ChkHebTheme(3)", "ChkHebTheme(6)"}
            << "Module = 'Hebrew'and (Category= 7 or Category= 8) and (Theme Not In ('pual','hophal'))" << 3 << true
            << hebrew << english << "Answer";
        QTest::newRow("Hebrew, every stem left out, English to Hebrew")
            << "FrmHebrew" << std::vector<int>{7, 8} << QStringList{"CmdHebThemesClear", "OptFlip(0)"}
            << "Module = 'Hebrew'and (Category= 7 or Category= 8) and (Theme Not In "
               "('qal','niphal','piel','pual','hithpael','hiphil','hophal'))"
            << 2 << false << english << hebrew << "Prompt";
        QTest::newRow("Hebrew, every stem kept, French to Hebrew")
            << "FrmHebrew" << std::vector<int>{7} << QStringList{"OptFlip(2)"}
            << "Module = 'Hebrew'and (Category= 7)" << 3 << false << english << hebrew << "French";
        QTest::newRow("Hebrew to French")
            << "FrmHebrew" << std::vector<int>{40} << QStringList{"OptFlip(3)"}
            << "Module = 'Hebrew'and (Category= 40)" << 1 << true << hebrew << english << "Answer";
        QTest::newRow("irregular boxes captioned 2 and 63")
            << "FrmGreekPPIV" << std::vector<int>{1, 33} << QStringList{}
            << "Module = 'Greek Irregular Principal Parts'and (Category= 1 or Category= 33)" << 4 << false << greek
            << greek << "Prompt";
        QTest::newRow("elementary, every tense left out, conjugation first")
            << "FrmGreekPPEV" << std::vector<int>{43} << QStringList{"CmdGreekTensesClear", "OptFlip(1)"}
            << "Module = 'Greek Elementary Principal Parts'and (Category= 43) and (Theme Not In "
               "('Future','Aorist Active','Aorist Passive','Perfect Active','Perfect Passive'))"
            << 1 << true << greek << greek << "Answer";
    }

    void okStartsTheQuiz()
    {
        QFETCH(QString, window);
        QFETCH(std::vector<int>, units);
        QFETCH(QStringList, clicks);
        QFETCH(QString, filter);
        QFETCH(int, questions);
        QFETCH(bool, flip);
        QFETCH(QString, questionRole);
        QFETCH(QString, answerRole);
        QFETCH(QString, questionField);
        const auto& family = FamilyOf(window);
        AppFixture fixture(LanguageBank());
        QVERIFY(fixture.Start());
        fixture.Choose(family.menu);
        for (const int unit : units)
            AppFixture::Find<QCheckBox>(window, Indexed(family.box, unit))->setChecked(true);
        AppFixture::Click(window, "OptQuiz(2)");
        for (const auto& control : clicks)
            AppFixture::Click(window, control);
        QTest::keyClick(AppFixture::Window(window), Qt::Key_Return);

        const Session& state = fixture.app.State();
        QCOMPARE(QString::fromStdString(state.QuizFilter), filter);
        QCOMPARE(fixture.app.MainWindow().QuizType, QString("Flashcard"));
        QCOMPARE(state.Flip, flip);
        QCOMPARE(state.QuestionCount, questions);
        QVERIFY(!AppFixture::Window(window));
        QVERIFY(AppFixture::Window("FrmFlashcard"));
        const auto* question = AppFixture::Find<QLabel>("FrmFlashcard", "LblQuestion");
        const auto* answer = AppFixture::Find<QLabel>("FrmFlashcard", "LblAnswer");
        const int questionSize = questionRole == EnglishFontRole ? 14 : 20;
        const int answerSize = answerRole == EnglishFontRole ? 14 : 20;
        QCOMPARE(QFontInfo(question->font()).family(),
                 QFontInfo(ResolveFont(questionRole.toStdString(), questionSize)).family());
        QCOMPARE(question->font().pointSize(), questionSize);
        QCOMPARE(QFontInfo(answer->font()).family(), QFontInfo(ResolveFont(answerRole.toStdString(), answerSize)).family());
        QCOMPARE(answer->font().pointSize(), answerSize);
        QVERIFY2(question->text().startsWith(questionField), qPrintable(question->text()));
    }

    // Who closes first: the Greek window begins the quiz and then closes; the
    // others close first. The tense windows prepare the pool and start the
    // tense quiz on it, whatever quiz type is selected, and touch neither the
    // direction, nor the fonts, nor the quiz type.
    void launchOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("quizOption");
        QTest::addColumn<bool>("poolReady");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("tenseFilter");
        QTest::newRow("Greek") << "FrmGreek" << "OptQuiz(1)" << true << QStringList{"BeginQuiz open"} << "";
        QTest::newRow("Hebrew") << "FrmHebrew" << "OptQuiz(1)" << true << QStringList{"BeginQuiz closed"} << "";
        QTest::newRow("elementary parts") << "FrmGreekPPEV" << "OptQuiz(0)" << true << QStringList{"BeginQuiz closed"} << "";
        QTest::newRow("elementary tenses, multiple choice")
            << "FrmGreekPPET" << "OptQuiz(0)" << true << QStringList{"QuizSelected closed", "StartGreekTenseQuiz closed"}
            << "Module = 'Greek Elementary Principal Parts'and (Category= 1)";
        QTest::newRow("irregular tenses, true / false")
            << "FrmGreekPPIT" << "OptQuiz(1)" << true << QStringList{"QuizSelected closed", "StartGreekTenseQuiz closed"}
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
        launch.Open(window);
        const auto& family = FamilyOf(window);
        AppFixture::Find<QCheckBox>(window, Indexed(family.box, family.first + (family.first == 0 ? 1 : 0)))->setChecked(true);
        AppFixture::Click(window, quizOption);
        AppFixture::Click(window, window == "FrmGreek" ? "CmdGrkOK" : window == "FrmHebrew" ? "CmdHebOK" : "CmdOK");
        QCOMPARE(launch.host.calls, calls);
        QCOMPARE(launch.host.filterAtTenseQuiz, tenseFilter);
        QVERIFY(!AppFixture::Window(window));
        if (calls.front().startsWith("QuizSelected")) {
            QVERIFY(launch.host.quizType.isEmpty());
            QVERIFY(launch.session.Flip);
            QVERIFY(launch.session.UseFrench);
        }
    }

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

    // The list opens beside the selection window and stays open through the quiz.
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
        QVERIFY(AppFixture::Window(window));
        QVERIFY(AppFixture::Window(list));
        const auto* word = AppFixture::Find<QLabel>(list, QStringLiteral("LblGrk(%1)").arg(lastNumber));
        QVERIFY(word);
        QCOMPARE(word->text(), lastWord);
        QCOMPARE(QFontInfo(word->font()).family(), QFontInfo(ResolveFont(GreekFontRole, 14)).family());
        QCOMPARE(word->font().pointSize(), 14);
        QVERIFY(AppFixture::Find<QLabel>(list, QStringLiteral("Lbl1(%1)").arg(lastNumber))->font().bold());
        AppFixture::Snapshot(AppFixture::Window(list), list);

        AppFixture::Click(window, "CmdSelectAll");
        AppFixture::Click(window, "CmdOK");
        QVERIFY(!AppFixture::Window(window));
        QVERIFY(AppFixture::Window(list));
    }

    void reopeningStartsFromTheDesignState()
    {
        AppFixture fixture(LanguageBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuHebrew");
        AppFixture::Click("FrmHebrew", "CmdHebSelectAll");
        AppFixture::Click("FrmHebrew", "CmdHebThemesClear");
        AppFixture::Click("FrmHebrew", "OptFlip(3)");
        QTest::keyClick(AppFixture::Window("FrmHebrew"), Qt::Key_Escape);
        QVERIFY(!AppFixture::Window("FrmHebrew"));
        fixture.Choose("MnuHebrew");
        QCOMPARE(Ticked("FrmHebrew"), std::vector<int>());
        QVERIFY(AppFixture::Find<QCheckBox>("FrmHebrew", "ChkHebTheme(6)")->isChecked());
        QVERIFY(AppFixture::Find<QRadioButton>("FrmHebrew", "OptFlip(1)")->isChecked());
    }
};

LUMENARY_GUI_TEST_MAIN(TestLanguageWindows)

#include "tst_languagewindows.moc"
