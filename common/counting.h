#pragma once
// The answer counters: 16-bit, and never wrapping to a negative number.
#include <cstdint>
#include <string>

namespace brasti {

// One more, stopping at 32767.
std::int16_t countUp(std::int16_t count);

// A count as shown after an answer: one leading blank, the sign's place (" 14").
std::string countCaption(std::int16_t count);

} // namespace brasti
