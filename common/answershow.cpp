// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/answershow.h"

#include "common/accessibility.h"
#include "common/board.h"
#include "common/place.h"
#include "common/rod.h"
#include "common/spoken.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <cmath>
#include <numbers>

namespace brasti {
namespace {

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// What screen readers hear as a control is pressed: its name, as they read it.
QString nameOf(const QWidget* control)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

QRect lerp(const QRect& a, const QRect& b, double t)
{
    const auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QRect(mix(a.x(), b.x()), mix(a.y(), b.y()), mix(a.width(), b.width()), mix(a.height(), b.height()));
}

double g_pace = 1.0;

} // namespace

void AnswerShow::setPace(double factor)
{
    g_pace = factor;
}

void AnswerShow::run(int ms, QEasingCurve::Type easing)
{
    animation_.setDuration(std::max(1, static_cast<int>(ms * g_pace)));
    animation_.setEasingCurve(easing);
    animation_.start();
}

ShownMove ShownMove::lay(QWidget* rod, Place* place, QRect to)
{
    ShownMove m;
    m.kind = Move::Kind::Lay;
    m.item = rod;
    m.place = place;
    m.to = to;
    return m;
}

ShownMove ShownMove::press(QWidget* control)
{
    ShownMove m;
    m.kind = Move::Kind::Press;
    m.item = control;
    return m;
}

ShownMove ShownMove::type(QLineEdit* box, const QString& text)
{
    ShownMove m;
    m.kind = Move::Kind::Type;
    m.item = box;
    m.text = text;
    return m;
}

AnswerShow::AnswerShow(Board* board, Notice* notice, QWidget* spared)
    : QObject(board), board_(board), notice_(notice), spared_(spared)
{
    animation_.setStartValue(0.0);
    animation_.setEndValue(1.0);
    connect(&animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) { step(v.toDouble()); });
    connect(&animation_, &QAbstractAnimation::finished, this, &AnswerShow::nextMove);
}

AnswerShow::~AnswerShow()
{
    // Going with its board: nothing to give back, and nothing more to say.
    animation_.stop();
    if (playing_)
        qApp->removeEventFilter(this);
}

bool AnswerShow::play(std::vector<ShownMove> moves)
{
    if (playing_)
        return false;
    std::erase_if(moves, [](const ShownMove& m) { return !m.item; });
    if (moves.empty())
        return false;
    moves_ = std::move(moves);
    at_ = 0;
    holding_ = false;
    playing_ = true;
    // Only while a play lasts: the board takes nothing from the child meanwhile.
    qApp->installEventFilter(this);
    beginMove();
    return true;
}

void AnswerShow::beginMove()
{
    const ShownMove& m = moves_[at_];
    QWidget* item = m.item;
    switch (m.kind) {
    case Move::Kind::Lay:
        remember(item);
        from_ = Board::designRect(item);
        // Above everything else on its way, as a rod lifted off the board.
        item->raise();
        item->show();
        run(kLayMs, QEasingCurve::InOutQuad);
        if (m.place) {
            const auto* rod = qobject_cast<const Rod*>(item);
            notice_->say(spoken::placed(rod ? rod->number() : 0, m.place->inside()));
        }
        break;
    case Move::Kind::Press:
        remember(item);
        from_ = Board::designRect(item);
        if (auto* button = qobject_cast<QAbstractButton*>(item))
            button->setDown(true);
        else
            item->raise();
        run(kPressMs, QEasingCurve::Linear);
        notice_->say(nameOf(item));
        break;
    case Move::Kind::Type:
        if (auto* box = qobject_cast<QLineEdit*>(item)) {
            texts_.emplace_back(box, box->text());
            box->clear();
        }
        run(std::max(kPressMs, kLetterMs * static_cast<int>(m.text.size())), QEasingCurve::Linear);
        notice_->say(m.text);
        break;
    }
    // The first frame now, not at the animation's first tick.
    step(0.0);
}

void AnswerShow::step(double t)
{
    if (!playing_ || holding_ || at_ >= moves_.size())
        return;
    const ShownMove& m = moves_[at_];
    QWidget* item = m.item;
    if (!item)
        return;
    switch (m.kind) {
    case Move::Kind::Lay:
        board_->place(item, lerp(from_, m.to, t));
        break;
    case Move::Kind::Press:
        if (!qobject_cast<QAbstractButton*>(item)) {
            // A clicked rod nods: up by half a unit and back.
            const int lift = static_cast<int>(std::lround(std::sin(t * std::numbers::pi) * kUnitTwips / 2));
            board_->place(item, from_.translated(0, -lift));
        }
        break;
    case Move::Kind::Type:
        if (auto* box = qobject_cast<QLineEdit*>(item)) {
            const auto letters = static_cast<qsizetype>(std::ceil(t * static_cast<double>(m.text.size())));
            if (box->text().size() != letters)
                box->setText(m.text.left(letters));
        }
        break;
    }
}

void AnswerShow::nextMove()
{
    if (!playing_)
        return;
    if (holding_) {
        stop(true);
        return;
    }
    step(1.0);
    if (auto* button = qobject_cast<QAbstractButton*>(moves_[at_].item.data()))
        button->setDown(false);
    if (++at_ < moves_.size()) {
        beginMove();
        return;
    }
    // The whole answer stays in sight a moment before the board is given back.
    holding_ = true;
    run(kHoldMs, QEasingCurve::Linear);
}

void AnswerShow::stop(bool tell)
{
    if (!playing_)
        return;
    playing_ = false;
    animation_.stop();
    qApp->removeEventFilter(this);
    restore();
    moves_.clear();
    if (tell)
        notice_->say(tr("ora prova tu"));
    emit ended();
}

void AnswerShow::remember(QWidget* item)
{
    for (const Saved& s : saved_)
        if (s.item == item)
            return;
    Saved saved{item, Board::designRect(item), nullptr};
    // The sibling just above it: stacked back under it, the item lies as deep as before.
    if (QWidget* parent = item->parentWidget()) {
        const QObjectList& siblings = parent->children();
        bool found = false;
        for (QObject* o : siblings) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow())
                continue;
            if (found) {
                saved.below = w;
                break;
            }
            found = w == item;
        }
    }
    saved_.push_back(saved);
}

void AnswerShow::restore()
{
    // In reverse, so that each item finds its upper neighbour where it was.
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        if (!it->item)
            continue;
        board_->place(it->item, it->rect);
        if (it->below)
            it->item->stackUnder(it->below);
        if (auto* button = qobject_cast<QAbstractButton*>(it->item.data()))
            button->setDown(false);
    }
    saved_.clear();
    for (auto it = texts_.rbegin(); it != texts_.rend(); ++it)
        if (it->first)
            it->first->setText(it->second);
    texts_.clear();
}

bool AnswerShow::eventFilter(QObject* watched, QEvent* event)
{
    if (!playing_ || !isInput(event->type()) || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != board_->window())
        return false;
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (key) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() == Qt::Key_Escape) {
            if (event->type() == QEvent::KeyPress)
                stop(true);
            return true;
        }
        // The button that stops it takes its own keys; the menu bar keeps its own.
        if (widget == spared_ && (k->key() == Qt::Key_Space || k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter))
            return false;
        return board_ == widget || board_->isAncestorOf(widget) || widget == board_->window();
    }
    if (widget == spared_)
        return false;
    return board_ == widget || board_->isAncestorOf(widget);
}

} // namespace brasti
