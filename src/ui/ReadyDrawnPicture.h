// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace lumenary {

// A picture drawn at build time, kept as the pixels to copy to the screen:
// this header, then the rows in premultiplied 32-bit ARGB, nothing between.
// Copying it costs nothing next to decoding a PNG or drawing the SVG.
struct ReadyDrawnHeader {
    char magic[4]; // "LRDP"
    std::uint32_t width;
    std::uint32_t height;
};

inline constexpr char kReadyDrawnMagic[4] = {'L', 'R', 'D', 'P'};

} // namespace lumenary
