// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/program.h"

#include "app/commandline.h"
#include "app/settings.h"
#include "app/shell.h"
#include "common/appcontext.h"
#include "common/dialogs.h"
#include "common/pictures.h"
#include "common/random.h"
#include "common/sound.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPixmapCache>
#include <QTranslator>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace brasti {

bool installQtItalian()
{
    // Once per application, however often the set-up runs.
    constexpr const char* kName = "qtbase_it";
    if (qApp->findChild<QTranslator*>(QString::fromLatin1(kName), Qt::FindDirectChildrenOnly))
        return true;
    auto* translator = new QTranslator(qApp);
    translator->setObjectName(QString::fromLatin1(kName));
    if (!translator->load(QString::fromLatin1(kName), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        // Without the file the standard texts stay in English; nothing else changes.
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Brasti"));
    // Qt's own texts (a text box's context menu, standard buttons) in Italian, as everything else.
    installQtItalian();
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
}

int runProgram(int argc, char** argv, const std::function<void(QApplication&, Shell&)>& beforeStart)
{
    if (const std::optional<int> status = answerBeforeStart(argc, argv))
        return *status;
    QApplication app(argc, argv);
    setUpApplication();
    describeApplication();
    // Qt has taken its own options (-platform, -style...) out by now.
    const CommandLine options = parseCommandLine(QCoreApplication::arguments());
    if (options.action != CommandLine::Action::Run)
        return answerCommandLine(options);

    ClockRandom random; // seeded from the clock
    SystemSoundPlayer sound(findSoundFolder(), findSoundModule());
    MessageBoxDialogs dialogs;
    AppContext context;
    context.random = &random;
    context.sound = &sound;
    context.dialogs = &dialogs;
    context.autoAdvance = false;
    // The file is read only when the command line has not already asked.
    context.numbersOnRods = options.numbersOnRods || readNumbersOnRods();

    Shell shell(context);
    if (options.fullScreen)
        shell.setStartState(Qt::WindowFullScreen);
    if (options.startCheck)
        checkStartThenQuit(shell, context);
    if (beforeStart)
        beforeStart(app, shell);
    shell.showStart();
    // Nothing sounds before the first answer: the audio stack comes in only
    // once the start screen is on the screen, and adds nothing to start-up.
    sound.loadAfterFirstPaint(shell.current());
    const int status = QApplication::exec();
    // A window unloaded on the way out is deleted before the services it uses.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace brasti
