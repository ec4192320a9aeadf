#pragma once
// What one section shape is made of: its window's field table and layout, its
// formulas, and the dimensions its window loads with. One generic section window
// and one generic recalculation serve every shape from this description.

#include <string>
#include <vector>

namespace baricor {

// Left, Top, Width, Height in twips (15 twips to a pixel at 96 dpi). Controls in
// a frame are placed relative to the frame.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

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

enum class Quantity { Sx, Sy, Jx, Jy, Jxy, A, xG, yG };

struct ResultField {
    FieldRow row;
    Quantity quantity = Quantity::A;
};

struct Frame {
    std::string control;  // "Frame1"
    std::string caption;  // "Dati"
    TwipRect rect;
};

// What a shape's formulas give: the area, the centroidal second moments and
// product of inertia, and the centroid's distances from the outer faces where
// the window shows them (left at 0 otherwise).
struct SectionProperties {
    double A = 0.0;
    double Jx0 = 0.0;
    double Jy0 = 0.0;
    double Jxy0 = 0.0;
    double xG = 0.0;
    double yG = 0.0;
};

// The shape's dimensions in the order of its dimension fields.
using Dimensions = std::vector<double>;
using SectionFormulas = SectionProperties (*)(const Dimensions&);

// A point in mm about the centroid G, in the diagrams' frame: x positive to the
// left, y positive downwards.
struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

// The section's shape about G, for drawing: closed polygons (a hole is a
// polygon inside another; the region inside an odd number of them is the
// section) and circles centred on G, given by their radii.
struct SectionOutline {
    std::vector<std::vector<PlanePoint>> polygons;
    std::vector<double> circleRadii;
};

// The greatest distances from G to a point of the section, measured along y
// (vx, to the extreme fibre of bending about x) and along x (vy).
struct ExtremeFibres {
    double vx = 0.0;
    double vy = 0.0;
};

// True when the dimensions describe a section that can be drawn: outer
// dimensions greater than 0, thicknesses and holes at least 0 and no larger
// than what they are cut from. Called with finite dimensions only.
using DrawableTest = bool (*)(const Dimensions&);
// Both take the dimensions and what the shape's formulas gave for them.
using FibreDistances = ExtremeFibres (*)(const Dimensions&, const SectionProperties&);
using OutlineGeometry = SectionOutline (*)(const Dimensions&, const SectionProperties&);

struct ShapeUnit {
    int number = 0;            // 1..8, the NN of traveNNA.jpg
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
    Dimensions loadDimensions; // built-in constants equal to the default texts
    bool hasValidityTest = false;  // Errore2 when Jx0 < 0 or Jy0 < 0
    SectionFormulas formulas = nullptr;
    // The geometry behind the derived properties: which dimensions make a
    // section, its extreme fibres, and its outline.
    DrawableTest drawable = nullptr;
    FibreDistances extremeFibres = nullptr;
    OutlineGeometry outline = nullptr;
};

// "Immagini/trave01A.jpg": picture A (the section and its dimensions) or B (the
// translated and rotated axes), relative to the working folder.
std::string SectionPicturePath(const ShapeUnit& shape);
std::string TransformPicturePath(const ShapeUnit& shape);

}  // namespace baricor
