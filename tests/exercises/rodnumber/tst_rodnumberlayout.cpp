// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Where the rod-and-number screens put things: the number buttons, the row
// of upright rods and the tray, all inside their container, and the frame's
// controls of the numbers up to 20 clear of the list.
#include "common/board.h"
#include "common/tray.h"
#include "exercises/rodnumber/rodnumber.h"
#include "harness/testmain.h"

using namespace brasti;

class TestRodNumberLayout : public QObject {
    Q_OBJECT
private slots:
    void numberButtonsInTwoRows()
    {
        const QRect frame = toQRect(rodnumber::kFrame);
        const QRect rod(rodnumber::kShownRodLeft, rodnumber::kShownRodTop, 10 * kUnitTwips, kUnitTwips);
        QVERIFY(frame.contains(rod));
        for (int k = 1; k <= 10; ++k) {
            const QRect button = toQRect(rodnumber::numberButtonPlace(k));
            QVERIFY(frame.contains(button));
            QVERIFY(!button.intersects(rod));
            // 1 to 5 above 6 to 10, each under the one five before it.
            if (k > 5)
                QCOMPARE(button.left(), toQRect(rodnumber::numberButtonPlace(k - 5)).left());
            if (k % 5 != 1)
                QVERIFY(toQRect(rodnumber::numberButtonPlace(k - 1)).right() < button.left());
        }
        QCOMPARE(toQRect(rodnumber::numberButtonPlace(7)), QRect(1320, 3360, 735, 735));
    }

    void uprightRodsStandOnOneLine()
    {
        const QRect frame = toQRect(rodnumber::kFrame);
        for (int place = 0; place < 10; ++place)
            QCOMPARE(rodnumber::kUprightTray.rodPlace(place, 1).left, 500 + 700 * place);
        for (int k = 1; k <= 10; ++k) {
            QCOMPARE(rodnumber::kUprightTray.rodPlace(0, k).top + k * kUnitTwips, 3700);
            for (int place : {0, 9}) {
                const QRect r = toQRect(rodnumber::kUprightTray.rodPlace(place, k));
                QVERIFY(frame.contains(r));
                QVERIFY(!r.intersects(toQRect(rodnumber::kNumberLabel)));
            }
        }
    }

    void tensScreenKeepsItsPartsApart()
    {
        const QRect frame = toQRect(rodnumber::kTensFrame);
        const QRect box = toQRect(rodnumber::kTensBox);
        const QRect list = toQRect(rodnumber::kTensList);
        for (int row = 0; row < 10; ++row) {
            const QRect ten = toQRect(kColumnTray.rodPlace(row, 10));
            QCOMPARE(ten, QRect(350, 200 + 400 * row, 10 * kUnitTwips, kUnitTwips));
            QVERIFY(frame.contains(ten));
            QVERIFY(!ten.intersects(box) && !ten.intersects(toQRect(rodnumber::kTensLabel)));
        }
        QVERIFY(frame.contains(box) && frame.contains(toQRect(rodnumber::kTensLabel)));
        QVERIFY(!frame.intersects(list));
        const FrameLayout f = rodnumber::tensFrameLayout();
        const QRect client(QPoint(0, 0), f.client);
        for (const QRect& r : {f.avanti, f.icons, f.label1, f.esatti, f.label2, f.errati}) {
            QVERIFY(client.contains(r));
            QVERIFY(!r.intersects(list) && !r.intersects(frame));
        }
    }
};

BRASTI_TEST_MAIN(TestRodNumberLayout)
#include "tst_rodnumberlayout.moc"
