#include "SectionLayout.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Shapes.h"

namespace baricor {
namespace {

InputField DimensionRow(const DimensionColumns& c, const DimensionRowNames& n, const std::string& label) {
    InputField field;
    field.row = {n.control,
                 label,
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

std::string PicturePath(const SectionLayout& layout, char which) {
    char name[40];
    std::snprintf(name, sizeof name, "Immagini/trave%02d%c.jpg", layout.number, which);
    return name;
}

}  // namespace

const SectionLayout& LayoutOf(const SectionShape& shape) {
    static const std::vector<SectionLayout> layouts = {RectangleLayout(), CircleLayout(), RectangularTubeLayout(),
                                                       RingLayout(),      LLayout(),      TLayout(),
                                                       DoubleTLayout(),   CLayout()};
    for (const SectionLayout& layout : layouts) {
        if (layout.shape == &shape) return layout;
    }
    std::abort();  // a shape of AllShapes() without a window table: the tests catch it first
}

const SectionLayout* LayoutByNumber(int number) {
    const SectionShape* shape = ShapeByNumber(number);
    return shape ? &LayoutOf(*shape) : nullptr;
}

std::vector<const SectionLayout*> AllLayouts() {
    std::vector<const SectionLayout*> layouts;
    for (const SectionShape* shape : AllShapes()) layouts.push_back(&LayoutOf(*shape));
    return layouts;
}

SectionTexts SectionTextsOf(const SectionLayout& layout, const std::vector<std::string>& fieldTexts) {
    SectionTexts texts;
    for (size_t i = 0; i < layout.inputs.size(); ++i) {
        const std::string text = i < fieldTexts.size() ? fieldTexts[i] : std::string();
        switch (layout.inputs[i].role) {
            case InputRole::Dimension: texts.dimensions.push_back(text); break;
            case InputRole::Dx: texts.dx = text; break;
            case InputRole::Dy: texts.dy = text; break;
            case InputRole::Theta: texts.theta = text; break;
        }
    }
    return texts;
}

std::vector<std::string> FieldTextsOf(const SectionLayout& layout, const SectionTexts& texts) {
    std::vector<std::string> fieldTexts;
    size_t dimension = 0;
    for (const InputField& input : layout.inputs) {
        switch (input.role) {
            case InputRole::Dimension:
                fieldTexts.push_back(dimension < texts.dimensions.size() ? texts.dimensions[dimension] : std::string());
                ++dimension;
                break;
            case InputRole::Dx: fieldTexts.push_back(texts.dx); break;
            case InputRole::Dy: fieldTexts.push_back(texts.dy); break;
            case InputRole::Theta: fieldTexts.push_back(texts.theta); break;
        }
    }
    return fieldTexts;
}

std::vector<InputField> InputRows(const SectionLayout& layout, const DimensionColumns& columns,
                                  std::initializer_list<DimensionRowNames> dimensions, const TransformNames& transform) {
    std::vector<InputField> fields;
    const std::vector<std::string>& labels = layout.shape->dimensionNames;
    for (const DimensionRowNames& names : dimensions)
        fields.push_back(DimensionRow(columns, names, fields.size() < labels.size() ? labels[fields.size()] : ""));

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

std::vector<ResultField> SectionResultRows(const ResultColumns& c, int top, const std::array<ControlNames, 6>& names) {
    const Quantity quantities[] = {Quantity::Sx, Quantity::Sy, Quantity::Jx, Quantity::Jy, Quantity::Jxy, Quantity::A};
    const int offsets[] = {0, 360, 840, 1200, 1560, 2040};
    std::vector<ResultField> rows;
    for (size_t i = 0; i < names.size(); ++i) {
        const int rowTop = top + offsets[i];
        ResultField field;
        field.row = {names[i].field,
                     QuantitySymbol(quantities[i]),
                     names[i].label,
                     QuantityUnit(quantities[i]),
                     names[i].unit,
                     {c.labelLeft, rowTop, 615, 375},
                     {c.fieldLeft, rowTop, 1575, 285},
                     {c.unitLeft, rowTop, 615, 255}};
        field.quantity = quantities[i];
        rows.push_back(field);
    }
    return rows;
}

ResultField CentroidRow(Quantity quantity, const char* labelControl, TwipRect labelRect, const char* control,
                        TwipRect fieldRect) {
    ResultField field;
    field.row = {control, QuantitySymbol(quantity), labelControl, "", "", labelRect, fieldRect, {}};
    field.quantity = quantity;
    return field;
}

std::string SectionPicturePath(const SectionLayout& layout) { return PicturePath(layout, 'A'); }
std::string TransformPicturePath(const SectionLayout& layout) { return PicturePath(layout, 'B'); }

Frame DataFrame(TwipRect rect) { return {"Frame1", "Dati", rect}; }
Frame TransformFrame(TwipRect rect) { return {"Frame2", "Traslazione e Rotazione", rect}; }

SectionLayout SectionWindowFrame(const SectionShape& shape, const char* captionShape, const char* pictureName,
                                 const char* diagramFormat) {
    SectionLayout s;
    s.shape = &shape;
    const std::vector<const SectionShape*>& shapes = AllShapes();
    s.number = int(std::find(shapes.begin(), shapes.end(), &shape) - shapes.begin()) + 1;
    s.window = "Trave" + std::to_string(s.number);
    s.caption = s.window + " - " + captionShape;
    s.clientWidth = 5955;
    s.clientHeight = 4830;
    s.diagram = std::string("diagrams/") + pictureName + "." + diagramFormat;
    s.button = std::string("buttons/") + pictureName + ".bmp";
    return s;
}

void PlaceButtons(SectionLayout& layout, int menuLeft, int closeLeft) {
    layout.menuButton = {menuLeft, 4320, 1215, 375};
    layout.closeButton = {closeLeft, 4320, 1215, 375};
}

}  // namespace baricor
