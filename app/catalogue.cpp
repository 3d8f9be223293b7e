// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/catalogue.h"

#include <algorithm>
#include <type_traits>
#include <utility>

namespace brasti {
namespace {

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

constexpr auto kRows = std::apply(
    [](const auto&... family) { return join(catalogueRows<std::remove_cvref_t<decltype(family)>::table>()...); },
    kFamilyList);

template <const auto& kTable>
bool holdsRowOf(int screen)
{
    return holdsScreen(kTable, screen);
}

static_assert(kRows.size() == kExerciseCount,
              "the families' tables must hold kExerciseCount rows together: a new row raises "
              "kExerciseCount in common/exerciseentry.h");

// Every screen from 1 to kExerciseCount is in exactly one family's table,
// once, so the catalogue has no gap and no screen twice; and each button
// has a cell of its own in the menu's grid. Each check finds the first
// screen that breaks it (0 for none) and names it: the compiler shows the
// template's argument with the failed assertion. (That each row has its
// factory is a test's business: sanitized builds cannot compare a
// function's address at compile time.)
enum class Rule { InTheCount, Once, Present, InTheGrid, OwnCell };

constexpr int screenBreaking(Rule rule)
{
    std::array<int, kExerciseCount> rows{};
    std::array<std::array<int, kMenuRows>, kMenuColumns> cells{};
    for (const CatalogueEntry& row : kRows) {
        const MenuPlace& place = row.menu;
        const bool inCount = row.screen >= 1 && row.screen <= kExerciseCount;
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
        for (int n = 1; n <= kExerciseCount; ++n)
            if (std::none_of(kRows.begin(), kRows.end(), [n](const CatalogueEntry& row) { return row.screen == n; }))
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
template struct ScreenNumberOutsideTheCount<screenBreaking(Rule::InTheCount)>;
template struct ScreenInTwoRows<screenBreaking(Rule::Once)>;
template struct ScreenWithoutARow<screenBreaking(Rule::Present)>;
template struct ScreenOutsideTheMenuGrid<screenBreaking(Rule::InTheGrid)>;
template struct ScreenInATakenMenuCell<screenBreaking(Rule::OwnCell)>;

constexpr std::array<CatalogueEntry, kExerciseCount> byScreen(const decltype(kRows)& rows)
{
    std::array<CatalogueEntry, kExerciseCount> catalogue{};
    for (const CatalogueEntry& row : rows)
        catalogue[static_cast<std::size_t>(row.screen - 1)] = row;
    return catalogue;
}

} // namespace

constexpr std::array<CatalogueEntry, kExerciseCount> kCatalogue = byScreen(kRows);

constexpr std::array<Family, std::tuple_size_v<decltype(kFamilyList)>> kFamilies = std::apply(
    [](const auto&... family) {
        return std::array{Family{family.name, family.caption,
                                 &holdsRowOf<std::remove_cvref_t<decltype(family)>::table>}...};
    },
    kFamilyList);

ExerciseScreen* createExerciseScreen(int screen, AppContext& context)
{
    if (screen < 1 || screen > kExerciseCount)
        return nullptr;
    return kCatalogue[static_cast<std::size_t>(screen - 1)].open(context);
}

} // namespace brasti
