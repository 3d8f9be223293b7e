// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace brasti {
namespace {

// The translators in force are the application's children of this name.
constexpr const char* kTranslatorName = "brasti-lingua";

QString current = kItalian;

// One translator, installed when its file loads; nullptr otherwise.
QTranslator* load(const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QString::fromLatin1(kTranslatorName));
    // load() checks the file's header and contents: a damaged one fails here.
    if (!translator->load(file, folder) || translator->isEmpty()) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace

QStringList availableLanguages(const QString& folder)
{
    QStringList languages{kItalian};
    const QStringList files = QDir(folder).entryList({QStringLiteral("brasti_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString code = file.mid(7).chopped(3);
        if (!code.isEmpty() && !languages.contains(code))
            languages << code;
    }
    return languages;
}

QStringList systemLanguages()
{
    return QLocale::system().uiLanguages();
}

QString chooseLanguage(const QStringList& preferred, const QStringList& available)
{
    for (const QString& tag : preferred) {
        // "en-GB" and "en_GB" are English; "C" names no language and is in no list.
        const QString code = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (available.contains(code))
            return code;
    }
    return kItalian;
}

QString installLanguage(const QString& language, const QString& folder)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return current;
    for (QTranslator* old : app->findChildren<QTranslator*>(QString::fromLatin1(kTranslatorName),
                                                            Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    current = kItalian;
    // Italian is the source: the texts are already in it.
    if (language != kItalian && !load(QStringLiteral("brasti_") + language, folder))
        return current;
    current = language;
    // Qt's own texts where the system has them; without them they stay as Qt
    // writes them. Qt names some by country alone: Portuguese is qtbase_pt_BR.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!load(QStringLiteral("qtbase_") + current, qtFolder))
        load(QStringLiteral("qtbase_") + QLocale(current).name(), qtFolder);
    return current;
}

QString currentLanguage()
{
    return current;
}

} // namespace brasti
