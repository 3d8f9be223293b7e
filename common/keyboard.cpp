// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/keyboard.h"

#include "common/board.h"
#include "common/place.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace brasti {
namespace {

// Samples per side when looking for an uncovered point of a control: about
// one every six pixels, enough to find a rod's width of free space.
constexpr int kSampleSpacing = 6;
constexpr int kMostSamples = 16;

bool isModifierOnly(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

// Of radio buttons with one chosen, Tab stops at the chosen one alone, as
// on any desktop, and the arrows move the choice: a Tab onto another and a
// Space there would change it unasked. Qt takes Tab from the others only
// once one of them had the focus, and from the chosen one when another had
// it: the choice decides here. Nothing for a control of no such group.
std::optional<bool> isGroupsStop(const QWidget* control)
{
    const auto* radio = qobject_cast<const QAbstractButton*>(control);
    if (!radio || !radio->autoExclusive() || !radio->isCheckable() || radio->focusPolicy() == Qt::NoFocus
        || !radio->parentWidget())
        return std::nullopt;
    if (radio->isChecked())
        return true;
    const auto group = radio->parentWidget()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
    if (std::any_of(group.cbegin(), group.cend(), [](const QAbstractButton* other) {
            return other->autoExclusive() && other->isChecked() && other->isVisible() && other->isEnabled();
        }))
        return false;
    return std::nullopt;
}

} // namespace

std::vector<std::size_t> readingOrder(const std::vector<QRect>& places)
{
    std::vector<std::size_t> byTop(places.size());
    std::iota(byTop.begin(), byTop.end(), std::size_t(0));
    std::stable_sort(byTop.begin(), byTop.end(), [&](std::size_t a, std::size_t b) {
        const QRect& pa = places[a];
        const QRect& pb = places[b];
        return pa.top() != pb.top() ? pa.top() < pb.top() : pa.left() < pb.left();
    });
    std::vector<bool> placed(places.size(), false);
    std::vector<std::size_t> order;
    order.reserve(places.size());
    for (std::size_t opener : byTop) {
        if (placed[opener])
            continue;
        const QRect band = places[opener];
        std::vector<std::size_t> line;
        for (std::size_t i : byTop) {
            const int middle = places[i].top() + places[i].height() / 2;
            if (!placed[i] && (i == opener || (middle >= band.top() && middle < band.top() + band.height()))) {
                placed[i] = true;
                line.push_back(i);
            }
        }
        std::stable_sort(line.begin(), line.end(),
                         [&](std::size_t a, std::size_t b) { return places[a].left() < places[b].left(); });
        order.insert(order.end(), line.begin(), line.end());
    }
    return order;
}

QRect placeOnBoard(const Board* board, const QWidget* control)
{
    if (!control || !board->isAncestorOf(control))
        return {};
    return QRect(control->mapTo(board, QPoint(0, 0)), control->size());
}

QList<QWidget*> inReadingOrder(const Board* board, const QList<QWidget*>& controls)
{
    std::vector<QRect> places;
    places.reserve(std::size_t(controls.size()));
    for (const QWidget* c : controls)
        places.push_back(placeOnBoard(board, c));
    QList<QWidget*> ordered;
    ordered.reserve(controls.size());
    for (std::size_t i : readingOrder(places))
        ordered << controls.at(qsizetype(i));
    return ordered;
}

QWidget* controlAt(const Board* board, QPoint boardPoint)
{
    if (!board->rect().contains(boardPoint))
        return nullptr;
    QWidget* hit = board->childAt(boardPoint);
    while (hit && hit != board && !isControl(hit))
        hit = hit->parentWidget();
    return hit == board ? nullptr : hit;
}

std::optional<QPoint> reachablePoint(const Board* board, const QWidget* control,
                                     const std::function<bool(QPoint)>& reaches)
{
    const QRect place = placeOnBoard(board, control).intersected(board->rect());
    if (place.isEmpty())
        return std::nullopt;
    const int columns = std::clamp(place.width() / kSampleSpacing, 1, kMostSamples);
    const int rows = std::clamp(place.height() / kSampleSpacing, 1, kMostSamples);
    for (int row = 0; row < rows; ++row) {
        const int y = place.top() + (2 * row + 1) * place.height() / (2 * rows);
        int missed = place.left() - 1;
        for (int column = 0; column < columns; ++column) {
            const int x = place.left() + (2 * column + 1) * place.width() / (2 * columns);
            if (!reaches(QPoint(x, y))) {
                missed = x;
                continue;
            }
            // Back to where the free part begins, between the last miss and this hit.
            int hit = x;
            while (hit - missed > 1) {
                const int middle = missed + (hit - missed) / 2;
                if (reaches(QPoint(middle, y)))
                    hit = middle;
                else
                    missed = middle;
            }
            return QPoint(hit, y);
        }
    }
    return std::nullopt;
}

bool isDropTarget(const QWidget* control)
{
    const auto* place = qobject_cast<const Place*>(control);
    return place && place->takesDrops();
}

void makeReadable(QWidget* control)
{
    control->setFocusPolicy(Qt::TabFocus);
}

QList<QWidget*> tabStops(const Board* board)
{
    QList<QWidget*> stops;
    for (QWidget* w : board->findChildren<QWidget*>()) {
        const bool takesTab = isGroupsStop(w).value_or((w->focusPolicy() & Qt::TabFocus) != 0);
        if (!isControl(w) || !w->isVisible() || !w->isEnabled() || !takesTab || isDropTarget(w))
            continue;
        if (reachablePoint(board, w, [&](QPoint p) { return controlAt(board, p) == w; }))
            stops << w;
    }
    return inReadingOrder(board, stops);
}

QWidget* stopAfter(const Board* board, const QList<QWidget*>& stops, QRect from, bool forward)
{
    if (stops.isEmpty())
        return nullptr;
    std::vector<QRect> places;
    for (const QWidget* stop : stops)
        places.push_back(placeOnBoard(board, stop));
    places.push_back(from);
    const std::vector<std::size_t> order = readingOrder(places);
    const auto at = std::find(order.begin(), order.end(), places.size() - 1) - order.begin();
    const auto n = static_cast<std::ptrdiff_t>(order.size());
    const std::size_t next = order[std::size_t((at + (forward ? 1 : n - 1)) % n)];
    return stops.at(qsizetype(next));
}

QWidget* stopAfter(const Board* board, QList<QWidget*> stops, const QWidget* from, bool forward)
{
    while (from && from != board && !isControl(from))
        from = from->parentWidget();
    if (!from || from == board || !board->isAncestorOf(from)) {
        if (stops.isEmpty())
            return nullptr;
        return forward ? stops.first() : stops.last();
    }
    const bool wasStop = stops.removeAll(from) > 0;
    if (stops.isEmpty())
        return wasStop ? const_cast<QWidget*>(from) : nullptr;
    return stopAfter(board, stops, placeOnBoard(board, from), forward);
}

bool isActivationKey(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return event->key() == Qt::Key_Space || isEnterKey(event);
}

bool isEnterKey(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return isEnterKey(event->key());
}

FocusFrame::FocusFrame(Board* board) : QWidget(board), board_(board)
{
    setObjectName(QStringLiteral("cornice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this] { follow(); });
    // The window's input passes through its platform window, which exists
    // once the window is shown.
    board->window()->installEventFilter(this);
}

void FocusFrame::setKeyboardInUse(bool inUse)
{
    if (keyboard_ == inUse)
        return;
    keyboard_ = inUse;
    follow();
}

int FocusFrame::band() const
{
    return std::max(2, static_cast<int>(std::lround(2 * board_->scale() * kTwipsPerPixel)));
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* window = board_->window();
    if (watched == window) {
        if (event->type() == QEvent::Show && !window_ && window->windowHandle()) {
            window_ = window->windowHandle();
            window_->installEventFilter(this);
        }
        return false;
    }
    if (watched == window_) {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (!isModifierOnly(static_cast<QKeyEvent*>(event)->key()))
                setKeyboardInUse(true);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            setKeyboardInUse(false);
            break;
        default:
            break;
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        follow();
        break;
    default:
        break;
    }
    return false;
}

void FocusFrame::watch(QWidget* control)
{
    for (const QPointer<QWidget>& w : watched_)
        if (w)
            w->removeEventFilter(this);
    watched_.clear();
    control_ = control;
    // The control and every container up to the board: any of them moving moves the frame.
    for (QWidget* w = control; w; w = w == board_ ? nullptr : w->parentWidget()) {
        w->installEventFilter(this);
        watched_.emplace_back(w);
    }
}

void FocusFrame::follow()
{
    QWidget* window = board_->window();
    QWidget* focused = window->isVisible() ? window->focusWidget() : nullptr;
    if (focused && !board_->isAncestorOf(focused))
        focused = nullptr;
    // From an internal part to its control.
    while (focused && focused != board_ && !isControl(focused))
        focused = focused->parentWidget();
    if (focused == board_)
        focused = nullptr;
    if (focused != control_)
        watch(focused);
    if (focused)
        lastFocused_ = focused;
    if (!keyboard_ || !focused || !focused->isVisible()) {
        hide();
        return;
    }
    const int margin = 2 * band();
    setGeometry(placeOnBoard(board_, focused).adjusted(-margin, -margin, margin, margin));
    raise();
    // Never show() on a control: where windows open full screen (the web),
    // it makes the control full screen too and activates its window, and
    // under a question box that raised the box and the window in turn
    // without end.
    setVisible(true);
    update();
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int t = band();
    const QRect outer = rect();
    const QRect middle = outer.adjusted(t, t, -t, -t);
    const QRect inner = middle.adjusted(t, t, -t, -t);
    p.setClipRegion(QRegion(outer).subtracted(QRegion(middle)));
    p.fillRect(outer, Qt::black);
    p.setClipRegion(QRegion(middle).subtracted(QRegion(inner)));
    p.fillRect(middle, Qt::white);
}

} // namespace brasti
