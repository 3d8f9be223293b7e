// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/counting.h"

#include <limits>

namespace brasti {

std::int16_t countUp(std::int16_t count)
{
    if (count >= std::numeric_limits<std::int16_t>::max())
        return count;
    return static_cast<std::int16_t>(count + 1);
}

std::string countCaption(std::int16_t count)
{
    return withSignPlace(count);
}

std::string withSignPlace(int n)
{
    std::string text = std::to_string(n);
    if (n >= 0)
        text.insert(text.begin(), ' ');
    return text;
}

} // namespace brasti
