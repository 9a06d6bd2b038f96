// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

#include <string>

namespace lumenary {

// Makes the fonts built into the program known to Qt, once; later calls do
// nothing. ResolveFont calls it when a bundled font is first asked for, so
// start-up does not wait for fonts the main window does not show.
void RegisterBundledFonts();

// The real font for one of the program's font roles: "bwgrkl" is the
// bundled Gentium Plus (Greek), "SIL Ezra" the bundled Ezra SIL (Hebrew),
// "MS Sans Serif" the system's sans-serif; any other name is used as it is.
QFont ResolveFont(const std::string& role, int pointSize, bool bold = false);

} // namespace lumenary
