// SPDX-License-Identifier: GPL-3.0-or-later
#include "FalseAnswerPool.h"

#include "FieldValue.h"
#include "QuestionSides.h"

#include <vector>

namespace lumenary {

namespace {

// Draws before the pick turns to a count of the eligible records: enough
// that a pool with a few repeated answers almost never gets there.
constexpr int DrawAttempts = 8;

} // namespace

FalseAnswerPool::FalseAnswerPool(const RecordSet& pool, const Session& session)
{
    const auto sides = pool.ReadColumns({QuestionField(session), AnswerField(session)});
    const auto text = [](const FieldValue& value) { return QString::fromStdString(FieldText(value)); };
    answers_.reserve(sides[1].size());
    truePairs_.reserve(static_cast<qsizetype>(sides[1].size()));
    for (std::size_t position = 0; position < sides[1].size(); ++position) {
        answers_.push_back(text(sides[1][position]));
        truePairs_.insert({text(sides[0][position]), answers_.back()});
    }
}

std::optional<QString> FalseAnswerPool::Pick(const QString& question, const QString& ownAnswer,
                                             const std::function<std::size_t(std::size_t)>& randomBelow) const
{
    const auto isFalse = [&](const QString& answer) {
        return answer != ownAnswer && !truePairs_.contains({question, answer});
    };
    const std::size_t count = answers_.size();
    if (count == 0)
        return std::nullopt;
    for (int attempt = 0; attempt < DrawAttempts; ++attempt) {
        const QString& answer = answers_[randomBelow(count)];
        if (isFalse(answer))
            return answer;
    }
    std::vector<std::size_t> eligible;
    for (std::size_t position = 0; position < count; ++position)
        if (isFalse(answers_[position]))
            eligible.push_back(position);
    if (eligible.empty())
        return std::nullopt;
    return answers_[eligible[randomBelow(eligible.size())]];
}

} // namespace lumenary
