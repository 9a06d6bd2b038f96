// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ModuleOptionWindow.h"

namespace lumenary {

// The windows that pick one whole module from a short list.

class FrmNTHistory : public ModuleOptionWindow {
    Q_OBJECT
public:
    explicit FrmNTHistory(QuizContext& context);
};

class FrmKings : public ModuleOptionWindow {
    Q_OBJECT
public:
    explicit FrmKings(QuizContext& context);
};

class FrmChurchMusic : public ModuleOptionWindow {
    Q_OBJECT
public:
    explicit FrmChurchMusic(QuizContext& context);
};

class FrmTheology : public ModuleOptionWindow {
    Q_OBJECT
public:
    explicit FrmTheology(QuizContext& context);
};

class FrmChurchHistory : public ModuleOptionWindow {
    Q_OBJECT
public:
    explicit FrmChurchHistory(QuizContext& context);
};

class FrmNTI : public ModuleOptionWindow {
    Q_OBJECT
public:
    explicit FrmNTI(QuizContext& context);
};

class FrmOTI : public ModuleOptionWindow {
    Q_OBJECT
public:
    explicit FrmOTI(QuizContext& context);
};

} // namespace lumenary
