#include "DerivedProperties.h"

#include <cmath>

#include "Angles.h"
#include "Finite.h"
#include "ResultFormat.h"
#include "SectionInputs.h"

namespace baricor {
namespace {

// Below this ratio of the radius of Mohr's circle to its centre the two
// principal moments are equal but for rounding (a square built as a T, a C or
// a double T differs by an ulp or two): every axis is principal.
constexpr double kEqualPrincipalMoments = 1e-12;

// The angle that turns the axes onto the principal ones, taking degrees to
// radians with the same pi as the rotation of the user's axes, so that theta =
// alpha gives Jx = J1 and a zero Jxy.
double PrincipalAngle(const SectionProperties& p, double m, double r) {
    if (r <= kEqualPrincipalMoments * m) return 0.0;
    double alpha = HalfAngleToDegrees(std::atan2(-2.0 * p.Jxy0, p.Jx0 - p.Jy0));
    // With the shortened pi, atan2's -pi comes out at -90.0000187; -2 x 0 is
    // -0, so every section with Jxy0 = 0 and Jx0 < Jy0 gets there. The same
    // axes, half a turn on, are at 90.
    if (alpha <= -90) alpha += 180;
    return alpha;
}

std::optional<DerivedValues> DerivedValuesOf(const SectionShape& shape, const Dimensions& d, const SectionProperties& p) {
    if (!AllFinite({p.A, p.Jx0, p.Jy0, p.Jxy0, p.xG, p.yG})) return std::nullopt;
    if (!(p.A > 0 && p.Jx0 > 0 && p.Jy0 > 0)) return std::nullopt;
    const ExtremeFibres v = shape.extremeFibres(d, p);

    DerivedValues r;
    r.A = p.A;
    // Mohr's circle: centre m, radius rm.
    const double m = (p.Jx0 + p.Jy0) / 2;
    const double h = (p.Jx0 - p.Jy0) / 2;
    const double rm = std::sqrt(h * h + p.Jxy0 * p.Jxy0);
    r.J1 = m + rm;
    r.J2 = m - rm;
    r.alpha = PrincipalAngle(p, m, rm);
    r.rhoX = std::sqrt(p.Jx0 / p.A);
    r.rhoY = std::sqrt(p.Jy0 / p.A);
    r.Wx = p.Jx0 / v.vx;
    r.Wy = p.Jy0 / v.vy;
    r.Jp = p.Jx0 + p.Jy0;
    if (!AllFinite({r.J1, r.J2, r.alpha, r.rhoX, r.rhoY, r.Wx, r.Wy, r.Jp})) return std::nullopt;
    return r;
}

bool IsFinite(const SectionOutline& outline) {
    for (const std::vector<PlanePoint>& polygon : outline.polygons) {
        for (const PlanePoint& point : polygon) {
            if (!AllFinite({point.x, point.y})) return false;
        }
    }
    for (double radius : outline.circleRadii) {
        if (!std::isfinite(radius)) return false;
    }
    return true;
}

}  // namespace

double DerivedValues::Of(DerivedQuantity quantity) const {
    switch (quantity) {
        case DerivedQuantity::J1: return J1;
        case DerivedQuantity::J2: return J2;
        case DerivedQuantity::Alpha: return alpha;
        case DerivedQuantity::RhoX: return rhoX;
        case DerivedQuantity::RhoY: return rhoY;
        case DerivedQuantity::Wx: return Wx;
        case DerivedQuantity::Wy: return Wy;
        case DerivedQuantity::Jp: return Jp;
    }
    return 0.0;
}

CentralEllipse CentralEllipseOf(const DerivedValues& values) {
    return {std::sqrt(values.J2 / values.A), std::sqrt(values.J1 / values.A)};
}

DerivedSection DeriveSection(const SectionShape& shape, const Dimensions& dimensions) {
    DerivedSection derived;
    for (double dimension : dimensions) {
        if (!std::isfinite(dimension)) return derived;
    }
    if (!shape.drawable(dimensions)) return derived;
    const SectionProperties p = shape.formulas(dimensions);
    SectionOutline outline = shape.outline(dimensions, p);
    if (IsFinite(outline)) derived.outline = std::move(outline);
    derived.values = DerivedValuesOf(shape, dimensions, p);
    return derived;
}

DerivedSection DeriveSection(const SectionShape& shape, const SectionTexts& texts, std::string_view decimalSeparator) {
    return DeriveSection(shape, ReadSectionInputs(shape, texts, decimalSeparator).dimensions);
}

std::vector<std::string> DerivedTexts(const DerivedSection& derived, std::string_view decimalSeparator,
                                      std::string_view resultFormat) {
    std::vector<std::string> texts;
    for (const DerivedField& field : kDerivedFields) {
        if (!derived.values) {
            texts.emplace_back();
            continue;
        }
        const std::string_view pattern = field.quantity == DerivedQuantity::Alpha ? CentroidFormat : resultFormat;
        texts.push_back(FormatValue(derived.values->Of(field.quantity), pattern, decimalSeparator));
    }
    return texts;
}

}  // namespace baricor
