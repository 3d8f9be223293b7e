// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/rod.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/colours.h"
#include "common/controls.h"
#include "common/keyboard.h"
#include "common/screenwindow.h"
#include "common/spoken.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace brasti {
namespace {

// The outline that follows the pointer: a frame drawn in two tones so it
// shows on any background. It never takes the mouse.
class DragOutline final : public QWidget {
public:
    explicit DragOutline(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("contornoTrascinamento"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(r);
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.drawRect(r);
    }
};

bool numbersShown(const QWidget* widget)
{
    const auto* screen = qobject_cast<const ScreenWindow*>(widget->window());
    return screen && screen->context().numbersOnRods;
}

// The rod's number in its middle, upright whichever way the rod lies, as
// large as the rod's thickness allows, in black or white, whichever reads
// better on the rod's colour.
void paintNumber(QPainter& p, const QRect& area, int number)
{
    const QString text = QString::number(number);
    const int thickness = std::min(area.width(), area.height());
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    int pixels = std::max(1, static_cast<int>(thickness * 0.72));
    font.setPixelSize(pixels);
    // An upright rod is one unit wide, and "10" must still fit across it.
    const int room = std::max(1, area.width() - 2);
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance > room) {
        pixels = std::max(1, pixels * room / advance);
        font.setPixelSize(pixels);
    }
    p.setFont(font);
    p.setPen(toQColor(textColourOn(rodColour(number))));
    p.drawText(area, Qt::AlignCenter, text);
}

void paintRod(QWidget* widget, int number)
{
    QPainter p(widget);
    p.fillRect(widget->rect(), toQColor(rodColour(number)));
    // A thin edge keeps the white rod visible on light backgrounds.
    p.setPen(QColor(0, 0, 0, 90));
    p.drawRect(widget->rect().adjusted(0, 0, -1, -1));
    if (numbersShown(widget))
        paintNumber(p, widget->rect(), number);
}

} // namespace

Rod::Rod(int number, QWidget* parent, const QString& set) : QWidget(parent), number_(number)
{
    setObjectName(QStringLiteral("%1_%2").arg(set).arg(number));
    setAccessibleName(spoken::rod(number));
    setCursor(Qt::OpenHandCursor);
    // Reached by Tab; a click does not take the focus, since it drags.
    setFocusPolicy(Qt::TabFocus);
}

void Rod::paintEvent(QPaintEvent*)
{
    paintRod(this, number_);
}

RodCopy::RodCopy(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
}

void RodCopy::showRod(int k)
{
    number_ = k;
    const bool shown = k >= 1 && k <= 10;
    setAccessibleName(shown ? spoken::rod(k) : QString());
    // A given rod is part of the problem: the keyboard reaches it to read it.
    setFocusPolicy(shown ? Qt::TabFocus : Qt::NoFocus);
    update();
}

void RodCopy::paintEvent(QPaintEvent*)
{
    if (number_ >= 1 && number_ <= 10)
        paintRod(this, number_);
}

void Rod::setMovable(bool movable)
{
    if (movable_ == movable)
        return;
    movable_ = movable;
    setCursor(movable ? Qt::OpenHandCursor : Qt::ArrowCursor);
    emit movableChanged(movable);
}

RodDragger::RodDragger(Board* board) : QObject(board), board_(board), outline_(new DragOutline(board))
{
    // A message box over the window takes the mouse and keys a drag waits for.
    board->window()->installEventFilter(this);
}

void RodDragger::addRod(Rod* rod)
{
    rod->installEventFilter(this);
    // A rod fixed in place mid-drag ends the drag without a drop.
    connect(rod, &Rod::movableChanged, this, [this, rod](bool movable) {
        if (!movable && rod == dragged_)
            cancel();
    });
}

void RodDragger::setDropHandler(Place* target, DropHandler handler)
{
    target->setDropHandler(std::move(handler));
    targets_.emplace_back(target);
    // Focusable, so a screen reader follows the carry from target to target;
    // out of the Tab round while nothing is carried.
    if (target->focusPolicy() == Qt::NoFocus)
        target->setFocusPolicy(Qt::TabFocus);
    // Keys on a focused target carry a rod on or drop it.
    target->installEventFilter(this);
}

