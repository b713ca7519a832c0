// How a computed capacity is kept: a value that is not a number, infinite or negative is no capacity.
#pragma once

#include <cmath>

// The capacity as shown: 0 for a value that is not finite or below 0.
inline double EmbedCapacity(double dValue) {
    return std::isfinite(dValue) && dValue > 0 ? dValue : 0.0;
}
