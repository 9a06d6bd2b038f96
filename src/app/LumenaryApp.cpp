// SPDX-License-Identifier: GPL-3.0-or-later
#include "LumenaryApp.h"

#include "FrmMain.h"
#include "Prompter.h"
#include "StoreError.h"

namespace lumenary {

LumenaryApp::LumenaryApp(Prompter& prompter, RandomSource& random, std::function<void()> endProgram,
                         const Clock& clock)
    : prompter_(prompter),
      preQuiz_(session_, prompter),
      common_(session_, prompter, random, clock),
      languages_(session_),
      endProgram_(std::move(endProgram))
{
}

LumenaryApp::~LumenaryApp() = default;

bool LumenaryApp::Start(const std::filesystem::path& databaseFile, QuestionDatabase::Use use)
{
    preQuiz_.SetDatabaseUse(use);
    try {
        main_ = std::make_unique<FrmMain>(MainWindowServices{session_, prompter_, preQuiz_, common_, languages_,
                                                             windows_, databaseFile, endProgram_});
    } catch (const StoreError& error) {
        prompter_.Information(error.what(), "Lumenary");
        return false;
    }
    main_->show();
    return true;
}

bool LumenaryApp::Start(const LocatedDatabase& database)
{
    if (!Start(database.file.toStdString(),
               database.installedBank ? QuestionDatabase::Use::KeepUnchanged : QuestionDatabase::Use::ReadWrite))
        return false;
    if (!database.notice.isEmpty())
        prompter_.Information(database.notice.toStdString(), "Lumenary");
    return true;
}

} // namespace lumenary
