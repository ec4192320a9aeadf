// Plastic moduli against closed forms (rectangle b h²/4, disc d³/6, the sharp
// double T, a triangle whose equal-area line lies h(1 - 1/√2) above its base)
// and, for filleted shapes, against an independent method: the section sliced
// into thin strips across the bending direction, each strip's width written
// out from the shape's dimensions, the equal-area line and ∫|y - yp| dA summed
// over the strips.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "geometry/Builders.h"
#include "geometry/Moments.h"
#include "geometry/PlasticModuli.h"

namespace baricor::geometry {
namespace {

constexpr double kPi = 3.141592653589793;

// The width a quarter-circle fillet of radius r covers at a distance u
// (0 <= u <= r) from the face it is tangent to: r at the face, 0 at u = r.
// What a root fillet adds beside a wall, or a rounded corner takes away.
double FilletWidth(double r, double u) { return r - std::sqrt(std::max(0.0, r * r - (r - u) * (r - u))); }

struct StripResult {
    double line;
    double Wpl;
};

// Midpoint strips of `width` over [from, to]: the equal-area line by the
// running sum, then the first moments of both sides about it.
StripResult Strips(const std::function<double(double)>& width, double from, double to, int count) {
    const double step = (to - from) / count;
    std::vector<double> area(count);
    double total = 0;
    for (int i = 0; i < count; ++i) total += area[i] = width(from + (i + 0.5) * step) * step;
    double below = 0;
    int i = 0;
    while (below + area[i] < total / 2) below += area[i++];
    // Within strip i, the area grows linearly.
    const double line = from + i * step + step * (total / 2 - below) / area[i];
    double W = 0;
    for (int k = 0; k < count; ++k) {
        const double lo = from + k * step, hi = lo + step;
        if (hi <= line || lo >= line) {
            W += area[k] * std::fabs(lo + step / 2 - line);
        } else {  // the strip the line crosses, split in two
            const double w = area[k] / step;
            W += w * ((line - lo) * (line - lo) + (hi - line) * (hi - line)) / 2;
        }
    }
    return {line, W};
}

struct StripCase {
    std::string name;
    Region region;
    bool aboutY;  // bending about the vertical axis: strips along x
    std::function<double(double)> width;
    double from, to;
};
void PrintTo(const StripCase& c, std::ostream* os) { *os << c.name; }
class AgainstStrips : public ::testing::TestWithParam<StripCase> {};

TEST_P(AgainstStrips, AgreeWithThinStrips) {
    const StripCase& c = GetParam();
    const StripResult strips = Strips(c.width, c.from, c.to, 400000);
    const PlasticCut cut = c.aboutY ? PlasticAboutY(c.region) : PlasticAboutX(c.region);
    EXPECT_NEAR(cut.line, strips.line, 1e-6 * (c.to - c.from)) << c.name;
    EXPECT_NEAR(cut.Wpl, strips.Wpl, 1e-7 * strips.Wpl) << c.name;
    EXPECT_NEAR(cut.areaAbove, cut.areaBelow, 1e-13 * cut.areaAbove) << c.name;
}

// IPE 200: h 200, b 100, tw 5.6, tf 8.5, r 12, centred on the origin.
double IpeWidthAlongY(double y) {
    const double u = 100 - std::fabs(y);  // from the outer face
    if (u < 8.5) return 100;
    const double fromFlange = u - 8.5;
    return 5.6 + (fromFlange < 12 ? 2 * FilletWidth(12, fromFlange) : 0);
}
double IpeWidthAlongX(double x) {
    const double u = std::fabs(x) - 2.8;  // from the web's face
    if (u < 0) return 200;
    return 17 + (u < 12 ? 2 * FilletWidth(12, u) : 0);
}

// L 200x100x14 (h 200 up the y axis, b 100 along x, t 14, r1 15, r2 7.5),
// heel at the origin.
double AngleWidthAlongY(double y) {
    const double h = 200, b = 100, t = 14, r1 = 15, r2 = 7.5;
    if (y < t) return b - (y > t - r2 ? FilletWidth(r2, t - y) : 0);
    double w = t;
    if (y < t + r1) w += FilletWidth(r1, y - t);
    if (y > h - r2) w -= FilletWidth(r2, h - y);
    return w;
}
double AngleWidthAlongX(double x) {
    const double h = 200, b = 100, t = 14, r1 = 15, r2 = 7.5;
    if (x < t) return h - (x > t - r2 ? FilletWidth(r2, t - x) : 0);
    double w = t;
    if (x < t + r1) w += FilletWidth(r1, x - t);
    if (x > b - r2) w -= FilletWidth(r2, b - x);
    return w;
}

// UPE 200 (h 200, b 80, tw 6, tf 11, r 13), web from x = 0 to 6.
double ChannelWidthAlongX(double x) {
    if (x < 6) return 200;
    return 22 + (x < 6 + 13 ? 2 * FilletWidth(13, x - 6) : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Filleted, AgainstStrips,
    ::testing::Values(StripCase{"ipe200_strong", IRegion(200, 100, 5.6, 8.5, 12), false, IpeWidthAlongY, -100, 100},
                      StripCase{"ipe200_weak", IRegion(200, 100, 5.6, 8.5, 12), true, IpeWidthAlongX, -50, 50},
                      StripCase{"angle_about_x", AngleRegion(200, 100, 14, 15, 7.5), false, AngleWidthAlongY, 0, 200},
                      StripCase{"angle_about_y", AngleRegion(200, 100, 14, 15, 7.5), true, AngleWidthAlongX, 0, 100},
                      StripCase{"channel_about_y", ChannelRegion(200, 80, 6, 11, 13), true, ChannelWidthAlongX, 0, 80}),
    [](const ::testing::TestParamInfo<StripCase>& info) { return info.param.name; });

struct ClosedCase {
    std::string name;
    Region region;
    bool aboutY;
    double line;
    double Wpl;
};
void PrintTo(const ClosedCase& c, std::ostream* os) { *os << c.name; }
class PlasticClosedForms : public ::testing::TestWithParam<ClosedCase> {};

TEST_P(PlasticClosedForms, MatchTheClosedForm) {
    const ClosedCase& c = GetParam();
    const PlasticCut cut = c.aboutY ? PlasticAboutY(c.region) : PlasticAboutX(c.region);
    EXPECT_NEAR(cut.line, c.line, 1e-13 * std::max(1.0, std::fabs(c.line))) << c.name;
    EXPECT_NEAR(cut.Wpl, c.Wpl, 1e-14 * c.Wpl) << c.name;
}

// A triangle, base b on y = 0, apex at height h above x = 0: the part above
// y = c is similar, (h - c)²/h² of the area, so c = h(1 - 1/√2); with
// w(y) = b (1 - y/h), ∫|y - c| w dy = ∫_0^h (y - c) w dy + 2 ∫_0^c (c - y) w dy
// = b h²/6 - c b h/2 + b(c² - c³/(3h)).
double TriangleWpl(double b, double h) {
    const double c = h * (1 - 1 / std::sqrt(2.0));
    return b * h * h / 6 - c * b * h / 2 + b * (c * c - c * c * c / (3 * h));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PlasticClosedForms,
    ::testing::Values(ClosedCase{"rectangle_x", Translated(RectangleRegion(40, 70), 3, 9), false, 9, 40 * 70 * 70 / 4.0},
                      ClosedCase{"rectangle_y", Translated(RectangleRegion(40, 70), 3, 9), true, 3, 70 * 40 * 40 / 4.0},
                      ClosedCase{"disc_x", Translated(CircleRegion(25), -4, 6), false, 6, 50.0 * 50 * 50 / 6},
                      ClosedCase{"disc_y", Translated(CircleRegion(25), -4, 6), true, -4, 50.0 * 50 * 50 / 6},
                      // Double T a 100, b 150, t1 20, t2 25: (a b² - (a - t2)(b - 2 t1)²)/4
                      // and (2 t1 a² + (b - 2 t1) t2²)/4.
                      ClosedCase{"double_t_x", IRegion(150, 100, 25, 20, 0), false, 0, (100 * 22500 - 75 * 12100) / 4.0},
                      ClosedCase{"double_t_y", IRegion(150, 100, 25, 20, 0), true, 0, (40 * 10000 + 110 * 625) / 4.0},
                      ClosedCase{"triangle", Region{{RoundedPolygon({{{0, 0}}, {{60, 0}}, {{0, 90}}})}}, false,
                                 90 * (1 - 1 / std::sqrt(2.0)), TriangleWpl(60, 90)}),
    [](const ::testing::TestParamInfo<ClosedCase>& info) { return info.param.name; });

}  // namespace
}  // namespace baricor::geometry
