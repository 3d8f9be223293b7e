// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
#include <cstdint>
#include <string>

namespace brasti {

// Italian number words in capitals, one word without blanks ("VENTUNO",
// "MILLEUNO"); "ZERO" for 0 and for negative numbers.
std::string NumberToWords(std::int16_t n);

} // namespace brasti
