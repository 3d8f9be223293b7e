// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
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
// A settings file holds a few short lines; anything larger is not one.
constexpr qint64 kLargestFile = 64 * 1024;
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

const QStringList kNames = [] {
    QStringList names;
    for (const Setting& setting : kSettings)
        names << QLatin1String(setting.name);
    return names;
}();

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

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Text as a teacher writes it: UTF-8, no control characters but line ends
// and tabs. A file damaged into anything else is not trusted at all, even
// where a good line survives in it.
std::optional<QString> plainText(const QByteArray& bytes)
{
    // Stateless: a sequence cut short at the end of the file is an error,
    // not the start of a character still to come.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;
    // Control characters of every range: below space, DEL and U+0080 to U+009F.
    if (std::any_of(text.cbegin(), text.cend(), [](QChar c) {
            return c.category() == QChar::Other_Control && c != u'\n' && c != u'\r' && c != u'\t';
        }))
        return std::nullopt;
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    return text;
}

QStringList linesOf(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// A value QSettings would decode as binary data: "@Variant(" and
// "@DateTime(" are read with QDataStream, which sizes a list by the count the
// file gives, gigabytes from a line of a few bytes. Each item of a value (a
// list's items too) is looked at where it starts; one begun with an escape
// could spell the marker, so it counts as one. Only the two booleans QSettings
// writes itself pass.
bool decodedAsBinary(const QStringList& lines)
{
    static const QStringList kWrittenBooleans{QStringLiteral("@Variant(\\0\\0\\0\\x1\\x1)"),
                                              QStringLiteral("@Variant(\\0\\0\\0\\x1\\0)")};
    for (const QString& line : lines) {
        const QString bare = line.trimmed();
        if (bare.startsWith(u';') || !bare.contains(u'='))
            continue;
        const QString value = bare.section(u'=', 1);
        if (kWrittenBooleans.contains(value.trimmed()))
            continue;
        for (const QString& item : value.split(u',')) {
            qsizetype start = 0;
            while (start < item.size() && (item[start] == u' ' || item[start] == u'\t' || item[start] == u'"'))
                ++start;
            const QStringView rest = QStringView(item).mid(start);
            if (rest.startsWith(u'\\') || rest.startsWith(QLatin1String("@Variant("))
                || rest.startsWith(QLatin1String("@DateTime(")))
                return true;
        }
    }
    return false;
}

// The name a line sets in the file's first section ("[General]" too), where
// these settings live; empty for a comment, a group's header, a line of
// another group or one without "=". `inFirst` follows the headers.
QString nameSet(const QString& line, bool& inFirst)
{
    const QString bare = line.trimmed();
    if (bare.startsWith(u'[')) {
        const QString group = bare.mid(1).section(u']', 0, 0).trimmed();
        inFirst = group.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0;
        return QString();
    }
    if (!inFirst || bare.startsWith(u';') || !bare.contains(u'='))
        return QString();
    return bare.section(u'=', 0, 0).trimmed();
}

// As typed by hand, as a list where it has commas, or as another program
// that writes QSettings stores a boolean. Any other type is no value of
// these settings, and is named as the file marks it.
QString valueText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QStringList:
        return value.toStringList().join(u',');
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    default:
        return QStringLiteral("@") + QLatin1String(value.metaType().name());
    }
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
                //: %2 lists the languages' codes, "it, en, es".
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

