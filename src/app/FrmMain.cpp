#include "FrmMain.h"

#include "FrmFlashcard.h"
#include "FrmMC.h"
#include "FrmMCGrk.h"
#include "FrmNTUnits.h"
#include "FrmSplash.h"
#include "FrmSysTheo.h"
#include "ModCommonPreQuiz.h"
#include "PictureWidget.h"
#include "ProgressPanel.h"
#include "Prompter.h"
#include "Session.h"
#include "StoreError.h"
#include "Version.h"
#include "WindowRegistry.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace lumenary {

namespace {

constexpr char QuizCannotStartTitle[] = "Quiz Cannot Start";

// One entry of a menu; no caption makes a separator, no action a greyed entry
// whose window the program does not have yet.
struct MenuEntry {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    std::function<void()> open;
};

struct MenuDesign {
    const char* name;
    const char* caption;
    bool offered;
    std::vector<MenuEntry> entries;
};

QLabel* PortraitLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(13);
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

FrmMain::FrmMain(MainWindowServices services)
    : LumenaryWindow(QStringLiteral("FrmMain"), QStringLiteral("Lumenary ") + QLatin1String(ProgramVersion)),
      services_(std::move(services)),
      context_{services_.session, services_.prompter, services_.common, services_.languages, services_.windows, *this},
      flashcard_(context_),
      multipleChoice_(context_),
      greekTense_(context_)
{
    Form_Load();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("PortraitArea"));
    central->setStyleSheet(QStringLiteral("#PortraitArea { background: #4a4a4a; } QLabel { color: #f0f0f0; }"));
    auto* portrait = new PictureWidget(QStringLiteral(":/images/portrait.svg"), central);
    portrait->setObjectName(QStringLiteral("PicPortrait"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(portrait, 1);
    layout->addWidget(PortraitLabel("Label1", QStringLiteral("William Tyndale"), central));
    layout->addWidget(PortraitLabel("Label2", QStringLiteral("(c. 1494-1536)"), central));
    setCentralWidget(central);

    RegisterWindows();
    BuildMenus();
    services_.windows.onUnloaded = [this] { EndIfNothingIsOpen(); };
    resize(640, 720);
}

void FrmMain::Form_Load()
{
    services_.preQuiz.OpenQuestionDatabase(services_.databaseFile);
}

void FrmMain::RegisterWindows()
{
    auto& windows = services_.windows;
    windows.Register<FrmSplash>([this] { return std::make_unique<FrmSplash>(context_); });
    windows.Register<FrmFlashcard>([this] { return std::make_unique<FrmFlashcard>(flashcard_, context_); });
    windows.Register<FrmMC>([this] { return std::make_unique<FrmMC>(multipleChoice_, context_); });
    windows.Register<FrmMCGrk>([this] { return std::make_unique<FrmMCGrk>(greekTense_, context_); });
    windows.Register<FrmNTUnits>([this] { return std::make_unique<FrmNTUnits>(context_); });
    windows.Register<FrmSysTheo>([this] { return std::make_unique<FrmSysTheo>(context_); });
}

void FrmMain::BuildMenus()
{
    const auto show = [this]<class Window>() -> std::function<void()> {
        return [this] {
            auto& window = services_.windows.Get<Window>();
            window.show();
            window.raise();
            window.activateWindow();
        };
    };
    const std::function<void()> notYet; // the window comes with a later part of the program
    const std::vector<MenuDesign> menus{
        {"MnuQuizzes", "&Quizzes", true,
         {{"MnuChurchHistory", "&Church History", Qt::Key_F1, notYet},
          {"MnuChurchMusic", "Church M&usic", Qt::Key_F2, notYet},
          {"mnuGreekEPPT", "Greek Elementary Principal Part Tenses", {}, notYet},
          {"mnuGreekPP", "Greek Elementary &Principal Parts", Qt::SHIFT | Qt::Key_F3, notYet},
          {"mnuGreekIPPT", "Greek Irregular Principal Part Tenses", {}, notYet},
          {"MnuGreekPPIV", "Greek &Irregular Principal Parts", Qt::CTRL | Qt::Key_F3, notYet},
          {"mnuGreek", "&Greek Vocabulary", Qt::Key_F3, notYet},
          {"MnuHebrew", "&Hebrew Vocabulary", Qt::Key_F4, notYet},
          {"MnuNTCCBooks", "NT Chapter Content by &Books", Qt::Key_F5, notYet},
          {"MnuNTCCUnits", "NT Chapter Content by &Units", Qt::SHIFT | Qt::Key_F5, show.template operator()<FrmNTUnits>()},
          {"MnuNTHistory", "NT History", {}, notYet},
          {"MnuNTI", "&NT Introduction", Qt::Key_F6, notYet},
          {"MnuOTCCDetailed", "OT Chapter Content (Detai&led)", Qt::Key_F7, notYet},
          {"OTCCSimplified", "OT Chapter Content (Si&mplified)", Qt::SHIFT | Qt::Key_F7, notYet},
          {"MnuOTHistory", "OT Histor&y", Qt::Key_F8, notYet},
          {"MnuOTI", "&OT Introduction", Qt::Key_F9, notYet},
          {"MnuSysTheo", "&Systematic Theology", Qt::Key_F11, show.template operator()<FrmSysTheo>()},
          {"MnuTheology", "&Theology", Qt::Key_F12, notYet},
          {"MnuDash", nullptr, {}, {}},
          {"MnuExit", "E&xit Lumenary", {}, [this] { EndProgram(); }}}},
        {"MnuView", "&View", false, {{"MnuMissedQs", "View &Missed Questions", {}, notYet}}},
        {"MnuCustom", "&Custom", false,
         {{"MnuCustomDataEditor", "Custom &Data Editor", {}, notYet},
          {"MnuCustomQuizNames", "Custom Quiz &Names", {}, notYet},
          {"MnuCustomQuizzes", "Custom &Quizzes", {}, notYet},
          {"MnuCustomDash", nullptr, {}, {}},
          {"MnuExport", "E&xport Custom Data", {}, notYet},
          {"MnuImportCustomData", "&Import Custom Data", {}, notYet}}},
        {"MnuBooks", "Boo&ks", true,
         {{"MnuBookMoses", "Beginning at &Moses", {}, notYet},
          {"MnuBookImage", "&Changed into His Image", {}, notYet},
          {"MnuMindOfGod", "From the &Mind of God . . .", {}, notYet},
          {"MnuReelStory", "The &Reel Story", {}, notYet}}},
        {"mnuBookstores", "&Bookstores", true,
         {{"MnuBookstoreOne", "Cornerstone Christian Books", {}, notYet},
          {"MnuBookstoreTwo", "Good Shepherd Book Room", {}, notYet},
          {"MnuBookstoreThree", "Berean Bible Bookstore", {}, notYet},
          {"MnuBookstoreFour", "Lamplighter Publications", {}, notYet},
          {"MnuBookstoreFive", "Pilgrim's Way Books", {}, notYet},
          {"MnuBookstoreSix", "Old Paths Book Service", {}, notYet},
          {"MnuBookstoreSeven", "Living Word Bookshop", {}, notYet},
          {"MnuBookstoreEight", "Heritage Reformed Books", {}, notYet},
          {"MnuBookstoreNine", "Mustard Seed Christian Supply", {}, notYet},
          {"MnuLine2", nullptr, {}, {}},
          {"MnuAboutAdvertising", "&How to Advertise on Lumenary", {}, notYet},
          {"MnuDisclaimer", "Ad&vertising Disclaimer", {}, notYet}}},
        {"MnuPosters", "&Posters", true,
         {{"MnuPosterOne", "The Books of the Bible", {}, notYet},
          {"MnuPosterTwo", "The Kings of Israel and Judah", {}, notYet}}},
        {"MnuTroubleshooting", "&Troubleshooting", true, {}},
        {"MnuAboutLumenary", "&About Lumenary", true,
         {{"MnuAbouttheProgrammer", "About the &Programmer", {}, notYet},
          {"MnuContributors", "About the &Contributors", {}, notYet},
          {"MnuUpcomingFeatures", "About &Upcoming Features", {}, notYet},
          {"MnuAboutDash", nullptr, {}, {}},
          {"MnuDistributingLumenary", "About Distributing Lumenary", {}, notYet}}},
    };

    for (const auto& design : menus) {
        if (design.entries.empty()) { // a menu-bar item that opens a window itself
            auto* item = menuBar()->addAction(QString::fromUtf8(design.caption));
            item->setObjectName(QLatin1String(design.name));
            item->setEnabled(false);
            continue;
        }
        auto* menu = menuBar()->addMenu(QString::fromUtf8(design.caption));
        menu->setObjectName(QLatin1String(design.name));
        menu->menuAction()->setObjectName(QLatin1String(design.name));
        menu->setEnabled(design.offered);
        for (const auto& entry : design.entries) {
            QAction* action = entry.caption ? menu->addAction(QString::fromUtf8(entry.caption)) : menu->addSeparator();
            action->setObjectName(QLatin1String(entry.name));
            if (!entry.caption)
                continue;
            action->setShortcut(entry.shortcut);
            action->setEnabled(design.offered && entry.open != nullptr);
            if (entry.open)
                connect(action, &QAction::triggered, this, entry.open);
        }
    }

    // F10 opens the menu bar, as it does in other desktop programs.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::MenuBarFocusReason);
        menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });
}

