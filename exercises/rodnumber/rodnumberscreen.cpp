// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/rodnumber/rodnumberscreen.h"

#include "common/board.h"
#include "common/colours.h"
#include "exercises/rodnumber/numbertorodscreen.h"
#include "exercises/rodnumber/numberswithtenscreen.h"
#include "exercises/rodnumber/rodtonumberscreen.h"

#include <cassert>

namespace brasti {
namespace {

const RodNumberConfig& configOf(int screen)
{
    const RodNumberConfig* config = rodNumberConfig(screen);
    assert(config);
    return config ? *config : *rodNumberConfig(10);
}

} // namespace

RodNumberScreen::RodNumberScreen(int screen, AppContext& context, const FrameLayout& layout, RodStance stance,
                                 QSize frameTwips, QWidget* parent)
    : ExerciseScreen(context, exerciseCaption(configOf(screen).caption), layout, stance, parent),
      config_(configOf(screen))
{
    setObjectName(QStringLiteral("Form%1").arg(config_.screen));
    board()->setBackground(config_.background);
    frame_ = new QWidget(board());
    frame_->setObjectName(QStringLiteral("frame"));
    board()->place(frame_, QRect(QPoint(0, 0), frameTwips));
    Board::setControlColour(frame_, kContainerGrey);
}

bool isRodNumberScreen(int screen)
{
    return rodNumberConfig(screen) != nullptr;
}

ExerciseScreen* createRodNumberScreen(int screen, AppContext& context)
{
    switch (screen) {
    case 10:
        return new RodToNumberScreen(context);
    case 11:
        return new NumberToRodScreen(context);
    case 19:
        return new NumbersWithTenScreen(context);
    default:
        return nullptr;
    }
}

} // namespace brasti
