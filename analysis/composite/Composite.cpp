#include "composite/Composite.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>

#include "Angles.h"
#include "Finite.h"
#include "PrincipalAxes.h"
#include "ResultFormat.h"
#include "SectionInputs.h"
#include "composite/CoveredArea.h"
#include "geometry/Builders.h"
#include "profiles/ProfileProperties.h"

namespace baricor {
namespace {

// What two parts may share, or a hole may leave uncovered, and still count as
// touching or wholly inside: the rounding of the parts' placements, relative
// to their areas, and the sliver a long face leaves when turned by the
// program's shortened pi (a right angle is 90.0000187 degrees, 3.3e-7 rad off:
// a face of length L sweeps L^2 x 1.6e-7), taken on the parts' boxes'
// diagonals.
constexpr double kAreaResidue = 1e-6;
constexpr double kTurnResidue = 1e-6;

// A profile's properties and region about G, worked out once: computing them
// integrates the whole outline and finds its plastic moduli, and a table may
// hold the same size many times.
struct ProfileData {
    ProfileProperties properties;
    geometry::Region region;
};
const ProfileData& DataOf(const Profile& profile) {
    static std::map<const Profile*, std::unique_ptr<ProfileData>> cache;
    std::unique_ptr<ProfileData>& slot = cache[&profile];
    if (!slot) slot.reset(new ProfileData{PropertiesOf(profile), ProfileRegion(profile)});
    return *slot;
}

const std::string kNoText;

AxisPlacement AxesOf(const CompositePart& part, std::string_view decimal) {
    return {ReadInputNumber(part.texts.dx, decimal), ReadInputNumber(part.texts.dy, decimal),
            ReadInputNumber(part.texts.theta, decimal)};
}

bool FiniteRegion(const geometry::Region& region) {
    for (const geometry::Contour& contour : region.contours) {
        for (const geometry::Piece& piece : contour) {
            if (!AllFinite({piece.from.x, piece.from.y, piece.to.x, piece.to.y, piece.centre.x, piece.centre.y,
                            piece.radius}))
                return false;
        }
    }
    return true;
}

// The part's region about its own G, where its dimensions make one.
std::optional<geometry::Region> RegionAboutG(const CompositePart& part, std::string_view decimal) {
    if (part.shape.profile) return DataOf(*part.shape.profile).region;
    const SectionShape& shape = *part.shape.section;
    const Dimensions d = ReadSectionInputs(shape, part.texts, decimal).dimensions;
    for (double dimension : d) {
        if (!std::isfinite(dimension)) return std::nullopt;
    }
    if (!shape.drawable(d)) return std::nullopt;
    geometry::Region region = geometry::RegionFromOutline(shape.outline(d, shape.formulas(d)));
    if (!FiniteRegion(region)) return std::nullopt;
    return region;
}

PlacedPart Place(const CompositePart& part, std::string_view decimal) {
    const AxisPlacement axes = AxesOf(part, decimal);
    PlacedPart placed;
    placed.hole = part.hole;
    // The turn exactly as the section windows take it.
    const double t = DegreesToRadians(axes.theta);
    const double c = std::cos(t);
    const double s = std::sin(t);
    placed.centroid = {-axes.Dx * c - axes.Dy * s, axes.Dx * s - axes.Dy * c};
    if (!AllFinite({placed.centroid.x, placed.centroid.y})) return placed;
    // The common axes are the part's turned by t about the reference origin:
    // seen from them the part turns by -t, then its G lands on the centroid.
    if (std::optional<geometry::Region> region = RegionAboutG(part, decimal)) {
        geometry::Region turned = geometry::Transformed(*region, -t, placed.centroid.x, placed.centroid.y);
        if (FiniteRegion(turned)) {
            placed.box = geometry::BoundsOf(turned);
            placed.region = std::make_shared<const geometry::Region>(std::move(turned));
        }
    }
    return placed;
}

// The first cell of the part that is not a number, or its shape when it is unknown.
std::optional<PartCell> BadCellOf(const CompositePart& part, const RegionalSeparators& separators) {
    if (!part.shape.section && !part.shape.profile) return PartCell{PartCell::Shape, 0};
    for (const PartCell& cell : EditableCells(part.shape)) {
        if (!IsNumericText(TextOf(part, cell), separators)) return cell;
    }
    return std::nullopt;
}

double Diagonal2(const geometry::Box& b) {
    return (b.xMax - b.xMin) * (b.xMax - b.xMin) + (b.yMax - b.yMin) * (b.yMax - b.yMin);
}

double Residue(const composite::FlatRegion& a, const composite::FlatRegion& b) {
    return kAreaResidue * (std::fabs(a.area) + std::fabs(b.area)) + kTurnResidue * (Diagonal2(a.box) + Diagonal2(b.box));
}

// What one part gives, worked out once for its shape, texts, hole flag and
// separators: the cell that stops it, or its placement, its values and its
// region cut into straight edges for the warnings.
struct PartResult {
    uint64_t serial = 0;  // names it in the memory of shared areas
    std::optional<PartCell> badCell;
    PlacedPart placed;
    std::optional<PartValues> values;
    std::optional<composite::FlatRegion> flat;
};

PartResult WorkOut(const CompositePart& part, const RegionalSeparators& separators) {
    PartResult r;
    r.badCell = BadCellOf(part, separators);
    if (r.badCell) return r;
    r.placed = Place(part, separators.decimal);
    r.values = PartValuesOf(part, separators.decimal);
    if (r.placed.region) r.flat = composite::Flatten(*r.placed.region);
    return r;
}

bool SameTexts(const CompositePart& a, const CompositePart& b) {
    return a.shape == b.shape && a.hole == b.hole && a.texts.dx == b.texts.dx && a.texts.dy == b.texts.dy &&
           a.texts.theta == b.texts.theta && a.texts.dimensions == b.texts.dimensions;
}

}  // namespace

struct CompositeAnalyser::Memory {
    // The parts of the last analysis, in its order, with what each gave, and
    // the separators it read them with.
    struct Kept {
        CompositePart part;
        std::shared_ptr<const PartResult> result;
    };
    std::vector<Kept> parts;
    RegionalSeparators separators;
    // The area two solid parts share, by their serials (the smaller first).
    std::map<std::pair<uint64_t, uint64_t>, double> shared;
    // The area of a hole the solid parts cover, by the serials of the hole and
    // of the solids whose boxes reach it, in part order.
    std::map<std::vector<uint64_t>, double> covered;
    uint64_t nextSerial = 1;
};

namespace {

// The first two solid parts that share more than a rounding residue, then the
// first hole not wholly inside the solid parts. Each area is taken from
// `memory` when the same parts gave it before; `next` keeps what this
// analysis used.
CompositeWarning CheckPlacement(const std::vector<std::shared_ptr<const PartResult>>& results,
                                const CompositeAnalyser::Memory& memory, CompositeAnalyser::Memory& next) {
    const auto both = [](const std::vector<bool>& in) { return in[0] && in[1]; };
    const auto solid = [&](size_t i) { return results[i]->flat && !results[i]->placed.hole; };
    for (size_t i = 0; i < results.size(); ++i) {
        if (!solid(i)) continue;
        const composite::FlatRegion& a = *results[i]->flat;
        for (size_t j = i + 1; j < results.size(); ++j) {
            if (!solid(j) || !composite::BoxesShareArea(a.box, results[j]->flat->box)) continue;
            const composite::FlatRegion& b = *results[j]->flat;
            const std::pair<uint64_t, uint64_t> key = std::minmax(results[i]->serial, results[j]->serial);
            const auto known = memory.shared.find(key);
            const double shared = known != memory.shared.end() ? known->second : composite::AreaWhere({&a, &b}, both);
            next.shared[key] = shared;
            if (shared > Residue(a, b)) return {CompositeWarning::Overlap, i, j};
        }
    }
    for (size_t h = 0; h < results.size(); ++h) {
        if (!results[h]->flat || !results[h]->placed.hole) continue;
        const composite::FlatRegion& hole = *results[h]->flat;
        std::vector<const composite::FlatRegion*> regions{&hole};
        std::vector<uint64_t> key{results[h]->serial};
        double residue = kAreaResidue * std::fabs(hole.area) + kTurnResidue * Diagonal2(hole.box);
        for (size_t i = 0; i < results.size(); ++i) {
            if (!solid(i) || !composite::BoxesShareArea(hole.box, results[i]->flat->box)) continue;
            regions.push_back(&*results[i]->flat);
            key.push_back(results[i]->serial);
            residue += Residue(hole, *results[i]->flat);
        }
        const auto known = memory.covered.find(key);
        const double covered = known != memory.covered.end()
                                   ? known->second
                                   : composite::AreaWhere(regions, [](const std::vector<bool>& in) {
                                         return in[0] && std::find(in.begin() + 1, in.end(), true) != in.end();
                                     });
        next.covered[key] = covered;
        if (std::fabs(hole.area) - covered > residue) return {CompositeWarning::HoleOutside, h, h};
    }
    return {};
}

std::optional<DerivedValues> DerivedOf(const CompositeTotals& t, const std::vector<PlacedPart>& placed) {
    if (!(t.A > 0 && t.Jx0 > 0 && t.Jy0 > 0)) return std::nullopt;
    // The extreme fibres: the solid parts' farthest points from G.
    double vx = 0.0, vy = 0.0;
    for (const PlacedPart& part : placed) {
        if (!part.region) return std::nullopt;
        if (part.hole) continue;
        const geometry::Box& box = part.box;
        vx = std::max({vx, box.yMax - t.yG, t.yG - box.yMin});
        vy = std::max({vy, box.xMax - t.xG, t.xG - box.xMin});
    }
    const DerivedValues r = ElasticDerivedValues(t.A, t.Jx0, t.Jy0, t.Jxy0, {vx, vy});
    if (!AllFinite({r.J1, r.J2, r.alpha, r.rhoX, r.rhoY, r.Wx, r.Wy, r.Jp})) return std::nullopt;
    return r;
}

}  // namespace

std::vector<PartCell> EditableCells(const PartShape& shape) {
    std::vector<PartCell> cells;
    if (!shape.section && !shape.profile) return cells;
    if (shape.section) {
        for (size_t i = 0; i < shape.section->dimensionNames.size(); ++i) cells.push_back({PartCell::Dimension, i});
    }
    for (PartCell::Kind kind : {PartCell::Dx, PartCell::Dy, PartCell::Theta}) cells.push_back({kind, 0});
    return cells;
}

const std::string& TextOf(const CompositePart& part, const PartCell& cell) {
    switch (cell.kind) {
        case PartCell::Shape: return kNoText;
        case PartCell::Dimension:
            return cell.dimension < part.texts.dimensions.size() ? part.texts.dimensions[cell.dimension] : kNoText;
        case PartCell::Dx: return part.texts.dx;
        case PartCell::Dy: return part.texts.dy;
        case PartCell::Theta: return part.texts.theta;
    }
    return kNoText;
}

std::string* TextIn(CompositePart& part, const PartCell& cell) {
    switch (cell.kind) {
        case PartCell::Shape: return nullptr;
        case PartCell::Dimension: {
            // A dimension of the part's shape that has no text yet gets an empty one.
            const size_t count = part.shape.section ? part.shape.section->dimensionNames.size() : 0;
            if (cell.dimension >= count) return nullptr;
            if (part.texts.dimensions.size() < count) part.texts.dimensions.resize(count);
            return &part.texts.dimensions[cell.dimension];
        }
        case PartCell::Dx: return &part.texts.dx;
        case PartCell::Dy: return &part.texts.dy;
        case PartCell::Theta: return &part.texts.theta;
    }
    return nullptr;
}

std::optional<PartValues> PartValuesOf(const CompositePart& part, std::string_view decimal) {
    CentroidalProperties c;
    AxisPlacement axes;
    if (part.shape.profile) {
        const ProfileProperties& p = DataOf(*part.shape.profile).properties;
        c = {p.A, p.Jx, p.Jy, p.Jxy};
        axes = AxesOf(part, decimal);
    } else if (part.shape.section) {
        // As the section window's recalculation: its formulas, the values it
        // shows defined, then the turn and shift of the axes.
        const SectionShape& shape = *part.shape.section;
        const SectionInputs read = ReadSectionInputs(shape, part.texts, decimal);
        const SectionProperties p = shape.formulas(read.dimensions);
        if (!AllFinite({p.A, p.Jx0, p.Jy0, p.Jxy0}) || (shape.measuresXG && !std::isfinite(p.xG)) ||
            (shape.measuresYG && !std::isfinite(p.yG)))
            return std::nullopt;
        c = {p.A, p.Jx0, p.Jy0, p.Jxy0};
        axes = read.axes;
    } else {
        return std::nullopt;
    }
    if (!AllFinite({c.A, c.Jx0, c.Jy0, c.Jxy0, axes.Dx, axes.Dy, axes.theta})) return std::nullopt;
    const std::optional<AxisResults> r = AxisTransform(c, axes);
    if (!r || !AllFinite({r->Sx, r->Sy, r->Jx, r->Jy, r->Jxy})) return std::nullopt;
    return PartValues{c.A, *r};
}

CompositeAnalyser::CompositeAnalyser() : memory_(new Memory) {}
CompositeAnalyser::~CompositeAnalyser() = default;

CompositeAnalysis CompositeAnalyser::Analyse(const std::vector<CompositePart>& parts,
                                             const RegionalSeparators& separators) {
    // What this analysis uses, kept for the next one; the rest is let go.
    auto next = std::make_unique<Memory>();
    next->nextSerial = memory_->nextSerial;
    next->separators = separators;
    // Other separators read every text anew.
    if (separators.decimal != memory_->separators.decimal || separators.group != memory_->separators.group)
        memory_->parts.clear();
    partsWorkedOut_ = 0;
    std::vector<std::shared_ptr<const PartResult>> results;
    results.reserve(parts.size());
    next->parts.reserve(parts.size());
    CompositeAnalysis out;
    const std::vector<Memory::Kept>& kept = memory_->parts;
    // Where the last analysis had the part before this one: after a row is
    // added, removed or moved the others are found just past it.
    size_t hint = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        std::shared_ptr<const PartResult> result;
        for (size_t n = 0; n < kept.size() && !result; ++n) {
            const size_t k = (hint + n) % kept.size();
            if (SameTexts(kept[k].part, parts[i])) {
                result = kept[k].result;
                hint = k + 1;
            }
        }
        if (!result) {
            auto fresh = std::make_shared<PartResult>(WorkOut(parts[i], separators));
            fresh->serial = next->nextSerial++;
            result = std::move(fresh);
            ++partsWorkedOut_;
        }
        next->parts.push_back({parts[i], result});
        results.push_back(result);
        if (result->badCell && !out.badCell) out.badCell = CompositeAnalysis::BadCell{i, *result->badCell};
    }
    if (out.badCell) {
        // The shared areas are kept: the parts come back as they were once the cell reads.
        next->shared = std::move(memory_->shared);
        next->covered = std::move(memory_->covered);
        memory_ = std::move(next);
        return out;
    }

