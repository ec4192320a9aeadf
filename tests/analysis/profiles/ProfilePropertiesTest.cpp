// A profile's properties: the figures worked out from the dimensions with
// exact geometry (shown as the windows show them, and to six digits), spot
// checks of each family against published catalogue figures (to the printed
// digits), the frame each profile is drawn in, checked against the section
// windows' own formulas for the same shapes with sharp corners, and the
// catalogue formulas for It and Iw.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ResultFormat.h"
#include "Shapes.h"
#include "geometry/Region.h"
#include "profiles/ProfileProperties.h"

namespace baricor {
namespace {

enum class Q { A, mass, Jx, Jy, Jxy, Wx, Wy, Wplx, Wply, rhoX, rhoY, It, Iw, xG, yG, J1, J2, alpha };

double Of(const ProfileProperties& p, Q q) {
    switch (q) {
        case Q::A: return p.A;
        case Q::mass: return p.mass;
        case Q::Jx: return p.Jx;
        case Q::Jy: return p.Jy;
        case Q::Jxy: return p.Jxy;
        case Q::Wx: return p.Wx;
        case Q::Wy: return p.Wy;
        case Q::Wplx: return p.Wplx;
        case Q::Wply: return p.Wply;
        case Q::rhoX: return p.rhoX;
        case Q::rhoY: return p.rhoY;
        case Q::It: return p.It;
        case Q::Iw: return p.Iw;
        case Q::xG: return p.xG;
        case Q::yG: return p.yG;
        case Q::J1: return p.J1;
        case Q::J2: return p.J2;
        case Q::alpha: return p.alpha;
    }
    return 0;
}

ProfileProperties Of(const std::string& name) {
    const Profile* profile = FindProfile(name);
    EXPECT_NE(profile, nullptr) << name;
    return profile ? PropertiesOf(*profile) : ProfileProperties{};
}

// As the window would show them: the default result pattern, and "0.00" for
// the centroid and α.
struct Shown {
    std::string profile;
    std::vector<std::pair<Q, std::string>> texts;
};
void PrintTo(const Shown& s, std::ostream* os) { *os << s.profile; }
class ShownFigures : public ::testing::TestWithParam<Shown> {};

TEST_P(ShownFigures, AsTheWindowShowsThem) {
    const Shown& s = GetParam();
    const ProfileProperties p = Of(s.profile);
    for (const auto& [q, text] : s.texts) {
        const bool centroid = q == Q::xG || q == Q::yG || q == Q::alpha;
        EXPECT_EQ(FormatValue(Of(p, q), centroid ? CentroidFormat : kDefaultResultFormat, "."), text)
            << s.profile << " quantity " << static_cast<int>(q);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedFromDimensions, ShownFigures,
    ::testing::Values(
        Shown{"IPE 200",
              {{Q::A, "2.848E+03"}, {Q::Jx, "1.943E+07"}, {Q::Wplx, "2.206E+05"}, {Q::Jy, "1.424E+06"},
               {Q::Wply, "4.461E+04"}, {Q::It, "6.980E+04"}, {Q::Jxy, "0.000E+00"}, {Q::alpha, "0.00"}}},
        Shown{"HEA 200", {{Q::A, "5.383E+03"}, {Q::Jx, "3.692E+07"}, {Q::Wplx, "4.295E+05"}, {Q::It, "2.098E+05"}}},
        Shown{"L 100x100x10",
              {{Q::A, "1.915E+03"},
               {Q::Jx, "1.767E+06"},
               {Q::Jy, "1.767E+06"},
               {Q::xG, "28.22"},
               {Q::yG, "28.22"},
               {Q::J1, "2.803E+06"},
               {Q::J2, "7.301E+05"},
               {Q::alpha, "45.00"},
               {Q::Iw, "0.000E+00"}}}));

// Figures to six digits (worked from the dimensions with exact geometry,
// data/SOURCE.md), and published catalogue figures with their printed units
// and digits: `tolerance` is half the last printed digit in our units.
struct Figure {
    std::string profile;
    Q quantity;
    double value;
    double tolerance;
};
void PrintTo(const Figure& f, std::ostream* os) { *os << f.profile << " " << static_cast<int>(f.quantity); }
class ProfileFigures : public ::testing::TestWithParam<Figure> {};

TEST_P(ProfileFigures, AgreeToThePrintedDigits) {
    const Figure& f = GetParam();
    EXPECT_NEAR(Of(Of(f.profile), f.quantity), f.value, f.tolerance) << f.profile;
}

// cm² -> mm², cm³ -> mm³, cm⁴ -> mm⁴, cm -> mm, each with half its last digit.
Figure Cm2(std::string p, Q q, double v, double digit) { return {std::move(p), q, v * 1e2, digit * 1e2 / 2}; }
Figure Cm3(std::string p, Q q, double v, double digit) { return {std::move(p), q, v * 1e3, digit * 1e3 / 2}; }
Figure Cm4(std::string p, Q q, double v, double digit) { return {std::move(p), q, v * 1e4, digit * 1e4 / 2}; }
Figure Cm(std::string p, Q q, double v, double digit) { return {std::move(p), q, v * 10, digit * 10 / 2}; }
Figure Kg(std::string p, double v, double digit) { return {std::move(p), Q::mass, v, digit / 2}; }
Figure Six(std::string p, Q q, double v) { return {std::move(p), q, v, 5e-6 * std::fabs(v)}; }

INSTANTIATE_TEST_SUITE_P(
    SixDigits, ProfileFigures,
    ::testing::Values(Six("IPE 200", Q::A, 2848.41), Six("IPE 200", Q::Jx, 1.94317e7), Six("IPE 200", Q::Wplx, 2.20639e5),
                      Six("IPE 200", Q::Jy, 1.42368e6), Six("IPE 200", Q::Wply, 4.46122e4),
                      Six("HEA 200", Q::A, 5383.12), Six("HEA 200", Q::Jx, 3.69216e7), Six("HEA 200", Q::Wplx, 4.29485e5),
                      Six("L 100x100x10", Q::A, 1915.45), Six("L 100x100x10", Q::Jx, 1.76676e6),
                      Six("L 100x100x10", Q::Jy, 1.76676e6), Six("L 100x100x10", Q::xG, 28.2245),
                      Six("L 100x100x10", Q::yG, 28.2245), Six("L 100x100x10", Q::J1, 2.80347e6),
                      Six("L 100x100x10", Q::J2, 7.30055e5)));

INSTANTIATE_TEST_SUITE_P(
    PublishedTables, ProfileFigures,
    ::testing::Values(
        // IPE
        Cm2("IPE 300", Q::A, 53.81, 0.01), Cm4("IPE 300", Q::Jx, 8356, 1), Cm3("IPE 300", Q::Wx, 557.1, 0.1),
        Cm3("IPE 300", Q::Wplx, 628.4, 0.1), Cm4("IPE 300", Q::Jy, 603.8, 0.1), Cm3("IPE 300", Q::Wply, 125.2, 0.1),
        Cm("IPE 300", Q::rhoX, 12.46, 0.01), Cm4("IPE 300", Q::It, 20.12, 0.01), Kg("IPE 300", 42.2, 0.1),
        Cm2("IPE 400", Q::A, 84.46, 0.01), Cm4("IPE 400", Q::Jx, 23130, 10), Cm3("IPE 400", Q::Wplx, 1307, 1),
        Cm4("IPE 400", Q::Jy, 1318, 1), Cm4("IPE 400", Q::It, 51.08, 0.01), Kg("IPE 400", 66.3, 0.1),
        // HE A, HE B, HE M
        Cm2("HEA 300", Q::A, 112.5, 0.1), Cm4("HEA 300", Q::Jx, 18260, 10), Cm3("HEA 300", Q::Wplx, 1383, 1),
        Cm4("HEA 300", Q::Jy, 6310, 1), Cm3("HEA 300", Q::Wply, 641.2, 0.1), Cm4("HEA 300", Q::It, 85.17, 0.01),
        Kg("HEA 300", 88.3, 0.1), Cm2("HEB 300", Q::A, 149.1, 0.1), Cm4("HEB 300", Q::Jx, 25170, 10),
        Cm3("HEB 300", Q::Wplx, 1869, 1), Cm4("HEB 300", Q::Jy, 8563, 1), Cm4("HEB 300", Q::It, 185.0, 0.1),
        Kg("HEB 300", 117, 1), Cm2("HEM 300", Q::A, 303.1, 0.1), Cm4("HEM 300", Q::Jx, 59200, 100),
        Cm4("HEM 300", Q::Jy, 19400, 100), Kg("HEM 300", 238, 1),
        // UPE: xG from the back of the web
        Cm2("UPE 200", Q::A, 29.0, 0.1), Cm4("UPE 200", Q::Jx, 1910, 10), Cm4("UPE 200", Q::Jy, 187, 1),
        Cm("UPE 200", Q::xG, 2.56, 0.01), Kg("UPE 200", 22.8, 0.1),
        // Angles: xG and yG from the backs of the upright and the lower leg
        Cm2("L 60x60x6", Q::A, 6.91, 0.01), Cm4("L 60x60x6", Q::Jx, 22.8, 0.1), Cm("L 60x60x6", Q::xG, 1.69, 0.01),
        Kg("L 60x60x6", 5.42, 0.01), Cm2("L 150x100x10", Q::A, 24.2, 0.1), Cm4("L 150x100x10", Q::Jx, 552.6, 0.1),
        Cm4("L 150x100x10", Q::Jy, 198.5, 0.1), Cm("L 150x100x10", Q::yG, 4.81, 0.01),
        Cm("L 150x100x10", Q::xG, 2.34, 0.01)));

// Drawn like the section windows, about G with x to the left and y
// downwards: with every radius 0, a profile is the matching window's shape,
// and its figures are that window's formulas' (written independently).
struct SharpCase {
    std::string name;
    Profile profile;
    const SectionShape* shape;
    Dimensions windowDimensions;  // a, b, t1, t2 as the window names them
};
void PrintTo(const SharpCase& c, std::ostream* os) { *os << c.name; }
class SharpCorners : public ::testing::TestWithParam<SharpCase> {};

void ExpectRelative(double actual, double expected, double scale, const char* what) {
    EXPECT_NEAR(actual, expected, 1e-12 * scale) << what;
}

TEST_P(SharpCorners, MatchTheSectionWindow) {
    const SharpCase& c = GetParam();
    const ProfileProperties p = PropertiesOf(c.profile);
    const SectionProperties w = c.shape->formulas(c.windowDimensions);
    ExpectRelative(p.A, w.A, w.A, "A");
    ExpectRelative(p.Jx, w.Jx0, w.Jx0, "Jx");
    ExpectRelative(p.Jy, w.Jy0, w.Jy0, "Jy");
    ExpectRelative(p.Jxy, w.Jxy0, w.Jx0, "Jxy");
    ExpectRelative(p.xG, w.xG, c.windowDimensions[0], "xG");
    ExpectRelative(p.yG, w.yG, c.windowDimensions[1], "yG");
    // Where the window's outline lies about G: the region's box is the
    // outline's.
    const SectionOutline outline = c.shape->outline(c.windowDimensions, w);
    geometry::Box expected{INFINITY, -INFINITY, INFINITY, -INFINITY};
    for (const PlanePoint& point : outline.polygons.at(0)) {
        expected.xMin = std::min(expected.xMin, point.x);
        expected.xMax = std::max(expected.xMax, point.x);
        expected.yMin = std::min(expected.yMin, point.y);
        expected.yMax = std::max(expected.yMax, point.y);
    }
    const geometry::Box box = geometry::BoundsOf(ProfileRegion(c.profile));
    const double size = c.windowDimensions[1];
    ExpectRelative(box.xMin, expected.xMin, size, "left");
    ExpectRelative(box.xMax, expected.xMax, size, "right");
    ExpectRelative(box.yMin, expected.yMin, size, "top");
    ExpectRelative(box.yMax, expected.yMax, size, "bottom");
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SharpCorners,
    ::testing::Values(SharpCase{"i_as_double_t", {"I", ProfileShape::I, {150, 100, 25, 20, 0}}, &DoubleTSection(),
                                {100, 150, 20, 25}},
                      SharpCase{"channel_as_c", {"U", ProfileShape::Channel, {150, 100, 25, 20, 0}}, &CSection(),
                                {100, 150, 20, 25}},
                      // The L's legs t1 (horizontal) and t2 (upright) both t.
                      SharpCase{"angle_as_l", {"L", ProfileShape::Angle, {150, 100, 25, 0, 0}}, &LSection(),
                                {100, 150, 25, 25}},
                      SharpCase{"unequal_angle_as_l", {"L", ProfileShape::Angle, {200, 100, 14, 0, 0}}, &LSection(),
                                {100, 200, 14, 14}}),
    [](const ::testing::TestParamInfo<SharpCase>& info) { return info.param.name; });

// The catalogue formulas, against figures worked by hand or given with them:
// the C 100 x 150 x 20 x 25 (web 25 over the depth 150, flanges 20 reaching to
// 100) has Iw 1.612E+10 by the mid-line formula; the L 100 x 150 x 25 has It
// 1.008E+06 (the rectangles 100 x 25 and 25 x 125); an I's Iw is its weak-axis
// moment times (h - tf)²/4.
TEST(CatalogueFormulas, ChannelWarping) {
    EXPECT_NEAR(ChannelWarpingConstant(150, 100, 25, 20), 1.612e10, 0.0005e10);
}

TEST(CatalogueFormulas, AngleTorsionFromTwoLegs) { EXPECT_NEAR(AngleTorsionConstant(150, 100, 25), 1.008e6, 0.0005e6); }

TEST(CatalogueFormulas, FlangedWarpingFromTheWeakAxis) {
    const ProfileProperties p = Of("IPE 200");
    EXPECT_NEAR(p.Iw, p.Jy * 191.5 * 191.5 / 4, 1e-15 * p.Iw);
    // The producers' It, by hand: (2/3)(100 - 0.63·8.5)·8.5³ = 38749.6,
    // (1/3)·183·5.6³ = 10712.6, D = (20.5² + 5.6·13.4)/32.5 = 15.2397,
    // 2(5.6/8.5)(0.145 + 0.1·12/8.5)·D⁴ = 20339.
    EXPECT_NEAR(p.It, 38749.6 + 10712.6 + 20339, 2);
}

// Every profile of the catalogue: its figures defined and consistent, the
// plastic moduli no smaller than the elastic ones (the elastic stresses are
// one admissible distribution of the plastic ones).
TEST(Catalogue, EveryProfileIsComputed) {
    for (const ProfileFamily& family : ProfileFamilies()) {
        for (const Profile& profile : family) {
            const ProfileProperties p = PropertiesOf(profile);
            for (double v : {p.A, p.mass, p.Jx, p.Jy, p.Wx, p.Wy, p.Wplx, p.Wply, p.rhoX, p.rhoY, p.It, p.J1, p.J2}) {
                EXPECT_TRUE(std::isfinite(v) && v > 0) << profile.name;
            }
            EXPECT_GE(p.Wplx, p.Wx) << profile.name;
            EXPECT_GE(p.Wply, p.Wy) << profile.name;
            // Mohr's circle holds Jx and Jy between J2 and J1 (to rounding).
            EXPECT_GE(p.J1, std::max(p.Jx, p.Jy) * (1 - 1e-14)) << profile.name;
            EXPECT_LE(p.J2, std::min(p.Jx, p.Jy) * (1 + 1e-14)) << profile.name;
        }
    }
}

}  // namespace
}  // namespace baricor
