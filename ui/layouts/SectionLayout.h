#pragma once
// How a section window shows one shape: where its controls stand (in twips),
// their names, captions and default texts, its pictures. The shape itself (its
// dimensions and formulas) is analysis; this is only the window's description.
// Plain C++, so that the tables can be read without a toolkit.

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "Section.h"
#include "SectionInputs.h"
#include "TwipRect.h"

namespace baricor {

// A labelled control: name label, field, unit label. unitControl and unit are
// empty where the row has no unit (the centroid coordinates).
struct FieldRow {
    std::string control;       // "Text1"
    std::string label;         // "a", "Dx", "θ", "Sx", "xG"
    std::string labelControl;  // "Label1"
    std::string unit;          // "[mm]", "[deg]", "[mm^4]", or empty
    std::string unitControl;   // "Label6", or empty
    TwipRect labelRect;
    TwipRect fieldRect;
    TwipRect unitRect;
};

enum class InputRole { Dimension, Dx, Dy, Theta };

struct InputField {
    FieldRow row;
    std::string defaultText;
    InputRole role = InputRole::Dimension;
};

struct ResultField {
    FieldRow row;
    Quantity quantity = Quantity::A;
};

struct Frame {
    std::string control;  // "Frame1"
    std::string caption;  // "Dati"
    TwipRect rect;
};

struct SectionLayout {
    const SectionShape* shape = nullptr;  // what the window computes
    int number = 0;            // its place in AllShapes(), from 1: the N of TraveN, the NN of traveNNA.jpg
    std::string window;        // "Trave1"
    std::string caption;       // "Trave1 - Rettangolare"
    int clientWidth = 0;       // twips
    int clientHeight = 0;
    TwipRect picture;          // Picture1
    std::string diagram;       // the built-in picture, e.g. "diagrams/rectangle.jpg"
    std::string button;        // the main window's button picture, e.g. "buttons/rectangle.bmp"
    std::string diagramDescription;  // what the diagram and picture A show, for screen readers
    Frame dataFrame;           // "Dati": the dimension fields
    Frame transformFrame;      // "Traslazione e Rotazione": Dx, Dy, theta
    std::vector<InputField> inputs;    // in reading and tab order
    std::vector<ResultField> results;  // in writing order
    TwipRect menuButton;       // Command2 "Menu"
    TwipRect closeButton;      // Command1 "Chiudi"
};

// The window table of `shape` (every shape of AllShapes() has one).
const SectionLayout& LayoutOf(const SectionShape& shape);
// The window of the shape at place `number` of AllShapes(), counting from 1,
// or nullptr outside 1 to AllShapes().size().
const SectionLayout* LayoutByNumber(int number);

// Every shape's window table, in the order of AllShapes().
std::vector<const SectionLayout*> AllLayouts();

// What the analysis reads from a window's input texts, given in the order of
// layout.inputs (a missing one is empty).
SectionTexts SectionTextsOf(const SectionLayout& layout, const std::vector<std::string>& fieldTexts);
// The other way: the input texts in the order of layout.inputs (a missing
// dimension text is empty).
std::vector<std::string> FieldTextsOf(const SectionLayout& layout, const SectionTexts& texts);

// The window tables, one per shape.
SectionLayout RectangleLayout();
SectionLayout CircleLayout();
SectionLayout RectangularTubeLayout();
SectionLayout RingLayout();
SectionLayout LLayout();
SectionLayout TLayout();
SectionLayout DoubleTLayout();
SectionLayout CLayout();

// "Immagini/trave01A.jpg": picture A (the section and its dimensions) or B (the
// translated and rotated axes), relative to the working folder.
std::string SectionPicturePath(const SectionLayout& layout);
std::string TransformPicturePath(const SectionLayout& layout);

// Builders that keep each window table as short as the layout it describes:
// the rows of a window differ only in names, tops and a few columns.

// Columns of the dimension rows inside the frame "Dati" (left and width of the
// name label, the field and the unit label; all rows are 255/285/255 high).
struct DimensionColumns {
    int labelLeft, labelWidth;
    int fieldLeft, fieldWidth;
    int unitLeft, unitWidth;
};

// One dimension row: its top, control names and default text; its name label
// is the shape's name of that dimension.
struct DimensionRowNames {
    int top;
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
// inside "Dati" (one per dimension of the shape, in its order), then Dx, Dy
// and theta.
std::vector<InputField> InputRows(const SectionLayout& layout, const DimensionColumns& columns,
                                  std::initializer_list<DimensionRowNames> dimensions, const TransformNames& transform);

// The result column on the right: name label 615 x 375, field 1575 x 285, unit
// label 615 x 255, with rows Sx, Sy, Jx, Jy, Jxy, A at tops given per window.
struct ResultColumns {
    int labelLeft, fieldLeft, unitLeft;
};
// The six section results Sx, Sy, Jx, Jy, Jxy and A, the first at `top` and the
// others 360, 840, 1200, 1560 and 2040 twips below it, as every window has them.
std::vector<ResultField> SectionResultRows(const ResultColumns& columns, int top,
                                           const std::array<ControlNames, 6>& names);

// A centroid coordinate (xG or yG): name label and a short field, no unit.
ResultField CentroidRow(Quantity quantity, const char* labelControl, TwipRect labelRect, const char* control,
                        TwipRect fieldRect);

Frame DataFrame(TwipRect rect);
Frame TransformFrame(TwipRect rect);

// What a window takes from its shape's place N in AllShapes() alone: its name
// "TraveN" and caption "TraveN - " + `captionShape`, the common client area,
// and its built-in diagram and button picture, named `pictureName`.
SectionLayout SectionWindowFrame(const SectionShape& shape, const char* captionShape, const char* pictureName,
                                 const char* diagramFormat = "jpg");

// "Menu" and "Chiudi" side by side at the bottom right, "Menu" first; only
// their left edges differ between windows.
void PlaceButtons(SectionLayout& layout, int menuLeft, int closeLeft);

}  // namespace baricor
