// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The decisions of the composing screens, free of any widget.
//
// Single-rod screens (12 to 15): one or two given rods beside a strip; the
// child drops the one rod that completes the picture. Composition screens
// (17, 20, 27): rods are laid end to end in a row until they are exactly as
// long as a target. Every right answer is written as an operation.
#include "common/rodfill.h"
#include "common/solution.h"

#include <optional>
#include <string>
#include <vector>

namespace brasti {

class RandomSource;

// ---------------------------------------------------------------------------
// Single-rod screens

// What a problem shows and asks.
enum class ProblemKind {
    MakeTen,    // a given rod under the ten bar: the rod that fills the row to 10
    Sum,        // two given rods end to end: the rod as long as both
    Difference, // a long rod above a shorter one: the rod that fills the gap
};

// The test a strip applies to a dropped rod; None: not a drop target.
enum class Check { None, MakeTen, Sum, Difference };

enum class Strip { Upper, Lower }; // Picture1, Picture2

struct SingleRodRules {
    // The kind of every problem; nullopt: a draw chooses Sum or Difference.
    std::optional<ProblemKind> kind;
    Check upper;
    Check lower;
};

struct SingleRodProblem {
    ProblemKind kind;
    // MakeTen: the given rod and 10 minus it. Sum and Difference: the two parts.
    int firstPart;
    int secondPart;
    constexpr int whole() const { return firstPart + secondPart; }
};

// Draws a problem, in this order: the kind (only where a draw chooses it:
// Int(2 * Rnd) + 1, 1 difference, 2 sum), then the given rod Int(Rnd * 9) + 1
// (MakeTen), or the whole Int(Rnd * 9) + 2 and the first part
// Int((whole - 1) * Rnd) + 1.
SingleRodProblem drawSingleRodProblem(const SingleRodRules& rules, RandomSource& random);

// The rod that a strip applying `check` takes as right.
int rightRod(Check check, const SingleRodProblem& problem);
// The line written for a right drop of `rod` on a strip applying `check`.
std::string singleRodLine(Check check, const SingleRodProblem& problem, int rod);

// The strip a problem leaves open for the answer: the given rods cover the other one.
Strip answerStrip(const SingleRodProblem& problem);

// The check a strip applies on a screen of these rules.
constexpr Check checkOn(const SingleRodRules& rules, Strip strip)
{
    return strip == Strip::Upper ? rules.upper : rules.lower;
}

// The right rod laid in the gap at the open strip's right end (the Strip as the place).
Solution singleRodSolution(const SingleRodRules& rules, const SingleRodProblem& problem);

// A given-rod display ("brasto", "brasto1", "brasto2") showing a rod on a
// strip, so many units from the strip's left end. The strips are as long as
// the problem's whole; the given rods cover the closed one and leave the
// answer's gap at the right end of the open one.
struct GivenRod {
    const char* name;
    int rod;
    Strip strip;
    int atUnits;
};
std::vector<GivenRod> givenRods(const SingleRodProblem& problem);

// ---------------------------------------------------------------------------
// Composition screens

enum class CompositionKind {
    BuildRod, // target one rod 1 to 10, the row empty
    UpTo20,   // target 11 to 20, a given rod 1 to 10 at the start of the row
    Twenty,   // target 20, a given part 1 to 19 at the start of the row
};

struct CompositionProblem {
    int target;
    int given; // 0 when the row starts empty
};

// Draws a problem, in this order: BuildRod the target Int(Rnd * 10) + 1;
// UpTo20 the given rod Int(Rnd * 10) + 1, then the target Int(Rnd * 10) + 11;
// Twenty the given part Int(Rnd * 19) + 1.
CompositionProblem drawCompositionProblem(CompositionKind kind, RandomSource& random);

// The rods that lay the given part at the start of the row: one rod up to
// 10, the rod of 10 and the units rod above it.
std::vector<int> givenParts(int given);

// The row of a problem: any rod that fits is laid after the others, the
// given part already at its start.
RodFill compositionRow(const CompositionProblem& problem);
// The addition written so far (OperationText): the given part, then each
// rod laid, and "= target" once the row is closed.
std::string compositionText(const RodFill& row);

// The rods that close the row from where it is filled (place 0, the row):
// a 10 first while more than ten are missing, then the rest.
Solution compositionSolution(const RodFill& row);

} // namespace brasti
