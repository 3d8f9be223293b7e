// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The teacher's settings: what they are, how a file or a web page's address
// gives them, and how they are saved. The program reads them once at start;
// saving is for the teacher's window alone, and nothing a child can click
// changes them. They hold the teacher's choices and nothing about a child.
//
// The file is INI, as a teacher writes it by hand (brasti.conf):
//   esercizi=1-5,13,17     the exercises the menu offers (1 to 27; all when missing)
//   avanzamento=automatico pulsante (the default) or automatico
//   numeriSuiBrasti=true   every rod shows its number (off by default)
//   lingua=en              one of the program's languages (the system's when missing)
//   esci=false             the menu offers "Esci" (on by default)
//   mostraRisposta=true    the answer is shown after a wrong try (off by default)
// A web page's address carries the same names and values (app/pagesettings.h).
#include "common/exerciseentry.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <bitset>
#include <optional>
#include <utility>

namespace brasti {

struct TeacherSettings {
    enum class Advance { Button, Automatic };
    // The exercises are numbered 1 to kExerciseCount, as the menu's
    // catalogue numbers its screens.
    static constexpr int kExerciseCount = brasti::kExerciseCount;

    // Exercise n is offered when bit n - 1 is set.
    std::bitset<kExerciseCount> exercises = std::bitset<kExerciseCount>().set();
    // How the menu starts: waiting for "avanti", or going on by itself.
    Advance advance = Advance::Button;
    bool numbersOnRods = false;
    // A code among the program's languages; empty for the system's.
    QString language;
    bool exitOffered = true;
    bool showAnswer = false;

    bool operator==(const TeacherSettings&) const = default;
};

struct SettingsReading {
    TeacherSettings settings;
    // The file the settings came from; empty when none was read.
    QString path;
    // One sentence for each thing that was ignored, for the teacher's window
    // (and a browser's console): never shown to the child.
    QStringList problems;
};

// One name as a file or an address wrote it, with its value and the number
// of times the name was given.
struct WrittenSetting {
    QString name;
    QString value;
    int times = 1;
};

// The one checker behind the file and the address: every valid setting
// counts, anything else keeps its default and is told in problems. A name
// given more than once counts for nothing, as no one of its values can be
// trusted. `languages` are the codes the program speaks.
SettingsReading checkSettings(const QList<WrittenSetting>& written, const QStringList& languages);

// What differs from the defaults, as names and values in the keys' order:
// all that a saved file or a link needs to carry.
QList<std::pair<QString, QString>> changedSettings(const TeacherSettings& settings);

// Why the settings can be neither saved nor given as a link (no exercise
// offered); empty when they can.
QString settingsFault(const TeacherSettings& settings);

// Where a teacher writes the file for one child's account, and the file for
// every account of the computer; each platform has its own places
// (settingspath_unix.cpp, settingspath_windows.cpp; none in a browser).
QString settingsFilePath();
QString systemSettingsFilePath();

// A setting written as a yes or no: "true" or "1", "false" or "0" (any
// case, blanks around allowed); nothing for any other text.
std::optional<bool> parseSwitch(const QString& text);

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
