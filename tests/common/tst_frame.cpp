// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The exercise-screen frame, driven through a small test-only screen: one
// box takes a rod, "Giudica" judges it. Drags go through real window events.
#include "common/board.h"
#include "common/counters.h"
#include "common/exercisescreen.h"
#include "common/controls.h"
#include "common/keyboard.h"
#include "common/pictures.h"
#include "common/speaker.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QListWidget>
#include <QPushButton>
#include <QTouchEvent>

using namespace brasti;

namespace {

class BoxScreen final : public ExerciseScreen {
public:
    BoxScreen(AppContext& context, RodStance stance)
        : ExerciseScreen(context, QStringLiteral("prova"), FrameLayout{}, stance)
    {
        box = new Place(board(), board(), QStringLiteral("Casella"), QStringLiteral("casella"),
                        QStringLiteral("nella casella"), QRect(4000, 600, 3600, 1200), kButtonFace);
        dragger()->setDropHandler(box, [this](Rod* r) {
            dropped.push_back(r->number());
            board()->moveTo(r, QPoint(4000, 600));
            r->setMovable(false);
        });
        list = new Place(board(), board(), QStringLiteral("List1"), QStringLiteral("elenco"),
                         QStringLiteral("nell'elenco"), QRect(4000, 2400, 3000, 1500), kButtonFace);
        dragger()->setDropHandler(list, [this](Rod* r) { listDrops.push_back(r->number()); });
        judge = new QPushButton(QStringLiteral("Giudica"), board());
        board()->place(judge, QRect(4000, 4400, 1500, 600));
        connect(judge, &QPushButton::clicked, this, [this] { verdict(answerRight); });
        addOwnMenu(QStringLiteral("mnuProva"), QStringLiteral("Prova          "));
    }

    void verdict(bool right) { right ? rightAnswer() : wrongAnswer(); }
    QString problemSentence() const override { return QStringLiteral("problema %1").arg(problems); }

    Place* box;
    Place* list;
    QPushButton* judge;
    bool answerRight = true;
    std::vector<int> dropped;
    std::vector<int> listDrops;
    int problems = 0;
    int settings = 0;

protected:
    void initialSettings() override { ++settings; }
    void newProblem() override
    {
        ++problems;
        for (int k = 1; k <= 10; ++k) {
            rod(k)->setMovable(true);
            board()->moveTo(rod(k), QPoint(200, 200 + 400 * (k - 1)));
        }
    }
    void lockAnswer() override { judge->setEnabled(false); }
    void unlockAnswer() override { judge->setEnabled(true); }
};

// A screen with the written-operations list and a second rod of 10 on a
// container, as the screens that build numbers have them.
class ListScreen final : public ExerciseScreen {
public:
    explicit ListScreen(AppContext& context) : ExerciseScreen(context, QStringLiteral("lista"), FrameLayout{}, RodStance::Flat)
    {
        auto* frame = new QWidget(board());
        board()->place(frame, QRect(120, 120, 7000, 5000));
        addOperationsList(frame, QRect(4000, 480, 1800, 3000), 9);
        putRodsIn(frame);
        second = addExtraRod(QStringLiteral("brasti2"), 10, frame);
    }
    using ExerciseScreen::addOperationLine;
    QString problemSentence() const override { return QString(); }
    Rod* second;

protected:
    void newProblem() override {}
    void lockAnswer() override {}
    void unlockAnswer() override {}
};

struct Fixture {
    explicit Fixture(bool autoAdvance = false, RodStance stance = RodStance::Flat, Speaker* speaker = nullptr)
    {
        t.context.autoAdvance = autoAdvance;
        t.context.speaker = speaker;
        screen = std::make_unique<BoxScreen>(t.context, stance);
        screen->load();
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    }
    harness::TestContext t;
    std::unique_ptr<BoxScreen> screen;
};

// Writes down what the voice is asked to do.
struct ScriptedEngine final : SpeechEngine {
    explicit ScriptedEngine(QStringList& said) : log(said) {}
    bool setLanguage(const QLocale&) override { return true; }
    void say(const QString& sentence) override { log << sentence; }
    void stop() override { log << QStringLiteral("(stop)"); }
    QStringList& log;
};

void key(QWidget* window, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window->windowHandle(), k, modifiers);
}

