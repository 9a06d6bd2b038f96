// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomCommands.h"

#include "CustomExport.h"
#include "CustomImport.h"
#include "QuestionBank.h"
#include "QuotedText.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>

namespace lumenary {

namespace {

struct CommandLine {
    std::vector<std::string> files;
    std::vector<std::string> subjects;
    std::optional<std::string> format;
    bool update = false;
};

// The words after the command: file names, and the options `allowed` lists.
CommandLine ParseWords(const std::vector<std::string>& words, const std::vector<std::string>& allowed)
{
    CommandLine line;
    for (auto word = words.begin(); word != words.end(); ++word) {
        if (!word->starts_with("--")) {
            line.files.push_back(*word);
            continue;
        }
        if (std::ranges::find(allowed, *word) == allowed.end())
            throw BankError("unknown option " + Readable(*word) + " (try --help)");
        if (*word == "--update") {
            line.update = true;
            continue;
        }
        const std::string option = *word;
        if (++word == words.end())
            throw BankError(option + " needs a value");
        if (option == "--subject")
            line.subjects.push_back(*word);
        else
            line.format = *word;
    }
    return line;
}

void ExpectFiles(const CommandLine& line, const char* usage)
{
    if (line.files.size() != 2)
        throw BankError(std::string("usage: lumenary-db ") + usage);
}

custom::ExportFormat FormatFor(const CommandLine& line, const std::filesystem::path& out)
{
    const std::string format = line.format.value_or(
        out.extension() == ".tsv" || out.extension() == ".txt" ? "tsv" : "csv");
    if (format == "csv")
        return custom::ExportFormat::BankCsv;
    if (format == "tsv")
        return custom::ExportFormat::FlashcardText;
    throw BankError("--format takes csv or tsv, not \"" + Readable(format) + "\"");
}

} // namespace

int ExportCommand(const std::vector<std::string>& arguments)
{
    const auto line = ParseWords(arguments, {"--subject", "--format"});
    ExpectFiles(line, "export DB OUT [--subject NAME]... [--format csv|tsv]");
    const std::filesystem::path out = line.files[1];
    const auto format = FormatFor(line, out);
    const auto database = QuestionDatabase::Open(line.files[0], QuestionDatabase::Use::ReadOnly);
    const auto written = custom::ExportToFile(*database, line.subjects, format, out);
    std::cout << "Wrote " << written << " questions to " << out.string() << "\n";
    return 0;
}

int ImportCommand(const std::vector<std::string>& arguments)
{
    const auto line = ParseWords(arguments, {"--subject", "--update"});
    ExpectFiles(line, "import DB IN --subject NAME [--update]");
    if (line.subjects.size() != 1)
        throw BankError("import takes one --subject NAME, the subject the questions go to");
    const auto text = custom::ReadImportText(line.files[1]);
    const auto database = QuestionDatabase::Open(line.files[0]);
    const auto result = custom::ImportQuestions(*database, text, {line.subjects[0], line.update});
    std::string subjects;
    for (const auto& subject : result.subjects)
        subjects += (subjects.empty() ? "\"" : ", \"") + subject + "\"";
    std::cout << "Imported into " << subjects << ": " << result.added << " added, " << result.updated
              << " updated, " << result.skipped << " skipped\n";
    return 0;
}

} // namespace lumenary
