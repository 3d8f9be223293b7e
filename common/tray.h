// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Tray shuffles: how the rods are spread over the tray's places.
#include <array>

namespace brasti {

class RandomSource;

// The probing shuffle: for place 0 to 9 in turn draw a start rod r (1..10)
// and take the first rod from r onward, 10 wrapping to 1, not yet placed.
// Returns the rod at each place. Not every order is equally likely.
std::array<int, 10> probeShuffle(RandomSource& random);

} // namespace brasti
