#pragma once
// Angles along an arc, measured about its centre from the +x axis towards +y.
// Shared by the integrals, the cuts and the bounds, so that all three agree on
// which part of a circle an arc covers.

#include <cmath>

#include "Angles.h"
#include "geometry/Region.h"

namespace baricor::geometry::detail {

using baricor::kPi;  // the double nearest pi

// Cosine and sine of the angle of `p` seen from the arc's centre, from the
// point itself, so that ends placed exactly give exact values.
inline double CosAt(const Piece& arc, Point p) { return (p.x - arc.centre.x) / arc.radius; }
inline double SinAt(const Piece& arc, Point p) { return (p.y - arc.centre.y) / arc.radius; }

// The signed angle the arc turns through, positive when it turns the positive
// way. An arc turns at most half a circle, which settles the sign that
// rounding can flip at a half turn or on a vanishing arc.
inline double SweepOf(const Piece& arc) {
    const double c0 = CosAt(arc, arc.from);
    const double s0 = SinAt(arc, arc.from);
    const double c1 = CosAt(arc, arc.to);
    const double s1 = SinAt(arc, arc.to);
    const double turn = std::fabs(std::atan2(c0 * s1 - s0 * c1, c0 * c1 + s0 * s1));
    return arc.positive ? turn : -turn;
}

inline double StartAngle(const Piece& arc) { return std::atan2(SinAt(arc, arc.from), CosAt(arc, arc.from)); }

// How far along the arc, as an angle from its start in its own sense, the
// direction `angle` lies: in [0, 2 pi).
inline double OffsetAlong(const Piece& arc, double angle) {
    double offset = arc.positive ? angle - StartAngle(arc) : StartAngle(arc) - angle;
    offset = std::fmod(offset, 2 * kPi);
    if (offset < 0) offset += 2 * kPi;
    return offset;
}

}  // namespace baricor::geometry::detail
