// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NoticeWindow.h"

class QTextBrowser;

namespace lumenary {

// What to do when the question database or the Greek and Hebrew text
// misbehave: a heading and a read-only document.
class FrmTroubleshooting final : public NoticeWindow {
    Q_OBJECT
public:
    explicit FrmTroubleshooting(WindowRegistry& windows);

protected:
    // The arrow, page, Home and End keys scroll the document; character keys
    // close the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* document_;
};

} // namespace lumenary
