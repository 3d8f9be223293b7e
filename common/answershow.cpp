// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/answershow.h"

#include "common/accessibility.h"
#include "common/board.h"
#include "common/glideroute.h"
#include "common/keyboard.h"
#include "common/place.h"
#include "common/rod.h"
#include "common/spoken.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <set>

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

// A control's place on the board, in twips, whatever container holds it.
QRect onBoard(const QWidget* control, const Board* board)
{
    QRect r = Board::designRect(control);
    for (const QWidget* p = control->parentWidget(); p && p != board; p = p->parentWidget())
        r.translate(Board::designRect(p).topLeft());
    return r;
}

// The number a rod, or a copy of one, shows; 0 for anything else.
int rodNumber(const QWidget* w)
{
    if (const auto* rod = qobject_cast<const Rod*>(w))
        return rod->number();
    if (const auto* copy = qobject_cast<const RodCopy*>(w))
        return copy->number();
    return 0;
}

double wayLength(const std::vector<QPoint>& way)
{
    double length = 0;
    for (std::size_t i = 1; i < way.size(); ++i)
        length += std::hypot(way[i].x() - way[i - 1].x(), way[i].y() - way[i - 1].y());
    return length;
}

// The point `t` (0 to 1) of the way along a route's corners.
QPoint along(const std::vector<QPoint>& route, double t)
{
    double left = t * wayLength(route);
    for (std::size_t i = 1; i < route.size(); ++i) {
        const QPoint a = route[i - 1];
        const QPoint b = route[i];
        const double piece = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (left <= piece && piece > 0) {
            const double s = left / piece;
            return QPoint(static_cast<int>(std::lround(a.x() + (b.x() - a.x()) * s)),
                          static_cast<int>(std::lround(a.y() + (b.y() - a.y()) * s)));
        }
        left -= piece;
    }
    return route.back();
}

// Where the rods in sight (and copies of rods) lie, in twips of the board,
// as the moves of a play are planned one after the other.
struct Lying {
    QWidget* rod;
    QRect at;
    bool shown;
};

class Planner {
public:
    explicit Planner(const Board* board) : board_(board)
    {
        for (QWidget* w : board->findChildren<QWidget*>())
            if (rodNumber(w) != 0)
                lying_.push_back({w, onBoard(w, board), w->isVisible()});
    }

    // The way of a rod's move from where it lies now, in twips of its
    // container; when there is none, empty, or the straight way, on which
    // the rod passes over others lifted, as a child's drag does.
    std::vector<QPoint> wayOf(const ShownMove& m, bool straightIfNone = false)
    {
        const QPoint origin = originOf(m.item);
        Lying* self = find(m.item);
        if (!self)
            return {Board::designRect(m.item).topLeft(), m.to.topLeft()};
        std::vector<QRect> others;
        for (const Lying& l : lying_) {
            if (l.rod == self->rod || !l.shown)
                continue;
            // Copies piled with it on its place: it is taken off the heap.
            if (l.at == self->at && qobject_cast<Rod*>(l.rod) && rodNumber(l.rod) == rodNumber(self->rod))
                continue;
            others.push_back(l.at);
        }
        const QWidget* container = m.item->parentWidget();
        const QRect area = container == board_ ? QRect(QPoint(), board_->designTwips()) : onBoard(container, board_);
        --budget_;
        std::vector<QPoint> way = glideRoute(self->at, m.to.topLeft() + origin, others, area);
        if (way.empty() && straightIfNone)
            way = {self->at.topLeft(), m.to.topLeft() + origin};
        for (QPoint& p : way)
            p -= origin;
        return way;
    }

    // The rod moved as the move leaves it; returns what to put back.
    std::optional<Lying> make(const ShownMove& m)
    {
        Lying* self = find(m.item);
        if (!self)
            return std::nullopt;
        const Lying before = *self;
        self->at = QRect(m.to.topLeft() + originOf(m.item), self->at.size());
        self->shown = true;
        return before;
    }
    void undo(const Lying& before) { *find(before.rod) = before; }

