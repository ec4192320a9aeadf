#pragma once
// A rolled profile's properties, computed from its dimensions: exact from its
// region (fillets and toe radii included) wherever an exact value exists, and
// the catalogues' formulas for the torsion and warping constants.
//
// The profile is drawn and measured like the matching section window, about
// its centroid G in the diagrams' frame (x to the left, y downwards): I and H
// like the double T, UPE like the C (web on the left, flanges reaching right),
// angles like the L (leg h upright along the left, leg b along the bottom).
// So Jx is about the horizontal axis: for an I standing upright it is the
// tables' strong-axis moment.

#include "geometry/Region.h"
#include "profiles/ProfileCatalogue.h"

namespace baricor {

// Steel, for the mass per metre.
inline constexpr double kSteelDensity = 7850.0;  // kg/m^3

struct ProfileProperties {
    double A = 0.0;     // mm^2
    double mass = 0.0;  // G, kg/m
    double Jx = 0.0;    // mm^4, about the horizontal axis through G
    double Jy = 0.0;    // mm^4, about the vertical axis through G
    double Jxy = 0.0;   // mm^4
    double Wx = 0.0;    // mm^3, elastic, to the extreme fibre along y
    double Wy = 0.0;    // mm^3, elastic, to the extreme fibre along x
    double Wplx = 0.0;  // mm^3
    double Wply = 0.0;  // mm^3
    double rhoX = 0.0;  // mm
    double rhoY = 0.0;  // mm
    double It = 0.0;    // mm^4
    double Iw = 0.0;    // mm^6
    // Channels and angles: G's distance from the web's (the vertical leg's)
    // outer face; angles: from the horizontal leg's outer face. 0 otherwise.
    double xG = 0.0;
    double yG = 0.0;
    // Principal moments and the angle of the principal axes, as the derived
    // window defines them.
    double J1 = 0.0;
    double J2 = 0.0;
    double alpha = 0.0;  // degrees
};

// The profile's region about G in the diagrams' frame.
geometry::Region ProfileRegion(const Profile& profile);
ProfileProperties PropertiesOf(const Profile& profile);

// The catalogue formulas, from the printed dimensions.
// I and H: the producers' formula with the fillets' contribution.
double FlangedTorsionConstant(double h, double b, double tw, double tf, double r);
// Channels: the web and the two flanges' rectangles, fillets left out.
double ChannelTorsionConstant(double h, double b, double tw, double tf);
// Channels: thin-walled theory on the mid-lines.
double ChannelWarpingConstant(double h, double b, double tw, double tf);
// Angles: the two legs' rectangles, the heel counted once.
double AngleTorsionConstant(double h, double b, double t);

}  // namespace baricor
