// Random fillet-shaped regions through the contour integrals: a rectangle
// with its four corners rounded by random radii, or an I with random root
// fillets, moved and turned at random, with or without a rounded rectangular
// hole inside. The area must be the closed form, every moment finite and
// consistent with a fine polygon through the arcs (within that polygon's sag),
// the centroidal moments a positive tensor that turning does not change, and
// the equal-area lines must split the area in halves with plastic moduli no
// smaller than the elastic ones.
// Input: bytes read as fractions choosing the shape, its sizes, radii, hole,
// position and turn.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "geometry/Builders.h"
#include "geometry/Moments.h"
#include "geometry/PlasticModuli.h"

using namespace baricor::geometry;

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kChords = 256;  // per arc, each arc at most a quarter turn here

[[noreturn]] void Broken(const char* rule, double actual, double expected) {
    std::fprintf(stderr, "\nBROKEN RULE: %s\nactual %.17g, expected %.17g\n", rule, actual, expected);
    std::abort();
}

void RequireNear(const char* rule, double actual, double expected, double tolerance) {
    if (!(std::fabs(actual - expected) <= tolerance)) Broken(rule, actual, expected);
}

double Fraction(FuzzedDataProvider& data) { return data.ConsumeIntegral<uint16_t>() / 65535.0; }

