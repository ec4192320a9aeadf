#include "DrawingLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "Angles.h"
#include "geometry/ArcAngles.h"
#include "geometry/Builders.h"

namespace {

constexpr double kLabelGap = 3;      // pixels between a label and the line it names
constexpr double kArrowLength = 20;  // the reference arrows
constexpr double kCorner = 4;        // pixels between the reference arrows and the drawing's edge

// std::hypot would tie the program to a newer C library for no gain in a drawing.
double Length(double x, double y) { return std::sqrt(x * x + y * y); }

// The centre of the pixel a point falls in: a 1-pixel line through it along x
// or y covers one row or column of pixels instead of half of two.
QPointF OnPixel(const QPointF& p) { return {std::floor(p.x()) + 0.5, std::floor(p.y()) + 0.5}; }

QRectF Centred(const QPointF& centre, const QSizeF& size) {
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height()};
}

// How far a box of `size` reaches from its centre along the unit direction n.
double Reach(const QSizeF& size, const QPointF& n) {
    return std::abs(n.x()) * size.width() / 2 + std::abs(n.y()) * size.height() / 2;
}

double Dot(const QPointF& a, const QPointF& b) { return a.x() * b.x() + a.y() * b.y(); }

// How far from `from` along the unit direction d the line leaves `area`.
double ToEdge(const QPointF& from, const QPointF& d, const QRectF& area) {
    double t = std::numeric_limits<double>::infinity();
    if (d.x() > 0) t = std::min(t, (area.right() - from.x()) / d.x());
    if (d.x() < 0) t = std::min(t, (area.left() - from.x()) / d.x());
    if (d.y() > 0) t = std::min(t, (area.bottom() - from.y()) / d.y());
    if (d.y() < 0) t = std::min(t, (area.top() - from.y()) / d.y());
    return std::isfinite(t) ? std::max(0.0, t) : 0.0;
}

// Extent of what is fitted, in mm about G (x to the left: left is the greatest x).
struct Bounds {
    double left = 0, right = 0, top = 0, bottom = 0;
    void Include(double x, double y) {
        left = std::max(left, x);
        right = std::min(right, x);
        bottom = std::max(bottom, y);
        top = std::min(top, y);
    }
};

Bounds BoundsOf(const baricor::geometry::Region& outline, const std::optional<baricor::DerivedValues>& values,
                const std::optional<baricor::PlanePoint>& shearCentre) {
    Bounds b;
    if (!outline.contours.empty()) {
        const baricor::geometry::Box box = baricor::geometry::BoundsOf(outline);
        b.Include(box.xMax, box.yMax);
        b.Include(box.xMin, box.yMin);
    }
    if (values) {
        // The ellipse's extent along x and y.
        const baricor::CentralEllipse e = baricor::CentralEllipseOf(*values);
        const double t = baricor::DegreesToRadians(values->alpha);
        const double halfWidth = Length(e.alongJ1Axis * std::cos(t), e.alongJ2Axis * std::sin(t));
        const double halfHeight = Length(e.alongJ1Axis * std::sin(t), e.alongJ2Axis * std::cos(t));
        b.Include(halfWidth, halfHeight);
        b.Include(-halfWidth, -halfHeight);
        if (shearCentre) b.Include(shearCentre->x, shearCentre->y);
    }
    return b;
}

// The scale that fits the bounds in the box: the smaller of the two ratios, so
// that the constraining direction fills the box and the other fits in it.
double FitScale(const Bounds& b, const QRectF& box) {
    if (box.width() <= 0 || box.height() <= 0) return 0;
    const double width = b.left - b.right;
    const double height = b.bottom - b.top;
    const double scaleX = width > 0 ? box.width() / width : INFINITY;
    const double scaleY = height > 0 ? box.height() / height : INFINITY;
    const double scale = std::min(scaleX, scaleY);
    return std::isfinite(scale) ? scale : 0;  // 0: nothing with an extent to show
}

// The x and y arrows in the bottom right-hand corner.
ReferenceArrows ReferenceArrowsIn(const QRectF& area, const QSizeF& label) {
    ReferenceArrows r;
    const double width = label.width() + 2 + kArrowLength + 4;
    const double height = label.height() / 2 + kArrowLength + 2 + label.height();
    const QRectF corner(area.right() - kCorner - width, area.bottom() - kCorner - height, width, height);
    r.origin = OnPixel(QPointF(corner.right() - 4, corner.top() + label.height() / 2));
    r.xTip = r.origin - QPointF(kArrowLength, 0);
    r.yTip = r.origin + QPointF(0, kArrowLength);
    r.xLabel = Centred(r.xTip - QPointF(2 + label.width() / 2, 0), label);
    r.yLabel = Centred(r.yTip + QPointF(0, 2 + label.height() / 2), label);
    r.box = r.xLabel.united(r.yLabel).united(QRectF(r.origin - QPointF(0, 4), r.origin + QPointF(4, 0)));
    return r;
}

