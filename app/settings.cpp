#include "app/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace brasti {
namespace {

// A settings file holds a few short lines; anything larger is not one.
constexpr qint64 kLargestFile = 64 * 1024;

} // namespace

QString settingsFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return QString();
    return QDir(folder).filePath(QStringLiteral("brasti/brasti.conf"));
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

bool readNumbersOnRods(const QString& path)
{
    // Only a plain file of a sensible size is read: a folder, a pipe or a
    // device in its place could block the start or never end.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable() || info.size() > kLargestFile)
        return false;
    // Read-only use: QSettings writes back only what was set, and nothing is.
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return false;
    const QVariant value = settings.value(QStringLiteral("numeriSuiBrasti"));
    if (value.typeId() != QMetaType::QString)
        return false;
    return parseSwitch(value.toString()).value_or(false);
}

} // namespace brasti
