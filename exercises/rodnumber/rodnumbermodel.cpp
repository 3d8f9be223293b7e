// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/rodnumber/rodnumbermodel.h"

#include "common/counting.h"
#include "common/numberwords.h"
#include "common/random.h"

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

std::string tensLine(int target, int units)
{
    return withSignPlace(target) + " = 10 + " + withSignPlace(units);
}

RodFill tensBox(int target)
{
    return RodFill(FillRule::TenThenRest, target);
}

Solution tensSolution(const RodFill& box)
{
    if (box.length() == 0 || box.isFull())
        return {};
    Solution moves;
    if (box.laid().empty())
        moves.push_back(Move::lay(10, 0, 0));
    moves.push_back(Move::lay(completingRod(box), 0, 10));
    return moves;
}

} // namespace brasti
