// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Whole plays of the four comparison screens, with real drags and clicks
// through the window and every draw of chance scripted: wrong answers, then
// right ones, in both advance modes, and the moves a child should not make.
#include "app/catalogue.h"
#include "common/board.h"
#include "common/colours.h"
#include "common/pictures.h"
#include "common/sound/sound.h"
#include "exercises/comparison/relationscreen.h"
#include "exercises/comparison/rowscreen.h"
#include "exercises/comparison/signscreen.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <memory>

using namespace brasti;
using harness::at;

Q_DECLARE_METATYPE(brasti::Side)
Q_DECLARE_METATYPE(brasti::Relation)

namespace {

struct Session {
    harness::TestContext t;
    std::unique_ptr<ExerciseScreen> screen; // destroyed before its context
    template <typename T> T* as() const { return qobject_cast<T*>(screen.get()); }
};

// The tray shuffle with every probe starting at `start`: rods start, start + 1, ... at places 0, 1, ...
void pushTray(harness::ScriptedRandom& random, int start)
{
    for (int place = 0; place < 10; ++place)
        random.pushInt(start, 10);
}

int trayPlaceOf(int rod, int start)
{
    return (rod - start + 10) % 10;
}

// Opens screen n as the shell does, with the first problem's draws scripted by `script`.
std::unique_ptr<Session> openScreen(int n, bool autoAdvance, const std::function<void(harness::ScriptedRandom&)>& script)
{
    auto s = std::make_unique<Session>();
    s->t.context.autoAdvance = autoAdvance;
    script(s->t.random);
    s->screen.reset(createExerciseScreen(n, s->t.context));
    s->screen->load();
    s->screen->show();
    return s;
}

// Rod or copy k standing on the bottom of a box.
bool standsIn(const QWidget* item, const QWidget* box, int k)
{
    const QRect b = Board::designRect(box);
    return Board::designRect(item) == QRect(b.left(), b.bottom() + 1 - 350 * k, 350, 350 * k);
}

bool inTray(const Rod* rod, int start)
{
    return at(rod) == QPoint(200 + 400 * trayPlaceOf(rod->number(), start), (10 - rod->number()) * 350 + 200)
        && rod->isMovable() && rod->isVisible();
}

void trigger(QWidget* screen, const char* name)
{
    screen->findChild<QAction*>(QString::fromLatin1(name))->trigger();
}

QColor colourOf(const QWidget* w)
{
    return w->palette().color(w->backgroundRole());
}

// Drops that must take no effect: on the container, a label, a button, far outside the window.
void dropNowhere(ExerciseScreen* w, Rod* rod, QWidget* container, QWidget* label)
{
    harness::dragRodTo(rod, w, container->mapTo(w, QPoint(3, container->height() - 3)));
    harness::dragRodOnto(rod, label);
    harness::dragRodOnto(rod, w->avantiButton());
    harness::dragRodTo(rod, w, QPoint(w->width() + 50, w->height() + 50));
    harness::dragRodTo(rod, w, QPoint(-40, 20));
}

} // namespace

class TestComparisonScreen : public QObject {
    Q_OBJECT
private slots:
    void catalogueOpensTheFourScreens()
    {
        harness::TestContext t;
        const QStringList titles = {"trova il brasto in mezzo", "trova i brasti vicini", "trova il   > < =",
                                    "inserisci   > < ="};
        const std::vector<Bgr> backgrounds = {0xFFC0FF, 0xC0C0FF, 0x008080, 0x008080};
        for (int n = 6; n <= 9; ++n) {
            std::unique_ptr<ExerciseScreen> s(createExerciseScreen(n, t.context));
            s->load();
            QCOMPARE(s->objectName(), QStringLiteral("Form%1").arg(n));
            QCOMPARE(s->windowTitle(), titles[n - 6]);
            QCOMPARE(s->board()->background(), backgrounds[std::size_t(n - 6)]);
            QCOMPARE(s->stance(), RodStance::Upright);
            auto* frame = s->findChild<QWidget*>(QStringLiteral("frame"));
            QCOMPARE(colourOf(frame), toQColor(kContainerGrey));
        }
        QVERIFY(!holdsScreen(kComparisonScreens, 5));
        QVERIFY(!holdsScreen(kComparisonScreens, 10));
    }

