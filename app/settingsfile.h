// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The teacher's settings file: where it lies, how it is read (QSettings, and
// nothing it would decode as binary data) and how it is saved whole or not
// at all. What its lines mean is app/settings.h's.
#include "app/settings.h"

#include <QString>
#include <QStringList>

namespace brasti {

// Where a teacher writes the file for one child's account, and the file for
// every account of the computer; each platform has its own places
// (settingspath_unix.cpp, settingspath_windows.cpp; none in a browser).
QString settingsFilePath();
QString systemSettingsFilePath();

// Reads one file. No file there is no fault: the defaults, nothing said. A
// file that cannot be read, is oversized or is not plain text counts for
// nothing at all, with one line that says so. Reading never writes.
SettingsReading readSettingsFile(const QString& path, const QStringList& languages);

// The user's file if there is one, else the computer's.
SettingsReading readTeacherSettings(const QStringList& languages, const QString& userPath = settingsFilePath(),
                                    const QString& systemPath = systemSettingsFilePath());

struct SavedSettings {
    // Where the settings now are; empty when nothing was saved.
    QString path;
    // Why nothing was saved; empty when they were.
    QString problem;
};

// Writes the settings into the user's file, replacing it whole or not at
// all (the old file stays as it was on any failure), and makes its folder
// if need be. Only what differs from the defaults is written; the
// teacher's own comments and lines for other things are kept, and the lines
// of these settings are replaced.
SavedSettings saveTeacherSettings(const TeacherSettings& settings, const QString& path = settingsFilePath());

} // namespace brasti
