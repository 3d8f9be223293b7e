// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Where the comparison screens put things, in twips: upright rods standing
// in their boxes and in the tray, the grey container, the frame's column on
// the right, and each screen's boxes, signs and texts.
#include "common/colours.h"
#include "common/exercisescreen.h"
#include "common/tray.h"
#include "common/twips.h"
#include "exercises/comparison/comparisonmodel.h"

#include <array>

namespace brasti {

// What differs from screen to screen.
struct ComparisonLayout {
    Bgr background;      // designed, never drawn
    TwipsRect container; // the grey container that holds the rods and boxes
    int columnLeft;      // the frame's column: icons, counters, buttons, "avanti"
    int columnWidth;
    int avantiTop;
};

namespace comparison {

// Upright rods: a box is one unit wide and ten tall, and rod k stands on
// its bottom edge.
inline constexpr int kBoxHeight = 10 * kUnitTwips;

// The Top at which rod k stands on the bottom edge of a box whose Top is boxTop.
constexpr int standingTop(int boxTop, int rod)
{
    return boxTop + (10 - rod) * kUnitTwips;
}

// The tray of the screens that drag rods: every rod stands upright on the
// bottom line of a box at Top 200.
inline constexpr Tray kTray{Tray::Line::Row, 200, standingTop(200, 0), 400};

// The column: icons, counters and "avanti" one under the other, as on the
// ordering screens, the screen's own buttons between them.
inline constexpr int kColumnButtonHeight = 855;
inline constexpr double kColumnButtonPoints = 9.75;
inline constexpr int kRicominciaTop = 2640;
inline constexpr int kConfermaTop = 3600;

inline FrameLayout frameLayout(const ComparisonLayout& layout)
{
    constexpr int iconSide = 855;
    const int left = layout.columnLeft;
    const int width = layout.columnWidth;
    FrameLayout frame;
    frame.container = toQRect(layout.container);
    frame.icons = QRect(left + (width - iconSide) / 2, 240, iconSide, iconSide);
    frame.label1 = QRect(left, 1260, width, 255);
    frame.esatti = QRect(left, 1530, width, 255);
    frame.label2 = QRect(left, 1920, width, 255);
    frame.errati = QRect(left, 2190, width, 255);
    frame.avanti = QRect(left, layout.avantiTop, width, kColumnButtonHeight);
    frame.mostrami = QRect(left, layout.avantiTop + kColumnButtonHeight + 105, width, kColumnButtonHeight);
    return frame;
}

// Form6 and Form7: the row of three boxes, by RowBox, and the title under the container.
inline constexpr TwipsRect kRowContainer{0, 0, 7695, 4320};
inline constexpr int kRowBoxTop = 360;
inline constexpr std::array<int, 3> kRowBoxLefts = {5640, 6120, 6600};
inline constexpr TwipsRect kRowTitle{0, 4560, kRowContainer.width, 615};
inline constexpr double kRowTitlePoints = 14;

// Form8: the boxes either side of the sign, and the instruction under the container.
inline constexpr int kRelationBoxTop = 840;
inline constexpr int kRelationLeftBoxLeft = 5880;
inline constexpr int kRelationRightBoxLeft = 8040;
inline constexpr TwipsRect kRelationSign{6525, 1980, 1215, 1215}; // centred between the boxes
inline constexpr double kRelationSignPoints = 40;
inline constexpr TwipsRect kRelationInstruction{240, 5040, 8220, 735};
inline constexpr double kRelationInstructionPoints = 12;

// Form9: the two boxes, the sign between them, and the three sign buttons below.
inline constexpr int kSignBoxTop = 120;
inline constexpr int kSignLeftBoxLeft = 3120;
inline constexpr int kSignRightBoxLeft = 5880;
inline constexpr TwipsRect kShownSign{3705, 900, 1935, 1935};
inline constexpr double kShownSignPoints = 60;
inline constexpr double kSignButtonPoints = 36;

constexpr TwipsRect signButtonPlace(Relation sign)
{
    constexpr std::array<int, 3> lefts = {1560, 3840, 6240}; // by Relation: ">", "<", "="
    return {lefts[static_cast<std::size_t>(sign)], 3960, 1455, 1215};
}

} // namespace comparison
} // namespace brasti
