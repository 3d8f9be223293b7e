// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// "mostrami" after a wrong try: on a screen of every family the child errs,
// asks, watches the right answer played and the board given back, and then
// solves the problem with the shown moves. Then what a child may do while a
// play runs: press again, Esc, reset the counts, leave the screen.
#include "app/catalogue.h"
#include "common/accessibility.h"
#include "common/appcontext.h"
#include "common/board.h"
#include "common/exercisescreen.h"
#include "common/place.h"
#include "common/rod.h"
#include "common/runsummary.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace brasti;

namespace {

struct Opened {
    harness::TestContext t;
    RunSummary summary;
    std::unique_ptr<ExerciseScreen> w;
};

std::unique_ptr<Opened> open(int screen, bool showAnswer = true)
{
    auto s = std::make_unique<Opened>();
    s->t.context.showAnswer = showAnswer;
    s->t.context.summary = &s->summary;
    s->summary.opened(screen);
    s->w.reset(createExerciseScreen(screen, s->t.context));
    s->w->load();
    s->w->resize(s->w->designedWindowSize());
    s->w->show();
    s->w->activateWindow();
    return QTest::qWaitForWindowActive(s->w.get()) ? std::move(s) : nullptr;
}

// Where every control lies, and what the boxes hold: the board as the child left it.
QStringList boardState(ExerciseScreen* w)
{
    QStringList state;
    for (QWidget* c : w->board()->findChildren<QWidget*>()) {
        if (!isControl(c))
            continue;
        const QRect r = Board::designRect(c);
        QString line = QStringLiteral("%1 %2,%3 %4x%5 %6").arg(c->objectName()).arg(r.x()).arg(r.y()).arg(r.width())
                           .arg(r.height()).arg(c->isVisible());
        if (auto* box = qobject_cast<QLineEdit*>(c))
            line += QLatin1Char(' ') + box->text();
        if (auto* button = qobject_cast<QAbstractButton*>(c))
            line += button->isDown() ? QStringLiteral(" down") : QString();
        state << line;
    }
    // The stacking order counts too: it decides which rod a press takes.
    for (QWidget* parent : w->board()->findChildren<QWidget*>())
        if (isControl(parent))
            for (QObject* child : parent->children())
                if (child->isWidgetType())
                    state << parent->objectName() + QStringLiteral(" > ") + child->objectName();
    return state;
}

// A wrong try by real events, worked out from the right answer: the rods in
// reverse before the button that judges them; another control of the kind
// pressed; a wrong text typed; or other rods dropped on the place until one counts wrong.
void errOnce(ExerciseScreen* w)
{
    const std::vector<ShownMove> moves = w->shownMoves();
    const ShownMove& last = moves.back();
    if (last.kind == Move::Kind::Press && moves.size() > 1) {
        std::vector<ShownMove> swapped(moves.begin(), moves.end() - 1);
        for (std::size_t i = 0; i < swapped.size(); ++i) {
            swapped[i].place = moves[swapped.size() - 1 - i].place;
            swapped[i].to = moves[swapped.size() - 1 - i].to;
        }
        swapped.push_back(last);
        harness::playMoves(swapped);
        return;
    }
    if (last.kind == Move::Kind::Press) {
        for (QObject* o : last.item->parent()->children())
            if (o != last.item && o->metaObject() == last.item->metaObject() && static_cast<QWidget*>(o)->isVisible()) {
                harness::clickThroughWindow(static_cast<QWidget*>(o));
                return;
            }
    }
    if (last.kind == Move::Kind::Type) {
        std::vector<ShownMove> wrong = moves;
        wrong.back().text = QStringLiteral("0");
        harness::playMoves(wrong);
        return;
    }
    const ShownMove& first = moves.front();
    const int right = qobject_cast<Rod*>(first.item.data())->number();
    // At the place's far end, which the rods laid before leave free.
    const QRect place = Board::designRect(first.place);
    const QRect end(place.right() - kUnitTwips / 2, place.top(), kUnitTwips / 4, place.height());
    for (int k = 10; k >= 1 && w->wrongLabel()->text() == QLatin1String("0"); --k)
        if (k != right && w->rod(k)->isMovable())
            harness::playMoves({ShownMove::lay(w->rod(k), first.place, end)});
}

// A control's place on the board, in twips, whatever container holds it.
QRect onBoard(const QWidget* c, const Board* board)
{
    QRect r = Board::designRect(c);
    for (const QWidget* p = c->parentWidget(); p && p != board; p = p->parentWidget())
        r.translate(Board::designRect(p).topLeft());
    return r;
}

// Watches a play from its first move on: at every step a rod moves, no two
// rods a child sees (tray rods, further sets, given copies) lie on each
// other. The one stacking the board makes itself: copies of one rod piled on
// one tray place (the composing screens' three sets), which a rod leaves
// and joins over the others lying there still. And where rods stand upright,
// side by side up to the tray's top, a rod on its way to or from a box has
// no way round a taller one: it passes over it lifted, as a child's drag
// does, but never comes to rest on one.
class OverlapWatch final : public QObject {
public:
    explicit OverlapWatch(ExerciseScreen* w) : w_(w)
    {
        for (const ShownMove& m : w->shownMoves())
            if (m.item && m.item->parentWidget() && (m.kind == Move::Kind::Lay || m.kind == Move::Kind::Back))
                ends_.emplace_back(m.item.data(), m.to.translated(onBoard(m.item->parentWidget(), w->board()).topLeft()));
        for (QWidget* c : w->board()->findChildren<QWidget*>())
            if (qobject_cast<Rod*>(c) || (qobject_cast<RodCopy*>(c) && static_cast<RodCopy*>(c)->number() > 0)) {
                rods_.push_back(c);
                start_.push_back(onBoard(c, w->board()));
                c->installEventFilter(this);
            }
    }
    QString fault;
    int samples = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto type = event->type();
        if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) && w_->isShowingAnswer())
            check(static_cast<QWidget*>(watched));
        return false;
    }

