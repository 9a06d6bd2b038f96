// SPDX-License-Identifier: GPL-3.0-or-later
#include "OldTestamentBookWindows.h"

namespace lumenary {

namespace {

// The detailed module has no poetry but Ecclesiastes and the Song of Solomon,
// and no minor prophets at all.
enum class Bank { Detailed, Simplified };

std::vector<BookGroup> OldTestamentGroups(Bank bank)
{
    const bool simplified = bank == Bank::Simplified;
    return {
        {QStringLiteral("CmdPentateuch"), QStringLiteral("&Pentateuch"), {{0, 4}}},
        {QStringLiteral("CmdHistory"), QStringLiteral("&History"), {{5, 16}}},
        {QStringLiteral("CmdPoetry"), QStringLiteral("Poe&try"), {simplified ? BoxRun{17, 21} : BoxRun{20, 21}}},
        // Lamentations (24) is left to a click of its own.
        {QStringLiteral("CmdMajorProphets"), QStringLiteral("&Major Prophets"), {{22, 23}, {25, 26}}},
        {QStringLiteral("CmdMinorProphets"), QStringLiteral("Mi&nor Prophets"), {{27, 29}, {31, 38}}, simplified},
    };
}

// Genesis to II Samuel, I Kings to Proverbs, Ecclesiastes to Amos, Obadiah to Malachi.
constexpr std::initializer_list<BoxRun> OldTestamentColumns{{0, 9}, {10, 19}, {20, 29}, {30, 38}};

const BookChecklistWindow::Names OldTestamentNames{QStringLiteral("CmdNTSelectAll"),
                                                   QStringLiteral("CmdNTUnselectAll")};

QString BooksPrompt()
{
    return QStringLiteral("Select the books of the Bible to include in your quiz");
}

} // namespace

FrmOTDetailed::FrmOTDetailed(QuizContext& context)
    : BookChecklistWindow({QStringLiteral("FrmOTDetailed"), QStringLiteral("Old Testament Chapter Content (Detailed)"),
                           QStringLiteral("Label1"), BooksPrompt(), {0, 1, 2, 3}, QStringLiteral("FrameOrder"),
                           {QStringLiteral("Reference to Event"), QStringLiteral("Event to Reference")}, 0},
                          context, OldTestamentGroups(Bank::Detailed), OldTestamentColumns, OldTestamentNames)
{
}

void FrmOTDetailed::OptQuiz_Click(int index)
{
    CoupleDirectionToQuizType(index);
}

FrmOTSimplified::FrmOTSimplified(QuizContext& context)
    : BookChecklistWindow({QStringLiteral("FrmOTSimplified"),
                           QStringLiteral("Old Testament Chapter Content (Simplified)"), QStringLiteral("Label1"),
                           BooksPrompt(), {0, 1, 2}, QStringLiteral("FrameOrder"),
                           {QStringLiteral("Event To Reference"), QStringLiteral("Reference To Event")}, 0},
                          context, OldTestamentGroups(Bank::Simplified), OldTestamentColumns, OldTestamentNames)
{
}

} // namespace lumenary
