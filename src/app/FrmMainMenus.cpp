// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar of the main window: every menu, entry and shortcut, and the
// window each entry opens.

#include "FrmMain.h"

#include "FrmCustomEditor.h"
#include "FrmCustomNames.h"
#include "FrmCustomQuizzes.h"
#include "FrmDueQs.h"
#include "FrmExport.h"
#include "FrmHistory.h"
#include "FrmImport.h"
#include "FrmMissedQs.h"
#include "InformationWindows.h"
#include "SelectionWindows.h"
#include "WindowRegistry.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>

#include <map>
#include <string_view>

namespace lumenary {

namespace {

// One entry of a menu; no caption makes a separator.
struct MenuEntry {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    std::function<void()> open;
};

struct MenuDesign {
    const char* name;
    const char* caption;
    std::vector<MenuEntry> entries;
};

} // namespace

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
    const auto advertiser = [this](const char* name, std::size_t which) -> MenuEntry {
        return {name, Advertisers()[which][AdvertiserField::StoreName], {},
                [this, which] { ModBkStores(services_.windows).ShowAdvertiser(Advertisers()[which]); }};
    };
    const std::vector<MenuDesign> menus{
        {"MnuQuizzes", "&Quizzes",
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
        {"MnuView", "&View",
         {{"MnuMissedQs", "View &Missed Questions", {}, show.template operator()<FrmMissedQs>()},
          {"MnuDueQs", "Review &Due Questions", Qt::CTRL | Qt::Key_D, show.template operator()<FrmDueQs>()},
          {"MnuStudyHistory", "Study &History", {}, show.template operator()<FrmHistory>()}}},
        {"MnuCustom", "&Custom",
         {{"MnuCustomDataEditor", "Custom &Data Editor", {}, show.template operator()<FrmCustomEditor>()},
          {"MnuCustomQuizNames", "Custom Quiz &Names", {}, show.template operator()<FrmCustomNames>()},
          {"MnuCustomQuizzes", "Custom &Quizzes", {}, show.template operator()<FrmCustomQuizzes>()},
          {"MnuCustomDash", nullptr, {}, {}},
          {"MnuExport", "E&xport Custom Data", {}, show.template operator()<FrmExport>()},
          {"MnuImportCustomData", "&Import Custom Data", {}, show.template operator()<FrmImport>()}}},
        {"MnuBooks", "Boo&ks",
         {{"MnuBookMoses", "Beginning at &Moses", {}, show.template operator()<FrmBookMoses>()},
          {"MnuBookImage", "&Changed into His Image", {}, show.template operator()<FrmBookImage>()},
          {"MnuMindOfGod", "From the &Mind of God . . .", {}, show.template operator()<FrmMindofGod>()},
          {"MnuReelStory", "The &Reel Story", {}, show.template operator()<FrmReelStory>()}}},
        {"mnuBookstores", "&Bookstores",
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
        {"MnuPosters", "&Posters",
         {{"MnuPosterOne", "The Books of the Bible", {}, show.template operator()<FrmPosterOne>()},
          {"MnuPosterTwo", "The Kings of Israel and Judah", {}, show.template operator()<FrmPosterTwo>()}}},
        {"MnuTroubleshooting", "&Troubleshooting", {}},
        {"MnuAboutLumenary", "&About Lumenary",
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
        for (const auto& entry : design.entries) {
            QAction* action = entry.caption ? menu->addAction(QString::fromUtf8(entry.caption)) : menu->addSeparator();
            action->setObjectName(QLatin1String(entry.name));
            if (!entry.caption)
                continue;
            action->setShortcut(entry.shortcut);
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

} // namespace lumenary
