// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LumenaryWindow.h"
#include "PrincipalPartWords.h"

namespace lumenary {

class WindowRegistry;

// The verbs of one principal-part list in Greek, in numbered columns, for the
// user to keep open beside the selection window and the quiz.
class GreekWordList : public LumenaryWindow {
    Q_OBJECT
public:
    GreekWordList(const QString& objectName, const QString& title, std::span<const catalogue::ListedVerb> verbs,
                  WindowRegistry& windows);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    WindowRegistry& windows_;
};

class FrmGrkEPP : public GreekWordList {
    Q_OBJECT
public:
    explicit FrmGrkEPP(WindowRegistry& windows);
};

class FrmGrkIPP : public GreekWordList {
    Q_OBJECT
public:
    explicit FrmGrkIPP(WindowRegistry& windows);
};

} // namespace lumenary
