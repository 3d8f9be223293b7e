// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The reference the program's start-up and memory are held against: a bare
// Qt Widgets main window with a menu bar and a grid of 27 buttons, watched
// the same way as the program.
//
//   brasti_bare            prints "painted" at the first frame and exits
//   brasti_bare --memory   prints "mem shown <VmRSS kB> <VmHWM kB>" after the first frame
//   brasti_bare --libraries  prints "libs <file>..." for the shared objects mapped at the first frame
#include "bench/barecontent.h"
#include "bench/paintspy.h"
#include "bench/selfprobe.h"

#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool memory = mode == "--memory";
    const bool libraries = mode == "--libraries";
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    bench::PaintSpy spy;
    spy.expect(bench::PaintSpy::inWindowNamed(QStringLiteral("BareWindow")), [memory, libraries] {
        std::string line = "painted\n";
        if (libraries)
            line = bench::mappedObjectsLine() + "\n";
        if (memory) {
            const bench::Memory m = bench::ownMemory();
            line = "mem shown " + std::to_string(m.rssKb) + " " + std::to_string(m.peakKb) + "\n";
        }
        std::fputs(line.c_str(), stdout);
        std::fflush(stdout);
        std::_Exit(0);
    });

    QMainWindow window;
    bench::fillBareWindow(window);
    // The size of the program's start screen, so both paint as many pixels.
    window.resize(818, 640);
    window.show();
    return QApplication::exec();
}
