// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/rodfill.h"

#include <algorithm>

namespace brasti {

RodFill::RodFill(FillRule rule, int length, int start)
    : rule_(rule), length_(std::max(0, length)), start_(std::clamp(start, 0, length_)), filled_(start_)
{
}

LayVerdict RodFill::judge(int rod) const
{
    const int gap = missing();
    switch (rule_) {
    case FillRule::TenThenRest:
        // A full box was answered: a further rod is no second answer.
        if (gap == 0)
            return LayVerdict::Ignored;
        if (laid_.empty())
            return rod == 10 && rod <= gap ? LayVerdict::Placed : LayVerdict::Wrong;
        return rod == gap ? LayVerdict::Placed : LayVerdict::Wrong;
    case FillRule::TensFirst:
        if (rod < 10 && gap > 9)
            return LayVerdict::Refused;
        break;
    case FillRule::OneRod:
        if (rod != gap)
            return LayVerdict::Wrong;
        break;
    case FillRule::AnyThatFits:
        break;
    }
    return rod >= 1 && rod <= gap ? LayVerdict::Placed : LayVerdict::Wrong;
}

LaidRod RodFill::lay(int rod, bool liesThere)
{
    const int at = filled_;
    // Nothing posed yet (no length) takes nothing, and says nothing.
    if (liesThere || length_ == 0)
        return {LayVerdict::Ignored, at};
    const LayVerdict verdict = judge(rod);
    if (verdict != LayVerdict::Placed)
        return {verdict, at};
    filled_ += rod;
    laid_.push_back(rod);
    return {isFull() ? LayVerdict::Completes : LayVerdict::Placed, at};
}

} // namespace brasti