struct Obstacles {
    const QPainterPath* outline = nullptr;
    std::vector<QRectF> boxes;
    bool Clear(const QRectF& box) const {
        if (outline && outline->intersects(box)) return false;
        return std::none_of(boxes.begin(), boxes.end(), [&](const QRectF& o) { return o.intersects(box); });
    }
};

// A principal axis' name beside the axis, as far out along it as the drawing
// allows, on its positive side first: inside the drawing, clear of the other
// axis and of everything in `avoid`.
QRectF AxisLabel(const QPointF& g, const QPointF& along, const QPointF& across, const QRectF& area,
                 const QSizeF& size, const Obstacles& avoid, double nearest) {
    const QRectF inside = area.adjusted(1, 1, -1, -1);
    std::optional<QRectF> fallback;
    for (double end : {1.0, -1.0}) {
        const QPointF d = along * end;
        for (double s = ToEdge(g, d, area) - 1; s >= nearest; s -= 2) {
            const QPointF p = g + d * s;
            for (double side : {-1.0, 1.0}) {
                const QRectF box = Centred(p + across * side * (Reach(size, across) + kLabelGap), size);
                if (!inside.contains(box)) continue;
                if (!fallback) fallback = box;
                const bool clearOfOtherAxis = std::abs(Dot(box.center() - g, along)) > Reach(size, along) + 1;
                if (clearOfOtherAxis && avoid.Clear(box)) return box;
            }
        }
    }
    return fallback.value_or(Centred(g + along * nearest, size));
}

}  // namespace

DrawingLayout LayOutDrawing(const baricor::DerivedSection& derived, const QRectF& area, const QSizeF& labelSize,
                            const std::optional<baricor::PlanePoint>& shearCentre) {
    if (!derived.outline) return DrawingLayout();
    return LayOutDrawing(baricor::geometry::RegionFromOutline(*derived.outline), derived.values, area, labelSize,
                         shearCentre);
}