    // An order of `run` (moves that do not depend on each other) in which
    // every rod has a way, the given order first; with each one's way.
    bool arrange(const std::vector<ShownMove>& run, unsigned done, std::vector<std::size_t>& order,
                 std::vector<std::vector<QPoint>>& ways)
    {
        if (done == (1u << run.size()) - 1)
            return true;
        if (budget_ <= 0 || dead_.contains(done))
            return false;
        for (std::size_t i = 0; i < run.size(); ++i) {
            if ((done >> i) & 1u)
                continue;
            std::vector<QPoint> way = wayOf(run[i]);
            if (way.empty())
                continue;
            const std::optional<Lying> before = make(run[i]);
            order.push_back(i);
            ways.push_back(std::move(way));
            if (arrange(run, done | (1u << i), order, ways))
                return true;
            order.pop_back();
            ways.pop_back();
            if (before)
                undo(*before);
        }
        dead_.insert(done);
        return false;
    }
    void forgetDeadEnds() { dead_.clear(); }

private:
    Lying* find(const QWidget* rod)
    {
        const auto it = std::find_if(lying_.begin(), lying_.end(), [rod](const Lying& l) { return l.rod == rod; });
        return it == lying_.end() ? nullptr : &*it;
    }
    QPoint originOf(const QWidget* item) const
    {
        const QWidget* container = item->parentWidget();
        return container == board_ ? QPoint() : onBoard(container, board_).topLeft();
    }

    const Board* board_;
    std::vector<Lying> lying_;
    std::set<unsigned> dead_;
    // Ways worked out at most for one play: a search that would take longer
    // keeps the given order.
    int budget_ = 5000;
};

// Moves the player may play in any order: rods going back, or rods laid
// each into a place of its own, one after the other.
bool independent(const std::vector<ShownMove>& moves, std::size_t first, std::size_t next)
{
    const ShownMove& a = moves[first];
    const ShownMove& b = moves[next];
    if (a.kind != b.kind || (a.kind != Move::Kind::Lay && a.kind != Move::Kind::Back))
        return false;
    for (std::size_t i = first; i < next; ++i) {
        if (moves[i].item == b.item)
            return false;
        if (b.kind == Move::Kind::Lay && (!b.place || moves[i].place == b.place))
            return false;
    }
    return b.kind == Move::Kind::Back || a.place;
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

ShownMove ShownMove::back(QWidget* rod, QRect to)
{
    ShownMove m;
    m.kind = Move::Kind::Back;
    m.item = rod;
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
    planWays();
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
    case Move::Kind::Back: {
        remember(item);
        from_ = Board::designRect(item);
        // Above everything else on its way, as a rod lifted off the board.
        item->raise();
        item->setVisible(true);
        // A way round other rods takes longer, at much the same pace.
        const std::vector<QPoint>& way = ways_[at_];
        const double straight = std::hypot(m.to.x() - from_.x(), m.to.y() - from_.y());
        const double longer = straight > 0 ? std::clamp(wayLength(way) / straight, 1.0, 2.0) : 1.0;
        run(static_cast<int>((m.kind == Move::Kind::Lay ? kLayMs : kBackMs) * longer), QEasingCurve::InOutQuad);
        // A rod going back is part of the "Ricomincia" just heard.
        if (m.kind == Move::Kind::Lay && m.place)
            notice_->say(spoken::placed(rodNumber(item), m.place->inside()));
        break;
    }
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
        notice_->say(spoken::operationInWords(m.text));
        break;
    }
    // The first frame now, not at the animation's first tick.
    step(0.0);
}

void AnswerShow::planWays()
{
    ways_.assign(moves_.size(), {});
    Planner planner(board_);
    constexpr std::size_t kLongestRun = 16;
    for (std::size_t first = 0; first < moves_.size();) {
        std::size_t end = first + 1;
        while (end < moves_.size() && end - first < kLongestRun && independent(moves_, first, end))
            ++end;
        const std::vector<ShownMove> run(moves_.begin() + static_cast<std::ptrdiff_t>(first),
                                         moves_.begin() + static_cast<std::ptrdiff_t>(end));
        std::vector<std::size_t> order;
        std::vector<std::vector<QPoint>> ways;
        planner.forgetDeadEnds();
        if (run.front().kind != Move::Kind::Lay && run.front().kind != Move::Kind::Back) {
            order = {0};
            ways.emplace_back();
        } else if (!planner.arrange(run, 0, order, ways)) {
            // No order leaves every rod a way round (a standing tray rod
            // may reach higher than a rod can pass): the given order.
            order.clear();
            ways.clear();
            for (std::size_t i = 0; i < run.size(); ++i) {
                order.push_back(i);
                ways.push_back(planner.wayOf(run[i], true));
                planner.make(run[i]);
            }
        }
        for (std::size_t i = 0; i < run.size(); ++i) {
            moves_[first + i] = run[order[i]];
            ways_[first + i] = std::move(ways[i]);
        }
        first = end;
    }
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
    case Move::Kind::Back:
        board_->place(item, QRect(along(ways_[at_], t), lerp(from_, m.to, t).size()));
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
        if (widget == spared_ && (k->key() == Qt::Key_Space || isEnterKey(k->key())))
            return false;
        return board_ == widget || board_->isAncestorOf(widget) || widget == board_->window();
    }
    if (widget == spared_)
        return false;
    return board_ == widget || board_->isAncestorOf(widget);
}

} // namespace brasti
