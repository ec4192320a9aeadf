#include "SectionTable.h"

#include <cstdio>
#include <string>

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

namespace {

InputField DimensionRow(const DimensionColumns& c, const DimensionRowNames& n) {
    InputField field;
    field.row = {n.control,
                 n.label,
                 n.labelControl,
                 "[mm]",
                 n.unitControl,
                 {c.labelLeft, n.top, c.labelWidth, 255},
                 {c.fieldLeft, n.top, c.fieldWidth, 285},
                 {c.unitLeft, n.top, c.unitWidth, 255}};
    field.defaultText = n.defaultText;
    field.role = InputRole::Dimension;
    return field;
}

}  // namespace

std::vector<InputField> InputRows(const DimensionColumns& columns, std::initializer_list<DimensionRowNames> dimensions,
                                  const TransformNames& transform) {
    std::vector<InputField> fields;
    for (const DimensionRowNames& names : dimensions) fields.push_back(DimensionRow(columns, names));

    struct TransformRow {
        const ControlNames& names;
        const char* label;
        const char* unit;
        int top;
        int unitHeight;
        InputRole role;
    };
    const TransformRow rows[] = {{transform.dx, "Dx", "[mm]", 360, 255, InputRole::Dx},
                                 {transform.dy, "Dy", "[mm]", 720, 255, InputRole::Dy},
                                 {transform.theta, "θ", "[deg]", 1080, 375, InputRole::Theta}};
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

ShapeUnit SectionWindowFrame(int number, const char* captionShape, const char* pictureName, const char* diagramFormat) {
    ShapeUnit s;
    s.number = number;
    s.window = "Trave" + std::to_string(number);
    s.caption = s.window + " - " + captionShape;
    s.clientWidth = 5955;
    s.clientHeight = 4830;
    s.diagram = std::string("diagrams/") + pictureName + "." + diagramFormat;
    s.button = std::string("buttons/") + pictureName + ".bmp";
    return s;
}

void PlaceButtons(ShapeUnit& shape, int menuLeft, int closeLeft) {
    shape.menuButton = {menuLeft, 4320, 1215, 375};
    shape.closeButton = {closeLeft, 4320, 1215, 375};
}

}  // namespace baricor
