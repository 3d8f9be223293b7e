// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The tray the child takes the rods from: where each of its ten slots lies,
// and how the rods are spread over them.
#include "common/twips.h"

#include <array>

namespace brasti {

class RandomSource;

// Ten slots, one rod of each number in each. A column holds the rods lying
// flat, each slot under the one before; a row holds them upright, standing
// on one line, each slot right of the one before.
struct Tray {
    enum class Line { Column, Row };
    Line line;
    int left;  // slot 0's Left
    int top;   // Column: slot 0's Top; Row: the line the rods stand on
    int pitch; // from one slot to the next

    // Where rod `rod` lies in slot `slot` (0 to 9), its size as it lies there.
    constexpr TwipsRect rodPlace(int slot, int rod) const
    {
        if (line == Line::Row)
            return {left + pitch * slot, top - rod * kUnitTwips, kUnitTwips, rod * kUnitTwips};
        return {left, top + pitch * slot, rod * kUnitTwips, kUnitTwips};
    }
};

// The column of the screens that lay rods end to end (composing, written
// arithmetic, the numbers to 20), along the left edge of their container.
inline constexpr Tray kColumnTray{Tray::Line::Column, 350, 200, 400};

// The probing shuffle: for place 0 to 9 in turn draw a start rod r (1..10)
// and take the first rod from r onward, 10 wrapping to 1, not yet placed.
// Returns the rod at each place. Not every order is equally likely.
std::array<int, 10> probeShuffle(RandomSource& random);

} // namespace brasti