// A rectangle width x height about (cx, cy), each corner rounded by a
// fraction of the most it can take.
struct Rounded {
    Contour contour;
    double area = 0;
    double radiiSquared = 0;
};
Rounded RoundedRectangle(FuzzedDataProvider& data, double width, double height, double cx, double cy) {
    const double most = std::min(width, height) / 2;
    double r[4];
    Rounded out;
    for (double& radius : r) {
        radius = most * Fraction(data);
        out.radiiSquared += radius * radius;
    }
    const double x = width / 2, y = height / 2;
    out.contour = RoundedPolygon(
        {{{cx - x, cy - y}, r[0]}, {{cx + x, cy - y}, r[1]}, {{cx + x, cy + y}, r[2]}, {{cx - x, cy + y}, r[3]}});
    out.area = width * height - (1 - kPi / 4) * out.radiiSquared;
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t length) {
    FuzzedDataProvider data(bytes, length);
    const bool beam = data.ConsumeBool();
    const double width = 1 + 999 * Fraction(data);
    const double height = 1 + 999 * Fraction(data);
    Region region;
    double area = 0;
    double radiiSquared = 0;
    if (beam) {
        const double tf = height / 2 * (0.02 + 0.9 * Fraction(data));
        const double tw = width * (0.02 + 0.9 * Fraction(data));
        const double r = std::min((width - tw) / 2, height / 2 - tf) * Fraction(data);
        region = IRegion(height, width, tw, tf, r);
        area = 2 * width * tf + (height - 2 * tf) * tw + (4 - kPi) * r * r;
        radiiSquared = 4 * r * r;
    } else {
        const Rounded outer = RoundedRectangle(data, width, height, 0, 0);
        region.contours.push_back(outer.contour);
        area = outer.area;
        radiiSquared = outer.radiiSquared;
        if (data.ConsumeBool()) {
            // A hole well inside: clear of the rounded corners (a corner of
            // radius r cuts r (1 - 1/√2) < 0.3 r into the diagonal; r is at
            // most half the smaller side), with a further margin of at least
            // 1 % of the smaller side.
            const double margin = std::min(width, height) * (0.15 + 0.01 + 0.3 * Fraction(data));
            const double w = (width - 2 * margin) * (0.05 + 0.95 * Fraction(data));
            const double h = (height - 2 * margin) * (0.05 + 0.95 * Fraction(data));
            const double cx = (width - 2 * margin - w) * (Fraction(data) - 0.5);
            const double cy = (height - 2 * margin - h) * (Fraction(data) - 0.5);
            const Rounded hole = RoundedRectangle(data, w, h, cx, cy);
            region.contours.push_back(Reversed(hole.contour));
            area -= hole.area;
            radiiSquared += hole.radiiSquared;
        }
    }
    const double angle = 2 * kPi * Fraction(data);
    const double dx = 2000 * (Fraction(data) - 0.5);
    const double dy = 2000 * (Fraction(data) - 0.5);
    const Region placed = Transformed(region, angle, dx, dy);

    const Moments m = MomentsOf(placed);
    for (double v : {m.A, m.Sx, m.Sy, m.Jx, m.Jy, m.Jxy}) {
        if (!std::isfinite(v)) Broken("every moment is finite", v, 0);
    }
    const double size = std::max(width, height);
    const double reach = size + std::hypot(dx, dy);  // the farthest a point lies from the origin
    // Rounding: each piece's integrand is of the order of reach^(k+1) times
    // its length, for a moment of order k; a thousand pieces or so.
    const auto rounding = [&](int k) { return 1e-12 * size * std::pow(reach, k + 1); };
    RequireNear("the area is the closed form", m.A, area, 1e-12 * width * height + rounding(0));

    // A polygon through the arcs lacks, per arc, its chords' sags: at most
    // r² θ³/12 per chord of angle θ, about r² (π/2)³ / (12 n²) per arc.
    const Moments p = MomentsOf(Polygonized(placed, kChords));
    const double sag = radiiSquared * 0.33 / (kChords * kChords);
    RequireNear("A as the polygon's", m.A, p.A, sag + rounding(0));
    RequireNear("Sx as the polygon's", m.Sx, p.Sx, sag * reach + rounding(1));
    RequireNear("Sy as the polygon's", m.Sy, p.Sy, sag * reach + rounding(1));
    RequireNear("Jx as the polygon's", m.Jx, p.Jx, sag * reach * reach + rounding(2));
    RequireNear("Jy as the polygon's", m.Jy, p.Jy, sag * reach * reach + rounding(2));
    RequireNear("Jxy as the polygon's", m.Jxy, p.Jxy, sag * reach * reach + rounding(2));

    // About G: a positive tensor, its trace and determinant the same however
    // the region is turned.
    const CentroidalMoments g = CentroidalMomentsOf(placed);
    const CentroidalMoments still = CentroidalMomentsOf(region);
    const double scale = area * size * size;
    if (!(g.Jx0 > 0 && g.Jy0 > 0)) Broken("centroidal moments are positive", std::min(g.Jx0, g.Jy0), 0);
    RequireNear("turning keeps the polar moment", g.Jx0 + g.Jy0, still.Jx0 + still.Jy0, 1e-9 * scale);
    RequireNear("turning keeps the principal moments' product", g.Jx0 * g.Jy0 - g.Jxy0 * g.Jxy0,
                still.Jx0 * still.Jy0 - still.Jxy0 * still.Jxy0, 1e-8 * scale * scale);

    // Plastic moduli about G's axes: halves of equal area, each no smaller
    // than the elastic modulus to the extreme fibre.
    const Region atG = Translated(placed, -g.xG, -g.yG);
    const Box box = BoundsOf(atG);
    const PlasticCut aboutX = PlasticAboutX(atG);
    const PlasticCut aboutY = PlasticAboutY(atG);
    RequireNear("the x cut halves the area", aboutX.areaAbove, aboutX.areaBelow, 1e-9 * area);
    RequireNear("the y cut halves the area", aboutY.areaAbove, aboutY.areaBelow, 1e-9 * area);
    const double Wx = g.Jx0 / std::max(box.yMax, -box.yMin);
    const double Wy = g.Jy0 / std::max(box.xMax, -box.xMin);
    if (!(aboutX.Wpl >= Wx * (1 - 1e-9))) Broken("Wpl,x is no smaller than Wx", aboutX.Wpl, Wx);
    if (!(aboutY.Wpl >= Wy * (1 - 1e-9))) Broken("Wpl,y is no smaller than Wy", aboutY.Wpl, Wy);
    return 0;
}
