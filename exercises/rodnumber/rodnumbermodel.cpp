// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/rodnumber/rodnumbermodel.h"

#include "common/counting.h"
#include "common/numberwords.h"
#include "common/random.h"
#include "common/tray.h"

#include <algorithm>

namespace brasti {

int drawTargetRod(RandomSource& random)
{
    return drawInt(random, 10);
}

int drawTargetNumber(RandomSource& random)
{
    return drawInt(random, 10) + 10;
}

std::string numberText(int n, NumberDisplay display, const NumberSpeller& speller)
{
    if (display == NumberDisplay::Word)
        return speller.words(static_cast<std::int16_t>(std::clamp(n, -32768, 32767)));
    return withSignPlace(n);
}

std::array<int, 10> placeOfEachRod(RandomSource& random)
{
    const std::array<int, 10> rodAt = probeShuffle(random);
    std::array<int, 10> places{};
    for (std::size_t place = 0; place < rodAt.size(); ++place)
        places[static_cast<std::size_t>(rodAt[place] - 1)] = static_cast<int>(place);
    return places;
}

std::string tensLine(int target, int units)
{
    return withSignPlace(target) + " = 10 + " + withSignPlace(units);
}

void TensBox::reset(int target)
{
    target_ = target;
    tenPlaced_ = false;
    solved_ = false;
}

TensBox::Outcome TensBox::drop(int rod, bool liesInBox)
{
    // A solved box takes nothing more, so one problem never counts twice.
    if (liesInBox || solved_ || target_ == 0)
        return Outcome::Ignored;
    if (rod == 10 && !tenPlaced_) {
        tenPlaced_ = true;
        return Outcome::TenPlaced;
    }
    if (tenPlaced_ && rod == completingRod()) {
        solved_ = true;
        return Outcome::Right;
    }
    return Outcome::Wrong;
}

Solution tensSolution(const TensBox& box)
{
    if (box.target() == 0)
        return {};
    Solution moves;
    if (!box.tenPlaced())
        moves.push_back(Move::lay(10, 0, 0));
    moves.push_back(Move::lay(box.completingRod(), 0, 10));
    return moves;
}

} // namespace brasti
