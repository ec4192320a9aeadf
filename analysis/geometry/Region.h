#pragma once
// A plane region bounded by closed contours of straight segments and circular
// arcs, and the ways to build and place one. A solid contour runs the positive
// way round (turning from the +x axis towards the +y axis), a hole the other
// way, so that each contour's signed area adds up to the region's.
//
// Any right-handed frame will do: the diagrams' frame (x to the left, y
// downwards) is the usual one (x to the right, y upwards) turned half a turn,
// so a contour that runs the positive way in one runs it in the other too.

#include <cmath>
#include <vector>

namespace baricor::geometry {

// The length of (x, y), exact for a vector along an axis. std::hypot would
// tie the program to a newer C library than anything else in it needs.
inline double Length(double x, double y) { return std::sqrt(x * x + y * y); }

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// One piece of a contour, from `from` to `to`: a straight segment, or an arc
// of the circle about `centre` with `radius`, turning the positive way round
// or not. An arc turns at most half a circle; its ends lie on its circle.
struct Piece {
    Point from;
    Point to;
    bool arc = false;
    Point centre;
    double radius = 0.0;
    bool positive = true;
};

// Closed: each piece starts where the one before it ends, the first where the
// last ends.
using Contour = std::vector<Piece>;

struct Region {
    std::vector<Contour> contours;
};

Piece Segment(Point from, Point to);
Piece Arc(Point from, Point to, Point centre, double radius, bool positive);

// A corner of a polygon, rounded by a circular arc of `radius` tangent to both
// of its sides (0: a sharp corner).
struct Corner {
    Point at;
    double radius = 0.0;
};

// The polygon through `corners` in order (running the positive way round for a
// solid), each corner rounded by its arc. Each radius must fit its two sides
// together with the neighbouring corners' arcs.
Contour RoundedPolygon(const std::vector<Corner>& corners);

// The same boundary run the other way round: a solid's outline made a hole.
Contour Reversed(const Contour& contour);

// Every point turned by `angle` radians about the origin (from +x towards +y),
// then moved by (dx, dy): where a part goes when placed in a common frame.
Region Transformed(const Region& region, double angle, double dx, double dy);
// Moved without turning, exactly.
Region Translated(const Region& region, double dx, double dy);
// Turned a quarter turn, (x, y) -> (-y, x), exactly: a vertical line x = c
// becomes the horizontal line y = c.
Region QuarterTurned(const Region& region);
// Turned half a turn, (x, y) -> (-x, -y), exactly: from the usual frame to the
// diagrams' frame, the region keeping its place on the screen.
Region HalfTurned(const Region& region);

// The same region with each arc replaced by `chordsPerArc` chords joining
// points of the arc: a polygon that approaches it as the count grows.
Region Polygonized(const Region& region, int chordsPerArc);

// The smallest axis-parallel box holding the region (arcs' bulges included).
struct Box {
    double xMin = 0.0;
    double xMax = 0.0;
    double yMin = 0.0;
    double yMax = 0.0;
};
Box BoundsOf(const Region& region);

}  // namespace baricor::geometry
