// The C: a web t2 thick over the full height b on the left, two flanges t1
// thick at top and bottom reaching to the right, a the overall width. xG is
// measured from the outer face of the web towards the flange tips; G lies at
// mid-height.
#include <cmath>

#include "SectionGeometry.h"
#include "Shapes.h"

namespace baricor {
namespace {

SectionProperties CFormulas(const Dimensions& d) {
    const double a = d[0];
    const double b = d[1];
    const double t1 = d[2];
    const double t2 = d[3];
    const double h = 1.0 / 2.0;
    const double m = 1.0 / 3.0;
    const double k = 1.0 / 12.0;
    SectionProperties p;
    // Two flanges plus the web over the full height, less the two overlaps.
    p.A = ((a * 2) * t1 + t2 * b) - t2 * (t1 * 2);
    // Static moment about the web's outer face: the a x b rectangle less the
    // opening between the flanges, whose centre lies at (a + t2) / 2.
    const double S = h * (std::pow(a, 2) * b - (std::pow(a, 2) - std::pow(t2, 2)) * (b - t1 * 2));
    const double xG = S / p.A;
    p.Jx0 = k * (a * std::pow(b, 3) - (a - t2) * std::pow(b - t1 * 2, 3));
    // Squared distances from the vertical axis through G, integrated over the
    // rectangle (from -xG to a - xG) less the opening (from t2 - xG to a - xG).
    const double U = std::pow(a - xG, 3) + std::pow(xG, 3);
    const double W = std::pow(a - xG, 3) + std::pow(xG - t2, 3);
    p.Jy0 = m * (b * U - (b - t1 * 2) * W);
    p.Jxy0 = 0.0;  // the centroidal x axis is an axis of symmetry
    p.xG = xG;
    return p;
}

// Two flanges across the height, one web across the width.
bool CDrawable(const Dimensions& d) { return ThicknessesFit(d, 2, 1); }

// G lies xG from the web's outer face, at mid-height.
ExtremeFibres CFibres(const Dimensions& d, const SectionProperties& p) {
    const double a = d[0];
    const double b = d[1];
    return {b / 2, Farther(p.xG, a - p.xG)};
}

// The web's outer face at x = xG, the flange tips at xG - a; the flanges' outer
// faces at y = -h and +h, their inner faces at -i and +i.
SectionOutline COutline(const Dimensions& d, const SectionProperties& p) {
    const auto [a, b, t1, t2] = FourDimensions(d);
    const double x = p.xG;
    const double h = b / 2;
    const double i = h - t1;
    return {{{{x, -h}, {x - a, -h}, {x - a, -i}, {x - t2, -i}, {x - t2, i}, {x - a, i}, {x - a, h}, {x, h}}}, {}};
}

}  // namespace

const SectionShape& CSection() {
    // Only the signs of the centroidal moments are checked: a negative or
    // out-of-range xG passes without a message.
    static const SectionShape shape{{"a", "b", "t1", "t2"}, {100, 150, 20, 25},
                                    /*measures xG*/ true, /*measures yG*/ false, /*validity test*/ true,
                                    CFormulas, CDrawable, CFibres, COutline};
    return shape;
}

}  // namespace baricor
