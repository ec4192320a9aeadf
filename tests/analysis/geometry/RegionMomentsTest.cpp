// The contour integrals against closed forms worked out by hand: a rectangle,
// a disc, a quarter disc (also turned, which puts the arc's ends off the
// axes), an annulus (a hole), and an I with four root fillets, whose fillets'
// own moments come from the square r x r less the quarter disc of radius r.
// Then the cut at a line, and the bounds.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geometry/Builders.h"
#include "geometry/Moments.h"

namespace baricor::geometry {
namespace {

constexpr double kPi = 3.141592653589793;

// Within `tolerance` relative to the larger of |expected| and `scale`, for a
// quantity that is 0 or near it.
void ExpectClose(double actual, double expected, double scale, double tolerance, const std::string& what) {
    EXPECT_LE(std::fabs(actual - expected), tolerance * std::max(std::fabs(expected), scale))
        << what << ": " << actual << " against " << expected;
}

void ExpectMoments(const Moments& actual, const Moments& expected, double tolerance, const std::string& name) {
    // The scale of each moment: the area times powers of the region's size.
    const double size = std::sqrt(std::fabs(expected.A));
    const double a = std::fabs(expected.A);
    ExpectClose(actual.A, expected.A, a, tolerance, name + " A");
    ExpectClose(actual.Sx, expected.Sx, a * size, tolerance, name + " Sx");
    ExpectClose(actual.Sy, expected.Sy, a * size, tolerance, name + " Sy");
    ExpectClose(actual.Jx, expected.Jx, a * size * size, tolerance, name + " Jx");
    ExpectClose(actual.Jy, expected.Jy, a * size * size, tolerance, name + " Jy");
    ExpectClose(actual.Jxy, expected.Jxy, a * size * size, tolerance, name + " Jxy");
}

Region QuarterDisc(double r) {
    const Point o{0, 0};
    return {{{Segment(o, {r, 0}), Arc({r, 0}, {0, r}, o, r, true), Segment({0, r}, o)}}};
}

// Moments about the origin of a region whose own centroidal figures are
// (A, Jx0, Jy0, Jxy0), with its centroid at (x, y): the parallel-axis rule.
Moments Shifted(double A, double Jx0, double Jy0, double Jxy0, double x, double y) {
    return {A, A * y, A * x, Jx0 + A * y * y, Jy0 + A * x * x, Jxy0 + A * x * y};
}

struct ClosedForm {
    std::string name;
    Region region;
    Moments expected;
};
void PrintTo(const ClosedForm& c, std::ostream* os) { *os << c.name; }

class ClosedForms : public ::testing::TestWithParam<ClosedForm> {};

TEST_P(ClosedForms, MomentsAboutTheOrigin) {
    const ClosedForm& c = GetParam();
    ExpectMoments(MomentsOf(c.region), c.expected, 1e-14, c.name);
}

const double kR = 30;
const double kQ = kR * kR * kR * kR;
// Quarter disc in the first quadrant: A = π r²/4, ∫x dA = ∫y dA = r³/3,
// ∫x² dA = ∫y² dA = π r⁴/16, ∫xy dA = r⁴/8.
const Moments kQuarter{kPi * kR * kR / 4, kR * kR * kR / 3, kR * kR * kR / 3, kPi * kQ / 16, kPi * kQ / 16, kQ / 8};

// The quarter disc turned by phi: the tensor of second moments turned with it,
// the first moments as a vector.
Moments TurnedQuarter(double phi) {
    const double c = std::cos(phi), s = std::sin(phi);
    const double xx = kQuarter.Jy, yy = kQuarter.Jx, xy = kQuarter.Jxy;
    const double sx = kQuarter.Sy, sy = kQuarter.Sx;
    return {kQuarter.A,
            s * sx + c * sy,
            c * sx - s * sy,
            s * s * xx + 2 * c * s * xy + c * c * yy,
            c * c * xx - 2 * c * s * xy + s * s * yy,
            c * s * (xx - yy) + (c * c - s * s) * xy};
}

// A sector of radius r from angle 0 to b, about its apex at the origin:
// A = b r²/2, ∫x dA = r³ sin b / 3, ∫y dA = r³ (1 - cos b)/3,
// ∫x² dA = r⁴ (b + sin b cos b)/8, ∫y² dA = r⁴ (b - sin b cos b)/8,
// ∫xy dA = r⁴ sin² b / 8. An arc whose ends are off the axes at angles that
// are not a quarter turn apart.
Region Sector(double r, double b) {
    const Point o{0, 0};
    const Point end{r * std::cos(b), r * std::sin(b)};
    return {{{Segment(o, {r, 0}), Arc({r, 0}, end, o, r, true), Segment(end, o)}}};
}
Moments SectorMoments(double r, double b) {
    const double r3 = r * r * r, r4 = r3 * r, s = std::sin(b), c = std::cos(b);
    return {b * r * r / 2, r3 * (1 - c) / 3, r3 * s / 3, r4 * (b - s * c) / 8, r4 * (b + s * c) / 8, r4 * s * s / 8};
}
// The same moments about an origin from which the region lies at (dx, dy).
Moments Moved(const Moments& m, double dx, double dy) {
    return {m.A,
            m.Sx + m.A * dy,
            m.Sy + m.A * dx,
            m.Jx + 2 * dy * m.Sx + m.A * dy * dy,
            m.Jy + 2 * dx * m.Sy + m.A * dx * dx,
            m.Jxy + dx * m.Sx + dy * m.Sy + m.A * dx * dy};
}

INSTANTIATE_TEST_SUITE_P(
    Regions, ClosedForms,
    ::testing::Values(
        ClosedForm{"rectangle_at_origin", RectangleRegion(40, 70), Shifted(2800, 40 * 343000 / 12.0, 70 * 64000 / 12.0, 0, 0, 0)},
        ClosedForm{"rectangle_moved", Translated(RectangleRegion(40, 70), 13.5, -8.25),
                   Shifted(2800, 40 * 343000 / 12.0, 70 * 64000 / 12.0, 0, 13.5, -8.25)},
        ClosedForm{"disc", CircleRegion(kR), Shifted(kPi * kR * kR, kPi * kQ / 4, kPi * kQ / 4, 0, 0, 0)},
        ClosedForm{"disc_moved", Translated(CircleRegion(kR), -7, 11),
                   Shifted(kPi * kR * kR, kPi * kQ / 4, kPi * kQ / 4, 0, -7, 11)},
        // An annulus: the outer disc less the inner one, its contour reversed.
        ClosedForm{"annulus", Region{{CircleRegion(kR).contours[0], Reversed(CircleRegion(10).contours[0])}},
                   Shifted(kPi * (kR * kR - 100), kPi * (kQ - 1e4) / 4, kPi * (kQ - 1e4) / 4, 0, 0, 0)},
        ClosedForm{"quarter_disc", QuarterDisc(kR), kQuarter},
        ClosedForm{"quarter_disc_turned", Transformed(QuarterDisc(kR), 0.3, 0, 0), TurnedQuarter(0.3)},
        ClosedForm{"quarter_disc_turned_far", Transformed(QuarterDisc(kR), -2.2, 0, 0), TurnedQuarter(-2.2)},
        ClosedForm{"sector", Sector(kR, 1.0), SectorMoments(kR, 1.0)},
        ClosedForm{"sector_moved", Translated(Sector(kR, 2.5), 17, -9), Moved(SectorMoments(kR, 2.5), 17, -9)}),
    [](const ::testing::TestParamInfo<ClosedForm>& info) { return info.param.name; });

// An I of depth h, flanges b x tf, web tw, four root fillets of radius r.
// Each fillet is the square r x r in the corner less the quarter disc of
// radius r about the square's far corner; about the line of the face it sits
// on, with u its distance from that face:
//   area (1 - π/4) r², ∫u = (5/6 - π/4) r³, ∫u² = (1 - 5π/16) r⁴
// (the quarter disc about a line r from its centre: π r⁴/16 + π r⁴/4 - 2r·r³/3).
struct IFigures {
    double h, b, tw, tf, r;
};
class IWithFillets : public ::testing::TestWithParam<IFigures> {};

TEST_P(IWithFillets, AgreesWithRectanglesAndFourFillets) {
    const auto [h, b, tw, tf, r] = GetParam();
    const double fA = (1 - kPi / 4) * r * r;
    const double fU = (5.0 / 6.0 - kPi / 4) * r * r * r;
    const double fUU = (1 - 5 * kPi / 16) * r * r * r * r;
    const double web = h - 2 * tf;
    const double A = 2 * b * tf + web * tw + (4 - kPi) * r * r;
    // Strong axis: the flanges' faces at yi from G, the fillets reaching in.
    const double yi = h / 2 - tf;
    const double Jx = (b * h * h * h - (b - tw) * web * web * web) / 12 + 4 * (yi * yi * fA - 2 * yi * fU + fUU);
    // Weak axis: the web's faces at tw/2 from G, the fillets reaching out.
    const double xi = tw / 2;
    const double Jy = (2 * tf * b * b * b + web * tw * tw * tw) / 12 + 4 * (xi * xi * fA + 2 * xi * fU + fUU);
    ExpectMoments(MomentsOf(IRegion(h, b, tw, tf, r)), {A, 0, 0, Jx, Jy, 0}, 1e-14, "I");
    // Moved and turned a quarter turn, the two axes trade places.
    const CentroidalMoments g = CentroidalMomentsOf(Translated(QuarterTurned(IRegion(h, b, tw, tf, r)), 250, -40));
    ExpectClose(g.xG, 250, 250, 1e-14, "xG");
    ExpectClose(g.yG, -40, 40, 1e-14, "yG");
    ExpectClose(g.Jx0, Jy, Jy, 1e-13, "Jx0 turned");
    ExpectClose(g.Jy0, Jx, Jx, 1e-13, "Jy0 turned");
    ExpectClose(g.Jxy0, 0, Jx, 1e-13, "Jxy0 turned");
}

INSTANTIATE_TEST_SUITE_P(Sections, IWithFillets,
                         ::testing::Values(IFigures{200, 100, 5.6, 8.5, 12},   // IPE 200
                                           IFigures{190, 200, 6.5, 10, 18},    // HE A 200
                                           IFigures{100, 60, 10, 10, 25},      // fillets meeting over the web
                                           IFigures{50, 40, 4, 3, 0}));        // no fillets

// The part of a region on one side of a line: a rectangle's part is a
// rectangle, a disc cut through its centre a half disc (centroid 4r/3π from the
// cut), a cut off the region takes all or nothing.
struct Cut {
    std::string name;
    Region region;
    double line;
    Side side;
    double A, Sx;  // area and ∫y dA of the part
};
void PrintTo(const Cut& c, std::ostream* os) { *os << c.name; }
class Cuts : public ::testing::TestWithParam<Cut> {};

TEST_P(Cuts, KeepThePartOnOneSide) {
    const Cut& c = GetParam();
    const Moments part = MomentsBeyond(c.region, c.line, c.side);
    ExpectClose(part.A, c.A, 1, 1e-14, c.name + " A");
    ExpectClose(part.Sx, c.Sx, 1, 1e-14, c.name + " Sx");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Cuts,
    ::testing::Values(
        // 40 x 70 about the origin: y from -35 to 35.
        Cut{"rectangle_above", RectangleRegion(40, 70), 10, Side::Above, 40 * 25, 40 * 25 * 22.5},
        Cut{"rectangle_below", RectangleRegion(40, 70), 10, Side::Below, 40 * 45, 40 * 45 * -12.5},
        Cut{"rectangle_whole", RectangleRegion(40, 70), -50, Side::Above, 2800, 0},
        Cut{"rectangle_nothing", RectangleRegion(40, 70), -50, Side::Below, 0, 0},
        Cut{"disc_upper_half", Translated(CircleRegion(kR), 5, 3), 3, Side::Above, kPi * kR * kR / 2,
            kPi * kR * kR / 2 * (3 + 4 * kR / (3 * kPi))},
        Cut{"disc_lower_half", Translated(CircleRegion(kR), 5, 3), 3, Side::Below, kPi * kR * kR / 2,
            kPi * kR * kR / 2 * (3 - 4 * kR / (3 * kPi))},
        // The segment of a disc above y = r/2: area r²(π/3 - √3/4), ∫y dA = (2/3)(r² - r²/4)^(3/2).
        Cut{"disc_segment", CircleRegion(kR), kR / 2, Side::Above, kR * kR * (kPi / 3 - std::sqrt(3.0) / 4),
            2.0 / 3.0 * std::pow(0.75 * kR * kR, 1.5)},
        // The same disc of two half-circle arcs: the line crosses the upper
        // arc twice, and only its middle lies above.
        Cut{"half_arcs_disc_segment",
            Region{{{Arc({kR, 0}, {-kR, 0}, {0, 0}, kR, true), Arc({-kR, 0}, {kR, 0}, {0, 0}, kR, true)}}}, kR / 2,
            Side::Above, kR * kR * (kPi / 3 - std::sqrt(3.0) / 4), 2.0 / 3.0 * std::pow(0.75 * kR * kR, 1.5)},
        Cut{"half_arcs_below_segment",
            Region{{{Arc({kR, 0}, {-kR, 0}, {0, 0}, kR, true), Arc({-kR, 0}, {kR, 0}, {0, 0}, kR, true)}}}, kR / 2,
            Side::Below, kR * kR * (2 * kPi / 3 + std::sqrt(3.0) / 4), -2.0 / 3.0 * std::pow(0.75 * kR * kR, 1.5)},
        // Run the other way round (a hole alone: negative area), the upper arc
        // meets its two crossings in the other order.
        Cut{"half_arcs_hole_segment",
            Region{{Reversed({Arc({kR, 0}, {-kR, 0}, {0, 0}, kR, true), Arc({-kR, 0}, {kR, 0}, {0, 0}, kR, true)})}},
            kR / 2, Side::Above, -kR * kR * (kPi / 3 - std::sqrt(3.0) / 4), -2.0 / 3.0 * std::pow(0.75 * kR * kR, 1.5)},
        // A hole cut too: the annulus above its centre line.
        Cut{"annulus_upper_half", Region{{CircleRegion(kR).contours[0], Reversed(CircleRegion(10).contours[0])}}, 0,
            Side::Above, kPi * (kR * kR - 100) / 2, 2.0 / 3.0 * (kR * kR * kR - 1000)}),
    [](const ::testing::TestParamInfo<Cut>& info) { return info.param.name; });

TEST(Bounds, TakeTheArcsBulges) {
    // A quarter disc turned by 0.3 rad: its arc passes over the top (x = 0,
    // y = r), its ends are at angles 0.3 and π/2 + 0.3.
    const Box box = BoundsOf(Transformed(QuarterDisc(kR), 0.3, 0, 0));
    ExpectClose(box.yMax, kR, kR, 1e-15, "top");
    ExpectClose(box.xMax, kR * std::cos(0.3), kR, 1e-15, "right");
    ExpectClose(box.xMin, -kR * std::sin(0.3), kR, 1e-15, "left");
    ExpectClose(box.yMin, 0, kR, 1e-15, "bottom");
    const Box disc = BoundsOf(Translated(CircleRegion(kR), 2, -1));
    EXPECT_EQ(disc.xMin, 2 - kR);
    EXPECT_EQ(disc.xMax, 2 + kR);
    EXPECT_EQ(disc.yMin, -1 - kR);
    EXPECT_EQ(disc.yMax, -1 + kR);
}

TEST(Polygonized, ApproachesTheArcs) {
    // n chords inscribed in a disc: A = (n/2) r² sin(2π/n).
    const Moments m = MomentsOf(Polygonized(CircleRegion(kR), 50));
    ExpectClose(m.A, 100 * kR * kR * std::sin(2 * kPi / 200), 1, 1e-13, "inscribed 200-gon");
}

}  // namespace
}  // namespace baricor::geometry
