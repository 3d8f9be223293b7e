// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The rod-and-number decisions without widgets: the family's table, the
// draws, the texts, the order the rods lie in and the filling of the box
// with the 10.
#include "common/tray.h"
#include "exercises/rodnumber/rodnumber.h"
#include "harness/harness.h"
#include "harness/testmain.h"

using namespace brasti;

namespace {


} // namespace


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
        QCOMPARE(probeShuffle(random), (std::array<int, 10>{4, 5, 6, 7, 8, 9, 10, 1, 2, 3}));
        random.pushInts({9, 9, 2, 2, 2, 2, 2, 2, 2, 2}, 10);
        QCOMPARE(probeShuffle(random), (std::array<int, 10>{9, 10, 2, 3, 4, 5, 6, 7, 8, 1}));
        QCOMPARE(random.draws(), 24);
        QCOMPARE(random.fallbackDraws(), 0);
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
                RodFill box = tensBox(target);
                if (tenFirst)
                    QCOMPARE(box.lay(10).verdict, LayVerdict::Placed);
                const Solution moves = tensSolution(box);
                QCOMPARE(int(moves.size()), tenFirst ? 1 : 2);
                for (std::size_t i = 0; i < moves.size(); ++i) {
                    const bool last = i + 1 == moves.size();
                    QCOMPARE(moves[i].atUnits, last ? 10 : 0);
                    QCOMPARE(box.lay(moves[i].rod).verdict, last ? LayVerdict::Completes : LayVerdict::Placed);
                }
                QVERIFY(tensSolution(box).empty());
            }
    }

};

BRASTI_TEST_MAIN(TestRodNumberModel)
#include "tst_rodnumbermodel.moc"
