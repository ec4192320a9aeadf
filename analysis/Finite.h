#pragma once
// Whether computed values are all ordinary numbers: a value that overflowed, or
// came from a division by zero, leaves a figure undefined rather than shown.

#include <cmath>
#include <initializer_list>

namespace baricor {

inline bool AllFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

}  // namespace baricor
