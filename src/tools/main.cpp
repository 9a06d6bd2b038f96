// SPDX-License-Identifier: GPL-3.0-or-later
// lumenary-db: builds and queries Lumenary question databases.
// Exit status: 0 on success, 1 when check finds problems, 2 on bad input
// (one line on stderr).

#include "BankCheck.h"
#include "CustomCommands.h"
#include "QuestionBank.h"

#include "DueQuestions.h"

#include "FieldValue.h"
#include "QuestionDatabase.h"
#include "RecordSet.h"
#include "StoreError.h"
#include "Version.h"

#include <SQLiteCpp/Exception.h>

#include <functional>
#include <iostream>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace lumenary;

constexpr int ExitProblemsFound = 1;
constexpr int ExitBadInput = 2;
constexpr std::size_t AnyNumber = std::numeric_limits<std::size_t>::max();

struct Command {
    const char* usage;
    const char* summary;
    std::size_t minArguments;
    std::size_t maxArguments;
    std::function<int(const std::vector<std::string>&)> run;
};

int Build(const std::vector<std::string>& arguments)
{
    const auto questions = ReadBankFolder(arguments[0]);
    WriteQuestionDatabase(questions, arguments[1]);
    std::cout << "Wrote " << questions.size() << " questions to " << arguments[1] << "\n";
    return 0;
}

// Lists what a filter selects, through the same record set a quiz pool uses.
int Select(const std::vector<std::string>& arguments)
{
    const auto database = QuestionDatabase::Open(arguments[0], QuestionDatabase::Use::ReadOnly);
    auto pool = RecordSet::OpenTable(database, std::string(kQuestionTableName)).Filtered(arguments[1]);
    for (pool.MoveFirst(); !pool.AtEnd(); pool.MoveNext())
        std::cout << FieldText(pool.Field("ID")) << "\t" << FieldText(pool.Field("Module")) << "\n";
    return 0;
}

int Check(const std::vector<std::string>& arguments)
{
    const std::vector<std::string> windows(arguments.begin() + 1, arguments.end());
    const auto problems = CheckQuestionDatabase(arguments[0], windows);
    for (const auto& problem : problems)
        std::cout << problem << "\n";
    return problems.empty() ? 0 : ExitProblemsFound;
}

std::string SubjectLine(const SubjectRecord& record)
{
    return record.subject + ": " + std::to_string(record.answers) + " answers, " + std::to_string(record.cards)
         + " cards, " + std::to_string(record.due) + " due, " + std::to_string(record.rightLast30Days)
         + " right in the last 30 days";
}

// The study record by subject, with the due counts the review window shows.
int Study(const std::vector<std::string>& arguments)
{
    StudyDay day = StudyDayOf(SystemClock().Now());
    if (arguments.size() > 1) {
        const auto given = arguments.size() == 3 && arguments[1] == "--day" ? ParseDay(arguments[2]) : std::nullopt;
        if (!given)
            throw BankError("study takes DB and optionally --day YYYY-MM-DD, a real date");
        day = *given;
    }
    const auto database = QuestionDatabase::Open(arguments[0], QuestionDatabase::Use::ReadOnly);
    SubjectRecord total{.subject = "Total"};
    for (const auto& record : StudySummary(*database, day)) {
        std::cout << SubjectLine(record) << "\n";
        total.answers += record.answers;
        total.cards += record.cards;
        total.due += record.due;
        total.rightLast30Days += record.rightLast30Days;
    }
    std::cout << SubjectLine(total) << "\n";
    return 0;
}

const std::map<std::string, Command>& Commands()
{
    static const std::map<std::string, Command> commands{
        {"build",
         {"build CSV_DIR OUT_DB",
          "Compiles every .csv file of CSV_DIR into the question database OUT_DB, with all markers reset.", 2, 2,
          Build}},
        {"check",
         {"check DB [WINDOW ...]",
          "Prints one line per problem in the question database DB and exits with 1 if there is any. With WINDOW "
          "names, checks only those selection windows' boxes and modules; the records are always checked.",
          1, AnyNumber, Check}},
        {"export",
         {"export DB OUT [--subject NAME]... [--format csv|tsv]",
          "Writes the questions of your own subjects in DB (of the named ones only, with --subject) to OUT: as the "
          "question bank's CSV (csv), or as tab-separated text for flashcard programs, a deck per subject (tsv). "
          "Without --format, an OUT ending in .tsv or .txt gets tsv, any other csv.",
          2, AnyNumber, ExportCommand}},
        {"import",
         {"import DB IN --subject NAME [--update]",
          "Adds the questions of IN to the subject NAME in DB (a subject of yours, or a new one). IN is the question "
          "bank's CSV, tab-separated text with flashcard header lines, or plain text of two columns (Part A, Part B) "
          "separated by tabs or commas. Every row is checked first, and nothing is imported if one is wrong. A row "
          "whose Part A the subject already has is skipped, or updates that question with --update.",
          4, 5, ImportCommand}},
        {"select",
         {"select DB FILTER", "Prints the ID and Module of every question FILTER selects in DB, in stored order.", 2,
          2, Select}},
        {"study",
         {"study DB [--day YYYY-MM-DD]",
          "Prints, for each subject of the study record in DB, its answers, its cards, the cards due on the day "
          "given (default today) and the right answers of the 30 days up to it, then the totals.",
          1, 3, Study}},
    };
    return commands;
}

void PrintUsage(std::ostream& out)
{
    out << "Usage: lumenary-db COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const auto& [name, command] : Commands())
        out << "  " << command.usage << "\n      " << command.summary << "\n";
    out << "\n'lumenary-db COMMAND --help' describes one command; 'lumenary-db --version' prints the version.\n";
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h") {
        PrintUsage(words.empty() ? std::cerr : std::cout);
        return words.empty() ? ExitBadInput : 0;
    }
    if (words[0] == "--version") {
        std::cout << "lumenary-db " << ProgramVersion << "\n";
        return 0;
    }
    const auto found = Commands().find(words[0]);
    if (found == Commands().end()) {
        std::cerr << "lumenary-db: unknown command \"" << words[0] << "\" (try --help)\n";
        return ExitBadInput;
    }
    const Command& command = found->second;
    const std::vector<std::string> arguments(words.begin() + 1, words.end());
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::cout << "Usage: lumenary-db " << command.usage << "\n" << command.summary << "\n";
        return 0;
    }
    if (arguments.size() < command.minArguments || arguments.size() > command.maxArguments) {
        std::cerr << "lumenary-db: usage: lumenary-db " << command.usage << "\n";
        return ExitBadInput;
    }
    try {
        return command.run(arguments);
    } catch (const BankError& error) {
        std::cerr << "lumenary-db: " << error.what() << "\n";
    } catch (const StoreError& error) {
        std::cerr << "lumenary-db: " << error.what() << "\n";
    } catch (const SQLite::Exception& error) {
        std::cerr << "lumenary-db: database error: " << error.what() << "\n";
    }
    return ExitBadInput;
}
