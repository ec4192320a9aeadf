#pragma once
// A built-up section: parts, each a section shape or a rolled profile placed
// by its own Dx, Dy and theta, referred to common axes. Each part contributes
// exactly what its section window shows for the same texts (its formulas, then
// the turn and shift of the axes with the clean-up of Jxy), summed in part
// order, a hole's values subtracted; from the sums, the composite centroid and
// its derived properties.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "AxisTransform.h"
#include "DerivedProperties.h"
#include "NumericText.h"
#include "Section.h"
#include "geometry/Region.h"
#include "profiles/ProfileCatalogue.h"

namespace baricor {

// One part as the user typed it, in plain words that a saved file can hold.
struct CompositePart {
    // The section window's name ("Trave1" ... "Trave8") or a profile's name
    // ("IPE 200").
    std::string shape;
    // The texts by the section window's input object names ("Text1", ...,
    // "Text9" for its Dx, ...); a profile's by kProfileDx, kProfileDy,
    // kProfileTheta, its dimensions being the catalogue's.
    std::map<std::string, std::string> fields;
    bool hole = false;
};

inline constexpr const char* kProfileDx = "Dx";
inline constexpr const char* kProfileDy = "Dy";
inline constexpr const char* kProfileTheta = "Theta";

// What a part's shape text names: one of the eight shapes or a profile.
struct PartShape {
    const ShapeUnit* section = nullptr;
    const Profile* profile = nullptr;
};
PartShape PartShapeOf(const std::string& shape);

// One input cell of a part, as the table shows it.
struct PartCell {
    std::string key;    // the CompositePart::fields key
    std::string label;  // "a", "Dx", "θ"
    InputRole role = InputRole::Dimension;
};
// The cells the user types into, in the shape's reading order (a profile: Dx,
// Dy and theta only).
std::vector<PartCell> EditableCells(const PartShape& shape);

// A part with its shape's default texts: a section window's as it opens; a
// profile's Dx, Dy and theta at 0.
CompositePart DefaultPart(const std::string& shape);

// A part placed in the common frame (the diagrams' frame of the common axes:
// x positive to the left, y positive downwards).
struct PlacedPart {
    // Its region, where its dimensions make one that can be drawn.
    std::optional<geometry::Region> region;
    // Its centroid: (-Dx cos t - Dy sin t, Dx sin t - Dy cos t), t = theta as
    // the section windows turn it.
    geometry::Point centroid;
    bool hole = false;
};

// A part's own values about the common axes, as its window computes them.
struct PartValues {
    double A = 0.0;
    AxisResults about;
};

struct CompositeTotals {
    double A = 0.0, Sx = 0.0, Sy = 0.0, Jx = 0.0, Jy = 0.0, Jxy = 0.0;
    double xG = 0.0, yG = 0.0;              // the composite centroid, common frame
    double Jx0 = 0.0, Jy0 = 0.0, Jxy0 = 0.0;  // about G, parallel to the common axes
};

struct CompositeWarning {
    enum Kind { None, Overlap, HoleOutside } kind = None;
    size_t part = 0;   // the hole, or the first of the two solids
    size_t other = 0;  // the second solid
};

struct CompositeAnalysis {
    // The first cell (part, key) that is not a number, or whose shape is unknown
    // (key "shape").
    std::optional<std::pair<size_t, std::string>> badCell;
    // The first part that has no result of its own (its window would be blank).
    std::optional<size_t> undefinedPart;
    // Blank when there is a bad cell, an undefined part, a total area not
    // greater than 0, or a value that is not finite.
    std::optional<CompositeTotals> totals;
    // Blank unless the totals are and every part can be drawn, with the
    // centroidal moments greater than 0 and every value finite.
    std::optional<DerivedValues> derived;
    std::vector<PlacedPart> placed;  // one per part once every cell reads
    CompositeWarning warning;
};

// Every cell checked with IsNumericText and read with ReadInputNumber, as the
// section windows check and read them.
CompositeAnalysis AnalyseComposite(const std::vector<CompositePart>& parts, const RegionalSeparators& separators);

// A part's values, read from its texts as its window reads them (no check); none
// where its window would be blank.
std::optional<PartValues> PartValuesOf(const PartShape& shape, const CompositePart& part,
                                       std::string_view decimalSeparator);

// The composite's texts: kCompositeResults order, then kDerivedFields order;
// every text of a group empty where its values are not defined.
enum class CompositeQuantity { Sx, Sy, Jx, Jy, Jxy, A, xG, yG };
inline constexpr CompositeQuantity kCompositeResults[] = {CompositeQuantity::Sx, CompositeQuantity::Sy,
                                                          CompositeQuantity::Jx, CompositeQuantity::Jy,
                                                          CompositeQuantity::Jxy, CompositeQuantity::A,
                                                          CompositeQuantity::xG, CompositeQuantity::yG};
struct CompositeTexts {
    std::vector<std::string> results;  // kCompositeResults order
    std::vector<std::string> derived;  // kDerivedFields order
};
CompositeTexts CompositeTextsOf(const CompositeAnalysis& analysis, std::string_view decimalSeparator,
                                std::string_view resultFormat);

}  // namespace baricor
