// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// A place on a screen as it was designed, in twips (15 to a pixel at the
// designed size). Free of Qt, so the families' layout tables are constants;
// the board turns it into a QRect where it places a control.
namespace brasti {

// One unit of a rod: rod k is k units long and one unit thick.
inline constexpr int kUnitTwips = 350;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    // The same place stretched or shrunk to another width: bars and strips
    // follow the problem's numbers.
    constexpr TwipsRect withWidth(int newWidth) const { return {left, top, newWidth, height}; }
    friend constexpr bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

} // namespace brasti
