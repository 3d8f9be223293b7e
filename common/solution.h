// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The right answer to a problem as the moves a child would make, in the
// order a teacher shows them: each family's model works it out from the
// problem (and from what the child has laid already), free of any widget;
// the screen then plays it on its own board.
#include <string>
#include <utility>
#include <vector>

namespace brasti {

struct Move {
    enum class Kind {
        Lay,   // a rod into a place
        Press, // a button pressed, or a rod clicked
        Type,  // a text typed into the answer box
        Back,  // a rod the child laid, back where a pressed "Ricomincia" puts it
    };
    Kind kind = Kind::Lay;
    int rod = 0;      // Lay, Back: the rod's number
    int place = 0;    // Lay: which place, as the family counts them; Press: which control
    int atUnits = 0;  // Lay: where the rod lies, in units from the place's left end
    std::string text; // Type

    static Move lay(int rod, int place, int atUnits = 0) { return {Kind::Lay, rod, place, atUnits, {}}; }
    static Move press(int control) { return {Kind::Press, 0, control, 0, {}}; }
    static Move type(std::string text) { return {Kind::Type, 0, 0, 0, std::move(text)}; }
    static Move back(int rod) { return {Kind::Back, rod, 0, 0, {}}; }
    friend bool operator==(const Move&, const Move&) = default;
};

using Solution = std::vector<Move>;

// The rods that fill `missing` units of a place, laid end to end from
// `from`: a 10 first while more than ten are missing, as a child counts
// with the 10, then one rod for the rest.
inline void layTensThenUnits(Solution& moves, int place, int from, int missing)
{
    while (missing > 10) {
        moves.push_back(Move::lay(10, place, from));
        from += 10;
        missing -= 10;
    }
    if (missing > 0)
        moves.push_back(Move::lay(missing, place, from));
}

} // namespace brasti
