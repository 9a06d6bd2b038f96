// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmNTBooks.h"

#include "QuizContext.h"
#include "QuizHost.h"

namespace lumenary {

FrmNTBooks::FrmNTBooks(QuizContext& context)
    : BookChecklistWindow(
          {QStringLiteral("FrmNTBooks"), QStringLiteral("Carrow New Testament Chapter Content"),
           QStringLiteral("LblInstructions"), QStringLiteral("Select the books of the Bible to include in your quiz"),
           {0, 1, 2, 3}, QStringLiteral("FrameOrder"),
           {QStringLiteral("Event To Reference"), QStringLiteral("Reference To Event")}, 0},
          context,
          {{QStringLiteral("CmdGospels"), QStringLiteral("&Gospels"), {{0, 0}, {2, 3}}},
           {QStringLiteral("CmdHistory"), QStringLiteral("&History"), {{4, 4}}},
           {QStringLiteral("CmdEpistles"), QStringLiteral("&Epistles"), {{5, 16}, {18, 22}}},
           {QStringLiteral("CmdProphecy"), QStringLiteral("&Prophecy"), {{26, 26}}}},
          {{0, 8}, {9, 17}, {18, 26}}, {QStringLiteral("CmdSelectAll"), QStringLiteral("CmdUnselectAll")})
{
}

void FrmNTBooks::OptQuiz_Click(int index)
{
    CoupleDirectionToQuizType(index);
}

void FrmNTBooks::Form_Unload()
{
    Context().host.ShowMainWindow();
}

} // namespace lumenary
