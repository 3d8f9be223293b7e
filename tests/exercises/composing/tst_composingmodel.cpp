// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The composing screens' decisions without widgets: draws in their order,
// the single-rod checks and lines, the given rods that leave only the right
// strip open, and the composition rule.
#include "exercises/composing/composing.h"
#include "harness/harness.h"
#include "harness/testmain.h"
#include <algorithm>

#include <variant>

using namespace brasti;

namespace {

using Draws = std::vector<std::pair<int, int>>; // k out of n

void push(harness::ScriptedRandom& random, const Draws& draws)
{
    for (const auto& [k, n] : draws)
        random.pushInt(k, n);
}

const ComposingConfig& configOf(int screen)
{
    for (const ComposingEntry& e : kComposingScreens)
        if (e.screen == screen)
            return e.config;
    qFatal("no composing screen %d", screen);
}

const SingleRodRules& singleRodRules(int screen)
{
    return std::get<SingleRodConfig>(configOf(screen)).rules;
}

// The units the given rods cover on a strip from its left end, as [from, to) spans merged.
int coveredUnits(const std::vector<GivenRod>& rods, Strip strip)
{
    int reach = 0;
    for (bool grew = true; grew;) {
        grew = false;
        for (const GivenRod& g : rods)
            if (g.strip == strip && g.atUnits <= reach && g.atUnits + g.rod > reach) {
                reach = g.atUnits + g.rod;
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
        const SingleRodRules& config = singleRodRules(screen);
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
        for (int screen : {12, 13, 14, 15}) {
            const SingleRodRules& config = singleRodRules(screen);
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
                    const Strip closed = open == Strip::Upper ? Strip::Lower : Strip::Upper;
                    if ((closed == Strip::Upper ? config.upper : config.lower) != Check::None)
                        QCOMPARE(coveredUnits(given, closed), p.whole());
                    QCOMPARE(coveredUnits(given, open), p.whole() - answer);
                    for (const GivenRod& g : given)
                        QVERIFY(g.atUnits + g.rod <= p.whole());
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
        const CompositionProblem p = drawCompositionProblem(std::get<CompositionConfig>(configOf(screen)).kind, random);
        QCOMPARE(random.pending(), std::size_t(0));
        QCOMPARE(p.target, target);
        QCOMPARE(givenParts(p.given), parts);

        RodFill c = compositionRow(p);
        QCOMPARE(c.filled(), p.given);
        for (std::size_t i = 0; i < drops.size(); ++i) {
            const int before = c.filled();
            const std::string textBefore = compositionText(c);
            const LayVerdict step = c.lay(drops[i]).verdict;
            const QChar expected = steps.at(qsizetype(i));
            QCOMPARE(step, expected == 'F'   ? LayVerdict::Placed
                           : expected == 'C' ? LayVerdict::Completes
                                             : LayVerdict::Wrong);
            if (step == LayVerdict::Wrong) {
                QCOMPARE(c.filled(), before);
                QCOMPARE(compositionText(c), textBefore);
            }
            QVERIFY(c.filled() <= c.length());
        }
        QCOMPARE(QString::fromStdString(compositionText(c)), text);
    }

    // Every problem the composing screens can draw, and every state a row can
    // reach on the way: the shown rods fill it exactly, each laid where the
    // row is filled to, the 10 before the units, and no number needed more
    // often than its three rods.
    void solutionsPassTheChecks()
    {
        for (const ComposingEntry& e : kComposingScreens) {
            const auto* rules = std::get_if<SingleRodConfig>(&e.config);
            if (!rules)
                continue;
            const std::vector<ProblemKind> kinds = rules->rules.kind
                                                       ? std::vector{*rules->rules.kind}
                                                       : std::vector{ProblemKind::Sum, ProblemKind::Difference};
            for (ProblemKind kind : kinds)
                for (int first = 1; first <= 9; ++first)
                    for (int second = 1; first + second <= 10; ++second) {
                        if (kind == ProblemKind::MakeTen && first + second != 10)
                            continue;
                        const SingleRodProblem p{kind, first, second};
                        const Solution moves = singleRodSolution(rules->rules, p);
                        QCOMPARE(int(moves.size()), 1);
                        const Check check = checkOn(rules->rules, Strip(moves[0].place));
                        QVERIFY(check != Check::None && Strip(moves[0].place) == answerStrip(p));
                        QCOMPARE(moves[0].rod, rightRod(check, p));
                        // The rod ends flush with the strip, as long as the whole.
                        QCOMPARE(moves[0].atUnits + moves[0].rod, p.whole());
                    }
        }
        for (int target = 1; target <= 20; ++target)
            for (int given = 0; given < target; ++given) {
                for (int laid = 0; laid <= 10 && given + laid < target; ++laid) {
                    RodFill row = compositionRow({target, given});
                    if (laid > 0 && row.lay(laid).verdict != LayVerdict::Placed)
                        continue;
                    std::vector<int> used = givenParts(given);
                    if (laid > 0)
                        used.push_back(laid);
                    const Solution moves = compositionSolution(row);
                    for (std::size_t i = 0; i < moves.size(); ++i) {
                        QCOMPARE(moves[i].atUnits, row.filled());
                        QVERIFY(i + 1 == moves.size() || moves[i].rod == 10);
                        used.push_back(moves[i].rod);
                        QCOMPARE(row.lay(moves[i].rod).verdict,
                                 i + 1 == moves.size() ? LayVerdict::Completes : LayVerdict::Placed);
                    }
                    for (int k = 1; k <= 10; ++k)
                        QVERIFY(std::count(used.begin(), used.end(), k) <= 3);
                }
            }
    }

};

BRASTI_TEST_MAIN(TestComposingModel)
#include "tst_composingmodel.moc"
