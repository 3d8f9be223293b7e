// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The teacher's settings: what they are, and how the lines of a file or a
// web page's address give them (the file itself: app/settingsfile.h). The
// program reads them once at start; saving is for the teacher's window
// alone, and nothing a child can click changes them. They hold the
// teacher's choices and nothing about a child.
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
#include "common/texts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <bitset>
#include <optional>
#include <string_view>
#include <utility>

namespace brasti {

struct TeacherSettings {
    enum class Advance { Button, Automatic };
    // The exercises are numbered 1 to kExerciseCount, as the menu's
    // catalogue numbers its screens.
    static constexpr int kExerciseCount = brasti::kExerciseCount;

    // Every setting at its default, as kSettings gives it.
    TeacherSettings();

    // Exercise n is offered when bit n - 1 is set.
    std::bitset<kExerciseCount> exercises;
    // How the menu starts: waiting for "avanti", or going on by itself.
    Advance advance{};
    bool numbersOnRods{};
    // A code among the program's languages; empty for the system's.
    QString language;
    bool exitOffered{};
    bool showAnswer{};
    // The program says each problem aloud, for children who cannot read yet.
    bool readAloud{};

    bool operator==(const TeacherSettings&) const = default;
};

// One setting: its name in the file and the link, its kind, its default
// and, for a yes or no, the member it sets and its check box in the
// teacher's window. The exercises, the advance and the language have
// controls of their own there.
struct Setting {
    enum class Kind { Exercises, Advance, Language, Switch };
    const char* name = nullptr;
    Kind kind = Kind::Switch;
    // The value a file without this line means, written as a file writes it.
    const char* byDefault = nullptr;
    bool TeacherSettings::*flag = nullptr;
    // The check box's caption, translated in the window's context.
    const char* caption = nullptr;
};

namespace settingstable {
// "1-N", every exercise, as a file writes it: the default follows the count.
inline constexpr auto kEveryExercise = [] {
    static_assert(kExerciseCount >= 2 && kExerciseCount <= 99999, "the exercises are written 1-N");
    std::array<char, 8> text{'1', '-'};
    int digits = 0;
    for (int n = kExerciseCount; n > 0; n /= 10)
        ++digits;
    for (int n = kExerciseCount, i = 1 + digits; n > 0; n /= 10, --i)
        text[static_cast<std::size_t>(i)] = static_cast<char>('0' + n % 10);
    return text;
}();
} // namespace settingstable

// Every setting once, in the order a file and a link write them; the
// teacher's window shows the yes-or-no ones in this order too.
inline constexpr Setting kSettings[] = {
    {.name = "esercizi", .kind = Setting::Kind::Exercises, .byDefault = settingstable::kEveryExercise.data()},
    {.name = "avanzamento", .kind = Setting::Kind::Advance, .byDefault = "pulsante"},
    {.name = "numeriSuiBrasti",
     .byDefault = "false",
     .flag = &TeacherSettings::numbersOnRods,
     .caption = BRASTI_TEXT("brasti::TeacherWindow", "numeri sui brasti")},
    {.name = "lingua", .kind = Setting::Kind::Language, .byDefault = ""},
    {.name = "esci",
     .byDefault = "true",
     .flag = &TeacherSettings::exitOffered,
     .caption = BRASTI_TEXT("brasti::TeacherWindow", "offri «Esci» nel menù")},
    {.name = "mostraRisposta",
     .byDefault = "false",
     .flag = &TeacherSettings::showAnswer,
     .caption = BRASTI_TEXT("brasti::TeacherWindow", "mostra la risposta dopo un errore")},
    {.name = "leggiAdAltaVoce",
     .byDefault = "false",
     .flag = &TeacherSettings::readAloud,
     .caption = BRASTI_TEXT("brasti::TeacherWindow", "leggi ad alta voce")},
};

namespace settingstable {
constexpr bool same(const char* a, const char* b)
{
    return std::string_view(a) == std::string_view(b);
}
constexpr bool allHave(auto has)
{
    for (const Setting& setting : kSettings)
        if (!has(setting))
            return false;
    return true;
}
} // namespace settingstable
static_assert(settingstable::allHave([](const Setting& s) { return s.name != nullptr && *s.name != '\0'; }),
              "every setting needs a name");
static_assert(settingstable::allHave([](const Setting& s) {
                  return settingstable::allHave(
                      [&s](const Setting& t) { return &s == &t || !settingstable::same(s.name, t.name); });
              }),
              "two settings have the same name");
static_assert(settingstable::allHave([](const Setting& s) {
                  return settingstable::allHave([&s](const Setting& t) { return &s == &t || !s.flag || s.flag != t.flag; });
              }),
              "two yes-or-no settings set one member");
// The exercises' default is made from the count; its address is no constant
// where globals are instrumented, so only the written ones are looked at.
static_assert(settingstable::allHave([](const Setting& s) {
                  return s.kind == Setting::Kind::Exercises || s.byDefault != nullptr;
              }),
              "a setting has no default (.byDefault)");
static_assert(settingstable::allHave([](const Setting& s) {
                  return s.kind != Setting::Kind::Switch || !s.byDefault || settingstable::same(s.byDefault, "true")
                      || settingstable::same(s.byDefault, "false");
              }),
              "a yes or no defaults to \"true\" or \"false\"");
static_assert(settingstable::allHave([](const Setting& s) {
                  return (s.kind == Setting::Kind::Switch) == (s.flag != nullptr && s.caption != nullptr);
              }),
              "a yes or no, and only a yes or no, has its member (.flag) and its check box's caption (.caption)");

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

// A setting written as a yes or no: "true" or "1", "false" or "0" (any
// case, blanks around allowed); nothing for any other text.
std::optional<bool> parseSwitch(const QString& text);

} // namespace brasti
