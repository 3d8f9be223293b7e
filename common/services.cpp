// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/services.h"

#include "common/appcontext.h"
#include "common/dialogs.h"
#include "common/sound/sound.h"
#include "common/speaker.h"

#include <QCoreApplication>

namespace brasti {
namespace {

// The texts of the services, translated in a context of their own.
class Text {
    Q_DECLARE_TR_FUNCTIONS(brasti::Services)
};

void play(AppContext& context, Sound sound)
{
    if (!context.sound)
        return;
    context.sound->play(sound);
    // The voice never talks over a feedback sound.
    if (context.speaker)
        context.speaker->soundStarted(context.sound->length(sound));
}

} // namespace

void PlayRightSound(AppContext& context)
{
    // The draw happens even without a player, so the run of chance is the same.
    play(context, drawRightSound(*context.random));
}

void PlayWrongSound(AppContext& context)
{
    play(context, Sound::Wrong);
}

void ShowAbout(AppContext& context, QWidget* parent)
{
    // The author, a line of dashes, the web and mail addresses, and how a
    // teacher opens the teacher's window; the addresses are not translated.
    context.dialogs->inform(parent, MessageIcon::Information, messageTitle(),
                            Text::tr("Squadra Brasti")
                                + QStringLiteral("\r\n"
                                                 "--------------------------------\r\n"
                                                 "https://brasti.example.org\r\n"
                                                 "brasti@example.org\r\n")
                                + Text::tr("Per l'insegnante: Ctrl+Alt+I nel menù, oppure tieni premuto "
                                           "3 secondi su «solo con i brasti»."));
}

void ConfirmQuit(AppContext& context, QWidget* parent)
{
    AppContext* program = &context;
    context.dialogs->askYesNo(parent, messageTitle(), Text::tr("Vuoi uscire dal programma?"), [program](bool yes) {
        if (yes && program->navigator)
            program->navigator->quitProgram();
    });
}

} // namespace brasti
