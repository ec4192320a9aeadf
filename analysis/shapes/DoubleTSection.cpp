// The double T: two flanges a wide and t1 thick, a web t2 thick in the middle
// of their width, b the overall height. G is the centre of the a x b rectangle.
#include <cmath>

#include "SectionGeometry.h"
#include "Shapes.h"

namespace baricor {
namespace {

SectionProperties DoubleTFormulas(const Dimensions& d) {
    const double a = d[0];
    const double b = d[1];
    const double t1 = d[2];
    const double t2 = d[3];
    const double k = 1.0 / 12.0;
    SectionProperties p;
    // Two flanges plus the web over the full height, less the two overlaps.
    p.A = ((a * 2) * t1 + t2 * b) - t2 * (t1 * 2);
    // The a x b rectangle less the two recesses beside the web, together one
    // (a - t2) x (b - 2 t1) rectangle centred on G.
    p.Jx0 = k * (a * std::pow(b, 3) - (a - t2) * std::pow(b - t1 * 2, 3));
    p.Jy0 = k * (((std::pow(a, 3) * 2) * t1 + std::pow(t2, 3) * b) - std::pow(t2, 3) * (t1 * 2));
    p.Jxy0 = 0.0;  // both centroidal axes are axes of symmetry
    return p;
}

// Two flanges across the height, one web no wider than they are.
bool DoubleTDrawable(const Dimensions& d) { return ThicknessesFit(d, 2, 1); }

// Outer faces of the flanges at y = -h and +h, their inner faces at -i and +i.
SectionOutline DoubleTOutline(const Dimensions& d, const SectionProperties&) {
    const auto [a, b, t1, t2] = FourDimensions(d);
    const double f = a / 2;
    const double w = t2 / 2;
    const double h = b / 2;
    const double i = h - t1;
    return {{{{f, -h}, {-f, -h}, {-f, -i}, {-w, -i}, {-w, i}, {-f, i}, {-f, h}, {f, h}, {f, i}, {w, i}, {w, -i}, {f, -i}}},
            {}};
}

}  // namespace

const SectionShape& DoubleTSection() {
    // Only the signs of the centroidal moments are checked: flanges thicker
    // than half the height or a web wider than the flanges pass without a message.
    static const SectionShape shape{{"a", "b", "t1", "t2"}, {100, 150, 20, 25},
                                    /*measures xG*/ false, /*measures yG*/ false, /*validity test*/ true,
                                    DoubleTFormulas, DoubleTDrawable, CentredFibres, DoubleTOutline};
    return shape;
}

}  // namespace baricor
