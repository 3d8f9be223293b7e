// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Text for a terminal: the help, the version, a mistake on the command line.
// Each platform writes it its own way (console_unix.cpp, console_windows.cpp).
#include <QString>
#include <cstdio>

namespace brasti {

// Writes text to standard output or standard error (stream is stdout or
// stderr) so that every letter shows, and flushes it.
void writeText(std::FILE* stream, const QString& text);

} // namespace brasti
