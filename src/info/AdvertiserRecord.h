// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace lumenary {

// The display fields of an advertiser, in the order the directory window
// fills them.
enum class AdvertiserField : std::size_t {
    StoreName,
    Address,
    CityStateZip,
    WebPage,
    Email,
    Phone,
    Fax,
    BusinessHours,
    Payment,
    ProgNotes,
    FreeCatalog,
};
inline constexpr std::size_t AdvertiserFieldCount = 11;

// The label of FrmBookstore that shows each field, in field order.
inline constexpr std::array<const char*, AdvertiserFieldCount> AdvertiserLabels{
    "LblStoreName", "LblAddress", "LblCityStateZip", "LblWebPage", "LblEmail",  "LblPhone",
    "LblFax",       "LblBusinessHours", "LblPayment", "LblProgNotes", "LblFreeCatalog"};

// One advertiser: each field a complete display string, label prefix
// included. Hidden: the record has no such field and its label is hidden; an
// empty string shows the label blank.
struct AdvertiserRecord {
    static constexpr const char* Hidden = nullptr;

    std::array<const char*, AdvertiserFieldCount> fields;

    constexpr const char* operator[](AdvertiserField field) const { return fields[static_cast<std::size_t>(field)]; }
};

// The nine advertisers, in the order of the Bookstores menu.
inline constexpr std::size_t AdvertiserCount = 9;
const std::array<AdvertiserRecord, AdvertiserCount>& Advertisers();

} // namespace lumenary
