// The rectangular tube: outer width a and height b, walls t1 thick at top and
// bottom and t2 thick at the sides; G at the centre.
#include <cmath>

#include "SectionGeometry.h"
#include "Shapes.h"

namespace baricor {
namespace {

SectionProperties TubeFormulas(const Dimensions& d) {
    const double a = d[0];
    const double b = d[1];
    const double t1 = d[2];
    const double t2 = d[3];
    const double k = 1.0 / 12.0;
    SectionProperties p;
    // The outer rectangle less the hole.
    p.A = ((a * t1 + b * t2) - t2 * (t1 * 2)) * 2;
    p.Jx0 = (a * std::pow(b, 3) - (a - t2 * 2) * std::pow(b - t1 * 2, 3)) * k;
    p.Jy0 = (b * std::pow(a, 3) - (b - t1 * 2) * std::pow(a - t2 * 2, 3)) * k;
    p.Jxy0 = 0.0;  // both centroidal axes are axes of symmetry
    return p;
}

// Two walls t1 thick across the height, two t2 thick across the width.
bool TubeDrawable(const Dimensions& d) { return ThicknessesFit(d, 2, 2); }

// The outer rectangle and the hole, both centred on G.
SectionOutline TubeOutline(const Dimensions& d, const SectionProperties&) {
    const auto [a, b, t1, t2] = FourDimensions(d);
    return {{CentredRectangle(a, b), CentredRectangle(a - t2 * 2, b - t1 * 2)}, {}};
}

}  // namespace

const SectionShape& RectangularTubeSection() {
    // Only the signs of the centroidal moments are checked: walls thicker than
    // half a side still give results without a message.
    static const SectionShape shape{{"a", "b", "t1", "t2"}, {100, 150, 25, 20},
                                    /*measures xG*/ false, /*measures yG*/ false, /*validity test*/ true,
                                    TubeFormulas, TubeDrawable, CentredFibres, TubeOutline};
    return shape;
}

}  // namespace baricor
