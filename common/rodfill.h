// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// A place filled by rods laid end to end from its left end (the row of the
// composing screens, the target bar of written arithmetic, the box of the
// numbers to 20), free of any widget: how long it is, what lies in it, and
// by which rule it takes a rod dropped on it.
#include <vector>

namespace brasti {

enum class FillRule {
    AnyThatFits, // any rod that fits after the others
    OneRod,      // only the one rod that fills the whole gap
    TensFirst,   // any rod that fits, but while ten or more units are missing only a 10
    TenThenRest, // a 10 first, then exactly the rod that completes the place
};

enum class LayVerdict {
    Placed,    // laid after the others, a gap is left
    Completes, // laid after the others, the place is now exactly full
    Refused,   // a hint (TensFirst: the 10 is wanted): not taken, nothing counted
    Wrong,     // not taken: too long or not the one, a wrong answer
    Ignored,   // not taken, nothing said: the rod lies there already, or nothing is posed
};

struct LaidRod {
    LayVerdict verdict;
    int atUnits; // where a rod taken lands, in units from the place's left end
};

// The units covered so far, from the left end: a given start (a given part
// or a given rod, already there when the child begins) and the rods laid
// since. The filled length never goes past the place's length. Once full,
// the place takes nothing more, so no rod completes it twice: TenThenRest
// ignores a further rod, the others count it wrong, as too long.
class RodFill {
public:
    RodFill() = default;
    RodFill(FillRule rule, int length, int start = 0);

    // A rod of number `rod` dropped on the place; `liesThere`: the very rod
    // laid there before, which is no new answer (it cannot be both tens of 20).
    LaidRod lay(int rod, bool liesThere = false);

    FillRule rule() const { return rule_; }
    int length() const { return length_; }
    int start() const { return start_; }
    int filled() const { return filled_; }
    int missing() const { return length_ - filled_; }
    bool isFull() const { return filled_ == length_; }
    // The rods laid so far after the start, from the left end.
    const std::vector<int>& laid() const { return laid_; }

private:
    // Whether the rule takes the rod now; nothing else decides.
    LayVerdict judge(int rod) const;

    FillRule rule_ = FillRule::AnyThatFits;
    int length_ = 0;
    int start_ = 0;
    int filled_ = 0;
    std::vector<int> laid_;
};

} // namespace brasti
