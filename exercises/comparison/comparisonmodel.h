// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The decisions of the comparison screens, free of any widget: the rods
// around a middle one, the relation with one side missing and the sign
// between two rods.
#include "common/solution.h"

#include <array>

namespace brasti {

class RandomSource;

// ---------------------------------------------------------------------------
// A row of three boxes for the rods LowRod, LowRod + 1 and LowRod + 2: the
// middle rod (the outer two given) and its neighbours (the middle given).

enum class RowBox { Left = 0, Middle = 1, Right = 2 };
inline constexpr std::array<RowBox, 3> kRowBoxes = {RowBox::Left, RowBox::Middle, RowBox::Right};

struct RowRules {
    std::array<bool, 3> given; // by RowBox: a rod of the problem stands there; the others are open
};

constexpr bool isGiven(const RowRules& rules, RowBox box)
{
    return rules.given[static_cast<std::size_t>(box)];
}

// LowRod, 1 to 8, so that LowRod + 2 is still a rod.
int drawLowRod(RandomSource& random);

// The rod that belongs in a box of the row.
constexpr int rodFor(RowBox box, int lowRod)
{
    return lowRod + static_cast<int>(box);
}

// The rods dropped into the open boxes of one problem.
class RowAnswer {
public:
    void clear() { rods_ = {}; }
    // Records the rod in the box; false, and nothing changes, when the box
    // holds a rod already or the rod is no rod.
    bool place(RowBox box, int rod);
    // 0 while the box is empty.
    int rodIn(RowBox box) const { return rods_[static_cast<std::size_t>(box)]; }
    // Right when every open box holds the rod that belongs there; an empty
    // open box is wrong.
    bool isRight(const RowRules& rules, int lowRod) const;

private:
    std::array<int, 3> rods_{};
};

// The controls of a shown row.
inline constexpr int kRowConfermaControl = 0;
inline constexpr int kRowRicominciaControl = 1;

// When an open box holds a rod of the child's already: "Ricomincia", and
// each such rod back to the tray, box by box. Then the rod that belongs in
// each open box (the box's RowBox as the place), and "Conferma".
Solution rowSolution(const RowRules& rules, int lowRod, const RowAnswer& laid = {});

// ---------------------------------------------------------------------------
// Relations, read left, sign, right.

enum class Relation { Greater, Less, Equal };

// ">", "<" or "=".
const char* signOf(Relation relation);
bool holds(int left, Relation relation, int right);

// RelationKind 1 to 5: 1 and 2 are ">", 3 and 4 "<", 5 "=", so ">" and "<"
// come twice as often as "=".
Relation relationOfKind(int kind);

enum class Side { Left = 1, Right = 2 };

// A relation with one side shown and the other to fill.
struct RelationProblem {
    int kind;       // RelationKind
    int shownRod;   // the rod shown, after the correction
    Side shownSide; // where it stands; the child fills the other side
    Relation relation() const { return relationOfKind(kind); }
};

// The shown rod moved by one where no rod could complete the relation
// (">" with 1 shown on the left or 10 on the right, "<" the other way round).
int correctedShownRod(Relation relation, int shownRod, Side shownSide);

// Draws the kind, the rod and the side, in that order, then corrects the rod.
RelationProblem drawRelationProblem(RandomSource& random);

// Whether rod d, put on the open side, makes the relation true.
bool completesRelation(const RelationProblem& problem, int rod);

// Of the rods that complete the relation, the one nearest the shown rod, so
// that a shown answer says "just one less" rather than any smaller rod.
int completingRod(const RelationProblem& problem);

// That rod laid on the open side (its Side as the place).
Solution relationSolution(const RelationProblem& problem);

// Two rods side by side, drawn independently (they may be equal).
struct SignProblem {
    int leftRod;
    int rightRod;
};
SignProblem drawSignProblem(RandomSource& random);

// Whether the sign clicked says how the left rod compares with the right one.
inline bool isRightSign(const SignProblem& problem, Relation sign)
{
    return holds(problem.leftRod, sign, problem.rightRod);
}

// The sign that holds, pressed (its Relation as the control).
Relation rightSign(const SignProblem& problem);
Solution signSolution(const SignProblem& problem);

} // namespace brasti
