// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/written/writtenmodel.h"

#include "common/counting.h"
#include "common/random.h"
#include "common/texts.h"

#include <algorithm>

namespace brasti {
namespace {

constexpr TwipsRect kFrame10{120, 120, 9375, 5295};
constexpr TwipsRect kNoLabel{0, 0, 0, 0};
constexpr TwipsRect kLabel10{3960, 4080, 3375, 975};
constexpr TwipsRect kResultBox10{7320, 4080, 1455, 975};
constexpr TwipsRect kFrame20{120, 120, 9375, 6135};
constexpr TwipsRect kLabel20{4320, 1080, 3375, 975};
constexpr TwipsRect kResultBox20{7680, 1080, 1455, 975};

constexpr std::array<WrittenConfig, kWrittenScreens.size()> kScreens = {{
    {21, BRASTI_TEXT("brasti::Exercises", "addizioni entro il 10"),
     WrittenBoard::Addition10, AnswerMode::ResultMode, 10020, 7155, kFrame10, 4680,
     kLabel10, kResultBox10, 24},
    {16, BRASTI_TEXT("brasti::Exercises", "scrivi l'addizione (entro il 10)"),
     WrittenBoard::Addition10, AnswerMode::OperationMode, 10020, 7155,
     kFrame10, 4200, kNoLabel, {4320, 4080, 4335, 975}, 20.25},
    {23, BRASTI_TEXT("brasti::Exercises", "sottrazioni entro il 10"),
     WrittenBoard::Subtraction10, AnswerMode::ResultMode, 10020, 7155, kFrame10,
     4680, kLabel10, kResultBox10, 24},
    {18, BRASTI_TEXT("brasti::Exercises", "scrivi la sottrazione (entro il 10)"),
     WrittenBoard::Subtraction10, AnswerMode::OperationMode, 9915, 7185,
     kFrame10, 4200, kNoLabel, {4200, 3960, 4335, 975}, 20.25},
    {22, BRASTI_TEXT("brasti::Exercises", "addizioni entro il 20"),
     WrittenBoard::Addition20, AnswerMode::ResultMode, 10020, 7155, kFrame20, 600,
     kLabel20, kResultBox20, 24},
    {24, BRASTI_TEXT("brasti::Exercises", "scrivi l'addizione (entro il 20)"),
     WrittenBoard::Addition20, AnswerMode::OperationMode, 10020, 7155,
     {0, 120, 9375, 6135}, 600, kNoLabel, {5160, 1080, 3975, 975}, 24},
    {25, BRASTI_TEXT("brasti::Exercises", "sottrazioni entro il 20"),
     WrittenBoard::Subtraction20, AnswerMode::ResultMode, 10020, 7155, kFrame20, 600,
     kLabel20, kResultBox20, 24},
    {26, BRASTI_TEXT("brasti::Exercises", "scrivi la sottrazione (entro il 20)"),
     WrittenBoard::Subtraction20, AnswerMode::OperationMode, 10020, 7155,
     kFrame20, 600, kNoLabel, {4680, 1080, 4455, 975}, 24},
}};

std::string plain(int n)
{
    return std::to_string(n);
}

} // namespace

const WrittenConfig* writtenConfig(int screen)
{
    for (const WrittenConfig& config : kScreens)
        if (config.screen == screen)
            return &config;
    return nullptr;
}

bool isAddition(WrittenBoard board)
{
    return board == WrittenBoard::Addition10 || board == WrittenBoard::Addition20;
}

bool isWithinTwenty(WrittenBoard board)
{
    return board == WrittenBoard::Addition20 || board == WrittenBoard::Subtraction20;
}

int upperBarTop(WrittenBoard board)
{
    return isWithinTwenty(board) ? 5040 : 2520;
}

int lowerBarTop(WrittenBoard board)
{
    return upperBarTop(board) + 600;
}

int WrittenProblem::result() const
{
    return isAddition(board) ? first + second : first - second;
}

int WrittenProblem::barLength() const
{
    return isAddition(board) ? result() : first;
}

int WrittenProblem::barStart() const
{
    return isAddition(board) ? 0 : second;
}

WrittenProblem drawProblem(WrittenBoard board, RandomSource& random)
{
    WrittenProblem p;
    p.board = board;
    switch (board) {
    case WrittenBoard::Addition10: {
        const int sum = drawInt(random, 9) + 1;
        p.first = drawInt(random, sum - 1);
        p.second = sum - p.first;
        break;
    }
    case WrittenBoard::Subtraction10:
        p.first = drawInt(random, 9) + 1;
        p.second = drawInt(random, p.first - 1);
        break;
    case WrittenBoard::Addition20:
        p.first = drawInt(random, 10);
        p.second = drawInt(random, 10);
        break;
    case WrittenBoard::Subtraction20:
        p.first = drawInt(random, 10) + 10;
        p.second = drawInt(random, 10);
        break;
    }
    return p;
}

std::string printedOperation(const WrittenProblem& problem)
{
    const char* sign = isAddition(problem.board) ? " + " : " - ";
    return withSignPlace(problem.first) + sign + withSignPlace(problem.second) + " = ";
}

std::string writtenOperation(const WrittenProblem& problem)
{
    const char* sign = isAddition(problem.board) ? "+" : "-";
    return plain(problem.first) + sign + plain(problem.second) + "=" + plain(problem.result());
}

ExpectedAnswer expectedAnswer(const WrittenProblem& problem)
{
    return {problem.result(), writtenOperation(problem)};
}

BarRule barRule(WrittenBoard board)
{
    return isWithinTwenty(board) ? BarRule::TensFirst : BarRule::OneRod;
}

BarFill::BarFill(BarRule rule, int length, int start)
    : rule_(rule), length_(std::max(0, length)), filled_(std::clamp(start, 0, std::max(0, length)))
{
}

DropOutcome BarFill::drop(int rod)
{
    const int remaining = length_ - filled_;
    const int at = filled_;
    if (rule_ == BarRule::TensFirst && rod < 10 && remaining > 9)
        return {DropVerdict::Refused, at};
    if (rod < 1 || rod > remaining || (rule_ == BarRule::OneRod && rod != remaining))
        return {DropVerdict::Wrong, at};
    filled_ += rod;
    laid_.push_back(rod);
    return {isFull() ? DropVerdict::Completed : DropVerdict::Placed, at};
}

} // namespace brasti
