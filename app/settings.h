// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The teacher's settings file. The program only reads it, once at start,
// and never writes it: a teacher writes it by hand, and nothing a child
// can click changes it.
#include <QString>
#include <optional>

namespace brasti {

// Where a teacher writes the file for one child's account; each platform
// has its own place (settingspath_unix.cpp, settingspath_windows.cpp).
QString settingsFilePath();

// A setting written as a yes or no: "true" or "1", "false" or "0" (any
// case, blanks around allowed); nothing for any other text.
std::optional<bool> parseSwitch(const QString& text);

// Whether the file asks for the numbers on the rods (numeriSuiBrasti=true).
// A missing, unreadable, corrupt or oversized file, or a value that is no
// yes or no, leaves them off, and nothing is said about it.
bool readNumbersOnRods(const QString& path = settingsFilePath());

} // namespace brasti
