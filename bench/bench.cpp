// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The benchmark: measures start-up, memory, idleness and interaction of the
// program on the offscreen platform and, when xvfb-run is there, on an X
// server too, and prints one table of all figures against their goals.
//
//   brasti_bench                    the whole run and the table
//   brasti_bench --column           every figure on the current platform, as "key samples..." lines
//   brasti_bench --interaction N    the in-process interaction figures, N repetitions each
//   brasti_bench --sound N          the sound figures of one run of N verdicts (see soundbench.h)
#include "app/catalogue.h"
#include "app/menuscreen.h"
#include "app/shell.h"
#include "bench/paintspy.h"
#include "bench/procutil.h"
#include "bench/soundbench.h"
#include "common/board.h"
#include "common/counters.h"
#include "common/rod.h"
#include "exercises/comparison/relationscreen.h"
#include "harness/harness.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <map>
#include <memory>
#include <numeric>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;
using bench::Child;
using bench::Clock;
using bench::report;

namespace {

constexpr int kStartRuns = 20;
constexpr int kMemoryRuns = 3;
constexpr int kRounds = 100;
// Rounds run on past kRounds, so that a cache warming up can be told apart from a leak.
constexpr int kLongRounds = 300;
constexpr int kIdleSeconds = 10;
constexpr int kRepetitions = 200;
// Each sound run is a fresh process, so each gives one first sound.
constexpr int kSoundRuns = 5;
constexpr int kSoundVerdicts = 21;

using Samples = std::map<std::string, std::vector<double>>;

double msBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// ---------------------------------------------------------------------------
// In-process interaction, through window-level mouse events as a real mouse.
// A right answer is the screen's own shown answer, made by the harness's
// player as a child makes it; a wrong one is made of it, never worked out
// from the problem, so the bench measures the screens and solves nothing.

using brasti::ShownMove;
using Moves = std::vector<ShownMove>;

// The one place that knows where a screen's counts are kept.
int counted(const brasti::ExerciseScreen* screen, bool right)
{
    return right ? screen->counters().right() : screen->counters().wrong();
}

template <typename Table>
std::vector<int> screensOf(const Table& table)
{
    std::vector<int> screens;
    for (const auto& entry : table)
        screens.push_back(entry.screen);
    return screens;
}

QPoint centreIn(QWidget* widget, QWidget* window)
{
    return widget->mapTo(window, widget->rect().center());
}

// A wrong answer: the rods the shown one lays, in reverse order, each where
// the other is shown to lie.
Moves reversedRods(brasti::ExerciseScreen*, Moves moves)
{
    std::vector<ShownMove*> lays;
    for (ShownMove& m : moves)
        if (m.kind == brasti::Move::Kind::Lay)
            lays.push_back(&m);
    for (std::size_t i = 0; i < lays.size() / 2; ++i)
        std::swap(lays[i]->item, lays[lays.size() - 1 - i]->item);
    return moves;
}

// Another control of the kind of `shown` that the moves leave alone: the
// first made of its class and of its name but for the number (another rod,
// number button or sign) that is on show and takes a click, and a drag if
// it is a rod.
QWidget* another(const Moves& moves, const QWidget* shown)
{
    const auto kind = [](const QWidget* w) {
        QString name = w->objectName();
        while (!name.isEmpty() && name.back().isDigit())
            name.chop(1);
        return name;
    };
    for (QObject* o : shown->parentWidget()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        const auto* rod = qobject_cast<const brasti::Rod*>(w);
        if (w && w->metaObject() == shown->metaObject() && kind(w) == kind(shown) && w->isVisible()
            && w->isEnabled() && (!rod || rod->isMovable())
            && std::none_of(moves.begin(), moves.end(), [w](const ShownMove& m) { return m.item == w; }))
            return w;
    }
    throw std::runtime_error("no other control like " + shown->objectName().toStdString());
}

// A wrong answer: the shown one with its last rod laid, or where it lays
// none its last control pressed, swapped for another of the kind. On the
// relation screens that is a rod as long as the given one, never greater or
// less than it; under "=", where it is the answer, any other rod.
Moves withAnother(brasti::ExerciseScreen* screen, Moves moves)
{
    const auto last = [&moves](brasti::Move::Kind kind) {
        return std::find_if(moves.rbegin(), moves.rend(), [kind](const ShownMove& m) { return m.kind == kind; });
    };
    auto changed = last(brasti::Move::Kind::Lay);
    if (changed == moves.rend())
        changed = last(brasti::Move::Kind::Press);
    if (changed == moves.rend())
        throw std::runtime_error(screen->objectName().toStdString() + " shows neither a rod laid nor a press");
    QWidget* alike = nullptr;
    if (auto* relation = qobject_cast<brasti::RelationScreen*>(screen))
        alike = relation->rod(relation->shownCopy()->number());
    changed->item = alike && alike != changed->item ? alike : another(moves, changed->item);
    return moves;
}

using WrongAnswer = Moves (*)(brasti::ExerciseScreen*, Moves);

class Interaction {
public:
    explicit Interaction(int repetitions) : repetitions_(repetitions)
    {
        shell_.setQuitAction([] {});
        switchTo([this] { shell_.showStart(); });
    }

