// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AdvertiserRecord.h"
#include "InfoWindow.h"

class QLabel;

namespace lumenary {

// The bookstore directory: one advertiser's record in eleven labels beside a
// picture. It opens with its design placeholders; ModBkStores fills it.
class FrmBookstore final : public InfoWindow {
    Q_OBJECT
public:
    explicit FrmBookstore(WindowRegistry& windows);

    QLabel& FieldLabel(AdvertiserField field) { return *fields_[static_cast<std::size_t>(field)]; }

private:
    std::array<QLabel*, AdvertiserFieldCount> fields_{};
};

} // namespace lumenary
