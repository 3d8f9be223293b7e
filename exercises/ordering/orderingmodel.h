// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The decisions of the ordering screens, free of any widget: how many rods
// a problem puts in play, which rods it draws, in what order they start,
// what the slots hold and whether their order is right.
#include "common/solution.h"

#include <span>
#include <vector>

namespace brasti {

class RandomSource;

struct OrderingRules {
    int slotCount; // rods in play, one slot each
    bool allRods;  // all ten rods, shuffled, instead of slotCount drawn ones
};

// n different rods: all n are drawn first, then for j = 2..n the j-th is
// drawn again for as long as it equals any rod before it.
std::vector<int> drawDifferentRods(RandomSource& random, int n);

// The rods of a problem in the order of their start places. The drawn rods
// start in draw order and draw nothing; with all rods in play the ten are
// shuffled anew (ten draws).
std::vector<int> startOrder(const OrderingRules& rules, const std::vector<int>& drawnRods, RandomSource& random);

// Strictly rising (or falling) over every adjacent pair.
bool isOrdered(std::span<const int> rods, bool ascending);

// The rods dropped into the slots of one problem.
class SlotRow {
public:
    explicit SlotRow(int slots);

    int size() const { return static_cast<int>(rods_.size()); }
    void clear();
    // Records rod in slot (1-based); false, and nothing changes, when the
    // slot is out of range or already holds a rod.
    bool place(int slot, int rod);
    // 0 while the slot is empty.
    int rodAt(int slot) const;
    int placedCount() const { return placed_; }
    bool isFull() const { return placed_ == size(); }
    // Only meaningful once full: an empty slot breaks any order.
    bool isOrdered(bool ascending) const;

private:
    std::vector<int> rods_;
    int placed_ = 0;
};

// The controls of a shown answer.
inline constexpr int kConfermaControl = 0;
inline constexpr int kRicominciaControl = 1;

// When the slots hold rods already: "Ricomincia", and each of those rods
// back to its start place, slot by slot, so that every slot is empty again.
// Then the rods in play laid in order into slots 1, 2, … (the place of each
// move), and "Conferma".
Solution orderingSolution(std::vector<int> rodsInPlay, bool ascending, const SlotRow& laid = SlotRow(0));

} // namespace brasti
