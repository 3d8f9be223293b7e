// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/colours.h"

#include "common/random.h"

#include <algorithm>
#include <cmath>

namespace brasti {

const ColourTable kStartMenuColours = {
    0xC0C0FF, 0x8080FF, 0x0000FF, 0x80C0FF, 0x0080FF, 0xC0FFFF, 0x00FFFF, 0x0040C0, 0x80FF80,
    0x00C000, 0xFFFFC0, 0xFFFF00, 0xFFC0C0, 0xFFC0FF, 0xFFC0FF, 0xE0E0E0, 0xFF0000, 0xFF00FF};

const ColourTable kOrderingColours = {
    0xC0C0FF, 0x8080FF, 0x0000FF, 0x80C0FF, 0x0080FF, 0xC0FFFF, 0x00FFFF, 0x0040C0, 0x80FF80,
    0x00C000, 0xFFFFC0, 0xFFFF00, 0xFFC0C0, 0xFFC0FF, 0xFFC0FF, 0xFF00FF, 0xFF0000, 0xFF00FF};

Bgr drawBackground(RandomSource& random, const ColourTable& table)
{
    return table[static_cast<std::size_t>(drawInt(random, 18) - 1)];
}

Bgr rodColour(int k)
{
    static constexpr std::array<Bgr, 10> kRods = {
        0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF00FF, 0x00FFFF, 0x008000, 0x000000, 0x404080, 0xC00000, 0x0080FF};
    return kRods[static_cast<std::size_t>(std::clamp(k, 1, 10) - 1)];
}

namespace {

// Relative luminance of an sRGB colour, from 0 (black) to 1 (white).
double luminance(Bgr colour)
{
    const auto channel = [](std::uint32_t value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour & 0xFF) + 0.7152 * channel((colour >> 8) & 0xFF)
           + 0.0722 * channel((colour >> 16) & 0xFF);
}

} // namespace

double contrastRatio(Bgr a, Bgr b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Bgr textColourOn(Bgr background)
{
    constexpr Bgr kBlack = 0x000000;
    constexpr Bgr kWhite = 0xFFFFFF;
    return contrastRatio(background, kBlack) >= contrastRatio(background, kWhite) ? kBlack : kWhite;
}

} // namespace brasti
