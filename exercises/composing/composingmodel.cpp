// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/composing/composingmodel.h"

#include "common/counting.h"
#include "common/random.h"
#include "common/rod.h"
#include "common/texts.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace brasti {
namespace {

constexpr std::array<SingleRodConfig, 4> kSingleRod = {{
    {12, BRASTI_TEXT("brasti::Exercises", "componi il 10"),
     ProblemKind::MakeTen, Check::None, Check::MakeTen, true, false},
    {13, BRASTI_TEXT("brasti::Exercises", "trova la somma"), ProblemKind::Sum, Check::Sum, Check::None, false, true},
    {14, BRASTI_TEXT("brasti::Exercises", "trova la differenza"),
     ProblemKind::Difference, Check::None, Check::Difference, false, false},
    {15, BRASTI_TEXT("brasti::Exercises", "somma - differenza"),
     std::nullopt, Check::Sum, Check::Difference, false, false},
}};

constexpr TwipsRect kTenBar{240, 4440, 3500, 350};
constexpr TwipsRect kUnitsBar{3720, 4440, 3500, 350};
constexpr TwipsRect kLongRow{240, 4800, 8415, 350};

const std::array<CompositionConfig, 3> kComposition = {{
    {17, BRASTI_TEXT("brasti::Exercises", "componi il brasto"),
     CompositionKind::BuildRod, {120, 120, 9735, 5295}, {4080, 3960, 3500, 350},
     std::nullopt, {4080, 4440, 3500, 350}, {7680, 480, 1935, 4110}, 10},
    {20, BRASTI_TEXT("brasti::Exercises", "componi i numeri fino al 20"),
     CompositionKind::UpTo20, {120, 120, 9735, 5295}, kTenBar, kUnitsBar,
     kLongRow, {7320, 480, 2295, 3660}, 10},
    {27, BRASTI_TEXT("brasti::Exercises", "componi il 20"),
     CompositionKind::Twenty, {120, 120, 9735, 5295}, kTenBar, kUnitsBar, kLongRow,
     {6360, 480, 3255, 3660}, 9},
}};

std::string num(int n)
{
    return withSignPlace(n);
}

} // namespace

bool isSingleRodScreen(int screen)
{
    return std::any_of(kSingleRod.begin(), kSingleRod.end(), [screen](const auto& c) { return c.screen == screen; });
}

const SingleRodConfig& singleRodConfig(int screen)
{
    for (const SingleRodConfig& c : kSingleRod)
        if (c.screen == screen)
            return c;
    assert(!"not a single-rod screen");
    return kSingleRod.front();
}

SingleRodProblem drawSingleRodProblem(const SingleRodConfig& config, RandomSource& random)
{
    ProblemKind kind = ProblemKind::MakeTen;
    if (config.kind)
        kind = *config.kind;
    else
        kind = drawInt(random, 2) == 1 ? ProblemKind::Difference : ProblemKind::Sum;
    if (kind == ProblemKind::MakeTen) {
        const int given = drawInt(random, 9);
        return {kind, given, 10 - given};
    }
    const int whole = drawInt(random, 9) + 1;
    const int first = drawInt(random, whole - 1);
    return {kind, first, whole - first};
}

int rightRod(Check check, const SingleRodProblem& problem)
{
    switch (check) {
    case Check::MakeTen:
    case Check::Difference:
        return problem.secondPart;
    case Check::Sum:
        return problem.whole();
    case Check::None:
        break;
    }
    return 0;
}

std::string singleRodLine(Check check, const SingleRodProblem& problem, int rod)
{
    switch (check) {
    case Check::MakeTen:
        return num(problem.firstPart) + " + " + num(rod) + " = 10";
    case Check::Sum:
        return num(problem.firstPart) + " + " + num(problem.secondPart) + " = " + num(problem.whole());
    case Check::Difference:
        return num(problem.whole()) + " - " + num(problem.firstPart) + " = " + num(problem.secondPart);
    case Check::None:
        break;
    }
    return {};
}

Strip answerStrip(const SingleRodProblem& problem)
{
    return problem.kind == ProblemKind::Sum ? Strip::Upper : Strip::Lower;
}

TwipsRect stripPlace(Strip strip, const SingleRodProblem& problem)
{
    return {kStripLeft, strip == Strip::Upper ? kUpperTop : kLowerTop, problem.whole() * kUnitTwips, kUnitTwips};
}

std::vector<GivenRod> givenRods(const SingleRodProblem& problem)
{
    const auto at = [](int rod, int left, int top) { return TwipsRect{left, top, rod * kUnitTwips, kGivenRodHeight}; };
    const int first = problem.firstPart;
    const int second = problem.secondPart;
    switch (problem.kind) {
    case ProblemKind::MakeTen:
        return {{"brasto", first, at(first, kStripLeft, kLowerTop)}};
    case ProblemKind::Sum:
        // End to end over the whole lower strip.
        return {{"brasto1", first, at(first, kStripLeft, kLowerTop)},
                {"brasto2", second, at(second, kStripLeft + first * kUnitTwips, kLowerTop)}};
    case ProblemKind::Difference:
        // The long rod over the whole upper strip, the shorter one under its left end.
        return {{"brasto1", problem.whole(), at(problem.whole(), kStripLeft, kUpperTop)},
                {"brasto2", first, at(first, kStripLeft, kLowerTop)}};
    }
    return {};
}

TwipsRect snapPlace(Strip strip, const SingleRodProblem& problem, int rod)
{
    const TwipsRect s = stripPlace(strip, problem);
    const int width = rod * kUnitTwips;
    return {s.left + s.width - width, s.top, width, kUnitTwips};
}

bool isCompositionScreen(int screen)
{
    return std::any_of(kComposition.begin(), kComposition.end(), [screen](const auto& c) { return c.screen == screen; });
}

const CompositionConfig& compositionConfig(int screen)
{
    for (const CompositionConfig& c : kComposition)
        if (c.screen == screen)
            return c;
    assert(!"not a composition screen");
    return kComposition.front();
}

CompositionProblem drawCompositionProblem(CompositionKind kind, RandomSource& random)
{
    switch (kind) {
    case CompositionKind::BuildRod:
        return {drawInt(random, 10), 0};
    case CompositionKind::UpTo20: {
        const int given = drawInt(random, 10);
        return {drawInt(random, 10) + 10, given};
    }
    case CompositionKind::Twenty:
        return {20, drawInt(random, 19)};
    }
    return {1, 0};
}

std::vector<int> givenParts(int given)
{
    if (given <= 0)
        return {};
    if (given <= 10)
        return {given};
    return {10, given - 10};
}

Composition::Composition(int target, int given) : target_(target), filled_(std::clamp(given, 0, target))
{
    if (filled_ > 0)
        text_ = num(filled_) + " + ";
}

Composition::Step Composition::add(int rod)
{
    // A rod that is no rod, or a row already closed, overshoots like any too long rod.
    if (rod < 1 || filled_ + rod > target_)
        return Step::Overshoots;
    filled_ += rod;
    if (filled_ < target_) {
        text_ += num(rod) + " + ";
        return Step::Fits;
    }
    text_ += num(rod) + " = " + num(target_);
    return Step::Closes;
}

} // namespace brasti
