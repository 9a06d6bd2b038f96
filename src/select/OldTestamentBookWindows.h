// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BookChecklistWindow.h"

namespace lumenary {

// Old Testament chapter content, detailed module, chosen by book; the
// second direction is offered for multiple choice only.
class FrmOTDetailed : public BookChecklistWindow {
    Q_OBJECT
public:
    explicit FrmOTDetailed(QuizContext& context);

protected:
    void OptQuiz_Click(int index) override;
};

// Old Testament chapter content, simplified module, chosen by book.
class FrmOTSimplified : public BookChecklistWindow {
    Q_OBJECT
public:
    explicit FrmOTSimplified(QuizContext& context);
};

} // namespace lumenary
