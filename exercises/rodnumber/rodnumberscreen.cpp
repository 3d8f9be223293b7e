// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/rodnumber/rodnumberscreen.h"

#include "common/board.h"

namespace brasti {
namespace {

// The grey container lies at the board's top left, so its places are the board's places.
FrameLayout inContainer(FrameLayout layout, const RodNumberLayout& screen)
{
    layout.container = toQRect(screen.frame);
    return layout;
}

} // namespace

RodNumberScreen::RodNumberScreen(const RodNumberEntry& entry, AppContext& context, const FrameLayout& layout,
                                 RodStance stance, QWidget* parent)
    : ExerciseScreen(context, entry.screen, entry.caption, inContainer(layout, entry.config.layout), stance, parent), config_(entry.config)
{
    board()->setBackground(config_.layout.background);
}

} // namespace brasti
