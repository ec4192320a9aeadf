#pragma once
// Plastic section moduli: the line that splits the area in halves, found to
// the last bit, and the first moments of the two halves cut exactly at it,
//   Wpl = ∫ |y - yp| dA   (about a horizontal line y = yp),
// from the boundary pieces on each side of the line (see Moments.h).

#include "geometry/Region.h"

namespace baricor::geometry {

struct PlasticCut {
    double line = 0.0;  // the equal-area line: y = line (about x), x = line (about y)
    double Wpl = 0.0;
    double areaAbove = 0.0;  // the two halves' areas (y >= line and y <= line; x for y)
    double areaBelow = 0.0;
};

// Bending about a horizontal axis: the line y = yp.
PlasticCut PlasticAboutX(const Region& region);
// Bending about a vertical axis: the line x = xp; the halves are those with
// x >= xp ("above") and x <= xp.
PlasticCut PlasticAboutY(const Region& region);

}  // namespace baricor::geometry
