// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The decisions of the rod-and-number screens, free of any widget: the
// numbers a problem draws, how a number is written, and how the box of the
// numbers up to 20 is filled with the 10 and its completing rod.
#include "common/rodfill.h"
#include "common/solution.h"

#include <cstdint>
#include <string>

namespace brasti {

class NumberSpeller;
class RandomSource;

// The rod to name or to find: 1 to 10, one draw.
int drawTargetRod(RandomSource& random);
// The number to build with the 10: 11 to 20, one draw.
int drawTargetNumber(RandomSource& random);

// Whether the number clicked (or the rod clicked) is the rod asked about.
constexpr bool namesRod(int target, int answer)
{
    return answer == target;
}
// The number button, or the rod, of the target pressed (its number as the control).
inline Solution nameSolution(int target)
{
    return {Move::press(target)};
}

enum class NumberDisplay { Word, Digits };

// A number as the screens show it: in the speller's words ("SETTE") or as
// the sign's blank and its digits (" 7").
std::string numberText(int n, NumberDisplay display, const NumberSpeller& speller);

// The written line of a number built with the 10: " 14 = 10 +  4".
std::string tensLine(int target, int units);

// The box of one problem of the numbers up to 20, as long as the number
// (11 to 20): first a rod of 10, taken without a verdict, then the rod that
// completes the number, judged right.
RodFill tensBox(int target);
// The rod that completes the number after the 10.
inline int completingRod(const RodFill& box)
{
    return box.length() - 10;
}

// What is left to lay in the box: the 10 at its left end unless it lies
// there already, then the completing rod right after it (place 0, the box).
Solution tensSolution(const RodFill& box);

} // namespace brasti
