// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/comparison/comparisonmodel.h"

#include "common/random.h"

#include <algorithm>

namespace brasti {

int drawLowRod(RandomSource& random)
{
    return drawInt(random, 8);
}

bool RowAnswer::place(RowBox box, int rod)
{
    int& held = rods_[static_cast<std::size_t>(box)];
    if (held != 0 || rod < 1 || rod > 10)
        return false;
    held = rod;
    return true;
}

bool RowAnswer::isRight(const RowRules& rules, int lowRod) const
{
    return std::all_of(kRowBoxes.begin(), kRowBoxes.end(), [&](RowBox box) {
        return isGiven(rules, box) || rodIn(box) == rodFor(box, lowRod);
    });
}

const char* signOf(Relation relation)
{
    switch (relation) {
    case Relation::Greater:
        return ">";
    case Relation::Less:
        return "<";
    case Relation::Equal:
        break;
    }
    return "=";
}

bool holds(int left, Relation relation, int right)
{
    switch (relation) {
    case Relation::Greater:
        return left > right;
    case Relation::Less:
        return left < right;
    case Relation::Equal:
        break;
    }
    return left == right;
}

Relation relationOfKind(int kind)
{
    if (kind <= 2)
        return Relation::Greater;
    if (kind <= 4)
        return Relation::Less;
    return Relation::Equal;
}

int correctedShownRod(Relation relation, int shownRod, Side shownSide)
{
    // The rod shown on the greater side must leave a smaller rod to find, and
    // the one on the smaller side a greater rod.
    const bool shownIsGreater = (relation == Relation::Greater && shownSide == Side::Left)
                             || (relation == Relation::Less && shownSide == Side::Right);
    const bool shownIsSmaller = (relation == Relation::Greater && shownSide == Side::Right)
                             || (relation == Relation::Less && shownSide == Side::Left);
    if (shownIsGreater && shownRod == 1)
        return 2;
    if (shownIsSmaller && shownRod == 10)
        return 9;
    return shownRod;
}

RelationProblem drawRelationProblem(RandomSource& random)
{
    RelationProblem problem{};
    problem.kind = drawInt(random, 5);
    problem.shownRod = drawInt(random, 10);
    problem.shownSide = drawInt(random, 2) == 1 ? Side::Left : Side::Right;
    problem.shownRod = correctedShownRod(problem.relation(), problem.shownRod, problem.shownSide);
    return problem;
}

bool completesRelation(const RelationProblem& problem, int rod)
{
    if (problem.shownSide == Side::Left)
        return holds(problem.shownRod, problem.relation(), rod);
    return holds(rod, problem.relation(), problem.shownRod);
}

SignProblem drawSignProblem(RandomSource& random)
{
    const int left = drawInt(random, 10);
    const int right = drawInt(random, 10);
    return {left, right};
}

Solution rowSolution(const RowRules& rules, int lowRod, const RowAnswer& laid)
{
    Solution moves;
    const auto childLaid = [&](RowBox box) { return !isGiven(rules, box) && laid.rodIn(box) != 0; };
    if (std::any_of(kRowBoxes.begin(), kRowBoxes.end(), childLaid)) {
        moves.push_back(Move::press(kRowRicominciaControl));
        for (RowBox box : kRowBoxes)
            if (childLaid(box))
                moves.push_back(Move::back(laid.rodIn(box)));
    }
    for (RowBox box : kRowBoxes)
        if (!isGiven(rules, box))
            moves.push_back(Move::lay(rodFor(box, lowRod), static_cast<int>(box)));
    moves.push_back(Move::press(kRowConfermaControl));
    return moves;
}

int completingRod(const RelationProblem& problem)
{
    for (int distance = 0; distance < 10; ++distance)
        for (int rod : {problem.shownRod - distance, problem.shownRod + distance})
            if (rod >= 1 && rod <= 10 && completesRelation(problem, rod))
                return rod;
    return 0; // the drawn problems are corrected so that this never happens
}

Solution relationSolution(const RelationProblem& problem)
{
    const int rod = completingRod(problem);
    if (rod == 0)
        return {};
    const Side open = problem.shownSide == Side::Left ? Side::Right : Side::Left;
    return {Move::lay(rod, static_cast<int>(open))};
}

Relation rightSign(const SignProblem& problem)
{
    if (problem.leftRod > problem.rightRod)
        return Relation::Greater;
    return problem.leftRod < problem.rightRod ? Relation::Less : Relation::Equal;
}

Solution signSolution(const SignProblem& problem)
{
    return {Move::press(static_cast<int>(rightSign(problem)))};
}

} // namespace brasti
