#include "geometry/Moments.h"

#include <algorithm>
#include <cmath>

#include "geometry/ArcAngles.h"

namespace baricor::geometry {
namespace {

using detail::kPi;

// A straight piece from (xa, ya) to (xb, yb): each integrand is a polynomial
// in the parameter along the piece, integrated exactly.
Moments SegmentMoments(Point a, Point b) {
    const double xa = a.x, ya = a.y, xb = b.x, yb = b.y;
    const double dy = yb - ya;
    Moments m;
    m.A = dy * (xa + xb) / 2;
    m.Sx = dy * (xa * (2 * ya + yb) + xb * (ya + 2 * yb)) / 6;
    m.Sy = dy * (xa * xa + xa * xb + xb * xb) / 6;
    m.Jx = dy * (xa * (3 * ya * ya + 2 * ya * yb + yb * yb) + xb * (ya * ya + 2 * ya * yb + 3 * yb * yb)) / 12;
    m.Jy = dy * (xa + xb) * (xa * xa + xb * xb) / 12;
    m.Jxy = dy * (xa * xa * (3 * ya + yb) + 2 * xa * xb * (ya + yb) + xb * xb * (ya + 3 * yb)) / 24;
    return m;
}

// ∫ cos^m t · sin^n t dt between the arc's ends, for the powers the moments
// need, from the ends' cosines c and sines s and the angle turned.
struct TrigIntegrals {
    double k10, k11, k12, k20, k21, k22, k30, k31, k40;
};

TrigIntegrals TrigOver(double c0, double s0, double c1, double s1, double sweep) {
    // Antiderivatives: K10 = s, K11 = s²/2, K12 = s³/3, K20 = (t + sc)/2,
    // K21 = -c³/3, K22 = t/8 - sc(c² - s²)/8, K30 = s - s³/3, K31 = -c⁴/4,
    // K40 = 3t/8 + sc/2 + sc(c² - s²)/8.
    const double sc = s1 * c1 - s0 * c0;
    const double q = s1 * c1 * (c1 * c1 - s1 * s1) - s0 * c0 * (c0 * c0 - s0 * s0);
    const double ds = s1 - s0;
    const double ds3 = s1 * s1 * s1 - s0 * s0 * s0;
    TrigIntegrals k;
    k.k10 = ds;
    k.k11 = (s1 * s1 - s0 * s0) / 2;
    k.k12 = ds3 / 3;
    k.k20 = (sweep + sc) / 2;
    k.k21 = -(c1 * c1 * c1 - c0 * c0 * c0) / 3;
    k.k22 = (sweep - q) / 8;
    k.k30 = ds - ds3 / 3;
    k.k31 = -(c1 * c1 * c1 * c1 - c0 * c0 * c0 * c0) / 4;
    k.k40 = 3 * sweep / 8 + sc / 2 + q / 8;
    return k;
}

// An arc about (X, Y) of radius r: x = X + r cos t, y = Y + r sin t,
// dy = r cos t dt; each integrand expanded in powers of r cos t and r sin t.
Moments ArcMoments(const Piece& arc) {
    const double X = arc.centre.x, Y = arc.centre.y, r = arc.radius;
    const TrigIntegrals k =
        TrigOver(detail::CosAt(arc, arc.from), detail::SinAt(arc, arc.from), detail::CosAt(arc, arc.to),
                 detail::SinAt(arc, arc.to), detail::SweepOf(arc));
    const double r2 = r * r, r3 = r2 * r, r4 = r3 * r;
    Moments m;
    m.A = X * r * k.k10 + r2 * k.k20;
    m.Sx = X * Y * r * k.k10 + X * r2 * k.k11 + Y * r2 * k.k20 + r3 * k.k21;
    m.Sy = (X * X * r * k.k10 + 2 * X * r2 * k.k20 + r3 * k.k30) / 2;
    m.Jx = X * Y * Y * r * k.k10 + 2 * X * Y * r2 * k.k11 + X * r3 * k.k12 + Y * Y * r2 * k.k20 + 2 * Y * r3 * k.k21 +
           r4 * k.k22;
    m.Jy = (X * X * X * r * k.k10 + 3 * X * X * r2 * k.k20 + 3 * X * r3 * k.k30 + r4 * k.k40) / 3;
    m.Jxy = (X * X * Y * r * k.k10 + X * X * r2 * k.k11 + 2 * X * Y * r2 * k.k20 + 2 * X * r3 * k.k21 +
             Y * r3 * k.k30 + r4 * k.k31) /
            2;
    return m;
}

bool OnSide(double y, double c, Side side) { return side == Side::Above ? y >= c : y <= c; }

// The part of a segment on one side of y = c.
void AddSegmentBeyond(const Piece& piece, double c, Side side, Moments& sum) {
    const bool fromIn = OnSide(piece.from.y, c, side);
    const bool toIn = OnSide(piece.to.y, c, side);
    if (fromIn && toIn) {
        sum += SegmentMoments(piece.from, piece.to);
        return;
    }
    if (!fromIn && !toIn) return;
    const double t = (c - piece.from.y) / (piece.to.y - piece.from.y);
    const Point cut{piece.from.x + t * (piece.to.x - piece.from.x), c};
    sum += fromIn ? SegmentMoments(piece.from, cut) : SegmentMoments(cut, piece.to);
}

// The parts of an arc on one side of y = c: the arc is split where its circle
// crosses the line, and each part kept whose middle lies on that side.
void AddArcBeyond(const Piece& arc, double c, Side side, Moments& sum) {
    const double d = c - arc.centre.y;
    const double r = arc.radius;
    const double sweep = std::fabs(detail::SweepOf(arc));
    // Split points: the offset along the arc and the point itself.
    struct Split {
        double offset;
        Point at;
    };
    Split splits[4];
    int count = 0;
    splits[count++] = {0.0, arc.from};
    if (std::fabs(d) < r) {
        const double w = std::sqrt((r - d) * (r + d));
        const double k = d / r;
        const double right = std::asin(k);
        const Split crossings[2] = {{detail::OffsetAlong(arc, right), {arc.centre.x + w, c}},
                                    {detail::OffsetAlong(arc, kPi - right), {arc.centre.x - w, c}}};
        for (const Split& crossing : crossings) {
            if (crossing.offset > 0 && crossing.offset < sweep) splits[count++] = crossing;
        }
        if (count == 3 && splits[2].offset < splits[1].offset) std::swap(splits[1], splits[2]);
    }
    splits[count++] = {sweep, arc.to};
    const double start = detail::StartAngle(arc);
    const double sense = arc.positive ? 1.0 : -1.0;
    for (int i = 0; i + 1 < count; ++i) {
        const double middle = start + sense * (splits[i].offset + splits[i + 1].offset) / 2;
        if (!OnSide(arc.centre.y + r * std::sin(middle), c, side)) continue;
        sum += ArcMoments(Arc(splits[i].at, splits[i + 1].at, arc.centre, r, arc.positive));
    }
}

}  // namespace

Moments& Moments::operator+=(const Moments& other) {
    A += other.A;
    Sx += other.Sx;
    Sy += other.Sy;
    Jx += other.Jx;
    Jy += other.Jy;
    Jxy += other.Jxy;
    return *this;
}

Moments PieceMoments(const Piece& piece) {
    return piece.arc ? ArcMoments(piece) : SegmentMoments(piece.from, piece.to);
}

Moments MomentsOf(const Region& region) {
    Moments sum;
    for (const Contour& contour : region.contours) {
        for (const Piece& piece : contour) sum += PieceMoments(piece);
    }
    return sum;
}

CentroidalMoments CentroidalMomentsOf(const Region& region) {
    const Moments first = MomentsOf(region);
    CentroidalMoments g;
    g.A = first.A;
    g.xG = first.Sy / first.A;
    g.yG = first.Sx / first.A;
    // About G: what is left of the first moments there is rounding, taken out
    // with the parallel-axis rule.
    const Moments about = MomentsOf(Translated(region, -g.xG, -g.yG));
    const double dx = about.Sy / about.A;
    const double dy = about.Sx / about.A;
    g.xG += dx;
    g.yG += dy;
    g.Jx0 = about.Jx - about.A * dy * dy;
    g.Jy0 = about.Jy - about.A * dx * dx;
    g.Jxy0 = about.Jxy - about.A * dx * dy;
    return g;
}

Moments MomentsBeyond(const Region& region, double c, Side side) {
    Moments sum;
    for (const Contour& contour : region.contours) {
        for (const Piece& piece : contour) {
            if (piece.arc) {
                AddArcBeyond(piece, c, side, sum);
            } else {
                AddSegmentBeyond(piece, c, side, sum);
            }
        }
    }
    return sum;
}

}  // namespace baricor::geometry
