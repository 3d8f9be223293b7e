// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/composing/composing.h"

#include "exercises/composing/compositionscreen.h"
#include "exercises/composing/singlerodscreen.h"

namespace brasti {

bool isComposingScreen(int screen)
{
    return isSingleRodScreen(screen) || isCompositionScreen(screen);
}

ExerciseScreen* createComposingScreen(int screen, AppContext& context)
{
    if (isSingleRodScreen(screen))
        return new SingleRodScreen(screen, context);
    if (isCompositionScreen(screen))
        return new CompositionScreen(screen, context);
    return nullptr;
}

} // namespace brasti
