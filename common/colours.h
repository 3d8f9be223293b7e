// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Colours as the designers wrote them: 0x00BBGGRR, blue in the high byte.
#include <array>
#include <cstdint>

namespace brasti {

class RandomSource;

using Bgr = std::uint32_t;

// Stands for the system's button-face colour.
inline constexpr Bgr kButtonFace = 0x8000000F;
// The grey of the containers that hold the rods.
inline constexpr Bgr kContainerGrey = 0xE0E0E0;

using ColourTable = std::array<Bgr, 18>;

// The backgrounds of the start screen and the menu.
extern const ColourTable kStartMenuColours;
// The ordering screens' version: entry 16 is magenta instead of light grey,
// so their background never matches their grey container.
extern const ColourTable kOrderingColours;

// One entry of the table, each of the 18 with equal chance (one draw).
Bgr drawBackground(RandomSource& random, const ColourTable& table);

// Rod k's colour, k from 1 to 10.
Bgr rodColour(int k);

// The contrast ratio of two colours as readers of text perceive it: 1 for
// the same colour, 21 for black on white.
double contrastRatio(Bgr a, Bgr b);
// Black or white, whichever reads better on the given colour: a number
// written on a rod.
Bgr textColourOn(Bgr background);

} // namespace brasti
