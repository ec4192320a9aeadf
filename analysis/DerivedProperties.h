#pragma once
// What a user works out by hand from a section's centroidal figures: the
// principal moments J1, J2 and the angle α of the principal axes, the radii of
// gyration, the section moduli and the polar moment. They depend on the
// dimensions alone, never on where the user put the reference axes.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Section.h"
#include "SectionInputs.h"

namespace baricor {

enum class DerivedQuantity { J1, J2, Alpha, RhoX, RhoY, Wx, Wy, Jp };

struct DerivedField {
    DerivedQuantity quantity;
    const char* label;  // its symbol
    const char* unit;
};

// The derived quantities, in the order they are written.
inline constexpr std::array<DerivedField, 8> kDerivedFields = {{{DerivedQuantity::J1, "J1", "[mm^4]"},
                                                                 {DerivedQuantity::J2, "J2", "[mm^4]"},
                                                                 {DerivedQuantity::Alpha, "α", "[deg]"},
                                                                 {DerivedQuantity::RhoX, "ρx", "[mm]"},
                                                                 {DerivedQuantity::RhoY, "ρy", "[mm]"},
                                                                 {DerivedQuantity::Wx, "Wx", "[mm^3]"},
                                                                 {DerivedQuantity::Wy, "Wy", "[mm^3]"},
                                                                 {DerivedQuantity::Jp, "Jp", "[mm^4]"}}};

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
// α in CentroidFormat; every text empty where the values are not defined.
std::vector<std::string> DerivedTexts(const DerivedSection& derived, std::string_view decimalSeparator,
                                      std::string_view resultFormat);

}  // namespace baricor
