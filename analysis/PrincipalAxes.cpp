#include "PrincipalAxes.h"

#include <cmath>

#include "AxisTransform.h"

namespace baricor {
namespace {

// Below this ratio of the radius of Mohr's circle to its centre the two
// principal moments are equal but for rounding: every axis is principal.
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
    p.alpha = std::atan2(-2.0 * Jxy0, Jx0 - Jy0) * 90 / kDegreePi;
    // With the shortened pi, atan2's -pi comes out at -90.0000187; the same
    // axes, half a turn on, are at 90.
    if (p.alpha <= -90) p.alpha += 180;
    return p;
}

}  // namespace baricor