bool RodDragger::hasDropHandler(const QWidget* target) const
{
    const auto* place = qobject_cast<const Place*>(target);
    return place && place->takesDrops();
}

Place* RodDragger::dropTargetAt(QPoint boardPoint, const Rod* ignore) const
{
    if (!board_->rect().contains(boardPoint))
        return nullptr;
    // The dragged rod must not hide what lies under it; everything else on top does.
    QWidget* hit = nullptr;
    if (ignore) {
        auto* rod = const_cast<Rod*>(ignore);
        const bool wasTransparent = rod->testAttribute(Qt::WA_TransparentForMouseEvents);
        rod->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        hit = controlAt(board_, boardPoint);
        rod->setAttribute(Qt::WA_TransparentForMouseEvents, wasTransparent);
    } else {
        hit = controlAt(board_, boardPoint);
    }
    auto* place = qobject_cast<Place*>(hit);
    if (!place || !place->takesDrops() || !place->isEnabled())
        return nullptr;
    return place;
}

std::optional<QPoint> RodDragger::dropPoint(const QWidget* target, const Rod* rod) const
{
    return reachablePoint(board_, target, [&](QPoint p) { return dropTargetAt(p, rod) == target; });
}

QList<QWidget*> RodDragger::keyboardTargets(const Rod* rod) const
{
    QList<QWidget*> targets;
    for (Place* target : targets_) {
        if (target && !targets.contains(target) && target->isVisible() && target->isEnabled()
            && !target->isOccupied() && dropPoint(target, rod))
            targets << target;
    }
    return inReadingOrder(board_, targets);
}

bool RodDragger::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    if (widget == board_->window()) {
        // A box opened over the window: the release that would end a mouse
        // drag goes to the box now. The rod is put down; a rod carried by
        // keys is put down as the keyboard leaves the window.
        if (event->type() == QEvent::WindowBlocked)
            cancel();
        return false;
    }
    if (event->type() == QEvent::KeyPress)
        return keyPress(widget, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusOut) {
        // The keyboard went elsewhere (a click on a button, a menu, another
        // window): the rod it carried is put down.
        if (carriedByKeyboard() && !movingFocus_)
            cancel();
        return false;
    }
    auto* rod = qobject_cast<Rod*>(watched);
    if (!rod)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(event);
        // The mouse takes over from the keyboard: its rod is put down first.
        if (carriedByKeyboard())
            cancel();
        // Rods fixed in place still reach this filter: they must not be dragged.
        if (me->button() == Qt::LeftButton && rod->isMovable() && rod->isVisible() && !dragged_)
            begin(rod, rod->mapTo(board_, me->position().toPoint()));
        return true;
    }
    case QEvent::MouseMove:
        if (rod == dragged_ && !byKeyboard_)
            follow(rod->mapTo(board_, static_cast<QMouseEvent*>(event)->position().toPoint()));
        return true;
    case QEvent::MouseButtonRelease:
        if (rod == dragged_ && !byKeyboard_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            finish(rod->mapTo(board_, static_cast<QMouseEvent*>(event)->position().toPoint()));
        return true;
    case QEvent::Hide:
        // A rod taken away mid-drag ends the drag without a drop.
        if (rod == dragged_)
            cancel();
        return false;
    default:
        return false;
    }
}

void RodDragger::begin(Rod* rod, QPoint boardPoint)
{
    dragged_ = rod;
    const QPoint rodTopLeft = rod->mapTo(board_, QPoint(0, 0));
    grabOffset_ = boardPoint - rodTopLeft;
    outline_->setGeometry(QRect(rodTopLeft, rod->size()));
    outline_->raise();
    outline_->setVisible(true);
}

void RodDragger::follow(QPoint boardPoint)
{
    outline_->move(boardPoint - grabOffset_);
}

void RodDragger::finish(QPoint boardPoint)
{
    Rod* rod = dragged_;
    cancel();
    if (Place* target = dropTargetAt(boardPoint, rod)) {
        const QPointer<Rod> guard(rod);
        emit aboutToDrop(rod);
        target->takeDrop(rod);
        // Also when the handler removed the rod: the drop is over either way.
        emit dropHandled(guard.data());
    }
}

