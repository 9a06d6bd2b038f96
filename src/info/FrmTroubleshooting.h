#pragma once

#include "NoticeWindow.h"

namespace lumenary {

// What to do when the question database or the Greek and Hebrew text
// misbehave: a heading and a read-only document.
class FrmTroubleshooting final : public NoticeWindow {
    Q_OBJECT
public:
    explicit FrmTroubleshooting(WindowRegistry& windows);
};

} // namespace lumenary
