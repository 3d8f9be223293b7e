// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/pagesettings.h"
#include "app/settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace brasti {

// <the user's configuration folder>/brasti/brasti.conf, that is
// ~/.config/brasti/brasti.conf unless XDG_CONFIG_HOME says otherwise.
QString settingsFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return QString();
    return QDir(folder).filePath(QStringLiteral("brasti/brasti.conf"));
}

// brasti/brasti.conf in the system's configuration folders, for every
// account: /etc/xdg unless XDG_CONFIG_DIRS names others, the first that has
// the file (the first of them when none has it).
QString systemSettingsFilePath()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    folders.removeAll(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    if (folders.isEmpty())
        return QString();
    const QString name = QStringLiteral("brasti/brasti.conf");
    const auto found = std::find_if(folders.cbegin(), folders.cend(), [&name](const QString& folder) {
        return QFileInfo::exists(QDir(folder).filePath(name));
    });
    return QDir(found != folders.cend() ? *found : folders.first()).filePath(name);
}

// The desktop has its command line and its settings file.
QString startQuery()
{
    return QString();
}

bool settingsAreSaved()
{
    return true;
}

QString pageAddress()
{
    return QString();
}

} // namespace brasti
