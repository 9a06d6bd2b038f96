// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuleOptionWindows.h"

namespace lumenary {

FrmNTHistory::FrmNTHistory(QuizContext& context)
    : ModuleOptionWindow({.objectName = QStringLiteral("FrmNTHistory"),
                          .title = QStringLiteral("New Testament History"),
                          .initialOrder = 1,
                          .initialOption = 0,
                          .columns = 1,
                          .framesBeside = false},
                         context)
{
}

FrmKings::FrmKings(QuizContext& context)
    : ModuleOptionWindow({.objectName = QStringLiteral("FrmKings"),
                          .title = QStringLiteral("Old Testament History"),
                          .initialOrder = 1,
                          .initialOption = 0,
                          .columns = 1,
                          .framesBeside = false},
                         context)
{
}

FrmChurchMusic::FrmChurchMusic(QuizContext& context)
    : ModuleOptionWindow({.objectName = QStringLiteral("FrmChurchMusic"),
                          .title = QStringLiteral("Church Music"),
                          .initialOrder = 0,
                          .initialOption = 1,
                          .columns = 1,
                          .framesBeside = false},
                         context)
{
}

FrmTheology::FrmTheology(QuizContext& context)
    : ModuleOptionWindow({.objectName = QStringLiteral("FrmTheology"),
                          .title = QStringLiteral("Theology"),
                          .initialOrder = 0,
                          .initialOption = 0,
                          .columns = 1,
                          .framesBeside = false},
                         context)
{
}

FrmChurchHistory::FrmChurchHistory(QuizContext& context)
    : ModuleOptionWindow({.objectName = QStringLiteral("FrmChurchHistory"),
                          .title = QStringLiteral("Church History"),
                          .initialOrder = 1,
                          .initialOption = 9,
                          .columns = 1,
                          .framesBeside = true},
                         context)
{
}

FrmNTI::FrmNTI(QuizContext& context)
    : ModuleOptionWindow({.objectName = QStringLiteral("FrmNTI"),
                          .title = QStringLiteral("New Testament Introduction"),
                          .initialOrder = 0,
                          .initialOption = 10,
                          .columns = 2,
                          .framesBeside = true},
                         context)
{
}

FrmOTI::FrmOTI(QuizContext& context)
    : ModuleOptionWindow({.objectName = QStringLiteral("FrmOTI"),
                          .title = QStringLiteral("Old Testament Introduction"),
                          .initialOrder = 0,
                          .initialOption = 5,
                          .columns = 1,
                          .framesBeside = false},
                         context)
{
}

} // namespace lumenary
