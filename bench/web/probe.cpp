// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The program as main() starts it, for the web bench, plus one call the
// bench makes from the page: brastiGiri(n) plays n rounds of opening every
// screen from the menu and going back, as the desktop bench does.
#include "app/catalogue.h"
#include "app/program.h"
#include "app/shell.h"

#include <QApplication>

#include <emscripten/bind.h>

namespace {

brasti::Shell* shell = nullptr;

void rounds(int count)
{
    if (!shell)
        return;
    for (int round = 0; round < count; ++round) {
        for (int screen = 1; screen <= brasti::kExerciseCount; ++screen) {
            shell->openExercise(screen);
            shell->current()->grab();
            shell->showMenu();
            shell->current()->grab();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
}

} // namespace

EMSCRIPTEN_BINDINGS(brasti_probe)
{
    emscripten::function("brastiGiri", &rounds);
}

int main(int argc, char** argv)
{
    return brasti::runProgram(argc, argv, [](QApplication&, brasti::Shell& s) { shell = &s; });
}
