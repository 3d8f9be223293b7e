// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The decisions of the written-arithmetic screens, free of any widget: the
// problems they draw, what they print and expect, and how the target bar
// takes the rods dropped on it.
#include "common/rodfill.h"
#include "common/solution.h"
#include "exercises/written/typedanswer.h"

#include <array>
#include <string>
#include <vector>

namespace brasti {

class RandomSource;

// The four boards; two screens share each, one in each answer mode.
enum class WrittenBoard { Addition10, Subtraction10, Addition20, Subtraction20 };

struct WrittenRules {
    WrittenBoard board;
    AnswerMode mode; // the result after the printed operation, or the whole operation
};

bool isAddition(WrittenBoard board);
bool isWithinTwenty(WrittenBoard board);

// One problem. An addition is first + second = result, a subtraction
// first - second = result.
struct WrittenProblem {
    WrittenBoard board = WrittenBoard::Addition10;
    int first = 1;  // Addend1 or Minuend
    int second = 1; // Addend2 or Subtrahend

    int result() const; // Sum or Difference
    // The target bar's length in units, and the units already covered by a
    // given rod when the child starts (the subtrahend's rod).
    int barLength() const;
    int barStart() const;
};

// Draws a problem of the board:
//   within 10, addition:    Sum 2..10, then Addend1 1..Sum-1;
//   within 10, subtraction: Minuend 2..10, then Subtrahend 1..Minuend-1;
//   within 20, addition:    Addend1 1..10, then Addend2 1..10;
//   within 20, subtraction: Minuend 11..20, then Subtrahend 1..10.
WrittenProblem drawProblem(WrittenBoard board, RandomSource& random);

// The printed operation: " 3 +  4 = ", " 7 -  3 = " (each number with the
// blank of its sign).
std::string printedOperation(const WrittenProblem& problem);
// The operation as the child types it whole: "3+4=7", "14-6=8".
std::string writtenOperation(const WrittenProblem& problem);
ExpectedAnswer expectedAnswer(const WrittenProblem& problem);

// How the target bar takes rods: within 10 only the one rod that fills the
// gap; within 20 any rod that fits, but a 10 while ten or more units are missing.
FillRule barRule(WrittenBoard board);
// The target bar of a problem, the given rod (the subtrahend) at its start.
RodFill barToFill(const WrittenProblem& problem);

// The one control of a shown answer: Enter in the answer box.
inline constexpr int kEnterControl = 0;

// What is left to do: the rods that fill the target bar from where it is
// filled (place 0, the bar; a 10 first while more than ten are missing),
// then the answer typed as the screen asks for it, then Enter.
Solution writtenSolution(const WrittenRules& rules, const WrittenProblem& problem, const RodFill& bar);

} // namespace brasti
