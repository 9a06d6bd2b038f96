// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <optional>
#include <string_view>

namespace lumenary {

// Text from a file, a database or the command line, made fit to quote in a
// one-line message: a NUL or another control character shows as an escape
// (\0, \t, \n, \r, \x1B, \u0085) and a byte that is not UTF-8 as \xNN, so
// nothing cuts the message short, breaks its line or garbles the terminal.
std::string Readable(std::string_view text);

// At most about `width` characters of `text` around byte `offset`, readable
// as above, cut on character boundaries, with "…" where text is left out.
std::string Excerpt(std::string_view text, std::size_t offset, std::size_t width = 80);

// A word or value quoted in a message about a longer text: its first 40
// characters or so, readable as above.
std::string Shortened(std::string_view text);

// The 1-based character position of byte `offset` (a byte that is not UTF-8
// counts as one character).
std::size_t CharacterPosition(std::string_view text, std::size_t offset);

// The whole character that starts at byte `offset` (one byte if the bytes
// there are not UTF-8).
std::string_view CharacterAt(std::string_view text, std::size_t offset);

// The code points of strict UTF-8 text; nullopt when a byte is not UTF-8.
std::optional<std::u32string> DecodeUtf8(std::string_view text);

} // namespace lumenary