    CompositeTotals t;
    for (size_t i = 0; i < parts.size(); ++i) {
        out.placed.push_back(results[i]->placed);
        const std::optional<PartValues>& v = results[i]->values;
        if (!v) {
            if (!out.undefinedPart) out.undefinedPart = i;
            continue;
        }
        // In part order, a hole's values taken away.
        const double sign = parts[i].hole ? -1.0 : 1.0;
        t.A += sign * v->A;
        t.Sx += sign * v->about.Sx;
        t.Sy += sign * v->about.Sy;
        t.Jx += sign * v->about.Jx;
        t.Jy += sign * v->about.Jy;
        t.Jxy += sign * v->about.Jxy;
    }
    out.warning = CheckPlacement(results, *memory_, *next);
    memory_ = std::move(next);
    if (out.undefinedPart || !(t.A > 0)) return out;

    t.xG = t.Sy / t.A;
    t.yG = t.Sx / t.A;
    // Parallel axes, back from the common origin to G.
    t.Jx0 = t.Jx - t.A * t.yG * t.yG;
    t.Jy0 = t.Jy - t.A * t.xG * t.xG;
    t.Jxy0 = t.Jxy - t.A * t.xG * t.yG;
    if (!AllFinite({t.A, t.Sx, t.Sy, t.Jx, t.Jy, t.Jxy, t.xG, t.yG, t.Jx0, t.Jy0, t.Jxy0})) return out;
    out.totals = t;
    out.derived = DerivedOf(t, out.placed);
    return out;
}

