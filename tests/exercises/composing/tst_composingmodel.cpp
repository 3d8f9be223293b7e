// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The composing screens' decisions without widgets: draws in their order,
// the single-rod checks and lines, the composition rule, and the places
// that make only the right strip reachable.
#include "exercises/composing/composinglayout.h"
#include "exercises/composing/composingmodel.h"
#include "harness/harness.h"
#include "harness/testmain.h"

using namespace brasti;

namespace {

using Draws = std::vector<std::pair<int, int>>; // k out of n

void push(harness::ScriptedRandom& random, const Draws& draws)
{
    for (const auto& [k, n] : draws)
        random.pushInt(k, n);
}

QRect q(const TwipsRect& r)
{
    return toQRect(r);
}

// The twips a set of places covers along one row, as [from, to) spans merged.
int coveredFrom(const std::vector<GivenRod>& rods, int top, int from)
{
    int reach = from;
    for (bool grew = true; grew;) {
        grew = false;
        for (const GivenRod& g : rods)
            if (g.place.top == top && g.place.left <= reach && g.place.left + g.place.width > reach) {
                reach = g.place.left + g.place.width;
                grew = true;
            }
    }
    return reach;
}

} // namespace

Q_DECLARE_METATYPE(Draws)

class TestComposingModel : public QObject {
    Q_OBJECT
private slots:
    void singleRodProblems_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("line");
        QTest::newRow("12 given 5, answer as long") << 12 << Draws{{5, 9}} << 5 << 5 << 5 << " 5 +  5 = 10";
        QTest::newRow("13 whole 10") << 13 << Draws{{9, 9}, {3, 9}} << 3 << 7 << 10 << " 3 +  7 =  10";
        QTest::newRow("14 answer as given") << 14 << Draws{{3, 9}, {2, 3}} << 2 << 2 << 2 << " 4 -  2 =  2";
        QTest::newRow("15 difference") << 15 << Draws{{1, 2}, {5, 9}, {2, 5}} << 2 << 4 << 4 << " 6 -  2 =  4";
        QTest::newRow("15 sum") << 15 << Draws{{2, 2}, {8, 9}, {4, 8}} << 4 << 5 << 9 << " 4 +  5 =  9";
    }
    void singleRodProblems()
    {
        QFETCH(int, screen);
        QFETCH(Draws, draws);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, answer);
        QFETCH(QString, line);
        const SingleRodConfig& config = singleRodConfig(screen);
        harness::ScriptedRandom random;
        push(random, draws);
        const SingleRodProblem p = drawSingleRodProblem(config, random);
        QCOMPARE(random.pending(), std::size_t(0));
        QCOMPARE(random.draws(), int(draws.size()));
        QCOMPARE(p.firstPart, first);
        QCOMPARE(p.secondPart, second);

        // Only the open strip has a check, and it takes exactly the answer.
        const Strip open = answerStrip(p);
        const Check check = open == Strip::Upper ? config.upper : config.lower;
        QVERIFY(check != Check::None);
        QCOMPARE(rightRod(check, p), answer);
        QCOMPARE(QString::fromStdString(singleRodLine(check, p, answer)), line);
        if (screen == 15)
            QCOMPARE(p.kind, draws.front().first == 1 ? ProblemKind::Difference : ProblemKind::Sum);
    }

    void singleRodDrawsOverTheWholeRange()
    {
        // Every bucket of every draw: the parts stay in range, the answer of
        // 12 is never the rod of 10, that of a sum never the rod of 1, and
        // the given rods cover a closed strip that takes drops and leave
        // exactly the answer's gap in the open one.
        for (int screen : kSingleRodScreens) {
            const SingleRodConfig& config = singleRodConfig(screen);
            for (double a = 0; a < 1; a += 0.05) {
                for (double b = 0; b < 1; b += 0.05) {
                    harness::ScriptedRandom random;
                    for (double v : {a, b, 0.999, 0.0})
                        random.push(v);
                    const SingleRodProblem p = drawSingleRodProblem(config, random);
                    QVERIFY(p.firstPart >= 1 && p.secondPart >= 1 && p.whole() <= 10);
                    const Strip open = answerStrip(p);
                    const int answer = rightRod(open == Strip::Upper ? config.upper : config.lower, p);
                    QVERIFY(answer >= 1 && answer <= 10);
                    if (screen == 12)
                        QVERIFY(answer != 10);
                    if (p.kind == ProblemKind::Sum)
                        QVERIFY(answer != 1);

                    const std::vector<GivenRod> given = givenRods(p);
                    for (const GivenRod& g : given)
                        QCOMPARE(g.place.width, g.rod * kUnitTwips);
                    const Strip closed = open == Strip::Upper ? Strip::Lower : Strip::Upper;
                    const TwipsRect shut = stripPlace(closed, p);
                    if ((closed == Strip::Upper ? config.upper : config.lower) != Check::None)
                        QCOMPARE(coveredFrom(given, shut.top, shut.left), shut.left + shut.width);
                    const TwipsRect gap = snapPlace(open, p, answer);
                    const TwipsRect strip = stripPlace(open, p);
                    QCOMPARE(coveredFrom(given, strip.top, strip.left), gap.left);
                    QCOMPARE(gap.left + gap.width, strip.left + strip.width);
                }
            }
        }
    }

    void compositions_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<int>("target");
        QTest::addColumn<std::vector<int>>("parts");
        QTest::addColumn<std::vector<int>>("drops");
        QTest::addColumn<QString>("steps"); // F fits, C closes, O overshoots
        QTest::addColumn<QString>("text");
        QTest::newRow("17 the target rod") << 17 << Draws{{5, 10}} << 5 << std::vector<int>{} << std::vector<int>{5}
                                           << "C" << " 5 =  5";
        QTest::newRow("17 overshoot between") << 17 << Draws{{4, 10}} << 4 << std::vector<int>{}
                                              << std::vector<int>{3, 2, 1, 1} << "FOCO" << " 3 +  1 =  4";
        QTest::newRow("20 given 10") << 20 << Draws{{10, 10}, {1, 10}} << 11 << std::vector<int>{10}
                                     << std::vector<int>{2, 1} << "OC" << " 10 +  1 =  11";
        QTest::newRow("27 given 13") << 27 << Draws{{13, 19}} << 20 << std::vector<int>{10, 3} << std::vector<int>{7}
                                     << "C" << " 13 +  7 =  20";
        QTest::newRow("27 given 1") << 27 << Draws{{1, 19}} << 20 << std::vector<int>{1}
                                    << std::vector<int>{10, 10, 9} << "FOC" << " 1 +  10 +  9 =  20";
    }
    void compositions()
    {
        QFETCH(int, screen);
        QFETCH(Draws, draws);
        QFETCH(int, target);
        QFETCH(std::vector<int>, parts);
        QFETCH(std::vector<int>, drops);
        QFETCH(QString, steps);
        QFETCH(QString, text);
        harness::ScriptedRandom random;
        push(random, draws);
        const CompositionProblem p = drawCompositionProblem(compositionConfig(screen).kind, random);
        QCOMPARE(random.pending(), std::size_t(0));
        QCOMPARE(p.target, target);
        QCOMPARE(givenParts(p.given), parts);

        Composition c(p.target, p.given);
        QCOMPARE(c.filled(), p.given);
        for (std::size_t i = 0; i < drops.size(); ++i) {
            const int before = c.filled();
            const std::string textBefore = c.text();
            const Composition::Step step = c.add(drops[i]);
            const QChar expected = steps.at(qsizetype(i));
            QCOMPARE(step, expected == 'F'   ? Composition::Step::Fits
                           : expected == 'C' ? Composition::Step::Closes
                                             : Composition::Step::Overshoots);
            if (step == Composition::Step::Overshoots) {
                QCOMPARE(c.filled(), before);
                QCOMPARE(c.text(), textBefore);
            }
            QVERIFY(c.filled() <= c.target());
        }
        QCOMPARE(QString::fromStdString(c.text()), text);
    }

    void layoutsKeepControlsApart()
    {
        // The tray column with rod 10 in the lowest slot.
        const QRect tray(kTrayLeft, traySlotTop(0), 10 * kUnitTwips, traySlotTop(9) + kUnitTwips - traySlotTop(0));
        const auto insideWindow = [](const TwipsRect& frame) {
            const FrameLayout f = composingFrameLayout(frame);
            const QRect client(QPoint(0, 0), f.client);
            const QRect box = q(frame);
            for (const QRect& r : {box, f.avanti, f.icons, f.label1, f.esatti, f.label2, f.errati})
                QVERIFY(client.contains(r));
            for (const QRect& r : {f.avanti, f.icons, f.label1, f.esatti, f.label2, f.errati})
                QVERIFY(!box.intersects(r));
            QVERIFY(!f.avanti.intersects(f.errati) && !f.icons.intersects(f.label1));
        };

        insideWindow(kSingleRodFrame);
        const QRect frame(0, 0, kSingleRodFrame.width, kSingleRodFrame.height);
        const QRect list = q(kSingleRodList);
        const SingleRodProblem widest{ProblemKind::Sum, 5, 5};
        for (Strip s : {Strip::Upper, Strip::Lower}) {
            const QRect strip = q(stripPlace(s, widest)).adjusted(0, 0, 0, kGivenRodHeight - kUnitTwips);
            QVERIFY(frame.contains(strip));
            QVERIFY(!strip.intersects(list) && !strip.intersects(tray));
        }
        QVERIFY(frame.contains(list) && frame.contains(tray) && !list.intersects(tray));

        for (int screen : kCompositionScreens) {
            const CompositionConfig& c = compositionConfig(screen);
            insideWindow(c.frame);
            const QRect inner(0, 0, c.frame.width, c.frame.height);
            const int most = c.kind == CompositionKind::BuildRod ? 10 : 20;
            QRect row = q(c.row);
            row.setWidth(most * kUnitTwips);
            QRect bars = q(c.targetBar);
            if (c.unitsBar)
                bars = bars.united(q(*c.unitsBar));
            for (const QRect& r : {row, bars, q(c.list), tray})
                QVERIFY(inner.contains(r));
            QVERIFY(!row.intersects(q(c.list)) && !bars.intersects(q(c.list)) && !row.intersects(bars));
            QVERIFY(!tray.intersects(row) && !tray.intersects(bars) && !tray.intersects(q(c.list)));
            QCOMPARE(c.menuBlanks, screen == 27 ? 9 : 10);
        }
    }
};

BRASTI_TEST_MAIN(TestComposingModel)
#include "tst_composingmodel.moc"
