// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/pagesettings.h"
#include "app/settingsfile.h"

#include <QSettings>

namespace brasti {

// Where Qt keeps a user's INI file: %APPDATA%\brasti\brasti.ini. Only the
// path is asked for; the file is read as strictly as anywhere else.
QString settingsFilePath()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("brasti"), QStringLiteral("brasti"))
        .fileName();
}

// The same for every account: %PROGRAMDATA%\brasti\brasti.ini.
QString systemSettingsFilePath()
{
    return QSettings(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("brasti"), QStringLiteral("brasti"))
        .fileName();
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
