// SPDX-License-Identifier: GPL-3.0-or-later
#include "InformationWindows.h"

#include "WindowRegistry.h"

namespace lumenary {

namespace {

template <class Window>
void RegisterWindow(WindowRegistry& windows)
{
    windows.Register<Window>([&windows] { return std::make_unique<Window>(windows); });
}

} // namespace

void RegisterInformationWindows(WindowRegistry& windows, const std::filesystem::path& databaseFile)
{
    RegisterWindow<FrmAboutAdvertising>(windows);
    RegisterWindow<FrmDisclaimer>(windows);
    RegisterWindow<FrmAboutDistribution>(windows);
    RegisterWindow<FrmUpcoming>(windows);
    RegisterWindow<FrmTroubleshooting>(windows);
    RegisterWindow<FrmContributors>(windows);
    RegisterWindow<FrmAboutProgrammer>(windows);
    RegisterWindow<FrmBookMoses>(windows);
    RegisterWindow<FrmBookImage>(windows);
    RegisterWindow<FrmMindofGod>(windows);
    RegisterWindow<FrmReelStory>(windows);
    RegisterWindow<FrmPosterOne>(windows);
    RegisterWindow<FrmPosterTwo>(windows);
    RegisterWindow<FrmBookstore>(windows);
    windows.Register<FrmAbout>([&windows, databaseFile] { return std::make_unique<FrmAbout>(windows, databaseFile); });
}

} // namespace lumenary
