// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Where the written-arithmetic screens put things, in twips: the container
// with the tray, the two bars, the printed operation and the answer box,
// and the row of counters, icons and "avanti" under it.
#include "common/exercisescreen.h"
#include "common/twips.h"
#include "exercises/written/writtenmodel.h"

#include <algorithm>

namespace brasti {

// What differs from screen to screen.
struct WrittenLayout {
    int clientWidth, clientHeight;
    TwipsRect frame;  // the container, on the window
    int barLeft;      // the bars' common Left, inside the container
    TwipsRect label3; // the printed operation; zero width on screens without one
    TwipsRect text1;  // the answer box
    double text1Points;
};

namespace written {

// The containers, the printed operations and the answer boxes of the
// result screens, within 10 and within 20.
inline constexpr TwipsRect kFrame10{120, 120, 9375, 5295};
inline constexpr TwipsRect kFrame20{120, 120, 9375, 6135};
inline constexpr TwipsRect kNoLabel{0, 0, 0, 0};
inline constexpr TwipsRect kLabel10{3960, 4080, 3375, 975};
inline constexpr TwipsRect kResultBox10{7320, 4080, 1455, 975};
inline constexpr TwipsRect kLabel20{4320, 1080, 3375, 975};
inline constexpr TwipsRect kResultBox20{7680, 1080, 1455, 975};
inline constexpr double kLabel3Points = 24;

// The bars' Tops inside the container: the upper one and the lower one.
inline int upperBarTop(WrittenBoard board)
{
    return isWithinTwenty(board) ? 5040 : 2520;
}
inline int lowerBarTop(WrittenBoard board)
{
    return upperBarTop(board) + 600;
}

// The given rods' copies: as long as their rods, a little taller.
inline constexpr int kCopyHeight = 375;

// The counters, the icons and "avanti" in one row under the container.
inline FrameLayout frameLayout(const WrittenLayout& screen)
{
    FrameLayout layout;
    layout.client = QSize(screen.clientWidth, screen.clientHeight);
    layout.container = toQRect(screen.frame);
    const int top = screen.frame.top + screen.frame.height + 60;
    const int height = std::min(855, screen.clientHeight - top - 60);
    layout.icons = QRect(360, top, height, height);
    layout.label1 = QRect(1560, top, 975, 255);
    layout.esatti = QRect(1560, top + 300, 975, 255);
    layout.label2 = QRect(2760, top, 975, 255);
    layout.errati = QRect(2760, top + 300, 975, 255);
    layout.mostrami = QRect(3960, top, 1425, height);
    layout.avanti = QRect(screen.frame.left + screen.frame.width - 1425, top, 1425, height);
    return layout;
}

} // namespace written
} // namespace brasti
