// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NoticeWindow.h"

#include <filesystem>

namespace lumenary {

// The program's name and version, the licences of what it is built with, and
// the question database this run uses.
class FrmAbout final : public NoticeWindow {
    Q_OBJECT
public:
    FrmAbout(WindowRegistry& windows, const std::filesystem::path& databaseFile);
};

} // namespace lumenary