DrawingLayout LayOutDrawing(const baricor::geometry::Region& outline,
                            const std::optional<baricor::DerivedValues>& values, const QRectF& area,
                            const QSizeF& labelSize, const std::optional<baricor::PlanePoint>& shearCentre) {
    DrawingLayout out;
    out.outlineShown = true;
    out.valuesShown = values.has_value();

    // Room for the axis names all round, and the reference arrows in a corner
    // beside or below the section, whichever leaves the section larger.
    const double margin = std::max(labelSize.width(), labelSize.height()) + 6;
    out.reference = ReferenceArrowsIn(area, labelSize);
    const QRectF inner = area.adjusted(margin, margin, -margin, -margin);
    QRectF above = inner;
    above.setBottom(std::min(inner.bottom(), out.reference.box.top() - kCorner));
    QRectF beside = inner;
    beside.setRight(std::min(inner.right(), out.reference.box.left() - kCorner));
    const Bounds b = BoundsOf(outline, values, shearCentre);
    const double scaleAbove = FitScale(b, above);
    const double scaleBeside = FitScale(b, beside);
    out.fitBox = scaleAbove >= scaleBeside ? above : beside;
    out.scale = std::max(scaleAbove, scaleBeside);

    // The middle of the bounds at the middle of the box.
    const double s = out.scale;
    out.g = OnPixel(out.fitBox.center() - QPointF(-(b.left + b.right) / 2 * s, (b.top + b.bottom) / 2 * s));
    auto at = [&](double x, double y) { return out.g + QPointF(-x * s, y * s); };

    out.outline.setFillRule(Qt::OddEvenFill);
    for (const baricor::geometry::Contour& contour : outline.contours) {
        if (contour.empty()) continue;
        out.outline.moveTo(OnPixel(at(contour.front().from.x, contour.front().from.y)));
        for (const baricor::geometry::Piece& piece : contour) {
            if (!piece.arc || !(piece.radius * s > 0)) {
                out.outline.lineTo(OnPixel(at(piece.to.x, piece.to.y)));
                continue;
            }
            // A direction at angle φ in the section's frame lands at 180° + φ
            // in the painter's angles (x is mirrored, and the painter counts
            // upwards while y grows downwards), turning the same way.
            const double r = piece.radius * s;
            const QPointF centre = at(piece.centre.x, piece.centre.y);
            namespace arcs = baricor::geometry::detail;
            const double start = 180 + arcs::StartAngle(piece) * 180 / baricor::kPi;
            const double sweep = arcs::SweepOf(piece) * 180 / baricor::kPi;
            out.outline.arcTo(QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)), start, sweep);
        }
        out.outline.closeSubpath();
    }
    out.outlineBox = out.outline.boundingRect();
    if (!values) return out;

    const baricor::DerivedValues& v = *values;
    // The J1 axis points along (cos α, sin α) in the section's frame, the J2
    // axis a right angle further on, along (-sin α, cos α); on screen x is mirrored.
    const double t = baricor::DegreesToRadians(v.alpha);
    out.axis1 = QPointF(-std::cos(t), std::sin(t));
    out.axis2 = QPointF(std::sin(t), std::cos(t));
    for (auto [d, line] : {std::pair{out.axis1, &out.axis1Line}, std::pair{out.axis2, &out.axis2Line}})
        *line = QLineF(out.g - d * ToEdge(out.g, -d, area), out.g + d * ToEdge(out.g, d, area));
    const baricor::CentralEllipse e = baricor::CentralEllipseOf(v);
    out.ellipseAlong1 = e.alongJ1Axis * s;
    out.ellipseAlong2 = e.alongJ2Axis * s;
    out.ellipseTurn = 180 - v.alpha;

    // α from x (to the left: 180 in the painter's angles) to the J1 axis,
    // which lies at 180 + α since the painter counts angles upwards.
    out.arcRadius = 2.5 * labelSize.height();
    out.arcStart = 180;
    out.arcSpan = std::abs(v.alpha) < 0.005 ? 0 : v.alpha;
    if (out.arcSpan != 0) {
        out.xDirection = QLineF(out.g, out.g - QPointF(out.arcRadius + 6, 0));
        const double middle = baricor::DegreesToRadians(180 + v.alpha / 2);
        const double r = out.arcRadius + labelSize.height() * 0.8;
        out.alphaLabel = Centred(out.g + QPointF(r * std::cos(middle), -r * std::sin(middle)), labelSize);
    }

    out.gMark = Centred(out.g, QSizeF(5, 5));
    // G's name in one of the four corners the axes make about G, far enough
    // along the corner's bisector to clear both axes at any α; up and to the
    // right where it fits.
    {
        const double reach = std::sqrt(2.0) * (labelSize.width() / 2 + labelSize.height() / 2 + kLabelGap);
        std::array<QPointF, 4> corners;
        int k = 0;
        for (double one : {1.0, -1.0})
            for (double two : {1.0, -1.0}) corners[k++] = (out.axis1 * one + out.axis2 * two) / std::sqrt(2.0);
        const QPointF upRight(1 / std::sqrt(2.0), -1 / std::sqrt(2.0));
        std::stable_sort(corners.begin(), corners.end(),
                         [&](const QPointF& p, const QPointF& q) { return Dot(p, upRight) > Dot(q, upRight); });
        out.gLabel = Centred(out.g + corners[0] * reach, labelSize);
        for (const QPointF& c : corners) {
            const QRectF box = Centred(out.g + c * reach, labelSize);
            if (area.contains(box) && !box.intersects(out.reference.box)) {
                out.gLabel = box;
                break;
            }
        }
    }

    Obstacles avoid;
    avoid.outline = &out.outline;
    avoid.boxes = {out.gMark.adjusted(-2, -2, 2, 2), out.gLabel, out.reference.box};

    if (shearCentre) {
        const QPointF c = OnPixel(at(shearCentre->x, shearCentre->y));
        out.shearCentre = c;
        out.shearCentreMark = Centred(c, QSizeF(8, 8));
        const double dx = 4 + kLabelGap + labelSize.width() / 2;
        const double dy = 4 + kLabelGap + labelSize.height() / 2;
        const QPointF offsets[] = {{dx, dy}, {-dx, dy}, {dx, -dy}, {-dx, -dy}};
        out.shearCentreLabel = Centred(c + offsets[0], labelSize);
        for (const QPointF& o : offsets) {
            const QRectF box = Centred(c + o, labelSize);
            if (area.contains(box) && !box.intersects(out.gLabel) && !box.intersects(out.gMark)) {
                out.shearCentreLabel = box;
                break;
            }
        }
        avoid.boxes.push_back(out.shearCentreMark);
        avoid.boxes.push_back(out.shearCentreLabel);
    }

    const double nearest = 4 + Length(labelSize.width(), labelSize.height());
    out.label1 = AxisLabel(out.g, out.axis1, out.axis2, area, labelSize, avoid, nearest);
    avoid.boxes.push_back(out.label1);
    out.label2 = AxisLabel(out.g, out.axis2, out.axis1, area, labelSize, avoid, nearest);
    return out;
}
