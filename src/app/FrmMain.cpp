#include "FrmMain.h"

#include "FrmFlashcard.h"
#include "FrmMC.h"
#include "FrmMCGrk.h"
#include "FrmSA.h"
#include "FrmSplash.h"
#include "FrmTF.h"
#include "InformationWindows.h"
#include "ModCommonPreQuiz.h"
#include "PictureWidget.h"
#include "ProgressPanel.h"
#include "Prompter.h"
#include "SelectionWindows.h"
#include "Session.h"
#include "StoreError.h"
#include "Version.h"
#include "WindowRegistry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <map>
#include <string_view>

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
      trueFalse_(context_),
      shortAnswer_(context_),
      multipleChoice_(context_),
      greekTense_(context_)
{
    Form_Load();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("PortraitArea"));
    // Colours by palette: a style sheet would make Qt build its style-sheet
    // machinery before the first window is painted.
    QPalette colours = central->palette();
    colours.setColor(QPalette::Window, QColor(0x4a, 0x4a, 0x4a));
    colours.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    central->setPalette(colours);
    central->setAutoFillBackground(true);
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
    windows.Register<FrmTF>([this] { return std::make_unique<FrmTF>(trueFalse_, context_); });
    windows.Register<FrmSA>([this] { return std::make_unique<FrmSA>(shortAnswer_, context_); });
    windows.Register<FrmMC>([this] { return std::make_unique<FrmMC>(multipleChoice_, context_); });
    windows.Register<FrmMCGrk>([this] { return std::make_unique<FrmMCGrk>(greekTense_, context_); });
    RegisterSelectionWindows(windows, context_);
    RegisterInformationWindows(windows, services_.databaseFile);
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
    const auto advertiser = [this](const char* name, std::size_t which) -> MenuEntry {
        return {name, Advertisers()[which][AdvertiserField::StoreName], {},
                [this, which] { ModBkStores(services_.windows).ShowAdvertiser(Advertisers()[which]); }};
    };
    const std::vector<MenuDesign> menus{
        {"MnuQuizzes", "&Quizzes", true,
         {{"MnuChurchHistory", "&Church History", Qt::Key_F1, show.template operator()<FrmChurchHistory>()},
          {"MnuChurchMusic", "Church M&usic", Qt::Key_F2, show.template operator()<FrmChurchMusic>()},
          {"mnuGreekEPPT", "Greek Elementary Principal Part Tenses", {}, show.template operator()<FrmGreekPPET>()},
          {"mnuGreekPP", "Greek Elementary &Principal Parts", Qt::SHIFT | Qt::Key_F3, show.template operator()<FrmGreekPPEV>()},
          {"mnuGreekIPPT", "Greek Irregular Principal Part Tenses", {}, show.template operator()<FrmGreekPPIT>()},
          {"MnuGreekPPIV", "Greek &Irregular Principal Parts", Qt::CTRL | Qt::Key_F3, show.template operator()<FrmGreekPPIV>()},
          {"mnuGreek", "&Greek Vocabulary", Qt::Key_F3, show.template operator()<FrmGreek>()},
          {"MnuHebrew", "&Hebrew Vocabulary", Qt::Key_F4, show.template operator()<FrmHebrew>()},
          {"MnuNTCCBooks", "NT Chapter Content by &Books", Qt::Key_F5, show.template operator()<FrmNTBooks>()},
          {"MnuNTCCUnits", "NT Chapter Content by &Units", Qt::SHIFT | Qt::Key_F5, show.template operator()<FrmNTUnits>()},
          {"MnuNTHistory", "NT History", {}, show.template operator()<FrmNTHistory>()},
          {"MnuNTI", "&NT Introduction", Qt::Key_F6, show.template operator()<FrmNTI>()},
          {"MnuOTCCDetailed", "OT Chapter Content (Detai&led)", Qt::Key_F7, show.template operator()<FrmOTDetailed>()},
          {"OTCCSimplified", "OT Chapter Content (Si&mplified)", Qt::SHIFT | Qt::Key_F7, show.template operator()<FrmOTSimplified>()},
          {"MnuOTHistory", "OT Histor&y", Qt::Key_F8, show.template operator()<FrmKings>()},
          {"MnuOTI", "&OT Introduction", Qt::Key_F9, show.template operator()<FrmOTI>()},
          {"MnuSysTheo", "&Systematic Theology", Qt::Key_F11, show.template operator()<FrmSysTheo>()},
          {"MnuTheology", "&Theology", Qt::Key_F12, show.template operator()<FrmTheology>()},
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
         {{"MnuBookMoses", "Beginning at &Moses", {}, show.template operator()<FrmBookMoses>()},
          {"MnuBookImage", "&Changed into His Image", {}, show.template operator()<FrmBookImage>()},
          {"MnuMindOfGod", "From the &Mind of God . . .", {}, show.template operator()<FrmMindofGod>()},
          {"MnuReelStory", "The &Reel Story", {}, show.template operator()<FrmReelStory>()}}},
        {"mnuBookstores", "&Bookstores", true,
         {advertiser("MnuBookstoreOne", 0),
          advertiser("MnuBookstoreTwo", 1),
          advertiser("MnuBookstoreThree", 2),
          advertiser("MnuBookstoreFour", 3),
          advertiser("MnuBookstoreFive", 4),
          advertiser("MnuBookstoreSix", 5),
          advertiser("MnuBookstoreSeven", 6),
          advertiser("MnuBookstoreEight", 7),
          advertiser("MnuBookstoreNine", 8),
          {"MnuLine2", nullptr, {}, {}},
          {"MnuAboutAdvertising", "&How to Advertise on Lumenary", {}, show.template operator()<FrmAboutAdvertising>()},
          {"MnuDisclaimer", "Ad&vertising Disclaimer", {}, show.template operator()<FrmDisclaimer>()}}},
        {"MnuPosters", "&Posters", true,
         {{"MnuPosterOne", "The Books of the Bible", {}, show.template operator()<FrmPosterOne>()},
          {"MnuPosterTwo", "The Kings of Israel and Judah", {}, show.template operator()<FrmPosterTwo>()}}},
        {"MnuTroubleshooting", "&Troubleshooting", true, {}},
        {"MnuAboutLumenary", "&About Lumenary", true,
         {{"MnuAbouttheProgrammer", "About the &Programmer", {}, show.template operator()<FrmAboutProgrammer>()},
          {"MnuContributors", "About the &Contributors", {}, show.template operator()<FrmContributors>()},
          {"MnuUpcomingFeatures", "About &Upcoming Features", {}, show.template operator()<FrmUpcoming>()},
          {"MnuAboutDash", nullptr, {}, {}},
          {"MnuDistributingLumenary", "About Distributing Lumenary", {},
           show.template operator()<FrmAboutDistribution>()},
          {"MnuAboutProgramDash", nullptr, {}, {}},
          {"MnuAboutProgram", "About &Lumenary", {}, show.template operator()<FrmAbout>()}}},
    };

    // What a menu-bar item without entries opens.
    const std::map<std::string_view, std::function<void()>> itemWindows{
        {"MnuTroubleshooting", show.template operator()<FrmTroubleshooting>()}};

    for (const auto& design : menus) {
        if (design.entries.empty()) { // a menu-bar item that opens a window itself
            auto* item = menuBar()->addAction(QString::fromUtf8(design.caption));
            item->setObjectName(QLatin1String(design.name));
            const auto window = itemWindows.find(design.name);
            item->setEnabled(window != itemWindows.end());
            if (window != itemWindows.end())
                connect(item, &QAction::triggered, this, window->second);
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

    // F10 activates the menu bar as in other desktop programs: the first
    // title highlighted, no drop-down open. Qt enters that keyboard mode only
    // on a lone Alt press and release, so F10 hands the menu bar exactly that.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        for (auto type : {QEvent::ShortcutOverride, QEvent::KeyPress}) {
            QKeyEvent press(type, Qt::Key_Alt, Qt::AltModifier);
            QCoreApplication::sendEvent(this, &press);
        }
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &release);
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
        {"Flashcard", &flashcard_}, {"MC", &multipleChoice_}, {"SA", &shortAnswer_}, {"TF", &trueFalse_}};
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

void FrmMain::ReviewMissedQuestions(QuizEngine& engine)
{
    services_.session.QuizFilter += "and Correct=0";
    engine.ClearProgressCaptions();
    QuizSelected();
    if (services_.session.PoolReady) {
        engine.RenewPoolCopy();
        engine.StartQuiz();
        return;
    }
    // Nothing to review: the marks could not be kept.
    ShowMainWindow();
    engine.CloseQuizWindow();
}

void FrmMain::MissedQuestionsFlashcard()
{
    ReviewMissedQuestions(flashcard_);
}

void FrmMain::MissedQuestionsSA()
{
    ReviewMissedQuestions(shortAnswer_);
}

void FrmMain::MissedQuestionsTrueFalse()
{
    ReviewMissedQuestions(trueFalse_);
}

void FrmMain::MissedQuestionsMC()
{
    ReviewMissedQuestions(multipleChoice_);
}

void FrmMain::MissedQuestionsMCGreek()
{
    ReviewMissedQuestions(greekTense_);
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
