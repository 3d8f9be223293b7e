// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// One row of a family's table of screens: everything the menu shows of a
// screen and everything the family needs to make it. Each family keeps its
// table in exercises/<family>/<family>.h; app/catalogue.cpp joins them.
#include <algorithm>
#include <array>
#include <cstddef>

namespace brasti {

class ExerciseScreen;
struct AppContext;

// The menu's grid of buttons: kMenuColumns columns of kMenuRows.
inline constexpr int kMenuColumns = 4;
inline constexpr int kMenuRows = 7;

// How many exercises the families' tables hold together, screens 1 to
// kExerciseCount: the settings, the running program's choices and the menu
// are sized by it, and app/catalogue.cpp checks it against the tables.
inline constexpr int kExerciseCount = 27;
static_assert(kExerciseCount <= kMenuColumns * kMenuRows, "every exercise needs a cell of the menu's grid");

// A button of the menu: column 1 (left) to kMenuColumns, row 1 (top) to
// kMenuRows, its font in points.
struct MenuPlace {
    int column;
    int row;
    double fontPoints;
};

// Config is the family's own: the part its model decides by and the part
// its layout places by.
template <typename Config>
struct ExerciseEntry {
    int screen;          // FormN, opened by the menu's button Command(N + 1)
    const char* caption; // marked with BRASTI_TEXT: menu button, window title, title on the screen
    MenuPlace menu;
    // A fresh, not yet loaded screen made from this very row.
    ExerciseScreen* (*factory)(const ExerciseEntry& entry, AppContext& context);
    Config config;
};

// Whether a family's table has a row for screen n.
template <typename Config, std::size_t N>
constexpr bool holdsScreen(const std::array<ExerciseEntry<Config>, N>& table, int screen)
{
    return std::any_of(table.begin(), table.end(), [screen](const auto& entry) { return entry.screen == screen; });
}

} // namespace brasti
