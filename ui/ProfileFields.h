#pragma once
// The fields of the profiles window: which profiles show each one, under which
// caption, and how its text is written: a dimension as the tables print it, a
// quantity in the digit menu's result pattern, the centroid and α in "0.00".

#include <QString>
#include <array>
#include <string_view>

#include "profiles/ProfileCatalogue.h"
#include "profiles/ProfileProperties.h"

enum class ProfileText { Dimension, Result, Fixed };

// Bits of ProfileField::shapes.
inline constexpr unsigned kIShapes = 1;
inline constexpr unsigned kChannels = 2;
inline constexpr unsigned kAngles = 4;
inline constexpr unsigned kEveryShape = kIShapes | kChannels | kAngles;

unsigned ShapeBit(baricor::ProfileShape shape);

struct ProfileFieldGroup {
    const char* control;
    const char* caption;
    int column;  // 0 or 1, top to bottom in this order
};

inline constexpr std::array<ProfileFieldGroup, 8> kProfileFieldGroups = {{{"Dimensions", "Dimensioni", 0},
                                                                           {"AreaAndMass", "Area e peso", 0},
                                                                           {"Centroid", "Baricentro", 0},
                                                                           {"RadiiOfGyration", "Raggi d'inerzia", 0},
                                                                           {"Moments", "Momenti d'inerzia", 1},
                                                                           {"PrincipalAxes", "Assi principali", 1},
                                                                           {"SectionModuli", "Moduli di resistenza", 1},
                                                                           {"Torsion", "Torsione e ingobbamento", 1}}};

struct ProfileField {
    const char* control;  // the field's object name
    const char* label;    // also its accessible name
    const char* unit;
    unsigned shapes;
    int group;  // in kProfileFieldGroups
    ProfileText text;
    int dimension;  // in Profile::dimensions, for a dimension
    double baricor::ProfileProperties::*value;  // for the others
};

// In the window's order: each group's fields in turn, the groups of the first
// column, then those of the second.
inline constexpr std::array<ProfileField, 25> kProfileFields = {{
    {"h", "h", "[mm]", kEveryShape, 0, ProfileText::Dimension, 0, nullptr},
    {"b", "b", "[mm]", kEveryShape, 0, ProfileText::Dimension, 1, nullptr},
    {"tw", "tw", "[mm]", kIShapes | kChannels, 0, ProfileText::Dimension, 2, nullptr},
    {"tf", "tf", "[mm]", kIShapes | kChannels, 0, ProfileText::Dimension, 3, nullptr},
    {"r", "r", "[mm]", kIShapes | kChannels, 0, ProfileText::Dimension, 4, nullptr},
    {"t", "t", "[mm]", kAngles, 0, ProfileText::Dimension, 2, nullptr},
    {"r1", "r1", "[mm]", kAngles, 0, ProfileText::Dimension, 3, nullptr},
    {"r2", "r2", "[mm]", kAngles, 0, ProfileText::Dimension, 4, nullptr},
    {"A", "A", "[mm^2]", kEveryShape, 1, ProfileText::Result, 0, &baricor::ProfileProperties::A},
    {"G", "G", "[kg/m]", kEveryShape, 1, ProfileText::Result, 0, &baricor::ProfileProperties::mass},
    {"xG", "xG", "[mm]", kChannels | kAngles, 2, ProfileText::Fixed, 0, &baricor::ProfileProperties::xG},
    {"yG", "yG", "[mm]", kAngles, 2, ProfileText::Fixed, 0, &baricor::ProfileProperties::yG},
    {"RhoX", "ρx", "[mm]", kEveryShape, 3, ProfileText::Result, 0, &baricor::ProfileProperties::rhoX},
    {"RhoY", "ρy", "[mm]", kEveryShape, 3, ProfileText::Result, 0, &baricor::ProfileProperties::rhoY},
    {"Jx", "Jx", "[mm^4]", kEveryShape, 4, ProfileText::Result, 0, &baricor::ProfileProperties::Jx},
    {"Jy", "Jy", "[mm^4]", kEveryShape, 4, ProfileText::Result, 0, &baricor::ProfileProperties::Jy},
    {"J1", "J1", "[mm^4]", kAngles, 5, ProfileText::Result, 0, &baricor::ProfileProperties::J1},
    {"J2", "J2", "[mm^4]", kAngles, 5, ProfileText::Result, 0, &baricor::ProfileProperties::J2},
    {"Alpha", "α", "[deg]", kAngles, 5, ProfileText::Fixed, 0, &baricor::ProfileProperties::alpha},
    {"Wx", "Wx", "[mm^3]", kEveryShape, 6, ProfileText::Result, 0, &baricor::ProfileProperties::Wx},
    {"Wy", "Wy", "[mm^3]", kEveryShape, 6, ProfileText::Result, 0, &baricor::ProfileProperties::Wy},
    {"Wplx", "Wpl,x", "[mm^3]", kEveryShape, 6, ProfileText::Result, 0, &baricor::ProfileProperties::Wplx},
    {"Wply", "Wpl,y", "[mm^3]", kEveryShape, 6, ProfileText::Result, 0, &baricor::ProfileProperties::Wply},
    {"It", "It", "[mm^4]", kEveryShape, 7, ProfileText::Result, 0, &baricor::ProfileProperties::It},
    {"Iw", "Iw", "[mm^6]", kEveryShape, 7, ProfileText::Result, 0, &baricor::ProfileProperties::Iw},
}};

inline bool Shows(const ProfileField& field, baricor::ProfileShape shape) {
    return (field.shapes & ShapeBit(shape)) != 0;
}

// A dimension as the tables print it ("200", "5.6"): the shortest decimal that
// reads back as the same number, never in powers of ten.
QString DimensionText(double millimetres, std::string_view decimalSeparator);

// The field's text for `profile`; empty for a field its shape does not show.
QString ProfileFieldText(const ProfileField& field, const baricor::Profile& profile,
                         const baricor::ProfileProperties& properties, std::string_view decimalSeparator,
                         std::string_view resultFormat);
