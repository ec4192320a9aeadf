#include "PrincipalAxes.h"

#include <cmath>

#include "Angles.h"

namespace baricor {
namespace {

// Below this ratio of the radius of Mohr's circle to its centre the two
// principal moments are equal but for rounding (a square built as a T, a C or
// a double T differs by an ulp or two): every axis is principal.
constexpr double kEqualPrincipalMoments = 1e-12;

}  // namespace

PrincipalMoments PrincipalMomentsOf(double Jx0, double Jy0, double Jxy0) {
    // Mohr's circle: centre m, radius rm.
    const double m = (Jx0 + Jy0) / 2;
    const double h = (Jx0 - Jy0) / 2;
    const double rm = std::sqrt(h * h + Jxy0 * Jxy0);
    PrincipalMoments p;
    p.J1 = m + rm;
    p.J2 = m - rm;
    if (rm <= kEqualPrincipalMoments * m) return p;
    p.alpha = HalfAngleToDegrees(std::atan2(-2.0 * Jxy0, Jx0 - Jy0));
    // With the shortened pi, atan2's -pi comes out at -90.0000187; -2 x 0 is
    // -0, so every section with Jxy0 = 0 and Jx0 < Jy0 gets there. The same
    // axes, half a turn on, are at 90.
    if (p.alpha <= -90) p.alpha += 180;
    return p;
}

}  // namespace baricor
