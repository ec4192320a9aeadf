// The L: width a, height b, the horizontal leg t1 thick along the bottom over
// the whole width, the vertical leg t2 thick along the left over the whole
// height. xG and yG are measured from the outer faces of the vertical and of the
// horizontal leg, so the corner where the legs meet lies at (+xG, +yG).
#include <cmath>

#include "SectionGeometry.h"
#include "Shapes.h"

namespace baricor {
namespace {

SectionProperties LFormulas(const Dimensions& d) {
    const double a = d[0];
    const double b = d[1];
    const double t1 = d[2];
    const double t2 = d[3];
    const double half = 1.0 / 2.0;
    const double third = 1.0 / 3.0;
    const double quarter = 1.0 / 4.0;
    SectionProperties p;
    // The horizontal leg over the full width plus the vertical leg above it.
    p.A = a * t1 + (b - t1) * t2;
    const double xG = (half * (std::pow(a, 2) * t1 + std::pow(t2, 2) * (b - t1))) / p.A;
    const double yG = (half * (a * std::pow(t1, 2) + t2 * (std::pow(b, 2) - std::pow(t1, 2)))) / p.A;
    // The a x b rectangle less the notch opposite the corner, about axes through G.
    p.Jx0 =
        third * (a * (std::pow(b - yG, 3) + std::pow(yG, 3)) - (a - t2) * (std::pow(b - yG, 3) + std::pow(yG - t1, 3)));
    p.Jy0 =
        third * (b * (std::pow(a - xG, 3) + std::pow(xG, 3)) - (b - t1) * (std::pow(a - xG, 3) + std::pow(xG - t2, 3)));
    // Product of inertia of the full a x b rectangle less that of the notch.
    const double Pr = (quarter * (std::pow(xG, 2) - std::pow(a - xG, 2))) * (std::pow(yG, 2) - std::pow(b - yG, 2));
    const double Pn =
        (quarter * (std::pow(xG - t2, 2) - std::pow(a - xG, 2))) * (std::pow(yG - t1, 2) - std::pow(b - yG, 2));
    p.Jxy0 = Pr - Pn;
    p.xG = xG;
    p.yG = yG;
    return p;
}

// Each leg no thicker than the side it stands across.
bool LDrawable(const Dimensions& d) { return ThicknessesFit(d, 1, 1); }

// G lies xG from the left-hand face and yG from the bottom face.
ExtremeFibres LFibres(const Dimensions& d, const SectionProperties& p) {
    const double a = d[0];
    const double b = d[1];
    return {Farther(p.yG, b - p.yG), Farther(p.xG, a - p.xG)};
}

// From the corner where the legs meet, (xG, yG): along the bottom face to the
// tip of the horizontal leg (towards -x), up to its top face, along it to the
// vertical leg, up that leg's inner face to the top, and back down the
// left-hand face.
SectionOutline LOutline(const Dimensions& d, const SectionProperties& p) {
    const auto [a, b, t1, t2] = FourDimensions(d);
    const double x = p.xG;
    const double y = p.yG;
    return {{{{x, y}, {x - a, y}, {x - a, y - t1}, {x - t2, y - t1}, {x - t2, y - b}, {x, y - b}}}, {}};
}

}  // namespace

const SectionShape& LSection() {
    // Only the signs of the centroidal moments are checked: legs thicker than
    // the section is wide or high still give results without a message.
    static const SectionShape shape{{"a", "b", "t1", "t2"}, {100, 150, 25, 25},
                                    /*measures xG*/ true, /*measures yG*/ true, /*validity test*/ true,
                                    LFormulas, LDrawable, LFibres, LOutline};
    return shape;
}

}  // namespace baricor
