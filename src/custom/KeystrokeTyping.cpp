// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeystrokeTyping.h"

#include "GreekKeystrokes.h"

#include <QLineEdit>

#include <utility>

namespace lumenary {

namespace {

bool IsKey(QChar c)
{
    return c.unicode() > 0x20 && c.unicode() < 0x7F;
}

} // namespace

KeystrokeTyping::KeystrokeTyping(QLineEdit& line, std::function<bool()> enabled)
    : QObject(&line), line_(line), enabled_(std::move(enabled)), before_(line.text()), shown_(before_)
{
    connect(&line, &QLineEdit::textEdited, this, &KeystrokeTyping::Edited);
}

void KeystrokeTyping::Edited(const QString& text)
{
    if (!enabled_()) {
        before_ = shown_ = text;
        keys_.clear();
        return;
    }
    const bool atEnd = line_.cursorPosition() == text.size();
    const bool keyAtEnd = atEnd && !text.isEmpty() && (IsKey(text.back()) || text.back() == QLatin1Char(' '));
    if (keyAtEnd && text.chopped(1) == shown_) {
        keys_ += static_cast<char>(text.back().unicode());
    } else if (keyAtEnd && IsKey(text.back()) && !shown_.startsWith(text)) {
        // The key replaced a selection: it begins a new run.
        before_ = text.chopped(1);
        keys_ = static_cast<char>(text.back().unicode());
    } else {
        before_ = text;
        keys_.clear();
    }
    shown_ = before_ + GreekFromKeystrokes(keys_);
    if (shown_ != text)
        line_.setText(shown_);
}

} // namespace lumenary
