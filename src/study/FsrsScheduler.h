// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

namespace lumenary {

// How well an answer was recalled. The quizzes give Good for a right answer
// and Again for a miss; Hard and Easy belong to the model.
enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// What the model knows of one card: stability S (days until the chance of
// recall falls to 90 %) and difficulty D in [1, 10].
struct MemoryState {
    double stability = 0;
    double difficulty = 0;
};

// The Free Spaced Repetition Scheduler, version 6, with its published
// default parameters: grades in, the card's new memory state and its next
// interval out. It knows nothing of the database or of the clock.
class FsrsScheduler {
public:
    static constexpr double DesiredRetention = 0.9;
    static constexpr int LongestInterval = 36500;

    // The state after an answer: `before` is empty for a card's first answer;
    // `elapsedDays` counts study days since the card's last answer.
    MemoryState Review(const std::optional<MemoryState>& before, int elapsedDays, Grade grade) const;

    // The chance of recall `elapsedDays` after the last answer.
    double Retrievability(double elapsedDays, double stability) const;

    // Study days from an answer to the day the card is due again.
    int IntervalDays(double stability) const;

private:
    double InitialDifficulty(Grade grade) const;
    double NextDifficulty(double difficulty, Grade grade) const;
    double RecallStability(const MemoryState& state, double retrievability, Grade grade) const;
    double ForgetStability(const MemoryState& state, double retrievability) const;
    double SameDayStability(double stability, Grade grade) const;

    static constexpr std::array<double, 21> w{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                              0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                              1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
};

} // namespace lumenary
