// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Whole plays of the five ordering screens, with real drags and clicks
// through the window and every draw of chance scripted.
#include "app/catalogue.h"
#include "common/board.h"
#include "common/colours.h"
#include "common/pictures.h"
#include "common/sound/sound.h"
#include "exercises/ordering/orderingscreen.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>
#include <memory>

using namespace brasti;
using harness::at;

namespace {

struct Session {
    harness::TestContext t;
    std::unique_ptr<OrderingScreen> screen; // destroyed before its context
};

// Opens screen n as the shell does, with the background entry and the rod
// draws of the first problem scripted (drawn rods, or the shuffle's starts).
std::unique_ptr<Session> openScreen(int n, const std::vector<int>& rodDraws, int colour = 1, bool autoAdvance = false)
{
    auto s = std::make_unique<Session>();
    s->t.context.autoAdvance = autoAdvance;
    s->t.random.pushInt(colour, 18);
    for (int k : rodDraws)
        s->t.random.pushInt(k, 10);
    s->screen.reset(qobject_cast<OrderingScreen*>(createExerciseScreen(n, s->t.context)));
    s->screen->load();
    s->screen->show();
    return s;
}

QAction* action(QWidget* screen, const char* name)
{
    return screen->findChild<QAction*>(QString::fromLatin1(name));
}

// Drags rods[i] into slot i + 1.
void fill(OrderingScreen* screen, const std::vector<int>& rods)
{
    for (std::size_t i = 0; i < rods.size(); ++i)
        harness::dragRodOnto(screen->rod(rods[i]), screen->slot(int(i) + 1));
}

void clickConferma(OrderingScreen* screen)
{
    harness::clickThroughWindow(screen->confermaButton());
}

std::vector<int> sortedRods(std::vector<int> rods, bool ascending)
{
    std::sort(rods.begin(), rods.end());
    if (!ascending)
        std::reverse(rods.begin(), rods.end());
    return rods;
}

std::vector<int> allTen()
{
    return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
}

} // namespace

class TestOrderingScreen : public QObject {
    Q_OBJECT
private slots:
    void catalogueOpensTheFiveScreens()
    {
        harness::TestContext t;
        for (int n = 1; n <= 5; ++n) {
            std::unique_ptr<ExerciseScreen> s(createExerciseScreen(n, t.context));
            QVERIFY(qobject_cast<OrderingScreen*>(s.get()));
            QCOMPARE(s->objectName(), QStringLiteral("Form%1").arg(n));
            QCOMPARE(s->windowTitle(), QString::fromUtf8(kOrderingScreens[std::size_t(n - 1)].caption));
        }
        QVERIFY(!holdsScreen(kOrderingScreens, 0));
        QVERIFY(!holdsScreen(kOrderingScreens, 6));
        std::unique_ptr<ExerciseScreen> other(createExerciseScreen(6, t.context));
        QVERIFY(other && !qobject_cast<OrderingScreen*>(other.get()));
    }

    void layoutAndMenu()
    {
        OPEN(s, 4, {1, 2, 3, 4, 5, 6, 7});
        OrderingScreen* w = s->screen.get();
        QCOMPARE(Board::designRect(w->container()), QRect(0, 0, 7695, 5295));
        QCOMPARE(w->container()->palette().color(QPalette::Window), toQColor(kContainerGrey));
        QVERIFY(!w->findChild<QWidget*>(QStringLiteral("Picture1_8")));
        for (int i = 1; i <= 7; ++i) {
            QWidget* slot = w->findChild<QWidget*>(QStringLiteral("Picture1_%1").arg(i));
            QCOMPARE(slot, w->slot(i));
            QCOMPARE(slot->parentWidget(), w->container());
            QCOMPARE(Board::designRect(slot), QRect(3960, 600 + 480 * (i - 1), 3500, 350));
            QCOMPARE(slot->accessibleName(), QStringLiteral("casella %1").arg(i));
        }
        QCOMPARE(w->rod(3)->parentWidget(), w->container());
        QCOMPARE(w->ricominciaButton()->objectName(), QStringLiteral("Command3D1"));
        QCOMPARE(w->confermaButton()->objectName(), QStringLiteral("SSCommand1"));
        QCOMPARE(w->instruction()->objectName(), QStringLiteral("Label3"));
        QCOMPARE(w->instruction()->text(), QStringLiteral("ordina dal minore al maggiore "));

        // The own menu sits between "Azzera conteggio" and "Informazioni".
        const QList<QAction*> bar = w->menuBar()->actions();
        QCOMPARE(bar.size(), 4);
        QCOMPARE(bar[0]->objectName(), QStringLiteral("MenuAzzera"));
        QCOMPARE(bar[1]->text(), QStringLiteral("Tipo di ordinamento          "));
        QCOMPARE(bar[1]->menu()->objectName(), QStringLiteral("mnuOrdina"));
        QCOMPARE(bar[2]->objectName(), QStringLiteral("MenuInformazioni"));
        QCOMPARE(action(w, "mnuCresce")->text(), QStringLiteral("crescente"));
        QCOMPARE(action(w, "mnuDecresce")->text(), QStringLiteral("decrescente"));
        QVERIFY(action(w, "mnuCresce")->isChecked());
        QVERIFY(!action(w, "mnuDecresce")->isChecked());
    }