private:
    static int number(const QWidget* c)
    {
        if (const auto* r = qobject_cast<const Rod*>(c))
            return r->number();
        return -static_cast<const RodCopy*>(c)->number();
    }
    bool lifted(const QWidget* moving, const QRect& at) const
    {
        return w_->stance() == RodStance::Upright
            && std::find(ends_.begin(), ends_.end(), std::make_pair(const_cast<QWidget*>(moving), at)) == ends_.end();
    }
    void check(QWidget* moving)
    {
        ++samples;
        for (std::size_t i = 0; i < rods_.size() && fault.isEmpty(); ++i)
            for (std::size_t j = i + 1; j < rods_.size() && fault.isEmpty(); ++j) {
                QWidget* a = rods_[i];
                QWidget* b = rods_[j];
                if (!a || !b || !a->isVisible() || !b->isVisible())
                    continue;
                const QRect ra = onBoard(a, w_->board());
                const QRect rb = onBoard(b, w_->board());
                if (!ra.intersects(rb))
                    continue;
                const bool pile = start_[i] == start_[j] && number(a) == number(b) && (ra == start_[i] || rb == start_[j]);
                const bool passing = (a == moving && lifted(a, ra)) || (b == moving && lifted(b, rb));
                if (!pile && !passing)
                    fault = QStringLiteral("%1 %2 (%3) over %4 %5 (%6)").arg(a->objectName()).arg(number(a))
                                .arg(QDebug::toString(ra), b->objectName()).arg(number(b)).arg(QDebug::toString(rb));
            }
    }

    ExerciseScreen* w_;
    std::vector<QPointer<QWidget>> rods_;
    std::vector<QRect> start_;
    std::vector<std::pair<QWidget*, QRect>> ends_; // where each move leaves a rod
};

} // namespace

