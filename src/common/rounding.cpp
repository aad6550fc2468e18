// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/rounding.h"

#include <cfenv>
#include <cmath>

qint64 roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double floor = std::floor(value);
    const double diff = value - floor;
    double result = floor;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0))
        result = floor + 1.0;
    return static_cast<qint64>(result);
}
