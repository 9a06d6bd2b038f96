// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AdvertiserRecord.h"

namespace lumenary {

class WindowRegistry;

// The bookstore directory's routine.
class ModBkStores {
public:
    explicit ModBkStores(WindowRegistry& windows) : windows_(windows) {}

    // Shows FrmBookstore with one advertiser, filling its fields in order:
    // a field the record has becomes its label's text (an empty one shows the
    // label blank), a field it lacks hides its label. A label hidden for the
    // advertiser shown before is shown again when this one has the field.
    void ShowAdvertiser(const AdvertiserRecord& record);

private:
    WindowRegistry& windows_;
};

} // namespace lumenary
