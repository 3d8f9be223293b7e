// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The decisions of the written-arithmetic screens, free of any widget: the
// problems they draw, what they print and expect, and how the target bar
// takes the rods dropped on it.
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

// How a target bar takes rods.
enum class BarRule {
    OneRod,    // only the one rod that fills the whole gap
    TensFirst, // rods laid end to end; while ten or more units are missing, only a 10
};

enum class DropVerdict {
    Refused,   // shorter than 10 while ten or more units are missing: a hint, nothing counted
    Placed,    // laid on the bar, a gap is left
    Completed, // laid on the bar, which is now exactly full
    Wrong,     // not taken: counts a wrong answer
};

struct DropOutcome {
    DropVerdict verdict;
    int atUnits; // where a rod taken lands, in units from the bar's left end
};

// The units of the target bar covered so far, from its left end, and the
// rule by which it takes a rod of length n:
//   TensFirst: while ten or more units are missing, a rod shorter than 10 is
//     refused (a hint, nothing counted); else a rod that fits is laid right
//     after the others, and the one that fills the bar exactly completes it;
//   OneRod: only the rod that fills the gap exactly is laid, and completes it;
// any other rod is too long, or not the one: a wrong answer, and it stays
// where it was. The filled length never goes past the bar; once the bar is
// full it takes nothing more, so no rod can complete it a second time.
class BarFill {
public:
    BarFill() = default;
    BarFill(BarRule rule, int length, int start);

    DropOutcome drop(int rod);

    int length() const { return length_; }
    int filled() const { return filled_; }
    bool isFull() const { return filled_ == length_; }
    // The rods laid on it so far, from its left end.
    const std::vector<int>& laid() const { return laid_; }

private:
    BarRule rule_ = BarRule::OneRod;
    int length_ = 0;
    int filled_ = 0;
    std::vector<int> laid_;
};

BarRule barRule(WrittenBoard board);

// The one control of a shown answer: Enter in the answer box.
inline constexpr int kEnterControl = 0;

// What is left to do: the rods that fill the target bar from where it is
// filled (place 0, the bar; a 10 first while more than ten are missing),
// then the answer typed as the screen asks for it, then Enter.
Solution writtenSolution(const WrittenRules& rules, const WrittenProblem& problem, const BarFill& bar);

} // namespace brasti
