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
    return (count < 0 ? "" : " ") + std::to_string(count);
}

} // namespace brasti
