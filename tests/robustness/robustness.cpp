// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// A seeded random-event run over the whole program: drags of random rods to
// random places, clicks, menu items, keys (to the window, which hands them to
// the focused control as a keyboard does: Tab, Shift+Tab, Space, Enter and
// Esc that carry rods and press buttons, typed numbers, operations and junk
// in a text box, now and then a key held over the next event), resizes,
// "Esci" answered either way, windows closed. After every event it checks
// what must always hold.
// With --access 1 the run goes on under a private X server with the
// accessibility bus, as with a screen reader listening: every sentence is
// then worked out and sent as it would be, F1 asks for the problem again
// and again, and each notice that goes out must come from the screen on
// show, never from one already left; the memory the run holds must not grow.
// The seed is printed, so a failure replays exactly with --seed.
//
//   robustness [--seed N] [--events N] [--seconds S] [--verbose 1] [--access 1]
#include "app/pagesettings.h"
#include "app/shell.h"
#include "bench/selfprobe.h"
#include "common/accessibility.h"
#include "common/appcontext.h"
#include "common/board.h"
#include "common/dialogs.h"
#include "common/exercisescreen.h"
#include "common/random.h"
#include "common/rod.h"
#include "exercises/comparison/relationscreen.h"
#include "exercises/comparison/rowscreen.h"
#include "exercises/composing/compositionscreen.h"
#include "harness/harness.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFile>
#include <QStandardPaths>
#include <QFrame>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QUrlQuery>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <utility>
#include <vector>

using namespace brasti;

namespace {

// Answers every question at random, from the run's own generator.
class CoinDialogs final : public Dialogs {
public:
    explicit CoinDialogs(std::mt19937_64& rng) : rng_(rng) {}
    // "Sì" one time in four, so screens are left now and then but get played.
    void askYesNo(QWidget*, const QString&, const QString&, std::function<void(bool)> answered) override
    {
        answered(rng_() % 4 == 0);
    }
    void inform(QWidget*, MessageIcon, const QString&, const QString&) override {}

private:
    std::mt19937_64& rng_;
};

struct Failure {
    std::string what;
};

const char* const kInsideAccess = "BRASTI_INSIDE_ACCESS";
constexpr long kMostGrowthKb = 48 * 1024;
// AddressSanitizer keeps freed memory aside for a while: the resident size
// then says nothing of leaks, which it reports itself.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryMeasurable = false;
#else
constexpr bool kMemoryMeasurable = true;
#endif
// Widgets outside the screen's tree that may be alive: a box or menu just closed, Qt's own.
constexpr qsizetype kMostStrayWidgets = 8;

// What the process holds in memory now, in kB (0 where it cannot tell).
long residentKb()
{
    return std::max(0L, bench::ownMemory().rssKb);
}

// The program's windows; a notice heard from any screen but the one on show is a fault.
QPointer<Shell> g_shell;
long g_noticesHeard = 0;
std::string g_noticeFault;

void checkNotice(QAccessibleEvent* event)
{
    auto* notice = qobject_cast<Notice*>(event->object());
    if (!notice || event->type() != QAccessible::ObjectShow)
        return;
    ++g_noticesHeard;
    // Read as a screen reader reads it, at once.
    const QString text = event->accessibleInterface()->text(QAccessible::Name);
    QWidget* screen = notice->window();
    ScreenWindow* shown = g_shell ? g_shell->current() : nullptr;
    if (g_noticeFault.empty() && (screen != shown || !screen->isVisible() || text.isEmpty()))
        g_noticeFault = "a notice (\"" + text.toStdString() + "\") from " + screen->objectName().toStdString()
                      + (screen->isVisible() ? "" : ", not on show") + " while "
                      + (shown ? shown->objectName().toStdString() : std::string("no screen")) + " is shown";
}

class Run {
public:
    Run(std::uint64_t seed) : rng_(seed), random_(seed), dialogs_(rng_)
    {
        context_.random = &random_;
        context_.sound = &sound_;
        context_.dialogs = &dialogs_;
        startProgram();
    }

