// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/rodnumber/rodnumberscreen.h"

#include "common/board.h"
#include "common/colours.h"

namespace brasti {

RodNumberScreen::RodNumberScreen(const RodNumberEntry& entry, AppContext& context, const FrameLayout& layout,
                                 RodStance stance, QWidget* parent)
    : ExerciseScreen(context, entry.screen, entry.caption, layout, stance, parent), config_(entry.config)
{
    board()->setBackground(config_.layout.background);
    frame_ = new QWidget(board());
    frame_->setObjectName(QStringLiteral("frame"));
    board()->place(frame_, toQRect(config_.layout.frame));
    Board::setControlColour(frame_, kContainerGrey);
}

} // namespace brasti
