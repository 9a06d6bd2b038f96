#include "FalseAnswerPool.h"

#include "QuestionSides.h"

#include <vector>

namespace lumenary {

namespace {

// Draws before the pick turns to a count of the eligible records: enough
// that a pool with a few repeated answers almost never gets there.
constexpr int DrawAttempts = 8;

} // namespace

FalseAnswerPool::FalseAnswerPool(const RecordSet& pool, const Session& session)
    : records_(pool.Clone()), session_(session)
{
    records_.ReadAll();
    truePairs_.reserve(static_cast<qsizetype>(records_.RecordCount()));
    for (records_.MoveFirst(); !records_.AtEnd(); records_.MoveNext())
        truePairs_.insert({QuestionSide(session_, records_), AnswerSide(session_, records_)});
}

QString FalseAnswerPool::AnswerAt(std::size_t position)
{
    records_.MoveFirst();
    records_.Move(position);
    return AnswerSide(session_, records_);
}

std::optional<QString> FalseAnswerPool::Pick(const QString& question, const QString& ownAnswer,
                                             const std::function<std::size_t(std::size_t)>& randomBelow)
{
    const auto isFalse = [&](const QString& answer) {
        return answer != ownAnswer && !truePairs_.contains({question, answer});
    };
    const std::size_t count = records_.RecordCount();
    if (count == 0)
        return std::nullopt;
    for (int attempt = 0; attempt < DrawAttempts; ++attempt) {
        QString answer = AnswerAt(randomBelow(count));
        if (isFalse(answer))
            return answer;
    }
    std::vector<std::size_t> eligible;
    for (std::size_t position = 0; position < count; ++position)
        if (isFalse(AnswerAt(position)))
            eligible.push_back(position);
    if (eligible.empty())
        return std::nullopt;
    return AnswerAt(eligible[randomBelow(eligible.size())]);
}

} // namespace lumenary