    // One random event, then the checks. Returns a description of the event.
    std::string step()
    {
        ScreenWindow* before = shell_->current();
        const QPointer<ScreenWindow> leaving(before);
        const bool wasCarrying = carrying(before);
        const bool wasShowing = showing(before);
        const std::int16_t right = harness::countsOn(shell_->current()).right;
        const std::int16_t wrong = harness::countsOn(shell_->current()).wrong;
        lastWasReset_ = false;
        // "Azzera conteggio" may also be chosen by keyboard, through the menu bar.
        QMetaObject::Connection resetSeen;
        if (auto* azzera = before->findChild<QAction*>(QStringLiteral("MenuAzzera")))
            resetSeen = QObject::connect(azzera, &QAction::triggered, [this] { lastWasReset_ = true; });
        std::string event = act();
        QObject::disconnect(resetSeen);
        // A screen that was left carries nothing on its way out.
        if (leaving && leaving != shell_->current() && carrying(leaving))
            throw Failure{"after \"" + event + "\": a rod still carried on a screen that was left"};
        // What was left to say is said now, as the event loop would, before
        // a screen left goes: a sentence of its own may still be waiting.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!g_noticeFault.empty())
            throw Failure{"after \"" + event + "\": " + std::exchange(g_noticeFault, std::string())};
        if (quit_) {
            // The program ended ("Esci" → Sì, or its window closed): start it again.
            quit_ = false;
            shell_.reset();
            startProgram();
            return event + " → program ended, started again";
        }
        try {
            check(before, right, wrong);
            screensOpened_ += shell_->current() != before ? 1 : 0;
            answersShown_ += !wasShowing && showing(shell_->current()) ? 1 : 0;
            if (auto* e = qobject_cast<ExerciseScreen*>(shell_->current());
                e && shell_->current() == before && !wasCarrying && e->dragger()->carriedByKeyboard())
                ++keyboardCarries_;
        } catch (Failure& f) {
            f.what = "after \"" + event + "\": " + f.what;
            throw;
        }
        return event;
    }

    // What the run went through, so a run that never reached a verdict shows.
    std::string summary() const
    {
        long right = 0;
        for (Sound played : sound_.played)
            right += played == Sound::Wrong ? 0 : 1;
        return std::to_string(right) + " right and " + std::to_string(long(sound_.played.size()) - right)
             + " wrong answers, " + std::to_string(screensOpened_) + " screens opened, "
             + std::to_string(keyboardCarries_) + " rods picked up by keyboard, " + std::to_string(answersShown_)
             + " answers shown, " + std::to_string(restarts_)
             + " restarts";
    }

private:
    void startProgram()
    {
        shell_ = std::make_unique<Shell>(context_);
        g_shell = shell_.get();
        shell_->setQuitAction([this] { quit_ = true; });
        context_.autoAdvance = false;
        // Every other start as a teacher sets it: "mostrami" after a wrong try.
        context_.showAnswer = restarts_ % 2 == 0;
        shell_->showStart();
        ++restarts_;
    }

    static bool showing(ScreenWindow* w)
    {
        auto* e = qobject_cast<ExerciseScreen*>(w);
        return e && e->isShowingAnswer();
    }

    static bool carrying(ScreenWindow* w)
    {
        auto* e = qobject_cast<ExerciseScreen*>(w);
        return e && e->dragger()->draggedRod();
    }

    int pick(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return pick(100) < percent; }

    QPoint randomPointIn(QWidget* w) { return QPoint(pick(std::max(1, w->width())), pick(std::max(1, w->height()))); }
    // A point of the board, in window coordinates: the menu bar is reached through its items.
    QPoint randomBoardPoint(ScreenWindow* w) { return w->board()->mapTo(w, randomPointIn(w->board())); }

    template <typename T> T* any(const QList<T*>& items) { return items.isEmpty() ? nullptr : items.at(pick(int(items.size()))); }

    QList<QWidget*> visibleControls(ScreenWindow* w)
    {
        QList<QWidget*> controls;
        for (QWidget* c : w->board()->findChildren<QWidget*>())
            if (isControl(c) && c->isVisible())
                controls << c;
        return controls;
    }

    QList<QAction*> menuActions(ScreenWindow* w)
    {
        QList<QAction*> actions;
        auto* bar = w->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
        if (!bar)
            return actions;
        for (QAction* a : bar->actions()) {
            if (a->menu())
                actions << a->menu()->actions();
            else
                actions << a;
        }
        return actions;
    }

