// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The rod-and-number decisions without widgets: the family's table, the
// draws, the texts, the order the rods lie in and the filling of the box
// with the 10.
#include "exercises/rodnumber/rodnumber.h"
#include "harness/harness.h"
#include "harness/testmain.h"

using namespace brasti;

namespace {

using Drop = std::pair<int, bool>; // rod, lies in the box already
using Outcome = TensBox::Outcome;

} // namespace

Q_DECLARE_METATYPE(std::vector<Drop>)
Q_DECLARE_METATYPE(std::vector<TensBox::Outcome>)

class TestRodNumberModel : public QObject {
    Q_OBJECT
private slots:
    void drawsTextsAndOrders()
    {
        QCOMPARE(QString::fromUtf8(kRodNumberScreens[0].caption), QStringLiteral("dal brasto al numero"));
        QCOMPARE(kRodNumberScreens[1].config.layout.background, 0xFF8080u);
        QCOMPARE(kRodNumberScreens[2].screen, 19);
        for (int other : {0, 9, 12, 18, 20})
            QVERIFY(!holdsScreen(kRodNumberScreens, other));

        // Each draw takes one value; the ends of the ranges included.
        harness::ScriptedRandom random;
        random.pushInts({1, 10, 1, 10}, 10);
        QCOMPARE(drawTargetRod(random), 1);
        QCOMPARE(drawTargetRod(random), 10);
        QCOMPARE(drawTargetNumber(random), 11);
        QCOMPARE(drawTargetNumber(random), 20);
        QCOMPARE(random.draws(), 4);

        const std::vector<std::tuple<int, NumberDisplay, std::string>> texts = {
            {1, NumberDisplay::Word, "UNO"},        {7, NumberDisplay::Word, "SETTE"},
            {10, NumberDisplay::Word, "DIECI"},     {11, NumberDisplay::Word, "UNDICI"},
            {17, NumberDisplay::Word, "DICIASSETTE"}, {20, NumberDisplay::Word, "VENTI"},
            {7, NumberDisplay::Digits, " 7"},       {10, NumberDisplay::Digits, " 10"},
        };
        for (const auto& [n, display, text] : texts)
            QCOMPARE(numberText(n, display, italianSpeller()), text);
        // The words are the speller's; the digits are the same in every language.
        QCOMPARE(numberText(17, NumberDisplay::Word, englishSpeller()), std::string("SEVENTEEN"));
        QCOMPARE(numberText(7, NumberDisplay::Digits, englishSpeller()), std::string(" 7"));

        QCOMPARE(tensLine(14, 4), std::string(" 14 = 10 +  4"));
        QCOMPARE(tensLine(11, 1), std::string(" 11 = 10 +  1"));
        QCOMPARE(tensLine(20, 10), std::string(" 20 = 10 +  10"));

        // Probing from 4 every time: rods 4..10 then 1..3 take the places in turn.
        random.pushInts({4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, 10);
        QCOMPARE(placeOfEachRod(random), (std::array<int, 10>{7, 8, 9, 0, 1, 2, 3, 4, 5, 6}));
        random.pushInts({9, 9, 2, 2, 2, 2, 2, 2, 2, 2}, 10);
        QCOMPARE(placeOfEachRod(random), (std::array<int, 10>{9, 2, 3, 4, 5, 6, 7, 8, 0, 1}));
        QCOMPARE(random.draws(), 24);
        QCOMPARE(random.fallbackDraws(), 0);
    }

    void tensBox_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<std::vector<Drop>>("drops");
        QTest::addColumn<std::vector<Outcome>>("outcomes");
        QTest::addColumn<bool>("tenPlaced");
        QTest::newRow("14: the unit rod first, a second 10, a wrong rod, then 4")
            << 14 << std::vector<Drop>{{4, false}, {10, false}, {10, false}, {3, false}, {4, false}}
            << std::vector<Outcome>{Outcome::Wrong, Outcome::TenPlaced, Outcome::Wrong, Outcome::Wrong, Outcome::Right}
            << true;
        QTest::newRow("unit rod first leaves no 10 placed")
            << 11 << std::vector<Drop>{{1, false}, {1, false}}
            << std::vector<Outcome>{Outcome::Wrong, Outcome::Wrong} << false;
        QTest::newRow("11: the 10, then 1") << 11 << std::vector<Drop>{{10, false}, {1, false}}
                                            << std::vector<Outcome>{Outcome::TenPlaced, Outcome::Right} << true;
        QTest::newRow("20: the placed 10 again is no second 10, the other one is")
            << 20 << std::vector<Drop>{{10, false}, {10, true}, {10, false}}
            << std::vector<Outcome>{Outcome::TenPlaced, Outcome::Ignored, Outcome::Right} << true;
        QTest::newRow("20: nothing but a 10 completes it")
            << 20 << std::vector<Drop>{{10, false}, {9, false}, {1, false}}
            << std::vector<Outcome>{Outcome::TenPlaced, Outcome::Wrong, Outcome::Wrong} << true;
        QTest::newRow("solved: nothing more counts")
            << 15 << std::vector<Drop>{{10, false}, {5, false}, {5, false}, {3, false}, {10, false}}
            << std::vector<Outcome>{Outcome::TenPlaced, Outcome::Right, Outcome::Ignored, Outcome::Ignored,
                                    Outcome::Ignored}
            << true;
        QTest::newRow("no problem posed") << 0 << std::vector<Drop>{{10, false}}
                                          << std::vector<Outcome>{Outcome::Ignored} << false;
    }
    void tensBox()
    {
        QFETCH(int, target);
        QFETCH(std::vector<Drop>, drops);
        QFETCH(std::vector<Outcome>, outcomes);
        QFETCH(bool, tenPlaced);
        TensBox box;
        // A box left half filled by the problem before starts empty again.
        box.reset(12);
        box.drop(10, false);
        if (target != 0)
            box.reset(target);
        else
            box = TensBox();
        QCOMPARE(box.tenPlaced(), false);
        for (std::size_t i = 0; i < drops.size(); ++i)
            QCOMPARE(box.drop(drops[i].first, drops[i].second), outcomes[i]);
        QCOMPARE(box.tenPlaced(), tenPlaced);
    }

    // The shown answers pass the screens' own checks: the named rod for every
    // target, and the box of every number to 20, from empty and with the 10 laid.
    void solutionsPassTheChecks()
    {
        for (int target = 1; target <= 10; ++target) {
            const Solution moves = nameSolution(target);
            QVERIFY(moves.size() == 1 && namesRod(target, moves[0].place));
        }
        for (int target = 11; target <= 20; ++target)
            for (bool tenFirst : {false, true}) {
                TensBox box;
                box.reset(target);
                if (tenFirst)
                    QCOMPARE(box.drop(10, false), TensBox::Outcome::TenPlaced);
                const Solution moves = tensSolution(box);
                QCOMPARE(int(moves.size()), tenFirst ? 1 : 2);
                for (std::size_t i = 0; i < moves.size(); ++i) {
                    const bool last = i + 1 == moves.size();
                    QCOMPARE(moves[i].atUnits, last ? 10 : 0);
                    QCOMPARE(box.drop(moves[i].rod, false),
                             last ? TensBox::Outcome::Right : TensBox::Outcome::TenPlaced);
                }
            }
    }

};

BRASTI_TEST_MAIN(TestRodNumberModel)
#include "tst_rodnumbermodel.moc"
