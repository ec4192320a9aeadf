#pragma once
// What a section's input texts say: the shape's dimensions and where the user
// put the reference axes. Every figure of a section, and of its derived
// properties, is computed from this one reading.

#include <string>
#include <string_view>
#include <vector>

#include "AxisTransform.h"
#include "Section.h"

namespace baricor {

// The texts a user typed: one per dimension, in the order of the shape's
// dimension names (a missing one reads as an empty text), and the three that
// place the axes.
struct SectionTexts {
    std::vector<std::string> dimensions;
    std::string dx;
    std::string dy;
    std::string theta;

    bool operator==(const SectionTexts& other) const {
        return dimensions == other.dimensions && dx == other.dx && dy == other.dy && theta == other.theta;
    }
    bool operator!=(const SectionTexts& other) const { return !(*this == other); }
};

// The dimension texts, then Dx, Dy and theta, all in one list (a missing text
// is empty): how the tests and the fuzz targets write a section's texts.
SectionTexts TextsInOrder(const SectionShape& shape, const std::vector<std::string>& texts);

struct SectionInputs {
    Dimensions dimensions;  // in the order of the shape's dimension names
    AxisPlacement axes;
};

// Reads every text with ReadInputNumber and the user's decimal separator.
SectionInputs ReadSectionInputs(const SectionShape& shape, const SectionTexts& texts,
                                std::string_view decimalSeparator);

}  // namespace baricor
