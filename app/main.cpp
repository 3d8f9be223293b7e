#include "app/shell.h"
#include "common/appcontext.h"
#include "common/dialogs.h"
#include "common/pictures.h"
#include "common/random.h"
#include "common/sound.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brasti"));
    QApplication::setWindowIcon(brasti::pictureIcon(brasti::Picture::Window));

    brasti::ClockRandom random; // seeded from the clock
    brasti::SystemSoundPlayer sound(brasti::findSoundFolder());
    brasti::MessageBoxDialogs dialogs;
    brasti::AppContext context;
    context.random = &random;
    context.sound = &sound;
    context.dialogs = &dialogs;
    context.autoAdvance = false;

    brasti::Shell shell(context);
    shell.showStart();
    const int status = QApplication::exec();
    // A window unloaded on the way out is deleted before the services it uses.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
