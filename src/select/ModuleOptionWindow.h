// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SelectionWindow.h"

#include <map>

namespace lumenary {

namespace catalogue {
struct OptionWindow;
}

// A selection window that picks one whole question module from its Option
// array, as the catalogue lists them for the window of the same name. An
// option is always selected, so OK always starts a quiz.
class ModuleOptionWindow : public SelectionWindow {
    Q_OBJECT
public:
    struct Design {
        QString objectName;
        QString title;
        int initialOrder;  // the OptFlip option selected at opening
        int initialOption; // the Option selected at opening
        // The options stand in one or two columns; the frames stand beside
        // them when they are many, below otherwise.
        int columns;
        bool framesBeside;
    };

    ModuleOptionWindow(const Design& design, QuizContext& context);

    QRadioButton* Option(int index) const;

protected:
    std::string BuildFilter() override;
    // The module chosen, as its option names it.
    std::string DescribeSelection() const override;
    void Form_Unload() override;

private:
    const catalogue::OptionWindow& list_;
    std::map<int, QRadioButton*> options_;
};

} // namespace lumenary
