// The derived properties: figures worked out by hand from closed forms (the
// rectangle's W = a b^2 / 6, the circle's W = pi d^3 / 32, the L's Mohr circle
// from its two legs), the rules for where they are not defined, and the
// geometry the drawing uses checked against the shapes' own formulas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "AxisTransform.h"
#include "DerivedProperties.h"
#include "ResultFormat.h"
#include "SectionInputs.h"
#include "ShapeFigures.h"
#include "Shapes.h"

namespace baricor::testing {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

struct DerivedFigure {
    int shape = 0;
    std::string name;
    Texts inputs;    // label -> text; others keep their defaults
    Texts expected;  // derived label -> text; empty: every field blank
    bool outline = true;
    std::string pattern = "0.000E+00";
    std::string decimal = ".";
};
void PrintTo(const DerivedFigure& figure, std::ostream* os) { *os << figure.name; }

class DerivedFigures : public ::testing::TestWithParam<DerivedFigure> {};

Dimensions DimensionsOf(const SectionShape& shape, const Texts& inputs) {
    return ReadSectionInputs(shape, InputTexts(shape, inputs), ".").dimensions;
}

DerivedSection Derive(const SectionShape& shape, const Texts& inputs, const std::string& decimal = ".") {
    return DeriveSection(shape, InputTexts(shape, inputs), decimal);
}

TEST_P(DerivedFigures, ShowTheseTexts) {
    const DerivedFigure& f = GetParam();
    const SectionShape& shape = *ShapeByNumber(f.shape);
    const DerivedSection derived = Derive(shape, f.inputs, f.decimal);
    const std::vector<std::string> texts = DerivedTexts(derived, f.decimal, f.pattern);
    ASSERT_EQ(texts.size(), kDerivedFields.size());
    EXPECT_EQ(derived.outline.has_value(), f.outline);
    if (f.expected.empty()) {
        EXPECT_FALSE(derived.values);
        EXPECT_EQ(texts, std::vector<std::string>(kDerivedFields.size()));
        return;
    }
    for (const auto& [label, text] : f.expected) {
        const auto field = std::find_if(kDerivedFields.begin(), kDerivedFields.end(),
                                        [&label = label](const DerivedField& d) { return d.label == label; });
        ASSERT_NE(field, kDerivedFields.end()) << label;
        EXPECT_EQ(texts[field - kDerivedFields.begin()], text) << label;
    }
}

DerivedFigure Figure(int shape, std::string name, Texts inputs, Texts expected, bool outline = true) {
    return {shape, std::move(name), std::move(inputs), std::move(expected), outline};
}

const Texts kRectangle100x150 = {{"J1", "2.813E+07"}, {"J2", "1.250E+07"}, {"α", "0.00"},       {"ρx", "4.330E+01"},
                                 {"ρy", "2.887E+01"}, {"Wx", "3.750E+05"}, {"Wy", "2.500E+05"}, {"Jp", "4.063E+07"}};
// J = s^4 / 12 about any axis through G; the two moments the formulas give
// differ by an ulp, Jx0 the smaller, which taken at face value would turn the
// principal axes a right angle.
Texts Square(const char* moment) { return {{"J1", moment}, {"J2", moment}, {"α", "0.00"}}; }

INSTANTIATE_TEST_SUITE_P(
    EveryShape, DerivedFigures,
    ::testing::Values(
        // W = a b^2 / 6, rho = b / sqrt(12); Jx0 > Jy0 with Jxy0 = 0 leaves the axes where they are.
        Figure(1, "rectangle", {}, kRectangle100x150),
        // Jx0 < Jy0: the principal axes are turned a right angle, not -90.
        Figure(1, "wide_rectangle", {{"a", "200"}, {"b", "100"}},
               {{"J1", "6.667E+07"}, {"J2", "1.667E+07"}, {"α", "90.00"}, {"Wx", "3.333E+05"}, {"Wy", "6.667E+05"}}),
        // The user's axes change nothing, not even where they overflow the section window.
        Figure(1, "axes_ignored", {{"Dx", "10"}, {"Dy", "1e300"}, {"θ", "30"}}, kRectangle100x150),
        // W = pi d^3 / 32 with the moment's pi; rho = d / 4.
        Figure(2, "circle", {},
               {{"J1", "4.909E+06"}, {"J2", "4.909E+06"}, {"α", "0.00"}, {"ρx", "2.500E+01"}, {"ρy", "2.500E+01"},
                {"Wx", "9.817E+04"}, {"Wy", "9.817E+04"}, {"Jp", "9.817E+06"}}),
        Figure(3, "tube", {},
               {{"J1", "2.313E+07"}, {"J2", "1.070E+07"}, {"α", "0.00"}, {"ρx", "5.069E+01"}, {"ρy", "3.448E+01"},
                {"Wx", "3.083E+05"}, {"Wy", "2.140E+05"}, {"Jp", "3.383E+07"}}),
        Figure(3, "tube_walls_fill_it", {{"t1", "75"}, {"t2", "50"}}, kRectangle100x150),
        Figure(4, "ring", {},
               {{"J1", "2.898E+06"}, {"J2", "2.898E+06"}, {"α", "0.00"}, {"ρx", "3.202E+01"}, {"Wx", "5.796E+04"},
                {"Wy", "5.796E+04"}, {"Jp", "5.796E+06"}}),
        // Mohr's circle of the two legs: centre 8105468.75, radius 3906250 sqrt(2).
        Figure(5, "L", {},
               {{"J1", "1.363E+07"}, {"J2", "2.581E+06"}, {"α", "22.50"}, {"ρx", "4.621E+01"}, {"ρy", "2.732E+01"},
                {"Wx", "1.253E+05"}, {"Wy", "5.928E+04"}, {"Jp", "1.621E+07"}}),
        Figure(5, "wide_L", {{"a", "150"}, {"b", "100"}, {"t1", "20"}, {"t2", "30"}},
               {{"J1", "1.263E+07"}, {"J2", "2.691E+06"}, {"α", "63.19"}, {"Wx", "6.954E+04"}, {"Wy", "1.043E+05"}}),
        Figure(5, "L_leg_fills_it", {{"t1", "150"}}, kRectangle100x150),
        Figure(6, "T", {},
               {{"J1", "1.201E+07"}, {"J2", "2.246E+06"}, {"α", "0.00"}, {"ρy", "1.998E+01"}, {"Wx", "1.253E+05"},
                {"Wy", "4.492E+04"}, {"Jp", "1.426E+07"}}),
        Figure(6, "T_web_fills_it", {{"t2", "100"}}, kRectangle100x150),
        Figure(6, "wide_T", {{"a", "300"}, {"b", "100"}, {"t1", "20"}, {"t2", "20"}},
               {{"J1", "4.505E+07"}, {"J2", "4.211E+06"}, {"α", "90.00"}, {"Wx", "5.299E+04"}, {"Wy", "3.004E+05"}}),
        // A square built at the limits: every axis is principal.
        Figure(6, "square_T", {{"a", "3.3"}, {"b", "3.3"}, {"t1", "0.825"}, {"t2", "3.3"}}, Square("9.883E+00")),
        Figure(7, "double_T", {},
               {{"J1", "1.981E+07"}, {"J2", "3.477E+06"}, {"α", "0.00"}, {"ρx", "5.417E+01"}, {"ρy", "2.269E+01"},
                {"Wx", "2.641E+05"}, {"Wy", "6.953E+04"}, {"Jp", "2.328E+07"}}),
        Figure(7, "square_double_T", {{"a", "4.3"}, {"b", "4.3"}, {"t1", "1.075"}, {"t2", "4.3"}},
               Square("2.849E+01")),
        Figure(8, "C", {},
               {{"J1", "1.981E+07"}, {"J2", "5.768E+06"}, {"α", "0.00"}, {"ρy", "2.923E+01"}, {"Wx", "2.641E+05"},
                {"Wy", "8.836E+04"}, {"Jp", "2.557E+07"}}),
        Figure(8, "square_C", {{"a", "29.3"}, {"b", "29.3"}, {"t1", "7.325"}, {"t2", "29.3"}}, Square("6.142E+04")),
        DerivedFigure{5, "L_six_digits_decimal_comma", {}, {{"J1", "1,36297E+07"}, {"J2", "2,58120E+06"}, {"α", "22,50"}},
                      true, "0.00000E+00", ","},
        // Not a section: every field blank, the outline only where it can be drawn.
        Figure(1, "zero_width", {{"a", "0"}}, {}, false), Figure(1, "empty_width", {{"a", ""}}, {}, false),
        Figure(1, "negative_width", {{"a", "-100"}}, {}, false),
        Figure(1, "overflowing_moment", {{"a", "1e200"}}, {}, true),
        Figure(2, "underflowing_area", {{"d", "1e-200"}}, {}, true),
        Figure(3, "walls_thicker_than_half", {{"t1", "76"}}, {}, false),
        Figure(3, "negative_wall", {{"t2", "-1"}}, {}, false),
        Figure(4, "hole_larger_than_ring", {{"d2", "101"}}, {}, false),
        Figure(4, "hole_fills_ring", {{"d2", "100"}}, {}, true),
        Figure(5, "leg_thicker_than_height", {{"t1", "150.001"}}, {}, false),
        Figure(5, "no_legs", {{"t1", "0"}, {"t2", "0"}}, {}, false),
        Figure(6, "web_wider_than_flange", {{"t2", "101"}}, {}, false),
        Figure(7, "flanges_thicker_than_half", {{"t1", "76"}}, {}, false),
        Figure(8, "web_wider_than_section", {{"t2", "101"}}, {}, false),
        // Each shape's drawable limits, at the limit (drawn: the parts fill the
        // 100 x 150 rectangle) and just past it (nothing drawn, every field blank).
        Figure(1, "zero_height", {{"b", "0"}}, {}, false),
        Figure(2, "zero_diameter", {{"d", "0"}}, {}, false),
        Figure(3, "side_walls_fill_the_width", {{"t2", "50"}}, kRectangle100x150),
        Figure(3, "side_walls_just_past_half", {{"t2", "50.001"}}, {}, false),
        Figure(3, "walls_just_past_half", {{"t1", "75.001"}}, {}, false),
        Figure(4, "hole_just_past_the_ring", {{"d2", "100.001"}}, {}, false),
        Figure(5, "L_vertical_leg_fills_it", {{"t2", "100"}}, kRectangle100x150),
        Figure(5, "L_vertical_leg_past_the_width", {{"t2", "100.001"}}, {}, false),
        // One flange across the height: a flange 100 thick of 150 is a T.
        // Flange 100 x 100 about its middle 50 up, web 25 x 50 at 125: yG =
        // 656250 / 11250 = 58.33, Jx0 = 8333333 + 10000 x 8.333^2 + 260417 +
        // 1250 x 66.667^2 = 14843750; Jy0 = 8333333 + 50 x 25^3 / 12 = 8398438.
        Figure(6, "T_flange_two_thirds_of_the_height", {{"t1", "100"}},
               {{"J1", "1.484E+07"}, {"J2", "8.398E+06"}, {"α", "0.00"}}),
        Figure(6, "T_flange_fills_it", {{"t1", "150"}}, kRectangle100x150),
        Figure(6, "T_flange_past_the_height", {{"t1", "150.001"}}, {}, false),
        Figure(6, "T_web_past_the_flange", {{"t2", "100.001"}}, {}, false),
        Figure(7, "flanges_fill_it", {{"t1", "75"}}, kRectangle100x150),
        Figure(7, "flanges_just_past_half", {{"t1", "75.001"}}, {}, false),
        Figure(7, "web_fills_the_width", {{"t2", "100"}}, kRectangle100x150),
        Figure(7, "web_past_the_width", {{"t2", "100.001"}}, {}, false),
        Figure(8, "C_flanges_fill_it", {{"t1", "75"}}, kRectangle100x150),
        Figure(8, "C_flanges_just_past_half", {{"t1", "75.001"}}, {}, false),
        Figure(8, "C_web_fills_the_width", {{"t2", "100"}}, kRectangle100x150),
        Figure(8, "C_web_past_the_width", {{"t2", "100.001"}}, {}, false)),
    [](const ::testing::TestParamInfo<DerivedFigure>& info) { return info.param.name; });

// theta = alpha, unrounded, turns the section window's axes onto the principal
// ones: the two use the same pi for degrees.
TEST(PrincipalAngle, TurnsTheAxesOntoThePrincipalOnes) {
    const Texts ls[] = {{}, {{"a", "150"}, {"b", "100"}, {"t1", "20"}, {"t2", "30"}},
                        {{"a", "80"}, {"b", "120"}, {"t1", "10"}, {"t2", "15"}}};
    const SectionShape& l = LSection();
    const std::string_view six = kResultFormats.back();
    for (const Texts& inputs : ls) {
        const DerivedSection derived = Derive(l, inputs);
        ASSERT_TRUE(derived.values);
        const SectionProperties p = l.formulas(DimensionsOf(l, inputs));
        const auto r = AxisTransform({p.A, p.Jx0, p.Jy0, p.Jxy0}, {0, 0, derived.values->alpha});
        ASSERT_TRUE(r);
        EXPECT_EQ(r->Jxy, 0.0);
        EXPECT_EQ(FormatValue(r->Jx, six, "."), FormatValue(derived.values->J1, six, "."));
        EXPECT_EQ(FormatValue(r->Jy, six, "."), FormatValue(derived.values->J2, six, "."));
    }
}

// The central ellipse of the 100 x 150 rectangle has the rectangle's
// proportions: a / sqrt(12) across, b / sqrt(12) up.
TEST(CentralEllipse, SemiAxisAlongEachPrincipalAxisIsTheOtherRadius) {
    const DerivedSection derived = Derive(RectangleSection(), {});
    ASSERT_TRUE(derived.values);
    EXPECT_EQ(derived.values->alpha, 0.0);
    const CentralEllipse ellipse = CentralEllipseOf(*derived.values);
    EXPECT_NEAR(ellipse.alongJ1Axis, 100 / std::sqrt(12.0), 1e-9);
    EXPECT_NEAR(ellipse.alongJ2Axis, 150 / std::sqrt(12.0), 1e-9);
}

// Area, first and second moments of the outline, by Green's theorem over its
// polygons (the first one the outer face, any other a hole in it) and by the
// closed forms of its circles (the area with the area's pi, 3.141592).
struct OutlineMoments {
    double A = 0, Sx = 0, Sy = 0, Jx = 0, Jy = 0, Jxy = 0;
};

OutlineMoments MomentsOf(const SectionOutline& outline) {
    OutlineMoments m;
    for (size_t k = 0; k < outline.polygons.size(); ++k) {
        const std::vector<PlanePoint>& poly = outline.polygons[k];
        OutlineMoments one;
        for (size_t i = 0; i < poly.size(); ++i) {
            const PlanePoint p = poly[i];
            const PlanePoint q = poly[(i + 1) % poly.size()];
            const double c = p.x * q.y - q.x * p.y;
            one.A += c / 2;
            one.Sx += (p.y + q.y) * c / 6;
            one.Sy += (p.x + q.x) * c / 6;
            one.Jx += (p.y * p.y + p.y * q.y + q.y * q.y) * c / 12;
            one.Jy += (p.x * p.x + p.x * q.x + q.x * q.x) * c / 12;
            one.Jxy += (p.x * q.y + 2 * p.x * p.y + 2 * q.x * q.y + q.x * p.y) * c / 24;
        }
        const double sign = (one.A < 0 ? -1 : 1) * (k == 0 ? 1 : -1);
        m.A += sign * one.A;
        m.Sx += sign * one.Sx;
        m.Sy += sign * one.Sy;
        m.Jx += sign * one.Jx;
        m.Jy += sign * one.Jy;
        m.Jxy += sign * one.Jxy;
    }
    for (size_t k = 0; k < outline.circleRadii.size(); ++k) {
        const double r = outline.circleRadii[k];
        const double sign = k == 0 ? 1 : -1;
        m.A += sign * 3.141592 * r * r;
        m.Jx += sign * 3.1415926 * r * r * r * r / 4;
        m.Jy += sign * 3.1415926 * r * r * r * r / 4;
    }
    return m;
}

const std::vector<std::pair<int, Texts>> kOutlineCases = {
    {1, {}},
    {2, {}},
    {3, {}},
    {3, {{"t1", "10"}, {"t2", "40"}}},
    {4, {}},
    {5, {}},
    {5, {{"a", "150"}, {"b", "100"}, {"t1", "20"}, {"t2", "30"}}},
    {6, {}},
    {6, {{"a", "300"}, {"b", "100"}, {"t1", "20"}, {"t2", "20"}}},
    {7, {}},
    {8, {}},
    {8, {{"a", "200"}, {"b", "100"}, {"t1", "10"}, {"t2", "10"}}},
};

// The outline is the section the formulas describe, about G and in the
// diagrams' frame: a mirrored L would have the product of inertia's sign wrong.
TEST(SectionOutline, HasTheAreaAndMomentsOfTheFormulasAboutG) {
    for (const auto& [number, inputs] : kOutlineCases) {
        const SectionShape& shape = *ShapeByNumber(number);
        SCOPED_TRACE(number);
        const DerivedSection derived = Derive(shape, inputs);
        ASSERT_TRUE(derived.outline);
        const SectionProperties p = shape.formulas(DimensionsOf(shape, inputs));
        const OutlineMoments m = MomentsOf(*derived.outline);
        const double size = std::sqrt(p.A);
        EXPECT_NEAR(m.A, p.A, 1e-9 * p.A);
        EXPECT_NEAR(m.Sx, 0, 1e-9 * p.A * size);
        EXPECT_NEAR(m.Sy, 0, 1e-9 * p.A * size);
        EXPECT_NEAR(m.Jx, p.Jx0, 1e-9 * p.Jx0);
        EXPECT_NEAR(m.Jy, p.Jy0, 1e-9 * p.Jy0);
        EXPECT_NEAR(m.Jxy, p.Jxy0, 1e-9 * (p.Jx0 + p.Jy0));
    }
}

}  // namespace
}  // namespace baricor::testing
