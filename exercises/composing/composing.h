// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The composing family: the single-rod answer screens 12 to 15 and the
// composition screens 17, 20 and 27, in one table of screens. A screen is
// added here alone; the menu and the catalogue follow.
#include "common/exerciseentry.h"
#include "common/texts.h"
#include "exercises/composing/composinglayout.h"
#include "exercises/composing/composingmodel.h"

#include <array>
#include <optional>
#include <variant>

namespace brasti {

struct SingleRodConfig {
    SingleRodRules rules;
    SingleRodLayout layout;
};

struct CompositionConfig {
    CompositionKind kind;
    CompositionLayout layout;
};

// Each row is one of the two kinds of screen; its factory makes that kind.
using ComposingConfig = std::variant<SingleRodConfig, CompositionConfig>;
using ComposingEntry = ExerciseEntry<ComposingConfig>;

// Fresh screens of these rows, not yet loaded (singlerodscreen.h, compositionscreen.h).
ExerciseScreen* createSingleRodScreen(const ComposingEntry& entry, AppContext& context);
ExerciseScreen* createCompositionScreen(const ComposingEntry& entry, AppContext& context);

inline constexpr std::array<ComposingEntry, 7> kComposingScreens = {{
    {12, BRASTI_TEXT("brasti::Exercises", "componi il 10"), {2, 3, 11.25}, createSingleRodScreen,
     SingleRodConfig{{ProblemKind::MakeTen, Check::None, Check::MakeTen}, {true, false}}},
    {13, BRASTI_TEXT("brasti::Exercises", "trova la somma"), {2, 5, 11.25}, createSingleRodScreen,
     SingleRodConfig{{ProblemKind::Sum, Check::Sum, Check::None}, {false, true}}},
    {14, BRASTI_TEXT("brasti::Exercises", "trova la differenza"), {2, 6, 11.25}, createSingleRodScreen,
     SingleRodConfig{{ProblemKind::Difference, Check::None, Check::Difference}, {false, false}}},
    {15, BRASTI_TEXT("brasti::Exercises", "somma - differenza"), {2, 7, 11.25}, createSingleRodScreen,
     SingleRodConfig{{std::nullopt, Check::Sum, Check::Difference}, {false, false}}},
    {17, BRASTI_TEXT("brasti::Exercises", "componi il brasto"), {2, 4, 11.25}, createCompositionScreen,
     CompositionConfig{CompositionKind::BuildRod,
                       {composing::kCompositionFrame, {4080, 3960, 3500, 350}, std::nullopt,
                        {4080, 4440, 3500, 350}, {7680, 480, 1935, 4110}, 10}}},
    {20, BRASTI_TEXT("brasti::Exercises", "componi i numeri fino al 20"), {3, 4, 9}, createCompositionScreen,
     CompositionConfig{CompositionKind::UpTo20,
                       {composing::kCompositionFrame, composing::kTenBar, composing::kUnitsBar,
                        composing::kLongRow, {7320, 480, 2295, 3660}, 10}}},
    {27, BRASTI_TEXT("brasti::Exercises", "componi il 20"), {3, 5, 9}, createCompositionScreen,
     CompositionConfig{CompositionKind::Twenty,
                       {composing::kCompositionFrame, composing::kTenBar, composing::kUnitsBar,
                        composing::kLongRow, {6360, 480, 3255, 3660}, 9}}},
}};

} // namespace brasti
