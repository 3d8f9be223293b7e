// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Where rods are put on a board: laid along a place (a bar, a row, the box
// of the tens) or spread over the tray. The child's drop and the shown answer
// both lay a rod through alongPlace(), so they never disagree on where it lies.
#include "common/tray.h"

#include <QRect>
#include <array>
#include <functional>
#include <vector>

class QWidget;

namespace brasti {

class Board;
class Rod;

// Where `rod` lies laid `units` along `place` from its left end, in twips of
// their container.
QRect alongPlace(const QWidget* place, const QWidget* rod, int units);

// Lays the child's rod there and fixes it for the rest of the problem:
// dragged again, it would count a second time and leave a hole behind.
void layRodAlong(Board* board, const QWidget* place, Rod* rod, int units);

// Lays the tray out: every rod of number rodAt[slot] in its slot, free to
// take. `rodsOf(k)` gives the rods of number k that share a slot (the tray's
// own and any further sets lying on it).
void layOutTray(Board* board, const Tray& tray, const std::array<int, 10>& rodAt,
                const std::function<std::vector<Rod*>(int)>& rodsOf);

} // namespace brasti
