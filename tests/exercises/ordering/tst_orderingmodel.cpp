// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The ordering screens' decisions without widgets: the family's table, the
// drawing of different rods, the start order and the order check.
#include "exercises/ordering/ordering.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <algorithm>
#include <set>

using namespace brasti;

namespace {

const OrderingRules& rulesOf(int screen)
{
    return kOrderingScreens[static_cast<std::size_t>(screen - 1)].config.rules;
}

} // namespace

class TestOrderingModel : public QObject {
    Q_OBJECT
private slots:
    void table()
    {
        const std::vector<int> counts = {3, 4, 5, 7, 10};
        const QStringList captions = {"ordina 3 brasti", "ordina 4 brasti", "ordina 5 brasti", "ordina 7 brasti",
                                      "ordina tutti i brasti"};
        QCOMPARE(kOrderingScreens.size(), std::size_t(5));
        for (int screen = 1; screen <= 5; ++screen) {
            const OrderingEntry& e = kOrderingScreens[static_cast<std::size_t>(screen - 1)];
            QCOMPARE(e.screen, screen);
            QCOMPARE(QString::fromUtf8(e.caption), captions[screen - 1]);
            QCOMPARE(e.config.rules.slotCount, counts[static_cast<std::size_t>(screen - 1)]);
            QCOMPARE(e.config.rules.allRods, screen == 5);
        }
    }

    void drawnRodsRedrawOnlyTheRepeatedOneAfterDrawingAll()
    {
        harness::ScriptedRandom random;
        // All five first: 3 3 7 3 7. Then the second is redrawn (3, then 7,
        // which clashes only with a later rod and so stands), the third (9),
        // the fourth (1) and the fifth (9 again, then 10).
        random.pushInts({3, 3, 7, 3, 7}, 10);
        random.pushInts({3, 7}, 10);
        random.pushInts({9}, 10);
        random.pushInts({1}, 10);
        random.pushInts({9, 10}, 10);
        const std::vector<int> rods = drawDifferentRods(random, 5);
        QCOMPARE(rods, (std::vector<int>{3, 7, 9, 1, 10}));
        QCOMPARE(random.draws(), 11);
        QCOMPARE(random.fallbackDraws(), 0);
    }

    void drawnRodsWithoutClashesTakeOneDrawEach()
    {
        harness::ScriptedRandom random;
        random.pushInts({2, 5, 9}, 10);
        QCOMPARE(drawDifferentRods(random, 3), (std::vector<int>{2, 5, 9}));
        QCOMPARE(random.draws(), 3);
    }

    void drawnRodsAreAlwaysDifferent()
    {
        for (std::uint64_t seed = 1; seed <= 300; ++seed) {
            ClockRandom random(seed);
            for (int n : {3, 4, 5, 7, 10}) {
                const std::vector<int> rods = drawDifferentRods(random, n);
                QCOMPARE(int(rods.size()), n);
                QCOMPARE(int(std::set<int>(rods.begin(), rods.end()).size()), n);
                QVERIFY(*std::min_element(rods.begin(), rods.end()) >= 1);
                QVERIFY(*std::max_element(rods.begin(), rods.end()) <= 10);
            }
        }
        // More rods than exist cannot all differ; the draw must still end.
        ClockRandom random(7);
        QCOMPARE(int(drawDifferentRods(random, 12).size()), 10);
    }

    void drawnRodsStartInTheDrawOrder()
    {
        harness::ScriptedRandom random;
        const std::vector<int> drawn = {6, 2, 9, 4, 1, 10, 3};
        QCOMPARE(startOrder(rulesOf(4), drawn, random), drawn);
        QCOMPARE(startOrder(rulesOf(1), {2, 5, 9}, random), (std::vector<int>{2, 5, 9}));
        QCOMPARE(random.draws(), 0);
    }

