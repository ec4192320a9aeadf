#include "AxisTransform.h"

#include <cmath>

namespace baricor {

std::optional<AxisResults> AxisTransform(const CentroidalProperties& c, const AxisPlacement& axes) {
    const double A = c.A;
    const double Dx = axes.Dx;
    const double Dy = axes.Dy;

    const double t = DegreesToRadians(axes.theta);

    // Static moments: seen from the reference origin the centroid lies at (-Dx, -Dy).
    const double Sxt = (-Dy) * A;
    const double Syt = (-Dx) * A;
    const double cosT = std::cos(t);
    const double sinT = std::sin(t);

    AxisResults r;
    r.Sx = Sxt * cosT - Syt * sinT;
    r.Sy = Sxt * sinT + Syt * cosT;

    // Parallel axes; (-Dx)(-Dy) = Dx Dy, hence the plus in the product term.
    const double Jxt = c.Jx0 + std::pow(Dy, 2) * A;
    const double Jyt = c.Jy0 + std::pow(Dx, 2) * A;
    const double Jxyt = c.Jxy0 + (A * Dx) * Dy;

    const double c2 = std::pow(std::cos(t), 2);
    const double s2 = std::pow(std::sin(t), 2);
    const double sn = std::sin(2 * t);
    const double cs = std::cos(2 * t);
    r.Jx = (Jxt * c2 + Jyt * s2) - Jxyt * sn;
    r.Jy = (Jyt * c2 + Jxt * s2) + Jxyt * sn;
    r.Jxy = ((Jxt - Jyt) * sinT) * cosT + Jxyt * cs;

    if (r.Jx == 0.0 || r.Jy == 0.0) return std::nullopt;
    const double ratioX = std::fabs(r.Jxy / r.Jx);
    const double ratioY = std::fabs(r.Jxy / r.Jy);
    if (ratioX < kProductCleanUp || ratioY < kProductCleanUp) r.Jxy = 0.0;
    return r;
}

}  // namespace baricor