    std::string act()
    {
        ScreenWindow* w = shell_->current();
        QWindow* handle = w->windowHandle();
        // Whatever pops up (a menu, a box) is closed again rather than left
        // to wait for a user who is not there.
        QTimer::singleShot(0, [] {
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        if (heldKey_) {
            // The key held over the last event comes up now, wherever the
            // focus went: an event of its own, since the release may click.
            const Qt::Key held = std::exchange(heldKey_, Qt::Key(0));
            QTest::keyRelease(handle, held);
            return "release of key " + std::to_string(int(held));
        }
        if (secondClick_) {
            // The second click of a double-click: an event of its own, since
            // each click of it may count.
            secondClick_ = false;
            QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, secondClickAt_);
            return "second click of a double-click";
        }
        const int kind = pick(100);
        if (auto* e = qobject_cast<ExerciseScreen*>(w); e && kind < 6) {
            // The right answer, as the screen would show it, made by mouse
            // and keys: plays then reach right answers as often as wrong ones.
            const std::vector<ShownMove> moves = e->shownMoves();
            if (!moves.empty()) {
                const QPointer<ExerciseScreen> guard(e);
                harness::playMoves(moves);
                return guard ? "the shown answer made, " + std::to_string(moves.size()) + " moves"
                             : std::string("the shown answer made, screen left");
            }
        }
        if (kind < 42) {
            // Mostly rods that can move, sometimes fixed ones.
            const bool movableOnly = chance(80);
            QList<Rod*> rods;
            for (Rod* r : w->findChildren<Rod*>())
                if (r->isVisible() && (r->isMovable() || !movableOnly))
                    rods << r;
            if (Rod* rod = any(rods))
                return dragRod(w, rod);
        }
        if (kind < 62) {
            // Mostly buttons, as children press them, sometimes anything.
            QList<QWidget*> targets = visibleControls(w);
            if (chance(80)) {
                QList<QWidget*> buttons;
                for (QWidget* c : targets)
                    if (qobject_cast<QAbstractButton*>(c))
                        buttons << c;
                if (!buttons.isEmpty())
                    targets = buttons;
            }
            if (QWidget* c = any(targets)) {
                const QPoint p = c->mapTo(w, randomPointIn(c));
                // The click may unload the whole screen.
                const std::string name = c->objectName().toStdString();
                QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, p);
                if (chance(10)) {
                    secondClick_ = true;
                    secondClickAt_ = p;
                }
                return "click on " + name;
            }
        }
        if (kind < 67) {
            if (QAction* a = any(menuActions(w))) {
                if (a->objectName() == QLatin1String("MenuAzzera"))
                    lastWasReset_ = true;
                const std::string name = a->objectName().toStdString();
                a->trigger();
                return "menu " + name;
            }
        }
        if (kind < 89) {
            // Keys go where a keyboard sends them: to the window, which hands
            // them to the control with the focus.
            QWidget* focused = w->focusWidget();
            if (auto* box = qobject_cast<QLineEdit*>(focused); box && box->isEnabled() && chance(60))
                return typeInto(box);
            return pressKey(handle);
        }
        if (kind < 94) {
            const QSize size(100 + pick(1800), 80 + pick(1200));
            w->resize(size);
            return "resize to " + std::to_string(size.width()) + "x" + std::to_string(size.height());
        }
        if (kind < 99 || pick(10) != 0) {
            // A press and a release far apart, on no rod.
            const QPoint a = randomBoardPoint(w);
            QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, a);
            QTest::mouseMove(handle, randomBoardPoint(w));
            QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, randomBoardPoint(w));
            return "press and release elsewhere";
        }
        // The window system closes the window: the program ends.
        w->close();
        quit_ = true;
        return "window closed";
    }

    // A key of keyboard play, most often those that move the focus, pick up,
    // drop and press; now and then one held down over the next event.
    std::string pressKey(QWindow* handle)
    {
        struct Choice {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int weight;
        };
        static const Choice keys[] = {
            {Qt::Key_Tab, Qt::NoModifier, 26},   {Qt::Key_Tab, Qt::ShiftModifier, 8},
            {Qt::Key_Space, Qt::NoModifier, 20}, {Qt::Key_Return, Qt::NoModifier, 14},
            {Qt::Key_Enter, Qt::KeypadModifier, 4}, {Qt::Key_Escape, Qt::NoModifier, 8},
            {Qt::Key_Alt, Qt::NoModifier, 2},    {Qt::Key_F11, Qt::NoModifier, 2},
            {Qt::Key_A, Qt::NoModifier, 2},      {Qt::Key_5, Qt::NoModifier, 2},
            {Qt::Key_Backspace, Qt::NoModifier, 2}, {Qt::Key_Left, Qt::NoModifier, 3},
            {Qt::Key_Up, Qt::NoModifier, 2},     {Qt::Key_Down, Qt::NoModifier, 2},
            {Qt::Key_Right, Qt::NoModifier, 3},  {Qt::Key_F1, Qt::NoModifier, 3},
            {Qt::Key_Question, Qt::ShiftModifier, 1},
        };
        int total = 0;
        for (const Choice& c : keys)
            total += c.weight;
        int at = pick(total);
        const Choice* choice = keys;
        while (at >= choice->weight)
            at -= (choice++)->weight;
        if (chance(12)) {
            QTest::keyPress(handle, choice->key, choice->modifiers);
            heldKey_ = choice->key;
            return "key " + std::to_string(int(choice->key)) + " held down";
        }
        QTest::keyClick(handle, choice->key, choice->modifiers);
        return "key " + std::to_string(int(choice->key))
             + (choice->modifiers & Qt::ShiftModifier ? " with Shift" : "");
    }

    // What a child types into a text box: a number, an operation, Enter
    // (either key), a key to correct with, or long junk pasted in.
    std::string typeInto(QLineEdit* box)
    {
        const int what = pick(100);
        if (what < 30) {
            box->clear();
            QTest::keyClicks(box, QString::number(pick(22)));
            return "typed a number";
        }
        if (what < 45) {
            const char* signs[] = {"+", "-", "=", " + ", "*"};
            QTest::keyClicks(box, QString::number(pick(21)) + QString::fromLatin1(signs[pick(5)]) + QString::number(pick(21))
                                      + QStringLiteral("=") + QString::number(pick(21)));
            return "typed an operation";
        }
        if (what < 80) {
            const Qt::Key key = chance(70) ? Qt::Key_Return : Qt::Key_Enter;
            QTest::keyClick(box, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            return "Enter in the box";
        }
        if (what < 92) {
            static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Space};
            QTest::keyClick(box, keys[pick(int(std::size(keys)))]);
            return "a correcting key in the box";
        }
        // Control characters, other scripts, text far longer than any answer.
        QString junk;
        const int length = chance(20) ? 20000 + pick(30000) : pick(300);
        junk.reserve(length);
        static const char16_t pool[] = {u'\t', u'\n', u'\r', 0x07, 0x1b, u'&', u'H', u'e', u'.', u'-', u'7',
                                        0x0667, 0x4e03, 0xff17, 0x2212, 0x00a0, 0x200b, 0xfffd};
        for (int i = 0; i < length; ++i)
            junk += QChar(chance(50) ? pool[pick(int(std::size(pool)))] : char16_t(1 + pick(0xd7ff)));
        QApplication::clipboard()->setText(junk);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return "pasted " + std::to_string(length) + " characters of junk";
    }

    std::string dragRod(ScreenWindow* w, Rod* rod)
    {
        QPoint target;
        std::string where;
        const int place = pick(20);
        QList<QWidget*> controls = visibleControls(w);
        if (place < 13) {
            // Mostly onto drop targets, so that plays get somewhere.
            auto* screen = qobject_cast<ExerciseScreen*>(w);
            QList<QWidget*> targets;
            for (QWidget* c : controls)
                if (screen && screen->dragger()->hasDropHandler(c))
                    targets << c;
            if (!targets.isEmpty())
                controls = targets;
        }
        if (place < 16) {
            QWidget* c = any(controls);
            target = c->mapTo(w, randomPointIn(c));
            where = c->objectName().toStdString();
        } else if (place < 19) {
            target = randomBoardPoint(w);
            where = "a point of the board";
        } else {
            target = QPoint(-200 + pick(w->width() + 400), -200 + pick(w->height() + 400));
            where = "anywhere";
        }
        const bool fixed = !rod->isMovable();
        const QRect before = Board::designRect(rod);
        const std::string name = rod->objectName().toStdString();
        const QPointer<Rod> guard(rod);
        const auto right = harness::countsOn(shell_->current()).right;
        const auto wrong = harness::countsOn(shell_->current()).wrong;
        harness::dragRodTo(rod, w, target);
        if (!guard)
            throw Failure{"a drag unloaded its own screen"};
        if (fixed && (Board::designRect(rod) != before || harness::countsOn(shell_->current()).right != right || harness::countsOn(shell_->current()).wrong != wrong))
            throw Failure{"a rod fixed in place moved or counted: " + name + " dragged onto " + where + " from "
                          + std::to_string(before.x()) + "," + std::to_string(before.y()) + " to "
                          + std::to_string(Board::designRect(rod).x()) + "," + std::to_string(Board::designRect(rod).y()) + ", counts "
                          + std::to_string(right) + "/" + std::to_string(wrong) + " → "
                          + std::to_string(harness::countsOn(shell_->current()).right) + "/" + std::to_string(harness::countsOn(shell_->current()).wrong)};
        return "drag " + name + (fixed ? " (fixed)" : "") + " onto " + where;
    }

    void check(ScreenWindow* before, std::int16_t right, std::int16_t wrong)
    {
        int alive = 0;
        int visible = 0;
        for (QWidget* t : QApplication::topLevelWidgets()) {
            if (auto* s = qobject_cast<ScreenWindow*>(t)) {
                ++alive;
                visible += s->isVisible() ? 1 : 0;
            }
        }
        if (alive != 1 || visible != 1 || !shell_->current())
            throw Failure{"screens alive " + std::to_string(alive) + ", visible " + std::to_string(visible)};

        const auto checkCount = [&](const char* name, std::int16_t was, std::int16_t now) {
            // 16 bits hold no more than 32767; a wrap shows as a negative count.
            if (now < 0)
                throw Failure{std::string(name) + " wrapped: " + std::to_string(now)};
            if (now > was + 1)
                throw Failure{std::string(name) + " moved by more than one"};
            const bool screenChanged = shell_->current() != before;
            if (now < was && !lastWasReset_ && !screenChanged)
                throw Failure{std::string(name) + " went down without a reset"};
            if (now < was && now != 0)
                throw Failure{std::string(name) + " went down but not to 0"};
        };
        checkCount("RightCount", right, harness::countsOn(shell_->current()).right);
        checkCount("WrongCount", wrong, harness::countsOn(shell_->current()).wrong);

        ScreenWindow* w = shell_->current();
        // Nothing of a screen left behind stays: every widget is the shown screen's.
        const qsizetype strays = QApplication::allWidgets().size() - w->findChildren<QWidget*>().size() - 1;
        if (strays > kMostStrayWidgets)
            throw Failure{std::to_string(strays) + " widgets alive outside the screen on show"};
        for (Rod* r : w->findChildren<Rod*>()) {
            if (!r->isVisible())
                continue;
            const QRect onBoard(r->mapTo(w->board(), QPoint()), r->size());
            if (!w->board()->rect().contains(onBoard))
                throw Failure{r->objectName().toStdString() + " lies outside its screen"};
        }
        // While an answer is shown its rods are on their way; the board is
        // checked again once it is given back.
        auto* c = showing(w) ? nullptr : qobject_cast<CompositionScreen*>(w);
        if (c) {
            // The row never holds more than the target, and what lies in it
            // adds up to what the screen has counted: no rod counted twice.
            const RodFill& done = c->composition();
            if (done.filled() > done.length())
                throw Failure{"a row filled past its target: " + std::to_string(done.filled()) + " of "
                              + std::to_string(done.length())};
            const QRect row = Board::designRect(c->row());
            int lying = 0;
            for (Rod* r : c->container()->findChildren<Rod*>())
                lying += r->isVisible() && row.intersects(Board::designRect(r)) ? r->number() : 0;
            if (lying != done.filled())
                throw Failure{"rods lying in the row add up to " + std::to_string(lying) + ", counted "
                              + std::to_string(done.filled())};
        }
        checkCarrying(w);
        if (!showing(w))
            checkComparisonTray(w);
        if (QApplication::mouseButtons() != Qt::NoButton)
            throw Failure{"a mouse button was left pressed"};
    }

    // A mouse drag ends with its release; a rod carried by keyboard stays
    // carried from key to key, but only one rod on one screen, enabled and
    // shown, with the keyboard on it or on a target it can be dropped on;
    // and an outline shows only for the rod carried.
    static void checkCarrying(ScreenWindow* current)
    {
        int carried = 0;
        int outlines = 0;
        for (QWidget* t : QApplication::topLevelWidgets()) {
            auto* e = qobject_cast<ExerciseScreen*>(t);
            if (!e)
                continue;
            Rod* rod = e->dragger()->draggedRod();
            carried += rod ? 1 : 0;
            for (QWidget* o : e->board()->findChildren<QWidget*>(QStringLiteral("contornoTrascinamento")))
                outlines += o->isVisible() ? 1 : 0;
            if (e != current && e->isShowingAnswer())
                throw Failure{"an answer still shown on a screen that is gone"};
            if (!rod)
                continue;
            if (e->isShowingAnswer())
                throw Failure{"a rod carried while an answer is shown"};
            if (!e->dragger()->carriedByKeyboard())
                throw Failure{"a mouse drag was left open"};
            if (e != current)
                throw Failure{"a rod carried on a screen that is gone"};
            if (!rod->isMovable() || !rod->isVisible())
                throw Failure{rod->objectName().toStdString() + " carried though it cannot be dragged"};
            QWidget* focused = e->focusWidget();
            if (e->isActiveWindow() && focused != rod && !e->dragger()->hasDropHandler(focused))
                throw Failure{rod->objectName().toStdString() + " carried while the keyboard is elsewhere"};
        }
        if (carried > 1)
            throw Failure{"two rods carried at once"};
        if (outlines != carried)
            throw Failure{std::to_string(outlines) + " drag outlines shown for " + std::to_string(carried)
                          + " rods carried"};
    }

    // The comparison screens that drag rods: none is ever lost, each stands
    // either on the tray's bottom line or in a box, and a box holds one rod.
    static void checkComparisonTray(ScreenWindow* w)
    {
        if (!qobject_cast<RowScreen*>(w) && !qobject_cast<RelationScreen*>(w))
            return;
        auto* screen = static_cast<ExerciseScreen*>(w);
        QList<QWidget*> boxes;
        for (QWidget* c : w->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^Picture\\d$"))))
            boxes << c;
        std::map<QWidget*, int> held;
        for (int k = 1; k <= 10; ++k) {
            Rod* r = screen->rod(k);
            const std::string name = r->objectName().toStdString();
            if (!r->isVisible())
                throw Failure{name + " was lost"};
            const QRect place = Board::designRect(r);
            QWidget* box = nullptr;
            for (QWidget* b : boxes)
                if (Board::designRect(b).contains(place))
                    box = b;
            if (box && ++held[box] > 1)
                throw Failure{box->objectName().toStdString() + " holds more than one rod"};
            if (!box && place.bottom() + 1 != comparison::kTray.top)
                throw Failure{name + " stands neither in the tray nor in a box"};
        }
    }

    std::mt19937_64 rng_;
    ClockRandom random_;
    harness::RecordingSoundPlayer sound_;
    CoinDialogs dialogs_;
    AppContext context_;
    std::unique_ptr<Shell> shell_;
    bool quit_ = false;
    bool lastWasReset_ = false;
    long screensOpened_ = 0;
    long restarts_ = -1;
    bool secondClick_ = false;
    QPoint secondClickAt_;
    Qt::Key heldKey_ = Qt::Key(0);
    long keyboardCarries_ = 0;
    long answersShown_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
#if !defined(Q_OS_WASM) // in a browser the page is the screen
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QApplication app(argc, argv);
    // Offscreen windows warn about size hints on every show; that is noise here.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type >= QtCriticalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });

    std::uint64_t seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    long long events = 1000000;
    double seconds = 0;
    bool verbose = false;
    bool access = false;
    std::vector<QByteArray> options(argv + 1, argv + argc);
    // In a browser the options come with the page's address: ?seconds=60&seed=N.
    for (const auto& [name, value] : QUrlQuery(brasti::startQuery().mid(1)).queryItems())
        options.insert(options.end(), {"--" + name.toUtf8(), value.toUtf8()});
    for (std::size_t i = 0; i + 1 < options.size(); i += 2) {
        const QByteArray& flag = options[i];
        const char* value = options[i + 1].constData();
        if (flag == "--access")
            access = std::atoi(value) != 0;
        else if (flag == "--seed")
            seed = std::strtoull(value, nullptr, 10);
        else if (flag == "--events")
            events = std::atoll(value);
        else if (flag == "--verbose")
            verbose = std::atoi(value) != 0;
        else if (flag == "--seconds")
            seconds = std::atof(value);
    }
    if (access && !qEnvironmentVariableIsSet(kInsideAccess)) {
        // Again under a private X server with the accessibility bus, which
        // lives as long as the private session bus.
        const QString session = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
        const QString launcher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
        if (QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty() || session.isEmpty()
            || !QFileInfo(launcher).isExecutable()) {
            std::printf("robustness: skipped, needs xvfb-run, dbus-run-session and at-spi-bus-launcher\n");
            return 77;
        }
        QStringList command{session, QStringLiteral("--"), QStringLiteral("sh"), QStringLiteral("-c"),
                            QStringLiteral("\"$0\" --launch-immediately --a11y=1 & exec \"$@\""), launcher,
                            QCoreApplication::applicationFilePath()};
        for (int i = 1; i < argc; ++i)
            command << QString::fromLocal8Bit(argv[i]);
        command << QStringLiteral("--seed") << QString::number(seed);
        const harness::UnderX run = harness::runUnderX(kInsideAccess, command,
                                                       {QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1")},
                                                       static_cast<int>(seconds * 1000) + 90000);
        std::fputs(run.output.constData(), stdout);
        return run.ok ? 0 : 1;
    }
    if (access) {
        if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000)) {
            std::printf("robustness: skipped, the accessibility bus did not come up\n");
            return 77;
        }
        // Events stop here, each checked and read as a screen reader would.
        QAccessible::installUpdateHandler(checkNotice);
    }
    std::printf("robustness: seed %llu (replay with --seed %llu)\n", static_cast<unsigned long long>(seed),
                static_cast<unsigned long long>(seed));
    std::fflush(stdout);

    QElapsedTimer clock;
    clock.start();
    Run run(seed);
    long long done = 0;
    std::string last;
    // What the run holds once every screen has been through its first
    // openings; past that it must not keep growing.
    long warmKb = 0;
    try {
        for (; done < events; ++done) {
            if (seconds > 0 && double(clock.elapsed()) > seconds * 1000)
                break;
            if (warmKb == 0 && (done >= events / 4 || (seconds > 0 && double(clock.elapsed()) > seconds * 250)))
                warmKb = residentKb();
            last = run.step();
            if (verbose)
                std::printf("%lld: %s\n", done + 1, last.c_str());
        }
    } catch (const Failure& f) {
        std::printf("robustness: FAILED at event %lld (%s): %s\nrobustness: replay with --seed %llu\n", done + 1,
                    last.c_str(), f.what.c_str(), static_cast<unsigned long long>(seed));
        std::printf("0 passed, 1 failed\n");
        return 1;
    }
    std::printf("robustness: %lld events in %.1f s, every check held (%s)\n", done, double(clock.elapsed()) / 1000.0,
                run.summary().c_str());
    if (access)
        std::printf("robustness: %ld notices heard\n", g_noticesHeard);
    // The resident size swings by some 20 MB with the window sizes and the
    // text pasted; a leak of a few hundred bytes an event would pass that.
    const long endKb = residentKb();
    std::printf("robustness: memory %ld kB after the first quarter, %ld kB at the end\n", warmKb, endKb);
    if (kMemoryMeasurable && warmKb > 0 && endKb > warmKb + kMostGrowthKb) {
        std::printf("robustness: FAILED: the memory grew by %ld kB\n0 passed, 1 failed\n", endKb - warmKb);
        return 1;
    }
    std::printf("1 passed, 0 failed\n");
    return 0;
}
