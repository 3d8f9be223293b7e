// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The decisions of the ordering screens, free of any widget: what each of
// the five screens looks like, which rods a problem draws, where they start,
// what the slots hold and whether their order is right.
#include <array>
#include <span>
#include <vector>

namespace brasti {

class RandomSource;

inline constexpr int kOrderingScreenCount = 5;

struct OrderingConfig {
    const char* caption; // the menu caption, also the window title
    int slotCount;       // rods in play, one slot each
    bool allRods;        // all ten rods, shuffled, instead of slotCount drawn ones
    int firstSlotTop;    // twips, inside the container
    int slotStep;
    int iconWidth;       // the verdict icons, twips
};

// Screen 1 to 5; anything else is a programming error.
const OrderingConfig& orderingConfig(int screen);

// Slot i (1 to slotCount) lies at this Top.
int slotTop(const OrderingConfig& config, int slot);

// Every rod in play starts at this Left, and slots all share one Left.
inline constexpr int kRodStartLeft = 350;
inline constexpr int kSlotLeft = 3960;

// n different rods: all n are drawn first, then for j = 2..n the j-th is
// drawn again for as long as it equals any rod before it.
std::vector<int> drawDifferentRods(RandomSource& random, int n);

struct RodStart {
    int rod;
    int top;
};

// Where the rods of a problem start. The drawn rods take the fixed start
// tops in draw order and draw nothing; with all rods in play the ten are
// shuffled anew (ten draws) at Tops 200, 600, ..., 3800.
std::vector<RodStart> startPlaces(const OrderingConfig& config, const std::vector<int>& drawnRods,
                                  RandomSource& random);

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

} // namespace brasti
