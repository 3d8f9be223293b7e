// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The comparison screens' decisions without widgets: the row of three boxes,
// the relation with its correction and the sign between two rods. Every
// draw is forced.
#include "exercises/comparison/comparison.h"
#include "harness/harness.h"
#include "harness/testmain.h"

using namespace brasti;

namespace {
// Rods dropped in the left, middle and right box; 0 leaves a box empty.
using Dropped = std::array<int, 3>;
} // namespace

Q_DECLARE_METATYPE(brasti::Side)

class TestComparisonModel : public QObject {
    Q_OBJECT
private slots:
    // LowRod forced to both ends, and what the open boxes hold at "Conferma".
    void rows_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("lowRod");
        QTest::addColumn<Dropped>("dropped");
        QTest::addColumn<bool>("right");
        QTest::newRow("middle, LowRod 1") << 6 << 1 << Dropped{0, 2, 0} << true;
        QTest::newRow("middle, LowRod 8") << 6 << 8 << Dropped{0, 9, 0} << true;
        QTest::newRow("middle, one too long") << 6 << 8 << Dropped{0, 10, 0} << false;
        QTest::newRow("middle, empty") << 6 << 4 << Dropped{0, 0, 0} << false;
        QTest::newRow("neighbours, LowRod 1") << 7 << 1 << Dropped{1, 0, 3} << true;
        QTest::newRow("neighbours, LowRod 8") << 7 << 8 << Dropped{8, 0, 10} << true;
        QTest::newRow("neighbours, swapped") << 7 << 3 << Dropped{5, 0, 3} << false;
        QTest::newRow("neighbours, left only") << 7 << 3 << Dropped{3, 0, 0} << false;
        QTest::newRow("neighbours, right only") << 7 << 3 << Dropped{0, 0, 5} << false;
        QTest::newRow("neighbours, one right one wrong") << 7 << 3 << Dropped{3, 0, 6} << false;
    }
    void rows()
    {
        QFETCH(int, screen);
        QFETCH(int, lowRod);
        QFETCH(Dropped, dropped);
        QFETCH(bool, right);

        harness::ScriptedRandom random;
        random.pushInt(lowRod, 8);
        QCOMPARE(drawLowRod(random), lowRod);
        QCOMPARE(random.fallbackDraws(), 0);

        const RowRules& config = kComparisonScreens[std::size_t(screen - 6)].config.row;
        QCOMPARE(kComparisonScreens[std::size_t(screen - 6)].screen, screen);
        RowAnswer answer;
        for (RowBox box : kRowBoxes) {
            const int rod = dropped[static_cast<std::size_t>(box)];
            // Given boxes never receive a rod; open boxes only what the test drops.
            QVERIFY(rod == 0 || !isGiven(config, box));
            if (rod != 0)
                QVERIFY(answer.place(box, rod));
        }
        QCOMPARE(answer.isRight(config, lowRod), right);

        // A box holds one rod: a second drop changes nothing.
        for (RowBox box : kRowBoxes) {
            if (answer.rodIn(box) != 0) {
                QVERIFY(!answer.place(box, 7));
                QCOMPARE(answer.rodIn(box), dropped[static_cast<std::size_t>(box)]);
            }
        }
        QCOMPARE(answer.isRight(config, lowRod), right);
        answer.clear();
        QVERIFY(!answer.isRight(config, lowRod));
    }

    // Kind, rod and side forced in their order of drawing; the rod as
    // corrected, and the range of rods that complete the relation.
    void relations_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("drawnRod");
        QTest::addColumn<Side>("side");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<int>("shownRod");
        QTest::addColumn<int>("firstRight");
        QTest::addColumn<int>("lastRight");
        const Side L = Side::Left;
        const Side R = Side::Right;
        QTest::newRow("1 > left, 1 becomes 2") << 1 << 1 << L << ">" << 2 << 1 << 1;
        QTest::newRow("2 > left, 10") << 2 << 10 << L << ">" << 10 << 1 << 9;
        QTest::newRow("1 > right, 10 becomes 9") << 1 << 10 << R << ">" << 9 << 10 << 10;
        QTest::newRow("2 > right, 1") << 2 << 1 << R << ">" << 1 << 2 << 10;
        QTest::newRow("2 > left, 5") << 2 << 5 << L << ">" << 5 << 1 << 4;
        QTest::newRow("3 < right, 1 becomes 2") << 3 << 1 << R << "<" << 2 << 1 << 1;
        QTest::newRow("4 < right, 10") << 4 << 10 << R << "<" << 10 << 1 << 9;
        QTest::newRow("3 < left, 10 becomes 9") << 3 << 10 << L << "<" << 9 << 10 << 10;
        QTest::newRow("4 < left, 1") << 4 << 1 << L << "<" << 1 << 2 << 10;
        QTest::newRow("3 < right, 6") << 3 << 6 << R << "<" << 6 << 1 << 5;
        QTest::newRow("5 = left, 1") << 5 << 1 << L << "=" << 1 << 1 << 1;
        QTest::newRow("5 = right, 10") << 5 << 10 << R << "=" << 10 << 10 << 10;
        QTest::newRow("5 = left, 7") << 5 << 7 << L << "=" << 7 << 7 << 7;
    }
    void relations()
    {
        QFETCH(int, kind);
        QFETCH(int, drawnRod);
        QFETCH(Side, side);
        QFETCH(QString, sign);
        QFETCH(int, shownRod);
        QFETCH(int, firstRight);
        QFETCH(int, lastRight);

        harness::ScriptedRandom random;
        random.pushInt(kind, 5);
        random.pushInt(drawnRod, 10);
        random.pushInt(static_cast<int>(side), 2);
        const RelationProblem p = drawRelationProblem(random);
        QCOMPARE(random.draws(), 3);
        QCOMPARE(random.fallbackDraws(), 0);
        QCOMPARE(p.kind, kind);
        QCOMPARE(p.shownSide, side);
        QCOMPARE(p.shownRod, shownRod);
        QCOMPARE(QString::fromLatin1(signOf(p.relation())), sign);
        for (int d = 1; d <= 10; ++d)
            QCOMPARE(completesRelation(p, d), d >= firstRight && d <= lastRight);
    }

    void everyRelationHasARightRod()
    {
        for (int kind = 1; kind <= 5; ++kind)
            for (Side side : {Side::Left, Side::Right})
                for (int rod = 1; rod <= 10; ++rod) {
                    const RelationProblem p{kind, correctedShownRod(relationOfKind(kind), rod, side), side};
                    int rights = 0;
                    for (int d = 1; d <= 10; ++d)
                        rights += completesRelation(p, d) ? 1 : 0;
                    QVERIFY2(rights > 0, qPrintable(QStringLiteral("kind %1 rod %2").arg(kind).arg(rod)));
                    QVERIFY(p.shownRod >= 1 && p.shownRod <= 10);
                }
    }

    void signs_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("rightSign");
        QTest::newRow("3 ? 7") << 3 << 7 << "<";
        QTest::newRow("10 ? 1") << 10 << 1 << ">";
        QTest::newRow("5 ? 5") << 5 << 5 << "=";
        QTest::newRow("1 ? 1") << 1 << 1 << "=";
    }
    void signs()
    {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(QString, rightSign);
        harness::ScriptedRandom random;
        random.pushInt(left, 10);
        random.pushInt(right, 10);
        const SignProblem p = drawSignProblem(random);
        QCOMPARE(random.draws(), 2);
        QCOMPARE(p.leftRod, left);
        QCOMPARE(p.rightRod, right);
        int rights = 0;
        for (Relation sign : {Relation::Greater, Relation::Less, Relation::Equal}) {
            const bool isRight = isRightSign(p, sign);
            rights += isRight ? 1 : 0;
            QCOMPARE(isRight, QString::fromLatin1(signOf(sign)) == rightSign);
        }
        QCOMPARE(rights, 1);
    }

    // Every problem the comparison screens can draw, solved by the shown
    // answer as their own checks judge it.
    void solutionsPassTheChecks()
    {
        for (const ComparisonEntry& e : kComparisonScreens) {
            if (e.screen > 7)
                continue;
            for (int low = 1; low <= 8; ++low) {
                RowAnswer answer;
                const Solution moves = rowSolution(e.config.row, low);
                for (const Move& m : moves)
                    if (m.kind == Move::Kind::Lay)
                        QVERIFY(!isGiven(e.config.row, RowBox(m.place)) && answer.place(RowBox(m.place), m.rod));
                QCOMPARE(moves.back(), Move::press(kRowConfermaControl));
                // The child's rods in the open boxes: "Ricomincia", each of
                // them back, box by box, then the same answer.
                RowAnswer laid;
                Solution expected{Move::press(kRowRicominciaControl)};
                for (RowBox box : kRowBoxes)
                    if (!isGiven(e.config.row, box) && laid.place(box, 11 - rodFor(box, low)))
                        expected.push_back(Move::back(11 - rodFor(box, low)));
                expected.insert(expected.end(), moves.begin(), moves.end());
                QCOMPARE(rowSolution(e.config.row, low, laid), expected);
                QVERIFY(answer.isRight(e.config.row, low));
            }
        }
        for (int kind = 1; kind <= 5; ++kind)
            for (int shown = 1; shown <= 10; ++shown)
                for (Side side : {Side::Left, Side::Right}) {
                    const RelationProblem p{kind, correctedShownRod(relationOfKind(kind), shown, side), side};
                    const Solution moves = relationSolution(p);
                    QCOMPARE(int(moves.size()), 1);
                    QVERIFY(Side(moves[0].place) != side && completesRelation(p, moves[0].rod));
                    // The nearest rod that does: one nearer would not.
                    const int distance = std::abs(moves[0].rod - p.shownRod);
                    for (int d = 1; d <= 10; ++d)
                        QVERIFY(std::abs(d - p.shownRod) >= distance || !completesRelation(p, d));
                }
        for (int left = 1; left <= 10; ++left)
            for (int right = 1; right <= 10; ++right) {
                const SignProblem p{left, right};
                const Solution moves = signSolution(p);
                QVERIFY(moves.size() == 1 && moves[0].kind == Move::Kind::Press);
                QVERIFY(isRightSign(p, Relation(moves[0].place)));
            }
    }

};

BRASTI_TEST_MAIN(TestComparisonModel)
#include "tst_comparisonmodel.moc"
