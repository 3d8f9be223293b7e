// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Where the ordering screens put things, in twips: the grey container with
// the column of slots and the rods' start places, the instruction under it,
// and the column of buttons, counters and icons on the right.
#include "common/exercisescreen.h"
#include "common/twips.h"

#include <array>
#include <cstddef>

namespace brasti {

// What differs from screen to screen: more slots sit closer together.
struct OrderingLayout {
    int firstSlotTop; // slot 1's Top, inside the container
    int slotStep;     // from one slot's Top to the next one's
    int iconWidth;    // the verdict icons
};

namespace ordering {

inline constexpr TwipsRect kContainer{0, 0, 7695, 5295};

// The slots share one Left and take a rod of 10; every rod starts at one Left.
inline constexpr int kSlotLeft = 3960;
inline constexpr int kRodStartLeft = 350;

constexpr TwipsRect slotPlace(const OrderingLayout& layout, int slot)
{
    return {kSlotLeft, layout.firstSlotTop + layout.slotStep * (slot - 1), 10 * kUnitTwips, kUnitTwips};
}

// The drawn rods start at these Tops in draw order: the first four a step
// of 700 apart, the fifth to seventh above and below them.
inline constexpr std::array<int, 7> kDrawnStartTops = {1800, 2500, 3200, 3900, 1200, 500, 4600};

// The Top of start place p (0-based); with all rods in play they lie at
// Tops 200, 600, ..., 3800.
constexpr int startTop(bool allRods, std::size_t place)
{
    return allRods ? 200 + 400 * static_cast<int>(place) : kDrawnStartTops[place];
}

inline constexpr TwipsRect kInstruction{720, 5280, 5655, 735};
inline constexpr double kInstructionPoints = 12;

// The column right of the container: the icons and counters above "Ricomincia",
// "Conferma" and "avanti".
inline constexpr int kColumnLeft = 7800;
inline constexpr int kButtonWidth = 1425;
inline constexpr int kButtonHeight = 855;
inline constexpr TwipsRect kRicomincia{kColumnLeft, 2640, kButtonWidth, kButtonHeight};
inline constexpr TwipsRect kConferma{kColumnLeft, 3600, kButtonWidth, kButtonHeight};
inline constexpr double kButtonPoints = 9.75;

inline FrameLayout frameLayout(const OrderingLayout& layout)
{
    FrameLayout frame;
    frame.container = toQRect(kContainer);
    frame.avanti = QRect(kColumnLeft, 4560, kButtonWidth, kButtonHeight);
    frame.icons = QRect(kColumnLeft + (kButtonWidth - layout.iconWidth) / 2, 240, layout.iconWidth, 855);
    frame.label1 = QRect(kColumnLeft, 1260, kButtonWidth, 255);
    frame.esatti = QRect(kColumnLeft, 1530, kButtonWidth, 255);
    frame.label2 = QRect(kColumnLeft, 1920, kButtonWidth, 255);
    frame.errati = QRect(kColumnLeft, 2190, kButtonWidth, 255);
    // Under "avanti", the last of the column's buttons.
    frame.mostrami = QRect(kColumnLeft, 4560 + kButtonHeight + 105, kButtonWidth, kButtonHeight);
    return frame;
}

} // namespace ordering
} // namespace brasti
