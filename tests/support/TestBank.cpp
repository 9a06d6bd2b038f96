// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestBank.h"

#include "BankVersion.h"

#include <SQLiteCpp/Database.h>

#include <QtTest>

#include <fstream>

namespace lumenary::test {

BankQuestion Question(std::int64_t id, const std::string& module, std::optional<std::int64_t> category,
                      std::optional<std::string> book, std::optional<std::string> theme)
{
    BankQuestion question;
    question.id = id;
    question.module = module;
    question.category = category;
    question.book = std::move(book);
    question.theme = std::move(theme);
    question.english = "Prompt " + std::to_string(id);
    question.hebrew = "Answer " + std::to_string(id);
    return question;
}

std::vector<BankQuestion> UnitQuestions(const std::string& module, std::int64_t category, int count)
{
    std::vector<BankQuestion> questions;
    for (int id = 1; id <= count; ++id)
        questions.push_back(Question(id, module, category));
    return questions;
}

BankQuestion Own(std::int64_t id, const std::string& subject, std::string partA, std::string partB)
{
    BankQuestion question = Question(id, subject);
    question.english = std::move(partA);
    question.hebrew = std::move(partB);
    return question;
}

TemporaryBank::TemporaryBank(const std::vector<BankQuestion>& questions)
    : path_(std::filesystem::path(folder_.path().toStdString()) / "lm50data.db")
{
    WriteQuestionDatabase(questions, path_);
}

void TemporaryBank::Execute(const std::string& sql) const
{
    SQLite::Database database(path_.string(), SQLite::OPEN_READWRITE);
    database.exec(sql);
}

long long TemporaryBank::Number(const std::string& sql) const
{
    SQLite::Database database(path_.string(), SQLite::OPEN_READONLY);
    return database.execAndGet(sql).getInt64();
}

std::string OwnQuestionRows(const TemporaryBank& bank)
{
    return bank.Text("SELECT coalesce(group_concat(row, char(10)), '') FROM (SELECT ID || quote(Module) ||"
                     " quote(Category) || quote(Book) || quote(Chapter) || quote(Theme) || quote(English) ||"
                     " quote(French) || quote(Hebrew) || ' ' || QuestionUsed || Correct || Chosen AS row"
                     " FROM lm40data WHERE ID >= 20000 ORDER BY ID)");
}

QByteArray FileContent(const std::filesystem::path& file)
{
    QFile content(QString::fromStdString(file.string()));
    return content.open(QIODevice::ReadOnly) ? content.readAll() : QByteArray();
}

std::optional<std::string> FileBankVersion(const std::filesystem::path& file)
{
    SQLite::Database database(file.string(), SQLite::OPEN_READONLY);
    return ReadBankVersion(database);
}

std::string TemporaryBank::Text(const std::string& sql) const
{
    SQLite::Database database(path_.string(), SQLite::OPEN_READONLY);
    return database.execAndGet(sql).getString();
}

namespace {
constexpr std::size_t PageSize = 4096;
}

void WriteLargeBank(const std::filesystem::path& file)
{
    SQLite::Database database(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    database.exec("PRAGMA page_size = " + std::to_string(PageSize));
    database.exec("CREATE TABLE lm40data (ID INTEGER PRIMARY KEY, Module, Category, Book, Chapter, Theme, English,"
                  " French, Hebrew, QuestionUsed, Correct, Chosen)");
    database.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                  "INSERT INTO lm40data SELECT i, 'Kings', 1, NULL, NULL, 'na', printf('Question number %d', i), "
                  "NULL, printf('Answer number %d', i), 0, 1, 0 FROM n");
}

void DamageFile(const std::filesystem::path& file, Damage damage)
{
    if (damage == Damage::Truncated)
        std::filesystem::resize_file(file, std::filesystem::file_size(file) / 2);
    else
        std::fstream(file, std::ios::in | std::ios::out | std::ios::binary).seekp(PageSize * 3)
            << std::string(PageSize * 2, '\x5a');
}

void RecordingPrompter::Information(const std::string& text, const std::string& title)
{
    messages.push_back({text, title, false});
}

bool RecordingPrompter::Question(const std::string& text, const std::string& title)
{
    messages.push_back({text, title, true});
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> RecordingPrompter::TypedLine(const std::string& text, const std::string& title,
                                                         const std::string& line)
{
    messages.push_back({text + " [" + line + "]", title, true});
    if (lines.empty())
        return std::nullopt;
    auto typed = std::move(lines.front());
    lines.pop_front();
    return typed;
}

double ScriptedRandom::Next()
{
    const double number = numbers_.at(std::min(next_, numbers_.size() - 1));
    ++next_;
    return number;
}

void ScriptedRandom::Then(const std::vector<double>& numbers)
{
    next_ = std::min(next_, numbers_.size());
    numbers_.insert(numbers_.end(), numbers.begin(), numbers.end());
}

} // namespace lumenary::test
