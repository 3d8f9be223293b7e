// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The written-arithmetic family, screens 16, 18 and 21 to 26: its table of
// screens, two on each board, one in each answer mode. A screen is added
// here alone; the menu and the catalogue follow.
#include "common/exerciseentry.h"
#include "common/texts.h"
#include "exercises/written/writtenlayout.h"
#include "exercises/written/writtenmodel.h"

#include <array>

namespace brasti {

struct WrittenConfig {
    WrittenRules rules;
    WrittenLayout layout;
};

using WrittenEntry = ExerciseEntry<WrittenConfig>;

// A fresh written-arithmetic screen of this row, not yet loaded.
ExerciseScreen* createWrittenScreen(const WrittenEntry& entry, AppContext& context);

inline constexpr std::array<WrittenEntry, 8> kWrittenScreens = {{
    {21, BRASTI_TEXT("brasti::Exercises", "addizioni entro il 10"), {3, 6, 9}, createWrittenScreen,
     {{WrittenBoard::Addition10, AnswerMode::ResultMode},
      {10020, 7155, written::kFrame10, 4680, written::kLabel10, written::kResultBox10, 24}}},
    {16, BRASTI_TEXT("brasti::Exercises", "scrivi l'addizione (entro il 10)"), {3, 7, 9.75}, createWrittenScreen,
     {{WrittenBoard::Addition10, AnswerMode::OperationMode},
      {10020, 7155, written::kFrame10, 4200, written::kNoLabel, {4320, 4080, 4335, 975}, 20.25}}},
    {23, BRASTI_TEXT("brasti::Exercises", "sottrazioni entro il 10"), {4, 1, 9}, createWrittenScreen,
     {{WrittenBoard::Subtraction10, AnswerMode::ResultMode},
      {10020, 7155, written::kFrame10, 4680, written::kLabel10, written::kResultBox10, 24}}},
    {18, BRASTI_TEXT("brasti::Exercises", "scrivi la sottrazione (entro il 10)"), {4, 2, 9.75}, createWrittenScreen,
     {{WrittenBoard::Subtraction10, AnswerMode::OperationMode},
      {9915, 7185, written::kFrame10, 4200, written::kNoLabel, {4200, 3960, 4335, 975}, 20.25}}},
    {22, BRASTI_TEXT("brasti::Exercises", "addizioni entro il 20"), {4, 3, 9}, createWrittenScreen,
     {{WrittenBoard::Addition20, AnswerMode::ResultMode},
      {10020, 7155, written::kFrame20, 600, written::kLabel20, written::kResultBox20, 24}}},
    {24, BRASTI_TEXT("brasti::Exercises", "scrivi l'addizione (entro il 20)"), {4, 4, 9.75}, createWrittenScreen,
     {{WrittenBoard::Addition20, AnswerMode::OperationMode},
      {10020, 7155, {0, 120, 9375, 6135}, 600, written::kNoLabel, {5160, 1080, 3975, 975}, 24}}},
    {25, BRASTI_TEXT("brasti::Exercises", "sottrazioni entro il 20"), {4, 5, 9}, createWrittenScreen,
     {{WrittenBoard::Subtraction20, AnswerMode::ResultMode},
      {10020, 7155, written::kFrame20, 600, written::kLabel20, written::kResultBox20, 24}}},
    {26, BRASTI_TEXT("brasti::Exercises", "scrivi la sottrazione (entro il 20)"), {4, 6, 9.75}, createWrittenScreen,
     {{WrittenBoard::Subtraction20, AnswerMode::OperationMode},
      {10020, 7155, written::kFrame20, 600, written::kNoLabel, {4680, 1080, 4455, 975}, 24}}},
}};

} // namespace brasti
