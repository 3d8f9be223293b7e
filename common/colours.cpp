#include "common/colours.h"

#include "common/random.h"

#include <algorithm>

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

} // namespace brasti
