#include "composite/Composite.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "Finite.h"
#include "PrincipalAxes.h"
#include "ResultFormat.h"
#include "SectionInputs.h"
#include "Shapes.h"
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

bool Shows(const ShapeUnit& shape, Quantity quantity) {
    return std::any_of(shape.results.begin(), shape.results.end(),
                       [&](const ResultField& r) { return r.quantity == quantity; });
}

std::string TextOf(const CompositePart& part, const std::string& key) {
    const auto found = part.fields.find(key);
    return found == part.fields.end() ? std::string() : found->second;
}

std::vector<std::string> SectionTexts(const ShapeUnit& shape, const CompositePart& part) {
    std::vector<std::string> texts;
    for (const InputField& input : shape.inputs) texts.push_back(TextOf(part, input.row.control));
    return texts;
}

AxisPlacement ProfileAxes(const CompositePart& part, std::string_view decimal) {
    return {ReadInputNumber(TextOf(part, kProfileDx), decimal), ReadInputNumber(TextOf(part, kProfileDy), decimal),
            ReadInputNumber(TextOf(part, kProfileTheta), decimal)};
}

AxisPlacement AxesOf(const PartShape& shape, const CompositePart& part, std::string_view decimal) {
    if (shape.profile) return ProfileAxes(part, decimal);
    return ReadSectionInputs(*shape.section, SectionTexts(*shape.section, part), decimal).axes;
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
std::optional<geometry::Region> RegionAboutG(const PartShape& shape, const CompositePart& part,
                                             std::string_view decimal) {
    if (shape.profile) return DataOf(*shape.profile).region;
    const ShapeUnit& unit = *shape.section;
    const Dimensions d = ReadSectionInputs(unit, SectionTexts(unit, part), decimal).dimensions;
    for (double dimension : d) {
        if (!std::isfinite(dimension)) return std::nullopt;
    }
    if (!unit.drawable(d)) return std::nullopt;
    geometry::Region region = geometry::RegionFromOutline(unit.outline(d, unit.formulas(d)));
    if (!FiniteRegion(region)) return std::nullopt;
    return region;
}

PlacedPart Place(const PartShape& shape, const CompositePart& part, std::string_view decimal) {
    const AxisPlacement axes = AxesOf(shape, part, decimal);
    PlacedPart placed;
    placed.hole = part.hole;
    // The turn exactly as the section windows take it.
    const double t = (axes.theta * kDegreePi) / 180;
    const double c = std::cos(t);
    const double s = std::sin(t);
    placed.centroid = {-axes.Dx * c - axes.Dy * s, axes.Dx * s - axes.Dy * c};
    if (!AllFinite({placed.centroid.x, placed.centroid.y})) return placed;
    // The common axes are the part's turned by t about the reference origin:
    // seen from them the part turns by -t, then its G lands on the centroid.
    if (std::optional<geometry::Region> region = RegionAboutG(shape, part, decimal)) {
        geometry::Region turned = geometry::Transformed(*region, -t, placed.centroid.x, placed.centroid.y);
        if (FiniteRegion(turned)) placed.region = std::move(turned);
    }
    return placed;
}

double Diagonal2(const geometry::Box& b) {
    return (b.xMax - b.xMin) * (b.xMax - b.xMin) + (b.yMax - b.yMin) * (b.yMax - b.yMin);
}

double Residue(const composite::FlatRegion& a, const composite::FlatRegion& b) {
    return kAreaResidue * (std::fabs(a.area) + std::fabs(b.area)) + kTurnResidue * (Diagonal2(a.box) + Diagonal2(b.box));
}

CompositeWarning CheckPlacement(const std::vector<PlacedPart>& placed) {
    std::vector<std::optional<composite::FlatRegion>> flat(placed.size());
    for (size_t i = 0; i < placed.size(); ++i) {
        if (placed[i].region) flat[i] = composite::Flatten(*placed[i].region);
    }
    const auto both = [](const std::vector<bool>& in) { return in[0] && in[1]; };
    for (size_t i = 0; i < placed.size(); ++i) {
        if (!flat[i] || placed[i].hole) continue;
        for (size_t j = i + 1; j < placed.size(); ++j) {
            if (!flat[j] || placed[j].hole || !composite::BoxesShareArea(flat[i]->box, flat[j]->box)) continue;
            const double shared = composite::AreaWhere({&*flat[i], &*flat[j]}, both);
            if (shared > Residue(*flat[i], *flat[j])) return {CompositeWarning::Overlap, i, j};
        }
    }
    for (size_t h = 0; h < placed.size(); ++h) {
        if (!flat[h] || !placed[h].hole) continue;
        std::vector<const composite::FlatRegion*> regions{&*flat[h]};
        double residue = kAreaResidue * std::fabs(flat[h]->area) + kTurnResidue * Diagonal2(flat[h]->box);
        for (size_t i = 0; i < placed.size(); ++i) {
            if (!flat[i] || placed[i].hole || !composite::BoxesShareArea(flat[h]->box, flat[i]->box)) continue;
            regions.push_back(&*flat[i]);
            residue += Residue(*flat[h], *flat[i]);
        }
        const double covered = composite::AreaWhere(regions, [](const std::vector<bool>& in) {
            return in[0] && std::find(in.begin() + 1, in.end(), true) != in.end();
        });
        if (std::fabs(flat[h]->area) - covered > residue) return {CompositeWarning::HoleOutside, h, h};
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
        const geometry::Box box = geometry::BoundsOf(*part.region);
        vx = std::max({vx, box.yMax - t.yG, t.yG - box.yMin});
        vy = std::max({vy, box.xMax - t.xG, t.xG - box.xMin});
    }
    DerivedValues r;
    r.A = t.A;
    const PrincipalMoments principal = PrincipalMomentsOf(t.Jx0, t.Jy0, t.Jxy0);
    r.J1 = principal.J1;
    r.J2 = principal.J2;
    r.alpha = principal.alpha;
    r.rhoX = std::sqrt(t.Jx0 / t.A);
    r.rhoY = std::sqrt(t.Jy0 / t.A);
    r.Wx = t.Jx0 / vx;
    r.Wy = t.Jy0 / vy;
    r.Jp = t.Jx0 + t.Jy0;
    if (!AllFinite({r.J1, r.J2, r.alpha, r.rhoX, r.rhoY, r.Wx, r.Wy, r.Jp})) return std::nullopt;
    return r;
}

}  // namespace