    void allRodsAreShuffledByProbing()
    {
        harness::ScriptedRandom random;
        // Starts 4 4 4 ...: each probe moves on to the next free rod.
        random.pushInts({4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, 10);
        const std::vector<int> order = startOrder(rulesOf(5), {}, random);
        QCOMPARE(random.draws(), 10);
        QCOMPARE(random.fallbackDraws(), 0);
        QCOMPARE(order, (std::vector<int>{4, 5, 6, 7, 8, 9, 10, 1, 2, 3}));
    }

    void orderCheck()
    {
        const std::vector<int> rising = {1, 4, 6, 10};
        const std::vector<int> falling = {9, 5, 2};
        const std::vector<int> tie = {2, 5, 5, 8};
        const std::vector<int> oneSwap = {1, 2, 3, 5, 4, 6, 7, 8, 9, 10};
        QVERIFY(isOrdered(rising, true));
        QVERIFY(!isOrdered(rising, false));
        QVERIFY(isOrdered(falling, false));
        QVERIFY(!isOrdered(falling, true));
        QVERIFY(!isOrdered(tie, true));
        QVERIFY(!isOrdered(tie, false));
        QVERIFY(!isOrdered(oneSwap, true));
        // First and last ordered but the middle not: every adjacent pair counts.
        const std::vector<int> valley = {2, 1, 9};
        QVERIFY(!isOrdered(valley, true));
    }

    void slotRow()
    {
        SlotRow row(3);
        QCOMPARE(row.size(), 3);
        QVERIFY(row.place(2, 5));
        QVERIFY(!row.place(2, 7)); // held already
        QVERIFY(!row.place(0, 7));
        QVERIFY(!row.place(4, 7));
        QVERIFY(!row.place(1, 0));
        QCOMPARE(row.rodAt(2), 5);
        QCOMPARE(row.placedCount(), 1);
        QVERIFY(!row.isFull());
        // A hole breaks the order even where the filled slots agree with it.
        QVERIFY(row.place(3, 9));
        QVERIFY(!row.isOrdered(true));
        QVERIFY(row.place(1, 2));
        QVERIFY(row.isFull());
        QVERIFY(row.isOrdered(true));
        QVERIFY(!row.isOrdered(false));

        row.clear();
        QCOMPARE(row.placedCount(), 0);
        QCOMPARE(row.rodAt(1), 0);
        QVERIFY(row.place(1, 9));
    }

    // The shown answer, played on the slots, is what "Conferma" takes as right:
    // for a large sample of draws of every size, and all ten rods, both ways.
    void solutionsPassTheCheck()
    {
        ClockRandom random(20261209);
        for (int n : {3, 4, 5, 7, 10}) {
            for (int draw = 0; draw < 2000; ++draw) {
                const std::vector<int> rods = n == 10 ? std::vector<int>{4, 1, 9, 2, 10, 3, 7, 5, 8, 6}
                                                      : drawDifferentRods(random, n);
                for (bool ascending : {true, false}) {
                    SlotRow row(n);
                    const Solution moves = orderingSolution(rods, ascending);
                    // Rods in the slots already: "Ricomincia", each of them
                    // back, slot by slot, then the same answer.
                    SlotRow laid(n);
                    for (int i = 0; i < n; ++i)
                        laid.place(i + 1, rods[std::size_t(i)]);
                    const Solution again = orderingSolution(rods, ascending, laid);
                    QCOMPARE(int(again.size()), 2 * n + 2);
                    QCOMPARE(again.front(), Move::press(kRicominciaControl));
                    for (int i = 0; i < n; ++i)
                        QCOMPARE(again[std::size_t(i + 1)], Move::back(rods[std::size_t(i)]));
                    QVERIFY(std::equal(moves.begin(), moves.end(), again.begin() + n + 1));
                    QCOMPARE(int(moves.size()), n + 1);
                    for (std::size_t i = 0; i < std::size_t(n); ++i)
                        QVERIFY(moves[i].kind == Move::Kind::Lay && row.place(moves[i].place, moves[i].rod));
                    QCOMPARE(moves.back(), Move::press(kConfermaControl));
                    QVERIFY(row.isFull() && row.isOrdered(ascending));
                }
            }
        }
    }

};

BRASTI_TEST_MAIN(TestOrderingModel)
#include "tst_orderingmodel.moc"
