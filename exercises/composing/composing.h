// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The composing family: the single-rod answer screens 12 to 15 and the
// composition screens 17, 20 and 27.
namespace brasti {

class ExerciseScreen;
struct AppContext;

bool isComposingScreen(int screen);
// A fresh composing screen, not yet loaded; nullptr for any other screen.
ExerciseScreen* createComposingScreen(int screen, AppContext& context);

} // namespace brasti
