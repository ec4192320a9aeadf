// The solid circle of diameter d, G at the centre.
#include <cmath>

#include "Angles.h"
#include "SectionGeometry.h"
#include "Shapes.h"

namespace baricor {
namespace {

SectionProperties CircleFormulas(const Dimensions& dims) {
    const double d = dims[0];
    SectionProperties p;
    // The area takes pi as 3.141592, the second moment as 3.1415926, so J0 / A
    // is not exactly d^2 / 16; both are kept so that the shown figures stay put.
    p.A = (std::pow(d, 2) * kPiSixDecimals) / 4;
    const double J0 = (std::pow(d, 4) * kPiSevenDecimals) / 64;
    p.Jx0 = J0;
    p.Jy0 = J0;
    p.Jxy0 = 0.0;  // every centroidal axis is an axis of symmetry
    return p;
}

bool CircleDrawable(const Dimensions& dims) {
    const double d = dims[0];
    return d > 0;
}

ExtremeFibres CircleFibres(const Dimensions& dims, const SectionProperties&) {
    const double d = dims[0];
    return {d / 2, d / 2};
}

SectionOutline CircleOutline(const Dimensions& dims, const SectionProperties&) {
    const double d = dims[0];
    return {{}, {d / 2}};
}

}  // namespace

const SectionShape& CircleSection() {
    // Only even powers of d: no data give a negative moment, so no validity test.
    static const SectionShape shape{{"d"}, {100},
                                    /*measures xG*/ false, /*measures yG*/ false, /*validity test*/ false,
                                    CircleFormulas, CircleDrawable, CircleFibres, CircleOutline};
    return shape;
}

}  // namespace baricor
