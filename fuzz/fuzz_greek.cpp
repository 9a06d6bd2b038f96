// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the converter of the old Greek font's keystrokes. Any bytes
// convert without a fault; the result is precomposed (NFC) and keeps no Latin
// letter but v, V and J: every other letter key stands for a Greek letter, v
// (the smooth breathing) stays as it is where no vowel takes it, and final
// sigma has no capital.

#include "GreekKeystrokes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view keystrokes(reinterpret_cast<const char*>(data), size);
    const QString greek = lumenary::GreekFromKeystrokes(keystrokes);
    const bool precomposed = greek == greek.normalized(QString::NormalizationForm_C);
    const bool latinLeft =
        std::any_of(greek.begin(), greek.end(), [](QChar c) { return c.unicode() < 128 && c.isLetter() && c != u'v' && c != u'V' && c != u'J'; });
    if (!precomposed || latinLeft) {
        std::cerr << "\"" << keystrokes << "\" -> \"" << greek.toStdString() << "\": "
                  << (precomposed ? "a Latin letter is left" : "not in NFC") << "\n";
        std::abort();
    }
    return 0;
}
