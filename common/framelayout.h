// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Where a screen puts the frame's controls, in twips.
#include "common/twips.h"

#include <QRect>
#include <QSize>

namespace brasti {

constexpr QRect toQRect(const TwipsRect& r)
{
    return QRect(r.left, r.top, r.width, r.height);
}

struct FrameLayout {
    QSize client{10020, 7155};
    // The grey container that holds the screen's own controls and its rods;
    // none where empty.
    QRect container;
    QRect avanti{8400, 5400, 1425, 855};
    QRect label1{8160, 1320, 975, 255};
    QRect esatti{8160, 1620, 975, 255};
    QRect label2{8160, 2040, 975, 255};
    QRect errati{8160, 2340, 975, 255};
    QRect icons{8220, 240, 855, 855};
    // "mostrami", shown after a wrong try when the teacher asked for it.
    QRect mostrami{8400, 2880, 1425, 855};
    double counterFontPoints = 9.75;
};

} // namespace brasti