void RodDragger::cancel()
{
    dragged_ = nullptr;
    byKeyboard_ = false;
    outline_->hide();
}

bool RodDragger::keyPress(QWidget* watched, QKeyEvent* event)
{
    const int key = event->key();
    const bool tab = (key == Qt::Key_Tab || key == Qt::Key_Backtab)
                  && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    auto* rod = qobject_cast<Rod*>(watched);
    if (key == Qt::Key_Escape && dragged_) {
        // Put down without a drop, by whichever means it was carried.
        Rod* carried = dragged_;
        const bool keyboard = byKeyboard_;
        cancel();
        if (keyboard)
            carried->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (carriedByKeyboard() && tab)
        return carryOn(watched, key == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
    if (!isActivationKey(event))
        return false;
    // A key held down picks up or drops once.
    if (event->isAutoRepeat())
        return rod || carriedByKeyboard();
    if (carriedByKeyboard()) {
        if (watched == dragged_)
            cancel(); // put back where it lies
        else if (hasDropHandler(watched))
            dropOn(watched);
        return true;
    }
    if (!rod)
        return false;
    // While the mouse drags a rod, the keyboard picks up none.
    if (!dragged_)
        pickUp(rod);
    return true;
}

void RodDragger::pickUp(Rod* rod)
{
    // A rod with nowhere to go is not picked up: Tab would have nothing to reach.
    if (!rod->isMovable() || !rod->isVisible() || keyboardTargets(rod).isEmpty())
        return;
    pickedFrom_ = placeOnBoard(board_, rod);
    begin(rod, pickedFrom_.center());
    byKeyboard_ = true;
}

bool RodDragger::carryOn(QWidget* from, bool forward)
{
    const QList<QWidget*> targets = keyboardTargets(dragged_);
    if (targets.isEmpty()) {
        // Nowhere left to go: the rod is put down and Tab moves on as usual.
        cancel();
        return false;
    }
    // From the rod itself, the first target (going back, the last).
    const auto at = targets.indexOf(from);
    const auto n = targets.size();
    QWidget* to = at < 0 ? (forward ? targets.first() : targets.last()) : targets.at((at + (forward ? 1 : n - 1)) % n);
    carryTo(to, forward);
    return true;
}

void RodDragger::carryTo(QWidget* target, bool forward)
{
    movingFocus_ = true;
    target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    movingFocus_ = false;
    if (!dragged_)
        return;
    // The outline lies where the drop would reach the target: past whatever covers its left part.
    if (const std::optional<QPoint> point = dropPoint(target, dragged_)) {
        outline_->setGeometry(QRect(QPoint(point->x(), placeOnBoard(board_, target).top()), dragged_->size()));
        outline_->raise();
        outline_->setVisible(true);
    }
}

void RodDragger::dropOn(QWidget* target)
{
    Rod* rod = dragged_;
    const std::optional<QPoint> point = dropPoint(target, rod);
    if (!point)
        return; // covered meanwhile: the rod stays carried
    const QRect from = pickedFrom_;
    const QPointer<RodDragger> self(this);
    const QPointer<QWidget> guardedTarget(target);
    const QPointer<Rod> guardedRod(rod);
    // The very road of a mouse drop at that point.
    finish(*point);
    if (!self || !guardedTarget || guardedTarget->window()->focusWidget() != guardedTarget)
        return; // the drop moved the keyboard on itself (an answer box opened, a target locked)
    // Back to the tray: the rod itself if it may be carried again, else the
    // next rod that may (a rod fixed in place is only there to be read).
    const QList<QWidget*> stops = tabStops(board_);
    if (guardedRod && guardedRod->isMovable() && stops.contains(guardedRod.data())) {
        guardedRod->setFocus(Qt::OtherFocusReason);
        return;
    }
    QList<QWidget*> rods;
    for (QWidget* stop : stops)
        if (auto* r = qobject_cast<Rod*>(stop); r && r->isMovable())
            rods << stop;
    if (QWidget* next = stopAfter(board_, rods, from, true))
        next->setFocus(Qt::TabFocusReason);
}

} // namespace brasti
