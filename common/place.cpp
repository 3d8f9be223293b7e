// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/place.h"

#include "common/board.h"
#include "common/controls.h"

namespace brasti {

Place::Place(Board* board, QWidget* parent, const QString& objectName, const QString& name, const QString& inside,
             QRect twips, Bgr colour)
    : QFrame(parent), inside_(inside)
{
    setObjectName(objectName);
    setAccessibleName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    board->place(this, twips);
    Board::setControlColour(this, colour);
}

bool Place::isOccupied() const
{
    return tag(this) == kOccupato;
}

void Place::setOccupied(bool occupied)
{
    setTag(this, occupied ? kOccupato : QString());
}

void Place::takeDrop(Rod* rod) const
{
    // Copied: the handler may give this place a new one.
    const DropHandler handler = handler_;
    if (handler)
        handler(rod);
}

} // namespace brasti
