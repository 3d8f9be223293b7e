// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Whole plays of the seven composing screens, with real drags and clicks
// through the window and every draw of chance scripted.
#include "app/catalogue.h"
#include "common/board.h"
#include "common/tray.h"
#include "common/pictures.h"
#include "common/sound/sound.h"
#include "exercises/composing/composing.h"
#include "exercises/composing/compositionscreen.h"
#include "exercises/composing/singlerodscreen.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <memory>

using namespace brasti;
using harness::at;

namespace {

using Draws = std::vector<std::pair<int, int>>; // k out of n

struct Session {
    harness::TestContext t;
    std::unique_ptr<ExerciseScreen> screen; // destroyed before its context
    SingleRodScreen* single() const { return qobject_cast<SingleRodScreen*>(screen.get()); }
    CompositionScreen* composing() const { return qobject_cast<CompositionScreen*>(screen.get()); }
};

// The problem's draws, then a tray shuffle that probes from rod 1 each
// time: rod k lies in slot k - 1.
void pushProblem(harness::ScriptedRandom& random, const Draws& draws)
{
    for (const auto& [k, n] : draws)
        random.pushInt(k, n);
    for (int slot = 0; slot < 10; ++slot)
        random.pushInt(1, 10);
}

std::unique_ptr<Session> openScreen(int n, const Draws& draws, bool autoAdvance = false)
{
    auto s = std::make_unique<Session>();
    s->t.context.autoAdvance = autoAdvance;
    pushProblem(s->t.random, draws);
    s->screen.reset(createExerciseScreen(n, s->t.context));
    s->screen->load();
    s->screen->show();
    return s;
}

QPoint trayPlace(int k)
{
    const TwipsRect slot = kColumnTray.rodPlace(k - 1, k);
    return QPoint(slot.left, slot.top);
}

// A point given in twips inside a container, in window coordinates.
QPoint windowPoint(ExerciseScreen* screen, QWidget* container, QPoint twips)
{
    const double scale = screen->board()->scale();
    return container->mapTo(screen, QPoint(int(twips.x() * scale), int(twips.y() * scale)));
}

QPoint centre(const TwipsRect& r)
{
    return QPoint(r.left + r.width / 2, r.top + r.height / 2);
}

// A press and a drag from a point of the window, whatever lies there.
void dragFrom(QWidget* window, QPoint from, QPoint to)
{
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(window->windowHandle(), (from + to) / 2);
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, to);
}

// The centre of the row's free part.
QPoint freePartOfRow(CompositionScreen* w)
{
    const RodFill& c = w->composition();
    const QRect row = Board::designRect(w->row());
    return windowPoint(w, w->container(),
                       QPoint(row.left() + (c.filled() + c.length()) * kUnitTwips / 2, row.center().y()));
}

// One problem of screen n.
Draws someDraws(int n)
{
    switch (n) {
    case 12:
        return {{4, 9}};
    case 15:
        return {{1, 2}, {4, 9}, {2, 4}};
    case 17:
        return {{4, 10}};
    case 20:
        return {{4, 10}, {3, 10}};
    case 27:
        return {{4, 19}};
    default:
        return {{4, 9}, {2, 4}};
    }
}

QAction* action(QWidget* screen, const char* name)
{
    return screen->findChild<QAction*>(QString::fromLatin1(name));
}

QStringList lines(ExerciseScreen* w)
{
    QStringList result;
    for (int i = 0; i < w->operationsList()->count(); ++i)
        result << w->operationsList()->item(i)->text();
    return result;
}

} // namespace

Q_DECLARE_METATYPE(Draws)

