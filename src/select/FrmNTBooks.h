// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BookChecklistWindow.h"

namespace lumenary {

// New Testament chapter content, chosen by book.
class FrmNTBooks : public BookChecklistWindow {
    Q_OBJECT
public:
    explicit FrmNTBooks(QuizContext& context);

protected:
    void OptQuiz_Click(int index) override;
    void Form_Unload() override;
};

} // namespace lumenary
