#pragma once
// Carries a section's centroidal properties over to the user's reference axes:
// translated by (Dx, Dy) from the centroid G and turned by theta degrees. Axes as
// every diagram draws them: x positive to the left, y positive downwards.

#include <optional>

#include "Angles.h"

namespace baricor {

struct CentroidalProperties {
    double A = 0.0;
    double Jx0 = 0.0;
    double Jy0 = 0.0;
    double Jxy0 = 0.0;
};

struct AxisPlacement {
    double Dx = 0.0;
    double Dy = 0.0;
    double theta = 0.0;  // degrees
};

struct AxisResults {
    double Sx = 0.0;
    double Sy = 0.0;
    double Jx = 0.0;
    double Jy = 0.0;
    double Jxy = 0.0;
};

// Below this ratio to Jx or Jy the product of inertia is rotation residue.
inline constexpr double kProductCleanUp = 0.00001;

// Empty when the clean-up of the product of inertia would divide by a zero Jx
// or Jy: the section then has no defined result. The order and grouping of each
// line decide the last shown digit and must not be rearranged.
std::optional<AxisResults> AxisTransform(const CentroidalProperties& centroidal, const AxisPlacement& axes);

}  // namespace baricor
