// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Whole plays of the three rod-and-number screens, with real clicks and
// drags through the window and every draw of chance scripted.
#include "app/catalogue.h"
#include "common/board.h"
#include "common/colours.h"
#include "common/pictures.h"
#include "common/sound/sound.h"
#include "exercises/rodnumber/numberswithtenscreen.h"
#include "exercises/rodnumber/numbertorodscreen.h"
#include "exercises/rodnumber/rodtonumberscreen.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <memory>

using namespace brasti;
using harness::at;

namespace {

template <typename Screen> struct Play {
    harness::TestContext t;
    std::unique_ptr<Screen> w; // destroyed before its context

    void counts(int right, int wrong) const
    {
        QCOMPARE(int(harness::countsOn(w.get()).right), right);
        QCOMPARE(int(harness::countsOn(w.get()).wrong), wrong);
        QCOMPARE(w->rightLabel()->text(), right == 0 ? QStringLiteral("0") : QStringLiteral(" %1").arg(right));
        QCOMPARE(w->wrongLabel()->text(), wrong == 0 ? QStringLiteral("0") : QStringLiteral(" %1").arg(wrong));
    }
    QAction* action(const char* name) const { return w->template findChild<QAction*>(QString::fromLatin1(name)); }
    // Queues draws of 1 to 10, as every draw of these screens is.
    void draws(std::initializer_list<int> ks) { t.random.pushInts(ks, 10); }
    void allDrawn() const { QCOMPARE(t.random.pending(), std::size_t(0)); }
};

// Opens screen n as the shell does, with the draws of the first problem scripted.
template <typename Screen>
std::unique_ptr<Play<Screen>> open(int n, bool autoAdvance, std::initializer_list<int> firstDraws)
{
    auto p = std::make_unique<Play<Screen>>();
    p->t.context.autoAdvance = autoAdvance;
    p->draws(firstDraws);
    p->w.reset(qobject_cast<Screen*>(createExerciseScreen(n, p->t.context)));
    if (p->w) {
        p->w->load();
        p->w->show();
    }
    return p;
}

#define OPEN_AS(var, Screen, ...)                                                                                 \
    auto var = open<Screen>(__VA_ARGS__);                                                                         \
    QVERIFY(var->w);                                                                                              \
    QVERIFY(QTest::qWaitForWindowExposed(var->w.get()));                                                          \
    var->allDrawn()

// The ten shuffle starts that leave rod k in slot k - 1 (probing from 1 each time).
constexpr std::initializer_list<int> kInOrder = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

// Drops a rod on the right end of the box, the part a rod after the 10 fills.
void dropAtBoxEnd(NumbersWithTenScreen* w, Rod* rod)
{
    QFrame* box = w->numberBox();
    harness::dragRodTo(rod, w, box->mapTo(w, QPoint(box->width() - 3, box->height() / 2)));
}

} // namespace

