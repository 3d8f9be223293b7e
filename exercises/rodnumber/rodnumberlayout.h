// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Where the rod-and-number screens put things, in twips: the grey container
// at the board's top left, so that its places are the board's places, and
// in it the rod and its ten number buttons (Form10), the row of upright rods
// and the number (Form11), or the tray, the box and the list (Form19).
#include "common/colours.h"
#include "common/exercisescreen.h"
#include "common/tray.h"
#include "common/twips.h"

#include <array>
#include <cstddef>

namespace brasti {

// What differs from screen to screen.
struct RodNumberLayout {
    Bgr background;  // designed, never drawn
    TwipsRect frame; // the grey container
};

namespace rodnumber {

inline constexpr TwipsRect kFrame{0, 0, 7695, 5295};

// Form10: every rod at one place, the buttons 1 to 5 and 6 to 10 in two rows below.
inline constexpr int kShownRodLeft = 2160;
inline constexpr int kShownRodTop = 840;
inline constexpr double kNumberButtonPoints = 13.5;

constexpr TwipsRect numberButtonPlace(int k)
{
    constexpr std::array<int, 5> lefts = {240, 1320, 2400, 3480, 4560};
    constexpr std::array<int, 2> tops = {2280, 3360};
    constexpr int side = 735;
    return {lefts[static_cast<std::size_t>((k - 1) % 5)], tops[static_cast<std::size_t>((k - 1) / 5)], side, side};
}

// Form11: the rods stand upright on one bottom line, the number under them.
inline constexpr Tray kUprightTray{Tray::Line::Row, 500, 3700, 700};
inline constexpr TwipsRect kNumberLabel{1560, 4320, 3855, 615};
inline constexpr double kNumberLabelPoints = 18;

// Form19: the column tray of common/tray.h; under it the words and
// the box, twenty units long as designed; the list in the column on the right.
inline constexpr TwipsRect kTensFrame{0, 0, 7350, 5400};
inline constexpr TwipsRect kTensBox{240, 4800, 20 * kUnitTwips, kUnitTwips};
inline constexpr TwipsRect kTensLabel{1080, 4320, 5655, 375};
inline constexpr double kTensLabelPoints = 12;
inline constexpr TwipsRect kTensList{7440, 120, 1815, 4335};

// The list takes the right-hand column, so the frame's controls go below it.
inline FrameLayout tensFrameLayout()
{
    FrameLayout frame;
    frame.icons = QRect(7560, 4680, 855, 855);
    frame.label1 = QRect(8640, 4620, 975, 255);
    frame.esatti = QRect(8640, 4890, 975, 255);
    frame.label2 = QRect(8640, 5220, 975, 255);
    frame.errati = QRect(8640, 5490, 975, 255);
    frame.avanti = QRect(8280, 5940, 1425, 855);
    // Under the container, beside the icons.
    frame.mostrami = QRect(6000, 5640, 1425, 855);
    return frame;
}

} // namespace rodnumber
} // namespace brasti
