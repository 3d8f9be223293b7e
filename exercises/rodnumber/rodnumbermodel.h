// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The decisions of the rod-and-number screens, free of any widget: the
// numbers a problem draws, how a number is written, the order the rods lie
// in, and how the box of the numbers up to 20 is filled with the 10 and its
// completing rod.
#include "common/solution.h"

#include <array>
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

// The place, 0 to 9, each rod takes in a row of ten (the upright rods of
// the number-to-rod screen) or a column of ten (the tray of the numbers up
// to 20): rod k's at index k - 1, by the probing shuffle (ten draws).
std::array<int, 10> placeOfEachRod(RandomSource& random);

// The written line of a number built with the 10: " 14 = 10 +  4".
std::string tensLine(int target, int units);

// The box of one problem of the numbers up to 20: first a rod of 10, taken
// without a verdict, then the rod that completes the number, judged right.
// A rod that already lies in the box is no new answer: it cannot stand for
// both tens of 20.
class TensBox {
public:
    enum class Outcome {
        TenPlaced, // the first 10: laid in the box, no verdict
        Right,     // the completing rod after the 10
        Wrong,     // anything else; the state stays
        Ignored,   // a rod already lying in the box, or no problem posed
    };

    // A new problem: the number to build, 11 to 20; nothing in the box.
    void reset(int target);
    // A rod of this number dropped on the box; liesInBox when it is the rod
    // laid there before.
    Outcome drop(int rod, bool liesInBox);

    int target() const { return target_; }
    bool tenPlaced() const { return tenPlaced_; }
    // The rod that completes the number after the 10.
    int completingRod() const { return target_ - 10; }

private:
    int target_ = 0;
    bool tenPlaced_ = false;
    bool solved_ = false;
};

// What is left to lay in the box: the 10 at its left end unless it lies
// there already, then the completing rod right after it (place 0, the box).
Solution tensSolution(const TensBox& box);

} // namespace brasti
