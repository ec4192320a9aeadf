#pragma once
// The principal moments of a section and the angle of its principal axes,
// from its centroidal moments, with the derived window's definitions: J1 the
// greater, alpha in degrees in (-90, 90], the turn of the axes (as theta turns
// them) that gives Jx = J1 and Jxy = 0, taken with the same shortened pi as
// that turn so that theta = alpha lands exactly on the principal axes.

namespace baricor {

struct PrincipalMoments {
    double J1 = 0.0;
    double J2 = 0.0;
    double alpha = 0.0;
};

PrincipalMoments PrincipalMomentsOf(double Jx0, double Jy0, double Jxy0);

}  // namespace baricor
