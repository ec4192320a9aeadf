#include "composite/CoveredArea.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace baricor::composite {
namespace {

// The height where two edges cross inside both, if they do.
bool CrossingHeight(const Edge& p, const Edge& q, double& y) {
    const double rx = p.to.x - p.from.x, ry = p.to.y - p.from.y;
    const double sx = q.to.x - q.from.x, sy = q.to.y - q.from.y;
    const double denominator = rx * sy - ry * sx;
    if (denominator == 0) return false;  // parallel: their order along a line never swaps
    const double qx = q.from.x - p.from.x, qy = q.from.y - p.from.y;
    const double t = (qx * sy - qy * sx) / denominator;
    const double u = (qx * ry - qy * rx) / denominator;
    if (!(t > 0 && t < 1 && u > 0 && u < 1)) return false;
    y = p.from.y + t * ry;
    return true;
}

struct Crossing {
    double x;
    size_t region;
    int turn;  // +1 where the edge runs upwards, -1 downwards
};

}  // namespace

FlatRegion Flatten(const geometry::Region& region, int chordsPerArc) {
    FlatRegion flat;
    const geometry::Region polygon = geometry::Polygonized(region, chordsPerArc);
    double twiceArea = 0.0;
    for (const geometry::Contour& contour : polygon.contours) {
        for (const geometry::Piece& piece : contour) {
            flat.edges.push_back({piece.from, piece.to});
            twiceArea += piece.from.x * piece.to.y - piece.to.x * piece.from.y;
        }
    }
    flat.area = twiceArea / 2;
    flat.box = geometry::BoundsOf(polygon);
    return flat;
}

bool BoxesShareArea(const geometry::Box& a, const geometry::Box& b) {
    return std::min(a.xMax, b.xMax) > std::max(a.xMin, b.xMin) && std::min(a.yMax, b.yMax) > std::max(a.yMin, b.yMin);
}

double AreaWhere(const std::vector<const FlatRegion*>& regions,
                 const std::function<bool(const std::vector<bool>& inside)>& covered) {
    std::vector<double> heights;
    for (const FlatRegion* region : regions) {
        for (const Edge& e : region->edges) heights.push_back(e.from.y);
    }
    for (size_t i = 0; i < regions.size(); ++i) {
        for (size_t j = i + 1; j < regions.size(); ++j) {
            if (!BoxesShareArea(regions[i]->box, regions[j]->box)) continue;
            for (const Edge& p : regions[i]->edges) {
                for (const Edge& q : regions[j]->edges) {
                    double y = 0;
                    if (CrossingHeight(p, q, y)) heights.push_back(y);
                }
            }
        }
    }
    std::sort(heights.begin(), heights.end());
    heights.erase(std::unique(heights.begin(), heights.end()), heights.end());

    double area = 0.0;
    std::vector<Crossing> crossings;
    std::vector<int> winding(regions.size());
    std::vector<bool> inside(regions.size());
    for (size_t k = 0; k + 1 < heights.size(); ++k) {
        const double bottom = heights[k];
        const double top = heights[k + 1];
        const double y = bottom + (top - bottom) / 2;
        if (!(y > bottom && y < top)) continue;  // a slab thinner than the doubles can split
        crossings.clear();
        for (size_t r = 0; r < regions.size(); ++r) {
            for (const Edge& e : regions[r]->edges) {
                const bool up = e.from.y < y && y < e.to.y;
                const bool down = e.to.y < y && y < e.from.y;
                if (!up && !down) continue;
                const double x = e.from.x + (y - e.from.y) * (e.to.x - e.from.x) / (e.to.y - e.from.y);
                crossings.push_back({x, r, up ? 1 : -1});
            }
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        // From the far left, where every winding number is 0, rightwards. A
        // contour run the positive way round has its inside on its left, so
        // its edges running downwards are entered and those running upwards
        // left: the count drops by each edge's turn; inside where it is not 0.
        std::fill(winding.begin(), winding.end(), 0);
        std::fill(inside.begin(), inside.end(), false);
        double length = 0.0;
        for (size_t c = 0; c + 1 < crossings.size(); ++c) {
            winding[crossings[c].region] -= crossings[c].turn;
            inside[crossings[c].region] = winding[crossings[c].region] != 0;
            if (covered(inside)) length += crossings[c + 1].x - crossings[c].x;
        }
        area += length * (top - bottom);
    }
    return area;
}

}  // namespace baricor::composite
