#include "SectionInputs.h"

#include "NumericText.h"

namespace baricor {

SectionInputs ReadSectionInputs(const ShapeUnit& shape, const std::vector<std::string>& inputTexts,
                                std::string_view decimalSeparator) {
    SectionInputs read;
    for (size_t i = 0; i < shape.inputs.size(); ++i) {
        const double value = ReadInputNumber(i < inputTexts.size() ? inputTexts[i] : std::string(), decimalSeparator);
        switch (shape.inputs[i].role) {
            case InputRole::Dimension: read.dimensions.push_back(value); break;
            case InputRole::Dx: read.axes.Dx = value; break;
            case InputRole::Dy: read.axes.Dy = value; break;
            case InputRole::Theta: read.axes.theta = value; break;
        }
    }
    return read;
}

}  // namespace baricor
