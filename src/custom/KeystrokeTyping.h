// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QLineEdit;

namespace lumenary {

// Turns what is typed into a line edit from the old Greek font's keystrokes
// into Greek as it is typed. The keys typed at the end of the line since the
// last other change are converted together, so a mark typed after its vowel
// joins it; any other change (a deletion, typing mid-line) starts afresh.
// Keys typed while `enabled` says no stay as they are.
class KeystrokeTyping final : public QObject {
    Q_OBJECT
public:
    // Lives as long as the line edit.
    KeystrokeTyping(QLineEdit& line, std::function<bool()> enabled);

private:
    void Edited(const QString& text);

    QLineEdit& line_;
    std::function<bool()> enabled_;
    QString before_; // the text before the keys being converted
    std::string keys_;
    QString shown_;
};

} // namespace lumenary