CompositeAnalysis AnalyseComposite(const std::vector<CompositePart>& parts, const RegionalSeparators& separators) {
    CompositeAnalyser analyser;
    return analyser.Analyse(parts, separators);
}

CompositeTexts CompositeTextsOf(const CompositeAnalysis& analysis, std::string_view decimal,
                                std::string_view resultFormat) {
    CompositeTexts texts;
    for (CompositeQuantity q : kCompositeResults) {
        if (!analysis.totals) {
            texts.results.emplace_back();
            continue;
        }
        const CompositeTotals& t = *analysis.totals;
        double value = 0.0;
        std::string_view pattern = resultFormat;
        switch (q) {
            case CompositeQuantity::Sx: value = t.Sx; break;
            case CompositeQuantity::Sy: value = t.Sy; break;
            case CompositeQuantity::Jx: value = t.Jx; break;
            case CompositeQuantity::Jy: value = t.Jy; break;
            case CompositeQuantity::Jxy: value = t.Jxy; break;
            case CompositeQuantity::A: value = t.A; break;
            case CompositeQuantity::xG: value = t.xG; pattern = CentroidFormat; break;
            case CompositeQuantity::yG: value = t.yG; pattern = CentroidFormat; break;
        }
        texts.results.push_back(FormatValue(value, pattern, decimal));
    }
    DerivedSection section;
    section.values = analysis.derived;
    texts.derived = DerivedTexts(section, decimal, resultFormat);
    texts.derived.resize(kElasticDerivedFieldCount);  // no design figures for a composite
    return texts;
}

}  // namespace baricor
