#include "app/program.h"

#include "app/shell.h"
#include "common/appcontext.h"
#include "common/dialogs.h"
#include "common/pictures.h"
#include "common/random.h"
#include "common/sound.h"

#include <QApplication>

namespace brasti {

int runProgram(int argc, char** argv, const std::function<void(QApplication&, Shell&)>& beforeStart)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brasti"));
    QApplication::setWindowIcon(pictureIcon(Picture::Window));

    ClockRandom random; // seeded from the clock
    SystemSoundPlayer sound(findSoundFolder());
    MessageBoxDialogs dialogs;
    AppContext context;
    context.random = &random;
    context.sound = &sound;
    context.dialogs = &dialogs;
    context.autoAdvance = false;

    Shell shell(context);
    if (beforeStart)
        beforeStart(app, shell);
    shell.showStart();
    const int status = QApplication::exec();
    // A window unloaded on the way out is deleted before the services it uses.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace brasti
