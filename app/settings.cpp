// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/settings.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <string_view>

namespace brasti {
namespace {

// The texts for the teacher, translated in a context of their own.
class Text {
    Q_DECLARE_TR_FUNCTIONS(brasti::Settings)
};

constexpr int kExercisesInAll = TeacherSettings::kExerciseCount;
// Room for every exercise listed one by one, with blanks between.
constexpr qsizetype kLongestValue = 256;
// What a message quotes of a name or a value.
constexpr qsizetype kLongestShown = 64;
// A file of unknown names gets a line for the first few, not one for each.
constexpr int kMostUnknown = 10;

// Constant at compile time: defaults are read before any static QString may be made.
constexpr QLatin1String kButton("pulsante");
constexpr QLatin1String kAutomatic("automatico");

const Setting* settingNamed(const QString& name)
{
    for (const Setting& setting : kSettings)
        if (name == QLatin1String(setting.name))
            return &setting;
    return nullptr;
}

// "pulsante" or "automatico", in any case.
std::optional<TeacherSettings::Advance> advanceNamed(const QString& word)
{
    if (word.compare(kButton, Qt::CaseInsensitive) == 0)
        return TeacherSettings::Advance::Button;
    if (word.compare(kAutomatic, Qt::CaseInsensitive) == 0)
        return TeacherSettings::Advance::Automatic;
    return std::nullopt;
}

// A message shows what was typed, but never more than a line of it.
QString shown(const QString& text)
{
    QString line = text.left(kLongestShown);
    for (QChar& c : line)
        if (!c.isPrint())
            c = u'?';
    return text.size() > kLongestShown ? line + QStringLiteral("…") : line;
}

// A number too large for any type is simply beyond the last exercise.
qulonglong number(const QString& digits)
{
    bool ok = false;
    const qulonglong n = digits.toULongLong(&ok);
    return ok ? n : std::numeric_limits<qulonglong>::max();
}

// "1-5, 13 17": numbers and ranges, parted by commas or blanks. What lies
// outside 1 to 27 and what is no number are left out and the rest counts;
// a list that leaves nothing counts for nothing, as a menu without
// exercises would be of no use.
void readExercises(const QString& name, QString value, TeacherSettings& settings, QStringList& problems)
{
    static const QRegularExpression dash(QStringLiteral("\\s*-\\s*"));
    static const QRegularExpression between(QStringLiteral("[,\\s]+"));
    static const QRegularExpression item(QStringLiteral("^([0-9]+)(?:-([0-9]+))?$"));
    std::bitset<kExercisesInAll> chosen;
    QStringList outside;
    QStringList unread;
    for (const QString& part : value.replace(dash, QStringLiteral("-")).split(between, Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = item.match(part);
        const qulonglong first = match.hasMatch() ? number(match.captured(1)) : 1;
        const qulonglong last = match.hasCaptured(2) ? number(match.captured(2)) : first;
        if (!match.hasMatch() || first > last) {
            unread << part;
            continue;
        }
        // Only what is left out is named: "25-40" offers 25 to 27 and leaves out 28-40.
        if (first < 1)
            outside << QStringLiteral("0");
        if (last > kExercisesInAll) {
            const QString from = first > kExercisesInAll ? match.captured(1) : QString::number(kExercisesInAll + 1);
            const QString to = match.hasCaptured(2) ? match.captured(2) : match.captured(1);
            outside << (from == to ? from : from + u'-' + to);
        }
        for (qulonglong n = std::max<qulonglong>(first, 1); n <= std::min<qulonglong>(last, kExercisesInAll); ++n)
            chosen.set(static_cast<std::size_t>(n - 1));
    }
    if (!unread.isEmpty())
        //: %1 is the setting's name, %2 what was left out of it ("due, 5-3").
        problems << Text::tr("In «%1» c'è qualcosa che non è un numero né un intervallo come 1-5, "
                             "ed è lasciato da parte: %2.")
                        .arg(name, shown(unread.join(QStringLiteral(", "))));
    if (!outside.isEmpty())
        //: %1 is the setting's name, %2 the last exercise, %3 what went outside ("0, 28-30").
        problems << Text::tr("In «%1» gli esercizi vanno da 1 a %2: quello che sta fuori è lasciato da parte (%3).")
                        .arg(name)
                        .arg(kExercisesInAll)
                        .arg(shown(outside.join(QStringLiteral(", "))));
    if (chosen.none())
        problems << Text::tr("Così com'è scritto, «%1» non lascia nessun esercizio: il menu li offre tutti.")
                        .arg(name);
    else
        settings.exercises = chosen;
}

// "1-5,13,17": each run of exercises as its first and last.
QString exerciseList(const std::bitset<kExercisesInAll>& exercises)
{
    QStringList parts;
    for (int n = 1; n <= kExercisesInAll; ++n) {
        if (!exercises.test(n - 1))
            continue;
        int last = n;
        while (last < kExercisesInAll && exercises.test(last))
            ++last;
        parts << (last == n ? QString::number(n) : QStringLiteral("%1-%2").arg(n).arg(last));
        n = last;
    }
    return parts.join(u',');
}

} // namespace

TeacherSettings::TeacherSettings()
{
    // Read as a file's line is read: a default the checker would refuse is
    // a fault of the table, caught by the tests in a debug build.
    for (const Setting& setting : kSettings) {
        const QString value = QString::fromUtf8(setting.byDefault);
        QStringList refused;
        switch (setting.kind) {
        case Setting::Kind::Exercises:
            readExercises(QLatin1String(setting.name), value, *this, refused);
            break;
        case Setting::Kind::Advance:
            advance = advanceNamed(value).value_or(Advance::Button);
            Q_ASSERT(advanceNamed(value));
            break;
        case Setting::Kind::Language:
            language = value;
            break;
        case Setting::Kind::Switch:
            this->*setting.flag = parseSwitch(value).value_or(false);
            Q_ASSERT(parseSwitch(value));
            break;
        }
        Q_ASSERT(refused.isEmpty());
    }
}

std::optional<bool> parseSwitch(const QString& text)
{
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("true") || word == QLatin1String("1"))
        return true;
    if (word == QLatin1String("false") || word == QLatin1String("0"))
        return false;
    return std::nullopt;
}

SettingsReading checkSettings(const QList<WrittenSetting>& written, const QStringList& languages)
{
    SettingsReading reading;
    TeacherSettings& settings = reading.settings;
    QStringList& problems = reading.problems;
    int unknown = 0;
    for (const WrittenSetting& setting : written) {
        const QString& name = setting.name;
        const QString value = setting.value.trimmed();
        const Setting* known = settingNamed(name);
        if (!known) {
            if (++unknown <= kMostUnknown)
                problems << Text::tr("L'impostazione «%1» non esiste: è lasciata da parte.").arg(shown(name));
            else if (unknown == kMostUnknown + 1)
                problems << Text::tr("Ci sono anche altre impostazioni che non esistono: sono lasciate da parte.");
        } else if (setting.times > 1) {
            problems << Text::tr("L'impostazione «%1» è scritta più di una volta: non vale nessuno dei suoi valori.")
                            .arg(name);
        } else if (value.isEmpty()) {
            problems << Text::tr("L'impostazione «%1» non ha un valore: resta quella predefinita.").arg(name);
        } else if (value.size() > kLongestValue) {
            problems << Text::tr("Il valore di «%1» è troppo lungo: è lasciato da parte.").arg(name);
        } else if (known->kind == Setting::Kind::Exercises) {
            readExercises(name, value, settings, problems);
        } else if (known->kind == Setting::Kind::Advance) {
            if (const std::optional<TeacherSettings::Advance> advance = advanceNamed(value))
                settings.advance = *advance;
            else
                problems << Text::tr("Per «%1» scrivere «%2» o «%3», non «%4»: il valore è lasciato da parte.")
                                .arg(name, kButton, kAutomatic, shown(value));
        } else if (known->kind == Setting::Kind::Language) {
            if (languages.contains(value.toLower()))
                settings.language = value.toLower();
            else
                //: %2 lists the languages' codes, "it, en, es, fr, pt".
                problems << Text::tr("Per «%1» scrivere una delle lingue %2, non «%3»: resta la lingua del sistema.")
                                .arg(name, languages.join(QStringLiteral(", ")), shown(value));
        } else if (const std::optional<bool> on = parseSwitch(value)) {
            settings.*known->flag = *on;
        } else {
            //: Every message here is for the teacher. The names and values in
            //: «» are the settings file's own and stay as they are.
            problems << Text::tr("Per «%1» scrivere true o false (oppure 1 o 0), non «%2»: "
                                 "il valore è lasciato da parte.")
                            .arg(name, shown(value));
        }
    }
    return reading;
}

QList<std::pair<QString, QString>> changedSettings(const TeacherSettings& settings)
{
    // Each setting as the file writes it.
    const auto written = [](const Setting& setting, const TeacherSettings& s) {
        switch (setting.kind) {
        case Setting::Kind::Exercises:
            return exerciseList(s.exercises);
        case Setting::Kind::Advance:
            return QString(s.advance == TeacherSettings::Advance::Automatic ? kAutomatic : kButton);
        case Setting::Kind::Language:
            return s.language;
        case Setting::Kind::Switch:
            break;
        }
        return s.*setting.flag ? QStringLiteral("true") : QStringLiteral("false");
    };
    QList<std::pair<QString, QString>> changed;
    for (const Setting& setting : kSettings)
        if (const QString value = written(setting, settings); value != QString::fromUtf8(setting.byDefault))
            changed.append({QLatin1String(setting.name), value});
    return changed;
}

QString settingsFault(const TeacherSettings& settings)
{
    if (settings.exercises.none())
        return Text::tr("Nessun esercizio è scelto: il menu ne deve offrire almeno uno.");
    // A code, never text that could break a line of the file or the link.
    static const QRegularExpression code(QStringLiteral("^[a-z_]*$"));
    if (!code.match(settings.language).hasMatch())
        return Text::tr("«%1» non è il codice di una lingua.").arg(shown(settings.language));
    return QString();
}

} // namespace brasti
