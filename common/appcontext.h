// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The program-wide state and services every screen reaches. One instance
// lives for the run; tests make their own with scripted parts.
#include "common/exerciseentry.h"
#include "common/numberwords.h"

#include <bitset>

namespace brasti {

class RandomSource;
class SoundPlayer;
class Speaker;
class Dialogs;
class RunSummary;

// What a screen may ask of the application shell.
class Navigator {
public:
    virtual ~Navigator() = default;
    // Shows a fresh menu and then unloads the current screen.
    virtual void showMenu() = 0;
    // Ends the program at once, without asking anything more; where it
    // cannot end (a browser's page), starts it afresh on the start screen.
    virtual void quitProgram() = 0;
};

struct AppContext {
    RandomSource* random = nullptr;
    SoundPlayer* sound = nullptr;
    // The program's own voice; none in most tests.
    Speaker* speaker = nullptr;
    Dialogs* dialogs = nullptr;
    Navigator* navigator = nullptr;
    // What was played since the program started, for the teacher.
    RunSummary* summary = nullptr;

    // The number words of the language in use.
    const NumberSpeller* speller = &italianSpeller();

    bool autoAdvance = false;
    // Every rod shows its number, for children who do not tell the colours
    // apart: a teacher's choice, read once at start.
    bool numbersOnRods = false;
    // The teacher's choices for the class, read once at start: the
    // exercises the menu offers (exercise n at bit n - 1), whether it offers
    // "Esci", and whether a wrong try may be answered by showing the answer.
    std::bitset<kExerciseCount> offeredExercises = std::bitset<kExerciseCount>().set();
    bool exitOffered = true;
    bool showAnswer = false;
};

} // namespace brasti