class TestComposingScreen : public QObject {
    Q_OBJECT
private slots:
    void screensMenusAndNames()
    {
        for (int n : {12, 13, 14, 15, 17, 20, 27}) {
            OPEN(s, n, someDraws(n));
            ExerciseScreen* w = s->screen.get();
            QCOMPARE(w->objectName(), QStringLiteral("Form%1").arg(n));
            QVERIFY(s->single() || s->composing());
            QWidget* frame = w->findChild<QWidget*>(QStringLiteral("frame"));
            QCOMPARE(Board::designRect(frame), QRect(120, 120, n < 17 ? 9375 : 9735, 5295));
            QCOMPARE(w->operationsList()->parentWidget(), frame);
            QVERIFY(w->operationsList()->isVisible());
            QCOMPARE(w->findChildren<Rod*>().size(), n < 17 ? 10 : 30);
            QCOMPARE(bool(w->findChild<QWidget*>(QStringLiteral("Picture2_0"))), n == 13);
            QCOMPARE(bool(w->findChild<QWidget*>(QStringLiteral("Picture2"))), n != 13);

            // Every rod and rod copy says which rod it is.
            for (Rod* r : w->findChildren<Rod*>())
                QCOMPARE(r->accessibleName(), QStringLiteral("brasto %1").arg(r->number()));
            for (RodCopy* c : w->findChildren<RodCopy*>())
                QCOMPARE(c->accessibleName(), QStringLiteral("brasto %1").arg(c->number()));

            const QList<QAction*> bar = w->menuBar()->actions();
            QCOMPARE(bar.size(), 4);
            QCOMPARE(bar[1]->text(), QStringLiteral("Operazioni scritte") + QString(n == 27 ? 9 : 10, QLatin1Char(' ')));
            QCOMPARE(bar[1]->menu()->objectName(), QStringLiteral("mnuOperazioni"));
            QCOMPARE(action(w, "mnuVisibili")->text(), QStringLiteral("visibili"));
            QCOMPARE(action(w, "mnuInvisibili")->text(), QStringLiteral("invisibili"));
            QVERIFY(action(w, "mnuVisibili")->isChecked() && !action(w, "mnuInvisibili")->isChecked());
        }
        QVERIFY(!holdsScreen(kComposingScreens, 16));
    }

