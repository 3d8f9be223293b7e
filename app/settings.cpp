// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/settings.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <algorithm>

namespace brasti {
namespace {

// A settings file holds a few short lines; anything larger is not one.
constexpr qint64 kLargestFile = 64 * 1024;

// Text as a teacher writes it: UTF-8, no control characters but line ends
// and tabs. A file damaged into anything else is not trusted at all, even
// where a good line survives in it.
bool isPlainText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile)
        return false;
    // Stateless: a sequence cut short at the end of the file is an error,
    // not the start of a character still to come.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return false;
    // Control characters of every range: below space, DEL and U+0080 to U+009F.
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control && c != u'\n' && c != u'\r' && c != u'\t';
    });
}

} // namespace

std::optional<bool> parseSwitch(const QString& text)
{
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("true") || word == QLatin1String("1"))
        return true;
    if (word == QLatin1String("false") || word == QLatin1String("0"))
        return false;
    return std::nullopt;
}

bool readNumbersOnRods(const QString& path)
{
    // Only a plain file of a sensible size is read: a folder, a pipe or a
    // device in its place could block the start or never end.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable() || info.size() > kLargestFile)
        return false;
    if (!isPlainText(path))
        return false;
    // Read-only use: QSettings writes back only what was set, and nothing is.
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return false;
    const QVariant value = settings.value(QStringLiteral("numeriSuiBrasti"));
    // As typed by hand, or as another program that writes QSettings stores a boolean.
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() != QMetaType::QString)
        return false;
    return parseSwitch(value.toString()).value_or(false);
}

} // namespace brasti
