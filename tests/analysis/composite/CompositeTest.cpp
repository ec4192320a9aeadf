// The composite's sums, centroid, derived values and warnings, against
// figures worked out by hand with the parallel-axis rule, and against what the
// section and derived windows show for the same texts.
#include "composite/Composite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>

#include "DerivedProperties.h"
#include "Recalculate.h"
#include "ResultFormat.h"
#include "Shapes.h"
#include "geometry/Moments.h"

namespace baricor {
namespace {

// What a composite shows of a section's derived texts: the elastic ones.
std::vector<std::string> ElasticTexts(std::vector<std::string> texts) {
    texts.resize(kElasticDerivedFieldCount);
    return texts;
}

const RegionalSeparators kPoint{".", ","};
constexpr std::string_view kSix = "0.00000E+00";

// A part of the shape at place `number` of AllShapes() with the dimensions a
// new section starts from and its axes at G, then `texts` by name ("a", "Dx", "θ").
CompositePart Part(int number, std::vector<std::pair<std::string, std::string>> texts = {}, bool hole = false) {
    const SectionShape& shape = *ShapeByNumber(number);
    CompositePart part;
    part.shape = {&shape, nullptr};
    for (double d : shape.loadDimensions) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", d);
        part.texts.dimensions.push_back(text);
    }
    part.texts.dx = part.texts.dy = part.texts.theta = "0";
    for (const auto& [name, text] : texts) {
        if (name == "Dx") part.texts.dx = text;
        if (name == "Dy") part.texts.dy = text;
        if (name == "θ") part.texts.theta = text;
        for (size_t i = 0; i < shape.dimensionNames.size(); ++i) {
            if (shape.dimensionNames[i] == name) part.texts.dimensions[i] = text;
        }
    }
    part.hole = hole;
    return part;
}

CompositePart ProfilePart(const std::string& name, const std::string& dx, const std::string& dy,
                          const std::string& theta) {
    CompositePart part;
    part.shape = {nullptr, FindProfile(name)};
    part.texts.dx = dx;
    part.texts.dy = dy;
    part.texts.theta = theta;
    return part;
}

// What a failure names: the profile, or the shape's place and dimension names.
std::string NameOf(const CompositePart& part) {
    if (part.shape.profile) return part.shape.profile->name;
    std::string name = "shape";
    if (part.shape.section) {
        for (const std::string& dimension : part.shape.section->dimensionNames) name += " " + dimension;
    }
    return name + " at " + part.texts.dx + ", " + part.texts.dy + ", " + part.texts.theta;
}

void ExpectNear(double actual, double expected, double relative, const char* what) {
    EXPECT_NEAR(actual, expected, relative * std::fabs(expected) + 1e-9) << what;
}

// Figures of whole composites, by hand.
struct CompositeFigure {
    const char* name;
    std::vector<CompositePart> parts;
    double A, Sx, Sy, Jx, Jy, xG, yG, Jx0, Jy0, J1, J2, Wx, Wy;
    double relative;  // the turns by the program's shortened pi move the last digits
};

void PrintTo(const CompositeFigure& f, std::ostream* os) { *os << f.name; }

class CompositeFigures : public ::testing::TestWithParam<CompositeFigure> {};

TEST_P(CompositeFigures, SumsCentroidAndDerivedValues) {
    const CompositeFigure& f = GetParam();
    const CompositeAnalysis a = AnalyseComposite(f.parts, kPoint);
    ASSERT_TRUE(a.totals);
    ASSERT_TRUE(a.derived);
    const double r = f.relative;
    ExpectNear(a.totals->A, f.A, r, "A");
    // A static moment of 0 is compared on the scale of the area times 100 mm.
    EXPECT_NEAR(a.totals->Sx, f.Sx, r * (std::fabs(f.Sx) + f.A * 100)) << "Sx";
    EXPECT_NEAR(a.totals->Sy, f.Sy, r * (std::fabs(f.Sy) + f.A * 100)) << "Sy";
    ExpectNear(a.totals->Jx, f.Jx, r, "Jx");
    ExpectNear(a.totals->Jy, f.Jy, r, "Jy");
    EXPECT_NEAR(a.totals->xG, f.xG, 1e-4);
    EXPECT_NEAR(a.totals->yG, f.yG, 1e-4);
    ExpectNear(a.totals->Jx0, f.Jx0, r, "Jx0");
    ExpectNear(a.totals->Jy0, f.Jy0, r, "Jy0");
    ExpectNear(a.derived->J1, f.J1, r, "J1");
    ExpectNear(a.derived->J2, f.J2, r, "J2");
    ExpectNear(a.derived->Wx, f.Wx, r, "Wx");
    ExpectNear(a.derived->Wy, f.Wy, r, "Wy");
    ExpectNear(a.derived->rhoX, std::sqrt(f.Jx0 / f.A), r, "rhoX");
    ExpectNear(a.derived->Jp, f.Jx0 + f.Jy0, r, "Jp");
    EXPECT_EQ(a.warning.kind, CompositeWarning::None);
}

// The C of the defaults (a 100, b 150, t1 20, t2 25): A 6750, G at
// xG = 234375 / 6750 from the web's back; about its mid-height axis
// Jx0 = (100 x 150^3 - 75 x 110^3) / 12 = 19806250; about the web's back
// 2 x 20 x 100^3 / 3 + 110 x 25^3 / 3 = 13906250.
const std::string kChannelG = "34.7222222222222222";
// The double T of the defaults: A 6750, Jx0 19806250 as the C, Jy0 =
// 2 x 20 x 100^3 / 12 + 110 x 25^3 / 12 = 3476562.5. A 200 x 20 plate on top,
// its G 85 above the I's: A 4000, Jx0 133333.33, Jy0 13333333.33.
// Together: A 10750, Sx = 4000 x -85, yG = -31.6279; Jx = 19806250 +
// 133333.33 + 4000 x 85^2 = 48839583.33, Jx0 = Jx - A yG^2 = 38086094.96;
// fibres: the I's bottom face 75 + 31.6279 below G, the plate's ends 100 aside.
INSTANTIATE_TEST_SUITE_P(
    ByHand, CompositeFigures,
    ::testing::Values(
        // Backs of the webs on the common y axis, the second channel turned half a turn.
        CompositeFigure{"two_channels_back_to_back",
                        {Part(8, {{"Dx", kChannelG}}), Part(8, {{"Dx", kChannelG}, {"θ", "180"}})},
                        13500, 0, 0, 39612500, 27812500, 0, 0, 39612500, 27812500, 39612500, 27812500,
                        39612500 / 75.0, 27812500 / 100.0, 1e-6},
        CompositeFigure{"plate_on_an_I",
                        {Part(7), Part(1, {{"a", "200"}, {"b", "20"}, {"Dy", "85"}})},
                        10750, -340000, 0, 48839583.333333333, 16809895.833333333, 0, -31.627906976744186,
                        38086094.961240310, 16809895.833333333, 38086094.961240310, 16809895.833333333,
                        38086094.961240310 / 106.62790697674419, 16809895.833333333 / 100, 1e-12},
        // 100 x 150 turned a quarter turn: its G at (-Dy, Dx) = (-20, 10);
        // Jx0 = 150 x 100^3 / 12 = 12500000, Jy0 = 100 x 150^3 / 12 = 28125000.
        CompositeFigure{"rectangle_turned_90",
                        {Part(1, {{"Dx", "10"}, {"Dy", "20"}, {"θ", "90"}})},
                        15000, 150000, -300000, 12500000 + 15000 * 100.0, 28125000 + 15000 * 400.0, -20, 10,
                        12500000, 28125000, 28125000, 12500000, 12500000 / 50.0, 28125000 / 75.0, 1e-6}),
    [](const ::testing::TestParamInfo<CompositeFigure>& info) { return std::string(info.param.name); });

// A tube built as its outer rectangle less a hole gives the tube window's
// figures (the tube of the defaults: a 100, b 150, walls t1 25 and t2 20).
TEST(Composite, RectangleLessHoleIsTheTube) {
    for (const std::vector<std::pair<std::string, std::string>>& axes :
         std::vector<std::vector<std::pair<std::string, std::string>>>{
             {}, {{"Dx", "12.5"}, {"Dy", "-40"}}, {{"Dx", "12.5"}, {"Dy", "-40"}, {"θ", "30"}}}) {
        std::vector<std::pair<std::string, std::string>> outer = axes, inner = axes;
        outer.insert(outer.end(), {{"a", "100"}, {"b", "150"}});
        inner.insert(inner.end(), {{"a", "60"}, {"b", "100"}});
        const CompositeAnalysis a = AnalyseComposite({Part(1, outer), Part(1, inner, true)}, kPoint);
        const CompositeTexts texts = CompositeTextsOf(a, ".", kSix);

        const SectionShape& tube = RectangularTubeSection();
        const CompositePart tubePart = Part(3, axes);
        const RecalcOutcome window = Recalculate(tube, tubePart.texts, ".", kSix);
        ASSERT_TRUE(window.hasResult);
        for (const ResultText& result : window.texts) {
            if (result.quantity == Quantity::xG || result.quantity == Quantity::yG) continue;
            EXPECT_EQ(texts.results.at(size_t(result.quantity)), result.text) << QuantitySymbol(result.quantity);
        }
        EXPECT_EQ(a.warning.kind, CompositeWarning::None);
        if (axes.empty()) {
            EXPECT_EQ(texts.derived, ElasticTexts(DerivedTexts(DeriveSection(tube, tubePart.texts, "."), ".", kSix)));
        }
    }
}

// One part alone is what its section window shows, whatever the axes, and
// with the common axes through its G what its derived window shows.
TEST(Composite, OnePartAloneIsItsWindows) {
    const std::vector<std::vector<std::pair<std::string, std::string>>> placements = {
        {}, {{"Dx", "12.5"}, {"Dy", "-40"}}, {{"Dx", "-7"}, {"Dy", "3.25"}, {"θ", "35"}}, {{"θ", "-120"}}};
    for (int number = 1; number <= int(AllShapes().size()); ++number) {
        const SectionShape& shape = *ShapeByNumber(number);
        for (const auto& placement : placements) {
            const CompositePart part = Part(number, placement);
            const CompositeAnalysis a = AnalyseComposite({part}, kPoint);
            const CompositeTexts texts = CompositeTextsOf(a, ".", kSix);
            const RecalcOutcome window = Recalculate(shape, part.texts, ".", kSix);
            ASSERT_TRUE(window.hasResult) << NameOf(part);
            for (const ResultText& result : window.texts) {
                const Quantity q = result.quantity;
                if (q == Quantity::xG || q == Quantity::yG) continue;  // the window's are from its faces
                EXPECT_EQ(texts.results.at(size_t(q)), result.text) << NameOf(part) << " " << QuantitySymbol(q);
            }
            if (placement.empty()) {
                EXPECT_EQ(texts.derived, ElasticTexts(DerivedTexts(DeriveSection(shape, part.texts, "."), ".", kSix)))
                    << NameOf(part);
            }
        }
    }
}

// Where the drawing and the extreme fibres put a part agrees with its values:
// the placed region's own moments about the common axes are its Sx, Sy, Jx,
// Jy and Jxy, so its centroid is (Sy / A, Sx / A).
TEST(Composite, PlacedRegionsHaveThePartsValues) {
    std::vector<CompositePart> parts;
    for (int number = 1; number <= int(AllShapes().size()); ++number) {
        parts.push_back(Part(number, {{"Dx", "12.5"}, {"Dy", "-40"}, {"θ", "35"}}));
        parts.push_back(Part(number, {{"Dx", "-3"}, {"Dy", "7"}, {"θ", "-100"}}));
    }
    for (const char* profile : {"IPE 200", "UPE 200", "L 100x100x10"}) {
        parts.push_back(ProfilePart(profile, "12.5", "-40", "35"));
        parts.push_back(ProfilePart(profile, "0", "0", "0"));
    }
    for (const CompositePart& part : parts) {
        const CompositeAnalysis a = AnalyseComposite({part}, kPoint);
        ASSERT_EQ(a.placed.size(), 1u);
        ASSERT_TRUE(a.placed[0].region) << NameOf(part);
        const std::optional<PartValues> v = PartValuesOf(part, ".");
        ASSERT_TRUE(v);
        const geometry::Moments m = geometry::MomentsOf(*a.placed[0].region);
        const double scale = std::sqrt(v->about.Jx + v->about.Jy);  // sqrt of a moment of inertia: mm^2 x mm
        // The circle's and the ring's formulas take pi as 3.141592, their
        // arcs are exact: 2e-7 apart.
        const double shortPi = 1e-6;
        EXPECT_NEAR(m.A, v->A, shortPi * v->A) << NameOf(part);
        EXPECT_NEAR(m.Sx / m.A, v->about.Sx / v->A, 1e-9 * scale / std::sqrt(v->A)) << NameOf(part);
        EXPECT_NEAR(m.Sy / m.A, v->about.Sy / v->A, 1e-9 * scale / std::sqrt(v->A)) << NameOf(part);
        EXPECT_NEAR(a.placed[0].centroid.x, v->about.Sy / v->A, 1e-9 * scale / std::sqrt(v->A)) << NameOf(part);
        EXPECT_NEAR(a.placed[0].centroid.y, v->about.Sx / v->A, 1e-9 * scale / std::sqrt(v->A)) << NameOf(part);
        EXPECT_NEAR(m.Jx, v->about.Jx, shortPi * scale * scale) << NameOf(part);
        EXPECT_NEAR(m.Jy, v->about.Jy, shortPi * scale * scale) << NameOf(part);
        // The window's clean-up zeroes a product below 1e-5 of Jx or Jy.
        EXPECT_NEAR(m.Jxy, v->about.Jxy, 2e-5 * scale * scale) << NameOf(part);
    }
}

// The warnings: parts that share an area, holes that reach beyond the solid.
struct PlacementCase {
    const char* name;
    std::vector<CompositePart> parts;
    CompositeWarning::Kind kind;
    size_t part;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class PlacementCases : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementCases, Warning) {
    const PlacementCase& c = GetParam();
    const CompositeAnalysis a = AnalyseComposite(c.parts, kPoint);
    EXPECT_EQ(a.warning.kind, c.kind);
    if (c.kind != CompositeWarning::None) {
        EXPECT_EQ(a.warning.part, c.part);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Placements, PlacementCases,
    ::testing::Values(
        // The plate's bottom face on the I's top face: they touch, sharing no area.
        PlacementCase{"plate_touching_an_I", {Part(7), Part(1, {{"a", "200"}, {"b", "20"}, {"Dy", "85"}})},
                      CompositeWarning::None, 0},
        // 1 mm lower, the plate sinks into the top flange: 100 x 1 mm^2 shared.
        PlacementCase{"plate_sunk_into_an_I", {Part(7), Part(1, {{"a", "200"}, {"b", "20"}, {"Dy", "84"}})},
                      CompositeWarning::Overlap, 0},
        // Two 100 x 150 rectangles side by side, one turned twice a quarter turn.
        PlacementCase{"turned_rectangles_touching",
                      {Part(1, {{"Dx", "50"}}), Part(1, {{"Dx", "50"}, {"θ", "180"}})}, CompositeWarning::None, 0},
        PlacementCase{"channels_back_to_back",
                      {Part(8, {{"Dx", kChannelG}}), Part(8, {{"Dx", kChannelG}, {"θ", "180"}})},
                      CompositeWarning::None, 0},
        // A circle of diameter 100 centred 60 beside a rectangle 100 wide: 10 mm across its edge.
        PlacementCase{"circle_across_a_rectangle_edge", {Part(1), Part(3, {{"Dy", "200"}}), Part(2, {{"Dx", "60"}})},
                      CompositeWarning::Overlap, 0},
        // A 10 x 10 hole in the middle of the 100 x 150 rectangle, then 60 off to the side.
        PlacementCase{"hole_inside", {Part(1), Part(1, {{"a", "10"}, {"b", "10"}}, true)}, CompositeWarning::None, 0},
        PlacementCase{"hole_outside", {Part(1), Part(1, {{"a", "10"}, {"b", "10"}, {"Dx", "60"}}, true)},
                      CompositeWarning::HoleOutside, 1},
        PlacementCase{"hole_half_out", {Part(1), Part(1, {{"a", "10"}, {"b", "10"}, {"Dx", "50"}}, true)},
                      CompositeWarning::HoleOutside, 1},
        // A hole across the face where two rectangles meet is inside their union.
        PlacementCase{"hole_across_two_parts",
                      {Part(1, {{"Dx", "50"}}), Part(1, {{"Dx", "-50"}}),
                       Part(1, {{"a", "10"}, {"b", "10"}}, true)},
                      CompositeWarning::None, 0},
        // A ring's hole as a circular hole in a circle: arcs against arcs.
        PlacementCase{"circle_hole_in_circle", {Part(2), Part(2, {{"d", "50"}}, true)}, CompositeWarning::None, 0}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

TEST(Composite, HoleSubtractsAndBlankWhenNoAreaIsLeft) {
    // The hole alone: total area -15000.
    EXPECT_FALSE(AnalyseComposite({Part(1, {}, true)}, kPoint).totals);
    // Equal solid and hole: 0.
    EXPECT_FALSE(AnalyseComposite({Part(1), Part(1, {}, true)}, kPoint).totals);
    EXPECT_FALSE(AnalyseComposite({}, kPoint).totals);
    const CompositeAnalysis a = AnalyseComposite({Part(1), Part(1, {{"a", "50"}}, true)}, kPoint);
    ASSERT_TRUE(a.totals);
    EXPECT_EQ(a.totals->A, 15000.0 - 7500.0);
    EXPECT_DOUBLE_EQ(a.totals->Jx, 100 * std::pow(150, 3) / 12 - 50 * std::pow(150, 3) / 12);
}

TEST(Composite, CellsReadByTheProgramsRules) {
    struct Case {
        const char* text;
        RegionalSeparators separators;
        bool reads;
        double A;
    };
    const Case cases[] = {{"200", kPoint, true, 30000},    {"1,5", {",", "."}, true, 225},
                          {"1.5", {",", "."}, true, 225},  {"1,500", kPoint, false, 0},
                          {"abc", kPoint, false, 0},       {"", kPoint, false, 0},
                          {" 2e2 ", kPoint, true, 30000}, {"1e400", kPoint, false, 0}};
    for (const Case& c : cases) {
        const CompositeAnalysis a = AnalyseComposite({Part(1), Part(1, {{"a", c.text}})}, c.separators);
        if (!c.reads) {
            ASSERT_TRUE(a.badCell) << c.text;
            EXPECT_EQ(a.badCell->part, 1u);
            EXPECT_TRUE(a.badCell->cell == (PartCell{PartCell::Dimension, 0}));
            EXPECT_FALSE(a.totals);
            EXPECT_EQ(CompositeTextsOf(a, ".", kSix).results, std::vector<std::string>(8));
            continue;
        }
        EXPECT_FALSE(a.badCell) << c.text;
        ASSERT_TRUE(a.totals) << c.text;
        EXPECT_EQ(a.totals->A, 15000 + c.A) << c.text;
    }
    CompositePart unknown = Part(1);
    unknown.shape = {};
    const CompositeAnalysis a = AnalyseComposite({Part(1), unknown}, kPoint);
    ASSERT_TRUE(a.badCell);
    EXPECT_EQ(a.badCell->part, 1u);
    EXPECT_EQ(a.badCell->cell.kind, PartCell::Shape);
}

TEST(Composite, PartWithoutResultBlanksTheTotals) {
    // A zero width: its window has no result (Jx = 0), and neither has the composite.
    const CompositeAnalysis a = AnalyseComposite({Part(1), Part(1, {{"a", "0"}}), Part(1, {{"a", "0"}})}, kPoint);
    EXPECT_FALSE(a.totals);
    ASSERT_TRUE(a.undefinedPart);
    EXPECT_EQ(*a.undefinedPart, 1u);
    // Thicker flanges than the C is tall: values, but nothing to draw, so no fibres.
    const CompositeAnalysis c = AnalyseComposite({Part(8, {{"t1", "80"}})}, kPoint);
    EXPECT_TRUE(c.totals);
    EXPECT_FALSE(c.placed.at(0).region);
    EXPECT_FALSE(c.derived);
}

TEST(Composite, ProfilePartIsItsCatalogueValuesPlaced) {
    const Profile& ipe = *FindProfile("IPE 200");
    const CompositeAnalysis a = AnalyseComposite({ProfilePart("IPE 200", "0", "-100", "0")}, kPoint);
    ASSERT_TRUE(a.totals);
    // IPE 200: A 2848.41, Jx 1.94317E+07; its G 100 below the axis through the top face.
    EXPECT_EQ(FormatValue(a.totals->A, kSix, "."), "2.84841E+03");
    EXPECT_NEAR(a.totals->yG, 100, 1e-9);
    EXPECT_NEAR(a.totals->Jx0, 1.94317e7, 1e2);
    EXPECT_NEAR(a.totals->Jx, a.totals->Jx0 + a.totals->A * 1e4, 1e-6 * a.totals->Jx);
    // The I's depth h: top fibre 0, bottom 200 from the common axis.
    ASSERT_TRUE(a.derived);
    EXPECT_NEAR(a.derived->Wx, a.totals->Jx0 / (ipe.dimensions[0] / 2), 1e-6 * a.derived->Wx);
}

// The analyser keeps what each part gave: after every edit it gives exactly
// what a fresh analysis of the same table gives, working out only the parts
// whose shape, texts, hole flag or separators changed.
TEST(CompositeAnalyser, EachEditGivesWhatAFreshAnalysisGives) {
    struct Step {
        const char* edit;
        std::function<void(std::vector<CompositePart>&, RegionalSeparators&)> change;
        size_t workedOut;
        CompositeWarning::Kind warning;
    };
    const Step steps[] = {
        {"a plate on an I with a small hole in the I", [](auto&, auto&) {}, 3, CompositeWarning::None},
        {"the plate wider", [](auto& p, auto&) { p[1].texts.dimensions[0] = "210"; }, 1, CompositeWarning::None},
        {"nothing changed", [](auto&, auto&) {}, 0, CompositeWarning::None},
        // The hole made solid: it now shares its area with the I's web.
        {"the hole made solid", [](auto& p, auto&) { p[2].hole = false; }, 1, CompositeWarning::Overlap},
        {"the comma as decimal separator", [](auto&, auto& s) { s = {",", "."}; }, 3, CompositeWarning::Overlap},
        {"the I's Dx not a number", [](auto& p, auto&) { p[0].texts.dx = "1x"; }, 1, CompositeWarning::None},
        {"the I's Dx put right", [](auto& p, auto&) { p[0].texts.dx = "0"; }, 1, CompositeWarning::Overlap},
        {"the small part a hole again", [](auto& p, auto&) { p[2].hole = true; }, 1, CompositeWarning::None},
        // The plate sinks 1 mm into the I's top flange.
        {"the plate lower", [](auto& p, auto&) { p[1].texts.dy = "84"; }, 1, CompositeWarning::Overlap},
        {"the plate back on top", [](auto& p, auto&) { p[1].texts.dy = "85"; }, 1, CompositeWarning::None},
        {"the I removed", [](auto& p, auto&) { p.erase(p.begin()); }, 0, CompositeWarning::HoleOutside},
        {"the plate duplicated", [](auto& p, auto&) { p.insert(p.begin() + 1, p[0]); }, 0, CompositeWarning::Overlap},
        // Half a turn of the axes puts the copy's G 85 below the origin, clear of the first plate.
        {"the copy turned", [](auto& p, auto&) { p[1].texts.theta = "180"; }, 1, CompositeWarning::HoleOutside},
        {"a profile added", [](auto& p, auto&) { p.push_back(ProfilePart("IPE 200", "0", "300", "0")); }, 1,
         CompositeWarning::HoleOutside},
    };
    std::vector<CompositePart> parts = {Part(7), Part(1, {{"a", "200"}, {"b", "20"}, {"Dy", "85"}}),
                                        Part(1, {{"a", "10"}, {"b", "10"}}, true)};
    RegionalSeparators separators = kPoint;
    CompositeAnalyser analyser;
    for (const Step& step : steps) {
        step.change(parts, separators);
        const CompositeAnalysis kept = analyser.Analyse(parts, separators);
        const CompositeAnalysis fresh = AnalyseComposite(parts, separators);
        EXPECT_EQ(analyser.PartsWorkedOut(), step.workedOut) << step.edit;
        EXPECT_EQ(kept.warning.kind, step.warning) << step.edit;
        EXPECT_EQ(kept.warning.kind, fresh.warning.kind) << step.edit;
        EXPECT_EQ(kept.warning.part, fresh.warning.part) << step.edit;
        EXPECT_EQ(kept.warning.other, fresh.warning.other) << step.edit;
        EXPECT_EQ(kept.badCell.has_value(), fresh.badCell.has_value()) << step.edit;
        if (kept.badCell && fresh.badCell) {
            EXPECT_EQ(kept.badCell->part, fresh.badCell->part) << step.edit;
            EXPECT_TRUE(kept.badCell->cell == fresh.badCell->cell) << step.edit;
        }
        EXPECT_EQ(kept.undefinedPart, fresh.undefinedPart) << step.edit;
        const CompositeTexts keptTexts = CompositeTextsOf(kept, separators.decimal, kSix);
        const CompositeTexts freshTexts = CompositeTextsOf(fresh, separators.decimal, kSix);
        EXPECT_EQ(keptTexts.results, freshTexts.results) << step.edit;
        EXPECT_EQ(keptTexts.derived, freshTexts.derived) << step.edit;
        ASSERT_EQ(kept.placed.size(), fresh.placed.size()) << step.edit;
        for (size_t i = 0; i < kept.placed.size(); ++i) {
            EXPECT_EQ(kept.placed[i].hole, fresh.placed[i].hole) << step.edit << " part " << i;
            EXPECT_EQ(kept.placed[i].centroid.x, fresh.placed[i].centroid.x) << step.edit << " part " << i;
            EXPECT_EQ(kept.placed[i].centroid.y, fresh.placed[i].centroid.y) << step.edit << " part " << i;
            ASSERT_EQ(bool(kept.placed[i].region), bool(fresh.placed[i].region)) << step.edit << " part " << i;
            if (!kept.placed[i].region) continue;
            const geometry::Box k = geometry::BoundsOf(*kept.placed[i].region);
            const geometry::Box f = geometry::BoundsOf(*fresh.placed[i].region);
            EXPECT_EQ(std::vector<double>({k.xMin, k.xMax, k.yMin, k.yMax}),
                      std::vector<double>({f.xMin, f.xMax, f.yMin, f.yMax}))
                << step.edit << " part " << i;
        }
    }
}

// Which cell stops the analysis: the first of the first part that has one,
// named by what it is, so that the window can name it.
TEST(Composite, BadCellIsNamedByWhatItIs) {
    struct Case {
        const char* name;
        std::vector<CompositePart> parts;
        size_t part;
        PartCell cell;
    };
    const Case cases[] = {
        {"second dimension", {Part(1), Part(5, {{"b", "?"}, {"Dy", "?"}})}, 1, {PartCell::Dimension, 1}},
        {"Dy after good dimensions", {Part(5, {{"Dy", "1..2"}, {"θ", "x"}}), Part(1, {{"a", "y"}})}, 0,
         {PartCell::Dy, 0}},
        {"θ", {Part(2, {{"θ", ""}})}, 0, {PartCell::Theta, 0}},
        {"a profile's Dx", {Part(1), ProfilePart("HEB 140", "1,5", "0", "0")}, 1, {PartCell::Dx, 0}},
    };
    for (const Case& c : cases) {
        const CompositeAnalysis a = AnalyseComposite(c.parts, kPoint);
        ASSERT_TRUE(a.badCell) << c.name;
        EXPECT_EQ(a.badCell->part, c.part) << c.name;
        EXPECT_EQ(a.badCell->cell.kind, c.cell.kind) << c.name;
        EXPECT_EQ(a.badCell->cell.dimension, c.cell.dimension) << c.name;
    }
}

}  // namespace
}  // namespace baricor
