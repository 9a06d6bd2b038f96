// SPDX-License-Identifier: GPL-3.0-or-later
#include "MissedQuestions.h"

#include "QuestionDatabase.h"
#include "StudyTables.h"

#include <unordered_map>
#include <variant>

namespace lumenary {

namespace {

// What the card showed and what it wanted: Part B is the question table's
// Hebrew field, and the Greek tense drill shows that field and asks its tense.
constexpr char QuestionText[] =
    "CASE c.Way WHEN 'B' THEN q.Hebrew WHEN 'T' THEN q.Hebrew WHEN 'F' THEN q.French ELSE q.English END";
constexpr char AnswerText[] = "CASE c.Way WHEN 'B' THEN q.English WHEN 'T' THEN q.Theme ELSE q.Hebrew END";
// The misses of a card come from the record's index of misses alone.
constexpr char LastMissed[] = "(SELECT max(m.AnsweredAt) FROM StudyAnswer m "
                              "WHERE m.Correct = 0 AND m.QuestionID = c.QuestionID AND m.Way = c.Way)";
constexpr char Misses[] = "(SELECT count(*) FROM StudyAnswer m "
                          "WHERE m.Correct = 0 AND m.QuestionID = c.QuestionID AND m.Way = c.Way)";

std::string SortExpression(MissedColumn column)
{
    switch (column) {
    case MissedColumn::Subject: return "q.Module COLLATE NOCASE";
    case MissedColumn::Question: return std::string(QuestionText) + " COLLATE NOCASE";
    case MissedColumn::Answer: return std::string(AnswerText) + " COLLATE NOCASE";
    case MissedColumn::Way: return "c.Way";
    case MissedColumn::Misses: return Misses;
    case MissedColumn::LastMissed: return LastMissed;
    case MissedColumn::NextDue: return "c.DueDay";
    }
    return "c.QuestionID";
}

using Parameter = std::variant<std::string, int>;

struct Condition {
    std::string sql;
    std::vector<Parameter> parameters;
};

Condition ScopeCondition(const MissedFilter& filter)
{
    const auto missedSince = [&](int days) -> Condition {
        return {"EXISTS (SELECT 1 FROM StudyAnswer m WHERE m.Correct = 0 AND m.QuestionID = c.QuestionID "
                "AND m.Way = c.Way AND m.StudyDay > ? AND m.StudyDay <= ?)",
                {DayText(filter.today - std::chrono::days(days)), DayText(filter.today)}};
    };
    switch (filter.scope) {
    case MissedScope::LatestQuiz:
        // The mark says the latest quiz missed the question; its latest miss
        // says which way that quiz asked it.
        return {"q.Correct = 0 AND c.Way = (SELECT m.Way FROM StudyAnswer m WHERE m.Correct = 0 "
                "AND m.QuestionID = c.QuestionID ORDER BY m.AnsweredAt DESC, m.ID DESC LIMIT 1)",
                {}};
    case MissedScope::Last7Days: return missedSince(7);
    case MissedScope::Last30Days: return missedSince(30);
    case MissedScope::ThreeOrMore:
        // A card's lapses are its misses after its first answer, so three
        // misses make at least two lapses: the count runs on those cards only.
        return {std::string("c.Lapses >= 2 AND ") + Misses + " >= 3", {}};
    }
    return {"0", {}};
}

} // namespace

std::vector<MissedCard> MissedCards(QuestionDatabase& database, const MissedFilter& filter)
{
    std::vector<MissedCard> cards;
    if (!HasStudyTables(database.Sql()))
        return cards;
    auto condition = ScopeCondition(filter);
    if (filter.subject) {
        condition.sql += " AND q.Module = ?";
        condition.parameters.emplace_back(*filter.subject);
    }
    const char* direction = filter.descending ? " DESC" : " ASC";
    const auto query = database.Statement("SELECT c.QuestionID, c.Way FROM StudyCard c JOIN lm40data q ON q.ID = "
                                          "c.QuestionID WHERE " + condition.sql + " ORDER BY "
                                          + SortExpression(filter.sortBy) + direction + ", c.QuestionID" + direction
                                          + ", c.Way" + direction);
    int index = 0;
    for (const auto& parameter : condition.parameters)
        std::visit([&](const auto& value) { query->bind(++index, value); }, parameter);
    while (query->executeStep())
        cards.push_back({query->getColumn(0).getInt64(), query->getColumn(1).getString()});
    return cards;
}

std::vector<MissedRow> MissedRows(QuestionDatabase& database, std::span<const MissedCard> cards)
{
    std::vector<MissedRow> rows;
    rows.reserve(cards.size());
    const std::string sql = std::string("SELECT q.Module, ") + QuestionText + ", " + AnswerText + ", " + Misses
                          + ", " + LastMissed + ", c.DueDay FROM StudyCard c JOIN lm40data q ON q.ID = c.QuestionID "
                                         "WHERE c.QuestionID = ? AND c.Way = ?";
    for (const auto& card : cards) {
        const auto query = database.Statement(sql);
        query->bind(1, card.questionId);
        query->bind(2, card.way);
        if (!query->executeStep()) {
            rows.push_back({card, {}, {}, {}, 0, {}, {}});
            continue;
        }
        rows.push_back({card, query->getColumn(0).getString(), query->getColumn(1).getString(),
                        query->getColumn(2).getString(), query->getColumn(3).getInt(), query->getColumn(4).getString(),
                        query->getColumn(5).getString()});
    }
    return rows;
}

std::vector<std::string> CardSubjects(QuestionDatabase& database, std::span<const MissedCard> cards)
{
    std::vector<std::int64_t> ids;
    ids.reserve(cards.size());
    for (const auto& card : cards)
        ids.push_back(card.questionId);
    const auto query = database.Statement("SELECT ID, coalesce(Module, '') FROM lm40data "
                                          "WHERE ID IN (SELECT value FROM json_each(?))");
    query->bind(1, JsonArray(ids));
    std::unordered_map<std::int64_t, std::string> subjectOf;
    while (query->executeStep())
        subjectOf.emplace(query->getColumn(0).getInt64(), query->getColumn(1).getString());
    std::vector<std::string> subjects;
    subjects.reserve(cards.size());
    for (const auto& card : cards) {
        const auto found = subjectOf.find(card.questionId);
        subjects.push_back(found == subjectOf.end() ? std::string() : found->second);
    }
    return subjects;
}

std::vector<std::string> StudiedSubjects(QuestionDatabase& database)
{
    std::vector<std::string> subjects;
    if (!HasStudyTables(database.Sql()))
        return subjects;
    const auto query = database.Statement("SELECT DISTINCT q.Module FROM StudyCard c JOIN lm40data q "
                                          "ON q.ID = c.QuestionID WHERE q.Module IS NOT NULL ORDER BY q.Module");
    while (query->executeStep())
        subjects.push_back(query->getColumn(0).getString());
    return subjects;
}

} // namespace lumenary
