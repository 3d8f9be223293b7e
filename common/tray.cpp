// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/tray.h"

#include "common/random.h"

namespace brasti {

std::array<int, 10> probeShuffle(RandomSource& random)
{
    std::array<bool, 11> placed{};
    std::array<int, 10> rodAt{};
    for (std::size_t place = 0; place < 10; ++place) {
        int rod = drawInt(random, 10);
        while (placed[static_cast<std::size_t>(rod)])
            rod = rod % 10 + 1;
        placed[static_cast<std::size_t>(rod)] = true;
        rodAt[place] = rod;
    }
    return rodAt;
}

} // namespace brasti