    // Form6 and Form7, LowRod at both ends, in both advance modes.
    void rowPlays_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("lowRod");
        QTest::addColumn<bool>("autoAdvance");
        for (int screen : {6, 7})
            for (int low : {1, 8})
                for (bool autoAdvance : {false, true})
                    QTest::addRow("Form%d LowRod %d %s", screen, low, autoAdvance ? "auto" : "avanti")
                        << screen << low << autoAdvance;
    }
    void rowPlays()
    {
        QFETCH(int, screen);
        QFETCH(int, lowRod);
        QFETCH(bool, autoAdvance);
        auto s = openScreen(screen, autoAdvance, [&](harness::ScriptedRandom& r) {
            pushTray(r, 4);
            r.pushInt(lowRod, 8);
        });
        QVERIFY(QTest::qWaitForWindowExposed(s->screen.get()));
        RowScreen* w = s->as<RowScreen>();
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QCOMPARE(w->lowRod(), lowRod);
        QCOMPARE(w->title()->text(), w->windowTitle());
        QCOMPARE(w->title()->text(), QString::fromUtf8(kComparisonScreens[std::size_t(screen - 6)].caption));
        const bool middle = screen == 6;
        const std::vector<RowBox> open = middle ? std::vector<RowBox>{RowBox::Middle}
                                                : std::vector<RowBox>{RowBox::Left, RowBox::Right};

        // The boxes as designed; the given rods stand in theirs, fixed; the rest wait in the tray.
        const std::array<int, 3> lefts = {5640, 6120, 6600};
        for (RowBox b : kRowBoxes) {
            QCOMPARE(Board::designRect(w->box(b)), QRect(lefts[std::size_t(b)], 360, 350, 3500));
            QCOMPARE(w->box(b)->objectName(), QStringLiteral("Picture%1").arg(int(b) + 1));
        }
        const auto givenInPlace = [&] {
            for (RowBox b : kRowBoxes) {
                if (!isGiven(w->config().row, b))
                    continue;
                Rod* given = w->rod(rodFor(b, lowRod));
                QVERIFY(standsIn(given, w->box(b), given->number()));
                QVERIFY(!given->isMovable());
            }
        };
        const auto restInTray = [&](int start) {
            for (int k = 1; k <= 10; ++k) {
                const bool given = (middle && (k == lowRod || k == lowRod + 2)) || (!middle && k == lowRod + 1);
                bool held = false;
                for (RowBox b : kRowBoxes)
                    held = held || w->answer().rodIn(b) == k;
                if (!given && !held)
                    QVERIFY2(inTray(w->rod(k), start), qPrintable(QString::number(k)));
            }
        };
        givenInPlace();
        restInTray(4);

        // "Conferma" with nothing dropped is wrong.
        harness::clickThroughWindow(w->confermaButton());
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(1));
        QCOMPARE(w->wrongLabel()->text(), QStringLiteral(" 1"));
        QVERIFY(w->wrongIcon()->isVisible() && !w->rightIcon()->isVisible());

        // A wrong answer: a rod too long in the middle, or the neighbours swapped.
        const int stray = lowRod == 8 ? 3 : lowRod + 4;
        if (middle) {
            harness::dragRodOnto(w->rod(stray), w->box(RowBox::Middle));
        } else {
            harness::dragRodOnto(w->rod(lowRod + 2), w->box(RowBox::Left));
            harness::dragRodOnto(w->rod(lowRod), w->box(RowBox::Right));
        }
        for (RowBox b : open) {
            const int held = w->answer().rodIn(b);
            QVERIFY(held != 0);
            QVERIFY(standsIn(w->rod(held), w->box(b), held));
            QVERIFY(!w->rod(held)->isMovable());
            QCOMPARE(w->box(b)->property("tag").toString(), QStringLiteral("occupato"));
        }
        // Moves that change nothing: onto a filled box, a given box or rod, the
        // tray, labels, outside; and dragging a fixed rod.
        const int spare = lowRod == 1 ? 9 : 1;
        Rod* spareRod = w->rod(spare);
        for (RowBox b : kRowBoxes)
            harness::dragRodOnto(spareRod, w->box(b));
        harness::dragRodOnto(spareRod, w->rod(middle ? lowRod : lowRod + 1));
        dropNowhere(w, spareRod, w->container(), w->title());
        harness::dragRodOnto(w->rod(middle ? lowRod : lowRod + 1), w->box(open.front()));
        restInTray(4);
        givenInPlace();
        QVERIFY(!w->findChild<QWidget*>(QStringLiteral("contornoTrascinamento"))->isVisible());

        // Each "Conferma" of the wrong board counts again.
        harness::clickThroughWindow(w->confermaButton());
        harness::clickThroughWindow(w->confermaButton());
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(3));
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(0));
        QCOMPARE(s->t.sound.played, std::vector<Sound>(3, Sound::Wrong));

        // "Ricomincia": a new tray, the same problem, the boxes free.
        pushTray(s->t.random, 9);
        harness::clickThroughWindow(w->ricominciaButton());
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QCOMPARE(w->lowRod(), lowRod);
        givenInPlace();
        restInTray(9);
        for (RowBox b : open) {
            QCOMPARE(w->answer().rodIn(b), 0);
            QCOMPARE(w->box(b)->property("tag").toString(), QString());
        }
        QCOMPARE(w->wrongLabel()->text(), QStringLiteral(" 3"));
        QVERIFY(w->wrongIcon()->isVisible());

        // Right.
        for (RowBox b : open)
            harness::dragRodOnto(w->rod(rodFor(b, lowRod)), w->box(b));
        s->t.random.pushInt(3, 4);
        if (autoAdvance) {
            pushTray(s->t.random, 2);
            s->t.random.pushInt(5, 8);
        }
        harness::clickThroughWindow(w->confermaButton());
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QCOMPARE(w->rightLabel()->text(), QStringLiteral(" 1"));
        QVERIFY(w->rightIcon()->isVisible() && !w->wrongIcon()->isVisible());
        QCOMPARE(s->t.sound.played.back(), Sound::Right3);
        if (autoAdvance) {
            // The next problem at once, ready to play.
            QCOMPARE(s->t.random.pending(), std::size_t(0));
            QCOMPARE(w->lowRod(), 5);
            QVERIFY(w->avantiButton()->isHidden());
            QVERIFY(w->confermaButton()->isEnabled());
            for (RowBox b : open)
                QCOMPARE(w->answer().rodIn(b), 0);
            return;
        }
        QVERIFY(!w->confermaButton()->isEnabled());
        QVERIFY(w->avantiButton()->isEnabled());
        // Locked: neither a click nor a late call counts again.
        harness::clickThroughWindow(w->confermaButton());
        w->conferma();
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));

        // "Ricomincia" while "avanti" waits frees the boxes but gives no check back.
        pushTray(s->t.random, 1);
        harness::clickThroughWindow(w->ricominciaButton());
        restInTray(1);
        QVERIFY(!w->confermaButton()->isEnabled());

        // "Azzera conteggio" while "avanti" waits: counters 0, a new problem, still locked.
        pushTray(s->t.random, 6);
        s->t.random.pushInt(2, 8);
        trigger(w, "MenuAzzera");
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QCOMPARE(w->rightLabel()->text(), QStringLiteral("0"));
        QCOMPARE(w->wrongLabel()->text(), QStringLiteral("0"));
        QCOMPARE(w->lowRod(), 2);
        QVERIFY(!w->confermaButton()->isEnabled());
        QVERIFY(w->avantiButton()->isEnabled());

        // "avanti": one more problem, "Conferma" back, "avanti" off.
        pushTray(s->t.random, 10);
        s->t.random.pushInt(7, 8);
        harness::clickThroughWindow(w->avantiButton());
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QCOMPARE(w->lowRod(), 7);
        lowRod = 7;
        givenInPlace();
        restInTray(10);
        QVERIFY(w->confermaButton()->isEnabled());
        QVERIFY(!w->avantiButton()->isEnabled());
    }

    // Form8: every relation kind and side, the corrected edges among them.
    void relationPlays_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("drawnRod");
        QTest::addColumn<Side>("side");
        QTest::addColumn<int>("shownRod");
        QTest::addColumn<std::vector<int>>("wrongRods");
        QTest::addColumn<int>("rightRod");
        QTest::addColumn<bool>("autoAdvance");
        const Side L = Side::Left;
        const Side R = Side::Right;
        for (bool a : {false, true}) {
            const char* mode = a ? "auto" : "avanti";
            QTest::addRow("1 > left, 1 shown as 2, %s", mode) << 1 << 1 << L << 2 << std::vector<int>{2, 3} << 1 << a;
            QTest::addRow("2 > right, 10 shown as 9, %s", mode) << 2 << 10 << R << 9 << std::vector<int>{9, 8} << 10 << a;
            QTest::addRow("3 < right, 1 shown as 2, %s", mode) << 3 << 1 << R << 2 << std::vector<int>{2, 10} << 1 << a;
            QTest::addRow("4 < left, 10 shown as 9, %s", mode) << 4 << 10 << L << 9 << std::vector<int>{9, 1} << 10 << a;
            QTest::addRow("5 = left, %s", mode) << 5 << 6 << L << 6 << std::vector<int>{7, 5} << 6 << a;
            QTest::addRow("5 = right, %s", mode) << 5 << 1 << R << 1 << std::vector<int>{2} << 1 << a;
        }
    }
    void relationPlays()
    {
        QFETCH(int, kind);
        QFETCH(int, drawnRod);
        QFETCH(Side, side);
        QFETCH(int, shownRod);
        QFETCH(std::vector<int>, wrongRods);
        QFETCH(int, rightRod);
        QFETCH(bool, autoAdvance);
        const auto problemDraws = [](harness::ScriptedRandom& r, int start, int k, int rod, int sideDraw) {
            pushTray(r, start);
            r.pushInt(k, 5);
            r.pushInt(rod, 10);
            r.pushInt(sideDraw, 2);
        };
        auto s = openScreen(8, autoAdvance, [&](harness::ScriptedRandom& r) {
            problemDraws(r, 3, kind, drawnRod, int(side));
        });
        QVERIFY(QTest::qWaitForWindowExposed(s->screen.get()));
        RelationScreen* w = s->as<RelationScreen>();
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        const Side openSide = side == Side::Left ? Side::Right : Side::Left;
        QWidget* openBox = w->box(openSide);
        QWidget* shownBox = w->box(side);

        QCOMPARE(Board::designRect(w->box(Side::Left)), QRect(5880, 840, 350, 3500));
        QCOMPARE(Board::designRect(w->box(Side::Right)), QRect(8040, 840, 350, 3500));
        QCOMPARE(w->box(Side::Right)->objectName(), QStringLiteral("Picture3"));
        QCOMPARE(w->sign()->text(), QString::fromLatin1(signOf(relationOfKind(kind))));
        QCOMPARE(w->instruction()->text(), QStringLiteral("Trascina un brasto che possa completare la relazione"));
        QCOMPARE(w->shownCopy()->number(), shownRod);
        QCOMPARE(w->shownCopy()->accessibleName(), QStringLiteral("brasto %1").arg(shownRod));
        QVERIFY(standsIn(w->shownCopy(), shownBox, shownRod));
        QVERIFY(!shownBox->isEnabled());
        QVERIFY(openBox->isEnabled());
        // The tray keeps all ten rods, the copy's length among them.
        for (int k = 1; k <= 10; ++k)
            QVERIFY(inTray(w->rod(k), 3));

        // Each wrong rod counts, stays in the tray, and leaves the box open.
        int wrong = 0;
        for (int d : wrongRods) {
            harness::dragRodOnto(w->rod(d), openBox);
            QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(++wrong));
            QVERIFY(inTray(w->rod(d), 3));
            QVERIFY(openBox->isEnabled());
        }
        QCOMPARE(w->wrongLabel()->text(), QStringLiteral(" %1").arg(wrong));
        QVERIFY(w->wrongIcon()->isVisible() && !w->rightIcon()->isVisible());
        // The copy's box, the copy, the sign, the tray and outside take nothing.
        harness::dragRodTo(w->rod(rightRod), w, shownBox->mapTo(w, QPoint(shownBox->width() / 2, 3)));
        harness::dragRodOnto(w->rod(rightRod), w->shownCopy());
        dropNowhere(w, w->rod(rightRod), w->container(), w->sign());
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(wrong));
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(0));
        QVERIFY(inTray(w->rod(rightRod), 3));

        // Right.
        s->t.random.pushInt(4, 4);
        if (autoAdvance)
            problemDraws(s->t.random, 7, 5, 4, 1);
        harness::dragRodOnto(w->rod(rightRod), openBox);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QCOMPARE(w->rightLabel()->text(), QStringLiteral(" 1"));
        QVERIFY(w->rightIcon()->isVisible() && !w->wrongIcon()->isVisible());
        QCOMPARE(s->t.sound.played.back(), Sound::Right4);
        if (autoAdvance) {
            // A new problem at once; the tray takes the rod back.
            QCOMPARE(s->t.random.pending(), std::size_t(0));
            QCOMPARE(w->sign()->text(), QStringLiteral("="));
            QCOMPARE(w->shownCopy()->number(), 4);
            QVERIFY(!w->box(Side::Left)->isEnabled() && w->box(Side::Right)->isEnabled());
            QVERIFY(inTray(w->rod(rightRod), 7));
            return;
        }
        // The rod stands in the box, fixed, both boxes closed until "avanti".
        QVERIFY(standsIn(w->rod(rightRod), openBox, rightRod));
        QVERIFY(!w->rod(rightRod)->isMovable());
        QVERIFY(!openBox->isEnabled() && !shownBox->isEnabled());
        QVERIFY(w->avantiButton()->isEnabled());
        const int other = rightRod == 5 ? 6 : 5;
        harness::dragRodOnto(w->rod(other), openBox);
        harness::dragRodOnto(w->rod(other), shownBox);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(wrong));
        QVERIFY(inTray(w->rod(other), 3));

        // "Azzera conteggio" while "avanti" waits: a new problem whose open box takes drops again.
        problemDraws(s->t.random, 5, 1, 7, 2);
        trigger(w, "MenuAzzera");
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QCOMPARE(w->rightLabel()->text(), QStringLiteral("0"));
        QCOMPARE(w->wrongLabel()->text(), QStringLiteral("0"));
        QCOMPARE(w->sign()->text(), QStringLiteral(">"));
        QVERIFY(w->box(Side::Left)->isEnabled() && !w->box(Side::Right)->isEnabled());
        QVERIFY(w->avantiButton()->isEnabled());
        QVERIFY(inTray(w->rod(rightRod), 5));
        harness::dragRodOnto(w->rod(3), w->box(Side::Left));
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(1));

        // "avanti": off again, both boxes back to the problem's own state.
        problemDraws(s->t.random, 1, 3, 5, 1);
        harness::clickThroughWindow(w->avantiButton());
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QVERIFY(!w->avantiButton()->isEnabled());
        QCOMPARE(w->sign()->text(), QStringLiteral("<"));
        QVERIFY(!w->box(Side::Left)->isEnabled() && w->box(Side::Right)->isEnabled());
        for (int k = 1; k <= 10; ++k)
            QVERIFY(inTray(w->rod(k), 1));
        s->t.random.pushInt(1, 4);
        harness::dragRodOnto(w->rod(9), w->box(Side::Right));
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
    }

    // Form9: each pair needs one sign; the others are wrong.
    void signPlays_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<Relation>("rightSign");
        QTest::addColumn<bool>("autoAdvance");
        for (bool a : {false, true}) {
            QTest::addRow("3 < 7 %s", a ? "auto" : "avanti") << 3 << 7 << Relation::Less << a;
            QTest::addRow("10 > 1 %s", a ? "auto" : "avanti") << 10 << 1 << Relation::Greater << a;
            QTest::addRow("5 = 5 %s", a ? "auto" : "avanti") << 5 << 5 << Relation::Equal << a;
        }
    }
    void signPlays()
    {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(Relation, rightSign);
        QFETCH(bool, autoAdvance);
        auto s = openScreen(9, autoAdvance, [&](harness::ScriptedRandom& r) {
            r.pushInt(left, 10);
            r.pushInt(right, 10);
        });
        QVERIFY(QTest::qWaitForWindowExposed(s->screen.get()));
        SignScreen* w = s->as<SignScreen>();
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        const std::vector<Relation> signs = {Relation::Greater, Relation::Less, Relation::Equal};
        const QStringList names = {"Command1", "Command2", "Command3"};
        const std::vector<int> lefts = {1560, 3840, 6240};

        QCOMPARE(Board::designRect(w->leftBox()), QRect(3120, 120, 350, 3500));
        QCOMPARE(Board::designRect(w->rightBox()), QRect(5880, 120, 350, 3500));
        QCOMPARE(w->leftCopy()->objectName(), QStringLiteral("brasto1"));
        QCOMPARE(w->rightCopy()->objectName(), QStringLiteral("brasto2"));
        QCOMPARE(w->leftCopy()->accessibleName(), QStringLiteral("brasto %1").arg(left));
        QVERIFY(standsIn(w->leftCopy(), w->leftBox(), left));
        QVERIFY(standsIn(w->rightCopy(), w->rightBox(), right));
        QVERIFY(!w->shownSign()->isVisible());
        for (int k = 1; k <= 10; ++k)
            QVERIFY(w->rod(k)->isHidden());
        const auto buttonsReady = [&] {
            for (std::size_t i = 0; i < signs.size(); ++i) {
                QPushButton* b = w->signButton(signs[i]);
                QCOMPARE(b->objectName(), names[int(i)]);
                QCOMPARE(b->text(), QString::fromLatin1(signOf(signs[i])));
                QCOMPARE(Board::designRect(b), QRect(lefts[i], 3960, 1455, 1215));
                QVERIFY(b->isEnabled());
                QCOMPARE(colourOf(b), toQColor(kSignButtonGrey));
            }
        };
        buttonsReady();

        // The two wrong signs, each counted; the rods stay, the buttons too.
        int wrong = 0;
        for (Relation sign : signs) {
            if (sign == rightSign)
                continue;
            harness::clickThroughWindow(w->signButton(sign));
            QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(++wrong));
            QCOMPARE(w->leftCopy()->number(), left);
            QCOMPARE(w->rightCopy()->number(), right);
        }
        buttonsReady();
        QVERIFY(!w->shownSign()->isVisible());
        QCOMPARE(w->wrongLabel()->text(), QStringLiteral(" 2"));

        // The right sign, clicked twice in a row as a hurried child does.
        s->t.random.pushInt(2, 4);
        if (autoAdvance)
            s->t.random.pushInts({8, 2}, 10);
        QPushButton* clicked = w->signButton(rightSign);
        harness::clickThroughWindow(clicked);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QCOMPARE(s->t.sound.played.back(), Sound::Right2);
        if (autoAdvance) {
            QCOMPARE(s->t.random.pending(), std::size_t(0));
            QCOMPARE(w->leftCopy()->number(), 8);
            QCOMPARE(w->rightCopy()->number(), 2);
            QVERIFY(!w->shownSign()->isVisible());
            buttonsReady();
            // The second click of the pair is judged against the new pair.
            harness::clickThroughWindow(clicked);
            QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(rightSign == Relation::Greater ? 2 : 1));
            return;
        }
        harness::clickThroughWindow(clicked);
        w->signClicked(rightSign);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(2));
        // While "avanti" waits: the sign between the rods, the clicked button red, all three locked.
        const auto waiting = [&] {
            QVERIFY(w->avantiButton()->isEnabled());
            QVERIFY(w->shownSign()->isVisible());
            QCOMPARE(w->shownSign()->text(), QString::fromLatin1(signOf(rightSign)));
            for (Relation sign : signs) {
                QVERIFY(!w->signButton(sign)->isEnabled());
                QCOMPARE(colourOf(w->signButton(sign)),
                         toQColor(sign == rightSign ? kSignButtonRed : kSignButtonGrey));
            }
        };
        waiting();

        // "Azzera conteggio" then: a new pair, the buttons and the sign left as they are.
        s->t.random.pushInts({4, 9}, 10);
        trigger(w, "MenuAzzera");
        QCOMPARE(w->rightLabel()->text(), QStringLiteral("0"));
        QCOMPARE(w->wrongLabel()->text(), QStringLiteral("0"));
        QCOMPARE(w->leftCopy()->number(), 4);
        QCOMPARE(w->rightCopy()->number(), 9);
        QVERIFY(standsIn(w->rightCopy(), w->rightBox(), 9));
        waiting();

        // "avanti": grey, enabled, the sign gone, one more pair.
        s->t.random.pushInts({6, 6}, 10);
        harness::clickThroughWindow(w->avantiButton());
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QVERIFY(!w->avantiButton()->isEnabled());
        QVERIFY(!w->shownSign()->isVisible());
        buttonsReady();
        s->t.random.pushInt(1, 4);
        harness::clickThroughWindow(w->signButton(Relation::Equal));
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
    }
};

BRASTI_TEST_MAIN(TestComparisonScreen)
#include "tst_comparisonscreen.moc"