    void drawnRodsStartAtTheirPlaces_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<std::vector<int>>("drawn");
        QTest::newRow("Form1") << 1 << std::vector<int>{2, 5, 9};
        QTest::newRow("Form2") << 2 << std::vector<int>{10, 1, 7, 3};
        QTest::newRow("Form3") << 3 << std::vector<int>{4, 8, 2, 6, 1};
        QTest::newRow("Form4") << 4 << std::vector<int>{7, 3, 10, 1, 5, 9, 2};
    }
    void drawnRodsStartAtTheirPlaces()
    {
        QFETCH(int, screen);
        QFETCH(std::vector<int>, drawn);
        auto s = std::make_unique<Session>();
        s->t.random.pushInt(1, 18);
        for (int k : drawn)
            s->t.random.pushInt(k, 10);
        s->screen.reset(qobject_cast<OrderingScreen*>(createExerciseScreen(screen, s->t.context)));
        s->screen->load();
        QCOMPARE(s->t.random.draws(), 1 + int(drawn.size()));
        QCOMPARE(s->screen->drawnRods(), drawn);

        const std::vector<int> startTops = {1800, 2500, 3200, 3900, 1200, 500, 4600};
        for (int k = 1; k <= 10; ++k) {
            const auto j = std::find(drawn.begin(), drawn.end(), k);
            Rod* r = s->screen->rod(k);
            QCOMPARE(r->isHidden(), j == drawn.end());
            if (j != drawn.end()) {
                QCOMPARE(at(r), QPoint(350, startTops[std::size_t(j - drawn.begin())]));
                QVERIFY(r->isMovable());
            }
        }
    }

    void redrawnRodsNeverRepeatOnTheScreen()
    {
        // 5 rods drawn 4 4 8 4 8, the repeats redrawn as 1, 6 and 10.
        OPEN(s, 3, {4, 4, 8, 4, 8, 1, 6, 10});
        QCOMPARE(s->screen->drawnRods(), (std::vector<int>{4, 1, 8, 6, 10}));
        // The fifth drawn rod starts above the first.
        QCOMPARE(at(s->screen->rod(10)), QPoint(350, 1200));
        QCOMPARE(at(s->screen->rod(4)), QPoint(350, 1800));
    }

    void fullPlays_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<std::vector<int>>("drawn");
        QTest::addColumn<bool>("ascending");
        const std::vector<std::pair<int, std::vector<int>>> problems = {
            {1, {2, 5, 9}},
            {2, {10, 1, 7, 3}},
            {3, {4, 8, 2, 6, 1}},
            {4, {7, 3, 10, 1, 5, 9, 2}},
            {5, {4, 9, 1, 7, 10, 2, 6, 3, 8, 5}}, // the shuffle's starts, no clash
        };
        for (const auto& [screen, drawn] : problems)
            for (bool ascending : {true, false})
                QTest::addRow("Form%d %s", screen, ascending ? "crescente" : "decrescente")
                    << screen << drawn << ascending;
    }
    void fullPlays()
    {
        QFETCH(int, screen);
        QFETCH(std::vector<int>, drawn);
        QFETCH(bool, ascending);
        OPEN(s, screen, drawn, 3);
        OrderingScreen* w = s->screen.get();
        const std::vector<int> rods = screen == 5 ? allTen() : drawn;
        if (screen == 5) {
            for (std::size_t p = 0; p < drawn.size(); ++p)
                QCOMPARE(at(w->rod(drawn[p])), QPoint(350, 200 + 400 * int(p)));
        }
        if (!ascending)
            action(w, "mnuDecresce")->trigger();

        // The wrong direction first: one wrong count, the rods stay put.
        const std::vector<int> wrongOrder = sortedRods(rods, !ascending);
        fill(w, wrongOrder);
        QCOMPARE(w->slotRow().placedCount(), int(rods.size()));
        clickConferma(w);
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(1));
        QCOMPARE(w->wrongLabel()->text(), QStringLiteral(" 1"));
        QCOMPARE(w->rightLabel()->text(), QStringLiteral("0"));
        QVERIFY(w->wrongIcon()->isVisible());
        QVERIFY(!w->rightIcon()->isVisible());
        QCOMPARE(s->t.sound.played, (std::vector<Sound>{Sound::Wrong}));
        for (std::size_t i = 0; i < wrongOrder.size(); ++i) {
            QCOMPARE(at(w->rod(wrongOrder[i])), at(w->slot(int(i) + 1)));
            QVERIFY(!w->rod(wrongOrder[i])->isMovable());
        }
        QVERIFY(w->confermaButton()->isEnabled());
        QVERIFY(!w->avantiButton()->isEnabled());

        // Take them back and do it right.
        harness::clickThroughWindow(w->ricominciaButton());
        QCOMPARE(w->slotRow().placedCount(), 0);
        fill(w, sortedRods(rods, ascending));
        s->t.random.pushInt(2, 4);
        clickConferma(w);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(1));
        QCOMPARE(w->rightLabel()->text(), QStringLiteral(" 1"));
        QVERIFY(w->rightIcon()->isVisible());
        QVERIFY(!w->wrongIcon()->isVisible());
        QCOMPARE(s->t.sound.played.back(), Sound::Right2);
        QVERIFY(!w->confermaButton()->isEnabled());
        QVERIFY(w->avantiButton()->isEnabled());

        // "avanti": a new problem, "Conferma" back, "avanti" off.
        s->t.random.pushInt(5, 18);
        for (int k = 1; k <= int(rods.size()); ++k)
            s->t.random.pushInt(k, 10);
        harness::clickThroughWindow(w->avantiButton());
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QVERIFY(w->confermaButton()->isEnabled());
        QVERIFY(!w->avantiButton()->isEnabled());
        QCOMPARE(w->slotRow().placedCount(), 0);
        QCOMPARE(w->board()->background(), kOrderingColours[4]);
        for (int k : screen == 5 ? allTen() : w->drawnRods()) {
            QVERIFY(w->rod(k)->isVisible());
            QVERIFY(w->rod(k)->isMovable());
            QCOMPARE(at(w->rod(k)).x(), 350);
        }
        // The direction lasts for the visit.
        QCOMPARE(w->isAscending(), ascending);
    }

    void directionChangesOnlyTheVerdict()
    {
        OPEN(s, 1, {2, 5, 9});
        OrderingScreen* w = s->screen.get();
        fill(w, {2, 5, 9});
        action(w, "mnuDecresce")->trigger();
        QCOMPARE(w->instruction()->text(), QStringLiteral("ordina dal maggiore al minore "));
        QVERIFY(action(w, "mnuDecresce")->isChecked());
        QVERIFY(!action(w, "mnuCresce")->isChecked());
        // The board is untouched by the menu.
        QCOMPARE(w->slotRow().placedCount(), 3);
        QCOMPARE(at(w->rod(9)), at(w->slot(3)));
        clickConferma(w);
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(1));

        action(w, "mnuCresce")->trigger();
        // Choosing the ticked item again leaves it ticked.
        action(w, "mnuCresce")->trigger();
        QVERIFY(action(w, "mnuCresce")->isChecked());
        QVERIFY(!action(w, "mnuDecresce")->isChecked());
        QCOMPARE(w->instruction()->text(), QStringLiteral("ordina dal minore al maggiore "));
        s->t.random.pushInt(1, 4);
        clickConferma(w);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
    }

    void confermaBeforeEverySlotIsFilled()
    {
        OPEN(s, 1, {2, 5, 9});
        OrderingScreen* w = s->screen.get();
        fill(w, {2, 5});
        clickConferma(w);
        QCOMPARE(s->t.dialogs.shown.size(), std::size_t(1));
        const auto& hint = s->t.dialogs.shown.front();
        QVERIFY(!hint.question);
        QCOMPARE(hint.icon, MessageIcon::None);
        QCOMPARE(hint.title, kAppName);
        QCOMPARE(hint.text, QStringLiteral("devi sistemare tutti i brasti!"));
        QCOMPARE(w->rightLabel()->text(), QStringLiteral("0"));
        QCOMPARE(w->wrongLabel()->text(), QStringLiteral("0"));
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(0));
        QVERIFY(s->t.sound.played.empty());
        QCOMPARE(s->t.random.draws(), 4);
        // The board is as it was and the last rod can still go in.
        QCOMPARE(at(w->rod(5)), at(w->slot(2)));
        harness::dragRodOnto(w->rod(9), w->slot(3));
        s->t.random.pushInt(1, 4);
        clickConferma(w);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QCOMPARE(s->t.dialogs.shown.size(), std::size_t(1));
    }

    void dropsThatTakeNoEffect()
    {
        OPEN(s, 1, {2, 5, 9});
        OrderingScreen* w = s->screen.get();
        harness::dragRodOnto(w->rod(2), w->slot(1));
        QCOMPARE(at(w->rod(2)), at(w->slot(1)));
        QVERIFY(!w->rod(2)->isMovable());

        const auto unchanged = [&] {
            QCOMPARE(at(w->rod(5)), QPoint(350, 2500));
            QVERIFY(w->rod(5)->isMovable());
            QVERIFY(w->rod(5)->isVisible());
            QCOMPARE(w->slotRow().placedCount(), 1);
            QCOMPARE(w->slotRow().rodAt(1), 2);
        };
        // On the free part of a filled slot, and on the rod lying in it.
        harness::dragRodOnto(w->rod(5), w->slot(1));
        unchanged();
        harness::dragRodTo(w->rod(5), w, w->rod(2)->mapTo(w, w->rod(2)->rect().center()));
        unchanged();
        // On another rod, the grey container, the instruction, a button.
        harness::dragRodOnto(w->rod(5), w->rod(9));
        unchanged();
        harness::dragRodTo(w->rod(5), w, w->container()->mapTo(w, QPoint(5, w->container()->height() - 5)));
        unchanged();
        harness::dragRodOnto(w->rod(5), w->instruction());
        unchanged();
        harness::dragRodOnto(w->rod(5), w->confermaButton());
        unchanged();
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(0));
        // Outside the window altogether.
        harness::dragRodTo(w->rod(5), w, QPoint(w->width() + 40, w->height() + 40));
        unchanged();
        harness::dragRodTo(w->rod(5), w, QPoint(-30, 10));
        unchanged();
        QVERIFY(!w->findChild<QWidget*>(QStringLiteral("contornoTrascinamento"))->isVisible());

        // A placed rod cannot be dragged out again.
        harness::dragRodOnto(w->rod(2), w->slot(3));
        QCOMPARE(at(w->rod(2)), at(w->slot(1)));
        QCOMPARE(w->slotRow().rodAt(3), 0);

        // The rod refused before still goes into a free slot.
        harness::dragRodOnto(w->rod(5), w->slot(2));
        QCOMPARE(at(w->rod(5)), at(w->slot(2)));
        QCOMPARE(w->slotRow().placedCount(), 2);
        QCOMPARE(w->slot(2)->property("tag").toString(), QStringLiteral("occupato"));
        QCOMPARE(w->slot(3)->property("tag").toString(), QString());
        QVERIFY(s->t.dialogs.shown.empty());
        QVERIFY(s->t.sound.played.empty());
    }

    void ricominciaAtAnyMoment()
    {
        OPEN(s, 1, {2, 5, 9});
        OrderingScreen* w = s->screen.get();
        const auto atStart = [&] {
            QCOMPARE(at(w->rod(2)), QPoint(350, 1800));
            QCOMPARE(at(w->rod(5)), QPoint(350, 2500));
            QCOMPARE(at(w->rod(9)), QPoint(350, 3200));
            for (int k : {2, 5, 9})
                QVERIFY(w->rod(k)->isMovable());
            for (int i = 1; i <= 3; ++i)
                QCOMPARE(w->slot(i)->property("tag").toString(), QString());
            QCOMPARE(w->slotRow().placedCount(), 0);
        };
        // Before anything, half way, after a wrong answer.
        harness::clickThroughWindow(w->ricominciaButton());
        atStart();
        harness::dragRodOnto(w->rod(9), w->slot(2));
        harness::clickThroughWindow(w->ricominciaButton());
        atStart();
        fill(w, {9, 5, 2});
        clickConferma(w);
        harness::clickThroughWindow(w->ricominciaButton());
        atStart();
        QCOMPARE(w->wrongLabel()->text(), QStringLiteral(" 1"));
        QVERIFY(w->wrongIcon()->isVisible());

        // After a right answer: the rods come back, "Conferma" stays locked.
        fill(w, {2, 5, 9});
        s->t.random.pushInt(3, 4);
        clickConferma(w);
        harness::clickThroughWindow(w->ricominciaButton());
        atStart();
        QVERIFY(!w->confermaButton()->isEnabled());
        QVERIFY(w->avantiButton()->isEnabled());
        fill(w, {2, 5, 9});
        clickConferma(w);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QVERIFY(s->t.dialogs.shown.empty());
        // Neither "Ricomincia" nor a locked "Conferma" drew anything.
        QCOMPARE(s->t.random.draws(), 5);
        QCOMPARE(w->board()->background(), kOrderingColours[0]);
    }

    void ricominciaReshufflesAllTen()
    {
        OPEN(s, 5, {4, 9, 1, 7, 10, 2, 6, 3, 8, 5});
        OrderingScreen* w = s->screen.get();
        for (int k = 1; k <= 10; ++k)
            QVERIFY(w->rod(k)->isVisible());
        harness::dragRodOnto(w->rod(1), w->slot(1));
        harness::dragRodOnto(w->rod(10), w->slot(10));
        s->t.random.pushInts({10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, 10);
        harness::clickThroughWindow(w->ricominciaButton());
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        // Probing from 10 each time: 10, 1, 2, ... 9.
        QCOMPARE(at(w->rod(10)), QPoint(350, 200));
        for (int k = 1; k <= 9; ++k) {
            QCOMPARE(at(w->rod(k)), QPoint(350, 200 + 400 * k));
            QVERIFY(w->rod(k)->isMovable());
        }
        QCOMPARE(w->slotRow().placedCount(), 0);
        QCOMPARE(w->board()->background(), kOrderingColours[0]);
    }

    void confermaPressedAgainAndAgain()
    {
        OPEN(s, 1, {2, 5, 9});
        OrderingScreen* w = s->screen.get();
        fill(w, {5, 2, 9});
        for (int press = 1; press <= 3; ++press) {
            clickConferma(w);
            QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(press));
            QCOMPARE(w->wrongLabel()->text(), QStringLiteral(" %1").arg(press));
        }
        QCOMPARE(s->t.sound.played.size(), std::size_t(3));

        harness::clickThroughWindow(w->ricominciaButton());
        fill(w, {2, 5, 9});
        s->t.random.pushInt(4, 4);
        clickConferma(w);
        // Locked now: neither a click nor a late call counts again.
        clickConferma(w);
        w->conferma();
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(3));
        QCOMPARE(s->t.sound.played.size(), std::size_t(4));
        QCOMPARE(s->t.random.draws(), 5);
    }

    void autoAdvance()
    {
        OPEN(s, 1, {2, 5, 9}, 1, true);
        OrderingScreen* w = s->screen.get();
        QVERIFY(w->avantiButton()->isHidden());
        fill(w, {2, 5, 9});
        // The right sound, then the next problem's background and rods.
        s->t.random.pushInt(1, 4);
        s->t.random.pushInt(18, 18);
        s->t.random.pushInts({3, 3, 1, 8}, 10); // 3 3 1, the second redrawn as 8
        clickConferma(w);
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QCOMPARE(w->rightLabel()->text(), QStringLiteral(" 1"));
        QVERIFY(w->rightIcon()->isVisible());
        QCOMPARE(s->t.sound.played, (std::vector<Sound>{Sound::Right1}));
        QCOMPARE(w->drawnRods(), (std::vector<int>{3, 8, 1}));
        QCOMPARE(w->board()->background(), Bgr(0xFF00FF));
        QVERIFY(w->confermaButton()->isEnabled());
        QVERIFY(w->avantiButton()->isHidden());
        QVERIFY(!w->avantiButton()->isEnabled());
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(w->rod(k)->isVisible(), k == 3 || k == 1 || k == 8);
        QCOMPARE(w->slotRow().placedCount(), 0);

        // The new problem plays as the first.
        fill(w, {8, 3, 1});
        action(w, "mnuDecresce")->trigger();
        s->t.random.pushInt(1, 4);
        s->t.random.pushInt(1, 18);
        s->t.random.pushInts({4, 6, 2}, 10);
        clickConferma(w);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(2));
        QCOMPARE(w->drawnRods(), (std::vector<int>{4, 6, 2}));
    }

    void azzeraWhileAvantiWaits()
    {
        OPEN(s, 1, {2, 5, 9});
        OrderingScreen* w = s->screen.get();
        fill(w, {2, 5, 9});
        s->t.random.pushInt(1, 4);
        clickConferma(w);
        QVERIFY(w->avantiButton()->isEnabled());

        s->t.random.pushInt(7, 18);
        s->t.random.pushInts({1, 10, 6}, 10);
        action(w, "MenuAzzera")->trigger();
        QCOMPARE(w->rightLabel()->text(), QStringLiteral("0"));
        QCOMPARE(w->wrongLabel()->text(), QStringLiteral("0"));
        QCOMPARE(w->drawnRods(), (std::vector<int>{1, 10, 6}));
        QVERIFY(!w->confermaButton()->isEnabled());
        QVERIFY(w->avantiButton()->isEnabled());
        // The new rods can be placed, but only "avanti" gives the check back.
        fill(w, {1, 6, 10});
        clickConferma(w);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(0));

        s->t.random.pushInt(7, 18);
        s->t.random.pushInts({3, 4, 5}, 10);
        harness::clickThroughWindow(w->avantiButton());
        QCOMPARE(w->drawnRods(), (std::vector<int>{3, 4, 5}));
        QVERIFY(w->confermaButton()->isEnabled());
        QVERIFY(!w->avantiButton()->isEnabled());
        QCOMPARE(s->t.random.pending(), std::size_t(0));
    }

    void backgroundIsNewWithEveryProblemAndNeverTheContainerGrey()
    {
        OPEN(s, 1, {2, 5, 9}, 16);
        OrderingScreen* w = s->screen.get();
        QCOMPARE(w->board()->background(), Bgr(0xFF00FF));
        bool magentaSeen = false;
        for (int entry = 1; entry <= 18; ++entry) {
            s->t.random.pushInt(entry, 18);
            s->t.random.pushInts({2, 5, 9}, 10);
            w->azzeraConteggio();
            const Bgr colour = w->board()->background();
            QCOMPARE(colour, kOrderingColours[std::size_t(entry - 1)]);
            QVERIFY(colour != kContainerGrey);
            magentaSeen = magentaSeen || colour == 0xFF00FF;
            QCOMPARE(w->board()->palette().color(QPalette::Window), toQColor(colour));
            // The container and the slots keep their own colours.
            QCOMPARE(w->container()->palette().color(QPalette::Window), toQColor(kContainerGrey));
            QCOMPARE(w->slot(1)->palette().color(QPalette::Window), toQColor(kButtonFace));
        }
        QVERIFY(magentaSeen);
        QCOMPARE(s->t.random.fallbackDraws(), 0);

        // Shown again, a screen starts ascending with both counters at 0.
        action(w, "mnuDecresce")->trigger();
        OPEN(again, 2, {2, 5, 9, 1});
        QVERIFY(again->screen->isAscending());
        QCOMPARE(again->screen->rightLabel()->text(), QStringLiteral("0"));
    }
};

BRASTI_TEST_MAIN(TestOrderingScreen)
#include "tst_orderingscreen.moc"
