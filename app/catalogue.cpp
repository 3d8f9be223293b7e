// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/catalogue.h"

#include "common/texts.h"
#include "exercises/comparison/comparisonscreen.h"
#include "exercises/composing/composing.h"
#include "exercises/ordering/orderingscreen.h"
#include "exercises/rodnumber/rodnumberscreen.h"
#include "exercises/written/writtenscreen.h"

namespace brasti {

constexpr std::array<CatalogueEntry, kExerciseCount> kCatalogue = {{
    {2, BRASTI_TEXT("brasti::Exercises", "ordina 3 brasti"), 1, 1, 12, createOrderingScreen},
    {3, BRASTI_TEXT("brasti::Exercises", "ordina 4 brasti"), 1, 2, 12, createOrderingScreen},
    {4, BRASTI_TEXT("brasti::Exercises", "ordina 5 brasti"), 1, 3, 12, createOrderingScreen},
    {5, BRASTI_TEXT("brasti::Exercises", "ordina 7 brasti"), 1, 4, 12, createOrderingScreen},
    {6, BRASTI_TEXT("brasti::Exercises", "ordina tutti i brasti"), 1, 5, 12, createOrderingScreen},
    {7, BRASTI_TEXT("brasti::Exercises", "trova il brasto in mezzo"), 1, 6, 12, createComparisonScreen},
    {8, BRASTI_TEXT("brasti::Exercises", "trova i brasti vicini"), 1, 7, 12, createComparisonScreen},
    {9, BRASTI_TEXT("brasti::Exercises", "trova il   > < ="), 2, 1, 12, createComparisonScreen},
    {10, BRASTI_TEXT("brasti::Exercises", "inserisci   > < ="), 2, 2, 12, createComparisonScreen},
    {11, BRASTI_TEXT("brasti::Exercises", "dal brasto al numero"), 3, 1, 11.25, createRodNumberScreen},
    {12, BRASTI_TEXT("brasti::Exercises", "dal numero al brasto"), 3, 2, 11.25, createRodNumberScreen},
    {13, BRASTI_TEXT("brasti::Exercises", "componi il 10"), 2, 3, 11.25, createComposingScreen},
    {14, BRASTI_TEXT("brasti::Exercises", "trova la somma"), 2, 5, 11.25, createComposingScreen},
    {15, BRASTI_TEXT("brasti::Exercises", "trova la differenza"), 2, 6, 11.25, createComposingScreen},
    {16, BRASTI_TEXT("brasti::Exercises", "somma - differenza"), 2, 7, 11.25, createComposingScreen},
    {17, BRASTI_TEXT("brasti::Exercises", "scrivi l'addizione (entro il 10)"), 3, 7, 9.75, createWrittenScreen},
    {18, BRASTI_TEXT("brasti::Exercises", "componi il brasto"), 2, 4, 11.25, createComposingScreen},
    {19, BRASTI_TEXT("brasti::Exercises", "scrivi la sottrazione (entro il 10)"), 4, 2, 9.75, createWrittenScreen},
    {20, BRASTI_TEXT("brasti::Exercises", "numeri fino al 20 (utilizzando sempre il 10)"),
         3, 3, 9, createRodNumberScreen},
    {21, BRASTI_TEXT("brasti::Exercises", "componi i numeri fino al 20"), 3, 4, 9, createComposingScreen},
    {22, BRASTI_TEXT("brasti::Exercises", "addizioni entro il 10"), 3, 6, 9, createWrittenScreen},
    {23, BRASTI_TEXT("brasti::Exercises", "addizioni entro il 20"), 4, 3, 9, createWrittenScreen},
    {24, BRASTI_TEXT("brasti::Exercises", "sottrazioni entro il 10"), 4, 1, 9, createWrittenScreen},
    {25, BRASTI_TEXT("brasti::Exercises", "scrivi l'addizione (entro il 20)"), 4, 4, 9.75, createWrittenScreen},
    {26, BRASTI_TEXT("brasti::Exercises", "sottrazioni entro il 20"), 4, 5, 9, createWrittenScreen},
    {27, BRASTI_TEXT("brasti::Exercises", "scrivi la sottrazione (entro il 20)"), 4, 6, 9.75, createWrittenScreen},
    {28, BRASTI_TEXT("brasti::Exercises", "componi il 20"), 3, 5, 9, createComposingScreen},
}};

// Every button opens a screen of its own: buttons 2 to 28, each once. (That
// each row has its factory is a test's business: sanitized builds cannot
// compare a function's address at compile time.)
static_assert([] {
    std::array<bool, kExerciseCount> seen{};
    for (const CatalogueEntry& entry : kCatalogue) {
        const int screen = screenOfButton(entry.button);
        if (screen < 1 || screen > kExerciseCount || seen[static_cast<std::size_t>(screen - 1)])
            return false;
        seen[static_cast<std::size_t>(screen - 1)] = true;
    }
    return true;
}());

namespace {

const CatalogueEntry* entryOfScreen(int screen)
{
    for (const CatalogueEntry& entry : kCatalogue)
        if (screenOfButton(entry.button) == screen)
            return &entry;
    return nullptr;
}

} // namespace

ExerciseScreen* createExerciseScreen(int screen, AppContext& context)
{
    const CatalogueEntry* entry = entryOfScreen(screen);
    return entry && entry->factory ? entry->factory(screen, context) : nullptr;
}

} // namespace brasti
