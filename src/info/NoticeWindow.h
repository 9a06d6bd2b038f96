// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "InfoWindow.h"

#include <vector>

class QVBoxLayout;

namespace lumenary {

enum class NoticeStyle {
    Heading,   // large and bold, centred
    Paragraph, // running text
    ListItem,  // one line of a list, set in from the margin
    Note,      // smaller text, centred
};

// One label of a notice: its object name, text and style.
struct NoticeText {
    const char* name;
    QString text;
    NoticeStyle style = NoticeStyle::Paragraph;
};

// A window of texts on a page, top to bottom, sized to hold them all.
class NoticeWindow : public InfoWindow {
    Q_OBJECT
public:
    NoticeWindow(const QString& objectName, const QString& title, Dismissal dismissal, WindowRegistry& windows,
                 const std::vector<NoticeText>& texts);

protected:
    // The page's column, for a window that adds more than labels.
    QVBoxLayout& Page() { return *page_; }

private:
    QVBoxLayout* page_;
};

} // namespace lumenary
