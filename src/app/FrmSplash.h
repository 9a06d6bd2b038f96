// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LumenaryWindow.h"

namespace lumenary {

struct QuizContext;

// The splash window. Nothing shows it at start; while it is shown, a click on
// its picture or a typed character dismisses it for the main window.
class FrmSplash : public LumenaryWindow {
    Q_OBJECT
public:
    explicit FrmSplash(QuizContext& context);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Dismiss();

    QuizContext& context_;
};

} // namespace lumenary