    void singleRodPlays_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("line");
        QTest::newRow("Form12, rod 10 wrong") << 12 << Draws{{3, 9}} << 10 << " 3 +  7 = 10";
        QTest::newRow("Form13, equal given rods") << 13 << Draws{{1, 9}, {1, 1}} << 1 << " 1 +  1 =  2";
        QTest::newRow("Form14") << 14 << Draws{{7, 9}, {3, 7}} << 3 << " 8 -  3 =  5";
        QTest::newRow("Form15 difference") << 15 << Draws{{1, 2}, {7, 9}, {3, 7}} << 8 << " 8 -  3 =  5";
        QTest::newRow("Form15 sum") << 15 << Draws{{2, 2}, {3, 9}, {2, 3}} << 2 << " 2 +  2 =  4";
    }
    void singleRodPlays()
    {
        QFETCH(int, screen);
        QFETCH(Draws, draws);
        QFETCH(int, wrong);
        QFETCH(QString, line);
        OPEN(s, screen, draws);
        SingleRodScreen* w = s->single();
        const SingleRodProblem p = w->problem();
        const Strip open = answerStrip(p);
        const Strip closed = open == Strip::Upper ? Strip::Lower : Strip::Upper;
        const int answer = rightRod(open == Strip::Upper ? w->config().rules.upper : w->config().rules.lower, p);
        for (const GivenRod& g : givenRods(p)) {
            RodCopy* display = w->givenRodDisplay(QString::fromLatin1(g.name));
            QCOMPARE(display->number(), g.rod);
            QCOMPARE(Board::designRect(display), toQRect(composing::givenRodPlace(g)));
        }
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(at(w->rod(k)), trayPlace(k));

        // On the given rods, on the strip they cover, outside the window: nothing happens.
        const auto untouched = [&] {
            QCOMPARE(at(w->rod(answer)), trayPlace(answer));
            QCOMPARE(harness::countsOn(s->screen.get()).right + harness::countsOn(s->screen.get()).wrong, 0);
            QVERIFY(s->t.sound.played.empty());
            QCOMPARE(w->operationsList()->count(), 0);
        };
        for (RodCopy* display : w->findChildren<RodCopy*>()) {
            harness::dragRodOnto(w->rod(answer), display);
            untouched();
        }
        harness::dragRodOnto(w->rod(answer), w->strip(closed));
        untouched();
        harness::dragRodTo(w->rod(answer), w, QPoint(-20, w->height() / 2));
        untouched();

        // A wrong rod in the gap counts wrong and stays where it was.
        const QPoint gap = windowPoint(w, w->container(), centre(composing::snapPlace(open, p, answer)));
        harness::dragRodTo(w->rod(wrong), w, gap);
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(1));
        QCOMPARE(w->wrongLabel()->text(), QStringLiteral(" 1"));
        QVERIFY(w->wrongIcon()->isVisible() && !w->rightIcon()->isVisible());
        QCOMPARE(at(w->rod(wrong)), trayPlace(wrong));
        QCOMPARE(s->t.sound.played, (std::vector<Sound>{Sound::Wrong}));

        // The right rod: counted, written, snapped into the gap, the strips locked.
        s->t.random.pushInt(2, 4);
        harness::dragRodTo(w->rod(answer), w, gap);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QCOMPARE(w->rightLabel()->text(), QStringLiteral(" 1"));
        QCOMPARE(s->t.sound.played.back(), Sound::Right2);
        QCOMPARE(lines(w), QStringList{line});
        const TwipsRect snapped = composing::snapPlace(open, p, answer);
        QCOMPARE(Board::designRect(w->rod(answer)), QRect(snapped.left, snapped.top, snapped.width, snapped.height));
        QVERIFY(!w->rod(answer)->isMovable());
        QVERIFY(!w->strip(open)->isEnabled() && !w->strip(closed)->isEnabled());
        QVERIFY(w->avantiButton()->isEnabled());
        // The placed rod cannot be dragged away, another rod dropped on it does nothing.
        harness::dragRodTo(w->rod(answer), w, windowPoint(w, w->container(), QPoint(600, 4800)));
        harness::dragRodTo(w->rod(wrong), w, gap);
        QCOMPARE(Board::designRect(w->rod(answer)).topLeft(), QPoint(snapped.left, snapped.top));
        QCOMPARE(harness::countsOn(s->screen.get()).right + harness::countsOn(s->screen.get()).wrong, 2);

        // "avanti": the next problem with every rod back in the tray, the strips open again.
        pushProblem(s->t.random, draws);
        harness::clickThroughWindow(w->avantiButton());
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QVERIFY(!w->avantiButton()->isEnabled());
        QVERIFY(w->strip(open)->isEnabled());
        QCOMPARE(at(w->rod(answer)), trayPlace(answer));
        QVERIFY(w->rod(answer)->isMovable());
        QCOMPARE(w->operationsList()->count(), 1);
    }

    void compositionPlays_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<std::vector<int>>("drops");
        QTest::addColumn<QString>("steps"); // F fits, O overshoots, C closes
        QTest::addColumn<QString>("line");
        QTest::newRow("Form17") << 17 << Draws{{9, 10}} << std::vector<int>{3, 4, 6, 2} << "FFOC"
                                << " 3 +  4 +  2 =  9";
        QTest::newRow("Form20 given 10, target 11") << 20 << Draws{{10, 10}, {1, 10}} << std::vector<int>{2, 1}
                                                    << "OC" << " 10 +  1 =  11";
        QTest::newRow("Form27 given 13") << 27 << Draws{{13, 19}} << std::vector<int>{7} << "C" << " 13 +  7 =  20";
        QTest::newRow("Form27 given 4, rod 4 again") << 27 << Draws{{4, 19}} << std::vector<int>{10, 4, 2} << "FFC"
                                                     << " 4 +  10 +  4 +  2 =  20";
    }
    void compositionPlays()
    {
        QFETCH(int, screen);
        QFETCH(Draws, draws);
        QFETCH(std::vector<int>, drops);
        QFETCH(QString, steps);
        QFETCH(QString, line);
        OPEN(s, screen, draws);
        CompositionScreen* w = s->composing();
        const int target = w->composition().length();
        const QRect row = Board::designRect(w->row());
        QCOMPARE(row.width(), target * kUnitTwips);
        if (w->unitsBar()) {
            QCOMPARE(Board::designRect(w->unitsBar()).width(), (target - 10) * kUnitTwips);
            QCOMPARE(Board::designRect(w->targetBar()).width(), 10 * kUnitTwips);
        } else {
            QCOMPARE(Board::designRect(w->targetBar()).width(), target * kUnitTwips);
        }
        // The given part starts the row, taken from the lowest set; the rest of the tray is in its slots.
        int filled = 0;
        const std::vector<int> parts = givenParts(w->composition().filled());
        for (std::size_t i = 0; i < parts.size(); ++i) {
            Rod* given = w->rodOfSet(0, parts[i]);
            QCOMPARE(w->rodsInRow().at(i), given);
            QCOMPARE(at(given), QPoint(row.left() + filled * kUnitTwips, row.top()));
            QVERIFY(!given->isMovable());
            filled += parts[i];
        }
        for (int k = 1; k <= 10; ++k)
            for (int set = 1; set <= 2; ++set)
                QCOMPARE(at(w->rodOfSet(set, k)), trayPlace(k));

        // Drops on the target bars and on the given rods reach nothing.
        for (QWidget* bar : {static_cast<QWidget*>(w->targetBar()), static_cast<QWidget*>(w->unitsBar())})
            if (bar)
                harness::dragRodOnto(w->rodAtHand(1), bar);
        for (Rod* given : w->rodsInRow())
            harness::dragRodOnto(w->rodAtHand(1), given);
        QCOMPARE(w->composition().filled(), filled);
        QCOMPARE(at(w->rodAtHand(1)), trayPlace(1));

        int right = 0, wrong = 0;
        for (std::size_t i = 0; i < drops.size(); ++i) {
            const int k = drops[i];
            Rod* r = w->rodAtHand(k);
            const QChar step = steps.at(qsizetype(i));
            const std::size_t sounds = s->t.sound.played.size();
            if (step == 'C')
                s->t.random.pushInt(1, 4);
            harness::dragRodTo(r, w, freePartOfRow(w));
            if (step == 'O') {
                ++wrong;
                QCOMPARE(at(r), trayPlace(k));
                QVERIFY(r->isMovable());
                QVERIFY(w->wrongIcon()->isVisible() && !w->rightIcon()->isVisible());
            } else {
                QCOMPARE(at(r), QPoint(row.left() + filled * kUnitTwips, row.top()));
                QVERIFY(!r->isMovable());
                filled += k;
                QVERIFY(w->rightIcon()->isVisible() && !w->wrongIcon()->isVisible());
                right += step == 'C' ? 1 : 0;
                // A fitting rod makes no sound.
                QCOMPARE(s->t.sound.played.size(), sounds + (step == 'C' ? 1 : 0));
            }
            QCOMPARE(w->composition().filled(), filled);
            QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(right));
            QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(wrong));
        }
        QCOMPARE(filled, target);
        QCOMPARE(lines(w), QStringList{line});
        QVERIFY(!w->row()->isEnabled());
        QVERIFY(w->avantiButton()->isEnabled());

        pushProblem(s->t.random, draws);
        harness::clickThroughWindow(w->avantiButton());
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QVERIFY(w->row()->isEnabled() && !w->avantiButton()->isEnabled());
        // Only the new given part lies in the row.
        const std::vector<Rod*> laid = w->rodsInRow();
        QCOMPARE(laid.size(), parts.size());
        for (Rod* r : w->findChildren<Rod*>())
            QCOMPARE(r->isMovable(), std::find(laid.begin(), laid.end(), r) == laid.end());
    }

    void threeRodsOfANumberAtMost()
    {
        OPEN(s, 17, Draws{{10, 10}});
        CompositionScreen* w = s->composing();
        const QPoint slot = windowPoint(w, w->container(), trayPlace(1) + QPoint(175, 175));
        // The uppermost rod of the slot goes first: brasti2, then brasti1, then brasti.
        for (int set = 2; set >= 0; --set) {
            dragFrom(w, slot, freePartOfRow(w));
            QCOMPARE(w->rodsInRow().back(), w->rodOfSet(set, 1));
        }
        QCOMPARE(w->rodAtHand(1), nullptr);
        // The slot is empty now: a drag from it moves nothing.
        dragFrom(w, slot, freePartOfRow(w));
        QCOMPARE(w->composition().filled(), 3);
        QCOMPARE(harness::countsOn(s->screen.get()).right + harness::countsOn(s->screen.get()).wrong, 0);
    }

    void dropsOnRodsLyingInTheRow()
    {
        OPEN(s, 20, Draws{{7, 10}, {5, 10}}); // given 7, target 15
        CompositionScreen* w = s->composing();
        Rod* given = w->rodOfSet(0, 7);
        harness::dragRodTo(w->rodAtHand(3), w, freePartOfRow(w));
        Rod* three = w->rodsInRow().back();
        QCOMPARE(w->composition().filled(), 10);

        const auto unchanged = [&] {
            QCOMPARE(w->composition().filled(), 10);
            QCOMPARE(w->rodsInRow(), (std::vector<Rod*>{given, three}));
            QCOMPARE(at(given), at(w->row()));
            QCOMPARE(at(three), at(w->row()) + QPoint(7 * kUnitTwips, 0));
            QCOMPARE(at(w->rodAtHand(2)), trayPlace(2));
            QCOMPARE(harness::countsOn(s->screen.get()).right + harness::countsOn(s->screen.get()).wrong, 0);
        };
        // Rods lying in the row, the given one included, cannot be taken out and laid again.
        harness::dragRodTo(given, w, freePartOfRow(w));
        unchanged();
        harness::dragRodTo(three, w, freePartOfRow(w));
        unchanged();
        // A tray rod dropped on them reaches nothing, nor outside the window.
        harness::dragRodOnto(w->rodAtHand(2), given);
        unchanged();
        harness::dragRodOnto(w->rodAtHand(2), three);
        unchanged();
        harness::dragRodTo(w->rodAtHand(2), w, QPoint(w->width() + 30, 10));
        unchanged();
        s->t.random.pushInt(1, 4);
        harness::dragRodTo(w->rodAtHand(5), w, freePartOfRow(w));
        QCOMPARE(lines(w), QStringList{" 7 +  3 +  5 =  15"});
    }

    void azzeraWhileAvantiWaits()
    {
        // A new problem and an empty list, but the answer stays locked until "avanti".
        OPEN(a, 12, Draws{{6, 9}});
        SingleRodScreen* single = a->single();
        a->t.random.pushInt(1, 4);
        harness::dragRodTo(single->rod(4), single,
                           windowPoint(single, single->container(), centre(composing::snapPlace(Strip::Lower, single->problem(), 4))));
        QCOMPARE(harness::countsOn(a->screen.get()).right, std::int16_t(1));
        pushProblem(a->t.random, Draws{{2, 9}});
        action(single, "MenuAzzera")->trigger();
        QCOMPARE(single->operationsList()->count(), 0);
        QCOMPARE(single->rightLabel()->text(), QStringLiteral("0"));
        QVERIFY(!single->strip(Strip::Lower)->isEnabled() && single->avantiButton()->isEnabled());
        const QPoint gap = windowPoint(single, single->container(), centre(composing::snapPlace(Strip::Lower, single->problem(), 8)));
        harness::dragRodTo(single->rod(8), single, gap);
        QCOMPARE(harness::countsOn(a->screen.get()).right + harness::countsOn(a->screen.get()).wrong, 0);

        OPEN(b, 17, Draws{{3, 10}});
        CompositionScreen* comp = b->composing();
        b->t.random.pushInt(1, 4);
        harness::dragRodTo(comp->rodAtHand(3), comp, freePartOfRow(comp));
        pushProblem(b->t.random, Draws{{6, 10}});
        action(comp, "MenuAzzera")->trigger();
        QCOMPARE(comp->operationsList()->count(), 0);
        QVERIFY(comp->rodsInRow().empty());
        harness::dragRodTo(comp->rodAtHand(2), comp, freePartOfRow(comp));
        QCOMPARE(comp->composition().filled(), 0);
        pushProblem(b->t.random, Draws{{6, 10}});
        harness::clickThroughWindow(comp->avantiButton());
        harness::dragRodTo(comp->rodAtHand(2), comp, freePartOfRow(comp));
        QCOMPARE(comp->composition().filled(), 2);
    }

    void autoAdvanceAndTheHiddenList()
    {
        OPEN(a, 13, Draws{{4, 9}, {2, 4}}, true); // 2 + 3
        SingleRodScreen* single = a->single();
        action(single, "mnuInvisibili")->trigger();
        QVERIFY(!single->operationsList()->isVisible());
        QVERIFY(action(single, "mnuInvisibili")->isChecked() && !action(single, "mnuVisibili")->isChecked());
        a->t.random.pushInt(1, 4);
        pushProblem(a->t.random, Draws{{9, 9}, {1, 9}});
        harness::dragRodOnto(single->rod(5), single->strip(Strip::Upper));
        // Written while hidden; the next problem at once, the rod back in the tray.
        QCOMPARE(lines(single), QStringList{" 2 +  3 =  5"});
        QCOMPARE(single->problem().whole(), 10);
        QCOMPARE(at(single->rod(5)), trayPlace(5));
        QVERIFY(single->strip(Strip::Upper)->isEnabled() && single->avantiButton()->isHidden());
        action(single, "mnuVisibili")->trigger();
        QVERIFY(single->operationsList()->isVisible());

        OPEN(b, 27, Draws{{19, 19}}, true);
        CompositionScreen* comp = b->composing();
        b->t.random.pushInt(1, 4);
        pushProblem(b->t.random, Draws{{5, 19}});
        harness::dragRodTo(comp->rodAtHand(1), comp, freePartOfRow(comp));
        QCOMPARE(lines(comp), QStringList{" 19 +  1 =  20"});
        QCOMPARE(comp->composition().filled(), 5);
        QCOMPARE(comp->rodsInRow(), std::vector<Rod*>{comp->rodOfSet(0, 5)});
        QVERIFY(comp->row()->isEnabled());
    }
};

BRASTI_TEST_MAIN(TestComposingScreen)
#include "tst_composingscreen.moc"
