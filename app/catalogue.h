// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The exercises of the menu, joined from the families' tables of screens
// (exercises/<family>/<family>.h): caption, place and font of each button.
// Button K (2 to 28) opens screen K - 1.
#include "common/exerciseentry.h"
#include "exercises/comparison/comparison.h"
#include "exercises/composing/composing.h"
#include "exercises/ordering/ordering.h"
#include "exercises/rodnumber/rodnumber.h"
#include "exercises/written/written.h"

#include "common/texts.h"

#include <array>
#include <tuple>

namespace brasti {

// A family of screens: its table, the object name of its button in the
// teacher's window and its name for the teacher.
template <const auto& kTable>
struct FamilyOf {
    static constexpr const auto& table = kTable;
    const char* name;
    const char* caption;
};

// Every family, once: the catalogue joins their tables in this order, and
// the teacher's window offers a button for each.
inline constexpr std::tuple kFamilyList{
    FamilyOf<kOrderingScreens>{"famigliaOrdinare", BRASTI_TEXT("brasti::TeacherWindow", "ordinare i brasti")},
    FamilyOf<kComparisonScreens>{"famigliaConfrontare", BRASTI_TEXT("brasti::TeacherWindow", "confrontare i brasti")},
    FamilyOf<kRodNumberScreens>{"famigliaNumeri", BRASTI_TEXT("brasti::TeacherWindow", "brasti e numeri")},
    FamilyOf<kComposingScreens>{"famigliaComporre", BRASTI_TEXT("brasti::TeacherWindow", "comporre con i brasti")},
    FamilyOf<kWrittenScreens>{"famigliaOperazioni", BRASTI_TEXT("brasti::TeacherWindow", "addizioni e sottrazioni")},
};

// A family, whatever its table's type.
struct Family {
    const char* name;
    const char* caption;
    bool (*holds)(int screen);
};
extern const std::array<Family, std::tuple_size_v<decltype(kFamilyList)>> kFamilies;

struct CatalogueEntry {
    int screen;          // FormN, opened by button Command(N + 1)
    const char* caption; // exactly as shown, blanks included
    MenuPlace menu;
    // Makes the screen from its row of its family's table.
    ExerciseScreen* (*open)(AppContext& context);
};

// Every family's screens, numbered 1 to kExerciseCount (common/exerciseentry.h;
// catalogue.cpp checks the tables against it). Screen n is at index n - 1.
extern const std::array<CatalogueEntry, kExerciseCount> kCatalogue;

// The screen a button opens, and the button of a screen: button K opens screen K - 1.
constexpr int screenOfButton(int button) { return button - 1; }
constexpr int buttonOfScreen(int screen) { return screen + 1; }

// A fresh, not yet loaded screen n (1 to kExerciseCount); nullptr for any other number.
ExerciseScreen* createExerciseScreen(int screen, AppContext& context);

} // namespace brasti
