// SPDX-License-Identifier: GPL-3.0-or-later
#include "FalseAnswerPool.h"

#include "FieldValue.h"
#include "QuestionSides.h"
#include "Session.h"

#include <set>
#include <vector>

namespace lumenary {

namespace {

// Draws before the pick turns to a count of the eligible records: enough
// that a pool with a few repeated answers almost never gets there.
constexpr int DrawAttempts = 8;

} // namespace

FalseAnswerPool::FalseAnswerPool(const RecordSet& pool, const Session& session)
{
    std::set<std::pair<bool, bool>> directions{{session.Flip, session.UseFrench}};
    for (const auto& [id, direction] : session.QuestionDirections)
        directions.insert({direction.Flip, direction.UseFrench});
    const auto text = [](const FieldValue& value) { return QString::fromStdString(FieldText(value)); };
    for (const auto& [flip, useFrench] : directions) {
        const auto fields = pool.ReadColumns({QuestionField(flip, useFrench), AnswerField(flip, useFrench)});
        Sides& sides = sides_[{flip, useFrench}];
        sides.answers.reserve(fields[1].size());
        sides.truePairs.reserve(static_cast<qsizetype>(fields[1].size()));
        for (std::size_t position = 0; position < fields[1].size(); ++position) {
            sides.answers.push_back(text(fields[1][position]));
            sides.truePairs.insert({text(fields[0][position]), sides.answers.back()});
        }
    }
}

std::optional<QString> FalseAnswerPool::Pick(const Session& session, const QString& question,
                                             const QString& ownAnswer,
                                             const std::function<std::size_t(std::size_t)>& randomBelow) const
{
    const Sides& sides = sides_.at({session.Flip, session.UseFrench});
    const auto& answers = sides.answers;
    const auto isFalse = [&](const QString& answer) {
        return answer != ownAnswer && !sides.truePairs.contains({question, answer});
    };
    const std::size_t count = answers.size();
    if (count == 0)
        return std::nullopt;
    for (int attempt = 0; attempt < DrawAttempts; ++attempt) {
        const QString& answer = answers[randomBelow(count)];
        if (isFalse(answer))
            return answer;
    }
    std::vector<std::size_t> eligible;
    for (std::size_t position = 0; position < count; ++position)
        if (isFalse(answers[position]))
            eligible.push_back(position);
    if (eligible.empty())
        return std::nullopt;
    return answers[eligible[randomBelow(eligible.size())]];
}

} // namespace lumenary
