#pragma once
// Builders that keep each shape's field table as short as the layout it
// describes: the rows of a window differ only in names, tops and a few columns.

#include <array>

#include "Section.h"

namespace baricor {

// Columns of the dimension rows inside the frame "Dati" (left and width of the
// name label, the field and the unit label; all rows are 255/285/255 high).
struct DimensionColumns {
    int labelLeft, labelWidth;
    int fieldLeft, fieldWidth;
    int unitLeft, unitWidth;
};

InputField DimensionRow(const DimensionColumns& columns, int top, const char* label, const char* labelControl,
                        const char* control, const char* unitControl, const char* defaultText);

// Dx, Dy and theta inside "Traslazione e Rotazione": the same places in every
// window, only the control names differ. Each argument is {label, field, unit}.
struct ControlNames {
    const char* label;
    const char* field;
    const char* unit;
};
std::vector<InputField> TransformRows(const ControlNames& dx, const ControlNames& dy, const ControlNames& theta);

// The result column on the right: name label 615 x 375, field 1575 x 285, unit
// label 615 x 255, with rows Sx, Sy, Jx, Jy, Jxy, A at tops given per window.
struct ResultColumns {
    int labelLeft, fieldLeft, unitLeft;
};
ResultField ResultRow(const ResultColumns& columns, int top, Quantity quantity, const char* labelControl,
                      const char* control, const char* unitControl);
// The six section results Sx, Sy, Jx, Jy, Jxy and A, the first at `top` and the
// others 360, 840, 1200, 1560 and 2040 twips below it, as every window has them.
std::vector<ResultField> SectionResultRows(const ResultColumns& columns, int top,
                                           const std::array<ControlNames, 6>& names);

// A centroid coordinate (xG or yG): name label and a short field, no unit.
ResultField CentroidRow(Quantity quantity, const char* labelControl, TwipRect labelRect, const char* control,
                        TwipRect fieldRect);

Frame DataFrame(TwipRect rect);
Frame TransformFrame(TwipRect rect);

// "Menu" and "Chiudi" side by side at the bottom right, "Menu" first.
inline constexpr int kButtonWidth = 1215;
inline constexpr int kButtonHeight = 375;

}  // namespace baricor
