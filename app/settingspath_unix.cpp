// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/pagesettings.h"
#include "app/settings.h"

#include <QDir>
#include <QStandardPaths>

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

// The desktop has its command line and its settings file.
QString startQuery()
{
    return QString();
}

} // namespace brasti
