// SPDX-License-Identifier: GPL-3.0-or-later
#include "FsrsScheduler.h"

#include <algorithm>
#include <cmath>

namespace lumenary {

namespace {

constexpr double LeastStability = 0.001;

double ClampDifficulty(double difficulty)
{
    return std::clamp(difficulty, 1.0, 10.0);
}

double Number(Grade grade)
{
    return static_cast<double>(grade);
}

} // namespace

double FsrsScheduler::Retrievability(double elapsedDays, double stability) const
{
    const double decay = -w[20];
    const double factor = std::pow(0.9, 1.0 / decay) - 1.0;
    return std::pow(1.0 + factor * elapsedDays / stability, decay);
}

int FsrsScheduler::IntervalDays(double stability) const
{
    const double decay = -w[20];
    const double factor = std::pow(0.9, 1.0 / decay) - 1.0;
    const double days = std::round(stability / factor * (std::pow(DesiredRetention, 1.0 / decay) - 1.0));
    return static_cast<int>(std::clamp(days, 1.0, static_cast<double>(LongestInterval)));
}

MemoryState FsrsScheduler::Review(const std::optional<MemoryState>& before, int elapsedDays, Grade grade) const
{
    if (!before)
        return {std::max(w[static_cast<int>(grade) - 1], LeastStability), ClampDifficulty(InitialDifficulty(grade))};
    double stability = 0;
    if (elapsedDays < 1) {
        stability = SameDayStability(before->stability, grade);
    } else {
        const double retrievability = Retrievability(elapsedDays, before->stability);
        stability = grade == Grade::Again ? ForgetStability(*before, retrievability)
                                          : RecallStability(*before, retrievability, grade);
    }
    return {std::max(stability, LeastStability), NextDifficulty(before->difficulty, grade)};
}

double FsrsScheduler::InitialDifficulty(Grade grade) const
{
    return w[4] - std::exp(w[5] * (Number(grade) - 1.0)) + 1.0;
}

double FsrsScheduler::NextDifficulty(double difficulty, Grade grade) const
{
    // The change shrinks as D nears 10, then D reverts a little towards the
    // difficulty of an Easy first answer (left unclamped, as the model has it).
    const double change = -w[6] * (Number(grade) - 3.0);
    const double damped = difficulty + (10.0 - difficulty) * change / 9.0;
    return ClampDifficulty(w[7] * InitialDifficulty(Grade::Easy) + (1.0 - w[7]) * damped);
}

double FsrsScheduler::RecallStability(const MemoryState& state, double retrievability, Grade grade) const
{
    const double hardPenalty = grade == Grade::Hard ? w[15] : 1.0;
    const double easyBonus = grade == Grade::Easy ? w[16] : 1.0;
    return state.stability
         * (1.0 + std::exp(w[8]) * (11.0 - state.difficulty) * std::pow(state.stability, -w[9])
                      * (std::exp(w[10] * (1.0 - retrievability)) - 1.0) * hardPenalty * easyBonus);
}

double FsrsScheduler::ForgetStability(const MemoryState& state, double retrievability) const
{
    const double forgotten = w[11] * std::pow(state.difficulty, -w[12]) * (std::pow(state.stability + 1.0, w[13]) - 1.0)
                           * std::exp(w[14] * (1.0 - retrievability));
    return std::min(forgotten, state.stability / std::exp(w[17] * w[18]));
}

double FsrsScheduler::SameDayStability(double stability, Grade grade) const
{
    double factor = std::exp(w[17] * (Number(grade) - 3.0 + w[18])) * std::pow(stability, -w[19]);
    if (grade >= Grade::Good)
        factor = std::max(factor, 1.0);
    return stability * factor;
}

} // namespace lumenary
