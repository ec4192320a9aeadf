#include "profiles/ProfileProperties.h"

#include <algorithm>
#include <cmath>

#include "PrincipalAxes.h"
#include "geometry/Builders.h"
#include "geometry/Moments.h"
#include "geometry/PlasticModuli.h"
#include "geometry/RectangleTorsion.h"

namespace baricor {
namespace {

using geometry::Region;

// The region in the usual frame (x to the right, y upwards) as it appears on
// the screen, and where G lies in it.
struct Placed {
    Region region;
    double xG = 0.0;
    double yG = 0.0;
};

Placed OnScreen(const Profile& profile) {
    const auto [d0, d1, d2, d3, d4] = profile.dimensions;
    Placed placed;
    switch (profile.shape) {
        case ProfileShape::I:
            // Centred on the origin, which is G by symmetry.
            placed.region = geometry::IRegion(d0, d1, d2, d3, d4);
            return placed;
        case ProfileShape::Channel:
            placed.region = geometry::ChannelRegion(d0, d1, d2, d3, d4);
            placed.yG = d0 / 2;  // on the axis of symmetry
            break;
        case ProfileShape::Angle:
            placed.region = geometry::AngleRegion(d0, d1, d2, d3, d4);
            break;
    }
    const geometry::Moments m = geometry::MomentsOf(placed.region);
    placed.xG = m.Sy / m.A;
    if (profile.shape == ProfileShape::Angle) placed.yG = m.Sx / m.A;
    return placed;
}

}  // namespace

double FlangedTorsionConstant(double h, double b, double tw, double tf, double r) {
    const double D = ((tf + r) * (tf + r) + tw * (r + tw / 4)) / (2 * r + tf);
    return 2.0 / 3.0 * (b - 0.63 * tf) * tf * tf * tf + (h - 2 * tf) * tw * tw * tw / 3 +
           2 * (tw / tf) * (0.145 + 0.1 * r / tf) * D * D * D * D;
}

double ChannelTorsionConstant(double h, double b, double tw, double tf) {
    return geometry::RectangleTorsionConstant(tw, h) + 2 * geometry::RectangleTorsionConstant(b - tw, tf);
}

double ChannelWarpingConstant(double h, double b, double tw, double tf) {
    const double am = b - tw / 2;
    const double hm = h - tf;
    return (tf * am * am * am * hm * hm / 12) * (3 * am * tf + 2 * hm * tw) / (6 * am * tf + hm * tw);
}

double AngleTorsionConstant(double h, double b, double t) {
    return geometry::RectangleTorsionConstant(b, t) + geometry::RectangleTorsionConstant(t, h - t);
}

Region ProfileRegion(const Profile& profile) {
    const Placed placed = OnScreen(profile);
    // About G, then half a turn: the diagrams' frame, the profile where it was
    // on the screen.
    return geometry::HalfTurned(geometry::Translated(placed.region, -placed.xG, -placed.yG));
}

ProfileProperties PropertiesOf(const Profile& profile) {
    const auto [d0, d1, d2, d3, d4] = profile.dimensions;
    const Placed placed = OnScreen(profile);
    const Region region = geometry::HalfTurned(geometry::Translated(placed.region, -placed.xG, -placed.yG));
    const geometry::CentroidalMoments g = geometry::CentroidalMomentsOf(region);
    ProfileProperties p;
    p.A = g.A;
    p.mass = g.A * kSteelDensity / 1e6;
    p.Jx = g.Jx0;
    p.Jy = g.Jy0;
    // I and H have two axes of symmetry, channels the horizontal one: what an
    // integration leaves of their product of inertia is rounding.
    p.Jxy = profile.shape == ProfileShape::Angle ? g.Jxy0 : 0.0;
    const geometry::Box box = geometry::BoundsOf(region);
    p.Wx = p.Jx / std::max(box.yMax - g.yG, g.yG - box.yMin);
    p.Wy = p.Jy / std::max(box.xMax - g.xG, g.xG - box.xMin);
    p.Wplx = geometry::PlasticAboutX(region).Wpl;
    p.Wply = geometry::PlasticAboutY(region).Wpl;
    p.rhoX = std::sqrt(p.Jx / p.A);
    p.rhoY = std::sqrt(p.Jy / p.A);
    switch (profile.shape) {
        case ProfileShape::I:
            p.It = FlangedTorsionConstant(d0, d1, d2, d3, d4);
            p.Iw = p.Jy * (d0 - d3) * (d0 - d3) / 4;
            break;
        case ProfileShape::Channel:
            p.It = ChannelTorsionConstant(d0, d1, d2, d3);
            p.Iw = ChannelWarpingConstant(d0, d1, d2, d3);
            p.xG = placed.xG;
            break;
        case ProfileShape::Angle:
            p.It = AngleTorsionConstant(d0, d1, d2);
            p.Iw = 0.0;
            p.xG = placed.xG;
            p.yG = placed.yG;
            break;
    }
    const PrincipalMoments principal = PrincipalMomentsOf(p.Jx, p.Jy, p.Jxy);
    p.J1 = principal.J1;
    p.J2 = principal.J2;
    p.alpha = principal.alpha;
    return p;
}

}  // namespace baricor
