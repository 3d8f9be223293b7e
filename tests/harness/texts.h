// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Every text the program shows or tells: a fixed play through the start
// screen, the menu and all exercise screens, reading after every move each
// widget's text, title, tool tip, accessible name and description (as a
// screen reader gets them), the menus, the list lines and the message boxes.
// Two languages' walks are compared key by key; one walk is compared with a
// stored reference.
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

class QWidget;

namespace brasti {
struct AppContext;
}

namespace harness {

// Where a text lies ("FormMenu/board/Command2#text") and the values it took,
// in the order they first appeared.
using Texts = std::map<QString, QStringList>;

// Records the texts of a window and everything in it.
void collectTexts(QWidget* window, const QString& prefix, Texts& into);
void addText(Texts& into, const QString& key, const QString& value);

// The whole walk, with a fixed seed. `prepare` completes each program
// context before it is used (the language's number words, say).
Texts walkProgram(const std::function<void(brasti::AppContext&)>& prepare = {});

// The real message boxes of the program, answered at once: question and
// information, with their buttons.
void collectMessageBoxes(Texts& into);

// One line a value: key, a tab, the value; backslash, tab, line feed and
// carriage return escaped. Keys in order, values sorted.
QString formatTexts(const Texts& texts);
Texts parseTexts(const QString& text);

// The words of a text that a translation would have changed: letters only,
// URL and mail tokens, single letters, the program's name, the buttons every
// language calls alike and "in" left out.
QStringList wordsOf(const QString& text);

// Where a translated walk still says what the source walk says: a key only
// in one walk, a different number of values, or a value sharing a word with
// the source value at the same place. Empty when everything is translated.
// `shared` are words both languages spell alike (Spanish and Italian "la",
// "verde"), which the translation may keep.
QStringList untranslated(const Texts& translated, const Texts& source, const QStringList& shared = {});

} // namespace harness
