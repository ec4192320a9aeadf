#include "DerivedProperties.h"

#include <cmath>

#include "Angles.h"
#include "PrincipalAxes.h"
#include "Finite.h"
#include "ResultFormat.h"
#include "SectionInputs.h"
#include "geometry/Builders.h"
#include "geometry/PlasticModuli.h"

namespace baricor {
namespace {

std::optional<DerivedValues> DerivedValuesOf(const SectionShape& shape, const Dimensions& d, const SectionProperties& p,
                                             const std::optional<SectionOutline>& outline) {
    if (!outline) return std::nullopt;
    if (!AllFinite({p.A, p.Jx0, p.Jy0, p.Jxy0, p.xG, p.yG})) return std::nullopt;
    if (!(p.A > 0 && p.Jx0 > 0 && p.Jy0 > 0)) return std::nullopt;
    const ExtremeFibres v = shape.extremeFibres(d, p);

    DerivedValues r = ElasticDerivedValues(p.A, p.Jx0, p.Jy0, p.Jxy0, v);
    // One way for every shape: the region its outline bounds, halved exactly.
    const geometry::Region region = geometry::RegionFromOutline(*outline);
    r.Wplx = geometry::PlasticAboutX(region).Wpl;
    // Circles about G alone (the circle, the ring) are the same about every
    // axis through G.
    r.Wply = outline->polygons.empty() ? r.Wplx : geometry::PlasticAboutY(region).Wpl;
    const TorsionProperties torsion = shape.torsion(d, p);
    r.It = torsion.It;
    r.Iw = torsion.Iw;
    r.shearCentre = torsion.shearCentre;
    if (!AllFinite({r.J1, r.J2, r.alpha, r.rhoX, r.rhoY, r.Wx, r.Wy, r.Jp, r.Wplx, r.Wply, r.It, r.Iw,
                    r.shearCentre.x, r.shearCentre.y}))
        return std::nullopt;
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

bool ShownLikeTheCentroid(DerivedQuantity quantity) {
    return quantity == DerivedQuantity::Alpha || quantity == DerivedQuantity::xC || quantity == DerivedQuantity::yC;
}

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
        case DerivedQuantity::Wplx: return Wplx;
        case DerivedQuantity::Wply: return Wply;
        case DerivedQuantity::It: return It;
        case DerivedQuantity::Iw: return Iw;
        case DerivedQuantity::xC: return shearCentre.x;
        case DerivedQuantity::yC: return shearCentre.y;
    }
    return 0.0;
}

DerivedValues ElasticDerivedValues(double A, double Jx0, double Jy0, double Jxy0, const ExtremeFibres& fibres) {
    DerivedValues r;
    r.A = A;
    const PrincipalMoments principal = PrincipalMomentsOf(Jx0, Jy0, Jxy0);
    r.J1 = principal.J1;
    r.J2 = principal.J2;
    r.alpha = principal.alpha;
    r.rhoX = std::sqrt(Jx0 / A);
    r.rhoY = std::sqrt(Jy0 / A);
    r.Wx = Jx0 / fibres.vx;
    r.Wy = Jy0 / fibres.vy;
    r.Jp = Jx0 + Jy0;
    return r;
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
    derived.values = DerivedValuesOf(shape, dimensions, p, derived.outline);
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
        const std::string_view pattern = ShownLikeTheCentroid(field.quantity) ? CentroidFormat : resultFormat;
        texts.push_back(FormatValue(derived.values->Of(field.quantity), pattern, decimalSeparator));
    }
    return texts;
}

}  // namespace baricor
