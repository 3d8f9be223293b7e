// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The rod-and-number family, screens 10, 11 and 19: its table of screens.
// A screen is added here alone; the menu and the catalogue follow.
#include "common/exerciseentry.h"
#include "common/texts.h"
#include "exercises/rodnumber/rodnumberlayout.h"
#include "exercises/rodnumber/rodnumbermodel.h"

#include <array>

namespace brasti {

// Each of the three screens decides in its own class; the table gives their looks.
struct RodNumberConfig {
    RodNumberLayout layout;
};

using RodNumberEntry = ExerciseEntry<RodNumberConfig>;

// Fresh screens of these rows, not yet loaded: from the rod to its number
// (rodtonumberscreen.h), from the number to its rod (numbertorodscreen.h)
// and the numbers up to 20 built with the 10 (numberswithtenscreen.h).
ExerciseScreen* createRodToNumberScreen(const RodNumberEntry& entry, AppContext& context);
ExerciseScreen* createNumberToRodScreen(const RodNumberEntry& entry, AppContext& context);
ExerciseScreen* createNumbersWithTenScreen(const RodNumberEntry& entry, AppContext& context);

inline constexpr std::array<RodNumberEntry, 3> kRodNumberScreens = {{
    {10, BRASTI_TEXT("brasti::Exercises", "dal brasto al numero"), {3, 1, 11.25}, createRodToNumberScreen,
     {{0xC0E0FF, rodnumber::kFrame}}},
    {11, BRASTI_TEXT("brasti::Exercises", "dal numero al brasto"), {3, 2, 11.25}, createNumberToRodScreen,
     {{0xFF8080, rodnumber::kFrame}}},
    {19, BRASTI_TEXT("brasti::Exercises", "numeri fino al 20 (utilizzando sempre il 10)"), {3, 3, 9},
     createNumbersWithTenScreen, {{0xFF80FF, rodnumber::kTensFrame}}},
}};

} // namespace brasti
