// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The comparison family, screens 6 to 9 (Form6 to Form9): its table of
// screens. A screen is added here alone; the menu and the catalogue follow.
#include "common/exerciseentry.h"
#include "common/texts.h"
#include "exercises/comparison/comparisonlayout.h"
#include "exercises/comparison/comparisonmodel.h"

#include <array>

namespace brasti {

struct ComparisonConfig {
    RowRules row; // the row screens' boxes; the relation and sign screens have no row
    ComparisonLayout layout;
};

using ComparisonEntry = ExerciseEntry<ComparisonConfig>;

// Fresh screens of these rows, not yet loaded: the row of three boxes
// (rowscreen.h), the relation to complete (relationscreen.h) and the sign
// to insert (signscreen.h).
ExerciseScreen* createRowScreen(const ComparisonEntry& entry, AppContext& context);
ExerciseScreen* createRelationScreen(const ComparisonEntry& entry, AppContext& context);
ExerciseScreen* createSignScreen(const ComparisonEntry& entry, AppContext& context);

inline constexpr std::array<ComparisonEntry, 4> kComparisonScreens = {{
    {6, BRASTI_TEXT("brasti::Exercises", "trova il brasto in mezzo"), {1, 6, 12}, createRowScreen,
     {{{true, false, true}}, {0xFFC0FF, comparison::kRowContainer, 7800, 1425, 4560}}},
    {7, BRASTI_TEXT("brasti::Exercises", "trova i brasti vicini"), {1, 7, 12}, createRowScreen,
     {{{false, true, false}}, {0xC0C0FF, comparison::kRowContainer, 7800, 1425, 4560}}},
    // The right box lies at Left 8040, beyond the width of the other
    // screens' containers, so this one is wider and its column narrower.
    {8, BRASTI_TEXT("brasti::Exercises", "trova il   > < ="), {2, 1, 12}, createRelationScreen,
     {{}, {0x008080, {0, 0, 8700, 4800}, 8760, 1200, 4800 - comparison::kColumnButtonHeight}}},
    {9, BRASTI_TEXT("brasti::Exercises", "inserisci   > < ="), {2, 2, 12}, createSignScreen,
     {{}, {0x008080, {0, 0, 7695, 5295}, 7800, 1425, 4140}}},
}};

} // namespace brasti
