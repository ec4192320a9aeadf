#pragma once
// What a section window's input texts say: the shape's dimensions and where the
// user put the reference axes. Every figure of the window, and of its derived
// properties, is computed from this one reading.

#include <string>
#include <string_view>
#include <vector>

#include "AxisTransform.h"
#include "Section.h"

namespace baricor {

struct SectionInputs {
    Dimensions dimensions;  // in the order of the dimension fields
    AxisPlacement axes;
};

// Reads every input text (in ShapeUnit::inputs order; a missing text reads as
// an empty one) with ReadInputNumber and the user's decimal separator.
SectionInputs ReadSectionInputs(const ShapeUnit& shape, const std::vector<std::string>& inputTexts,
                                std::string_view decimalSeparator);

}  // namespace baricor
