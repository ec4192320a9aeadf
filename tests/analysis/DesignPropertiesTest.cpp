// The design figures of the derived window: plastic moduli, torsion and
// warping constants, shear centre. Worked figures (checked by hand and by
// polygon clipping with bisection), the plastic moduli against the closed
// forms of each shape over many proportions, the thin-walled C against an
// independent derivation (shear flow for C, the sectorial integral for Iw),
// the rectangle against the tabulated torsion coefficients, the limits, and
// the rules for where the figures are blank.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "DerivedProperties.h"
#include "ShapeFigures.h"
#include "Shapes.h"

namespace baricor::testing {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

struct DesignFigure {
    int shape = 0;
    std::string name;
    Texts inputs;    // label -> text; others keep their defaults
    Texts expected;  // derived label -> text; empty: every derived field blank
    std::string pattern = "0.000E+00";
};
void PrintTo(const DesignFigure& figure, std::ostream* os) { *os << figure.name; }

class DesignFigures : public ::testing::TestWithParam<DesignFigure> {};

std::string TextOf(const std::vector<std::string>& texts, const std::string& label) {
    for (size_t i = 0; i < kDerivedFields.size(); ++i)
        if (kDerivedFields[i].label == label) return texts[i];
    ADD_FAILURE() << "no derived field " << label;
    return {};
}

TEST_P(DesignFigures, ShowTheseTexts) {
    const DesignFigure& f = GetParam();
    const SectionShape& shape = *ShapeByNumber(f.shape);
    const DerivedSection derived = DeriveSection(shape, InputTexts(shape, f.inputs), ".");
    const std::vector<std::string> texts = DerivedTexts(derived, ".", f.pattern);
    ASSERT_EQ(texts.size(), kDerivedFields.size());
    if (f.expected.empty()) {
        EXPECT_EQ(texts, std::vector<std::string>(kDerivedFields.size()));
        return;
    }
    for (const auto& [label, text] : f.expected) EXPECT_EQ(TextOf(texts, label), text) << label;
}

DesignFigure Figure(int shape, std::string name, Texts inputs, Texts expected) {
    return {shape, std::move(name), std::move(inputs), std::move(expected)};
}

// k(1.5) = 0.19576 of 150 · 100³.
const Texts kRectangle100x150 = {{"Wpl,x", "5.625E+05"}, {"Wpl,y", "3.750E+05"}, {"It", "2.936E+07"},
                                 {"Iw", "0.000E+00"},    {"xC", "0.00"},          {"yC", "0.00"}};

INSTANTIATE_TEST_SUITE_P(
    EveryShape, DesignFigures,
    ::testing::Values(
        // a b² / 4 and b a² / 4; the exact Saint-Venant constant.
        Figure(1, "rectangle", {}, kRectangle100x150),
        DesignFigure{1, "rectangle_six_digits", {}, {{"It", "2.93641E+07"}}, "0.00000E+00"},
        // d³ / 6; It = π d⁴ / 32.
        Figure(2, "circle", {},
               {{"Wpl,x", "1.667E+05"}, {"Wpl,y", "1.667E+05"}, {"It", "9.817E+06"}, {"Iw", "0.000E+00"},
                {"xC", "0.00"}, {"yC", "0.00"}}),
        // (a b² - (a - 2t2)(b - 2t1)²) / 4 = (100 · 22500 - 60 · 10000) / 4; Bredt
        // on the mid-lines, 80 x 125: 4 · 10000² / (2 · 80/25 + 2 · 125/20).
        Figure(3, "tube", {},
               {{"Wpl,x", "4.125E+05"}, {"Wpl,y", "2.850E+05"}, {"It", "2.116E+07"}, {"Iw", "0.000E+00"},
                {"xC", "0.00"}, {"yC", "0.00"}}),
        // Thin walls: Am = 190 · 290 = 55100, 4 Am² / 96 = 126500416.7.
        Figure(3, "thin_tube", {{"a", "200"}, {"b", "300"}, {"t1", "10"}, {"t2", "10"}}, {{"It", "1.265E+08"}}),
        // No wall top and bottom, or none at the sides: nothing closed.
        Figure(3, "tube_without_top_and_bottom", {{"t1", "0"}}, {{"It", "0.000E+00"}, {"Wpl,x", "2.250E+05"}}),
        Figure(3, "tube_without_sides", {{"t2", "0"}}, {{"It", "0.000E+00"}, {"Wpl,y", "1.250E+05"}}),
        // (d1³ - d2³) / 6 = 488000 / 6; It = π (d1⁴ - d2⁴) / 32.
        Figure(4, "ring", {},
               {{"Wpl,x", "8.133E+04"}, {"Wpl,y", "8.133E+04"}, {"It", "5.796E+06"}, {"Iw", "0.000E+00"},
                {"xC", "0.00"}, {"yC", "0.00"}}),
        Figure(4, "ring_without_hole", {{"d2", "0"}}, {{"Wpl,x", "1.667E+05"}, {"It", "9.817E+06"}}),
        // The legs' mid-lines cross 12.5 from each outer face: 29.17 - 12.5, 54.17 - 12.5.
        Figure(5, "L", {},
               {{"Wpl,x", "2.227E+05"}, {"Wpl,y", "1.113E+05"}, {"It", "1.008E+06"}, {"Iw", "0.000E+00"},
                {"xC", "16.67"}, {"yC", "41.67"}}),
        DesignFigure{5, "L_six_digits", {}, {{"It", "1.00775E+06"}}, "0.00000E+00"},
        // xG = 522000 / 10800 = 48.33, yG = 348000 / 10800 = 32.22; less 15 and 10.
        Figure(5, "wide_L", {{"a", "150"}, {"b", "100"}, {"t1", "20"}, {"t2", "30"}}, {{"xC", "33.33"}, {"yC", "22.22"}}),
        // One leg over the whole section: the rectangle's exact constant.
        Figure(5, "L_leg_fills_it", {{"t1", "150"}}, {{"It", "2.936E+07"}, {"Wpl,x", "5.625E+05"}}),
        Figure(6, "T", {},
               {{"Wpl,x", "2.227E+05"}, {"Wpl,y", "8.203E+04"}, {"It", "1.008E+06"}, {"Iw", "0.000E+00"},
                {"xC", "0.00"}, {"yC", "41.67"}}),
        Figure(6, "T_flange_fills_it", {{"t1", "150"}}, kRectangle100x150),
        // The web alone (no flange): the rectangle 25 x 150, It = (L s³ / 3)(1 -
        // 0.630249 s / L) at L / s = 6 (the series' other terms below 1e-8).
        Figure(6, "T_web_alone", {{"t1", "0"}},
               {{"Wpl,x", "1.406E+05"}, {"Wpl,y", "2.344E+04"}, {"It", "6.992E+05"}, {"yC", "75.00"}}),
        // Iw = t1 a³ (b - t1)² / 24 = 20 · 10⁶ · 130² / 24.
        Figure(7, "double_T", {},
               {{"Wpl,x", "3.356E+05"}, {"Wpl,y", "1.172E+05"}, {"It", "9.570E+05"}, {"Iw", "1.408E+10"},
                {"xC", "0.00"}, {"yC", "0.00"}}),
        Figure(8, "C", {},
               {{"Wpl,x", "3.356E+05"}, {"Wpl,y", "1.584E+05"}, {"It", "1.032E+06"}, {"Iw", "1.612E+10"},
                {"xC", "55.63"}, {"yC", "0.00"}}),
        // No flanges: the web alone, C on its mid-line 12.5 from its face.
        Figure(8, "C_web_alone", {{"t1", "0"}}, {{"Iw", "0.000E+00"}, {"xC", "0.00"}}),
        // Where the other derived fields are blank, so are these.
        Figure(1, "zero_width", {{"a", "0"}}, {}), Figure(3, "walls_past_half", {{"t1", "75.001"}}, {}),
        Figure(5, "no_legs", {{"t1", "0"}, {"t2", "0"}}, {}), Figure(4, "hole_fills_ring", {{"d2", "100"}}, {})),
    [](const ::testing::TestParamInfo<DesignFigure>& info) { return info.param.name; });

// A square 2^200 wide built as a double T (the web fills the width, the
// flanges a quarter of the height thick): every figure exact in binary and
// finite, Jx0 = Jy0 = 2^800 / 12, but Iw = t1 a³ (b - t1)² / 24 ~ 2^1193
// overflows. Then every derived figure is blank, not only Iw.
TEST(DesignFigures, BlankTogetherWhenOneIsNotFinite) {
    const double a = std::ldexp(1.0, 200);
    const Dimensions d = {a, a, a / 4, a};
    const SectionProperties p = DoubleTSection().formulas(d);
    ASSERT_EQ(p.Jx0, p.Jy0);
    ASSERT_TRUE(std::isfinite(p.Jx0));
    ASSERT_TRUE(std::isinf(DoubleTSection().torsion(d, p).Iw));
    const DerivedSection derived = DeriveSection(DoubleTSection(), d);
    EXPECT_TRUE(derived.outline);
    EXPECT_FALSE(derived.values);
    EXPECT_EQ(DerivedTexts(derived, ".", "0.000E+00"), std::vector<std::string>(kDerivedFields.size()));
    // At 2^150 (Iw ~ 2^894) everything is defined.
    EXPECT_TRUE(DeriveSection(DoubleTSection(), {std::ldexp(1.0, 150), std::ldexp(1.0, 150), std::ldexp(1.0, 148),
                                                 std::ldexp(1.0, 150)})
                    .values);
}

// ∫|s - p| w ds over the strip s0..s1 of constant width w.
double StripMoment(double s0, double s1, double w, double p) {
    if (p <= s0) return w * ((s1 - p) * (s1 - p) - (s0 - p) * (s0 - p)) / 2;
    if (p >= s1) return w * ((p - s0) * (p - s0) - (p - s1) * (p - s1)) / 2;
    return w * ((p - s0) * (p - s0) + (s1 - p) * (s1 - p)) / 2;
}

// A base part w1 wide and h1 deep along the bending direction, then a part w2
// wide and h2 deep beyond it: the equal-area line in whichever part holds
// half the area, and the two halves' first moments about it.
double TwoParts(double w1, double h1, double w2, double h2) {
    const double A = w1 * h1 + w2 * h2;
    const double p = w1 * h1 >= A / 2 ? A / (2 * w1) : h1 + (A / 2 - w1 * h1) / w2;
    return StripMoment(0, h1, w1, p) + StripMoment(h1, h1 + h2, w2, p);
}

struct ClosedForm {
    int shape;
    std::function<std::pair<double, double>(double a, double b, double t1, double t2)> moduli;
};

// Each shape's plastic moduli (about x, about y) in closed form; the circle
// and ring take d1 = a and d2 = b.
const ClosedForm kClosedForms[] = {
    {1, [](double a, double b, double, double) { return std::pair{a * b * b / 4, b * a * a / 4}; }},
    {2, [](double d, double, double, double) { return std::pair{d * d * d / 6, d * d * d / 6}; }},
    {3,
     [](double a, double b, double t1, double t2) {
         return std::pair{(a * b * b - (a - 2 * t2) * (b - 2 * t1) * (b - 2 * t1)) / 4,
                          (b * a * a - (b - 2 * t1) * (a - 2 * t2) * (a - 2 * t2)) / 4};
     }},
    {4, [](double d1, double d2, double, double) {
         const double W = (d1 * d1 * d1 - d2 * d2 * d2) / 6;
         return std::pair{W, W};
     }},
    {5,
     [](double a, double b, double t1, double t2) {
         return std::pair{TwoParts(a, t1, t2, b - t1), TwoParts(b, t2, t1, a - t2)};
     }},
    {6,
     [](double a, double b, double t1, double t2) {
         return std::pair{TwoParts(a, t1, t2, b - t1), (t1 * a * a + (b - t1) * t2 * t2) / 4};
     }},
    {7,
     [](double a, double b, double t1, double t2) {
         return std::pair{(a * b * b - (a - t2) * (b - 2 * t1) * (b - 2 * t1)) / 4,
                          (2 * t1 * a * a + (b - 2 * t1) * t2 * t2) / 4};
     }},
    {8, [](double a, double b, double t1, double t2) {
         return std::pair{(a * b * b - (a - t2) * (b - 2 * t1) * (b - 2 * t1)) / 4, TwoParts(b, t2, 2 * t1, a - t2)};
     }},
};

// a, b, t1, t2: every one drawable for every shape (2 t1 <= b, 2 t2 <= a),
// from thin walls to solid, narrow and wide, with the equal-area line in
// either part of the L, T and C.
const double kProportions[][4] = {{100, 150, 25, 25}, {100, 150, 20, 25}, {150, 100, 20, 30}, {300, 100, 10, 8},
                                  {80, 400, 12, 6},   {100, 150, 75, 50}, {100, 150, 0, 25}, {100, 150, 25, 0},
                                  {40, 45, 1, 1},     {1000, 20, 2, 500}, {7, 3, 1.5, 0.5},  {0.02, 0.05, 0.01, 0.004}};

TEST(PlasticModuli, EveryShapeHasItsClosedForms) {
    for (const ClosedForm& form : kClosedForms) {
        const SectionShape& shape = *ShapeByNumber(form.shape);
        for (const auto& [a, b, t1, t2] : kProportions) {
            Dimensions d = {a, b, t1, t2};
            if (form.shape == 2) d = {a};
            if (form.shape == 4) d = {std::max(a, b), std::min(a, b)};
            d.resize(shape.dimensionNames.size());
            const DerivedSection derived = DeriveSection(shape, d);
            SCOPED_TRACE(::testing::Message() << "Trave" << form.shape << " " << a << " " << b << " " << t1 << " " << t2);
            ASSERT_TRUE(derived.values);
            const auto [Wx, Wy] = form.moduli(d[0], d.size() > 1 ? d[1] : 0, d.size() > 2 ? d[2] : 0,
                                             d.size() > 3 ? d[3] : 0);
            EXPECT_NEAR(derived.values->Wplx, Wx, 1e-12 * Wx);
            EXPECT_NEAR(derived.values->Wply, Wy, 1e-12 * Wy);
        }
    }
}

// The thin-walled C, derived another way: the shear centre from the shear
// flow in the flanges, e = t1 am² hm² / (4 Ix) with Ix of the mid-line model
// (the web t2 hm³ / 12 and the flanges am t1 (hm / 2)² each); Iw as the
// sectorial integral ∫ ω² t ds about that pole, ω = e y along the web and
// (hm / 2)(e - x) along each flange.
TEST(ThinWalledC, ShearCentreAndWarpingFromTheShearFlowAndTheSectorialIntegral) {
    const double cs[][4] = {{100, 150, 20, 25}, {200, 100, 10, 10}, {60, 300, 8, 12}, {100, 150, 75, 5}};
    for (const auto& [a, b, t1, t2] : cs) {
        SCOPED_TRACE(::testing::Message() << a << " " << b << " " << t1 << " " << t2);
        const double am = a - t2 / 2;
        const double hm = b - t1;
        const double Ix = t2 * hm * hm * hm / 12 + 2 * am * t1 * (hm / 2) * (hm / 2);
        const double e = t1 * am * am * hm * hm / (4 * Ix);
        const double Iw = t2 * e * e * hm * hm * hm / 12 + t1 * hm * hm / 2 * (std::pow(am - e, 3) + e * e * e) / 3;
        const Dimensions d = {a, b, t1, t2};
        const DerivedSection derived = DeriveSection(CSection(), d);
        ASSERT_TRUE(derived.values);
        const SectionProperties p = CSection().formulas(d);
        // The web's mid-line lies t2 / 2 in from its outer face, which is xG from G.
        EXPECT_NEAR(derived.values->shearCentre.x, p.xG - t2 / 2 + e, 1e-12 * a);
        EXPECT_EQ(derived.values->shearCentre.y, 0.0);
        EXPECT_NEAR(derived.values->Iw, Iw, 1e-12 * Iw);
    }
}

// The double T's Iw as the sectorial integral about G: ω = (h / 2) x along
// the flanges, 0 on the web; 4 t1 ∫₀^{a/2} (h x / 2)² dx.
TEST(ThinWalledDoubleT, WarpingFromTheSectorialIntegral) {
    const double a = 180, b = 400, t1 = 13.5, t2 = 8.6;
    const double h = b - t1;
    const double Iw = 4 * t1 * (h / 2) * (h / 2) * std::pow(a / 2, 3) / 3;
    const DerivedSection derived = DeriveSection(DoubleTSection(), {a, b, t1, t2});
    ASSERT_TRUE(derived.values);
    EXPECT_NEAR(derived.values->Iw, Iw, 1e-12 * Iw);
}

// It = k L s³ of the solid rectangle with the tabulated k at L / s, either
// side the longer.
TEST(RectangleTorsion, TabulatedCoefficients) {
    const std::pair<double, double> table[] = {{1, 0.1406}, {1.5, 0.196}, {2, 0.229}, {3, 0.263}, {10, 0.312}};
    for (const auto& [ratio, k] : table) {
        for (const bool upright : {true, false}) {
            const double s = 20;
            const double L = ratio * s;
            const DerivedSection derived = DeriveSection(RectangleSection(), upright ? Dimensions{s, L} : Dimensions{L, s});
            ASSERT_TRUE(derived.values);
            // Half a unit of the table's last digit.
            const double tolerance = ratio == 1 ? 5e-5 : 5e-4;
            EXPECT_NEAR(derived.values->It / (L * s * s * s), k, tolerance) << "L/s = " << ratio;
        }
    }
}

// Every shape over the proportions above: the plastic modulus is no smaller
// than the elastic one (it is the elastic one times the shape factor, at
// least 1), and no torsion constant exceeds the polar moment.
TEST(DesignFigures, PlasticNoSmallerThanElasticAndTorsionNoLargerThanPolar) {
    for (int number = 1; number <= int(AllShapes().size()); ++number) {
        const SectionShape& shape = *ShapeByNumber(number);
        for (const auto& [a, b, t1, t2] : kProportions) {
            Dimensions d = {a, b, t1, t2};
            if (number == 4) d = {std::max(a, b), std::min(a, b)};
            d.resize(shape.dimensionNames.size());
            const DerivedSection derived = DeriveSection(shape, d);
            ASSERT_TRUE(derived.values);
            const DerivedValues& v = *derived.values;
            SCOPED_TRACE(::testing::Message() << "Trave" << number << " " << a << " " << b << " " << t1 << " " << t2);
            EXPECT_GE(v.Wplx, v.Wx * (1 - 1e-12));
            EXPECT_GE(v.Wply, v.Wy * (1 - 1e-12));
            EXPECT_LE(v.It, v.Jp);
            EXPECT_GE(v.It, 0.0);
            EXPECT_GE(v.Iw, 0.0);
        }
    }
}

}  // namespace
}  // namespace baricor::testing
