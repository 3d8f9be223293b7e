// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/console.h"

#include <windows.h>

namespace brasti {
namespace {

// The console the program was started from, if any: a window program has
// none of its own, and takes its parent's to answer on the command line.
HANDLE consoleFor(std::FILE* stream)
{
    const HANDLE own = ::GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (own && own != INVALID_HANDLE_VALUE)
        return ::GetConsoleMode(own, &mode) ? own : nullptr;
    if (!::AttachConsole(ATTACH_PARENT_PROCESS) && ::GetLastError() != ERROR_ACCESS_DENIED)
        return nullptr; // started from Explorer or the Start menu: nobody reads it
    static const HANDLE parent = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                               OPEN_EXISTING, 0, nullptr);
    return parent == INVALID_HANDLE_VALUE ? nullptr : parent;
}

} // namespace

void writeText(std::FILE* stream, const QString& text)
{
    std::fflush(stream);
    if (const HANDLE console = consoleFor(stream)) {
        // A console shows every letter when given UTF-16, whatever its code page.
        QString lines = text;
        lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        DWORD written = 0;
        ::WriteConsoleW(console, lines.utf16(), static_cast<DWORD>(lines.size()), &written, nullptr);
        return;
    }
    // A file or a pipe: UTF-8, as programs reading it expect today.
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

} // namespace brasti
