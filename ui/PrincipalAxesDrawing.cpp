#include "PrincipalAxesDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "Angles.h"
#include "Fonts.h"

const QColor PrincipalAxesDrawing::kOutlineColour(0, 0, 0);
const QColor PrincipalAxesDrawing::kAxesColour(176, 0, 0);
const QColor PrincipalAxesDrawing::kEllipseColour(0, 0, 208);

namespace {

constexpr int kMargin = 14;  // pixels kept free around the drawing, for the labels
const QColor kSectionFill(208, 208, 208);

// std::hypot would tie the program to a newer C library for no gain in a drawing.
double Length(double x, double y) { return std::sqrt(x * x + y * y); }

// Extent of what is drawn, in mm about G.
struct Bounds {
    double left = 0, right = 0, top = 0, bottom = 0;  // x to the left: left is the greatest x
    void Include(double x, double y) {
        left = std::max(left, x);
        right = std::min(right, x);
        bottom = std::max(bottom, y);
        top = std::min(top, y);
    }
};

// From mm about G to pixels: x mirrored (positive to the left), y downwards.
struct Placement {
    double scale = 0;
    QPointF origin;  // where G lands
    QPointF operator()(double x, double y) const { return origin + QPointF(-x * scale, y * scale); }
};

Bounds BoundsOf(const baricor::DerivedSection& derived) {
    Bounds b;
    for (const auto& polygon : derived.outline->polygons)
        for (const baricor::PlanePoint& p : polygon) b.Include(p.x, p.y);
    for (double r : derived.outline->circleRadii) {
        b.Include(r, r);
        b.Include(-r, -r);
    }
    if (derived.values) {
        // The ellipse's extent along x and y.
        const baricor::CentralEllipse e = baricor::CentralEllipseOf(*derived.values);
        const double t = baricor::DegreesToRadians(derived.values->alpha);
        const double halfWidth = Length(e.alongJ1Axis * std::cos(t), e.alongJ2Axis * std::sin(t));
        const double halfHeight = Length(e.alongJ1Axis * std::sin(t), e.alongJ2Axis * std::cos(t));
        b.Include(halfWidth, halfHeight);
        b.Include(-halfWidth, -halfHeight);
    }
    return b;
}

Placement Fit(const Bounds& b, const QRectF& box) {
    const double width = b.left - b.right;
    const double height = b.bottom - b.top;
    Placement place;
    const double scaleX = width > 0 ? box.width() / width : INFINITY;
    const double scaleY = height > 0 ? box.height() / height : INFINITY;
    place.scale = std::min(scaleX, scaleY);
    if (!std::isfinite(place.scale)) place.scale = 0;  // nothing with an extent to show
    // The middle of the bounds at the middle of the box.
    place.origin = box.center() - QPointF(-(b.left + b.right) / 2 * place.scale, (b.top + b.bottom) / 2 * place.scale);
    return place;
}

QPainterPath OutlinePath(const baricor::SectionOutline& outline, const Placement& at) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const auto& polygon : outline.polygons) {
        QPolygonF points;
        for (const baricor::PlanePoint& p : polygon) points << at(p.x, p.y);
        path.addPolygon(points);
        path.closeSubpath();
    }
    for (double r : outline.circleRadii) path.addEllipse(at(0, 0), r * at.scale, r * at.scale);
    return path;
}

void DrawAxesAndEllipse(QPainter& painter, const baricor::DerivedValues& values, const Placement& at,
                        const QRectF& area) {
    const QPointF g = at(0, 0);
    painter.save();
    painter.translate(g);
    // The J1 axis points along (cos α, sin α) about G, which on screen, x
    // mirrored, is the direction 180 - α degrees clockwise from the right.
    painter.rotate(180 - values.alpha);
    const double reach = Length(area.width(), area.height());
    QPen axes(PrincipalAxesDrawing::kAxesColour, 1, Qt::DashLine);
    painter.setPen(axes);
    painter.drawLine(QPointF(-reach, 0), QPointF(reach, 0));
    painter.drawLine(QPointF(0, -reach), QPointF(0, reach));
    const baricor::CentralEllipse e = baricor::CentralEllipseOf(values);
    if (std::isfinite(e.alongJ1Axis) && std::isfinite(e.alongJ2Axis)) {
        painter.setPen(QPen(PrincipalAxesDrawing::kEllipseColour, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(0, 0), e.alongJ1Axis * at.scale, e.alongJ2Axis * at.scale);
    }
    painter.restore();

    // Axis names where each axis leaves the drawing area on its positive side.
    const double t = baricor::DegreesToRadians(180 - values.alpha);
    const QPointF one(std::cos(t), std::sin(t));
    const QPointF two(-std::sin(t), std::cos(t));
    painter.setPen(PrincipalAxesDrawing::kAxesColour);
    for (const auto& [direction, name] : {std::pair{one, "1"}, std::pair{two, "2"}}) {
        double step = reach;
        // Walk back along the axis until the label's point lies inside the area.
        while (step > 0 && !area.contains(g + direction * step)) step -= 4;
        if (step > 0) painter.drawText(g + direction * step + QPointF(3, -3), name);
    }

    painter.setPen(PrincipalAxesDrawing::kOutlineColour);
    painter.setBrush(PrincipalAxesDrawing::kOutlineColour);
    painter.drawEllipse(g, 2.5, 2.5);
    painter.drawText(g + QPointF(5, -5), "G");
}

}  // namespace

PrincipalAxesDrawing::PrincipalAxesDrawing(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setFont(DefaultFont());
}

void PrincipalAxesDrawing::Show(const baricor::DerivedSection& derived) {
    derived_ = derived;
    update();
}

void PrincipalAxesDrawing::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!derived_.outline) return;
    const QRectF area = contentsRect();
    const Placement at = Fit(BoundsOf(derived_), area.adjusted(kMargin, kMargin, -kMargin, -kMargin));
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    painter.setPen(QPen(kOutlineColour, 1));
    painter.setBrush(kSectionFill);
    painter.drawPath(OutlinePath(*derived_.outline, at));
    if (derived_.values) DrawAxesAndEllipse(painter, *derived_.values, at, area);
}
