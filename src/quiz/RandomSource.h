// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace lumenary {

// The one source of randomness: uniform numbers in [0, 1) and a reseed that
// stirs the clock into the generator. Tests put a scripted sequence in its place.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;
    virtual double Next() = 0;
};

class ClockRandomSource final : public RandomSource {
public:
    ClockRandomSource();

    // Mixes the clock into the current state rather than replacing it, so two
    // reseeds within one clock tick still give independent numbers.
    void Reseed() override;

    // A uniform number with 24 significant bits, as single precision has.
    double Next() override;

private:
    std::mt19937_64 engine_;
};

} // namespace lumenary
