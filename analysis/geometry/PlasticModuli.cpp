#include "geometry/PlasticModuli.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "geometry/Moments.h"

namespace baricor::geometry {
namespace {

double AreaAbove(const Region& region, double c) { return MomentsBeyond(region, c, Side::Above).A; }

// The area above y = c falls from all of it to none as c rises through the
// region: the equal-area line is the root of AreaAbove(c) - A/2, kept in a
// bracket [low, high] that shrinks until its ends are neighbouring doubles, or
// no farther apart than one unit in the last place of the region's extent: a
// section symmetric about the line has its root at 0, where halving down to
// the neighbours of 0 would take a thousand steps to move the line by less
// than the coordinates can tell apart (and Wpl, stationary at the root, not
// at all).
// The steps are regula falsi with the Illinois correction (the end that stays
// has its value halved), which converges quickly where the area grows
// smoothly, and plain halving whenever a step would not shrink the bracket
// enough.
double EqualAreaLine(const Region& region, double total, double low, double high) {
    const double half = total / 2;
    const double resolution = std::max(std::fabs(low), std::fabs(high)) * std::numeric_limits<double>::epsilon();
    // `low` and `high` are the region's bounds: all of it lies above the one,
    // none above the other.
    double fLow = half;
    double fHigh = -half;
    int side = 0;
    for (int step = 0; step < 400; ++step) {
        if (fLow == 0) return low;
        if (fHigh == 0) return high;
        const double mid = low + (high - low) / 2;
        if (!(mid > low && mid < high) || high - low <= resolution) break;
        double c = low + (high - low) * (fLow / (fLow - fHigh));
        // A guess stuck at an end, or (every fourth step) plain halving, keeps
        // the bracket shrinking geometrically whatever the area function does.
        if (!(c > low && c < high) || step % 4 == 3) c = mid;
        const double f = AreaAbove(region, c) - half;
        if (f > 0) {
            low = c;
            fLow = f;
            if (side == -1) fHigh /= 2;
            side = -1;
        } else if (f < 0) {
            high = c;
            fHigh = f;
            if (side == 1) fLow /= 2;
            side = 1;
        } else {
            return c;
        }
    }
    // Neighbouring doubles, or as near: the one whose halves differ less.
    return std::fabs(AreaAbove(region, low) - half) <= std::fabs(AreaAbove(region, high) - half) ? low : high;
}

}  // namespace

PlasticCut PlasticAboutX(const Region& region) {
    const double total = MomentsOf(region).A;
    const Box box = BoundsOf(region);
    PlasticCut cut;
    cut.line = EqualAreaLine(region, total, box.yMin, box.yMax);
    const Moments above = MomentsBeyond(region, cut.line, Side::Above);
    const Moments below = MomentsBeyond(region, cut.line, Side::Below);
    cut.areaAbove = above.A;
    cut.areaBelow = below.A;
    cut.Wpl = (above.Sx - cut.line * above.A) + (cut.line * below.A - below.Sx);
    return cut;
}

PlasticCut PlasticAboutY(const Region& region) {
    // Turned a quarter turn, (x, y) -> (-y, x): the vertical line x = c is then
    // the horizontal line y = c, with the part x >= c above it.
    return PlasticAboutX(QuarterTurned(region));
}

}  // namespace baricor::geometry
