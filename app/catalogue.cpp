// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/catalogue.h"

#include <type_traits>

namespace brasti {
namespace {

template <const auto& kTable>
bool holdsRowOf(int screen)
{
    return holdsScreen(kTable, screen);
}

} // namespace

// The program's own join: here alone the tables are checked against kExerciseCount.
constexpr std::array<CatalogueEntry, kExerciseCount> kCatalogue = catalogueOf<kExerciseCount, kFamilyList>();

constexpr std::array<Family, std::tuple_size_v<decltype(kFamilyList)>> kFamilies = std::apply(
    [](const auto&... family) {
        return std::array{Family{family.name, family.caption,
                                 &holdsRowOf<std::remove_cvref_t<decltype(family)>::table>}...};
    },
    kFamilyList);

ExerciseScreen* createExerciseScreen(int screen, AppContext& context)
{
    const CatalogueEntry* row = catalogueRow(kCatalogue, screen);
    return row ? row->open(context) : nullptr;
}

} // namespace brasti
