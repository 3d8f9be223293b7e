// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/commandline.h"

#include "app/console.h"
#include "app/language.h"
#include "app/shell.h"
#include "common/appcontext.h"
#include "common/sound/sound.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#ifndef BRASTI_VERSION
#define BRASTI_VERSION "0"
#endif
#ifndef BRASTI_APP_ID
#define BRASTI_APP_ID "brasti"
#endif

namespace brasti {
namespace {

// The command line's texts, translated in a context of their own.
class Text {
    Q_DECLARE_TR_FUNCTIONS(brasti::CommandLine)
};

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, Text::tr("mostra questo aiuto ed esce")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}, Text::tr("mostra la versione ed esce")};
    QCommandLineOption fullScreen{QStringLiteral("fullscreen"),
                                  Text::tr("apre ogni finestra a schermo intero, per la lavagna interattiva")};
    QCommandLineOption numbersOnRods{QStringLiteral("numeri-sui-brasti"),
                                     Text::tr("scrive su ogni brasto il suo numero, per chi non distingue i colori")};
    //: %1 lists the languages' codes, "it, en, es, fr, pt".
    QCommandLineOption language{QStringLiteral("lingua"),
                                Text::tr("parla la lingua scelta (%1) invece di quella del sistema")
                                    .arg(availableLanguages().join(QStringLiteral(", "))),
                                //: The value of --lingua, as the help shows it: --lingua <codice>.
                                Text::tr("codice")};
    QCommandLineOption teacherWindow{QStringLiteral("insegnante"),
                                     Text::tr("apre il menù con la finestra dell'insegnante")};
    // Hidden from the help, so not translated.
    QCommandLineOption startCheck{QStringLiteral("verifica-avvio"), QStringLiteral("esce dopo il primo disegno della finestra")};

    Options() { startCheck.setFlags(QCommandLineOption::HiddenFromHelp); }
    std::vector<const QCommandLineOption*> all() const
    {
        return {&help, &version, &fullScreen, &numbersOnRods, &language, &teacherWindow, &startCheck};
    }
};

void writeLine(std::FILE* stream, const QString& text)
{
    writeText(stream, text + QLatin1Char('\n'));
}

// Waits for the first paint of the shell's window, then reports and quits.
class FirstFrameWatch final : public QObject {
public:
    FirstFrameWatch(Shell& shell, AppContext& context) : QObject(&shell), shell_(shell), context_(context) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && shell_.current() && widget->window() == shell_.current()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // After the paint, not inside it.
            QMetaObject::invokeMethod(this, &FirstFrameWatch::reportAndQuit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void reportAndQuit()
    {
        QWidget* window = shell_.current();
        if (!window)
            return;
        const bool full = window->windowState() & Qt::WindowFullScreen;
        writeLine(stdout, QStringLiteral("finestra: %1 %2")
                              .arg(window->objectName(), full ? QStringLiteral("schermo-intero") : QStringLiteral("normale")));
        const QString folder = findSoundFolder();
        int found = 0;
        for (Sound sound : {Sound::Right1, Sound::Right2, Sound::Right3, Sound::Right4, Sound::Wrong})
            found += QFileInfo(QDir(folder).filePath(soundFileName(sound))).isFile() ? 1 : 0;
        // The player's own path: no device or no file must stay silent.
        if (context_.sound)
            context_.sound->play(Sound::Wrong);
        writeLine(stdout, QStringLiteral("suoni: %1 %2/5").arg(QDir::cleanPath(folder)).arg(found));
        const QString module = findSoundModule();
        writeLine(stdout, QStringLiteral("modulo dei suoni: %1")
                              .arg(module.isEmpty() ? QStringLiteral("nessuno") : QDir::cleanPath(module)));
        writeLine(stdout, QStringLiteral("numeri sui brasti: %1")
                              .arg(context_.numbersOnRods ? QStringLiteral("si") : QStringLiteral("no")));
        shell_.quitProgram();
    }

    Shell& shell_;
    AppContext& context_;
};

QString languageError(const QString& language)
{
    //: %1 is the code asked for, %2 lists the codes of the languages there are.
    return Text::tr("lingua sconosciuta: %1 (le lingue sono %2)")
        .arg(language, availableLanguages().join(QStringLiteral(", ")));
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    const Options options;
    QCommandLineParser parser;
    for (const QCommandLineOption* option : options.all())
        parser.addOption(*option);
    const bool parsed = parser.parse(arguments);

    CommandLine result;
    if (parser.isSet(options.help)) {
        result.action = CommandLine::Action::ShowHelp;
    } else if (parser.isSet(options.version)) {
        result.action = CommandLine::Action::ShowVersion;
    } else if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().constFirst();
        result.action = CommandLine::Action::Fail;
        result.error = Text::tr("opzione sconosciuta: %1%2")
                           .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
    } else if (!parsed) {
        // A value given to an option that takes none, say "--fullscreen=si",
        // or none to one that takes it.
        result.action = CommandLine::Action::Fail;
        result.error = Text::tr("opzione non valida");
    } else if (!parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::Fail;
        result.error = Text::tr("argomento inatteso: %1").arg(parser.positionalArguments().constFirst());
    }
    if (parser.isSet(options.language)) {
        result.language = parser.value(options.language);
        // No code at all is a malformed option, told as such below.
        result.unknownLanguage = !result.language.isEmpty() && !availableLanguages().contains(result.language);
        if (result.unknownLanguage && result.action == CommandLine::Action::Run) {
            result.action = CommandLine::Action::Fail;
            result.error = languageError(result.language);
        }
    }
    result.fullScreen = parser.isSet(options.fullScreen);
    result.numbersOnRods = parser.isSet(options.numbersOnRods);
    result.startCheck = parser.isSet(options.startCheck);
    result.teacherWindow = parser.isSet(options.teacherWindow);
    return result;
}

