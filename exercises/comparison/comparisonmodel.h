// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The decisions of the comparison screens, free of any widget: the rods
// around a middle one, the relation with one side missing and the sign
// between two rods, with the places of upright rods in their boxes and tray.
#include "common/colours.h"

#include <array>

namespace brasti {

class RandomSource;

// Upright rods: one unit is 350 twips, a box holds ten units.
inline constexpr int kComparisonUnit = 350;
inline constexpr int kUprightBoxHeight = 10 * kComparisonUnit;

// The Top at which rod k stands on the bottom edge of a box whose Top is boxTop.
constexpr int standingTop(int boxTop, int rod)
{
    return boxTop + (10 - rod) * kComparisonUnit;
}

// The tray of the screens that drag rods: every rod stands on one bottom
// line, and place p (0 to 9) of the shuffle lies at this Left.
constexpr int uprightTrayTop(int rod)
{
    return standingTop(200, rod);
}
constexpr int trayLeft(int place)
{
    return 200 + 400 * place;
}

// ---------------------------------------------------------------------------
// A row of three boxes for the rods LowRod, LowRod + 1 and LowRod + 2: the
// middle rod (the outer two given) and its neighbours (the middle given).

enum class RowBox { Left = 0, Middle = 1, Right = 2 };
inline constexpr std::array<RowBox, 3> kRowBoxes = {RowBox::Left, RowBox::Middle, RowBox::Right};

struct RowConfig {
    int screen;
    const char* caption; // the menu caption, also the window title and the title on the screen
    Bgr background;
    std::array<bool, 3> given; // by RowBox: a rod of the problem stands there; the others are open
};

bool isRowScreen(int screen);
// Screen 6 or 7; anything else is a programming error.
const RowConfig& rowConfig(int screen);

inline bool isGiven(const RowConfig& config, RowBox box)
{
    return config.given[static_cast<std::size_t>(box)];
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
    bool isRight(const RowConfig& config, int lowRod) const;

private:
    std::array<int, 3> rods_{};
};

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

} // namespace brasti
