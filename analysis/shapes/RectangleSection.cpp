// The solid rectangle: width a along x, height b along y, G at the centre.
#include <cmath>

#include "SectionGeometry.h"
#include "Shapes.h"

namespace baricor {
namespace {

SectionProperties RectangleFormulas(const Dimensions& d) {
    const double a = d[0];
    const double b = d[1];
    SectionProperties p;
    p.A = a * b;
    p.Jx0 = (a * (1.0 / 12.0)) * std::pow(b, 3);
    p.Jy0 = (b * (1.0 / 12.0)) * std::pow(a, 3);
    p.Jxy0 = 0.0;  // both centroidal axes are axes of symmetry
    return p;
}

bool RectangleDrawable(const Dimensions& d) {
    const double a = d[0];
    const double b = d[1];
    return a > 0 && b > 0;
}

SectionOutline RectangleOutline(const Dimensions& d, const SectionProperties&) {
    const double a = d[0];
    const double b = d[1];
    return {{CentredRectangle(a, b)}, {}};
}

}  // namespace

const SectionShape& RectangleSection() {
    // Negative dimensions are accepted as they are: no validity test.
    static const SectionShape shape{{"a", "b"}, {100, 150},
                                    /*measures xG*/ false, /*measures yG*/ false, /*validity test*/ false,
                                    RectangleFormulas, RectangleDrawable, CentredFibres, RectangleOutline};
    return shape;
}

}  // namespace baricor
