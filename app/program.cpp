// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/program.h"

#include "app/commandline.h"
#include "app/console.h"
#include "app/language.h"
#include "app/pagesettings.h"
#include "app/settingsfile.h"
#include "app/shell.h"
#include "common/appcontext.h"
#include "common/dialogs.h"
#include "common/firstpaint.h"
#include "common/focusspeech.h"
#include "common/page.h"
#include "common/pictures.h"
#include "common/random.h"
#include "common/sound/sound.h"
#include "common/speaker.h"

#include <QApplication>
#include <QPixmapCache>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace brasti {

QString setUpApplication(const QString& language)
{
    QApplication::setApplicationName(QStringLiteral("Brasti"));
    preparePage();
    // The program's texts and Qt's own (a text box's context menu, standard buttons).
    const QString spoken = installLanguage(language);
    QApplication::setWindowIcon(pictureIcon(Picture::Window));
    // The style caches button faces under keys that include each palette, and
    // every screen brings new palettes with its random background. With the
    // cache on, memory grew with every screen opened, past any limit set (about
    // 45 kB for each round of the five ordering screens). The faces are cheap
    // to draw, so nothing is cached.
    QPixmapCache::setCacheLimit(0);
#if defined(__GLIBC__)
    // A window's backing store is a megabyte or two, made and freed with every
    // screen. A fixed threshold keeps such blocks mapped apart and returned
    // when the screen goes, instead of left behind in a growing heap.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    return spoken;
}

void applyTeacherSettings(AppContext& context, const TeacherSettings& teacher, bool numbersOnRods)
{
    context.autoAdvance = teacher.advance == TeacherSettings::Advance::Automatic;
    context.numbersOnRods = numbersOnRods || teacher.numbersOnRods;
    context.offeredExercises = teacher.exercises;
    context.exitOffered = teacher.exitOffered;
    context.showAnswer = teacher.showAnswer;
    if (context.speaker)
        context.speaker->setOn(teacher.readAloud);
}

int runProgram(int argc, char** argv, const std::function<void(QApplication&, Shell&)>& beforeStart)
{
    if (const std::optional<int> status = answerBeforeStart(argc, argv))
        return *status;
    QApplication app(argc, argv);
    // Qt has taken its own options (-platform, -style...) out by now.
    CommandLine options = parseCommandLine(QCoreApplication::arguments());
    // The teacher's settings: a web page's address in a browser, the settings
    // file on the desktop, which has no address.
    const QString query = startQuery();
    const auto readTeacher = [&query] {
        return query.isEmpty() ? readTeacherSettings(availableLanguages())
                               : readPageSettings(query, availableLanguages());
    };
    const TeacherSettings teacher = readTeacher().settings;
    if (options.language.isEmpty())
        options.language = teacher.language;
    const QString language = setUpApplication(chosenLanguage(options));
    describeApplication();
    // What is wrong in the address is said in the browser's console, never to
    // the child, in the language now in force; the file's faults are for the
    // teacher's window.
    if (!query.isEmpty())
        for (const QString& line : readTeacher().problems)
            writeText(stderr, QStringLiteral("Brasti: ") + line + QLatin1Char('\n'));
    // Read again for the error line, in the language now in force.
    if (options.action != CommandLine::Action::Run)
        return answerCommandLine(parseCommandLine(QCoreApplication::arguments()));

    ClockRandom random; // seeded from the clock
    const std::unique_ptr<PlatformSoundPlayer> sound = makePlatformSoundPlayer();
    MessageBoxDialogs dialogs;
    AppContext context;
    context.random = &random;
    context.sound = sound.get();
    Speaker speaker;
    speaker.setLanguage(QLocale(language));
    context.speaker = &speaker;
    context.dialogs = &dialogs;
    context.speller = &spellerFor(language.toStdString());
    Shell shell(context);
    shell.setNumbersOnRodsAsked(options.numbersOnRods);
    shell.takeTeacherSettings(teacher);
    // Read again for the teacher's window, its problems in the language now in force.
    shell.setTeacherSettings(readTeacher(), settingsFilePath());
    if (options.fullScreen)
        shell.setStartState(Qt::WindowFullScreen);
    if (options.startCheck)
        checkStartThenQuit(shell, context);
    if (beforeStart)
        beforeStart(app, shell);
    speakFocusInPage();
    shell.showStart();
    if (options.teacherWindow) {
        shell.showMenu();
        shell.openTeacherWindow();
    }
    // Nothing sounds before the first answer: the audio stack comes in only
    // once the start screen is on the screen, and adds nothing to start-up.
    sound->loadAfterFirstPaint(shell.current());
    afterFirstPaint(shell.current(), &speaker, [&speaker] { speaker.prepare(); });
    afterFirstPaint(shell.current(), &shell, pageShown);
    const int status = QApplication::exec();
    // A window unloaded on the way out is deleted before the services it uses.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace brasti