void FrmMain::QuizSelected()
{
    hide();
    try {
        services_.preQuiz.PrepareQuiz();
    } catch (const StoreError& error) {
        services_.session.PoolReady = false;
        services_.prompter.Information(error.what(), QuizCannotStartTitle);
    }
}

void FrmMain::BeginQuiz()
{
    QuizSelected();
    if (!services_.session.PoolReady) {
        ShowMainWindow();
        return;
    }
    // The codes in the order they are compared; letter case counts.
    const std::pair<const char*, QuizEngine*> engines[] = {
        {"Flashcard", &flashcard_}, {"MC", &multipleChoice_}, {"SA", nullptr}, {"TF", nullptr}};
    for (const auto& [code, engine] : engines) {
        if (QuizType == QLatin1String(code)) {
            if (engine) {
                engine->StartQuiz();
                return;
            }
            break;
        }
    }
    ShowMainWindow(); // no engine of that type
}

void FrmMain::StartGreekTenseQuiz()
{
    // An empty pool has had its message; nothing is drawn from it.
    if (!services_.session.PoolReady) {
        ShowMainWindow();
        return;
    }
    greekTense_.StartQuiz();
}

void FrmMain::ReviewMissedQuestions(QuizEngine* engine)
{
    services_.session.QuizFilter += "and Correct=0";
    if (engine)
        engine->ClearProgressCaptions();
    QuizSelected();
    if (engine && services_.session.PoolReady) {
        engine->StartQuiz();
        return;
    }
    // Nothing to review (the marks could not be kept), or no such engine yet.
    ShowMainWindow();
    if (engine)
        engine->CloseQuizWindow();
}

void FrmMain::MissedQuestionsFlashcard()
{
    ReviewMissedQuestions(&flashcard_);
}

void FrmMain::MissedQuestionsSA()
{
    ReviewMissedQuestions(nullptr);
}

void FrmMain::MissedQuestionsTrueFalse()
{
    ReviewMissedQuestions(nullptr);
}

void FrmMain::MissedQuestionsMC()
{
    ReviewMissedQuestions(&multipleChoice_);
}

void FrmMain::MissedQuestionsMCGreek()
{
    ReviewMissedQuestions(&greekTense_);
}

void FrmMain::ShowMainWindow()
{
    closedByUser_ = false;
    show();
    raise();
    activateWindow();
}

void FrmMain::EndProgram()
{
    services_.windows.HideAll();
    hide();
    services_.endProgram();
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
    closedByUser_ = true;
    EndIfNothingIsOpen();
}

void FrmMain::EndIfNothingIsOpen()
{
    if (closedByUser_ && !isVisible() && !services_.windows.AnyVisible())
        EndProgram();
}

} // namespace lumenary
