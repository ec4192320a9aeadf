#pragma once
// A built-up section: parts, each a section shape or a rolled profile placed
// by its own Dx, Dy and theta, referred to common axes. Each part contributes
// exactly what its section window shows for the same texts (its formulas, then
// the turn and shift of the axes with the clean-up of Jxy), summed in part
// order, a hole's values subtracted; from the sums, the composite centroid and
// its derived properties.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AxisTransform.h"
#include "DerivedProperties.h"
#include "NumericText.h"
#include "Section.h"
#include "SectionInputs.h"
#include "geometry/Region.h"
#include "profiles/ProfileCatalogue.h"

namespace baricor {

// What a part is: one of the shapes of AllShapes() or a size of the profile
// catalogue (neither when its shape is unknown).
struct PartShape {
    const SectionShape* section = nullptr;
    const Profile* profile = nullptr;
    bool operator==(const PartShape& other) const {
        return section == other.section && profile == other.profile;
    }
    bool operator!=(const PartShape& other) const { return !(*this == other); }
};

// One part as the user typed it: its texts exactly as its section window
// holds them. A profile's dimensions are the catalogue's, so it has no
// dimension texts, only Dx, Dy and theta.
struct CompositePart {
    PartShape shape;
    SectionTexts texts;
    bool hole = false;

    bool operator==(const CompositePart& other) const {
        return shape == other.shape && texts == other.texts && hole == other.hole;
    }
    bool operator!=(const CompositePart& other) const { return !(*this == other); }
};

// The most parts a composite takes: the window adds no more, a file holds no more.
inline constexpr size_t kMaxCompositeParts = 1000;

// One cell of a part: its shape, a dimension (by its place among the shape's
// dimension names), or one of the texts that place the axes.
struct PartCell {
    enum Kind { Shape, Dimension, Dx, Dy, Theta } kind = Dimension;
    size_t dimension = 0;
    bool operator==(const PartCell& other) const {
        return kind == other.kind && (kind != Dimension || dimension == other.dimension);
    }
};
// The cells the user types into, in reading order: the shape's dimensions
// (none for a profile), then Dx, Dy and theta.
std::vector<PartCell> EditableCells(const PartShape& shape);
// The text of a cell (empty where the part has none), and where to write it.
const std::string& TextOf(const CompositePart& part, const PartCell& cell);
std::string* TextIn(CompositePart& part, const PartCell& cell);

// A part placed in the common frame (the diagrams' frame of the common axes:
// x positive to the left, y positive downwards).
struct PlacedPart {
    // Its region, where its dimensions make one that can be drawn; shared, so
    // that a part that did not change is the same region from one analysis to
    // the next.
    std::shared_ptr<const geometry::Region> region;
    geometry::Box box;  // the region's extent, where it has one
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
    // The first cell that is not a number, or whose shape is unknown.
    struct BadCell {
        size_t part = 0;
        PartCell cell;
    };
    std::optional<BadCell> badCell;
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

// The same analysis, keeping what each part gave: a part whose shape, texts,
// hole flag and separators are those of a part of the last analysis is not
// worked out again, and neither is the area two such parts share. What it
// gives is exactly what AnalyseComposite gives.
class CompositeAnalyser {
public:
    CompositeAnalyser();
    ~CompositeAnalyser();
    CompositeAnalyser(const CompositeAnalyser&) = delete;
    CompositeAnalyser& operator=(const CompositeAnalyser&) = delete;

    CompositeAnalysis Analyse(const std::vector<CompositePart>& parts, const RegionalSeparators& separators);

    // How many parts the last analysis worked out anew (the others were kept).
    size_t PartsWorkedOut() const { return partsWorkedOut_; }

    // What it keeps between analyses.
    struct Memory;

private:
    std::unique_ptr<Memory> memory_;
    size_t partsWorkedOut_ = 0;
};

// A part's values, read from its texts as its window reads them (no check); none
// where its window would be blank.
std::optional<PartValues> PartValuesOf(const CompositePart& part, std::string_view decimalSeparator);

// The composite's texts: kCompositeResults order, then kDerivedFields order;
// every text of a group empty where its values are not defined.
enum class CompositeQuantity { Sx, Sy, Jx, Jy, Jxy, A, xG, yG };
inline constexpr CompositeQuantity kCompositeResults[] = {CompositeQuantity::Sx, CompositeQuantity::Sy,
                                                          CompositeQuantity::Jx, CompositeQuantity::Jy,
                                                          CompositeQuantity::Jxy, CompositeQuantity::A,
                                                          CompositeQuantity::xG, CompositeQuantity::yG};
struct CompositeTexts {
    std::vector<std::string> results;  // kCompositeResults order
    std::vector<std::string> derived;  // the first kElasticDerivedFieldCount of kDerivedFields, in order
};
CompositeTexts CompositeTextsOf(const CompositeAnalysis& analysis, std::string_view decimalSeparator,
                                std::string_view resultFormat);

}  // namespace baricor
