// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/random.h"

#include <algorithm>
#include <chrono>

namespace brasti {

ClockRandom::ClockRandom()
    : engine_(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())
              ^ static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()))
{
}

double ClockRandom::next()
{
    // 53 random bits scaled into [0, 1): never 1.0, unlike generate_canonical
    // on some standard libraries.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

int drawInt(RandomSource& random, int n)
{
    const double r = random.next();
    // A scripted or faulty source must not push a draw out of 1..n.
    const int k = static_cast<int>(r * n) + 1;
    return std::clamp(k, 1, n);
}

} // namespace brasti
