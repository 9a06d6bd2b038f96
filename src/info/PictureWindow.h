// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "InfoWindow.h"

#include <vector>

namespace lumenary {

enum class PicturePlace {
    Band,      // on a dark band across the foot of the picture
    Watermark, // large and pale across the middle
};

// A label over the picture: its object name, text and place.
struct PictureText {
    const char* name;
    QString text;
    PicturePlace place = PicturePlace::Band;
};

// A window filled by one picture, with labels over it and the window's title
// written out below it. It opens as large as the picture (or as the screen
// allows) and may be resized; the picture keeps its proportions.
class PictureWindow : public InfoWindow {
    Q_OBJECT
public:
    PictureWindow(const QString& objectName, const QString& title, const QString& picture, WindowRegistry& windows,
                  const std::vector<PictureText>& texts = {});
};

} // namespace lumenary
