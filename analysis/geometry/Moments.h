#pragma once
// Area, first and second moments of a region, exact: each boundary piece's
// contour integral in closed form (Green's theorem), with forms in dy alone,
//   A = ∮ x dy,   Sx = ∫y dA = ∮ x·y dy,   Sy = ∫x dA = ∮ x²/2 dy,
//   Jx = ∫y² dA = ∮ x·y² dy,   Jy = ∫x² dA = ∮ x³/3 dy,   Jxy = ∫xy dA = ∮ x²·y/2 dy.
// Since a horizontal line has dy = 0, the part of a region on one side of the
// line y = c is integrated by the boundary pieces on that side alone: the cut
// that closes it adds nothing.

#include "geometry/Region.h"

namespace baricor::geometry {

// About the frame's axes: Sx and Jx about the x axis (∫y dA, ∫y² dA), Sy and
// Jy about the y axis.
struct Moments {
    double A = 0.0;
    double Sx = 0.0;
    double Sy = 0.0;
    double Jx = 0.0;
    double Jy = 0.0;
    double Jxy = 0.0;

    Moments& operator+=(const Moments& other);
};

// One piece's share of the contour integrals.
Moments PieceMoments(const Piece& piece);
Moments MomentsOf(const Region& region);

// About the centroid G = (xG, yG) of the region, in the same frame.
struct CentroidalMoments {
    double A = 0.0;
    double xG = 0.0;
    double yG = 0.0;
    double Jx0 = 0.0;
    double Jy0 = 0.0;
    double Jxy0 = 0.0;
};
// The second moments are integrated again about G rather than shifted with
// the parallel-axis rule, which would lose digits for a region far from the
// origin.
CentroidalMoments CentroidalMomentsOf(const Region& region);

// The moments of the part of the region on one side of the line y = c: above
// it (y >= c) or below it (y <= c).
enum class Side { Above, Below };
Moments MomentsBeyond(const Region& region, double c, Side side);

}  // namespace baricor::geometry
