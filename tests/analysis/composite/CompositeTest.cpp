// The composite's sums, centroid, derived values and warnings, against
// figures worked out by hand with the parallel-axis rule, and against what the
// section and derived windows show for the same texts.
#include "composite/Composite.h"

#include <gtest/gtest.h>

#include <cmath>

#include "DerivedProperties.h"
#include "Recalculate.h"
#include "ResultFormat.h"
#include "Shapes.h"
#include "geometry/Moments.h"

namespace baricor {
namespace {

const RegionalSeparators kPoint{".", ","};
constexpr std::string_view kSix = "0.00000E+00";

// A part of window TraveN with its default texts, then `texts` by label.
CompositePart Part(int window, std::vector<std::pair<std::string, std::string>> texts = {}, bool hole = false) {
    const ShapeUnit& shape = *ShapeByNumber(window);
    CompositePart part = DefaultPart(shape.window);
    for (const auto& [label, text] : texts) {
        for (const InputField& input : shape.inputs) {
            if (input.row.label == label) part.fields[input.row.control] = text;
        }
    }
    part.hole = hole;
    return part;
}

CompositePart ProfilePart(const std::string& name, const std::string& dx, const std::string& dy,
                          const std::string& theta) {
    CompositePart part = DefaultPart(name);
    part.fields[kProfileDx] = dx;
    part.fields[kProfileDy] = dy;
    part.fields[kProfileTheta] = theta;
    return part;
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

        const ShapeUnit& tube = RectangularTubeSection();
        const CompositePart tubePart = Part(3, axes);
        std::vector<std::string> inputs;
        for (const InputField& input : tube.inputs) inputs.push_back(tubePart.fields.at(input.row.control));
        const RecalcOutcome window = Recalculate(tube, inputs, ".", kSix);
        ASSERT_TRUE(window.hasResult);
        for (size_t i = 0; i < tube.results.size(); ++i) {
            const Quantity q = tube.results[i].quantity;
            EXPECT_EQ(texts.results.at(size_t(q)), window.texts[i]) << tube.results[i].row.label;
        }
        EXPECT_EQ(a.warning.kind, CompositeWarning::None);
        if (axes.empty()) {
            EXPECT_EQ(texts.derived, DerivedTexts(DeriveSection(tube, inputs, "."), ".", kSix));
        }
    }
}

// One part alone is what its section window shows, whatever the axes, and
// with the common axes through its G what its derived window shows.
TEST(Composite, OnePartAloneIsItsWindows) {
    const std::vector<std::vector<std::pair<std::string, std::string>>> placements = {
        {}, {{"Dx", "12.5"}, {"Dy", "-40"}}, {{"Dx", "-7"}, {"Dy", "3.25"}, {"θ", "35"}}, {{"θ", "-120"}}};
    for (const ShapeUnit* shape : AllShapes()) {
        for (const auto& placement : placements) {
            const CompositePart part = Part(shape->number, placement);
            const CompositeAnalysis a = AnalyseComposite({part}, kPoint);
            const CompositeTexts texts = CompositeTextsOf(a, ".", kSix);
            std::vector<std::string> inputs;
            for (const InputField& input : shape->inputs) inputs.push_back(part.fields.at(input.row.control));
            const RecalcOutcome window = Recalculate(*shape, inputs, ".", kSix);
            ASSERT_TRUE(window.hasResult) << shape->window;
            for (size_t i = 0; i < shape->results.size(); ++i) {
                const Quantity q = shape->results[i].quantity;
                if (q == Quantity::xG || q == Quantity::yG) continue;  // the window's are from its faces
                EXPECT_EQ(texts.results.at(size_t(q)), window.texts[i])
                    << shape->window << " " << shape->results[i].row.label << " placement " << placement.size();
            }
            if (placement.empty()) {
                EXPECT_EQ(texts.derived, DerivedTexts(DeriveSection(*shape, inputs, "."), ".", kSix)) << shape->window;
            }
        }
    }
}

// Where the drawing and the extreme fibres put a part agrees with its values:
// the placed region's own moments about the common axes are its Sx, Sy, Jx,
// Jy and Jxy, so its centroid is (Sy / A, Sx / A).
TEST(Composite, PlacedRegionsHaveThePartsValues) {
    std::vector<CompositePart> parts;
    for (const ShapeUnit* shape : AllShapes()) {
        parts.push_back(Part(shape->number, {{"Dx", "12.5"}, {"Dy", "-40"}, {"θ", "35"}}));
        parts.push_back(Part(shape->number, {{"Dx", "-3"}, {"Dy", "7"}, {"θ", "-100"}}));
    }
    for (const char* profile : {"IPE 200", "UPE 200", "L 100x100x10"}) {
        parts.push_back(ProfilePart(profile, "12.5", "-40", "35"));
        parts.push_back(ProfilePart(profile, "0", "0", "0"));
    }
    for (const CompositePart& part : parts) {
        const CompositeAnalysis a = AnalyseComposite({part}, kPoint);
        ASSERT_EQ(a.placed.size(), 1u);
        ASSERT_TRUE(a.placed[0].region) << part.shape;
        const std::optional<PartValues> v = PartValuesOf(PartShapeOf(part.shape), part, ".");
        ASSERT_TRUE(v);
        const geometry::Moments m = geometry::MomentsOf(*a.placed[0].region);
        const double scale = std::sqrt(v->about.Jx + v->about.Jy);  // sqrt of a moment of inertia: mm^2 x mm
        // The circle's and the ring's formulas take pi as 3.141592, their
        // arcs are exact: 2e-7 apart.
        const double shortPi = 1e-6;
        EXPECT_NEAR(m.A, v->A, shortPi * v->A) << part.shape;
        EXPECT_NEAR(m.Sx / m.A, v->about.Sx / v->A, 1e-9 * scale / std::sqrt(v->A)) << part.shape;
        EXPECT_NEAR(m.Sy / m.A, v->about.Sy / v->A, 1e-9 * scale / std::sqrt(v->A)) << part.shape;
        EXPECT_NEAR(a.placed[0].centroid.x, v->about.Sy / v->A, 1e-9 * scale / std::sqrt(v->A)) << part.shape;
        EXPECT_NEAR(a.placed[0].centroid.y, v->about.Sx / v->A, 1e-9 * scale / std::sqrt(v->A)) << part.shape;
        EXPECT_NEAR(m.Jx, v->about.Jx, shortPi * scale * scale) << part.shape;
        EXPECT_NEAR(m.Jy, v->about.Jy, shortPi * scale * scale) << part.shape;
        // The window's clean-up zeroes a product below 1e-5 of Jx or Jy.
        EXPECT_NEAR(m.Jxy, v->about.Jxy, 2e-5 * scale * scale) << part.shape;
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
            EXPECT_EQ(a.badCell->first, 1u);
            EXPECT_EQ(a.badCell->second, "Text1");
            EXPECT_FALSE(a.totals);
            EXPECT_EQ(CompositeTextsOf(a, ".", kSix).results, std::vector<std::string>(8));
            continue;
        }
        EXPECT_FALSE(a.badCell) << c.text;
        ASSERT_TRUE(a.totals) << c.text;
        EXPECT_EQ(a.totals->A, 15000 + c.A) << c.text;
    }
    CompositePart unknown = Part(1);
    unknown.shape = "Trave9";
    const CompositeAnalysis a = AnalyseComposite({Part(1), unknown}, kPoint);
    ASSERT_TRUE(a.badCell);
    EXPECT_EQ(*a.badCell, (std::pair<size_t, std::string>{1, "shape"}));
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

}  // namespace
}  // namespace baricor
