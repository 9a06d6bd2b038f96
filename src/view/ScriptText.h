// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

#include <optional>

namespace lumenary {

// The fonts the quizzes show Greek and Hebrew in, at one size, for lists
// that mix them with English.
class ScriptFonts {
public:
    explicit ScriptFonts(int pointSize);

    // Gentium Plus for Greek text, Ezra SIL for Hebrew; none for any other
    // text, which keeps the list's own font.
    std::optional<QFont> FontOf(const QString& text) const;
    // The height of a line in the taller of the two.
    int TallestLine() const;
    // Hebrew reads from the right.
    static bool RightToLeft(const QString& text);

private:
    QFont greek_;
    QFont hebrew_;
};

} // namespace lumenary
