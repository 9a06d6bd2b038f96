// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModBkStores.h"

#include "FrmBookstore.h"
#include "WindowRegistry.h"

#include <QLabel>

namespace lumenary {

void ModBkStores::ShowAdvertiser(const AdvertiserRecord& record)
{
    auto& window = windows_.Get<FrmBookstore>();
    window.show();
    window.raise();
    window.activateWindow();
    for (std::size_t field = 0; field < AdvertiserFieldCount; ++field) {
        QLabel& label = window.FieldLabel(static_cast<AdvertiserField>(field));
        const char* value = record.fields[field];
        if (value == AdvertiserRecord::Hidden) {
            label.hide();
            continue;
        }
        label.setText(QString::fromUtf8(value));
        label.show();
    }
}

} // namespace lumenary