SettingsReading readSettingsFile(const QString& path, const QStringList& languages)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {};
    SettingsReading refused;
    refused.path = path;
    // Only a plain file of a sensible size is read: a folder, a pipe or a
    // device in its place could block the start or never end.
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        refused.problems << Text::tr("Il file %1 non si può leggere: valgono le impostazioni predefinite.")
                                .arg(native(path));
        return refused;
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile) {
        refused.problems << Text::tr("Il file %1 è più grande di %2 KiB, troppo per un file di impostazioni: "
                                     "valgono quelle predefinite.")
                                .arg(native(path), QString::number(kLargestFile / 1024));
        return refused;
    }
    const QString notPlain = Text::tr("Il file %1 non è testo semplice come lo scrive un editor: "
                                      "valgono le impostazioni predefinite.")
                                 .arg(native(path));
    const std::optional<QString> text = plainText(bytes);
    if (!text || decodedAsBinary(linesOf(*text))) {
        refused.problems << notPlain;
        return refused;
    }
    // Read-only use: QSettings writes back only what was set, and nothing is.
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        refused.problems << notPlain;
        return refused;
    }
    // QSettings keeps only the last of a name given twice: the lines tell.
    QStringList names;
    bool inFirst = true;
    for (const QString& line : linesOf(*text))
        names << nameSet(line, inFirst);
    // In the file's order, for the messages to follow it; a name the lines
    // do not show as such (escaped) comes last.
    QStringList keys = settings.allKeys();
    const auto place = [&names](const QString& key) { return qulonglong(names.indexOf(key)); };
    std::stable_sort(keys.begin(), keys.end(),
                     [&place](const QString& a, const QString& b) { return place(a) < place(b); });
    QList<WrittenSetting> written;
    for (const QString& key : keys)
        if (!key.isEmpty()) // as "/" becomes, and no setting's name
            written.append({key, valueText(settings.value(key)), std::max(1, int(names.count(key)))});
    SettingsReading reading = checkSettings(written, languages);
    reading.path = path;
    return reading;
}

SettingsReading readTeacherSettings(const QStringList& languages, const QString& userPath, const QString& systemPath)
{
    // The account's own file, even a broken one, replaces the computer's
    // whole: what was meant for this child is not mixed with what was meant
    // for every child.
    SettingsReading reading = readSettingsFile(userPath, languages);
    if (reading.path.isEmpty())
        reading = readSettingsFile(systemPath, languages);
    return reading;
}

SavedSettings saveTeacherSettings(const TeacherSettings& settings, const QString& path)
{
    //: Said when the settings could not be saved; %1 says why.
    const QString notSaved = Text::tr("%1 Le impostazioni non sono salvate.");
    if (const QString fault = settingsFault(settings); !fault.isEmpty())
        return {QString(), notSaved.arg(fault)};
    if (path.isEmpty())
        return {QString(), Text::tr("Qui non c'è un file dove salvare le impostazioni.")};
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return {QString(), Text::tr("La cartella %1 non si può creare: le impostazioni non sono salvate.")
                               .arg(native(info.absolutePath()))};

    // The teacher's comments and lines for other things stay where they
    // were; a file that counted for nothing (not plain text, oversized,
    // binary values) is
    // replaced, but one that cannot even be read is not overwritten unseen.
    QStringList lines;
    if (info.exists()) {
        QFile old(path);
        if (!info.isFile() || !old.open(QIODevice::ReadOnly))
            return {QString(), Text::tr("Il file %1 c'è ma non si può leggere: le impostazioni non sono salvate, "
                                        "per non perdere quello che contiene.")
                                   .arg(native(path))};
        if (const QByteArray bytes = old.read(kLargestFile + 1); bytes.size() <= kLargestFile)
            lines = linesOf(plainText(bytes).value_or(QString()));
        if (decodedAsBinary(lines))
            lines.clear();
    }
    // These settings go where the first of their old lines was, or at the
    // end of the first section.
    qsizetype at = -1;
    bool inFirst = true;
    for (qsizetype i = 0; i < lines.size();) {
        const bool wasFirst = inFirst;
        const QString name = nameSet(lines[i], inFirst);
        if (wasFirst && !inFirst && at < 0)
            at = i;
        if (kNames.contains(name)) {
            at = at < 0 ? i : at;
            lines.removeAt(i);
        } else {
            ++i;
        }
    }
    at = at < 0 ? lines.size() : at;
    for (const auto& [name, value] : changedSettings(settings))
        lines.insert(at++, name + u'=' + value);

    QByteArray bytes = lines.join(u'\n').toUtf8();
    if (!lines.isEmpty())
        bytes += '\n';
    // A new file renamed over the old one: a failure or a crash halfway
    // leaves the old file, never half of the new.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        //: %2 is the system's reason, as Qt gives it.
        return {QString(), Text::tr("Il file %1 non si può scrivere (%2): le impostazioni non sono salvate.")
                               .arg(native(path), file.errorString())};
    return {path, QString()};
}

} // namespace brasti
