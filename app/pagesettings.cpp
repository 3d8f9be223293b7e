// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/pagesettings.h"

#include "app/settings.h"

#include <QUrlQuery>

namespace brasti {
namespace {

// Far more than every setting needs; a longer address is no teacher's link.
constexpr qsizetype kLongestQuery = 2048;
constexpr qsizetype kLongestValue = 64;

const QString kLanguage = QStringLiteral("lingua");
const QString kNumbersOnRods = QStringLiteral("numeriSuiBrasti");

// The console shows what was typed, but never more than a line of it.
QString shown(const QString& text)
{
    QString line = text.left(kLongestValue);
    for (QChar& c : line)
        if (!c.isPrint())
            c = u'?';
    return text.size() > kLongestValue ? line + QStringLiteral("…") : line;
}

} // namespace

PageSettings readPageSettings(const QString& query, const QStringList& languages)
{
    PageSettings settings;
    QString text = query.startsWith(u'?') ? query.mid(1) : query;
    if (text.isEmpty())
        return settings;
    if (text.size() > kLongestQuery) {
        settings.ignored << QStringLiteral("Brasti: query string ignored: longer than %1 characters").arg(kLongestQuery);
        return settings;
    }
    // "+" is a blank in a query, as forms write it.
    text.replace(u'+', u' ');
    const QUrlQuery parts(text);
    QStringList seen;
    for (const auto& [rawName, rawValue] : parts.queryItems(QUrl::FullyDecoded)) {
        const QString name = rawName.trimmed();
        // "&&" or a bare "=": nothing was asked.
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen << name;
        if (name != kLanguage && name != kNumbersOnRods) {
            settings.ignored << QStringLiteral("Brasti: unknown setting ignored: %1").arg(shown(name));
            continue;
        }
        // Asked for twice: neither is taken, as neither can be trusted.
        if (parts.allQueryItemValues(rawName).size() > 1) {
            settings.ignored << QStringLiteral("Brasti: setting given more than once, ignored: %1").arg(name);
            continue;
        }
        const QString value = rawValue.trimmed();
        if (value.size() > kLongestValue) {
            settings.ignored << QStringLiteral("Brasti: value too long, ignored: %1").arg(name);
            continue;
        }
        if (name == kLanguage) {
            if (languages.contains(value.toLower()))
                settings.language = value.toLower();
            else
                settings.ignored << QStringLiteral("Brasti: unknown language ignored: %1 (the languages are %2)")
                                        .arg(shown(value), languages.join(QStringLiteral(", ")));
        } else if (const std::optional<bool> on = parseSwitch(value)) {
            settings.numbersOnRods = on;
        } else {
            settings.ignored << QStringLiteral("Brasti: %1 takes 1 or 0, true or false; ignored: %2").arg(name, shown(value));
        }
    }
    return settings;
}

} // namespace brasti
