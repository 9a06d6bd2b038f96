// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordSet.h"

#include <QSet>
#include <QString>

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace lumenary {

struct Session;

// The answers of the pool, from which a false statement of the true/false
// quiz takes its wrong answer; the pool's cursor stays on the question
// asked. It knows every answer each question text has in the pool: one
// spelling may be two words with two glosses, and neither gloss may be
// offered as wrong for it.
class FalseAnswerPool {
public:
    // Reads the two fields the session's direction asks and answers of every
    // pool record, in one query; for a pool that mixes ways, those of each
    // direction its questions are asked in.
    FalseAnswerPool(const RecordSet& pool, const Session& session);

    // The answer side, in the session's direction, of a pool record that is no
    // true answer to the question text, drawn at random with randomBelow;
    // none when the pool has no such answer.
    std::optional<QString> Pick(const Session& session, const QString& question, const QString& ownAnswer,
                                const std::function<std::size_t(std::size_t)>& randomBelow) const;

private:
    struct Sides {
        // The answer side of each pool record, in pool order.
        std::vector<QString> answers;
        // Every pairing of question text and answer text the pool holds.
        QSet<std::pair<QString, QString>> truePairs;
    };
    // By direction: flip, and French for Part A.
    std::map<std::pair<bool, bool>, Sides> sides_;
};

} // namespace lumenary
