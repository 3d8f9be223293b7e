// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The program's one source of chance. Every decision that draws takes a
// RandomSource&, so tests can script each draw exactly.
#include <cstdint>
#include <random>

namespace brasti {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform number in [0, 1).
    virtual double next() = 0;
};

// Mersenne Twister seeded from the clock, as the program uses it.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    explicit ClockRandom(std::uint64_t seed) : engine_(seed) {}
    double next() override;

private:
    std::mt19937_64 engine_;
};

// Int(Rnd * n) + 1: an integer from 1 to n, each with equal chance.
int drawInt(RandomSource& random, int n);

} // namespace brasti
