// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Where the ordering screens put things: the slots and the start places in
// the container, and the column of buttons and counters beside it.
#include "common/board.h"
#include "exercises/ordering/ordering.h"
#include "harness/testmain.h"

using namespace brasti;

class TestOrderingLayout : public QObject {
    Q_OBJECT
private slots:
    void slotsFitTheContainer()
    {
        const QRect container = toQRect(ordering::kContainer).translated(-ordering::kContainer.left,
                                                                         -ordering::kContainer.top);
        for (const OrderingEntry& e : kOrderingScreens) {
            const OrderingLayout& layout = e.config.layout;
            QCOMPARE(layout.iconWidth, e.screen == 1 ? 975 : 855);
            for (int slot = 1; slot <= e.config.rules.slotCount; ++slot) {
                const QRect place = toQRect(ordering::slotPlace(layout, slot));
                QVERIFY(container.contains(place));
                QCOMPARE(place.size(), QSize(10 * kUnitTwips, kUnitTwips));
                // A rod at its start never reaches the slots.
                QVERIFY(ordering::kRodStartLeft + 10 * kUnitTwips <= place.left());
                if (slot > 1)
                    QVERIFY(!place.intersects(toQRect(ordering::slotPlace(layout, slot - 1))));
            }
        }
        const auto top = [](int screen, int slot) {
            return ordering::slotPlace(kOrderingScreens[static_cast<std::size_t>(screen - 1)].config.layout, slot).top;
        };
        QCOMPARE(top(1, 1), 960);
        QCOMPARE(top(1, 3), 1920);
        QCOMPARE(top(2, 4), 2400);
        QCOMPARE(top(3, 5), 2880);
        QCOMPARE(top(4, 1), 600);
        QCOMPARE(top(4, 7), 3480);
        QCOMPARE(top(5, 2), 960);
        QCOMPARE(top(5, 10), 3840);
    }

    void startPlaces()
    {
        // The drawn rods in draw order: four a step of 700 apart, then above and below them.
        std::vector<int> drawnTops, allTops;
        for (std::size_t place = 0; place < 7; ++place)
            drawnTops.push_back(ordering::startTop(false, place));
        for (std::size_t place = 0; place < 10; ++place)
            allTops.push_back(ordering::startTop(true, place));
        QCOMPARE(drawnTops, (std::vector<int>{1800, 2500, 3200, 3900, 1200, 500, 4600}));
        QCOMPARE(allTops, (std::vector<int>{200, 600, 1000, 1400, 1800, 2200, 2600, 3000, 3400, 3800}));
        for (int top : drawnTops)
            QVERIFY(top >= 0 && top + kUnitTwips <= ordering::kContainer.height);
        for (int top : allTops)
            QVERIFY(top >= 0 && top + kUnitTwips <= ordering::kContainer.height);
    }

    void columnBesideTheContainer()
    {
        const QRect container = toQRect(ordering::kContainer);
        for (const OrderingEntry& e : kOrderingScreens) {
            const FrameLayout f = ordering::frameLayout(e.config.layout);
            const QRect client(QPoint(0, 0), f.client);
            const QList<QRect> column = {f.icons, f.label1, f.esatti, f.label2, f.errati,
                                         toQRect(ordering::kRicomincia), toQRect(ordering::kConferma), f.avanti};
            for (qsizetype i = 0; i < column.size(); ++i) {
                QVERIFY(client.contains(column[i]));
                QVERIFY(!container.intersects(column[i]));
                // One under the other, in this order.
                if (i > 0)
                    QVERIFY(column[i - 1].bottom() < column[i].top());
            }
            // The icons centred over the buttons.
            QCOMPARE(f.icons.center().x(), f.avanti.center().x());
            QVERIFY(client.contains(toQRect(ordering::kInstruction)));
        }
    }
};

BRASTI_TEST_MAIN(TestOrderingLayout)
#include "tst_orderinglayout.moc"
