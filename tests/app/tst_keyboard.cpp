// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Play by keyboard alone: every window takes the keyboard with its first
// control focused, and Tab, Shift+Tab, Space, Enter and Esc, sent to the
// window as a keyboard sends them, reach every answer of a screen of each
// family, the menu and the way back to it.
#include "app/menuscreen.h"
#include "app/shell.h"
#include "common/board.h"
#include "common/exercisescreen.h"
#include "common/keyboard.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace brasti;

namespace {

struct App {
    App() { shell.setQuitAction([] {}); }
    harness::TestContext t;
    Shell shell{t.context};
    ScreenWindow* window() const { return shell.current(); }
};

void key(App& a, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(a.window()->windowHandle(), k, modifiers);
}

QString focusName(const App& a)
{
    const QWidget* f = a.window()->focusWidget();
    return f ? f->objectName() : QString();
}

// Tab until the named control has the focus: never more than a round of the stops.
bool tabTo(App& a, const QString& name)
{
    for (int i = 0; i < 60 && focusName(a) != name; ++i)
        key(a, Qt::Key_Tab);
    return focusName(a) == name;
}

bool active(QWidget* window)
{
    return QTest::qWaitForWindowActive(window);
}

struct Step {
    enum Kind { Carry, Press, Type } kind;
    const char* control; // the rod carried, or the control pressed
    const char* detail;  // Carry: the target; Press: "Space" or "Enter"; Type: the text
    int right;           // the counts after the step
    int wrong;
};

struct Play {
    const char* name;
    int screen;
    std::vector<std::pair<int, int>> draws; // k out of n, in the order drawn, right sounds included
    std::vector<Step> steps;
    std::vector<const char*> readable; // what shows the problem, and must be a stop from the start
};

std::vector<std::pair<int, int>> tray(int start)
{
    return std::vector<std::pair<int, int>>(10, {start, 10});
}

template <typename... Parts> std::vector<std::pair<int, int>> draws(const Parts&... parts)
{
    std::vector<std::pair<int, int>> all;
    (all.insert(all.end(), parts.begin(), parts.end()), ...);
    return all;
}

using D = std::vector<std::pair<int, int>>;

const std::vector<Play>& plays()
{
    static const std::vector<Play> table = {
        {"ordering: 3 rods, the wrong way, again, the right way, avanti",
         1,
         draws(D{{1, 18}, {2, 10}, {5, 10}, {9, 10}, {1, 4}, {2, 18}, {1, 10}, {3, 10}, {4, 10}}),
         {{Step::Carry, "brasti_9", "Picture1_1", 0, 0},
          {Step::Carry, "brasti_5", "Picture1_2", 0, 0},
          {Step::Carry, "brasti_2", "Picture1_3", 0, 0},
          {Step::Press, "SSCommand1", "Enter", 0, 1},
          {Step::Press, "Command3D1", "Space", 0, 1},
          {Step::Carry, "brasti_2", "Picture1_1", 0, 1},
          {Step::Carry, "brasti_5", "Picture1_2", 0, 1},
          {Step::Carry, "brasti_9", "Picture1_3", 0, 1},
          {Step::Press, "SSCommand1", "Space", 1, 1},
          {Step::Press, "BottoneAvanti", "Enter", 1, 1}},
         {"Label3"}},
        {"comparison: 2 > ?, rod 3 then rod 1",
         8,
         draws(tray(3), D{{1, 5}, {1, 10}, {1, 2}, {1, 4}}),
         {{Step::Carry, "brasti_3", "Picture3", 0, 1}, {Step::Carry, "brasti_1", "Picture3", 1, 1}},
         {"brasto", "Label3"}},
        {"comparison: 3 ? 7, the signs",
         9,
         draws(D{{3, 10}, {7, 10}, {1, 4}}),
         {{Step::Press, "Command1", "Enter", 0, 1}, {Step::Press, "Command2", "Space", 1, 1}},
         {"brasto1", "brasto2"}},
        {"composing: 2 + 2, the covered strip out of reach",
         15,
         draws(D{{2, 2}, {3, 9}, {2, 3}}, tray(1), D{{1, 4}}),
         {{Step::Carry, "brasti_2", "Picture1", 0, 1}, {Step::Carry, "brasti_4", "Picture1", 1, 1}},
         {"brasto1", "brasto2"}},
        {"rod and number: rod 7, the numbers",
         10,
         draws(D{{7, 10}, {1, 4}}),
         {{Step::Press, "Command1_3", "Enter", 0, 1}, {Step::Press, "Command1_7", "Space", 1, 1}},
         {"brasti_7"}},
        {"rod and number: TRE, the rods clicked",
         11,
         draws(tray(4), D{{3, 10}, {1, 4}}),
         {{Step::Press, "brasti_6", "Space", 0, 1}, {Step::Press, "brasti_3", "Enter", 1, 1}},
         {"Label3"}},
        {"composing: 4 + 10 + 4 + 2 = 20, the stacked rods on top first",
         27,
         draws(D{{4, 19}}, tray(1), D{{1, 4}}),
         {{Step::Carry, "brasti2_10", "Picture2", 0, 0},
          {Step::Carry, "brasti2_9", "Picture2", 0, 1},
          {Step::Carry, "brasti2_4", "Picture2", 0, 1},
          {Step::Carry, "brasti2_2", "Picture2", 1, 1}},
         {"Picture1", "Picture3", "brasti_4"}},
        {"written: 3 + 4, the bar, then the typed result",
         21,
         draws(D{{6, 9}, {3, 6}}, tray(1), D{{1, 4}}),
         {{Step::Carry, "brasti_8", "Picture1", 0, 1},
          {Step::Carry, "brasti_7", "Picture1", 0, 1},
          {Step::Type, "Text1", "4", 0, 2},
          {Step::Type, "Text1", "7", 1, 2}},
         {"Label3", "brasto1", "brasto2"}},
    };
    return table;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void readingOrder_data()
    {
        QTest::addColumn<std::vector<QRect>>("places");
        QTest::addColumn<std::vector<std::size_t>>("order");
        // Upright rods standing on one bottom line, a box beside them, a button lower down.
        QTest::newRow("upright rods") << std::vector<QRect>{{40, 60, 10, 40}, {0, 90, 10, 10}, {20, 20, 10, 80},
                                                            {80, 0, 10, 100}, {0, 110, 30, 20}}
                                      << std::vector<std::size_t>{1, 2, 0, 3, 4};
        // Flat rods in a column beside a column of slots, slightly out of line.
        QTest::newRow("two columns") << std::vector<QRect>{{200, 12, 100, 20}, {0, 40, 50, 20}, {0, 10, 30, 20},
                                                           {200, 44, 100, 20}}
                                     << std::vector<std::size_t>{2, 0, 1, 3};
    }
    void readingOrder()
    {
        QFETCH(std::vector<QRect>, places);
        QFETCH(std::vector<std::size_t>, order);
        QCOMPARE(brasti::readingOrder(places), order);
    }

    void keyboardPlays_data()
    {
        QTest::addColumn<int>("play");
        for (std::size_t i = 0; i < plays().size(); ++i)
            QTest::newRow(plays()[i].name) << int(i);
    }
    void keyboardPlays()
    {
        QFETCH(int, play);
        const Play& p = plays()[std::size_t(play)];
        App a;
        for (const auto& [k, n] : p.draws)
            a.t.random.pushInt(k, n);
        a.shell.openExercise(p.screen);
        auto* w = qobject_cast<ExerciseScreen*>(a.window());
        QVERIFY(w && active(w));
        // The window took the keyboard with its first control focused; the
        // frame waits for the first key, as the mouse may be what plays.
        QWidget* first = tabStops(w->board()).first();
        QCOMPARE(w->focusWidget(), first);
        QVERIFY(!w->focusFrame()->framed());
        key(a, Qt::Key_Tab);
        key(a, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(w->focusWidget(), first);
        QCOMPARE(w->focusFrame()->framed(), first);
        // What shows the problem is a stop, though it does nothing: a screen reader reads it there.
        for (const char* name : p.readable)
            QVERIFY2(tabStops(w->board()).contains(w->findChild<QWidget*>(QLatin1String(name))), name);

        bool spaceFirst = true;
        for (const Step& step : p.steps) {
            const QString what = QStringLiteral("%1 %2").arg(QLatin1String(step.control), QLatin1String(step.detail));
            if (step.kind == Step::Type) {
                QCOMPARE(focusName(a), QLatin1String(step.control));
                key(a, Qt::Key_A, Qt::ControlModifier); // what was typed before goes
                for (const char* c = step.detail; *c; ++c)
                    QTest::keyClick(w->windowHandle(), *c);
                // The box takes an Enter stamped with the time of the last
                // one's release for the repeat of a held key: no hand is that quick.
                QTest::qWait(2);
                key(a, Qt::Key_Return);
            } else {
                QVERIFY2(tabTo(a, QLatin1String(step.control)), qPrintable(what));
                // The frame shows where the keyboard is.
                QCOMPARE(w->focusFrame()->framed(), w->focusWidget());
            }
            const Qt::Key press = QLatin1String(step.detail) == QLatin1String("Space") ? Qt::Key_Space : Qt::Key_Return;
            if (step.kind == Step::Press && QLatin1String(step.control) == QLatin1String("BottoneAvanti")) {
                // Right after the right answer "avanti" takes no key: a second
                // Enter at once would pass the verdict unheard.
                key(a, press);
                QVERIFY(w->avantiButton()->isEnabled());
                QTest::qWait(550);
            }
            if (step.kind == Step::Press)
                key(a, press);
            if (step.kind == Step::Carry) {
                // Space and Enter take turns to pick up and to drop.
                const Qt::Key pick = spaceFirst ? Qt::Key_Space : Qt::Key_Return;
                const Qt::Key drop = spaceFirst ? Qt::Key_Return : Qt::Key_Space;
                spaceFirst = !spaceFirst;
                auto* rod = qobject_cast<Rod*>(w->focusWidget());
                QVERIFY(rod);
                key(a, pick);
                QCOMPARE(w->dragger()->draggedRod(), rod);
                // A round of the targets: the outline goes with the focus, and
                // lies where a mouse drop reaches the focused target.
                auto* outline = w->board()->findChild<QWidget*>(QStringLiteral("contornoTrascinamento"));
                QList<QWidget*> round;
                for (key(a, Qt::Key_Tab); !round.contains(w->focusWidget()); key(a, Qt::Key_Tab)) {
                    QWidget* target = w->focusWidget();
                    round << target;
                    QVERIFY(outline->isVisible());
                    QCOMPARE(outline->size(), rod->size());
                    const QPoint inside = outline->geometry().topLeft()
                                        + QPoint(1, std::min(outline->height(), target->height()) / 2);
                    QCOMPARE(w->dragger()->dropTargetAt(inside, rod), target);
                    QCOMPARE(w->dragger()->draggedRod(), rod);
                }
                if (p.screen == 15) // the lower strip lies under the given rods
                    QVERIFY(!round.contains(w->findChild<QWidget*>(QStringLiteral("Picture2"))));
                QVERIFY2(tabTo(a, QLatin1String(step.detail)), qPrintable(what));
                key(a, drop);
                QVERIFY(!w->dragger()->draggedRod());
                QVERIFY(!outline->isVisible());
            }
            // Targets are stops only while a rod is carried; a rod laid for good stays one, to be read.
            for (QWidget* stop : tabStops(w->board()))
                QVERIFY2(!isDropTarget(stop), qPrintable(what + QStringLiteral(": ") + stop->objectName()));
            if (auto* carried = w->findChild<Rod*>(QLatin1String(step.control));
                step.kind == Step::Carry && carried && !carried->isMovable() && carried->isVisible())
                QVERIFY2(tabStops(w->board()).contains(carried), qPrintable(what));
            QVERIFY2(int(harness::countsOn(a.shell.current()).right) == step.right && int(harness::countsOn(a.shell.current()).wrong) == step.wrong,
                     qPrintable(what + QStringLiteral(": %1 right, %2 wrong")
                                           .arg(harness::countsOn(a.shell.current()).right)
                                           .arg(harness::countsOn(a.shell.current()).wrong)));
            QVERIFY(w->focusWidget());
            if (w->avantiButton()->isEnabled())
                QCOMPARE(w->focusWidget(), w->avantiButton()); // after a right answer, "avanti" is next
            if (QLatin1String(step.control) == QLatin1String("BottoneAvanti"))
                QCOMPARE(w->focusWidget(), tabStops(w->board()).first()); // a new problem starts from the top
        }
        if (p.screen == 21)
            QVERIFY(qobject_cast<QLineEdit*>(w->focusWidget()) == nullptr); // the closed box passed it on
        QCOMPARE(a.t.random.pending(), std::size_t(0));
        QCOMPARE(a.t.random.fallbackDraws(), 0);
    }

    // Tab goes round what the teacher's menu offers and shows (its buttons
    // name the round), the chosen mode alone, where Space keeps it; an arrow changes it.
    void menuRound_data()
    {
        QTest::addColumn<QStringList>("round");
        QTest::newRow("waiting") << QStringList{"Command2", "Command14", "Option1_1", "Command1"};
        QTest::newRow("going on") << QStringList{"Command2", "Command14", "Option1_0", "Command1"};
        QTest::newRow("one exercise, no Esci") << QStringList{"Command28", "Option1_0"};
    }
    void menuRound()
    {
        QFETCH(QStringList, round);
        App a;
        for (int n = 1; n <= kExerciseCount; ++n)
            a.t.context.offeredExercises[std::size_t(n - 1)] = round.contains(QString("Command%1").arg(buttonOfScreen(n)));
        a.t.context.exitOffered = round.contains("Command1");
        const bool automatic = a.t.context.autoAdvance = round.contains("Option1_0");
        a.shell.showMenu();
        QVERIFY(active(a.window()));
        for (qsizetype i = 1; i <= round.size(); ++i) {
            key(a, Qt::Key_Tab);
            QCOMPARE(focusName(a), round[i % round.size()]);
        }
        QVERIFY(tabTo(a, round.filter("Option1_").value(0)));
        key(a, Qt::Key_Space);
        QCOMPARE(a.t.context.autoAdvance, automatic);
        key(a, automatic ? Qt::Key_Left : Qt::Key_Right);
        QCOMPARE(a.t.context.autoAdvance, !automatic);
    }

    void startMenuExerciseAndBackByKeyboard()
    {
        App a;
        a.t.random.pushInts({1, 2}, 18);
        a.shell.showStart();
        QVERIFY(active(a.window()));
        QCOMPARE(focusName(a), QStringLiteral("Command1")); // "Avvio"
        key(a, Qt::Key_Return);
        auto* menu = qobject_cast<MenuScreen*>(a.window());
        QVERIFY(menu && active(menu));
        QCOMPARE(menu->focusWidget(), menu->exerciseButton(2));
        // The keyboard was in use: the frame shows from the start.
        QCOMPARE(menu->focusFrame()->framed(), menu->exerciseButton(2));
        // Reading order: row by row. Shift+Tab from the first goes round to "Esci".
        key(a, Qt::Key_Tab);
        QCOMPARE(menu->focusWidget(), menu->exerciseButton(9));
        key(a, Qt::Key_Tab, Qt::ShiftModifier);
        key(a, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focusName(a), QStringLiteral("Command1"));

        a.t.random.pushInts({4, 9}, 10); // Form9: 4 and 9
        QVERIFY(tabTo(a, QStringLiteral("Command10")));
        key(a, Qt::Key_Space);
        auto* exercise = qobject_cast<ExerciseScreen*>(a.window());
        QVERIFY(exercise && active(exercise));
        QCOMPARE(exercise->objectName(), QStringLiteral("Form9"));
        // The problem first: the left rod, then the right one, then the signs.
        QCOMPARE(focusName(a), QStringLiteral("brasto1"));
        QCOMPARE(exercise->focusFrame()->framed(), exercise->focusWidget());

        // The menu bar by keyboard: Alt, then left from the first item round to "Esci".
        // Esc in the real question answers "No": the screen stays as it was.
        MessageBoxDialogs real;
        a.t.context.dialogs = &real;
        int asked = 0;
        QTimer answerer;
        answerer.setInterval(10);
        Qt::Key answer = Qt::Key_Escape;
        connect(&answerer, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                answerer.stop();
                ++asked;
                QTest::keyClick(box, answer);
            }
        });
        const auto answerWith = [&](Qt::Key k) {
            answer = k;
            answerer.start();
        };
        const auto chooseEsci = [&] {
            key(a, Qt::Key_Alt);
            key(a, Qt::Key_Left);
            QCOMPARE(exercise->menuBar()->activeAction()->objectName(), QStringLiteral("mnuEsci"));
            key(a, Qt::Key_Return);
        };
        answerWith(Qt::Key_Escape);
        chooseEsci();
        QTRY_COMPARE(asked, 1);
        QCoreApplication::processEvents();
        QCOMPARE(a.window(), exercise);
        // Active again, as a window manager makes it, the keyboard is back where it was.
        exercise->activateWindow();
        QVERIFY(active(exercise));
        QCOMPARE(focusName(a), QStringLiteral("brasto1"));
        a.t.random.pushInt(3, 18);
        answerWith(Qt::Key_Return); // "Sì" is the default
        chooseEsci();
        QTRY_COMPARE(asked, 2);
        answerer.stop();
        QTRY_VERIFY(qobject_cast<MenuScreen*>(a.window()));
        menu = qobject_cast<MenuScreen*>(a.window());
        QVERIFY(menu && active(menu));
        QCOMPARE(menu->focusWidget(), menu->exerciseButton(2));
        a.t.context.dialogs = &a.t.dialogs;
    }
};

BRASTI_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
