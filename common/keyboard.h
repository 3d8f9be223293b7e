// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Play by keyboard: where Tab stops on a board and in which order, and the
// frame that shows which control has the keyboard focus.
#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QKeyEvent;
class QWindow;

namespace brasti {

class Board;

// Places in reading order, as indices into `places`: lines from the top
// down, each line from left to right. The topmost place not yet in a line
// opens the next line; every place whose vertical middle lies within the
// opener's height joins that line, so upright rods standing on one bottom
// line read as one line whatever their lengths.
std::vector<std::size_t> readingOrder(const std::vector<QRect>& places);

// Where a control lies on its board, in board pixels.
QRect placeOnBoard(const Board* board, const QWidget* control);

// The controls in reading order of their places on the board.
QList<QWidget*> inReadingOrder(const Board* board, const QList<QWidget*>& controls);

// The control a pointer reaches at a board point (an internal part, such as
// a list's viewport, counts as its control), or nullptr.
QWidget* controlAt(const Board* board, QPoint boardPoint);

// The first point of the control, in board pixels, at which `reaches` holds,
// searched from the top left, line by line; nothing when no point does (the
// control is covered all over). Within the first line that has one, the
// point is the leftmost one, so what lies on the control's left is passed.
std::optional<QPoint> reachablePoint(const Board* board, const QWidget* control,
                                     const std::function<bool(QPoint)>& reaches);

// A place that takes dropped rods. The keyboard reaches it only while it
// carries a rod: the rest of the time it would be a stop that does nothing.
bool isDropTarget(const QWidget* control);

// A control that only shows part of the problem (a given rod, the number
// asked for, the printed operation): a Tab stop all the same, so that a
// child who listens instead of looking can go back to it and hear it again.
void makeReadable(QWidget* control);

// The controls Tab stops at, in reading order: shown, enabled, taking Tab
// focus (of radio buttons with one chosen, the chosen one alone), reached
// by the pointer somewhere, and no drop target. What the
// pointer cannot reach (a rod under another rod, a strip under a given rod)
// no key reaches.
QList<QWidget*> tabStops(const Board* board);

// The stop after the place `from` (or before it, going back), in reading
// order, wrapping around. Nothing when there is no stop.
QWidget* stopAfter(const Board* board, const QList<QWidget*>& stops, QRect from, bool forward);
// The stop after the control `from`, which need not be a stop itself: a
// control just hidden or disabled still says where the keyboard was. The
// first (going back, the last) stop when `from` is not on the board.
QWidget* stopAfter(const Board* board, QList<QWidget*> stops, const QWidget* from, bool forward);

// Space, Enter or Return, without Ctrl, Alt or Meta: the keys that work a control.
bool isActivationKey(const QKeyEvent* event);
// Enter or Return, without Ctrl, Alt or Meta.
bool isEnterKey(const QKeyEvent* event);
// Enter (the keypad's) or Return, whatever the modifiers.
constexpr bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The frame around the control that has the keyboard focus: two bands,
// black outside and white inside, so it shows on every colour, as thick as
// the board's scale makes it. It follows the control as it moves and shows
// only while the keyboard is in use: a press of the mouse or a finger on
// the window hides it, the next key brings it back.
class FocusFrame final : public QWidget {
    Q_OBJECT
public:
    explicit FocusFrame(Board* board);

    bool keyboardInUse() const { return keyboard_; }
    void setKeyboardInUse(bool inUse);
    // The control framed now, or nullptr while the frame is hidden.
    QWidget* framed() const { return isVisible() ? control_.data() : nullptr; }
    // The last control of the board that had the focus, if it still exists.
    QWidget* lastFocused() const { return lastFocused_; }
    // The width of each band, in pixels.
    int band() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();
    void watch(QWidget* control);

    Board* board_;
    QPointer<QWidget> control_;
    QPointer<QWidget> lastFocused_;
    std::vector<QPointer<QWidget>> watched_;
    QPointer<QWindow> window_;
    bool keyboard_ = false;
};

} // namespace brasti
