// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The ordering family, screens 1 to 5 (Form1 to Form5): its table of screens.
// A screen is added here alone; the menu and the catalogue follow.
#include "common/exerciseentry.h"
#include "common/texts.h"
#include "exercises/ordering/orderinglayout.h"
#include "exercises/ordering/orderingmodel.h"

#include <algorithm>
#include <array>

namespace brasti {

struct OrderingConfig {
    OrderingRules rules;
    OrderingLayout layout;
};

using OrderingEntry = ExerciseEntry<OrderingConfig>;

// A fresh ordering screen of this row, not yet loaded.
ExerciseScreen* createOrderingScreen(const OrderingEntry& entry, AppContext& context);

inline constexpr std::array<OrderingEntry, 5> kOrderingScreens = {{
    {1, BRASTI_TEXT("brasti::Exercises", "ordina 3 brasti"), {1, 1, 12}, createOrderingScreen,
     {{3, false}, {960, 480, 975}}},
    {2, BRASTI_TEXT("brasti::Exercises", "ordina 4 brasti"), {1, 2, 12}, createOrderingScreen,
     {{4, false}, {960, 480, 855}}},
    {3, BRASTI_TEXT("brasti::Exercises", "ordina 5 brasti"), {1, 3, 12}, createOrderingScreen,
     {{5, false}, {960, 480, 855}}},
    {4, BRASTI_TEXT("brasti::Exercises", "ordina 7 brasti"), {1, 4, 12}, createOrderingScreen,
     {{7, false}, {600, 480, 855}}},
    {5, BRASTI_TEXT("brasti::Exercises", "ordina tutti i brasti"), {1, 5, 12}, createOrderingScreen,
     {{10, true}, {600, 360, 855}}},
}};

// Every drawn rod has a start place of its own.
static_assert(std::all_of(kOrderingScreens.begin(), kOrderingScreens.end(), [](const OrderingEntry& e) {
    return e.config.rules.allRods || e.config.rules.slotCount <= static_cast<int>(ordering::kDrawnStartTops.size());
}));

} // namespace brasti
