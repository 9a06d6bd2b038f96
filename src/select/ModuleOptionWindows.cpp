#include "ModuleOptionWindows.h"

namespace lumenary {

FrmNTHistory::FrmNTHistory(QuizContext& context)
    : ModuleOptionWindow({QStringLiteral("FrmNTHistory"), QStringLiteral("New Testament History"), 1, 0, 8, false}, context)
{
}

FrmKings::FrmKings(QuizContext& context)
    : ModuleOptionWindow({QStringLiteral("FrmKings"), QStringLiteral("Old Testament History"), 1, 0, 8, false}, context)
{
}

FrmChurchMusic::FrmChurchMusic(QuizContext& context)
    : ModuleOptionWindow({QStringLiteral("FrmChurchMusic"), QStringLiteral("Church Music"), 0, 1, 8, false}, context)
{
}

FrmTheology::FrmTheology(QuizContext& context)
    : ModuleOptionWindow({QStringLiteral("FrmTheology"), QStringLiteral("Theology"), 0, 0, 8, false}, context)
{
}

FrmChurchHistory::FrmChurchHistory(QuizContext& context)
    : ModuleOptionWindow({QStringLiteral("FrmChurchHistory"), QStringLiteral("Church History"), 1, 9, 10, true}, context)
{
}

FrmNTI::FrmNTI(QuizContext& context)
    : ModuleOptionWindow({QStringLiteral("FrmNTI"), QStringLiteral("New Testament Introduction"), 0, 10, 6, true}, context)
{
}

FrmOTI::FrmOTI(QuizContext& context)
    : ModuleOptionWindow({QStringLiteral("FrmOTI"), QStringLiteral("Old Testament Introduction"), 0, 5, 8, false}, context)
{
}

} // namespace lumenary
