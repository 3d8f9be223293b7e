// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The teacher's settings in a browser, where there is no settings file and no
// command line: the page's address carries them in its query string, under
// the settings file's names and values (?lingua=en&esercizi=1-5). Nothing is
// stored; a teacher sends the class the link.
#include "app/settings.h"

#include <QString>
#include <QStringList>

namespace brasti {

// Reads a query string, with or without its leading "?", by the same rules
// as a settings file (checkSettings). An overlong query counts for nothing;
// "+" is a blank, as forms write it.
SettingsReading readPageSettings(const QString& query, const QStringList& languages);

// The query string, without its "?", that gives a page these settings:
// only what differs from the defaults, so the defaults give none. Settings
// with a fault (settingsFault) give a link the page refuses in part.
QString settingsQuery(const TeacherSettings& settings);

// The query string the program was started with: the page's, in a browser;
// none on the desktop (settingspath_*.cpp).
QString startQuery();

// Whether the teacher's window saves the settings into a file (the desktop)
// or hands out a link that carries them (a browser, which keeps no file).
bool settingsAreSaved();

// The page's own address without its query string, for such a link; empty
// on the desktop.
QString pageAddress();

} // namespace brasti
