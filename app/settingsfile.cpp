// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <algorithm>

namespace brasti {
namespace {

// The texts for the teacher, in the same context as the settings' own.
class Text {
    Q_DECLARE_TR_FUNCTIONS(brasti::Settings)
};

// A settings file holds a few short lines; anything larger is not one.
constexpr qint64 kLargestFile = 64 * 1024;

// The lines a save replaces.
const QStringList kNames = [] {
    QStringList names;
    for (const Setting& setting : kSettings)
        names << QLatin1String(setting.name);
    return names;
}();

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

} // namespace

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
