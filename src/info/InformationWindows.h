// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every information window, and their registration with the window registry.

#include "FrmAbout.h"
#include "FrmBookstore.h"
#include "FrmTroubleshooting.h"
#include "ModBkStores.h"
#include "NoticeWindows.h"
#include "PictureWindows.h"

#include <filesystem>

namespace lumenary {

// Registers every information window; the about window shows databaseFile.
void RegisterInformationWindows(WindowRegistry& windows, const std::filesystem::path& databaseFile);

} // namespace lumenary
