// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Where the composing screens put the frame's controls: the grey container
// fills the top of the window, so the icons, the counters and "avanti" share
// one row beneath it.
#include "common/board.h"
#include "common/exercisescreen.h"
#include "exercises/composing/composingmodel.h"

#include <QRect>

namespace brasti {

inline FrameLayout composingFrameLayout(const TwipsRect& frame)
{
    FrameLayout layout;
    const int below = frame.top + frame.height;
    // The row of the icons and "avanti", centred in the band under the container.
    const int top = below + (layout.client.height() - below - 855) / 2;
    layout.icons = QRect(frame.left + 240, top, 855, 855);
    layout.label1 = QRect(frame.left + 1440, top + 60, 975, 255);
    layout.esatti = QRect(frame.left + 1440, top + 360, 975, 255);
    layout.label2 = QRect(frame.left + 2640, top + 60, 975, 255);
    layout.errati = QRect(frame.left + 2640, top + 360, 975, 255);
    // "avanti" flush with the container's right edge.
    layout.avanti = QRect(frame.left + frame.width - 1425, top, 1425, 855);
    return layout;
}

} // namespace brasti
