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

// Every screen from 1 to kExerciseCount is in exactly one family's
// table, once, so the catalogue has no gap and no screen twice. (That
// each row has its factory is a test's business: sanitized builds cannot
// compare a function's address at compile time.)
static_assert([] {
    std::array<int, kExerciseCount> rows{};
    for (const CatalogueEntry& row : kRows) {
        if (row.screen < 1 || row.screen > kExerciseCount)
            return false;
        ++rows[static_cast<std::size_t>(row.screen - 1)];
    }
    return std::all_of(rows.begin(), rows.end(), [](int count) { return count == 1; });
}());

// Each button has a place of its own in the menu's grid.
static_assert([] {
    std::array<std::array<bool, kMenuRows>, kMenuColumns> taken{};
    for (const CatalogueEntry& row : kRows) {
        const MenuPlace& place = row.menu;
        if (place.column < 1 || place.column > kMenuColumns || place.row < 1 || place.row > kMenuRows)
            return false;
        bool& here = taken[static_cast<std::size_t>(place.column - 1)][static_cast<std::size_t>(place.row - 1)];
        if (here)
            return false;
        here = true;
    }
    return true;
}());

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
