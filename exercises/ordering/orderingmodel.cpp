// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/ordering/orderingmodel.h"

#include "common/random.h"
#include "common/tray.h"

#include <algorithm>

namespace brasti {

std::vector<int> drawDifferentRods(RandomSource& random, int n)
{
    // More than ten different rods do not exist: the redraw would never end.
    n = std::clamp(n, 0, 10);
    std::vector<int> rods(static_cast<std::size_t>(n));
    for (int& rod : rods)
        rod = drawInt(random, 10);
    for (auto j = rods.begin() + (n > 0 ? 1 : 0); j != rods.end(); ++j)
        while (std::find(rods.begin(), j, *j) != j)
            *j = drawInt(random, 10);
    return rods;
}

std::vector<int> startOrder(const OrderingRules& rules, const std::vector<int>& drawnRods, RandomSource& random)
{
    if (!rules.allRods)
        return drawnRods;
    const std::array<int, 10> order = probeShuffle(random);
    return std::vector<int>(order.begin(), order.end());
}

bool isOrdered(std::span<const int> rods, bool ascending)
{
    const auto breaksChain = [ascending](int before, int after) {
        return ascending ? !(before < after) : !(before > after);
    };
    return std::adjacent_find(rods.begin(), rods.end(), breaksChain) == rods.end();
}

SlotRow::SlotRow(int slots) : rods_(static_cast<std::size_t>(std::clamp(slots, 0, 10)), 0)
{
}

void SlotRow::clear()
{
    std::fill(rods_.begin(), rods_.end(), 0);
    placed_ = 0;
}

bool SlotRow::place(int slot, int rod)
{
    if (slot < 1 || slot > size() || rod < 1 || rod > 10 || rodAt(slot) != 0)
        return false;
    rods_[static_cast<std::size_t>(slot - 1)] = rod;
    ++placed_;
    return true;
}

int SlotRow::rodAt(int slot) const
{
    if (slot < 1 || slot > size())
        return 0;
    return rods_[static_cast<std::size_t>(slot - 1)];
}

bool SlotRow::isOrdered(bool ascending) const
{
    if (std::find(rods_.begin(), rods_.end(), 0) != rods_.end())
        return false;
    return brasti::isOrdered(rods_, ascending);
}

Solution orderingSolution(std::vector<int> rodsInPlay, bool ascending, const SlotRow& laid)
{
    std::sort(rodsInPlay.begin(), rodsInPlay.end());
    if (!ascending)
        std::reverse(rodsInPlay.begin(), rodsInPlay.end());
    Solution moves;
    if (laid.placedCount() > 0) {
        moves.push_back(Move::press(kRicominciaControl));
        for (int slot = 1; slot <= laid.size(); ++slot)
            if (laid.rodAt(slot) != 0)
                moves.push_back(Move::back(laid.rodAt(slot)));
    }
    for (std::size_t i = 0; i < rodsInPlay.size(); ++i)
        moves.push_back(Move::lay(rodsInPlay[i], static_cast<int>(i) + 1));
    moves.push_back(Move::press(kConfermaControl));
    return moves;
}

} // namespace brasti
