// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/pagesettings.h"

#include <QCoreApplication>
#include <QUrlQuery>
#include <algorithm>

namespace brasti {
namespace {

class Text {
    Q_DECLARE_TR_FUNCTIONS(brasti::Settings)
};

// Far more than every setting needs; a longer address is no teacher's link.
constexpr qsizetype kLongestQuery = 2048;

} // namespace

SettingsReading readPageSettings(const QString& query, const QStringList& languages)
{
    QString text = query.startsWith(u'?') ? query.mid(1) : query;
    if (text.isEmpty())
        return {};
    if (text.size() > kLongestQuery) {
        SettingsReading refused;
        refused.problems << Text::tr("L'indirizzo porta più di %1 caratteri di impostazioni: non ne vale nessuna.")
                                .arg(kLongestQuery);
        return refused;
    }
    text.replace(u'+', u' ');
    QList<WrittenSetting> written;
    for (const auto& [rawName, value] : QUrlQuery(text).queryItems(QUrl::FullyDecoded)) {
        const QString name = rawName.trimmed();
        // "&&" or a bare "=": nothing was asked.
        if (name.isEmpty())
            continue;
        const auto same = std::find_if(written.begin(), written.end(),
                                       [&name](const WrittenSetting& setting) { return setting.name == name; });
        if (same != written.end())
            ++same->times;
        else
            written.append({name, value});
    }
    return checkSettings(written, languages);
}

QString settingsQuery(const TeacherSettings& settings)
{
    QUrlQuery query;
    for (const auto& [name, value] : changedSettings(settings))
        query.addQueryItem(name, value);
    return query.toString(QUrl::FullyEncoded);
}

} // namespace brasti
