#pragma once
// What a user works out by hand from a section's centroidal figures: the
// principal moments J1, J2 and the angle α of the principal axes, the radii of
// gyration, the section moduli and the polar moment; and what the design codes
// ask beyond them: the plastic moduli, the torsion and warping constants and
// the shear centre. They depend on the dimensions alone, never on where the
// user put the reference axes.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Section.h"
#include "SectionInputs.h"

namespace baricor {

enum class DerivedQuantity { J1, J2, Alpha, RhoX, RhoY, Wx, Wy, Jp, Wplx, Wply, It, Iw, xC, yC };

struct DerivedField {
    DerivedQuantity quantity;
    const char* label;  // its symbol
    const char* unit;
};

// The derived quantities, in the order they are written.
inline constexpr std::array<DerivedField, 14> kDerivedFields = {{{DerivedQuantity::J1, "J1", "[mm^4]"},
                                                                  {DerivedQuantity::J2, "J2", "[mm^4]"},
                                                                  {DerivedQuantity::Alpha, "α", "[deg]"},
                                                                  {DerivedQuantity::RhoX, "ρx", "[mm]"},
                                                                  {DerivedQuantity::RhoY, "ρy", "[mm]"},
                                                                  {DerivedQuantity::Wx, "Wx", "[mm^3]"},
                                                                  {DerivedQuantity::Wy, "Wy", "[mm^3]"},
                                                                  {DerivedQuantity::Jp, "Jp", "[mm^4]"},
                                                                  {DerivedQuantity::Wplx, "Wpl,x", "[mm^3]"},
                                                                  {DerivedQuantity::Wply, "Wpl,y", "[mm^3]"},
                                                                  {DerivedQuantity::It, "It", "[mm^4]"},
                                                                  {DerivedQuantity::Iw, "Iw", "[mm^6]"},
                                                                  {DerivedQuantity::xC, "xC", "[mm]"},
                                                                  {DerivedQuantity::yC, "yC", "[mm]"}}};

// The first eight need only the centroidal moments and the extreme fibres; the
// design figures after them need the section's own outline and walls. A
// composite section shows these eight alone.
inline constexpr size_t kElasticDerivedFieldCount = 8;

// Whether a quantity is a position shown like the centroid ("0.00"), not in
// the result pattern of the digit menu: α and the shear centre.
bool ShownLikeTheCentroid(DerivedQuantity quantity);

struct DerivedValues {
    double A = 0.0;      // the area, which the central ellipse needs
    double J1 = 0.0;     // the greater principal moment, about the axis at alpha
    double J2 = 0.0;     // the smaller one, about the axis at alpha + 90
    double alpha = 0.0;  // degrees in (-90, 90]: theta = alpha turns the axes onto the principal ones
    double rhoX = 0.0;   // radii of gyration about the centroidal x and y axes
    double rhoY = 0.0;
    double Wx = 0.0;     // section moduli of the extreme fibres
    double Wy = 0.0;
    double Jp = 0.0;     // polar moment about G
    // Plastic moduli ∫|y - yp| dA about the horizontal and the vertical line
    // that halve the area, exact from the outline.
    double Wplx = 0.0;
    double Wply = 0.0;
    double It = 0.0;         // torsion constant
    double Iw = 0.0;         // warping constant
    PlanePoint shearCentre;  // C about G: x to the left, y downwards

    double Of(DerivedQuantity quantity) const;
};

// The central ellipse of inertia: centred on G, its semi-axis along each
// principal axis is the radius of gyration about the other one, so that its
// tangent parallel to any axis through G lies at that axis' radius of gyration.
struct CentralEllipse {
    double alongJ1Axis = 0.0;  // sqrt(J2 / A)
    double alongJ2Axis = 0.0;  // sqrt(J1 / A)
};
CentralEllipse CentralEllipseOf(const DerivedValues& values);

// The figures that need only the area, the centroidal moments and the extreme
// fibres (J1 to Jp); the design figures are left at 0. A section and a
// composite both take them from here.
DerivedValues ElasticDerivedValues(double A, double Jx0, double Jy0, double Jxy0, const ExtremeFibres& fibres);

struct DerivedSection {
    // The dimensions make a section that can be drawn, and its outline about G
    // is known.
    std::optional<SectionOutline> outline;
    // Every derived value is defined: a drawable section whose area and
    // centroidal moments are greater than 0, with every value finite.
    std::optional<DerivedValues> values;
};

// From the dimensions, in the order of the shape's dimension names.
DerivedSection DeriveSection(const SectionShape& shape, const Dimensions& dimensions);
// From a section's input texts, read exactly as its recalculation reads them.
DerivedSection DeriveSection(const SectionShape& shape, const SectionTexts& texts, std::string_view decimalSeparator);

// One text per kDerivedFields entry: the section quantities in `resultFormat`,
// α and the shear centre in CentroidFormat; every text empty where the values
// are not defined.
std::vector<std::string> DerivedTexts(const DerivedSection& derived, std::string_view decimalSeparator,
                                      std::string_view resultFormat);

}  // namespace baricor