QStringList topMenuTexts(QMainWindow* window)
{
    QStringList texts;
    for (QAction* a : window->menuBar()->actions())
        texts << a->text();
    return texts;
}

} // namespace

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void loadPreparesTheFrame()
    {
        Fixture f;
        BoxScreen& s = *f.screen;
        QCOMPARE(s.settings, 1);
        QCOMPARE(s.problems, 1);
        QCOMPARE(s.rightLabel()->text(), QStringLiteral("0"));
        QCOMPARE(s.wrongLabel()->text(), QStringLiteral("0"));
        QVERIFY(s.avantiButton()->isVisible());
        QVERIFY(!s.avantiButton()->isEnabled());
        QCOMPARE(s.avantiButton()->objectName(), QStringLiteral("BottoneAvanti"));
        QVERIFY(!s.rightIcon()->isVisible() && !s.wrongIcon()->isVisible());
        QCOMPARE(topMenuTexts(&s), (QStringList{QStringLiteral("Azzera conteggio          "),
                                                QStringLiteral("Prova          "),
                                                QStringLiteral("Informazioni          "), QStringLiteral("Esci")}));
        for (int k = 1; k <= 10; ++k) {
            QCOMPARE(s.rod(k)->objectName(), QStringLiteral("brasti_%1").arg(k));
            QCOMPARE(s.rod(k)->accessibleName(), QStringLiteral("brasto %1").arg(k));
            QCOMPARE(Board::designRect(s.rod(k)).size(), QSize(350 * k, 350));
        }
        // At the designed size 15 twips are one pixel.
        QCOMPARE(s.board()->size(), QSize(668, 477));
        QCOMPARE(s.rod(3)->size(), QSize(70, 23));
        QCOMPARE(s.box->geometry(), QRect(267, 40, 240, 80));
    }

    void uprightRodsAndAutoAdvance()
    {
        Fixture f(true, RodStance::Upright);
        QCOMPARE(Board::designRect(f.screen->rod(4)).size(), QSize(350, 1400));
        QVERIFY(f.screen->avantiButton()->isHidden());
        // A right answer goes straight on to a new problem.
        f.screen->verdict(true);
        QCOMPARE(f.screen->problems, 2);
        QVERIFY(f.screen->judge->isEnabled());
        QVERIFY(!f.screen->avantiButton()->isEnabled());
        QCOMPARE(f.screen->rightLabel()->text(), QStringLiteral(" 1"));
    }

    void rightWrongAvantiAndReset()
    {
        Fixture f;
        BoxScreen& s = *f.screen;
        for (int i = 0; i < 3; ++i)
            s.verdict(false);
        QCOMPARE(s.wrongLabel()->text(), QStringLiteral(" 3"));
        QVERIFY(!s.rightIcon()->isVisible() && s.wrongIcon()->isVisible());
        QCOMPARE(f.t.sound.played, (std::vector<Sound>(3, Sound::Wrong)));
        QCOMPARE(s.problems, 1);

        f.t.random.pushInt(3, 4); // the right sound
        s.verdict(true);
        QCOMPARE(s.rightLabel()->text(), QStringLiteral(" 1"));
        QCOMPARE(harness::countsOn(f.screen.get()).right, std::int16_t(1));
        QCOMPARE(harness::countsOn(f.screen.get()).wrong, std::int16_t(3));
        QVERIFY(s.rightIcon()->isVisible() && !s.wrongIcon()->isVisible());
        QCOMPARE(f.t.sound.played.back(), Sound::Right3);
        // Solved: the answer is locked and "avanti" waits.
        QVERIFY(!s.judge->isEnabled());
        QVERIFY(s.avantiButton()->isEnabled());
        QCOMPARE(s.problems, 1);

        // "Azzera conteggio" while "avanti" waits: new problem, locks kept.
        s.menuBar()->findChild<QAction*>(QStringLiteral("MenuAzzera"))->trigger();
        QVERIFY(!s.rightIcon()->isVisible() && !s.wrongIcon()->isVisible()); // until the next answer
        QCOMPARE(s.rightLabel()->text(), QStringLiteral("0"));
        QCOMPARE(s.wrongLabel()->text(), QStringLiteral("0"));
        QCOMPARE(harness::countsOn(f.screen.get()).right, std::int16_t(0));
        QCOMPARE(s.problems, 2);
        QVERIFY(!s.judge->isEnabled());
        QVERIFY(s.avantiButton()->isEnabled());

        harness::clickThroughWindow(s.avantiButton());
        QCOMPARE(s.problems, 3);
        QVERIFY(s.judge->isEnabled());
        QVERIFY(!s.avantiButton()->isEnabled());
        // A second click on the now disabled button does nothing.
        harness::clickThroughWindow(s.avantiButton());
        QCOMPARE(s.problems, 3);
    }

    // The program's voice says each problem as it is posed or asked for
    // again, after the feedback sound, never over it; only the last of
    // several sentences asked for meanwhile, none for a closed screen, and
    // nothing while a screen reader speaks.
    void voiceSaysTheProblems()
    {
        using namespace std::chrono_literals;
        QStringList log;
        bool screenReader = false;
        Speaker speaker([&log] { return std::make_unique<ScriptedEngine>(log); }, [&] { return screenReader; });
        speaker.setOn(true);
        auto f = std::make_unique<Fixture>(false, RodStance::Flat, &speaker);
        BoxScreen& s = *f->screen;
        f->t.sound.soundLength = 300ms;
        QTRY_COMPARE(log, QStringList{"problema 1"});
        QVERIFY(s.ascoltaButton()->isVisible());
        harness::clickThroughWindow(s.ascoltaButton());
        QTRY_COMPARE(log.size(), 2);
        key(&s, Qt::Key_F1);
        QTRY_COMPARE(log.size(), 3);
        QCOMPARE(log.last(), QStringLiteral("problema 1"));

        log.clear();
        s.verdict(true); // the sound stops the voice
        harness::clickThroughWindow(s.avantiButton());
        s.menuBar()->findChild<QAction*>(QStringLiteral("MenuAzzera"))->trigger();
        QTest::qWait(100);
        QCOMPARE(log, QStringList{"(stop)"}); // nothing over the sound
        QTRY_COMPARE(log, (QStringList{"(stop)", "problema 3"}));

        // A screen closed while its sentence waits for the sound says nothing.
        log.clear();
        s.verdict(false);
        key(&s, Qt::Key_F1);
        QCoreApplication::processEvents();
        f.reset();
        QTest::qWait(400);
        QCOMPARE(log, (QStringList{"(stop)", "(stop)"}));

        // The next problem in the automatic mode; then a screen reader speaks instead.
        log.clear();
        f = std::make_unique<Fixture>(true, RodStance::Flat, &speaker);
        f->t.sound.soundLength = 300ms;
        QTRY_COMPARE(log, QStringList{"problema 1"});
        f->t.random.pushInt(1, 4);
        f->screen->verdict(true);
        QTRY_COMPARE(log, (QStringList{"problema 1", "(stop)", "problema 2"}));
        screenReader = true;
        key(f->screen.get(), Qt::Key_F1);
        QTest::qWait(50);
        QCOMPARE(log.size(), 3);
    }

    void countersStopAtTheTop()
    {
        Board board(FrameLayout{}.client);
        Counters counters(&board, FrameLayout{});
        for (int i = 0; i < 32768; ++i)
            counters.countRight();
        counters.countWrong();
        QCOMPARE(counters.right(), std::int16_t(32767));
        QCOMPARE(counters.rightLabel()->text(), QStringLiteral(" 32767"));
        QCOMPARE(counters.wrongLabel()->text(), QStringLiteral(" 1"));
        counters.reset();
        QCOMPARE(counters.right() + counters.wrong(), 0);
        QCOMPARE(counters.rightLabel()->text(), QStringLiteral("0"));
    }

    void aboutAndLeaving()
    {
        struct Recorder : Navigator {
            int menus = 0;
            void showMenu() override { ++menus; }
            void quitProgram() override {}
        } nav;
        Fixture f;
        f.t.context.navigator = &nav;
        f.screen->informazioni();
        const auto& about = f.t.dialogs.shown.back();
        QVERIFY(!about.question);
        QCOMPARE(about.icon, MessageIcon::Information);
        QCOMPARE(about.title, QStringLiteral("Utilizzare i brasti"));
        // Its last line tells the teacher how to reach the teacher's window.
        QCOMPARE(about.text.split(QStringLiteral("\r\n")).size(), 5);
        QVERIFY(about.text.split(QStringLiteral("\r\n")).last().contains(QStringLiteral("Ctrl+Alt+I")));
        QVERIFY(about.text.contains(QStringLiteral("example.org")));

        f.screen->verdict(false);
        f.t.dialogs.answers = {false};
        f.screen->esci();
        QCOMPARE(f.t.dialogs.shown.back().text, QStringLiteral("Vuoi tornare al menù?"));
        QCOMPARE(f.t.dialogs.shown.back().title, QStringLiteral("Utilizzare i brasti"));
        QCOMPARE(nav.menus, 0);
        QCOMPARE(harness::countsOn(f.screen.get()).wrong, std::int16_t(1));
        QCOMPARE(f.screen->wrongLabel()->text(), QStringLiteral(" 1"));

        f.t.dialogs.answers = {true};
        f.screen->esci();
        QCOMPARE(nav.menus, 1);
    }

    void dropOnTargetReachesItsHandler()
    {
        Fixture f;
        BoxScreen& s = *f.screen;
        harness::dragRodOnto(s.rod(3), s.box);
        QCOMPARE(s.dropped, std::vector<int>{3});
        QCOMPARE(Board::designRect(s.rod(3)).topLeft(), QPoint(4000, 600));
        QVERIFY(!s.rod(3)->isMovable());

        // A disabled rod cannot be dragged.
        harness::dragRodOnto(s.rod(3), s.list);
        QVERIFY(s.listDrops.empty());

        // The rod lying on the box hides that part of it; the rest still takes drops.
        harness::dragRodTo(s.rod(1), &s, s.rod(3)->mapTo(&s, s.rod(3)->rect().center()));
        QCOMPARE(s.dropped, std::vector<int>{3});
        harness::dragRodTo(s.rod(1), &s, s.box->mapTo(&s, QPoint(s.box->width() - 5, s.box->height() - 5)));
        QCOMPARE(s.dropped, (std::vector<int>{3, 1}));

        // Each place takes its own drops; that handler leaves the rod where it was.
        harness::dragRodOnto(s.rod(5), s.list);
        QCOMPARE(s.listDrops, std::vector<int>{5});
        QCOMPARE(Board::designRect(s.rod(5)).topLeft(), QPoint(200, 1800)); // not moved by that handler
    }

    void dropsThatReachNothing()
    {
        Fixture f;
        BoxScreen& s = *f.screen;
        const QRect before = s.rod(4)->geometry();
        // On the bare board, on a control without a handler, outside the window.
        harness::dragRodTo(s.rod(4), &s, s.board()->mapTo(&s, QPoint(620, 400)));
        harness::dragRodOnto(s.rod(4), s.judge);
        harness::dragRodTo(s.rod(4), &s, QPoint(-50, 3000));
        // On a disabled target.
        s.box->setEnabled(false);
        harness::dragRodOnto(s.rod(4), s.box);
        QVERIFY(s.dropped.empty());
        QCOMPARE(s.rod(4)->geometry(), before);
        QVERIFY(s.rod(4)->isMovable());
    }

    void outlineFollowsThePointer()
    {
        Fixture f;
        BoxScreen& s = *f.screen;
        QWindow* w = s.windowHandle();
        auto* outline = s.board()->findChild<QWidget*>(QStringLiteral("contornoTrascinamento"));
        QVERIFY(outline && !outline->isVisible());
        const QPoint start = s.rod(2)->mapTo(&s, QPoint(5, 5));
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, start);
        QVERIFY(outline->isVisible());
        QCOMPARE(outline->size(), s.rod(2)->size());
        QTest::mouseMove(w, start + QPoint(100, 40));
        QCOMPARE(outline->pos(), s.rod(2)->pos() + s.board()->mapTo(s.board(), QPoint()) + QPoint(100, 40));
        QCOMPARE(s.dragger()->draggedRod(), s.rod(2));
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, start + QPoint(100, 40));
        QVERIFY(!outline->isVisible());
        QVERIFY(!s.dragger()->draggedRod());
    }

    void touchDragsLikeAMouse()
    {
        Fixture f;
        BoxScreen& s = *f.screen;
        const std::unique_ptr<QPointingDevice> owner(QTest::createTouchDevice());
        QPointingDevice* device = owner.get();
        const QPoint start = s.rod(6)->mapTo(&s, s.rod(6)->rect().center());
        const QPoint end = s.box->mapTo(&s, s.box->rect().center());
        QTest::touchEvent(s.windowHandle(), device).press(0, start);
        QTest::touchEvent(s.windowHandle(), device).move(0, (start + end) / 2);
        QTest::touchEvent(s.windowHandle(), device).move(0, end);
        QTest::touchEvent(s.windowHandle(), device).release(0, end);
        QCOMPARE(s.dropped, std::vector<int>{6});
    }

    void keyboardCarriesOneRodAtATime()
    {
        Fixture f;
        BoxScreen& s = *f.screen;
        s.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        auto* outline = s.board()->findChild<QWidget*>(QStringLiteral("contornoTrascinamento"));
        const auto focusOn = [&](QWidget* w) {
            for (int i = 0; i < 30 && s.focusWidget() != w; ++i)
                key(&s, Qt::Key_Tab);
            return s.focusWidget() == w;
        };
        // A rod under a longer one is out of reach of the mouse, and of Tab.
        s.board()->moveTo(s.rod(1), Board::designRect(s.rod(9)).topLeft());
        QVERIFY(!tabStops(s.board()).contains(s.rod(1)));
        // Targets join the round only while a rod is carried.
        QVERIFY(!tabStops(s.board()).contains(s.box));

        // Picked up, the outline on the rod; Tab goes round the targets only.
        QVERIFY(focusOn(s.rod(3)));
        key(&s, Qt::Key_Space);
        QCOMPARE(s.dragger()->draggedRod(), s.rod(3));
        QCOMPARE(outline->geometry(), placeOnBoard(s.board(), s.rod(3)));
        const std::vector<QWidget*> expected = {s.box, s.list, s.box};
        for (QWidget* target : expected) {
            key(&s, Qt::Key_Tab);
            QCOMPARE(s.focusWidget(), target);
            QCOMPARE(s.focusFrame()->framed(), target);
        }
        key(&s, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(s.focusWidget(), s.list);
        // Esc: put down, nothing dropped, the focus back on the rod.
        key(&s, Qt::Key_Escape);
        QVERIFY(!s.dragger()->draggedRod() && !outline->isVisible());
        QCOMPARE(s.focusWidget(), s.rod(3));
        QVERIFY(s.dropped.empty() && s.listDrops.empty());

        // A target holding a rod, or disabled, is passed by; with none left, nothing is picked up.
        s.box->setOccupied(true);
        key(&s, Qt::Key_Return);
        key(&s, Qt::Key_Tab);
        QCOMPARE(s.focusWidget(), s.list);
        key(&s, Qt::Key_Tab);
        QCOMPARE(s.focusWidget(), s.list);
        key(&s, Qt::Key_Escape);
        s.list->setEnabled(false);
        key(&s, Qt::Key_Space);
        QVERIFY(!s.dragger()->draggedRod());
        s.list->setEnabled(true);
        s.box->setOccupied(false);

        // Dropped through the box's own handler; the rod is fixed, so the keyboard goes on to the next rod.
        key(&s, Qt::Key_Space);
        key(&s, Qt::Key_Tab);
        key(&s, Qt::Key_Return);
        QCOMPARE(s.dropped, std::vector<int>{3});
        QVERIFY(!s.dragger()->draggedRod() && !outline->isVisible());
        QCOMPARE(s.focusWidget(), s.rod(4));
        // A key held down picks up once: its repeats put nothing back.
        QTest::keyPress(s.windowHandle(), Qt::Key_Space);
        for (int i = 0; i < 3; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
            QApplication::sendEvent(s.rod(4), &repeat);
        }
        QTest::keyRelease(s.windowHandle(), Qt::Key_Space);
        QCOMPARE(s.dragger()->draggedRod(), s.rod(4));
        key(&s, Qt::Key_Escape);

        // The mouse takes over from the keyboard: one rod carried, the mouse's.
        key(&s, Qt::Key_Space);
        QCOMPARE(s.dragger()->draggedRod(), s.rod(4));
        QWindow* w = s.windowHandle();
        const QPoint five = s.rod(5)->mapTo(&s, s.rod(5)->rect().center());
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, five);
        QCOMPARE(s.dragger()->draggedRod(), s.rod(5));
        QVERIFY(!s.dragger()->carriedByKeyboard());
        QVERIFY(!s.focusFrame()->framed()); // the mouse hid the frame
        // Keys meanwhile pick up nothing; Esc puts the mouse's rod down too.
        key(&s, Qt::Key_Space);
        QCOMPARE(s.dragger()->draggedRod(), s.rod(5));
        key(&s, Qt::Key_Escape);
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, s.list->mapTo(&s, s.list->rect().center()));
        QVERIFY(!s.dragger()->draggedRod() && s.listDrops.empty());
        QCOMPARE(s.dropped, std::vector<int>{3});
        QCOMPARE(s.focusFrame()->framed(), s.focusWidget()); // and the keys brought it back

        // A click elsewhere takes the keyboard away: the carried rod is put down.
        QVERIFY(focusOn(s.rod(6)));
        key(&s, Qt::Key_Space);
        key(&s, Qt::Key_Tab);
        harness::clickThroughWindow(s.judge);
        QVERIFY(!s.dragger()->draggedRod() && !outline->isVisible());
        QCOMPARE(s.problems, 1);
    }

    void focusFrameScalesAndFollows()
    {
        Fixture f;
        BoxScreen& s = *f.screen;
        s.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        key(&s, Qt::Key_Tab);
        QWidget* focused = s.focusWidget();
        FocusFrame* frame = s.focusFrame();
        QCOMPARE(frame->framed(), focused);
        QCOMPARE(frame->band(), 2);
        QCOMPARE(frame->geometry(), placeOnBoard(s.board(), focused).adjusted(-4, -4, 4, 4));
        // Twice the size, twice the bands; the frame stays round the control.
        s.resize(668 * 2, 477 * 2 + s.menuBar()->height());
        QTRY_COMPARE(s.board()->size(), QSize(1336, 954));
        QCOMPARE(frame->band(), 4);
        QCOMPARE(frame->geometry(), placeOnBoard(s.board(), focused).adjusted(-8, -8, 8, 8));
        // Both bands are drawn: black outside, white inside.
        const QImage picture = s.board()->grab(frame->geometry()).toImage();
        QCOMPARE(picture.pixelColor(1, picture.height() / 2), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(5, picture.height() / 2), QColor(Qt::white));
        // A control moved by its screen takes the frame along; hidden, it passes the focus on.
        s.board()->moveTo(focused, QPoint(2000, 4000));
        QCOMPARE(frame->geometry(), placeOnBoard(s.board(), focused).adjusted(-8, -8, 8, 8));
        focused->hide();
        QVERIFY(s.focusWidget() != focused);
        QCOMPARE(frame->framed(), s.focusWidget());
    }

    void touchDuringADrag_data()
    {
        QTest::addColumn<int>("variant");
        QTest::newRow("long press, then the drag") << 0;
        QTest::newRow("second finger on another rod") << 1;
        QTest::newRow("second finger on a button") << 2;
        QTest::newRow("first finger lifted first") << 3;
    }
    void touchDuringADrag()
    {
        QFETCH(int, variant);
        Fixture f;
        BoxScreen& s = *f.screen;
        const std::unique_ptr<QPointingDevice> owner(QTest::createTouchDevice());
        QPointingDevice* device = owner.get();
        QWindow* w = s.windowHandle();
        // Nothing may turn a finger held still into a context menu.
        struct MenuSpy : QObject {
            int menus = 0;
            bool eventFilter(QObject*, QEvent* e) override
            {
                menus += e->type() == QEvent::ContextMenu ? 1 : 0;
                return false;
            }
        } spy;
        qApp->installEventFilter(&spy);
        const QPoint start = s.rod(6)->mapTo(&s, s.rod(6)->rect().center());
        const QPoint end = s.box->mapTo(&s, s.box->rect().center());
        const QPoint second = variant == 2 ? s.judge->mapTo(&s, s.judge->rect().center())
                                           : s.rod(2)->mapTo(&s, s.rod(2)->rect().center());
        const QPoint list = s.list->mapTo(&s, s.list->rect().center());
        QTest::touchEvent(w, device).press(0, start);
        QCOMPARE(s.dragger()->draggedRod(), s.rod(6));
        if (variant == 0)
            QTest::qWait(900); // past any press-and-hold time
        QTest::touchEvent(w, device).move(0, (start + end) / 2);
        if (variant > 0) {
            QTest::touchEvent(w, device).move(0, (start + end) / 2).press(1, second);
            QCOMPARE(s.dragger()->draggedRod(), s.rod(6));
            QTest::touchEvent(w, device).move(0, end).move(1, list);
        }
        if (variant == 3) {
            QTest::touchEvent(w, device).release(0, end).move(1, list);
            QTest::touchEvent(w, device).release(1, list);
        } else {
            if (variant > 0)
                QTest::touchEvent(w, device).move(0, end).release(1, list);
            QTest::touchEvent(w, device).move(0, end);
            QTest::touchEvent(w, device).release(0, end);
        }
        qApp->removeEventFilter(&spy);
        QCOMPARE(s.dropped, std::vector<int>{6});
        QVERIFY(s.listDrops.empty());
        QVERIFY(!s.dragger()->draggedRod());
        QCOMPARE(harness::countsOn(f.screen.get()).wrong + harness::countsOn(f.screen.get()).right, 0); // the button was not pressed
        QCOMPARE(spy.menus, 0);
        QCOMPARE(QGuiApplication::mouseButtons(), Qt::NoButton);
    }

    void operationsListAndExtraRods()
    {
        harness::TestContext t;
        ListScreen s(t.context);
        s.operationsList()->addItem(QStringLiteral("prima del caricamento"));
        s.load();
        QCOMPARE(s.operationsList()->count(), 0);
        QCOMPARE(s.operationsList()->objectName(), QStringLiteral("List1"));
        QCOMPARE(topMenuTexts(&s).at(1), QStringLiteral("Operazioni scritte         "));
        auto* visibili = s.findChild<QAction*>(QStringLiteral("mnuVisibili"));
        auto* invisibili = s.findChild<QAction*>(QStringLiteral("mnuInvisibili"));
        QVERIFY(visibili->isChecked() && !invisibili->isChecked());
        // A hidden list still receives lines; shown again, it has them all.
        invisibili->trigger();
        QVERIFY(s.operationsList()->isHidden() && !visibili->isChecked() && invisibili->isChecked());
        s.addOperationLine(QStringLiteral(" 14 = 10 +  4"));
        visibili->trigger();
        QVERIFY(!s.operationsList()->isHidden());
        QCOMPARE(s.operationsList()->item(0)->text(), QStringLiteral(" 14 = 10 +  4"));
        s.azzeraConteggio();
        QCOMPARE(s.operationsList()->count(), 0);

        // The second rod of 10: its own name, the number 10, sized and laid above the tray.
        QCOMPARE(s.second->objectName(), QStringLiteral("brasti2_10"));
        QCOMPARE(s.second->accessibleName(), QStringLiteral("brasto 10"));
        QCOMPARE(Board::designRect(s.second).size(), QSize(3500, 350));
        QCOMPARE(s.second->parentWidget()->children().last(), s.second);
        QCOMPARE(s.extraRods(), std::vector<Rod*>{s.second});
    }

    void boardScalesWithTheWindow()
    {
        Fixture f;
        BoxScreen& s = *f.screen;
        QMenuBar* bar = s.menuBar();
        const int menuHeight = bar->height();
        const int menuPixels = QFontInfo(bar->font()).pixelSize();
        QCOMPARE(s.designedWindowSize(), QSize(668, 477 + menuHeight));
        // At twice the designed size everything doubles, the menu bar with
        // its font and its menus' font (as on a whiteboard).
        s.resize(s.designedWindowSize() * 2);
        QTRY_COMPARE(bar->height(), 2 * menuHeight);
        QTRY_COMPARE(s.board()->size(), QSize(1336, 954));
        QCOMPARE(s.box->geometry(), QRect(533, 80, 480, 160)); // 4000 twips at 2/15 px
        QCOMPARE(s.rightLabel()->font().pixelSize(), 26); // 9.75 pt at twice the size
        QCOMPARE(s.zoom(), 2.0);
        QVERIFY(std::abs(QFontInfo(bar->font()).pixelSize() - 2 * menuPixels) <= 1);
        auto* own = s.findChild<QMenu*>(QStringLiteral("mnuProva"));
        QCOMPARE(QFontInfo(own->font()).pixelSize(), QFontInfo(bar->font()).pixelSize());
        // The designed size stays what it was, so the next screen opens at this zoom.
        QCOMPARE(s.designedWindowSize(), QSize(668, 477 + menuHeight));
        // A whiteboard's screen: the bar's font keeps the board's proportion.
        s.resize(1920, 1080);
        QTRY_COMPARE(s.board()->height(), 1080 - bar->height());
        QVERIFY(std::abs(QFontInfo(bar->font()).pixelSize() - menuPixels * s.zoom()) <= 1);
        QVERIFY(std::abs(bar->height() - menuHeight * s.zoom()) <= 1);
        // A wider window keeps the proportions and centres the board.
        s.resize(668 * 3, 477 + menuHeight);
        QTRY_COMPARE(bar->height(), menuHeight);
        QCOMPARE(QFontInfo(bar->font()).pixelSize(), menuPixels);
        QTRY_COMPARE(s.board()->size(), QSize(668 * 3, 477));
        QCOMPARE(s.box->geometry(), QRect(668 + 267, 40, 240, 80));
        // The drop still lands after scaling.
        harness::dragRodOnto(s.rod(2), s.box);
        QCOMPARE(s.dropped, std::vector<int>{2});
        QCOMPARE(s.rod(2)->pos(), s.box->pos());
    }
};

BRASTI_TEST_MAIN(TestFrame)
#include "tst_frame.moc"
