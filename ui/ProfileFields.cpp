#include "ProfileFields.h"

#include <charconv>
#include <string>

#include "ResultFormat.h"

unsigned ShapeBit(baricor::ProfileShape shape) {
    switch (shape) {
        case baricor::ProfileShape::I: return kIShapes;
        case baricor::ProfileShape::Channel: return kChannels;
        case baricor::ProfileShape::Angle: return kAngles;
    }
    return 0;
}

QString DimensionText(double millimetres, std::string_view decimalSeparator) {
    char digits[64];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, millimetres, std::chars_format::fixed);
    if (end.ec != std::errc()) return QString();
    std::string text(digits, end.ptr);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return QString::fromStdString(text);
}

QString ProfileFieldText(const ProfileField& field, const baricor::Profile& profile,
                         const baricor::ProfileProperties& properties, std::string_view decimalSeparator,
                         std::string_view resultFormat) {
    if (!Shows(field, profile.shape)) return QString();
    switch (field.text) {
        case ProfileText::Dimension:
            return DimensionText(profile.dimensions[size_t(field.dimension)], decimalSeparator);
        case ProfileText::Result:
            return QString::fromStdString(baricor::FormatValue(properties.*field.value, resultFormat, decimalSeparator));
        case ProfileText::Fixed:
            return QString::fromStdString(
                baricor::FormatValue(properties.*field.value, baricor::CentroidFormat, decimalSeparator));
    }
    return QString();
}