PartShape PartShapeOf(const std::string& shape) {
    for (const ShapeUnit* unit : AllShapes()) {
        if (unit->window == shape) return {unit, nullptr};
    }
    return {nullptr, FindProfile(shape)};
}

std::vector<PartCell> EditableCells(const PartShape& shape) {
    std::vector<PartCell> cells;
    if (shape.section) {
        for (const InputField& input : shape.section->inputs)
            cells.push_back({input.row.control, input.row.label, input.role});
    } else if (shape.profile) {
        cells = {{kProfileDx, "Dx", InputRole::Dx}, {kProfileDy, "Dy", InputRole::Dy},
                 {kProfileTheta, "θ", InputRole::Theta}};
    }
    return cells;
}

CompositePart DefaultPart(const std::string& shape) {
    CompositePart part;
    part.shape = shape;
    const PartShape s = PartShapeOf(shape);
    if (s.section) {
        for (const InputField& input : s.section->inputs) part.fields[input.row.control] = input.defaultText;
    } else {
        for (const char* key : {kProfileDx, kProfileDy, kProfileTheta}) part.fields[key] = "0";
    }
    return part;
}

std::optional<PartValues> PartValuesOf(const PartShape& shape, const CompositePart& part,
                                       std::string_view decimal) {
    CentroidalProperties c;
    AxisPlacement axes;
    if (shape.profile) {
        const ProfileProperties& p = DataOf(*shape.profile).properties;
        c = {p.A, p.Jx, p.Jy, p.Jxy};
        axes = ProfileAxes(part, decimal);
    } else if (shape.section) {
        // As the section window's recalculation: its formulas, the values it
        // shows defined, then the turn and shift of the axes.
        const ShapeUnit& unit = *shape.section;
        const SectionInputs read = ReadSectionInputs(unit, SectionTexts(unit, part), decimal);
        const SectionProperties p = unit.formulas(read.dimensions);
        if (!AllFinite({p.A, p.Jx0, p.Jy0, p.Jxy0}) || (Shows(unit, Quantity::xG) && !std::isfinite(p.xG)) ||
            (Shows(unit, Quantity::yG) && !std::isfinite(p.yG)))
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

CompositeAnalysis AnalyseComposite(const std::vector<CompositePart>& parts, const RegionalSeparators& separators) {
    CompositeAnalysis out;
    std::vector<PartShape> shapes;
    for (size_t i = 0; i < parts.size(); ++i) {
        const PartShape shape = PartShapeOf(parts[i].shape);
        if (!shape.section && !shape.profile) {
            out.badCell = {i, "shape"};
            return out;
        }
        for (const PartCell& cell : EditableCells(shape)) {
            if (!IsNumericText(TextOf(parts[i], cell.key), separators)) {
                out.badCell = {i, cell.key};
                return out;
            }
        }
        shapes.push_back(shape);
    }

    const std::string& decimal = separators.decimal;
    CompositeTotals t;
    for (size_t i = 0; i < parts.size(); ++i) {
        out.placed.push_back(Place(shapes[i], parts[i], decimal));
        const std::optional<PartValues> v = PartValuesOf(shapes[i], parts[i], decimal);
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
    out.warning = CheckPlacement(out.placed);
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
    return texts;
}

}  // namespace baricor
