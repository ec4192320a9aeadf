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

// The shapes with four dimensions: a and b greater than 0, and t1, of which
// the section has `acrossHeight` stacked across its height b, and t2, of which
// it has `acrossWidth` side by side across its width a, fitting them.
inline bool ThicknessesFit(const Dimensions& d, double acrossHeight, double acrossWidth) {
    const auto [a, b, t1, t2] = FourDimensions(d);
    return a > 0 && b > 0 && Fits(t1 * acrossHeight, b) && Fits(t2 * acrossWidth, a);
}

// A section whose a x b outline is centred on G: its outer faces are the
// extreme fibres.
inline ExtremeFibres CentredFibres(const Dimensions& d, const SectionProperties&) {
    const double a = d[0];
    const double b = d[1];
    return {b / 2, a / 2};
}

// The farther of two opposite faces, at distances `one` and `other` from G.
inline double Farther(double one, double other) { return std::max(one, other); }

// The width x height rectangle centred on G.
inline std::vector<PlanePoint> CentredRectangle(double width, double height) {
    const double x = width / 2;
    const double y = height / 2;
    return {{x, -y}, {-x, -y}, {-x, y}, {x, y}};
}

}  // namespace baricor
