// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lumenary {

class Prompter;
class WindowRegistry;
struct Session;

// Registers the Custom menu's export and import windows.
void RegisterTransferWindows(WindowRegistry& windows, Session& session, Prompter& prompter);

} // namespace lumenary
