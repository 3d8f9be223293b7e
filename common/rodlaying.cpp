// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/rodlaying.h"

#include "common/board.h"
#include "common/rod.h"

namespace brasti {

QRect alongPlace(const QWidget* place, const QWidget* rod, int units)
{
    const QRect along = Board::designRect(place);
    return {QPoint(along.left() + units * kUnitTwips, along.top()), Board::designRect(rod).size()};
}

void layRodAlong(Board* board, const QWidget* place, Rod* rod, int units)
{
    board->moveTo(rod, alongPlace(place, rod, units).topLeft());
    rod->setMovable(false);
}

void layOutTray(Board* board, const Tray& tray, const std::array<int, 10>& rodAt,
                const std::function<std::vector<Rod*>(int)>& rodsOf)
{
    for (std::size_t slot = 0; slot < rodAt.size(); ++slot) {
        const int k = rodAt[slot];
        const TwipsRect at = tray.rodPlace(static_cast<int>(slot), k);
        for (Rod* r : rodsOf(k)) {
            board->moveTo(r, QPoint(at.left, at.top));
            r->setMovable(true);
        }
    }
}

} // namespace brasti
