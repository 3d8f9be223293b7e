// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The teacher's settings in a browser, where there is no settings file and no
// command line: the page's address carries them in its query string, under
// the settings file's names (?lingua=en&numeriSuiBrasti=1). Nothing is
// stored; a teacher sends the class the link.
#include <QString>
#include <QStringList>
#include <optional>

namespace brasti {

struct PageSettings {
    // A language the program speaks, as asked for; empty when none was.
    QString language;
    std::optional<bool> numbersOnRods;
    // One line for each part of the query that was ignored, for the
    // browser's console: never shown to the child.
    QStringList ignored;
};

// Reads a query string, with or without its leading "?". Unknown or
// repeated names, values that mean nothing, languages the program does not
// speak and overlong queries are ignored, each with its line; whatever is
// valid still counts.
PageSettings readPageSettings(const QString& query, const QStringList& languages);

// The query string the program was started with: the page's, in a browser;
// none on the desktop (settingspath_*.cpp).
QString startQuery();

} // namespace brasti
