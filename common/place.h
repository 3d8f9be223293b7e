// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The places a rod can lie in: the slots, boxes, bars, strips and rows of
// the boards. Each knows its own words in the program's language, its name
// and the whole phrase for a rod lying in it, so that no grammar is ever
// guessed from a translated word.
#include "common/colours.h"

#include <QFrame>
#include <functional>

namespace brasti {

class Board;
class Rod;

using DropHandler = std::function<void(Rod*)>;

// A sunken picture box in one colour. A rod whose middle lies on it lies in
// it, and says so in its own accessible description.
class Place final : public QFrame {
    Q_OBJECT
public:
    // name: "casella 2"; inside: where a rod lying in it is, "nella casella 2".
    Place(Board* board, QWidget* parent, const QString& objectName, const QString& name, const QString& inside,
          QRect twips, Bgr colour);

    QString name() const { return accessibleName(); }
    const QString& inside() const { return inside_; }

    // A place holding a rod ignores further drops until its screen empties
    // it; it shows as the tag text "occupato", which the screens read.
    bool isOccupied() const;
    void setOccupied(bool occupied);

    // Set by the drag (RodDragger::setDropHandler): only then does it take rods.
    bool takesDrops() const { return static_cast<bool>(handler_); }
    void setDropHandler(DropHandler handler) { handler_ = std::move(handler); }
    void takeDrop(Rod* rod) const;

private:
    QString inside_;
    DropHandler handler_;
};

} // namespace brasti
