// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The answer counters: 16-bit, and never wrapping to a negative number.
#include <cstdint>
#include <string>

namespace brasti {

// One more, stopping at 32767.
std::int16_t countUp(std::int16_t count);

// A count as shown after an answer: one leading blank, the sign's place (" 14").
std::string countCaption(std::int16_t count);

// Any number as shown in a caption or a written operation: one leading
// blank, the place of the sign, before a number that is not negative
// (" 14"), the minus sign before a negative one ("-3").
std::string withSignPlace(int n);

} // namespace brasti
