// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/composing/composingmodel.h"

#include "common/counting.h"
#include "common/random.h"


namespace brasti {
namespace {

std::string num(int n)
{
    return withSignPlace(n);
}

} // namespace

SingleRodProblem drawSingleRodProblem(const SingleRodRules& rules, RandomSource& random)
{
    ProblemKind kind = ProblemKind::MakeTen;
    if (rules.kind)
        kind = *rules.kind;
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

std::vector<GivenRod> givenRods(const SingleRodProblem& problem)
{
    const int first = problem.firstPart;
    const int second = problem.secondPart;
    switch (problem.kind) {
    case ProblemKind::MakeTen:
        return {{"brasto", first, Strip::Lower, 0}};
    case ProblemKind::Sum:
        // End to end over the whole lower strip.
        return {{"brasto1", first, Strip::Lower, 0}, {"brasto2", second, Strip::Lower, first}};
    case ProblemKind::Difference:
        // The long rod over the whole upper strip, the shorter one under its left end.
        return {{"brasto1", problem.whole(), Strip::Upper, 0}, {"brasto2", first, Strip::Lower, 0}};
    }
    return {};
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

RodFill compositionRow(const CompositionProblem& problem)
{
    return RodFill(FillRule::AnyThatFits, problem.target, problem.given);
}

std::string compositionText(const RodFill& row)
{
    std::string text;
    if (row.start() > 0)
        text = num(row.start()) + " + ";
    for (std::size_t i = 0; i < row.laid().size(); ++i) {
        const bool closing = row.isFull() && i + 1 == row.laid().size();
        text += num(row.laid()[i]) + (closing ? " = " + num(row.length()) : " + ");
    }
    return text;
}

Solution singleRodSolution(const SingleRodRules& rules, const SingleRodProblem& problem)
{
    const Strip strip = answerStrip(problem);
    const int rod = rightRod(checkOn(rules, strip), problem);
    if (rod == 0)
        return {};
    return {Move::lay(rod, static_cast<int>(strip), problem.whole() - rod)};
}

Solution compositionSolution(const RodFill& row)
{
    Solution moves;
    layTensThenUnits(moves, 0, row.filled(), row.missing());
    return moves;
}

} // namespace brasti
