// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/ordering/orderingmodel.h"

#include "common/random.h"
#include "common/texts.h"
#include "common/tray.h"

#include <algorithm>
#include <cassert>

namespace brasti {
namespace {

// The drawn rods start in this order of Tops: the first four a step of 700
// apart, the fifth to seventh above and below them.
constexpr std::array<int, 7> kDrawnStartTops = {1800, 2500, 3200, 3900, 1200, 500, 4600};

constexpr std::array<OrderingConfig, kOrderingScreenCount> kScreens = {{
    {BRASTI_TEXT("brasti::Exercises", "ordina 3 brasti"), 3, false, 960, 480, 975},
    {BRASTI_TEXT("brasti::Exercises", "ordina 4 brasti"), 4, false, 960, 480, 855},
    {BRASTI_TEXT("brasti::Exercises", "ordina 5 brasti"), 5, false, 960, 480, 855},
    {BRASTI_TEXT("brasti::Exercises", "ordina 7 brasti"), 7, false, 600, 480, 855},
    {BRASTI_TEXT("brasti::Exercises", "ordina tutti i brasti"), 10, true, 600, 360, 855},
}};

} // namespace

const OrderingConfig& orderingConfig(int screen)
{
    assert(screen >= 1 && screen <= kOrderingScreenCount);
    return kScreens[static_cast<std::size_t>(std::clamp(screen, 1, kOrderingScreenCount) - 1)];
}

int slotTop(const OrderingConfig& config, int slot)
{
    return config.firstSlotTop + config.slotStep * (slot - 1);
}

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

std::vector<RodStart> startPlaces(const OrderingConfig& config, const std::vector<int>& drawnRods,
                                  RandomSource& random)
{
    std::vector<RodStart> places;
    if (config.allRods) {
        const std::array<int, 10> order = probeShuffle(random);
        for (std::size_t place = 0; place < order.size(); ++place)
            places.push_back({order[place], 200 + 400 * static_cast<int>(place)});
        return places;
    }
    const std::size_t count = std::min(drawnRods.size(), kDrawnStartTops.size());
    for (std::size_t j = 0; j < count; ++j)
        places.push_back({drawnRods[j], kDrawnStartTops[j]});
    return places;
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

} // namespace brasti
