// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferWindows.h"

#include "FrmExport.h"
#include "FrmImport.h"
#include "WindowRegistry.h"

namespace lumenary {

void RegisterTransferWindows(WindowRegistry& windows, Session& session, Prompter& prompter)
{
    windows.Register<FrmExport>([&] { return std::make_unique<FrmExport>(session, prompter, windows); });
    windows.Register<FrmImport>([&] { return std::make_unique<FrmImport>(session, prompter, windows); });
}

} // namespace lumenary
