#pragma once

#include "RecordSet.h"

#include <QSet>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <utility>

namespace lumenary {

struct Session;

// The true/false quiz's own cursor over the pool, from which a false
// statement takes its wrong answer; the pool's cursor stays on the question
// asked. It knows every answer each question text has in the pool: one
// spelling may be two words with two glosses, and neither gloss may be
// offered as wrong for it.
class FalseAnswerPool {
public:
    // Reads every pool record once, with the sides the session's direction gives.
    FalseAnswerPool(const RecordSet& pool, const Session& session);

    // The answer side of a pool record that is no true answer to the question
    // text, drawn at random with randomBelow; none when the pool has no such answer.
    std::optional<QString> Pick(const QString& question, const QString& ownAnswer,
                                const std::function<std::size_t(std::size_t)>& randomBelow);

private:
    QString AnswerAt(std::size_t position);

    RecordSet records_;
    const Session& session_;
    // Every pairing of question text and answer text the pool holds.
    QSet<std::pair<QString, QString>> truePairs_;
};

} // namespace lumenary