QString helpText()
{
    QString text = Text::tr("Uso: brasti [opzioni]\n\n"
                      "Esercitazioni matematiche con i brasti colorati,\n"
                      "per i primi anni della scuola primaria.\n\n"
                      "Opzioni:\n");
    const Options options;
    std::vector<std::pair<QString, QString>> rows;
    for (const QCommandLineOption* option : options.all()) {
        if (option->flags() & QCommandLineOption::HiddenFromHelp)
            continue;
        QStringList names;
        for (const QString& name : option->names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString shown = names.join(QStringLiteral(", "));
        if (!option->valueName().isEmpty())
            shown += QStringLiteral(" <%1>").arg(option->valueName());
        rows.emplace_back(shown, option->description());
    }
    // The descriptions start in one column, after the longest names.
    qsizetype width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    for (const auto& [names, description] : rows)
        text += QStringLiteral("  %1  %2\n").arg(names, -static_cast<int>(width)).arg(description);
    return text;
}

QString versionText()
{
    return QStringLiteral("Brasti " BRASTI_VERSION "\n")
           + Text::tr("Licenza GPL-3.0-or-later: GNU GPL versione 3 o successiva, senza alcuna garanzia.");
}

int answerCommandLine(const CommandLine& commandLine)
{
    switch (commandLine.action) {
    case CommandLine::Action::Run:
        break;
    case CommandLine::Action::ShowHelp:
        writeText(stdout, helpText());
        break;
    case CommandLine::Action::ShowVersion:
        writeLine(stdout, versionText());
        break;
    case CommandLine::Action::Fail:
        writeLine(stderr, Text::tr("brasti: %1 (brasti --help elenca le opzioni)").arg(commandLine.error));
        return 2;
    }
    return 0;
}

std::optional<int> answerBeforeStart(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine first = parseCommandLine(arguments);
    if (first.action != CommandLine::Action::ShowHelp && first.action != CommandLine::Action::ShowVersion
        && !first.unknownLanguage)
        return std::nullopt;
    // An application object without a display, for the translation, then
    // read again in the language chosen.
    QCoreApplication app(argc, argv);
    installLanguage(chosenLanguage(first));
    CommandLine commandLine = parseCommandLine(arguments);
    if (commandLine.unknownLanguage && commandLine.action != CommandLine::Action::ShowHelp
        && commandLine.action != CommandLine::Action::ShowVersion) {
        // Whatever else is wrong may be Qt's own option: the language is surely not.
        commandLine.action = CommandLine::Action::Fail;
        commandLine.error = languageError(commandLine.language);
    }
    const int status = answerCommandLine(commandLine);
    installLanguage(kItalian);
    return status;
}

QString chosenLanguage(const CommandLine& commandLine)
{
    if (!commandLine.language.isEmpty() && !commandLine.unknownLanguage)
        return commandLine.language;
    return chooseLanguage(systemLanguages(), availableLanguages());
}

void describeApplication()
{
    QCoreApplication::setApplicationVersion(QStringLiteral(BRASTI_VERSION));
    // Lets the desktop match the windows to the installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BRASTI_APP_ID));
}

void checkStartThenQuit(Shell& shell, AppContext& context)
{
    QCoreApplication::instance()->installEventFilter(new FirstFrameWatch(shell, context));
}

} // namespace brasti
