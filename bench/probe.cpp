// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The program itself, started exactly as main() starts it, plus a Paint
// watcher that tells the benchmark when the start screen is first drawn.
//
//   brasti_probe                 prints "painted" at the start screen's first frame and exits
//   brasti_probe --memory N      prints "mem <where> <VmRSS kB> <VmHWM kB> <heap in use kB>"
//                                after the start screen, the menu and rounds 10, 100 and N of
//                                opening and leaving every built exercise screen
//   brasti_probe --idle WHERE    shows WHERE (start, menu or exercise), prints "ready" and
//                                stays idle until killed
//   brasti_probe --libraries     prints "libs <file>..." for the shared objects mapped at the
//                                start screen's first frame, and exits
#include "app/catalogue.h"
#include "app/program.h"
#include "app/shell.h"
#include "bench/paintspy.h"
#include "bench/selfprobe.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void say(const std::string& line)
{
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

void reportMemory(const char* where)
{
    const bench::Memory m = bench::ownMemory();
    const long heapKb = bench::ownHeapKb();
    say(std::string("mem ") + where + " " + std::to_string(m.rssKb) + " " + std::to_string(m.peakKb) + " "
        + std::to_string(heapKb));
}

void switchAndWait(bench::PaintSpy& spy, brasti::Shell& shell, const std::function<void()>& move)
{
    spy.switchAndWait(move, [&shell]() -> QWidget* { return shell.current(); });
}

void runRounds(bench::PaintSpy& spy, brasti::Shell& shell, int rounds)
{
    reportMemory("start");
    switchAndWait(spy, shell, [&] { shell.showMenu(); });
    reportMemory("menu");
    for (int round = 1; round <= rounds; ++round) {
        for (int n = 1; n <= brasti::kExerciseCount; ++n) {
            switchAndWait(spy, shell, [&] { shell.openExercise(n); });
            switchAndWait(spy, shell, [&] { shell.showMenu(); });
        }
        if (round == 10 || round == 100 || round == rounds)
            reportMemory(("round" + std::to_string(round)).c_str());
    }
    shell.quitProgram();
}

void goIdle(bench::PaintSpy& spy, brasti::Shell& shell, const std::string& where)
{
    if (where != "start")
        switchAndWait(spy, shell, [&] { shell.showMenu(); });
    if (where == "exercise")
        switchAndWait(spy, shell, [&] { shell.openExercise(1); });
    // Nothing of the benchmark stays behind in the idle program.
    spy.deleteLater();
    say("ready");
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const std::string value = argc > 2 ? argv[2] : "";
    if (!mode.empty() && mode != "--memory" && mode != "--idle" && mode != "--libraries") {
        std::fprintf(stderr, "usage: %s [--memory ROUNDS | --idle start|menu|exercise | --libraries]\n", argv[0]);
        return 2;
    }
    // Qt sees only the program name, as when the program is started plainly.
    return brasti::runProgram(1, argv, [&](QApplication& app, brasti::Shell& shell) {
        auto* spy = new bench::PaintSpy(&app);
        spy->expect(bench::PaintSpy::inWindowNamed(QStringLiteral("FormAvvio")), [spy, &shell, mode, value] {
            if (mode == "--memory") {
                runRounds(*spy, shell, std::max(10, std::atoi(value.c_str())));
            } else if (mode == "--idle") {
                goIdle(*spy, shell, value);
            } else if (mode == "--libraries") {
                say(bench::mappedObjectsLine());
                std::_Exit(0);
            } else {
                say("painted");
                std::_Exit(0);
            }
        });
    });
}
