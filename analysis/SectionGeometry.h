#pragma once
// Words for the geometry each shape states beside its formulas: whether its
// dimensions make a section, how far its extreme fibres lie from G, and its
// outline about G.

#include <algorithm>
#include <array>
#include <vector>

#include "Section.h"

namespace baricor {

// a, b, t1 and t2 of the shapes with four dimensions.
inline std::array<double, 4> FourDimensions(const Dimensions& d) { return {d[0], d[1], d[2], d[3]}; }

// A thickness or a hole that is at least 0 and no larger than what it is cut from.
inline bool Fits(double part, double whole) { return part >= 0 && part <= whole; }

// The farther of two opposite faces, at distances `one` and `other` from G.
inline double Farther(double one, double other) { return std::max(one, other); }

// The width x height rectangle centred on G.
inline std::vector<PlanePoint> CentredRectangle(double width, double height) {
    const double x = width / 2;
    const double y = height / 2;
    return {{x, -y}, {-x, -y}, {-x, y}, {x, y}};
}

}  // namespace baricor
