// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/rodnumber/rodnumbermodel.h"

#include "common/counting.h"
#include "common/numberwords.h"
#include "common/random.h"
#include "common/texts.h"
#include "common/tray.h"

#include <algorithm>

namespace brasti {
namespace {

constexpr std::array<RodNumberConfig, 3> kScreens = {{
    {10, BRASTI_TEXT("brasti::Exercises", "dal brasto al numero"), 0xC0E0FF},
    {11, BRASTI_TEXT("brasti::Exercises", "dal numero al brasto"), 0xFF8080},
    {19, BRASTI_TEXT("brasti::Exercises", "numeri fino al 20 (utilizzando sempre il 10)"), 0xFF80FF},
}};

constexpr int kUnit = 350;

} // namespace

const RodNumberConfig* rodNumberConfig(int screen)
{
    const auto it = std::find_if(kScreens.begin(), kScreens.end(),
                                 [screen](const RodNumberConfig& c) { return c.screen == screen; });
    return it == kScreens.end() ? nullptr : &*it;
}

int drawTargetRod(RandomSource& random)
{
    return drawInt(random, 10);
}

int drawTargetNumber(RandomSource& random)
{
    return drawInt(random, 10) + 10;
}

std::string numberText(int n, NumberDisplay display, const NumberSpeller& speller)
{
    if (display == NumberDisplay::Word)
        return speller.words(static_cast<std::int16_t>(std::clamp(n, -32768, 32767)));
    return withSignPlace(n);
}

int uprightRodTop(int k)
{
    return kUprightBottom - k * kUnit;
}

std::array<int, 10> uprightRodLefts(RandomSource& random)
{
    const std::array<int, 10> rodAt = probeShuffle(random);
    std::array<int, 10> lefts{};
    for (std::size_t slot = 0; slot < rodAt.size(); ++slot)
        lefts[static_cast<std::size_t>(rodAt[slot] - 1)] = static_cast<int>(slot) * 700 + 500;
    return lefts;
}

std::array<int, 10> trayRowTops(RandomSource& random)
{
    const std::array<int, 10> rodAt = probeShuffle(random);
    std::array<int, 10> tops{};
    for (std::size_t row = 0; row < rodAt.size(); ++row)
        tops[static_cast<std::size_t>(rodAt[row] - 1)] = static_cast<int>(row) * 400 + 200;
    return tops;
}

std::string tensLine(int target, int units)
{
    return withSignPlace(target) + " = 10 + " + withSignPlace(units);
}

void TensBox::reset(int target)
{
    target_ = target;
    tenPlaced_ = false;
    solved_ = false;
}

TensBox::Outcome TensBox::drop(int rod, bool liesInBox)
{
    // A solved box takes nothing more, so one problem never counts twice.
    if (liesInBox || solved_ || target_ == 0)
        return Outcome::Ignored;
    if (rod == 10 && !tenPlaced_) {
        tenPlaced_ = true;
        return Outcome::TenPlaced;
    }
    if (tenPlaced_ && rod == completingRod()) {
        solved_ = true;
        return Outcome::Right;
    }
    return Outcome::Wrong;
}

} // namespace brasti
