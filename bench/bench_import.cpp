// SPDX-License-Identifier: GPL-3.0-or-later
// What moving the user's own questions costs: importing 10,000 rows of each
// file format into a copy of a bank-sized database (reading the file, checking
// every row, writing them in one transaction), and exporting them again.
// Prints a table of medians over five runs; never fails.

#include "CsvReader.h"
#include "CustomExport.h"
#include "CustomImport.h"
#include "QuestionBank.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace lumenary;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRows = 10000;
constexpr int kRuns = 5;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> times)
{
    std::ranges::sort(times);
    return times[times.size() / 2];
}

// As many questions as the bundled bank holds, in one module.
std::vector<BankQuestion> BankSized()
{
    std::vector<BankQuestion> questions;
    for (int id = 1; id <= 5000; ++id)
        questions.push_back(BankQuestion{.source = {}, .id = id, .module = "Bench", .category = id % 19, .book = {},
                                         .chapter = {}, .theme = "na", .english = "prompt " + std::to_string(id),
                                         .french = {}, .hebrew = "answer " + std::to_string(id)});
    return questions;
}

// Greek and Hebrew words with a gloss that needs quoting, `kRows` of them.
void WriteRows(const std::filesystem::path& file, custom::ExportFormat format)
{
    std::ofstream out(file, std::ios::binary);
    const bool csv = format == custom::ExportFormat::BankCsv;
    out << (csv ? std::string(kQuestionCsvHeader) + "\n" : "#separator:tab\n#html:false\n#columns:Part A\tPart B\tUnit\tTheme\n");
    for (int i = 0; i < kRows; ++i) {
        const std::string partA = "λόγος " + std::to_string(i);
        const std::string partB = "\"word, speech\" בְּרֵאשִׁית " + std::to_string(i);
        const std::string unit = std::to_string(i % 40);
        if (csv)
            out << ",Any," << unit << ",,,na," << CsvCell(partA) << ",," << CsvCell(partB) << "\n";
        else
            out << CsvCell(partA, '\t') << "\t" << CsvCell(partB, '\t') << "\t" << unit << "\tna\n";
    }
}

void Measure(const std::filesystem::path& folder, const char* name, custom::ExportFormat format)
{
    const auto file = folder / "rows";
    WriteRows(file, format);
    std::vector<double> imports;
    std::vector<double> exports;
    for (int run = 0; run < kRuns; ++run) {
        const auto db = folder / "copy.db";
        WriteQuestionDatabase(BankSized(), db);
        auto start = Clock::now();
        const auto database = QuestionDatabase::Open(db);
        const auto result =
            custom::ImportQuestions(*database, custom::ReadImportText(file), {.subject = "Vocabulary", .updateExisting = false});
        imports.push_back(MillisecondsSince(start));
        if (result.added != kRows)
            std::printf("only %lld of %d rows were added\n", static_cast<long long>(result.added), kRows);
        start = Clock::now();
        custom::ExportToFile(*database, {}, format, folder / "out");
        exports.push_back(MillisecondsSince(start));
    }
    std::printf("%-16s %8d %12.1f %12.1f\n", name, kRows, Median(imports), Median(exports));
}

} // namespace

int main()
{
    char pattern[] = "/tmp/lumenary-bench-XXXXXX";
    const std::filesystem::path folder = ::mkdtemp(pattern);
    std::printf("%-16s %8s %12s %12s\n", "format", "rows", "import ms", "export ms");
    Measure(folder, "bank CSV", custom::ExportFormat::BankCsv);
    Measure(folder, "flashcard text", custom::ExportFormat::FlashcardText);
    std::filesystem::remove_all(folder);
    return 0;
}
