// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuotedText.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

namespace lumenary {

namespace {

struct Decoded {
    std::size_t length = 0; // 0: the bytes at the position are not UTF-8
    char32_t codePoint = 0;
};

// The lead byte of a sequence of two, three or four bytes, and the smallest
// code point that needs that many.
struct Form {
    unsigned char mask;
    unsigned char lead;
    std::size_t length;
    char32_t smallest;
};
constexpr Form Forms[] = {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
Decoded DecodeAt(std::string_view text, std::size_t pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    if (byte(0) < 0x80)
        return {1, byte(0)};
    const auto* form = std::ranges::find_if(Forms, [&](const Form& f) { return (byte(0) & f.mask) == f.lead; });
    if (form == std::end(Forms) || pos + form->length > text.size())
        return {};
    char32_t codePoint = byte(0) & static_cast<unsigned char>(~form->mask);
    for (std::size_t i = 1; i < form->length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {};
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    if (codePoint < form->smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return {};
    return {form->length, codePoint};
}

std::size_t CharacterLength(std::string_view text, std::size_t pos)
{
    return std::max<std::size_t>(DecodeAt(text, pos).length, 1);
}

std::string Escaped(const char* format, unsigned value)
{
    char escape[8];
    std::snprintf(escape, sizeof escape, format, value);
    return escape;
}

} // namespace

std::optional<std::u32string> DecodeUtf8(std::string_view text)
{
    std::u32string codePoints;
    for (std::size_t pos = 0; pos < text.size();) {
        const auto [length, codePoint] = DecodeAt(text, pos);
        if (length == 0)
            return std::nullopt;
        codePoints += codePoint;
        pos += length;
    }
    return codePoints;
}

std::string Readable(std::string_view text)
{
    std::string readable;
    for (std::size_t pos = 0; pos < text.size();) {
        const auto [length, codePoint] = DecodeAt(text, pos);
        if (length == 0) {
            readable += Escaped("\\x%02X", static_cast<unsigned char>(text[pos]));
            ++pos;
            continue;
        }
        switch (codePoint) {
        case U'\0': readable += "\\0"; break;
        case U'\t': readable += "\\t"; break;
        case U'\n': readable += "\\n"; break;
        case U'\r': readable += "\\r"; break;
        default:
            if (codePoint < 0x20 || codePoint == 0x7F)
                readable += Escaped("\\x%02X", static_cast<unsigned>(codePoint));
            else if (codePoint >= 0x80 && codePoint < 0xA0)
                readable += Escaped("\\u%04X", static_cast<unsigned>(codePoint));
            else
                readable += text.substr(pos, length);
        }
        pos += length;
    }
    return readable;
}

std::string Excerpt(std::string_view text, std::size_t offset, std::size_t width)
{
    std::vector<std::size_t> starts; // the byte where each character starts
    for (std::size_t pos = 0; pos < text.size(); pos += CharacterLength(text, pos))
        starts.push_back(pos);
    if (starts.size() <= width)
        return Readable(text);
    // The character that holds `offset`; the end of the text counts as one past the last.
    const auto at = static_cast<std::size_t>(std::ranges::upper_bound(starts, offset) - starts.begin());
    const std::size_t around = at == 0 ? 0 : at - 1;
    const std::size_t first = std::min(around - std::min(around, width / 2), starts.size() - width);
    const std::size_t last = first + width; // one past the last character quoted
    const std::size_t end = last == starts.size() ? text.size() : starts[last];
    return (first > 0 ? "…" : "") + Readable(text.substr(starts[first], end - starts[first]))
         + (last < starts.size() ? "…" : "");
}

std::string Shortened(std::string_view text)
{
    return Excerpt(text, 0, 40);
}

std::size_t CharacterPosition(std::string_view text, std::size_t offset)
{
    std::size_t position = 1;
    for (std::size_t pos = 0; pos < std::min(offset, text.size()); pos += CharacterLength(text, pos))
        ++position;
    return position;
}

std::string_view CharacterAt(std::string_view text, std::size_t offset)
{
    return offset < text.size() ? text.substr(offset, CharacterLength(text, offset)) : std::string_view();
}

} // namespace lumenary
