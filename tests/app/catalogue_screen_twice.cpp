// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Must not compile: screen 3 has a second row, and the error names it
// (the test catalogue_refuses_a_screen_twice looks for that name).
#include "app/catalogue.h"

namespace brasti {
constexpr std::array<OrderingEntry, 1> kScreenThreeAgain = {kOrderingScreens[2]};
constexpr std::tuple kTwice{FamilyOf<kOrderingScreens>{"", ""}, FamilyOf<kScreenThreeAgain>{"", ""}};
constexpr auto kRefused = catalogueOf<6, kTwice>();
} // namespace brasti
