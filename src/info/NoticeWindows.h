// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NoticeWindow.h"

// The notice windows of the Bookstores and About menus: fixed texts.

namespace lumenary {

class FrmAboutAdvertising final : public NoticeWindow {
    Q_OBJECT
public:
    explicit FrmAboutAdvertising(WindowRegistry& windows);
};

class FrmDisclaimer final : public NoticeWindow {
    Q_OBJECT
public:
    explicit FrmDisclaimer(WindowRegistry& windows);
};

class FrmAboutDistribution final : public NoticeWindow {
    Q_OBJECT
public:
    explicit FrmAboutDistribution(WindowRegistry& windows);
};

class FrmUpcoming final : public NoticeWindow {
    Q_OBJECT
public:
    explicit FrmUpcoming(WindowRegistry& windows);
};

class FrmAboutProgrammer final : public NoticeWindow {
    Q_OBJECT
public:
    explicit FrmAboutProgrammer(WindowRegistry& windows);
};

// Kept loaded once shown: a click hides it, keys do nothing.
class FrmContributors final : public NoticeWindow {
    Q_OBJECT
public:
    explicit FrmContributors(WindowRegistry& windows);
};

} // namespace lumenary
