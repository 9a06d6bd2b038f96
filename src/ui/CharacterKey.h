// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;

namespace lumenary {

// Whether a key types a character: a letter, digit or punctuation key, Enter,
// Esc or Backspace. Function keys, arrows and modifiers alone do not.
bool IsCharacterKey(const QKeyEvent& event);

} // namespace lumenary
