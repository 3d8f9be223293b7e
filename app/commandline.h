// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The program's few options: --help, --version, --fullscreen,
// --numeri-sui-brasti, --lingua, --insegnante, and a hidden start check that packaging
// tests use to prove the installed program runs.
#include <QString>
#include <QStringList>
#include <optional>

namespace brasti {

class Shell;
struct AppContext;

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Action::Run;
    bool fullScreen = false;
    // Every rod shows its number (the settings file may ask for it too).
    bool numbersOnRods = false;
    // Opens the teacher's window over the menu once the program has started.
    bool teacherWindow = false;
    // Quit after the start screen's first frame, saying what was found.
    bool startCheck = false;
    // The language asked for with --lingua, as given; empty when none was.
    QString language;
    // The language asked for is one the program does not speak.
    bool unknownLanguage = false;
    // With Fail: the one line of the error, without the program's name.
    QString error;
};

// Reads the arguments (the first one is the program itself). Help wins over
// version, and both over an error, so "--help" always answers.
CommandLine parseCommandLine(const QStringList& arguments);

QString helpText();
// The language to speak: the one asked for, if the program speaks it, else
// the system's (see app/language.h).
QString chosenLanguage(const CommandLine& commandLine);
QString versionText();

// Writes the help, the version or the error line and returns the exit
// status: 0, or 2 for an error. Nothing for Run.
int answerCommandLine(const CommandLine& commandLine);

// Help, version and an unknown language need no display, so they are
// answered before Qt starts, in the language chosen (Qt's own options such as
// -platform are not known yet, so any other error waits).
std::optional<int> answerBeforeStart(int argc, char** argv);

// Version and desktop id of the running program.
void describeApplication();

// For --verifica-avvio: once the first window has painted, play the wrong
// sound (silent without device or file), write what was found (the window,
// the sounds, whether the rods show their numbers) to standard output and
// end the program through the shell, as "Esci" would.
void checkStartThenQuit(Shell& shell, AppContext& context);

} // namespace brasti
