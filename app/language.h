// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The language the program speaks: Italian, its own, or one of the
// translations built into it (translations/brasti_<code>.ts, embedded as the
// resource :/i18n/brasti_<code>.qm). Qt's own texts (a text box's menu, the
// standard buttons) follow in the same language where the system has them.
#include <QString>
#include <QStringList>

namespace brasti {

// The source language, spoken whenever no other can be.
inline const QString kItalian = QStringLiteral("it");
// Where the program's translations are built in.
inline const QString kTranslationsFolder = QStringLiteral(":/i18n");

// Italian first, then every language a translation is built in for.
QStringList availableLanguages(const QString& folder = kTranslationsFolder);

// The system's languages in the order the user prefers them ("de-DE", "en"),
// as the locale settings give them; "C" when they name none.
QStringList systemLanguages();

// The first of the preferred languages the program speaks, by its code
// ("en-GB" is "en"); Italian when it speaks none of them.
QString chooseLanguage(const QStringList& preferred, const QStringList& available);

// Puts a language in force for every text translated from now on: the
// program's translation and Qt's own, replacing those of a language put in
// force before. Returns the language now spoken, Italian when the program's
// translation is missing or damaged. Needs the application object.
QString installLanguage(const QString& language, const QString& folder = kTranslationsFolder);

// The language installLanguage put in force last; Italian before.
QString currentLanguage();

} // namespace brasti
