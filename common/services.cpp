// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/services.h"

#include "common/appcontext.h"
#include "common/dialogs.h"
#include "common/sound.h"

namespace brasti {

void PlayRightSound(AppContext& context)
{
    // The draw happens even without a player, so the run of chance is the same.
    const Sound sound = drawRightSound(*context.random);
    if (context.sound)
        context.sound->play(sound);
}

void PlayWrongSound(AppContext& context)
{
    if (context.sound)
        context.sound->play(Sound::Wrong);
}

void ShowAbout(AppContext& context, QWidget* parent)
{
    context.dialogs->inform(parent, MessageIcon::Information, kMessageTitle,
                            QStringLiteral("Squadra Brasti\r\n"
                                           "--------------------------------\r\n"
                                           "https://brasti.example.org\r\n"
                                           "brasti@example.org"));
}

void ConfirmQuit(AppContext& context, QWidget* parent)
{
    if (context.dialogs->askYesNo(parent, kMessageTitle, QStringLiteral("Vuoi uscire dal programma?"))
        && context.navigator)
        context.navigator->quitProgram();
}

} // namespace brasti
