#pragma once
// Regions of the usual shapes, in the usual frame (x to the right, y
// upwards), each a solid contour run the positive way round.

#include "Section.h"
#include "geometry/Region.h"

namespace baricor::geometry {

// width x height, centred on the origin.
Region RectangleRegion(double width, double height);
// A full circle of `radius` about the origin, as four quarter arcs.
Region CircleRegion(double radius);

// An I or H: depth h, flange width b, web tw and flanges tf thick, the web in
// the middle; each of the four corners between web and flanges rounded by a
// root fillet of radius r (a quarter circle tangent to web and flange).
// Centred on the origin, web along y.
Region IRegion(double h, double b, double tw, double tf, double r);
// A channel: the web tw thick along the left, x from 0 to tw, over the depth
// h (y from 0 to h); two flanges tf thick reaching to x = b; the two corners
// between web and flanges rounded by root fillets of radius r.
Region ChannelRegion(double h, double b, double tw, double tf, double r);
// An angle: the heel at the origin, the leg h upright along the y axis, the
// leg b along the x axis, both t thick; a root fillet of radius r1 in the
// inner corner and a toe radius r2 rounding the inner edge of each leg's tip
// (the heel and the outer edges sharp).
Region AngleRegion(double h, double b, double t, double r1, double r2);

// The region a section's outline describes (in the diagrams' frame, about G):
// inside an odd number of its polygons and circles. Each is made a solid or a
// hole by how many of the others hold it.
Region RegionFromOutline(const SectionOutline& outline);

}  // namespace baricor::geometry
