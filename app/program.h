// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The whole program as main() runs it: services, shell, start screen, event loop.
#include <QString>
#include <functional>

class QApplication;

namespace brasti {

struct AppContext;
struct TeacherSettings;

class Shell;

// The application-wide settings the program runs with, in a language (see
// app/language.h; Italian unless told). Returns the language now spoken.
// Called by runProgram; tests that measure the program's own behaviour call
// it too.
QString setUpApplication(const QString& language = QStringLiteral("it"));

// What the teacher's settings set for the run, as a start applies them;
// The one rule that joins the teacher's settings with the command line's
// choices, at start and after "Salva": the command line comes first, so
// `numbersOnRods` asked for there stays whatever the settings say.
void applyTeacherSettings(AppContext& context, const TeacherSettings& teacher, bool numbersOnRods = false);

// Runs the program and returns its exit status. `beforeStart` is called once
// everything is set up, just before the start screen is made and shown; the
// benchmark's probe hooks in there, so it measures the program's own start.
int runProgram(int argc, char** argv, const std::function<void(QApplication&, Shell&)>& beforeStart = {});

} // namespace brasti
