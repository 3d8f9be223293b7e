// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/written/writtenmodel.h"

#include "common/counting.h"
#include "common/random.h"


namespace brasti {
namespace {

std::string plain(int n)
{
    return std::to_string(n);
}

} // namespace

bool isAddition(WrittenBoard board)
{
    return board == WrittenBoard::Addition10 || board == WrittenBoard::Addition20;
}

bool isWithinTwenty(WrittenBoard board)
{
    return board == WrittenBoard::Addition20 || board == WrittenBoard::Subtraction20;
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

FillRule barRule(WrittenBoard board)
{
    return isWithinTwenty(board) ? FillRule::TensFirst : FillRule::OneRod;
}

RodFill barToFill(const WrittenProblem& problem)
{
    return RodFill(barRule(problem.board), problem.barLength(), problem.barStart());
}

Solution writtenSolution(const WrittenRules& rules, const WrittenProblem& problem, const RodFill& bar)
{
    Solution moves;
    layTensThenUnits(moves, 0, bar.filled(), bar.missing());
    moves.push_back(Move::type(rules.mode == AnswerMode::ResultMode ? std::to_string(problem.result())
                                                                      : writtenOperation(problem)));
    moves.push_back(Move::press(kEnterControl));
    return moves;
}

} // namespace brasti
