// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The 27 exercises of the menu: button, caption, place and font size.
// Button K (2 to 28) opens screen K - 1.
#include <array>

namespace brasti {

class ExerciseScreen;
struct AppContext;

// Makes a fresh, not yet loaded screen n of one family.
using ScreenFactory = ExerciseScreen* (*)(int screen, AppContext& context);

struct CatalogueEntry {
    int button;            // CommandK
    const char* caption;   // exactly as shown, blanks included
    int column;            // 1 (left) to 4
    int row;               // 1 (top) to 7
    double fontPoints;
    ScreenFactory factory; // the family of screen button - 1
};

inline constexpr int kExerciseCount = 27;
extern const std::array<CatalogueEntry, kExerciseCount> kCatalogue;

// The screen a button opens: button K opens screen K - 1.
constexpr int screenOfButton(int button) { return button - 1; }

// A fresh, not yet loaded screen n (1 to 27); nullptr for any other number.
ExerciseScreen* createExerciseScreen(int screen, AppContext& context);

} // namespace brasti
