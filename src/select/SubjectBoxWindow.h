// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SelectionWindow.h"

class QCheckBox;
class QGridLayout;

namespace lumenary {

// A selection window that narrows by ticking whole subjects: the prompt
// along the top, the subjects' frame (their boxes in columns of twelve, then
// "Select &All" and "&Unselect All") with the quiz type and order beside it,
// and OK below.
class SubjectBoxWindow : public SelectionWindow {
    Q_OBJECT
public:
    SubjectBoxWindow(const SelectionDesign& design, const QString& frameTitle, QuizContext& context);

protected:
    // "Select &All" (true) and "&Unselect All" (false).
    virtual void TickAll(bool ticked) = 0;
    // A subject's box, ChkSubject(index), in its place in the frame.
    QCheckBox* MakeSubjectBox(const QString& caption, int index);

private:
    QGridLayout* subjectGrid_;
};

} // namespace lumenary
