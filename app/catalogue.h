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

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

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
    // The same row: its screen, caption, place and factory. Captions are
    // compared as text: the same literal may lie at two addresses.
    friend constexpr bool operator==(const CatalogueEntry& a, const CatalogueEntry& b)
    {
        const auto row = [](const CatalogueEntry& e) {
            return std::tuple(e.screen, std::string_view(e.caption), e.menu.column, e.menu.row, e.menu.fontPoints,
                              e.open);
        };
        return row(a) == row(b);
    }
};

namespace catalogue_detail {

// Row I of a family's table, made by the row's own factory.
template <const auto& kTable, std::size_t I>
ExerciseScreen* openRow(AppContext& context)
{
    return kTable[I].factory(kTable[I], context);
}

template <const auto& kTable>
constexpr auto catalogueRows()
{
    return []<std::size_t... I>(std::index_sequence<I...>) {
        return std::array<CatalogueEntry, sizeof...(I)>{
            {{kTable[I].screen, kTable[I].caption, kTable[I].menu, &openRow<kTable, I>}...}};
    }(std::make_index_sequence<kTable.size()>());
}

template <std::size_t... N>
constexpr auto join(const std::array<CatalogueEntry, N>&... lists)
{
    std::array<CatalogueEntry, (N + ...)> all{};
    auto next = all.begin();
    ((next = std::copy(lists.begin(), lists.end(), next)), ...);
    return all;
}

// Every screen from 1 to kCount is in exactly one family's table, once, so
// the catalogue has no gap and no screen twice; and each button has a cell
// of its own in the menu's grid. Each check finds the first screen that
// breaks it (0 for none) and names it: the compiler shows the template's
// argument with the failed assertion. (That each row has its factory is a
// test's business: sanitized builds cannot compare a function's address at
// compile time.)
enum class Rule { InTheCount, Once, Present, InTheGrid, OwnCell };

template <int kCount, std::size_t N>
constexpr int screenBreaking(Rule rule, const std::array<CatalogueEntry, N>& joined)
{
    std::array<int, kCount> rows{};
    std::array<std::array<int, kMenuRows>, kMenuColumns> cells{};
    for (const CatalogueEntry& row : joined) {
        const MenuPlace& place = row.menu;
        const bool inCount = row.screen >= 1 && row.screen <= kCount;
        const bool inGrid =
            place.column >= 1 && place.column <= kMenuColumns && place.row >= 1 && place.row <= kMenuRows;
        if (rule == Rule::InTheCount && !inCount)
            return row.screen == 0 ? -1 : row.screen;
        if (rule == Rule::Once && inCount && ++rows[static_cast<std::size_t>(row.screen - 1)] > 1)
            return row.screen;
        if (rule == Rule::InTheGrid && !inGrid)
            return row.screen;
        if (rule == Rule::OwnCell && inGrid
            && ++cells[static_cast<std::size_t>(place.column - 1)][static_cast<std::size_t>(place.row - 1)] > 1)
            return row.screen;
    }
    if (rule == Rule::Present)
        for (int n = 1; n <= kCount; ++n)
            if (std::none_of(joined.begin(), joined.end(), [n](const CatalogueEntry& row) { return row.screen == n; }))
                return n;
    return 0;
}

template <int kScreen>
struct ScreenNumberOutsideTheCount {
    static_assert(kScreen == 0, "a family's table numbers this screen below 1 or beyond kExerciseCount");
};
template <int kScreen>
struct ScreenInTwoRows {
    static_assert(kScreen == 0, "this screen has two rows in the families' tables");
};
template <int kScreen>
struct ScreenWithoutARow {
    static_assert(kScreen == 0, "this screen has no row in the families' tables");
};
template <int kScreen>
struct ScreenOutsideTheMenuGrid {
    static_assert(kScreen == 0, "this screen's menu place lies outside kMenuColumns x kMenuRows");
};
template <int kScreen>
struct ScreenInATakenMenuCell {
    static_assert(kScreen == 0, "this screen's menu place is another screen's");
};

} // namespace catalogue_detail

// The catalogue of kCount screens joined from the tables of kFamilies (a
// tuple of FamilyOf, as kFamilyList), screen n at index n - 1; it does not
// compile unless the tables hold screens 1 to kCount as the rules above say.
// A template, so that a catalogue with a screen more can be built and tried.
template <int kCount, const auto& kFamilies>
constexpr std::array<CatalogueEntry, kCount> catalogueOf()
{
    using namespace catalogue_detail;
    constexpr auto rows = std::apply(
        [](const auto&... family) { return join(catalogueRows<std::remove_cvref_t<decltype(family)>::table>()...); },
        kFamilies);
    static_assert(rows.size() == kCount,
                  "the families' tables must hold kExerciseCount rows together: a new row raises "
                  "kExerciseCount in common/exerciseentry.h");
    (void)ScreenNumberOutsideTheCount<screenBreaking<kCount>(Rule::InTheCount, rows)>{};
    (void)ScreenInTwoRows<screenBreaking<kCount>(Rule::Once, rows)>{};
    (void)ScreenWithoutARow<screenBreaking<kCount>(Rule::Present, rows)>{};
    (void)ScreenOutsideTheMenuGrid<screenBreaking<kCount>(Rule::InTheGrid, rows)>{};
    (void)ScreenInATakenMenuCell<screenBreaking<kCount>(Rule::OwnCell, rows)>{};

    std::array<CatalogueEntry, kCount> catalogue{};
    for (const CatalogueEntry& row : rows)
        if (row.screen >= 1 && row.screen <= kCount)
            catalogue[static_cast<std::size_t>(row.screen - 1)] = row;
    return catalogue;
}

// Screen n's row of a catalogue; nullptr for a number outside it.
template <std::size_t N>
constexpr const CatalogueEntry* catalogueRow(const std::array<CatalogueEntry, N>& catalogue, int screen)
{
    return screen >= 1 && static_cast<std::size_t>(screen) <= N ? &catalogue[static_cast<std::size_t>(screen - 1)]
                                                                  : nullptr;
}

// Every family's screens, numbered 1 to kExerciseCount (common/exerciseentry.h):
// catalogueOf<kExerciseCount, kFamilyList>(), instantiated once, in catalogue.cpp.
extern const std::array<CatalogueEntry, kExerciseCount> kCatalogue;

// The screen a button opens, and the button of a screen: button K opens screen K - 1.
constexpr int screenOfButton(int button) { return button - 1; }
constexpr int buttonOfScreen(int screen) { return screen + 1; }

// A fresh, not yet loaded screen n (1 to kExerciseCount); nullptr for any other number.
ExerciseScreen* createExerciseScreen(int screen, AppContext& context);

} // namespace brasti
