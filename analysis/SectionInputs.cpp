#include "SectionInputs.h"

#include "NumericText.h"

namespace baricor {

SectionTexts TextsInOrder(const SectionShape& shape, const std::vector<std::string>& texts) {
    const size_t count = shape.dimensionNames.size();
    const auto text = [&texts](size_t i) { return i < texts.size() ? texts[i] : std::string(); };
    SectionTexts split;
    for (size_t i = 0; i < count; ++i) split.dimensions.push_back(text(i));
    split.dx = text(count);
    split.dy = text(count + 1);
    split.theta = text(count + 2);
    return split;
}

SectionInputs ReadSectionInputs(const SectionShape& shape, const SectionTexts& texts,
                                std::string_view decimalSeparator) {
    SectionInputs read;
    for (size_t i = 0; i < shape.dimensionNames.size(); ++i)
        read.dimensions.push_back(
            ReadInputNumber(i < texts.dimensions.size() ? texts.dimensions[i] : std::string(), decimalSeparator));
    read.axes.Dx = ReadInputNumber(texts.dx, decimalSeparator);
    read.axes.Dy = ReadInputNumber(texts.dy, decimalSeparator);
    read.axes.theta = ReadInputNumber(texts.theta, decimalSeparator);
    return read;
}

}  // namespace baricor