    // From the release that completes a click on an exercise button of the
    // menu to the end of the paint pass that first draws the exercise screen.
    std::vector<double> menuClicks()
    {
        std::vector<double> ms;
        for (int i = 0; i < repetitions_; ++i) {
            switchTo([this] { shell_.showMenu(); });
            auto* menu = qobject_cast<brasti::MenuScreen*>(shell_.current());
            const int screen = i % brasti::kExerciseCount + 1;
            // The menu is gone by the time the new screen paints.
            ms.push_back(timedClick(menu->exerciseButton(screen + 1), [this](QWidget* w) {
                return w->window() == shell_.current() && qobject_cast<brasti::ExerciseScreen*>(w->window());
            }));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        return ms;
    }

    // "mostrami" after a wrong order of all ten rods, played through, with
    // the window at `size`: the time from the press's release to the paint
    // of the first move, and the CPU the program spends on each animation
    // frame (between two steps of a gliding rod: the step and its paint).
    void shownAnswers(QSize size, int plays, std::vector<double>& starts, std::vector<double>& frameCpu)
    {
        context_.showAnswer = true;
        switchTo([this] { shell_.openExercise(5); });
        auto* screen = qobject_cast<brasti::ExerciseScreen*>(shell_.current());
        if (!screen)
            throw std::runtime_error("exercise 5, the ordering of all rods, did not open");
        screen->resize(size.isValid() ? size : screen->designedWindowSize());
        QCoreApplication::processEvents();
        double last = -1;
        const auto cpuMs = [] {
            timespec t{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
            return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
        };
        const QMetaObject::Connection frames =
            QObject::connect(screen->board(), &brasti::Board::placed, screen, [&](QWidget*) {
                if (!screen->isShowingAnswer())
                    return;
                const double now = cpuMs();
                if (last >= 0)
                    frameCpu.push_back(now - last);
                last = now;
            });
        for (int round = 0; round < plays; ++round) {
            answer(screen, reversedRods(screen, screen->shownMoves()), false, false, nullptr);
            QWidget* first = screen->shownMoves().front().item;
            last = -1;
            starts.push_back(timedClick(screen->mostramiButton(), paintOf(screen, first)));
            while (screen->isShowingAnswer())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QObject::disconnect(frames);
        context_.showAnswer = false;
    }

    // Opens the screens in turn and answers four problems on each, until
    // there are enough figures: the wrong answer `wrong` makes of the shown
    // one first, where given, then the shown one, then "avanti". Timed as
    // play() says, on the paint of the count the verdict changes where
    // `onCount`.
    void answerScreens(const std::vector<int>& screens, WrongAnswer wrong, bool onCount,
                       std::vector<double>& verdicts, std::vector<double>* drops = nullptr)
    {
        const auto enough = [this](const std::vector<double>* v) {
            return !v || v->size() >= static_cast<std::size_t>(repetitions_);
        };
        for (std::size_t i = 0; !enough(&verdicts) || !enough(drops); ++i) {
            switchTo([this, n = screens[i % screens.size()]] { shell_.openExercise(n); });
            auto* screen = qobject_cast<brasti::ExerciseScreen*>(shell_.current());
            for (int problem = 0; problem < 4; ++problem) {
                if (wrong)
                    verdicts.push_back(answer(screen, wrong(screen, screen->shownMoves()), false, onCount, drops));
                verdicts.push_back(answer(screen, screen->shownMoves(), true, onCount, drops));
                clickUntimed(screen->avantiButton());
            }
        }
    }

private:
    // Plays an answer and checks it was judged as meant.
    double answer(brasti::ExerciseScreen* screen, const Moves& moves, bool right, bool onCount,
                  std::vector<double>* drops)
    {
        const int before = counted(screen, right);
        QWidget* count = right ? screen->rightLabel() : screen->wrongLabel();
        const double ms = play(screen, moves, onCount ? count : nullptr, drops);
        if (counted(screen, right) != before + 1)
            throw std::runtime_error(screen->objectName().toStdString() + ": " + (right ? "the shown" : "a wrong")
                                     + " answer was not judged so");
        return ms;
    }

    // Plays the moves through the harness's player. The last move, the one
    // judged, is timed from its release (or Enter's) to the end of the paint
    // pass that draws `shows`, or anything of the window without it; each
    // rod laid before it, into `drops` where given, from its release to the
    // end of the pass it causes, and must be taken where it was laid.
    double play(brasti::ExerciseScreen* screen, const Moves& moves, QWidget* shows, std::vector<double>* drops)
    {
        double judged = -1;
        harness::playMoves(moves, [&](std::size_t i, const std::function<void()>& send) {
            if (i + 1 == moves.size()) {
                judged = timed(paintOf(screen, shows), send);
            } else if (drops && moves[i].kind == brasti::Move::Kind::Lay) {
                drops->push_back(timed(paintOf(screen, nullptr), send));
                if (qobject_cast<brasti::Rod*>(moves[i].item.data())->isMovable())
                    throw std::runtime_error("a rod laid on a free place was not taken");
            } else {
                send();
                QCoreApplication::processEvents();
            }
        });
        if (judged < 0)
            throw std::runtime_error(screen->objectName().toStdString() + " shows no answer to make");
        return judged;
    }

    static bench::PaintSpy::Match paintOf(QWidget* window, QWidget* shows)
    {
        if (shows)
            return [shows](QWidget* w) { return w == shows; };
        return bench::PaintSpy::inWindow(window);
    }

    // Sends an event, after all before it is dealt with, and returns the
    // time from it to the end of the paint pass that draws what `painted` accepts.
    double timed(const bench::PaintSpy::Match& painted, const std::function<void()>& send)
    {
        QCoreApplication::processEvents();
        spy_.expect(painted);
        const Clock::time_point t0 = Clock::now();
        send();
        spy_.waitPainted();
        return msBetween(t0, Clock::now());
    }

    // From the release of a click to the end of that paint pass.
    double timedClick(QWidget* button, const bench::PaintSpy::Match& painted)
    {
        QWidget* window = button->window();
        const QPoint at = centreIn(button, window);
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        return timed(painted, [&] { QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at); });
    }

    void switchTo(const std::function<void()>& move)
    {
        spy_.switchAndWait(move, [this]() -> QWidget* { return shell_.current(); });
    }

    void clickUntimed(QWidget* button)
    {
        harness::clickThroughWindow(button);
        QCoreApplication::processEvents();
    }

    int repetitions_;
    harness::TestContext test_;
    brasti::AppContext& context_ = test_.context;
    brasti::Shell shell_{test_.context};
    bench::PaintSpy spy_;
};

int runInteraction(char* argv0, int repetitions)
{
    int argc = 1;
    char* args[] = {argv0, nullptr};
    QApplication app(argc, args);
    Interaction interaction(repetitions);
    report("click.menu", interaction.menuClicks());
    const auto verdicts = [&](const std::vector<int>& screens, WrongAnswer wrong, bool onCount) {
        std::vector<double> ms;
        interaction.answerScreens(screens, wrong, onCount, ms);
        return ms;
    };
    // Ordering problems, alternately in a wrong and the right order: each
    // drop on a slot and each "Conferma", up to the paint they cause.
    std::vector<double> drops, ms;
    interaction.answerScreens(screensOf(brasti::kOrderingScreens), reversedRods, false, ms, &drops);
    report("drop.slot", drops);
    report("click.conferma", ms);
    // A wrong answer then the right one to each problem, timing the step
    // that answers from its release to the end of the paint pass that shows
    // the new count: the "Conferma" click on Form6 and Form7, the drop on
    // Form8, the sign click on Form9; a number button on Form10, a rod click
    // on Form11, the drop after the 10 on Form19.
    report("verdict.comparison", verdicts(screensOf(brasti::kComparisonScreens), withAnother, true));
    report("verdict.rodnumber", verdicts(screensOf(brasti::kRodNumberScreens), withAnother, true));
    // The drop that answers a composing problem, up to the paint that shows
    // the verdict; the rods of 10 that come before it are laid untimed.
    report("verdict.composing", verdicts(screensOf(brasti::kComposingScreens), nullptr, false));
    // The written screens: each rod that fills the target bar, up to the
    // paint that shows it there, and the typed answer from the release of
    // Enter to the paint that shows the verdict.
    drops.clear();
    ms.clear();
    interaction.answerScreens(screensOf(brasti::kWrittenScreens), nullptr, false, ms, &drops);
    report("drop.written", drops);
    report("verdict.written", ms);
    std::vector<double> starts, designed, large;
    interaction.shownAnswers(QSize(), 2, starts, designed);
    interaction.shownAnswers(QSize(3840, 2160), 2, starts, large);
    report("show.start", starts);
    report("show.frame.designed", designed);
    report("show.frame.4k", large);
    return 0;
}

// ---------------------------------------------------------------------------
// One column: every figure on the platform QT_QPA_PLATFORM names.

std::string own(const char* name)
{
    return bench::ownFolder() + "/" + name;
}

double startOnce(const std::string& exe)
{
    Child child({exe}, STDERR_FILENO);
    const std::optional<std::string> line = child.readLine(60s);
    const Clock::time_point painted = Clock::now();
    if (line != "painted")
        throw std::runtime_error(exe + " did not report its first paint");
    child.wait();
    return msBetween(child.started(), painted);
}

// Each "mem <where> <rss> <hwm> [<heap>]" line becomes mem.<who>.<where>.rss/.hwm in MB
// and mem.<who>.<where>.heap in kB.
void collectMemory(const std::vector<std::string>& argv, const std::string& who, Samples& out)
{
    Child child(argv, STDERR_FILENO);
    int lines = 0;
    while (const std::optional<std::string> line = child.readLine(180s)) {
        std::istringstream in(*line);
        std::string tag, where;
        double rss = 0, hwm = 0, heap = 0;
        if (in >> tag >> where >> rss >> hwm && tag == "mem") {
            out["mem." + who + "." + where + ".rss"].push_back(rss / 1024);
            out["mem." + who + "." + where + ".hwm"].push_back(hwm / 1024);
            if (in >> heap)
                out["mem." + who + "." + where + ".heap"].push_back(heap);
            ++lines;
        }
    }
    if (child.wait() != 0 || lines == 0)
        throw std::runtime_error(argv[0] + " did not report its memory");
}

// The shared objects a program has mapped at its first frame.
std::set<std::string> librariesOf(const std::string& exe)
{
    Child child({exe, "--libraries"}, STDERR_FILENO);
    const std::optional<std::string> line = child.readLine(60s);
    child.wait();
    std::istringstream in(line.value_or(""));
    std::string tag;
    if (!(in >> tag) || tag != "libs")
        throw std::runtime_error(exe + " did not list its libraries");
    std::set<std::string> names;
    for (std::string name; in >> name;)
        names.insert(name);
    return names;
}

// Prints "note libs.extra <names>" for what Brasti maps and the bare window does not.
void measureLibraries(const std::string& probe, const std::string& bare, Samples& out)
{
    const std::set<std::string> mine = librariesOf(probe);
    const std::set<std::string> reference = librariesOf(bare);
    std::string extra;
    int count = 0;
    for (const std::string& name : mine)
        if (!reference.contains(name)) {
            extra += (count++ ? "," : "") + name;
        }
    out["libs.brasti"].push_back(static_cast<double>(mine.size()));
    out["libs.bare"].push_back(static_cast<double>(reference.size()));
    out["libs.extra"].push_back(count);
    std::printf("note libs.extra %s\n", count ? extra.c_str() : "none");
    std::fflush(stdout);
}

void measureSound(Samples& out)
{
    for (int run = 0; run < kSoundRuns; ++run) {
        Child child({own("brasti_bench"), "--sound", std::to_string(kSoundVerdicts)}, STDERR_FILENO);
        while (const std::optional<std::string> line = child.readLine(300s)) {
            std::istringstream in(*line);
            std::string key;
            in >> key;
            if (key == "error")
                throw std::runtime_error("sound run: " + line->substr(6));
            for (double v = 0; in >> v;)
                out[key].push_back(v);
        }
        if (child.wait() != 0)
            throw std::runtime_error("the sound run failed");
    }
}

void measureIdle(const std::string& probe, Samples& out)
{
    // The three screens idle side by side: an idle program takes nothing
    // from the others, and the column takes a third of the time.
    const std::vector<std::string> where = {"start", "menu", "exercise"};
    std::vector<std::unique_ptr<Child>> children;
    for (const std::string& w : where) {
        children.push_back(std::make_unique<Child>(std::vector<std::string>{probe, "--idle", w}, STDERR_FILENO));
        if (children.back()->readLine(60s) != "ready")
            throw std::runtime_error("the idle " + w + " screen did not come up");
    }
    std::this_thread::sleep_for(1s); // let anything started lazily settle
    std::vector<bench::Activity> last;
    for (const auto& c : children)
        last.push_back(bench::readActivity(c->pid()));
    Clock::time_point lastTime = Clock::now();
    for (int second = 0; second < kIdleSeconds; ++second) {
        std::this_thread::sleep_until(lastTime + 1s);
        const Clock::time_point now = Clock::now();
        const double seconds = msBetween(lastTime, now) / 1000;
        for (std::size_t i = 0; i < children.size(); ++i) {
            const bench::Activity a = bench::readActivity(children[i]->pid());
            const bench::ThreadActivity done = bench::activityBetween(last[i], a);
            out["idle." + where[i] + ".switches"].push_back(static_cast<double>(done.contextSwitches) / seconds);
            out["idle." + where[i] + ".cpu"].push_back(static_cast<double>(done.cpuNs) / 1e6 / seconds);
            last[i] = a;
        }
        lastTime = now;
    }
    for (const auto& c : children)
        c->kill(SIGTERM);
}

int runColumn()
{
    const std::string probe = own("brasti_probe");
    const std::string bare = own("brasti_bare");
    // Each measure is reported as soon as it is taken, so the caller hears
    // from the column well within its patience even where a platform is slow.
    const auto flush = [](Samples& done) {
        for (const auto& [key, values] : done)
            report(key, values);
        done.clear();
    };
    Samples out;

    // Once each unmeasured, so both find the libraries in the page cache.
    startOnce(probe);
    startOnce(bare);
    for (int i = 0; i < kStartRuns; ++i) {
        // Alternating, so a slow spell of the machine hits both alike.
        double brasti = 0, reference = 0;
        if (i % 2 == 0) {
            brasti = startOnce(probe);
            reference = startOnce(bare);
        } else {
            reference = startOnce(bare);
            brasti = startOnce(probe);
        }
        out["startup.brasti"].push_back(brasti);
        out["startup.bare"].push_back(reference);
    }
    flush(out);

    for (int i = 0; i < kMemoryRuns; ++i) {
        collectMemory({probe, "--memory", std::to_string(kLongRounds)}, "brasti", out);
        collectMemory({bare, "--memory"}, "bare", out);
        const auto growth = [&out](const std::string& what, int from, int to, double toKb) {
            const auto& a = out["mem.brasti.round" + std::to_string(from) + "." + what];
            const auto& b = out["mem.brasti.round" + std::to_string(to) + "." + what];
            auto& g = out["mem.brasti.growth." + what + "." + std::to_string(from) + "." + std::to_string(to)];
            for (std::size_t j = 0; j < a.size() && j < b.size(); ++j)
                g.push_back((b[j] - a[j]) * toKb);
        };
        growth("rss", 10, kRounds, 1024);
        growth("rss", kRounds, kLongRounds, 1024);
        growth("heap", 10, kRounds, 1);
        growth("heap", kRounds, kLongRounds, 1);
        flush(out);
    }

    measureIdle(probe, out);
    measureLibraries(probe, bare, out);
    if (bench::onPath("pulseaudio"))
        measureSound(out);
    flush(out);

    Child interaction({own("brasti_bench"), "--interaction", std::to_string(kRepetitions)}, STDERR_FILENO);
    while (const std::optional<std::string> line = interaction.readLine(300s)) {
        std::puts(line->c_str());
        std::fflush(stdout);
    }
    if (interaction.wait() != 0)
        throw std::runtime_error("the interaction run failed");
    return 0;
}

// ---------------------------------------------------------------------------
// The whole run and its table.

struct Column {
    std::string name;
    Samples samples;
    std::string error;
    std::map<std::string, std::string> notes;
};

Column measureColumn(const std::string& name, const std::string& platform, std::vector<std::string> argv, int log)
{
    Column column{name, {}, {}, {}};
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    std::fprintf(stderr, "measuring on %s...\n", name.c_str());
    Child child(argv, log);
    while (const std::optional<std::string> line = child.readLine(600s)) {
        std::istringstream in(*line);
        std::string key;
        in >> key;
        if (key == "error") {
            column.error = line->substr(6);
            continue;
        }
        if (key == "note") {
            std::string what, text;
            in >> what >> text;
            column.notes[what] = text;
            continue;
        }
        for (double v = 0; in >> v;)
            column.samples[key].push_back(v);
    }
    // Silence is not the end: a column that stops talking is cut off and
    // said to be, rather than shown as a column that measured nothing.
    if (!child.ended()) {
        child.kill(SIGTERM);
        if (column.error.empty())
            column.error = "no word from the column run for 10 minutes";
    }
    if (child.wait() != 0 && column.error.empty())
        column.error = "the column run failed";
    return column;
}

std::string loadAverage()
{
    std::istringstream in(bench::readFile("/proc/loadavg"));
    std::string one, five;
    in >> one >> five;
    return one + " (1 min), " + five + " (5 min)";
}

const std::vector<double>* find(const Column& c, const std::string& key)
{
    const auto it = c.samples.find(key);
    return it == c.samples.end() || it->second.empty() ? nullptr : &it->second;
}

std::string fixed(double v, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

// "median [min..max]".
std::string spread(const bench::Summary& s, int decimals)
{
    return fixed(s.median, decimals) + " [" + fixed(s.min, decimals) + ".." + fixed(s.max, decimals) + "]";
}

std::string verdict(bool met)
{
    return met ? "  ok" : "  MISSED";
}

struct Row {
    std::string label;
    std::string goal;
    // The cell of one column; empty when the figure is missing.
    std::function<std::string(const Column&)> cell;
};

Row section(const std::string& title)
{
    return {title, "", nullptr};
}

// median [min..max], judged by `met` on the summary.
Row plain(const std::string& label, const std::string& key, int decimals, const std::string& goal = "",
          std::function<bool(const bench::Summary&)> met = nullptr)
{
    return {label, goal, [=](const Column& c) -> std::string {
                const auto* v = find(c, key);
                if (!v)
                    return "";
                const bench::Summary s = bench::summarise(*v);
                return spread(s, decimals) + (met ? verdict(met(s)) : "");
            }};
}

Row growthRow(const std::string& label, const std::string& what, int from, int to)
{
    return plain(label, "mem.brasti.growth." + what + "." + std::to_string(from) + "." + std::to_string(to), 0,
                 "0 (no growth)", [](const bench::Summary& s) { return s.max <= 0; });
}

// Memory held against the bare window's same figure.
Row memory(const std::string& label, const std::string& key, const std::string& bareKey, double goal = 1.3)
{
    return {label, "<= " + fixed(goal, goal == 1.3 ? 1 : 2) + " x bare", [=](const Column& c) -> std::string {
                const auto* v = find(c, key);
                const auto* b = find(c, bareKey);
                if (!v || !b)
                    return "";
                const bench::Summary s = bench::summarise(*v);
                const double ratio = s.median / bench::summarise(*b).median;
                return spread(s, 1) + " " + fixed(ratio, 2) + "x" + verdict(ratio <= goal);
            }};
}

// Per-second samples of an idle figure; the goal is nothing at all.
Row idle(const std::string& label, const std::string& key, int decimals)
{
    return {label, "0", [=](const Column& c) -> std::string {
                const auto* v = find(c, key);
                if (!v)
                    return "";
                const double total = std::accumulate(v->begin(), v->end(), 0.0);
                return spread(bench::summarise(*v), decimals) + verdict(total == 0);
            }};
}

// Latencies: the goal is for the median; a max beyond it is flagged.
Row latency(const std::string& label, const std::string& key, double goalMs)
{
    return {label, "median <= " + fixed(goalMs, 0) + " ms", [=](const Column& c) -> std::string {
                const auto* v = find(c, key);
                if (!v)
                    return "";
                const bench::Summary s = bench::summarise(*v);
                return spread(s, 2) + verdict(s.median <= goalMs) + (s.max > goalMs ? " (max over)" : "")
                       + " n=" + std::to_string(s.count);
            }};
}

void printTable(const std::vector<Column>& columns)
{
    const std::string rounds = std::to_string(kRounds);
    const std::string longRounds = std::to_string(kLongRounds);
    const std::vector<Row> rows = {
        section("Start-up: process start to first frame, ms (" + std::to_string(kStartRuns) + " runs each)"),
        plain("Brasti start screen", "startup.brasti", 1),
        plain("bare Qt window", "startup.bare", 1),
        {"ratio of the medians", "<= 1.05",
         [](const Column& c) -> std::string {
             const auto* p = find(c, "startup.brasti");
             const auto* b = find(c, "startup.bare");
             if (!p || !b)
                 return "";
             const double ratio = bench::summarise(*p).median / bench::summarise(*b).median;
             return fixed(ratio, 2) + verdict(ratio <= 1.05);
         }},
        {"shared objects at first frame", "none beyond bare",
         [](const Column& c) -> std::string {
             const auto* p = find(c, "libs.brasti");
             const auto* b = find(c, "libs.bare");
             const auto* e = find(c, "libs.extra");
             const auto note = c.notes.find("libs.extra");
             if (!p || !b || !e || note == c.notes.end())
                 return "";
             return fixed(p->front(), 0) + " (bare " + fixed(b->front(), 0) + "), extra: " + note->second
                    + verdict(e->front() == 0);
         }},
        section("Memory, MB (" + std::to_string(kMemoryRuns) + " runs each; round = every built exercise opened and left)"),
        memory("VmRSS after start screen", "mem.brasti.start.rss", "mem.bare.shown.rss", 1.05),
        memory("VmHWM after start screen", "mem.brasti.start.hwm", "mem.bare.shown.hwm"),
        memory("VmRSS after menu", "mem.brasti.menu.rss", "mem.bare.shown.rss"),
        memory("VmHWM after menu", "mem.brasti.menu.hwm", "mem.bare.shown.hwm"),
        memory("VmRSS after round 10", "mem.brasti.round10.rss", "mem.bare.shown.rss"),
        memory("VmRSS after round " + rounds, "mem.brasti.round" + rounds + ".rss", "mem.bare.shown.rss"),
        memory("VmHWM after round " + rounds, "mem.brasti.round" + rounds + ".hwm", "mem.bare.shown.hwm"),
        memory("VmRSS after round " + longRounds, "mem.brasti.round" + longRounds + ".rss", "mem.bare.shown.rss"),
        plain("bare window VmRSS", "mem.bare.shown.rss", 1),
        plain("bare window VmHWM", "mem.bare.shown.hwm", 1),
        growthRow("VmRSS growth round 10 -> " + rounds + ", kB", "rss", 10, kRounds),
        growthRow("VmRSS growth round " + rounds + " -> " + longRounds + ", kB", "rss", kRounds, kLongRounds),
        growthRow("heap in use growth 10 -> " + rounds + ", kB", "heap", 10, kRounds),
        growthRow("heap in use growth " + rounds + " -> " + longRounds + ", kB", "heap", kRounds, kLongRounds),
        section("Idle, per second over " + std::to_string(kIdleSeconds) + " s, sampled from outside"),
        idle("start screen: context switches/s", "idle.start.switches", 1),
        idle("start screen: CPU ms/s", "idle.start.cpu", 3),
        idle("menu: context switches/s", "idle.menu.switches", 1),
        idle("menu: CPU ms/s", "idle.menu.cpu", 3),
        idle("exercise 1: context switches/s", "idle.exercise.switches", 1),
        idle("exercise 1: CPU ms/s", "idle.exercise.cpu", 3),
        section("Interaction, ms, in-process through window mouse events"),
        latency("menu click -> exercise painted", "click.menu", 16),
        latency("rod release on slot -> rod shown", "drop.slot", 2),
        latency("Conferma click -> verdict shown", "click.conferma", 2),
        latency("comparison answer -> verdict shown", "verdict.comparison", 2),
        latency("rod/number answer -> verdict shown", "verdict.rodnumber", 2),
        latency("composing: answering drop -> verdict", "verdict.composing", 2),
        latency("written: rod release on bar -> shown", "drop.written", 2),
        latency("written: Enter release -> verdict shown", "verdict.written", 2),
        latency("mostrami release -> first move painted", "show.start", 16),
        plain("shown answer: CPU per frame, designed, ms", "show.frame.designed", 2, "<= 4 (of a 16 ms frame)",
              [](const bench::Summary& s) { return s.median <= 4; }),
        plain("shown answer: CPU per frame, 3840x2160, ms", "show.frame.4k", 2, "<= 4 (of a 16 ms frame)",
              [](const bench::Summary& s) { return s.median <= 4; }),
        section("Sound, ms: Conferma click -> new playback stream at a private audio server (null sink)"),
        latency("first sound of a run", "sound.first", 50),
        latency("later sounds", "sound.later", 20),
        section("Voice, ms: speech first heard at the private audio server (speech-dispatcher, espeak-ng)"),
        latency("new problem -> speech", "voice.problem", 300),
        latency("end of feedback sound -> speech", "voice.after_sound", 300),
    };

    constexpr int kLabel = 38;
    constexpr int kCell = 40;
    std::printf("%-*s", kLabel, "");
    for (const Column& c : columns)
        std::printf(" | %-*s", kCell, c.name.c_str());
    std::printf(" | goal\n");
    const std::string rule = std::string(kLabel, '-') + [&] {
        std::string r;
        for (std::size_t i = 0; i < columns.size(); ++i)
            r += "-+-" + std::string(kCell, '-');
        return r;
    }() + "-+-" + std::string(16, '-');
    for (const Row& row : rows) {
        if (!row.cell) {
            std::printf("%s\n%s\n", rule.c_str(), row.label.c_str());
            continue;
        }
        std::printf("  %-*s", kLabel - 2, row.label.c_str());
        for (const Column& c : columns) {
            const std::string cell = row.cell(c);
            std::printf(" | %-*s", kCell, cell.empty() ? "-" : cell.c_str());
        }
        std::printf(" | %s\n", row.goal.c_str());
    }
    std::printf("%s\n", rule.c_str());
    for (const Column& c : columns)
        if (!c.error.empty())
            std::printf("%s: %s\n", c.name.c_str(), c.error.c_str());
}

int runAll()
{
    const std::string log = own("bench.log");
    const int logFd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const std::string loadBefore = loadAverage();
    const Clock::time_point start = Clock::now();

    std::vector<Column> columns;
    columns.push_back(measureColumn("offscreen", "offscreen", {own("brasti_bench"), "--column"}, logFd));
    if (bench::onPath("xvfb-run"))
        columns.push_back(measureColumn("Xvfb (xcb)", "xcb",
                                        {"xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", own("brasti_bench"),
                                         "--column"},
                                        logFd));
    if (logFd >= 0)
        close(logFd);

    std::printf("\nBrasti benchmark, %s build, Qt %s, %ld cores\n", BRASTI_BUILD_TYPE, qVersion(),
                sysconf(_SC_NPROCESSORS_ONLN));
    std::printf("load average %s before, %s after; %.0f s in all\n", loadBefore.c_str(), loadAverage().c_str(),
                msBetween(start, Clock::now()) / 1000);
    std::printf("columns: offscreen = QT_QPA_PLATFORM=offscreen; Xvfb = QT_QPA_PLATFORM=xcb under xvfb-run%s\n",
                columns.size() < 2 ? " (not run: no xvfb-run)" : "");
    std::printf("cells: median [min..max]; messages of the runs in %s\n\n", log.c_str());
    printTable(columns);
    return std::all_of(columns.begin(), columns.end(), [](const Column& c) { return c.error.empty(); }) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    try {
        if (mode == "--interaction")
            return runInteraction(argv[0], argc > 2 ? std::max(1, std::atoi(argv[2])) : kRepetitions);
        if (mode == "--column")
            return runColumn();
        if (mode == "--sound")
            return bench::runSound(argv[0], argc > 2 ? std::max(1, std::atoi(argv[2])) : kSoundVerdicts);
        if (mode.empty())
            return runAll();
    } catch (const std::exception& e) {
        std::printf("error %s\n", e.what());
        std::fflush(stdout);
        return 1;
    }
    std::fprintf(stderr, "usage: %s [--column | --interaction REPETITIONS | --sound VERDICTS]\n", argv[0]);
    return 2;
}