class TestShowAnswer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { AnswerShow::setPace(0.1); }

    void wrongShowMeRight_data()
    {
        QTest::addColumn<int>("screen");
        // A screen of each kind in every family; all ten rods to order too.
        for (int screen : {3, 5, 7, 8, 9, 10, 11, 12, 13, 19, 21, 24, 26, 27})
            QTest::addRow("Form%d", screen) << screen;
    }
    void wrongShowMeRight()
    {
        QFETCH(int, screen);
        const auto s = open(screen);
        QVERIFY(s);
        ExerciseScreen* w = s->w.get();
        QPushButton* mostrami = w->mostramiButton();
        QVERIFY(mostrami->isHidden());
        errOnce(w);
        QCOMPARE(harness::countsOn(s->w.get()).wrong, 1);
        QVERIFY(w->findChild<QWidget*>("ComandoIconaNo")->isVisible() && !w->findChild<QWidget*>("ComandoIconaSi")->isVisible());
        QVERIFY(mostrami->isVisible());
        QCOMPARE(mostrami->accessibleName().isEmpty() ? mostrami->text() : mostrami->accessibleName(),
                 QStringLiteral("mostrami"));

        const QStringList before = boardState(w);
        OverlapWatch watch(w);
        harness::clickThroughWindow(mostrami);
        QVERIFY(w->isShowingAnswer());
        // While it plays the board takes nothing from the child.
        for (Rod* r : w->findChildren<Rod*>())
            if (r->isVisible() && r->isMovable())
                harness::dragRodTo(r, w, w->avantiButton()->mapTo(w, QPoint(2, 2)));
        QCOMPARE(harness::countsOn(s->w.get()).right, 0);
        QCOMPARE(harness::countsOn(s->w.get()).wrong, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isShowingAnswer(), 5000);
        QVERIFY2(watch.fault.isEmpty(), qPrintable(watch.fault));
        const std::vector<ShownMove> shown = w->shownMoves();
        QVERIFY(watch.samples > 0 || std::none_of(shown.begin(), shown.end(), [](const ShownMove& m) { return m.kind == Move::Kind::Lay; }));
        QCOMPARE(boardState(w), before);
        QCOMPARE(w->moveNotice()->text(), QStringLiteral("ora prova tu"));
        QCOMPARE(s->summary.rows().front().shown, 1);
        QCOMPARE(harness::countsOn(s->w.get()).wrong, 1);

        // The child's own right answer counts as usual, each rod laid where
        // the play showed it.
        const std::vector<ShownMove> right = w->shownMoves();
        harness::playMoves(right);
        for (const ShownMove& m : right)
            if (m.kind == Move::Kind::Lay)
                QCOMPARE(Board::designRect(m.item), m.to);
        QCOMPARE(harness::countsOn(s->w.get()).right, 1);
        QCOMPARE(harness::countsOn(s->w.get()).wrong, 1);
        QVERIFY(mostrami->isHidden());
        QVERIFY(w->findChild<QWidget*>("ComandoIconaSi")->isVisible() && !w->findChild<QWidget*>("ComandoIconaNo")->isVisible());
    }

    // Whatever ends a play, the board is given back or posed anew, with no
    // rod left on its way and nothing counted.
    void stoppedPlays()
    {
        const auto s = open(4);
        QVERIFY(s);
        ExerciseScreen* w = s->w.get();
        errOnce(w);
        const QStringList before = boardState(w);
        const auto stop = {+[](ExerciseScreen* e) { QTest::keyClick(e->windowHandle(), Qt::Key_Escape); },
                           +[](ExerciseScreen* e) { harness::clickThroughWindow(e->mostramiButton()); },
                           +[](ExerciseScreen* e) {
                               e->mostramiButton()->setFocus();
                               QTest::keyClick(e->windowHandle(), Qt::Key_Space);
                           }};
        for (auto how : stop) {
            harness::clickThroughWindow(w->mostramiButton());
            QTest::qWait(30);
            QVERIFY(w->isShowingAnswer());
            how(w);
            QVERIFY(!w->isShowingAnswer());
            QCOMPARE(boardState(w), before);
        }
        QCOMPARE(s->summary.rows().front().shown, 3);
        QCOMPARE(harness::countsOn(s->w.get()).wrong, 1);

        // "Azzera conteggio" mid-play: a new problem, every rod at its start, no slot taken.
        harness::clickThroughWindow(w->mostramiButton());
        QTest::qWait(30);
        w->azzeraConteggio();
        QVERIFY(!w->isShowingAnswer() && w->mostramiButton()->isHidden());
        for (Place* slot : w->findChildren<Place*>())
            for (Rod* r : w->findChildren<Rod*>())
                QVERIFY(!r->isVisible() || !Board::designRect(slot).intersects(Board::designRect(r)));

        // Leaving the screen mid-play: it stops there and says nothing more.
        errOnce(w);
        harness::clickThroughWindow(w->mostramiButton());
        QVERIFY(w->isShowingAnswer());
        w->hide();
        QVERIFY(!w->isShowingAnswer());
        const QString said = w->moveNotice()->text();
        QTest::qWait(200);
        QCOMPARE(w->moveNotice()->text(), said);
    }

    // Without the teacher's setting a wrong try leaves the screen as it always was.
    void offByDefault()
    {
        const auto s = open(12, false);
        QVERIFY(s);
        errOnce(s->w.get());
        QCOMPARE(harness::countsOn(s->w.get()).wrong, 1);
        QVERIFY(s->w->mostramiButton()->isHidden());
        s->w->mostrami();
        QVERIFY(!s->w->isShowingAnswer());
    }
};

BRASTI_TEST_MAIN(TestShowAnswer)
#include "tst_showanswer.moc"
