#include "geometry/Builders.h"

#include <cmath>

namespace baricor::geometry {
namespace {

// Twice the signed area of a polygon: > 0 when it runs the positive way.
double TwiceSignedArea(const std::vector<PlanePoint>& polygon) {
    double sum = 0.0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const PlanePoint& a = polygon[i];
        const PlanePoint& b = polygon[(i + 1) % polygon.size()];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

// Even-odd rule: whether a ray from `p` towards +x crosses the polygon an odd
// number of times.
bool Inside(const std::vector<PlanePoint>& polygon, PlanePoint p) {
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const PlanePoint& a = polygon[i];
        const PlanePoint& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) inside = !inside;
    }
    return inside;
}

Contour Oriented(Contour contour, bool solid) { return solid ? contour : Reversed(contour); }

}  // namespace

Region RectangleRegion(double width, double height) {
    const double x = width / 2;
    const double y = height / 2;
    return {{RoundedPolygon({{{-x, -y}}, {{x, -y}}, {{x, y}}, {{-x, y}}})}};
}

Region CircleRegion(double radius) {
    const double r = radius;
    const Point o{0, 0};
    return {{{Arc({r, 0}, {0, r}, o, r, true), Arc({0, r}, {-r, 0}, o, r, true), Arc({-r, 0}, {0, -r}, o, r, true),
              Arc({0, -r}, {r, 0}, o, r, true)}}};
}

Region IRegion(double h, double b, double tw, double tf, double r) {
    const double x = b / 2;
    const double w = tw / 2;
    const double y = h / 2;
    const double i = y - tf;  // the flanges' inner faces at -i and +i
    return {{RoundedPolygon({{{x, -y}},
                             {{x, -i}},
                             {{w, -i}, r},
                             {{w, i}, r},
                             {{x, i}},
                             {{x, y}},
                             {{-x, y}},
                             {{-x, i}},
                             {{-w, i}, r},
                             {{-w, -i}, r},
                             {{-x, -i}},
                             {{-x, -y}}})}};
}

Region ChannelRegion(double h, double b, double tw, double tf, double r) {
    return {{RoundedPolygon({{{0, 0}},
                             {{b, 0}},
                             {{b, tf}},
                             {{tw, tf}, r},
                             {{tw, h - tf}, r},
                             {{b, h - tf}},
                             {{b, h}},
                             {{0, h}}})}};
}

Region AngleRegion(double h, double b, double t, double r1, double r2) {
    return {{RoundedPolygon({{{0, 0}}, {{b, 0}}, {{b, t}, r2}, {{t, t}, r1}, {{t, h}, r2}, {{0, h}}})}};
}

Region RegionFromOutline(const SectionOutline& outline) {
    Region region;
    const auto insideCircle = [](double radius, PlanePoint p) { return Length(p.x, p.y) < radius; };
    for (size_t i = 0; i < outline.polygons.size(); ++i) {
        const std::vector<PlanePoint>& polygon = outline.polygons[i];
        if (polygon.size() < 3) continue;
        int holders = 0;
        for (size_t j = 0; j < outline.polygons.size(); ++j) {
            if (j != i && outline.polygons[j].size() >= 3 && Inside(outline.polygons[j], polygon[0])) ++holders;
        }
        for (double radius : outline.circleRadii) holders += insideCircle(radius, polygon[0]) ? 1 : 0;
        Contour contour;
        for (size_t k = 0; k < polygon.size(); ++k) {
            const PlanePoint& a = polygon[k];
            const PlanePoint& b = polygon[(k + 1) % polygon.size()];
            contour.push_back(Segment({a.x, a.y}, {b.x, b.y}));
        }
        const bool positive = TwiceSignedArea(polygon) > 0;
        const bool solid = holders % 2 == 0;
        region.contours.push_back(Oriented(std::move(contour), positive == solid));
    }
    for (size_t i = 0; i < outline.circleRadii.size(); ++i) {
        const double radius = outline.circleRadii[i];
        if (!(radius > 0)) continue;
        int holders = 0;
        for (size_t j = 0; j < outline.circleRadii.size(); ++j) {
            if (j != i && (outline.circleRadii[j] > radius || (outline.circleRadii[j] == radius && j < i))) ++holders;
        }
        for (const std::vector<PlanePoint>& polygon : outline.polygons) {
            if (polygon.size() >= 3 && Inside(polygon, {radius, 0})) ++holders;
        }
        region.contours.push_back(Oriented(CircleRegion(radius).contours[0], holders % 2 == 0));
    }
    return region;
}

}  // namespace baricor::geometry
