// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared pieces of the tests: a real question database in a temporary
// folder, a prompter that records and answers, a scripted random source.

#include "Prompter.h"
#include "QuestionBank.h"
#include "RandomSource.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace lumenary::test {

// A question with the fields a test cares about; the rest stay null.
BankQuestion Question(std::int64_t id, const std::string& module, std::optional<std::int64_t> category = {},
                      std::optional<std::string> book = {}, std::optional<std::string> theme = {});

// Questions 1 to `count` of one module and unit, each with its own prompt and answer.
std::vector<BankQuestion> UnitQuestions(const std::string& module, std::int64_t category, int count);

// One of the user's own questions: its subject, Part A (English) and Part B (Hebrew).
BankQuestion Own(std::int64_t id, const std::string& subject, std::string partA, std::string partB);

// A question database file in its own temporary folder.
class TemporaryBank {
public:
    explicit TemporaryBank(const std::vector<BankQuestion>& questions);
    std::filesystem::path Path() const { return path_; }
    std::filesystem::path Folder() const { return path_.parent_path(); }

    // Runs SQL on the file through a connection of its own.
    void Execute(const std::string& sql) const;
    // One whole-number value read through a connection of its own.
    long long Number(const std::string& sql) const;
    // One text value read through a connection of its own.
    std::string Text(const std::string& sql) const;

private:
    QTemporaryDir folder_;
    std::filesystem::path path_;
};

// The user's own questions (IDs from 20000) as the file holds them, a line
// each in ID order: the ID, every field quoted as SQLite types it, the marks.
std::string OwnQuestionRows(const TemporaryBank& bank);

// The bytes of a file; empty when it cannot be read.
QByteArray FileContent(const std::filesystem::path& file);

// The bank version a database file carries.
std::optional<std::string> FileBankVersion(const std::filesystem::path& file);

// A question table over many pages (2000 questions, 4 KiB pages), in the
// rollback journal a copied or freshly built file has.
void WriteLargeBank(const std::filesystem::path& file);

// How a copied file comes out damaged: cut off half way, or with pages
// overwritten by garbage.
enum class Damage { Truncated, GarbagePages };
void DamageFile(const std::filesystem::path& file, Damage damage);

struct Message {
    std::string text;
    std::string title;
    bool question = false;
};

class RecordingPrompter final : public Prompter {
public:
    void Information(const std::string& text, const std::string& title) override;
    bool Question(const std::string& text, const std::string& title) override;
    std::optional<std::string> TypedLine(const std::string& text, const std::string& title,
                                         const std::string& line) override;

    std::vector<Message> messages;
    std::deque<bool> answers; // for questions, in order; No once they run out
    std::deque<std::string> lines; // for lines to type, in order; Cancel once they run out
};

// A fair generator with a fixed seed, so statistical tests are repeatable.
class SeededRandom final : public RandomSource {
public:
    void Reseed() override {}
    double Next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937 engine_{20261206};
};

// Gives the numbers it was handed, in order, then repeats the last one.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> numbers) : numbers_(std::move(numbers)) {}
    void Reseed() override { ++reseeds; }
    double Next() override;
    // Numbers to give once those not given yet are used up.
    void Then(const std::vector<double>& numbers);

    int reseeds = 0;

private:
    std::vector<double> numbers_;
    std::size_t next_ = 0;
};

} // namespace lumenary::test
