// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/rounding.h"

#include <cfenv>
#include <cmath>
#include <limits>

qint64 roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double floor = std::floor(value);
    const double diff = value - floor;
    double result = floor;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0))
        result = floor + 1.0;
    // A number from outside (a broken file's length, say) may lie beyond any integer:
    // it becomes the nearest one there is.
    constexpr double TwoTo63 = 9223372036854775808.0;
    if (result >= TwoTo63)
        return std::numeric_limits<qint64>::max();
    if (result < -TwoTo63)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(result);
}
