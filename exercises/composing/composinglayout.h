// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Where the composing screens put things, in twips: the grey container fills
// the top of the window, the tray is the column of common/tray.h inside it, and
// the icons, the counters and "avanti" share one row beneath it.
#include "common/exercisescreen.h"
#include "common/twips.h"
#include "exercises/composing/composingmodel.h"

#include <optional>

namespace brasti {

// What differs between the single-rod screens: how their strips look.
struct SingleRodLayout {
    bool tenBar;     // the upper strip is the orange ten bar
    bool lowerArray; // the lower strip is element 0 of a control array (Picture2_0)
};

// What differs between the composition screens.
struct CompositionLayout {
    TwipsRect frame;                    // the grey container, on the screen
    TwipsRect targetBar;                // Picture1: the target rod, or the ten bar
    std::optional<TwipsRect> unitsBar;  // Picture3: the target's units (a second ten bar on 27)
    TwipsRect row;                      // Picture2, the row to fill (designed width)
    TwipsRect list;                     // List1
    int menuBlanks;                     // blanks after "Operazioni scritte"
};

namespace composing {

// ---------------------------------------------------------------------------
// Single-rod screens: two strips one above the other, as long as the
// problem's whole, the given rods lying on them.

inline constexpr TwipsRect kSingleRodFrame{120, 120, 9375, 5295};
inline constexpr TwipsRect kSingleRodList{7680, 480, 1575, 4335};
inline constexpr int kStripLeft = 4080;
inline constexpr int kUpperTop = 3960;
inline constexpr int kLowerTop = 4440;
inline constexpr int kGivenRodHeight = 375;

constexpr int stripTop(Strip strip)
{
    return strip == Strip::Upper ? kUpperTop : kLowerTop;
}

// Picture1 and Picture2, ten units long as designed and at this problem's width.
constexpr TwipsRect designedStrip(Strip strip)
{
    return {kStripLeft, stripTop(strip), 10 * kUnitTwips, kUnitTwips};
}
constexpr TwipsRect stripPlace(Strip strip, const SingleRodProblem& problem)
{
    return designedStrip(strip).withWidth(problem.whole() * kUnitTwips);
}

// A given rod's display: as long as its rod, a little taller than a rod.
inline constexpr TwipsRect kDesignedGivenRod{kStripLeft, kLowerTop, 375, kGivenRodHeight};
constexpr TwipsRect givenRodPlace(const GivenRod& given)
{
    return {kStripLeft + given.atUnits * kUnitTwips, stripTop(given.strip), given.rod * kUnitTwips, kGivenRodHeight};
}

// Where a right rod snaps: at the strip's right end, filling the gap beside the given rod.
constexpr TwipsRect snapPlace(Strip strip, const SingleRodProblem& problem, int rod)
{
    const TwipsRect s = stripPlace(strip, problem);
    const int width = rod * kUnitTwips;
    return {s.left + s.width - width, s.top, width, kUnitTwips};
}

// ---------------------------------------------------------------------------
// Composition screens: the target above the row the child fills.

inline constexpr TwipsRect kCompositionFrame{120, 120, 9735, 5295};
inline constexpr TwipsRect kTenBar{240, 4440, 3500, 350};
inline constexpr TwipsRect kUnitsBar{3720, 4440, 3500, 350};
inline constexpr TwipsRect kLongRow{240, 4800, 8415, 350};

// ---------------------------------------------------------------------------

inline FrameLayout frameLayout(const TwipsRect& frame)
{
    FrameLayout layout;
    layout.container = toQRect(frame);
    const int below = frame.top + frame.height;
    // The row of the icons and "avanti", centred in the band under the container.
    const int top = below + (layout.client.height() - below - 855) / 2;
    layout.icons = QRect(frame.left + 240, top, 855, 855);
    layout.label1 = QRect(frame.left + 1440, top + 60, 975, 255);
    layout.esatti = QRect(frame.left + 1440, top + 360, 975, 255);
    layout.label2 = QRect(frame.left + 2640, top + 60, 975, 255);
    layout.errati = QRect(frame.left + 2640, top + 360, 975, 255);
    layout.mostrami = QRect(frame.left + 3840, top, 1425, 855);
    // "avanti" flush with the container's right edge.
    layout.avanti = QRect(frame.left + frame.width - 1425, top, 1425, 855);
    return layout;
}

} // namespace composing
} // namespace brasti
