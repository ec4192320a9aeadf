// The ring: outer diameter d1, inner diameter d2, G at the common centre.
#include <cmath>

#include "Angles.h"
#include "SectionGeometry.h"
#include "Shapes.h"

namespace baricor {
namespace {

SectionProperties RingFormulas(const Dimensions& d) {
    const double d1 = d[0];
    const double d2 = d[1];
    // As for the solid circle: pi is 3.141592 in the area, 3.1415926 in the
    // second moment.
    const double q = kPiSixDecimals / 4;
    const double pj = kPiSevenDecimals / 64;
    SectionProperties p;
    p.A = (std::pow(d1, 2) - std::pow(d2, 2)) * q;
    const double J0 = (std::pow(d1, 4) - std::pow(d2, 4)) * pj;
    p.Jx0 = J0;
    p.Jy0 = J0;
    p.Jxy0 = 0.0;  // every centroidal axis is an axis of symmetry
    return p;
}

bool RingDrawable(const Dimensions& d) {
    const double d1 = d[0];
    const double d2 = d[1];
    return d1 > 0 && Fits(d2, d1);
}

ExtremeFibres RingFibres(const Dimensions& d, const SectionProperties&) {
    const double d1 = d[0];
    return {d1 / 2, d1 / 2};
}

// The outer circle and the hole.
SectionOutline RingOutline(const Dimensions& d, const SectionProperties&) {
    const double d1 = d[0];
    const double d2 = d[1];
    return {{}, {d1 / 2, d2 / 2}};
}

}  // namespace

const SectionShape& RingSection() {
    // The validity test catches an inner diameter larger than the outer one.
    static const SectionShape shape{{"d1", "d2"}, {100, 80},
                                    /*measures xG*/ false, /*measures yG*/ false, /*validity test*/ true,
                                    RingFormulas, RingDrawable, RingFibres, RingOutline};
    return shape;
}

}  // namespace baricor
