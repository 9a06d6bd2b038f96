// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PictureWindow.h"

// The book covers of the Books menu and the posters of the Posters menu.

namespace lumenary {

class FrmBookMoses final : public PictureWindow {
    Q_OBJECT
public:
    explicit FrmBookMoses(WindowRegistry& windows);
};

class FrmBookImage final : public PictureWindow {
    Q_OBJECT
public:
    explicit FrmBookImage(WindowRegistry& windows);
};

class FrmMindofGod final : public PictureWindow {
    Q_OBJECT
public:
    explicit FrmMindofGod(WindowRegistry& windows);
};

class FrmReelStory final : public PictureWindow {
    Q_OBJECT
public:
    explicit FrmReelStory(WindowRegistry& windows);
};

class FrmPosterOne final : public PictureWindow {
    Q_OBJECT
public:
    explicit FrmPosterOne(WindowRegistry& windows);
};

class FrmPosterTwo final : public PictureWindow {
    Q_OBJECT
public:
    explicit FrmPosterTwo(WindowRegistry& windows);
};

} // namespace lumenary
