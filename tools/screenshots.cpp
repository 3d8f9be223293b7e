// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Renders the program's pictures for the README and the software centres:
// the start screen, the menu and every built exercise screen a move or two
// into play, each at its designed size, into the folder given (make
// screenshots writes docs/screenshots), and the start screen, the menu and
// three exercise screens in English into its subfolder en. The random source
// has a fixed seed, so the pictures change only when the program does.
//
// The moves are found generically, so new screens need nothing here: the
// first drop targets in reading order are tried with each rod, every try on a
// fresh screen replayed from the same seed, and the move kept is the one that
// looks most like play (a right answer, else a visible step, else a wrong one).
#include "app/catalogue.h"
#include "app/language.h"
#include "app/program.h"
#include "app/shell.h"
#include "common/exercisescreen.h"
#include "common/numberwords.h"
#include "harness/harness.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

using namespace brasti;

namespace {

constexpr std::uint64_t kSeed = 20261208;
constexpr int kMoves = 2;
constexpr int kTargetsTried = 4;
// Shown in English too: ordering, a number in words, written additions.
constexpr int kEnglishScreens[] = {1, 11, 22};

struct Move {
    int rod;    // index among the screen's enabled, visible rods
    int target; // index among its drop targets, in reading order
};

// A program context whose chance comes from a fixed seed (one per screen,
// so the gallery shows several backgrounds); sounds are recorded, message
// boxes answered "No" without showing.
struct Run {
    explicit Run(int screen = 0) : random(kSeed + std::uint64_t(screen))
    {
        context.random = &random;
        context.sound = &sound;
        context.dialogs = &dialogs;
        context.speller = &spellerFor(currentLanguage().toStdString());
        shell.setQuitAction([] {});
    }
    ClockRandom random;
    harness::RecordingSoundPlayer sound;
    harness::ScriptedDialogs dialogs;
    AppContext context;
    Shell shell{context};
};

void settle(QWidget* window)
{
    window->resize(static_cast<ScreenWindow*>(window)->designedWindowSize());
    if (!QTest::qWaitForWindowExposed(window))
        std::fprintf(stderr, "window %s was not exposed\n", qPrintable(window->objectName()));
    QCoreApplication::processEvents();
}

std::vector<Rod*> rodsOf(ExerciseScreen* screen)
{
    std::vector<Rod*> rods;
    for (Rod* rod : screen->findChildren<Rod*>())
        if (rod->isVisible() && rod->isMovable())
            rods.push_back(rod);
    return rods;
}

std::vector<QWidget*> targetsOf(ExerciseScreen* screen)
{
    std::vector<QWidget*> targets;
    for (QWidget* w : screen->findChildren<QWidget*>())
        if (w->isVisible() && w->isEnabled() && screen->dragger()->hasDropHandler(w))
            targets.push_back(w);
    const auto place = [screen](QWidget* w) { return w->mapTo(screen, QPoint(0, 0)); };
    std::stable_sort(targets.begin(), targets.end(), [&](QWidget* a, QWidget* b) {
        const QPoint pa = place(a), pb = place(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return targets;
}

// Plays the moves; false when one of them no longer exists.
bool play(ExerciseScreen* screen, const std::vector<Move>& moves)
{
    for (const Move& move : moves) {
        const std::vector<Rod*> rods = rodsOf(screen);
        const std::vector<QWidget*> targets = targetsOf(screen);
        if (move.rod >= int(rods.size()) || move.target >= int(targets.size()))
            return false;
        harness::dragRodOnto(rods[std::size_t(move.rod)], targets[std::size_t(move.target)]);
        QCoreApplication::processEvents();
    }
    return true;
}

ExerciseScreen* open(Run& run, int screen)
{
    run.shell.openExercise(screen);
    auto* exercise = qobject_cast<ExerciseScreen*>(run.shell.current());
    if (exercise)
        settle(exercise);
    return exercise;
}

// How much like play the last of these moves looks; -1 when it did nothing.
int score(int screen, const std::vector<Move>& moves)
{
    Run run(screen);
    ExerciseScreen* exercise = open(run, screen);
    if (!exercise)
        return -1;
    std::vector<Move> before(moves.begin(), moves.end() - 1);
    if (!play(exercise, before))
        return -1;
    const int right = run.context.rightCount, wrong = run.context.wrongCount;
    const std::size_t dialogs = run.dialogs.shown.size();
    const QImage picture = exercise->grab().toImage();
    if (!play(exercise, {moves.back()}) || run.dialogs.shown.size() != dialogs)
        return -1;
    if (run.context.rightCount > right)
        return 3;
    if (run.context.wrongCount > wrong)
        return 1;
    return exercise->grab().toImage() != picture ? 2 : -1;
}

std::vector<Move> chooseMoves(int screen)
{
    std::vector<Move> moves;
    for (int step = 0; step < kMoves; ++step) {
        std::optional<Move> best;
        int bestScore = 0;
        std::size_t rods = 0, targets = 0;
        {
            Run run(screen);
            ExerciseScreen* exercise = open(run, screen);
            if (!exercise || !play(exercise, moves))
                break;
            rods = rodsOf(exercise).size();
            targets = std::min<std::size_t>(targetsOf(exercise).size(), kTargetsTried);
        }
        for (int t = 0; t < int(targets) && bestScore < 2; ++t) {
            for (int r = 0; r < int(rods); ++r) {
                std::vector<Move> trial = moves;
                trial.push_back({r, t});
                const int s = score(screen, trial);
                if (s > bestScore) {
                    bestScore = s;
                    best = Move{r, t};
                }
                if (s == 3)
                    break;
            }
        }
        if (!best)
            break;
        moves.push_back(*best);
        if (bestScore == 3) // the screen now waits for "avanti"
            break;
    }
    return moves;
}

// The offscreen platform says this for every window shown; it means nothing here.
QtMessageHandler defaultHandler = nullptr;
void dropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("does not support propagateSizeHints")))
        defaultHandler(type, context, message);
}

bool save(QWidget* window, const QString& folder, const QString& name)
{
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool ok = window->grab().toImage().save(path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    defaultHandler = qInstallMessageHandler(dropPlatformNoise);
    QApplication app(argc, argv);
    setUpApplication(kItalian);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    const auto picture = [&ok](const QString& into, const std::vector<int>& screens) {
        {
            Run run;
            run.shell.showStart();
            settle(run.shell.current());
            ok &= save(run.shell.current(), into, QStringLiteral("avvio"));
            run.shell.showMenu();
            settle(run.shell.current());
            ok &= save(run.shell.current(), into, QStringLiteral("menu"));
        }
        for (int screen : screens) {
            const std::vector<Move> moves = chooseMoves(screen);
            Run run(screen);
            ExerciseScreen* exercise = open(run, screen);
            ok &= exercise && play(exercise, moves)
                  && save(exercise, into, QStringLiteral("esercizio-%1").arg(screen, 2, 10, QLatin1Char('0')));
        }
    };
    std::vector<int> all(kExerciseCount);
    for (int screen = 1; screen <= kExerciseCount; ++screen)
        all[std::size_t(screen - 1)] = screen;
    picture(folder, all);

    const QString english = QDir(folder).filePath(QStringLiteral("en"));
    if (installLanguage(QStringLiteral("en")) != QStringLiteral("en") || !QDir().mkpath(english)) {
        std::fprintf(stderr, "no English pictures\n");
        return 1;
    }
    picture(english, std::vector<int>(std::begin(kEnglishScreens), std::end(kEnglishScreens)));
    installLanguage(kItalian);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ok ? 0 : 1;
}
