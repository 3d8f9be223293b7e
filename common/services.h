// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The services every screen calls: sounds, the About message, the quit question.
class QWidget;

namespace brasti {

struct AppContext;

void PlayRightSound(AppContext& context);
void PlayWrongSound(AppContext& context);
void ShowAbout(AppContext& context, QWidget* parent);
// Asks "Vuoi uscire dal programma?"; on "Sì" ends the program at once (in a
// browser, where it cannot end, starts it afresh: Navigator::quitProgram).
void ConfirmQuit(AppContext& context, QWidget* parent);

} // namespace brasti
