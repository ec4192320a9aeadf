#include "geometry/Region.h"

#include <algorithm>
#include <cmath>

#include "geometry/ArcAngles.h"

namespace baricor::geometry {
namespace {

using detail::kPi;

bool Same(Point a, Point b) { return a.x == b.x && a.y == b.y; }

// Where one rounded corner enters and leaves its arc.
struct RoundedCorner {
    Point entry;
    Point exit;
    bool arc = false;
    Point centre;
    double radius = 0.0;
    bool positive = true;
};

RoundedCorner Round(Point before, const Corner& corner, Point after) {
    const Point v = corner.at;
    RoundedCorner rounded;
    rounded.entry = v;
    rounded.exit = v;
    if (!(corner.radius > 0)) return rounded;
    // Unit vectors from the corner along its two sides: exact for sides along
    // the axes.
    const double lu = Length(before.x - v.x, before.y - v.y);
    const double lw = Length(after.x - v.x, after.y - v.y);
    if (!(lu > 0 && lw > 0)) return rounded;
    const Point u{(before.x - v.x) / lu, (before.y - v.y) / lu};
    const Point w{(after.x - v.x) / lw, (after.y - v.y) / lw};
    const double cosine = u.x * w.x + u.y * w.y;
    const double turn = u.x * w.y - u.y * w.x;  // < 0: the contour turns left here
    if (turn == 0) return rounded;             // no corner to round
    // The arc touches each side r / tan(half the corner's angle) from the corner.
    const double r = corner.radius;
    const double d = r * std::sqrt((1 + cosine) / (1 - cosine));
    const bool left = turn < 0;
    const double side = left ? 1.0 : -1.0;
    rounded.entry = {v.x + d * u.x, v.y + d * u.y};
    rounded.exit = {v.x + d * w.x, v.y + d * w.y};
    // The centre lies r from the incoming side, on the side the contour turns to.
    rounded.centre = {rounded.entry.x + side * r * u.y, rounded.entry.y - side * r * u.x};
    rounded.arc = true;
    rounded.radius = r;
    rounded.positive = left;
    return rounded;
}

Point Turned(Point p, double c, double s, double dx, double dy) {
    return {c * p.x - s * p.y + dx, s * p.x + c * p.y + dy};
}

template <typename Map>
Region Mapped(const Region& region, Map map) {
    Region out;
    out.contours.reserve(region.contours.size());
    for (const Contour& contour : region.contours) {
        Contour mapped;
        mapped.reserve(contour.size());
        for (Piece piece : contour) {
            piece.from = map(piece.from);
            piece.to = map(piece.to);
            if (piece.arc) piece.centre = map(piece.centre);
            mapped.push_back(piece);
        }
        out.contours.push_back(std::move(mapped));
    }
    return out;
}

void Include(Box& box, Point p) {
    box.xMin = std::min(box.xMin, p.x);
    box.xMax = std::max(box.xMax, p.x);
    box.yMin = std::min(box.yMin, p.y);
    box.yMax = std::max(box.yMax, p.y);
}

}  // namespace

Piece Segment(Point from, Point to) { return {from, to, false, {}, 0.0, true}; }

Piece Arc(Point from, Point to, Point centre, double radius, bool positive) {
    return {from, to, true, centre, radius, positive};
}

Contour RoundedPolygon(const std::vector<Corner>& corners) {
    const size_t n = corners.size();
    std::vector<RoundedCorner> rounded;
    rounded.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        rounded.push_back(Round(corners[(i + n - 1) % n].at, corners[i], corners[(i + 1) % n].at));
    }
    Contour contour;
    for (size_t i = 0; i < n; ++i) {
        const RoundedCorner& c = rounded[i];
        if (c.arc) contour.push_back(Arc(c.entry, c.exit, c.centre, c.radius, c.positive));
        const Point next = rounded[(i + 1) % n].entry;
        // Two arcs that use up a whole side meet without a segment between them.
        if (!Same(c.exit, next)) contour.push_back(Segment(c.exit, next));
    }
    return contour;
}

Contour Reversed(const Contour& contour) {
    Contour reversed;
    reversed.reserve(contour.size());
    for (auto piece = contour.rbegin(); piece != contour.rend(); ++piece) {
        Piece back = *piece;
        std::swap(back.from, back.to);
        back.positive = !piece->positive;
        reversed.push_back(back);
    }
    return reversed;
}

Region Transformed(const Region& region, double angle, double dx, double dy) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return Mapped(region, [=](Point p) { return Turned(p, c, s, dx, dy); });
}

Region Translated(const Region& region, double dx, double dy) {
    return Mapped(region, [=](Point p) { return Point{p.x + dx, p.y + dy}; });
}

Region QuarterTurned(const Region& region) {
    return Mapped(region, [](Point p) { return Point{-p.y, p.x}; });
}

Region HalfTurned(const Region& region) {
    return Mapped(region, [](Point p) { return Point{-p.x, -p.y}; });
}

Region Polygonized(const Region& region, int chordsPerArc) {
    const int n = std::max(1, chordsPerArc);
    Region out;
    for (const Contour& contour : region.contours) {
        Contour polygon;
        for (const Piece& piece : contour) {
            if (!piece.arc) {
                polygon.push_back(piece);
                continue;
            }
            const double start = detail::StartAngle(piece);
            const double sweep = detail::SweepOf(piece);
            Point from = piece.from;
            for (int k = 1; k <= n; ++k) {
                const double t = start + sweep * k / n;
                const Point to = k == n ? piece.to
                                        : Point{piece.centre.x + piece.radius * std::cos(t),
                                                piece.centre.y + piece.radius * std::sin(t)};
                polygon.push_back(Segment(from, to));
                from = to;
            }
        }
        out.contours.push_back(std::move(polygon));
    }
    return out;
}

Box BoundsOf(const Region& region) {
    Box box{INFINITY, -INFINITY, INFINITY, -INFINITY};
    for (const Contour& contour : region.contours) {
        for (const Piece& piece : contour) {
            Include(box, piece.from);
            Include(box, piece.to);
            if (!piece.arc) continue;
            // The circle's leftmost, rightmost, lowest and highest points, where
            // the arc passes them.
            const double sweep = std::fabs(detail::SweepOf(piece));
            const Point c = piece.centre;
            const double r = piece.radius;
            const Point extreme[4] = {{c.x + r, c.y}, {c.x, c.y + r}, {c.x - r, c.y}, {c.x, c.y - r}};
            for (int k = 0; k < 4; ++k) {
                if (detail::OffsetAlong(piece, k * kPi / 2) <= sweep) Include(box, extreme[k]);
            }
        }
    }
    return box;
}

}  // namespace baricor::geometry
