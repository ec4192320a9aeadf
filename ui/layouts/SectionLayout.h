#pragma once
// Builders that keep each shape's field table as short as the layout it
// describes: the rows of a window differ only in names, tops and a few columns.

#include <array>
#include <initializer_list>

#include "Section.h"

namespace baricor {

// Columns of the dimension rows inside the frame "Dati" (left and width of the
// name label, the field and the unit label; all rows are 255/285/255 high).
struct DimensionColumns {
    int labelLeft, labelWidth;
    int fieldLeft, fieldWidth;
    int unitLeft, unitWidth;
};

// One dimension row: its top, name label text, control names and default text.
struct DimensionRowNames {
    int top;
    const char* label;
    const char* labelControl;
    const char* control;
    const char* unitControl;
    const char* defaultText;
};

// The names of a row's three controls: {label, field, unit}.
struct ControlNames {
    const char* label;
    const char* field;
    const char* unit;
};

// Dx, Dy and theta inside "Traslazione e Rotazione": the same places in every
// window, only the control names differ.
struct TransformNames {
    ControlNames dx, dy, theta;
};
// The names of every window with four dimensions (tube, L, T, double T, C).
inline constexpr TransformNames kTransformNamesAfterFourDimensions = {
    {"Label25", "Text11", "Label26"}, {"Label23", "Text12", "Label24"}, {"Label22", "Text13", "Label21"}};

// Every input field of a window, in reading and tab order: the dimension rows
// inside "Dati", then Dx, Dy and theta.
std::vector<InputField> InputRows(const DimensionColumns& columns, std::initializer_list<DimensionRowNames> dimensions,
                                  const TransformNames& transform);

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

// What a window takes from its number alone: its name "TraveN" and caption
// "TraveN - " + `captionShape`, the common client area, and its built-in
// diagram and button picture, named `pictureName`.
ShapeUnit SectionWindowFrame(int number, const char* captionShape, const char* pictureName,
                             const char* diagramFormat = "jpg");

// "Menu" and "Chiudi" side by side at the bottom right, "Menu" first; only
// their left edges differ between windows.
void PlaceButtons(ShapeUnit& shape, int menuLeft, int closeLeft);

}  // namespace baricor
