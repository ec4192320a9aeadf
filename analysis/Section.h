#pragma once
// What one kind of section is: the names of its dimensions, its formulas, the
// geometry behind its derived properties, and the dimensions it starts from.
// One generic recalculation serves every shape from this description; how a
// window shows a shape is no part of it.

#include <string>
#include <vector>

namespace baricor {

// The figures a recalculation gives: the static moments, the second moments
// and product of inertia about the user's axes, the area, and the centroid's
// distances from the outer faces.
enum class Quantity { Sx, Sy, Jx, Jy, Jxy, A, xG, yG };

// A quantity's symbol ("Sx", "Jxy", "A", "xG") and unit ("[mm^3]"; empty for
// the centroid coordinates).
const char* QuantitySymbol(Quantity quantity);
const char* QuantityUnit(Quantity quantity);

// What a shape's formulas give: the area, the centroidal second moments and
// product of inertia, and the centroid's distances from the outer faces where
// the shape measures them (left at 0 otherwise).
struct SectionProperties {
    double A = 0.0;
    double Jx0 = 0.0;
    double Jy0 = 0.0;
    double Jxy0 = 0.0;
    double xG = 0.0;
    double yG = 0.0;
};

// The shape's dimensions in the order of its dimension names.
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

struct SectionShape {
    std::vector<std::string> dimensionNames;  // "a", "b", "t1", "t2": what the formulas call them
    Dimensions loadDimensions;                // the built-in dimensions a new section starts from
    bool measuresXG = false;                  // xG is one of its results
    bool measuresYG = false;                  // yG is one of its results
    // Errore2 when Jx0 < 0 or Jy0 < 0. It stays with the shape because it is
    // about the section's own moments: only shapes whose dimensions can make a
    // moment negative check it.
    bool hasValidityTest = false;
    SectionFormulas formulas = nullptr;
    // The geometry behind the derived properties: which dimensions make a
    // section, its extreme fibres, and its outline.
    DrawableTest drawable = nullptr;
    FibreDistances extremeFibres = nullptr;
    OutlineGeometry outline = nullptr;
};

// What a recalculation of `shape` gives, in this order: Sx, Sy, Jx, Jy, Jxy,
// A, then xG and yG where the shape measures them.
std::vector<Quantity> ResultQuantities(const SectionShape& shape);

}  // namespace baricor
