// The T: flange a wide and t1 thick at the bottom, web t2 thick centred on it
// up to the overall height b. yG is measured from the outer face of the flange;
// G lies on the web's middle line.
#include <cmath>

#include "SectionGeometry.h"
#include "Shapes.h"

namespace baricor {
namespace {

SectionProperties TFormulas(const Dimensions& d) {
    const double a = d[0];
    const double b = d[1];
    const double t1 = d[2];
    const double t2 = d[3];
    const double half = 1.0 / 2.0;
    const double third = 1.0 / 3.0;
    const double k = 1.0 / 12.0;
    SectionProperties p;
    // The flange plus the web above it.
    p.A = a * t1 + (b - t1) * t2;
    const double yG = (half * (a * std::pow(t1, 2) + t2 * (std::pow(b, 2) - std::pow(t1, 2)))) / p.A;
    // Web and flange, each integrated from the axis through G.
    p.Jx0 = third * (t2 * (std::pow(b - yG, 3) + std::pow(yG - t1, 3)) + a * (std::pow(yG, 3) - std::pow(yG - t1, 3)));
    // Web and flange about their common middle line.
    p.Jy0 = k * ((b - t1) * std::pow(t2, 3) + t1 * std::pow(a, 3));
    p.Jxy0 = 0.0;  // the web's middle line is an axis of symmetry
    p.yG = yG;
    return p;
}

// The flange no thicker than the height, the web no wider than the flange.
bool TDrawable(const Dimensions& d) { return ThicknessesFit(d, 1, 1); }

// G lies yG above the flange's bottom face, on the web's middle line.
ExtremeFibres TFibres(const Dimensions& d, const SectionProperties& p) {
    const double a = d[0];
    const double b = d[1];
    return {Farther(p.yG, b - p.yG), a / 2};
}

// The flange's bottom face lies at y = yG; the web rises from the flange's top
// face (yG - t1) to the top of the section (yG - b).
SectionOutline TOutline(const Dimensions& d, const SectionProperties& p) {
    const auto [a, b, t1, t2] = FourDimensions(d);
    const double y = p.yG;
    const double f = a / 2;
    const double w = t2 / 2;
    return {{{{f, y}, {-f, y}, {-f, y - t1}, {-w, y - t1}, {-w, y - b}, {w, y - b}, {w, y - t1}, {f, y - t1}}}, {}};
}

}  // namespace

const SectionShape& TSection() {
    // Only the signs of the centroidal moments are checked: a flange thicker
    // than the height or a web wider than the flange passes without a message.
    static const SectionShape shape{{"a", "b", "t1", "t2"}, {100, 150, 25, 25},
                                    /*measures xG*/ false, /*measures yG*/ true, /*validity test*/ true,
                                    TFormulas, TDrawable, TFibres, TOutline};
    return shape;
}

}  // namespace baricor
