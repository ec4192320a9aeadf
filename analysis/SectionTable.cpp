#include "SectionTable.h"

#include <cstdio>

namespace baricor {
namespace {

const char* QuantityLabel(Quantity quantity) {
    switch (quantity) {
        case Quantity::Sx:
            return "Sx";
        case Quantity::Sy:
            return "Sy";
        case Quantity::Jx:
            return "Jx";
        case Quantity::Jy:
            return "Jy";
        case Quantity::Jxy:
            return "Jxy";
        case Quantity::A:
            return "A";
        case Quantity::xG:
            return "xG";
        case Quantity::yG:
            return "yG";
    }
    return "";
}

const char* QuantityUnit(Quantity quantity) {
    switch (quantity) {
        case Quantity::Sx:
        case Quantity::Sy:
            return "[mm^3]";
        case Quantity::Jx:
        case Quantity::Jy:
        case Quantity::Jxy:
            return "[mm^4]";
        case Quantity::A:
            return "[mm^2]";
        case Quantity::xG:
        case Quantity::yG:
            return "";
    }
    return "";
}

}  // namespace

InputField DimensionRow(const DimensionColumns& c, int top, const char* label, const char* labelControl,
                        const char* control, const char* unitControl, const char* defaultText) {
    InputField field;
    field.row = {control,
                 label,
                 labelControl,
                 "[mm]",
                 unitControl,
                 {c.labelLeft, top, c.labelWidth, 255},
                 {c.fieldLeft, top, c.fieldWidth, 285},
                 {c.unitLeft, top, c.unitWidth, 255}};
    field.defaultText = defaultText;
    field.role = InputRole::Dimension;
    return field;
}

std::vector<InputField> TransformRows(const ControlNames& dx, const ControlNames& dy, const ControlNames& theta) {
    struct TransformRow {
        const ControlNames& names;
        const char* label;
        const char* unit;
        int top;
        int unitHeight;
        InputRole role;
    };
    const TransformRow rows[] = {{dx, "Dx", "[mm]", 360, 255, InputRole::Dx},
                            {dy, "Dy", "[mm]", 720, 255, InputRole::Dy},
                            {theta, "θ", "[deg]", 1080, 375, InputRole::Theta}};
    std::vector<InputField> fields;
    for (const TransformRow& r : rows) {
        InputField field;
        field.row = {r.names.field,          r.label,
                     r.names.label,          r.unit,
                     r.names.unit,           {360, r.top, 375, 255},
                     {720, r.top, 735, 285}, {1560, r.top, 375, r.unitHeight}};
        field.defaultText = "0";
        field.role = r.role;
        fields.push_back(field);
    }
    return fields;
}

ResultField ResultRow(const ResultColumns& c, int top, Quantity quantity, const char* labelControl, const char* control,
                      const char* unitControl) {
    ResultField field;
    field.row = {control,
                 QuantityLabel(quantity),
                 labelControl,
                 QuantityUnit(quantity),
                 unitControl,
                 {c.labelLeft, top, 615, 375},
                 {c.fieldLeft, top, 1575, 285},
                 {c.unitLeft, top, 615, 255}};
    field.quantity = quantity;
    return field;
}

std::vector<ResultField> SectionResultRows(const ResultColumns& columns, int top,
                                           const std::array<ControlNames, 6>& names) {
    const Quantity quantities[] = {Quantity::Sx, Quantity::Sy, Quantity::Jx, Quantity::Jy, Quantity::Jxy, Quantity::A};
    const int offsets[] = {0, 360, 840, 1200, 1560, 2040};
    std::vector<ResultField> rows;
    for (size_t i = 0; i < names.size(); ++i)
        rows.push_back(
            ResultRow(columns, top + offsets[i], quantities[i], names[i].label, names[i].field, names[i].unit));
    return rows;
}

ResultField CentroidRow(Quantity quantity, const char* labelControl, TwipRect labelRect, const char* control,
                        TwipRect fieldRect) {
    ResultField field;
    field.row = {control, QuantityLabel(quantity), labelControl, "", "", labelRect, fieldRect, {}};
    field.quantity = quantity;
    return field;
}

std::string SectionPicturePath(const ShapeUnit& shape) {
    char name[40];
    std::snprintf(name, sizeof name, "Immagini/trave%02dA.jpg", shape.number);
    return name;
}

std::string TransformPicturePath(const ShapeUnit& shape) {
    char name[40];
    std::snprintf(name, sizeof name, "Immagini/trave%02dB.jpg", shape.number);
    return name;
}

Frame DataFrame(TwipRect rect) { return {"Frame1", "Dati", rect}; }
Frame TransformFrame(TwipRect rect) { return {"Frame2", "Traslazione e Rotazione", rect}; }

}  // namespace baricor
