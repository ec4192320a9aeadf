#pragma once
// How much area several placed regions share, for the composite's warnings:
// two solid parts that overlap, or a hole that reaches beyond the solid parts.
//
// Each region is flattened to straight edges (each arc to chords inscribed in
// it, so a flattened region never reaches beyond the true one). The plane is
// then cut into horizontal slabs at every vertex and at every height where an
// edge of one region crosses an edge of another: inside a slab no edge starts,
// ends or crosses another, so the length of any boolean combination of the
// regions along a horizontal line varies linearly across the slab, and its
// length at the slab's mid-height times the slab's height is its area there,
// exactly. Cheaper and simpler than clipping polygons, and it handles holes,
// touching faces (which share a length, not an area) and any number of regions.

#include <functional>
#include <vector>

#include "geometry/Region.h"

namespace baricor::composite {

struct Edge {
    geometry::Point from;
    geometry::Point to;
};

// A region as edges that keep their contours' directions: a solid contour runs
// the positive way round, a hole the other way, so the winding number is
// nonzero exactly inside the region.
struct FlatRegion {
    std::vector<Edge> edges;
    geometry::Box box;
    double area = 0.0;  // of the flattened region
};

// Chords per arc: a quarter-circle fillet's chords then lie within 0.5 % of
// its radius of the arc.
inline constexpr int kChordsPerArc = 8;
FlatRegion Flatten(const geometry::Region& region, int chordsPerArc = kChordsPerArc);

// The area of the points where `covered` holds, given for each of `regions`
// whether the point lies inside it (in the order of `regions`).
double AreaWhere(const std::vector<const FlatRegion*>& regions,
                 const std::function<bool(const std::vector<bool>& inside)>& covered);

// Whether two boxes share an area (touching along an edge is not sharing).
bool BoxesShareArea(const geometry::Box& a, const geometry::Box& b);

}  // namespace baricor::composite
