// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Rods and their drag and drop.
#include "common/place.h"
#include "common/twips.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QKeyEvent;

namespace brasti {

class Board;

enum class RodStance { Flat, Upright };

// Rod k: a filled rectangle in rod k's colour, k units long. The tray is
// the set "brasti"; a screen with further rods of a number ("brasti1",
// "brasti2") makes them with their own set name and the same number.
class Rod final : public QWidget {
    Q_OBJECT
public:
    Rod(int number, QWidget* parent, const QString& set = QStringLiteral("brasti"));
    int number() const { return number_; }

    // Whether the rod can be picked up: dragged, carried by keys or, where
    // rods are clicked, clicked. A rod fixed in place still takes the
    // keyboard focus, so that a screen reader reaches it and hears where it
    // lies; that is why this is not the widget's enabled state.
    void setMovable(bool movable);
    bool isMovable() const { return movable_; }

signals:
    void movableChanged(bool movable);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int number_;
    bool movable_ = true;
};

// A given rod shown on a board ("brasto", "brasto1", …): it takes the look of
// rod k, but it is no rod of the tray. It cannot be dragged and takes no
// drops, so a rod dropped on it is dropped on nothing. Its size is the
// screen's business.
class RodCopy final : public QWidget {
    Q_OBJECT
public:
    RodCopy(const QString& name, QWidget* parent);
    // Takes rod k's colour and name; 0 shows nothing.
    void showRod(int k);
    int number() const { return number_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int number_ = 0;
};

// Drags rods the way a classic automatic drag mode does: a press on an
// enabled rod starts the drag at once and an outline follows the pointer; on
// release the topmost control under the pointer receives the drop if it is
// an enabled place with a handler. The rod itself moves only if a handler moves it.
// Mouse events synthesised from touch take the same road; only the first
// finger drives them.
//
// The keyboard carries rods too: Space or Enter on a focused rod picks it up
// (the outline shows on it), Tab and Shift+Tab take it, focus and outline,
// from target to target, Space or Enter drops it on the focused target at a
// point a mouse drop there would reach, Esc puts it down and gives the focus
// back to the rod. One rod at most is carried, by either means.
class RodDragger final : public QObject {
    Q_OBJECT
public:
    explicit RodDragger(Board* board);

    void addRod(Rod* rod);
    // The place takes rods from now on; it is a Tab stop as well.
    void setDropHandler(Place* target, DropHandler handler);
    bool hasDropHandler(const QWidget* target) const;
    Rod* draggedRod() const { return dragged_; }
    bool carriedByKeyboard() const { return dragged_ && byKeyboard_; }
    // The control a drop at this board point would reach, or nullptr.
    Place* dropTargetAt(QPoint boardPoint, const Rod* ignore) const;
    // Where the keyboard can take this rod now, in reading order: targets
    // with a handler, shown, enabled, not holding a rod ("occupato"), and
    // reached by a drop somewhere (a target covered all over is not).
    QList<QWidget*> keyboardTargets(const Rod* rod) const;

signals:
    // Around a drop that reached a target's handler, by mouse or by keys.
    void aboutToDrop(Rod* rod);
    void dropHandled(Rod* rod);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void begin(Rod* rod, QPoint boardPoint);
    void follow(QPoint boardPoint);
    void finish(QPoint boardPoint);
    void cancel();

    bool keyPress(QWidget* watched, QKeyEvent* event);
    void pickUp(Rod* rod);
    bool carryOn(QWidget* from, bool forward);
    void carryTo(QWidget* target, bool forward);
    void dropOn(QWidget* target);
    std::optional<QPoint> dropPoint(const QWidget* target, const Rod* rod) const;

    Board* board_;
    QWidget* outline_;
    QPointer<Rod> dragged_;
    QPoint grabOffset_;
    std::vector<QPointer<Place>> targets_;
    bool byKeyboard_ = false;
    // Set while the keyboard carry itself moves the focus.
    bool movingFocus_ = false;
    // Where the rod carried by keyboard lay when picked up, in board pixels.
    QRect pickedFrom_;
};

} // namespace brasti
