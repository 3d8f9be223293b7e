// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Where the composing screens put things for every problem: the given rods
// lie on the strips so that only the answer's gap stays open, and the tray,
// the strips, the bars and the row at their longest never overlap the list
// nor each other.
#include "common/board.h"
#include "common/tray.h"
#include "exercises/composing/composing.h"
#include "harness/testmain.h"

#include <variant>

using namespace brasti;

namespace {

// The twips a set of places covers along one row, as [from, to) spans merged.
int coveredFrom(const std::vector<TwipsRect>& places, int top, int from)
{
    int reach = from;
    for (bool grew = true; grew;) {
        grew = false;
        for (const TwipsRect& p : places)
            if (p.top == top && p.left <= reach && p.left + p.width > reach) {
                reach = p.left + p.width;
                grew = true;
            }
    }
    return reach;
}

// The tray column with rod 10 in the lowest slot.
const QRect kTray = toQRect(kColumnTray.rodPlace(0, 10)).united(toQRect(kColumnTray.rodPlace(9, 10)));

} // namespace

class TestComposingLayout : public QObject {
    Q_OBJECT
private slots:
    // Every problem the single-rod screens can pose: the given rods as long
    // as their rods, covering the closed strip, and the gap the right rod
    // snaps into at the open strip's right end.
    void givenRodsLeaveTheAnswersGap()
    {
        for (const ComposingEntry& e : kComposingScreens) {
            const auto* single = std::get_if<SingleRodConfig>(&e.config);
            if (!single)
                continue;
            std::vector<SingleRodProblem> problems;
            for (int first = 1; first <= 9; ++first)
                for (int second = 1; first + second <= 10; ++second)
                    for (ProblemKind kind : {ProblemKind::MakeTen, ProblemKind::Sum, ProblemKind::Difference})
                        // Without a kind of its own a screen draws sums and differences.
                        if ((single->rules.kind ? kind == *single->rules.kind : kind != ProblemKind::MakeTen)
                            && (kind != ProblemKind::MakeTen || first + second == 10))
                            problems.push_back({kind, first, second});
            QVERIFY(!problems.empty());
            for (const SingleRodProblem& p : problems) {
                const Strip open = answerStrip(p);
                const Strip closed = open == Strip::Upper ? Strip::Lower : Strip::Upper;
                const int answer = rightRod(open == Strip::Upper ? single->rules.upper : single->rules.lower, p);
                std::vector<TwipsRect> places;
                for (const GivenRod& g : givenRods(p)) {
                    places.push_back(composing::givenRodPlace(g));
                    QCOMPARE(places.back().width, g.rod * kUnitTwips);
                    QCOMPARE(places.back().top, composing::stripPlace(g.strip, p).top);
                }
                const TwipsRect shut = composing::stripPlace(closed, p);
                if ((closed == Strip::Upper ? single->rules.upper : single->rules.lower) != Check::None)
                    QCOMPARE(coveredFrom(places, shut.top, shut.left), shut.left + shut.width);
                const TwipsRect gap = composing::snapPlace(open, p, answer);
                const TwipsRect strip = composing::stripPlace(open, p);
                QCOMPARE(coveredFrom(places, strip.top, strip.left), gap.left);
                QCOMPARE(gap.left + gap.width, strip.left + strip.width);
                QCOMPARE(gap.width, answer * kUnitTwips);
            }
        }
    }

    void singleRodScreensKeepTheirPartsApart()
    {
        const QRect frame(0, 0, composing::kSingleRodFrame.width, composing::kSingleRodFrame.height);
        const QRect list = toQRect(composing::kSingleRodList);
        for (Strip s : {Strip::Upper, Strip::Lower}) {
            const QRect strip = toQRect(composing::designedStrip(s))
                                    .adjusted(0, 0, 0, composing::kGivenRodHeight - kUnitTwips);
            QVERIFY(frame.contains(strip));
            QVERIFY(!strip.intersects(list) && !strip.intersects(kTray));
        }
        QVERIFY(!toQRect(composing::designedStrip(Strip::Upper))
                     .intersects(toQRect(composing::designedStrip(Strip::Lower))));
        QVERIFY(frame.contains(list) && frame.contains(kTray) && !list.intersects(kTray));
    }

    void compositionScreensKeepTheirPartsApart()
    {
        int screens = 0;
        for (const ComposingEntry& e : kComposingScreens) {
            const auto* composition = std::get_if<CompositionConfig>(&e.config);
            if (!composition)
                continue;
            ++screens;
            const CompositionLayout& c = composition->layout;
            const QRect inner(0, 0, c.frame.width, c.frame.height);
            const int most = composition->kind == CompositionKind::BuildRod ? 10 : 20;
            const QRect row = toQRect(c.row.withWidth(most * kUnitTwips));
            QRect bars = toQRect(c.targetBar);
            if (c.unitsBar)
                bars = bars.united(toQRect(*c.unitsBar));
            const QRect list = toQRect(c.list);
            for (const QRect& r : {row, bars, list, kTray})
                QVERIFY(inner.contains(r));
            QVERIFY(!row.intersects(list) && !bars.intersects(list) && !row.intersects(bars));
            QVERIFY(!kTray.intersects(row) && !kTray.intersects(bars) && !kTray.intersects(list));
        }
        QCOMPARE(screens, 3);
    }
};

BRASTI_TEST_MAIN(TestComposingLayout)
#include "tst_composinglayout.moc"