class TestRodNumberScreens : public QObject {
    Q_OBJECT
private slots:
    void screensAndTheirControls()
    {
        const std::vector<std::tuple<int, QString, Bgr>> screens = {
            {10, "dal brasto al numero", 0xC0E0FF},
            {11, "dal numero al brasto", 0xFF8080},
            {19, "numeri fino al 20 (utilizzando sempre il 10)", 0xFF80FF},
        };
        for (const auto& [n, title, background] : screens) {
            harness::TestContext t;
            std::unique_ptr<ExerciseScreen> s(createExerciseScreen(n, t.context));
            QCOMPARE(s->objectName(), QStringLiteral("Form%1").arg(n));
            QCOMPARE(s->windowTitle(), title);
            QCOMPARE(s->board()->background(), background);
            QCOMPARE(s->findChild<QWidget*>(QStringLiteral("frame"))->palette().color(QPalette::Window),
                     toQColor(kContainerGrey));
        }
        QVERIFY(!holdsScreen(kRodNumberScreens, 12));

        OPEN_AS(f11, NumberToRodScreen, 11, false, kInOrder);
        const QList<QAction*> bar = f11->w->menuBar()->actions();
        QCOMPARE(bar.size(), 4);
        QCOMPARE(bar[1]->text(), QStringLiteral("Numeri in...            "));
        QCOMPARE(bar[1]->menu()->objectName(), QStringLiteral("mnuNumeri"));
        QCOMPARE(f11->action("mnuParola")->text(), QStringLiteral("parola"));
        QCOMPARE(f11->action("mnucifre")->text(), QStringLiteral("cifre"));

        OPEN_AS(f19, NumbersWithTenScreen, 19, false, {4, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        NumbersWithTenScreen* w = f19->w.get();
        QCOMPARE(w->menuBar()->actions()[1]->text(), QStringLiteral("Operazioni scritte          "));
        QCOMPARE(w->secondTen()->objectName(), QStringLiteral("brasti2_10"));
        QCOMPARE(w->secondTen()->accessibleName(), QStringLiteral("brasto 10"));
        // The second 10 lies on the first, in the same row of the tray, so it is the one taken first.
        QCOMPARE(Board::designRect(w->secondTen()), Board::designRect(w->rod(10)));
        QCOMPARE(w->container()->childAt(w->rod(10)->geometry().center()), w->secondTen());
    }

    void rodToNumber_data()
    {
        QTest::addColumn<bool>("autoAdvance");
        QTest::newRow("avanti") << false;
        QTest::newRow("automatico") << true;
    }
    void rodToNumber()
    {
        QFETCH(bool, autoAdvance);
        OPEN_AS(p, RodToNumberScreen, 10, autoAdvance, {7});
        RodToNumberScreen* w = p->w.get();
        const auto onlyRodShown = [&](int k) {
            QCOMPARE(w->targetRod(), k);
            for (int r = 1; r <= 10; ++r)
                QCOMPARE(w->rod(r)->isVisible(), r == k);
        };
        onlyRodShown(7);

        // Wrong twice: each counts, the rod stays, the buttons stay free.
        harness::clickThroughWindow(w->numberButton(3));
        harness::clickThroughWindow(w->numberButton(10));
        p->counts(0, 2);
        QVERIFY(w->wrongIcon()->isVisible() && !w->rightIcon()->isVisible());
        onlyRodShown(7);
        for (int k = 1; k <= 10; ++k)
            QVERIFY(w->numberButton(k)->isEnabled());

        p->t.random.pushInt(1, 4);
        if (autoAdvance)
            p->draws({7}); // the same rod may come again
        harness::clickThroughWindow(w->numberButton(7));
        p->allDrawn();
        p->counts(1, 2);
        QCOMPARE(p->t.sound.played, (std::vector<Sound>{Sound::Wrong, Sound::Wrong, Sound::Right1}));
        QVERIFY(w->rightIcon()->isVisible() && !w->wrongIcon()->isVisible());
        onlyRodShown(7);
        if (autoAdvance) {
            for (int k = 1; k <= 10; ++k) {
                QVERIFY(w->numberButton(k)->isEnabled());
                QCOMPARE(w->numberButton(k)->palette().color(QPalette::Button), toQColor(kButtonFace));
            }
            QVERIFY(w->avantiButton()->isHidden());
            p->t.random.pushInt(2, 4);
            p->draws({1});
            harness::clickThroughWindow(w->numberButton(7));
            onlyRodShown(1);
            p->counts(2, 2);
            return;
        }

        // Waiting: 7 red, all ten locked; a click on a locked button counts nothing.
        QCOMPARE(w->numberButton(7)->palette().color(QPalette::Button), toQColor(0x0000FF));
        for (int k = 1; k <= 10; ++k)
            QVERIFY(!w->numberButton(k)->isEnabled());
        QVERIFY(w->avantiButton()->isEnabled());
        harness::clickThroughWindow(w->numberButton(7));
        harness::clickThroughWindow(w->numberButton(2));
        w->numberClicked(7);
        p->counts(1, 2);

        // "Azzera conteggio" shows a new rod and leaves the buttons locked.
        p->draws({5});
        p->action("MenuAzzera")->trigger();
        p->counts(0, 0);
        onlyRodShown(5);
        QVERIFY(!w->numberButton(5)->isEnabled());
        QCOMPARE(w->numberButton(7)->palette().color(QPalette::Button), toQColor(0x0000FF));
        QVERIFY(w->avantiButton()->isEnabled());

        // "avanti": yet another rod, all buttons free and plain again.
        p->draws({10});
        harness::clickThroughWindow(w->avantiButton());
        p->allDrawn();
        onlyRodShown(10);
        QVERIFY(!w->avantiButton()->isEnabled());
        for (int k = 1; k <= 10; ++k) {
            QVERIFY(w->numberButton(k)->isEnabled());
            QCOMPARE(w->numberButton(k)->palette().color(QPalette::Button), toQColor(kButtonFace));
        }
        harness::clickThroughWindow(w->numberButton(10));
        p->counts(1, 0);
    }

    void numberToRod_data()
    {
        QTest::addColumn<bool>("autoAdvance");
        QTest::addColumn<bool>("digits");
        QTest::newRow("avanti, parola") << false << false;
        QTest::newRow("avanti, cifre") << false << true;
        QTest::newRow("automatico, parola") << true << false;
        QTest::newRow("automatico, cifre") << true << true;
    }
    void numberToRod()
    {
        QFETCH(bool, autoAdvance);
        QFETCH(bool, digits);
        // Probing from 4 every time: rods 4 to 10, then 1 to 3; the number 3.
        OPEN_AS(p, NumberToRodScreen, 11, autoAdvance, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 3});
        NumberToRodScreen* w = p->w.get();
        QVERIFY(p->action("mnuParola")->isChecked());
        QVERIFY(!p->action("mnucifre")->isChecked());
        QCOMPARE(w->numberLabel()->text(), QStringLiteral("TRE"));
        const std::vector<int> slotOfRod = {7, 8, 9, 0, 1, 2, 3, 4, 5, 6};
        for (int k = 1; k <= 10; ++k) {
            const int left = 500 + 700 * slotOfRod[std::size_t(k - 1)];
            QCOMPARE(Board::designRect(w->rod(k)), QRect(left, 3700 - 350 * k, 350, 350 * k));
            QVERIFY(w->rod(k)->isVisible() && w->rod(k)->isMovable());
        }

        // Switching the display draws a new number and lays the rods out anew.
        const char* choice = digits ? "mnucifre" : "mnuParola";
        p->draws(kInOrder);
        p->draws({7});
        p->action(choice)->trigger();
        p->allDrawn();
        QCOMPARE(w->numberLabel()->text(), digits ? QStringLiteral(" 7") : QStringLiteral("SETTE"));
        QCOMPARE(p->action("mnuParola")->isChecked(), !digits);
        QCOMPARE(p->action("mnucifre")->isChecked(), digits);
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(at(w->rod(k)).x(), 500 + 700 * (k - 1));
        p->counts(0, 0);

        // A rod pressed and let go elsewhere is neither dragged nor clicked.
        harness::dragRodOnto(w->rod(7), w->numberLabel());
        harness::dragRodOnto(w->rod(2), w->rod(7));
        QCOMPARE(w->dragger()->draggedRod(), nullptr);
        QVERIFY(!w->findChild<QWidget*>(QStringLiteral("contornoTrascinamento"))->isVisible());
        QCOMPARE(at(w->rod(7)).x(), 500 + 700 * 6);
        p->counts(0, 0);

        // Wrong clicks count one each.
        harness::clickThroughWindow(w->rod(6));
        harness::clickThroughWindow(w->rod(8), QPoint(2, 2));
        p->counts(0, 2);
        QVERIFY(w->wrongIcon()->isVisible());

        p->t.random.pushInt(3, 4);
        if (autoAdvance) {
            p->draws({10, 10, 10, 10, 10, 10, 10, 10, 10, 10});
            p->draws({10});
        }
        harness::clickThroughWindow(w->rod(7));
        p->allDrawn();
        p->counts(1, 2);
        QCOMPARE(p->t.sound.played.back(), Sound::Right3);
        if (autoAdvance) {
            QCOMPARE(w->numberLabel()->text(), digits ? QStringLiteral(" 10") : QStringLiteral("DIECI"));
            QCOMPARE(at(w->rod(10)), QPoint(500, 200));
            for (int k = 1; k <= 10; ++k)
                QVERIFY(w->rod(k)->isVisible() && w->rod(k)->isMovable());
            harness::clickThroughWindow(w->rod(10));
            p->counts(2, 2);
            return;
        }

        // Waiting: only the right rod, and it takes no click.
        const auto onlyRightRod = [&](bool enabled) {
            for (int k = 1; k <= 10; ++k)
                QCOMPARE(w->rod(k)->isVisible(), k == 7);
            QCOMPARE(w->rod(7)->isMovable(), enabled);
        };
        onlyRightRod(false);
        harness::clickThroughWindow(w->rod(7));
        w->rodClicked(7);
        w->rodClicked(3);
        p->counts(1, 2);

        // The display switched, or the count reset, while "avanti" waits: a
        // new number, rods laid out anew, the nine still hidden, the right one free.
        p->draws({2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
        p->draws({9});
        p->action(digits ? "mnuParola" : "mnucifre")->trigger();
        QCOMPARE(w->numberLabel()->text(), digits ? QStringLiteral("NOVE") : QStringLiteral(" 9"));
        QCOMPARE(at(w->rod(7)).x(), 500 + 700 * 5);
        onlyRightRod(true);
        p->draws(kInOrder);
        p->draws({7});
        p->action("MenuAzzera")->trigger();
        p->allDrawn();
        p->counts(0, 0);
        onlyRightRod(true);
        QVERIFY(w->avantiButton()->isEnabled());
        // The one rod left happens to be the new number's: it counts once.
        p->t.random.pushInt(1, 4);
        harness::clickThroughWindow(w->rod(7));
        harness::clickThroughWindow(w->rod(7));
        p->counts(1, 0);
        onlyRightRod(false);

        // "avanti": every rod back and free, another number.
        p->draws(kInOrder);
        p->draws({1});
        harness::clickThroughWindow(w->avantiButton());
        p->allDrawn();
        QVERIFY(!w->avantiButton()->isEnabled());
        for (int k = 1; k <= 10; ++k)
            QVERIFY(w->rod(k)->isVisible() && w->rod(k)->isMovable());
        harness::clickThroughWindow(w->rod(1));
        p->counts(2, 0);
    }

    void numbersWithTen_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("autoAdvance");
        QTest::addColumn<bool>("listShown");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("line");
        QTest::newRow("11, avanti, list shown") << 11 << false << true << "UNDICI" << " 11 = 10 +  1";
        QTest::newRow("20, avanti, list hidden") << 20 << false << false << "VENTI" << " 20 = 10 +  10";
        QTest::newRow("14, automatico, list hidden") << 14 << true << false << "QUATTORDICI" << " 14 = 10 +  4";
        QTest::newRow("20, automatico, list shown") << 20 << true << true << "VENTI" << " 20 = 10 +  10";
    }
    void numbersWithTen()
    {
        QFETCH(int, target);
        QFETCH(bool, autoAdvance);
        QFETCH(bool, listShown);
        QFETCH(QString, word);
        QFETCH(QString, line);
        // The number, then the tray probed from 1 each time: rod k in row k - 1.
        OPEN_AS(p, NumbersWithTenScreen, 19, autoAdvance, {target - 10, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        NumbersWithTenScreen* w = p->w.get();
        QFrame* box = w->numberBox();
        QListWidget* list = w->operationsList();
        const int units = target - 10;
        QCOMPARE(w->numberLabel()->text(), word);
        QCOMPARE(Board::designRect(box), QRect(240, 4800, 350 * target, 350));
        QVERIFY(p->action("mnuVisibili")->isChecked());
        if (!listShown) {
            p->action("mnuInvisibili")->trigger();
            QVERIFY(!p->action("mnuVisibili")->isChecked());
            QVERIFY(p->action("mnuInvisibili")->isChecked());
        }
        QCOMPARE(list->isVisible(), listShown);

        // The unit rod before any 10 is wrong and stays in the tray.
        harness::dragRodOnto(w->rod(1), box);
        p->counts(0, 1);
        QCOMPARE(at(w->rod(1)), QPoint(350, 200));
        QVERIFY(!w->tenPlaced());

        // The 10 on top, the second one, is laid at the box's left end
        // without a verdict, and stays there.
        harness::dragRodOnto(w->secondTen(), box);
        QVERIFY(w->tenPlaced());
        p->counts(0, 1);
        QCOMPARE(p->t.sound.played.size(), std::size_t(1));
        QCOMPARE(at(w->secondTen()), QPoint(240, 4800));
        QVERIFY(!w->secondTen()->isMovable());
        dropAtBoxEnd(w, w->secondTen());
        QCOMPARE(at(w->secondTen()), QPoint(240, 4800));
        p->counts(0, 1);

        // Drops elsewhere, on the list, the words, or the 10 lying in the box, reach nothing.
        Rod* completing = w->rod(units);
        const QPoint completingAt = at(completing);
        harness::dragRodOnto(completing, list->viewport());
        harness::dragRodOnto(completing, w->numberLabel());
        harness::dragRodOnto(completing, w->secondTen());
        harness::dragRodTo(completing, w, QPoint(w->width() + 30, 40));
        QCOMPARE(at(completing), completingAt);
        p->counts(0, 1);
        QCOMPARE(list->count(), 0);

        // Below 20, the other 10 is wrong and stays where it was.
        if (target < 20) {
            dropAtBoxEnd(w, w->rod(10));
            p->counts(0, 2);
            QCOMPARE(at(w->rod(10)), QPoint(350, 3800));
            QVERIFY(w->rod(10)->isMovable());
        }
        const int wrongs = target < 20 ? 2 : 1;

        p->t.random.pushInt(2, 4);
        if (autoAdvance)
            p->draws({5, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10}); // 15; rod 10 in the first row, then 1 to 9
        dropAtBoxEnd(w, completing);
        p->allDrawn();
        p->counts(1, wrongs);
        QCOMPARE(p->t.sound.played.back(), Sound::Right2);
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), line);
        QCOMPARE(list->isVisible(), listShown);

        if (autoAdvance) {
            // A new problem at once: nothing placed, the tray laid out anew.
            QCOMPARE(w->numberLabel()->text(), QStringLiteral("QUINDICI"));
            QCOMPARE(Board::designRect(box).width(), 15 * 350);
            QVERIFY(!w->tenPlaced() && box->isEnabled());
            QCOMPARE(at(w->secondTen()), QPoint(350, 200));
            QCOMPARE(at(w->rod(10)), QPoint(350, 200));
            QCOMPARE(at(w->rod(5)), QPoint(350, 2200));
            for (int k = 1; k <= 10; ++k)
                QVERIFY(w->rod(k)->isMovable());
            QVERIFY(w->secondTen()->isMovable());
            QVERIFY(w->avantiButton()->isHidden());
            harness::dragRodOnto(w->secondTen(), box);
            p->t.random.pushInt(1, 4);
            p->draws({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
            dropAtBoxEnd(w, w->rod(5));
            p->counts(2, wrongs);
            QCOMPARE(list->count(), 2);
            QCOMPARE(list->item(1)->text(), QStringLiteral(" 15 = 10 +  5"));
        } else {
            // Waiting: the completing rod right after the 10, fixed; the box takes no more.
            QCOMPARE(at(completing), QPoint(240 + 3500, 4800));
            QVERIFY(!completing->isMovable());
            QVERIFY(!box->isEnabled());
            QVERIFY(w->avantiButton()->isEnabled());
            Rod* other = w->rod(units == 3 ? 4 : 3);
            dropAtBoxEnd(w, other);
            p->counts(1, wrongs);

            // "Azzera conteggio": counts and list emptied, a new number and
            // tray, the box still locked until "avanti".
            p->draws({3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
            p->action("MenuAzzera")->trigger();
            p->counts(0, 0);
            QCOMPARE(list->count(), 0);
            QCOMPARE(w->numberLabel()->text(), QStringLiteral("TREDICI"));
            QVERIFY(!box->isEnabled());
            QCOMPARE(at(w->secondTen()), QPoint(350, 3800));
            QCOMPARE(at(completing).x(), 350);
            QVERIFY(w->secondTen()->isMovable() && completing->isMovable());
            harness::dragRodOnto(w->secondTen(), box);
            QVERIFY(!w->tenPlaced());
            QCOMPARE(at(w->secondTen()), QPoint(350, 3800));

            p->draws({6, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
            harness::clickThroughWindow(w->avantiButton());
            p->allDrawn();
            QVERIFY(box->isEnabled() && !w->avantiButton()->isEnabled());
            QCOMPARE(w->numberLabel()->text(), QStringLiteral("SEDICI"));
            harness::dragRodOnto(w->secondTen(), box);
            p->t.random.pushInt(4, 4);
            dropAtBoxEnd(w, w->rod(6));
            p->counts(1, 0);
            QCOMPARE(list->count(), 1);
            QCOMPARE(list->item(0)->text(), QStringLiteral(" 16 = 10 +  6"));
        }

        // The list filled while hidden shows every line once shown again.
        const int lines = list->count();
        p->action("mnuVisibili")->trigger();
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), lines);
        p->allDrawn();
    }
};

BRASTI_TEST_MAIN(TestRodNumberScreens)
#include "tst_rodnumberscreens.moc"
