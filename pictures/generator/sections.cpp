#include "sections.h"

#include <cmath>

namespace pictures {

constexpr double kPi = 3.14159265358979323846;

QRectF Section::bounds() const {
    const Contour &outer = contours.front();
    if (outer.radius > 0.0)
        return {outer.centre - QPointF(outer.radius, outer.radius), QSizeF(2 * outer.radius, 2 * outer.radius)};
    return outer.polygon.boundingRect();
}

namespace {

// Area and centroid of one boundary, by the shoelace sums for polygons.
void areaAndCentroid(const Contour &c, double &area, QPointF &centroid) {
    if (c.radius > 0.0) {
        area = kPi * c.radius * c.radius;
        centroid = c.centre;
        return;
    }
    double a = 0.0, cx = 0.0, cy = 0.0;
    const QPolygonF &p = c.polygon;
    for (int i = 0; i < p.size(); ++i) {
        const QPointF &u = p[i];
        const QPointF &v = p[(i + 1) % p.size()];
        const double cross = u.x() * v.y() - v.x() * u.y();
        a += cross;
        cx += (u.x() + v.x()) * cross;
        cy += (u.y() + v.y()) * cross;
    }
    area = std::fabs(a / 2);
    centroid = QPointF(cx, cy) / (3 * a);
}

}  // namespace

QPointF Section::centroid() const {
    double total = 0.0;
    QPointF moment;
    for (std::size_t i = 0; i < contours.size(); ++i) {
        double area = 0.0;
        QPointF c;
        areaAndCentroid(contours[i], area, c);
        const double sign = i == 0 ? 1.0 : -1.0;  // holes take material away
        total += sign * area;
        moment += sign * area * c;
    }
    return moment / total;
}

QPainterPath Section::path(const Frame &frame) const {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const Contour &c : contours) {
        if (c.radius > 0.0) {
            const double r = std::round(frame.length(c.radius));
            path.addEllipse(frame.toPixel(c.centre), r, r);
        } else {
            QPolygonF pixels;
            for (const QPointF &v : c.polygon) pixels << frame.toPixel(v);
            path.addPolygon(pixels);
            path.closeSubpath();
        }
    }
    return path;
}

namespace {

Contour box(double x, double y, double w, double h) {
    return {QPolygonF(QRectF(x, y, w, h)).mid(0, 4), {}, 0.0};
}
Contour polygon(std::initializer_list<QPointF> points) { return {QPolygonF(points), {}, 0.0}; }
Contour circle(QPointF centre, double radius) { return {{}, centre, radius}; }

// An overall width written under the section, `bottom` being its lowest edge.
Dimension widthBelow(QPointF from, QPointF to, double bottom, const QString &text, double textAt = 0.75) {
    return {from, to, Run::Horizontal, {0, bottom}, {0, 22}, false, text, textAt, {0, 8}};
}
// An overall height written right of the section, `side` being its rightmost edge.
Dimension heightRight(QPointF from, QPointF to, double side, const QString &text) {
    return {from, to, Run::Vertical, {side, 0}, {14, 0}, false, text, 0.5, {9, 0}};
}
// The thickness of a wall, measured straight across it.
Dimension across(QPointF from, QPointF to, const QString &text, double textAt, QPointF textShift) {
    return {from, to, Run::Aligned, from, {}, true, text, textAt, textShift};
}
// A diameter drawn inside the circle, arrows on the circle.
Dimension diameter(QPointF centre, double radius, const QString &text, double textAt, QPointF textShift) {
    // Falling to the right, across the rising hatch lines so it stays readable.
    const QPointF half = QPointF(radius, radius) / std::sqrt(2.0);
    return {centre - half, centre + half, Run::Aligned, centre - half, {}, false, text, textAt, textShift};
}

std::vector<Section> makeSections() {
    std::vector<Section> all;

    {  // rectangle a x b
        Section s;
        s.number = 1;
        s.name = "rectangle";
        s.diagramSize = {135, 168};
        s.diagramFormat = "jpg";
        s.buttonSize = {41, 58};
        s.contours = {box(0, 0, 100, 150)};
        s.dimensions = {widthBelow({0, 150}, {100, 150}, 150, "a"), heightRight({100, 0}, {100, 150}, 100, "b")};
        s.margins = {22, 10, 30, 38};
        all.push_back(s);
    }
    {  // solid circle of diameter d
        Section s;
        s.number = 2;
        s.name = "circle";
        s.diagramSize = {150, 161};
        s.diagramFormat = "jpg";
        s.buttonSize = {50, 50};
        s.contours = {circle({50, 50}, 50)};
        s.dimensions = {diameter({50, 50}, 50, "d", 0.22, {-7, 7})};
        s.margins = {22, 10, 10, 22};
        all.push_back(s);
    }
    {  // rectangular tube: walls t1 at top and bottom, t2 at the sides
        Section s;
        s.number = 3;
        s.name = "rectangular-tube";
        s.diagramSize = {136, 160};
        s.diagramFormat = "jpg";
        s.buttonSize = {44, 62};
        s.contours = {box(0, 0, 100, 150), box(20, 25, 60, 100)};
        s.dimensions = {widthBelow({0, 150}, {100, 150}, 150, "a"), heightRight({100, 0}, {100, 150}, 100, "b"),
                        across({30, 0}, {30, 25}, "t_1", 1.0, {0, 17}), across({80, 118}, {100, 118}, "t_2", 0.0, {-9, -11})};
        s.margins = {22, 10, 30, 38};
        all.push_back(s);
    }
    {  // ring: outer diameter d1, hole d2
        Section s;
        s.number = 4;
        s.name = "ring";
        s.diagramSize = {146, 163};
        s.diagramFormat = "jpg";
        s.buttonSize = {50, 50};
        s.contours = {circle({50, 50}, 50), circle({50, 50}, 40)};
        s.dimensions = {widthBelow({0, 50}, {100, 50}, 100, "d_1"), diameter({50, 50}, 40, "d_2", 0.2, {-8, 7})};
        s.margins = {22, 10, 10, 40};
        all.push_back(s);
    }
    {  // L: leg t1 along the bottom, leg t2 up the left side
        Section s;
        s.number = 5;
        s.name = "l-section";
        s.diagramSize = {155, 182};
        s.diagramFormat = "jpg";
        s.buttonSize = {44, 62};
        s.contours = {polygon({{0, 0}, {25, 0}, {25, 125}, {100, 125}, {100, 150}, {0, 150}})};
        const QPointF g = s.centroid();
        s.dimensions = {widthBelow({0, 150}, {100, 150}, 150, "a"), heightRight({25, 0}, {100, 150}, 100, "b"),
                        across({85, 125}, {85, 150}, "t_1", 0.0, {10, -10}),
                        across({0, 18}, {25, 18}, "t_2", 1.0, {20, 0}),
                        {{0, 0}, {g.x(), 0}, Run::Horizontal, {0, 0}, {0, -12}, false, "x_G", 0.5, {0, -8}},
                        {{0, 150}, {0, g.y()}, Run::Vertical, {0, 0}, {-12, 0}, false, "y_G", 0.5, {-10, 0}}};
        s.margins = {34, 26, 30, 38};
        s.xAxisOverrun = 24;  // past the y_G line, which ends on the axis
        all.push_back(s);
    }
    {  // T: flange a x t1 at the bottom, web t2 up to the top
        Section s;
        s.number = 6;
        s.name = "t-section";
        s.diagramSize = {165, 175};
        s.diagramFormat = "jpg";
        s.buttonSize = {46, 62};
        s.contours = {polygon({{37.5, 0}, {62.5, 0}, {62.5, 125}, {100, 125}, {100, 150}, {0, 150}, {0, 125}, {37.5, 125}})};
        const QPointF g = s.centroid();
        s.dimensions = {widthBelow({0, 150}, {100, 150}, 150, "a"), heightRight({62.5, 0}, {100, 150}, 100, "b"),
                        across({85, 125}, {85, 150}, "t_1", 0.0, {10, -10}),
                        across({37.5, 20}, {62.5, 20}, "t_2", 1.0, {20, 0}),
                        {{0, 150}, {0, g.y()}, Run::Vertical, {0, 0}, {-12, 0}, false, "y_G", 0.5, {-10, 0}}};
        s.margins = {34, 10, 30, 38};
        s.xAxisOverrun = 24;
        s.gLabelShift = {18, -8};  // clear of the web
        all.push_back(s);
    }
    {  // double T: flanges a x t1, web t2
        Section s;
        s.number = 7;
        s.name = "double-t-section";
        s.diagramSize = {147, 194};
        s.diagramFormat = "jpg";
        s.buttonSize = {44, 62};
        s.contours = {polygon({{0, 0}, {100, 0}, {100, 20}, {62.5, 20}, {62.5, 130}, {100, 130}, {100, 150},
                               {0, 150}, {0, 130}, {37.5, 130}, {37.5, 20}, {0, 20}})};
        s.dimensions = {widthBelow({0, 150}, {100, 150}, 150, "a"), heightRight({100, 0}, {100, 150}, 100, "b"),
                        across({85, 0}, {85, 20}, "t_1", 1.0, {10, 10}),
                        across({85, 130}, {85, 150}, "t_1", 0.0, {10, -10}),
                        across({37.5, 48}, {62.5, 48}, "t_2", 1.0, {20, 0})};
        s.margins = {22, 16, 30, 38};
        s.gLabelShift = {19, -8};  // clear of the web
        all.push_back(s);
    }
    {  // C: web t2 on the left, flanges t1 reaching right
        Section s;
        s.number = 8;
        s.name = "c-section";
        s.diagramSize = {131, 189};
        s.diagramFormat = "bmp";
        s.buttonSize = {44, 62};
        s.contours = {polygon({{0, 0}, {100, 0}, {100, 20}, {25, 20}, {25, 130}, {100, 130}, {100, 150}, {0, 150}})};
        const QPointF g = s.centroid();
        s.dimensions = {{{0, 150}, {100, 150}, Run::Horizontal, {0, 150}, {0, 28}, false, "a", 0.75, {0, 8}},
                        heightRight({100, 0}, {100, 150}, 100, "b"),
                        across({85, 0}, {85, 20}, "t_1", 1.0, {10, 10}),
                        across({85, 130}, {85, 150}, "t_1", 0.0, {10, -10}),
                        across({0, 42}, {25, 42}, "t_2", 1.0, {20, 0}),
                        {{0, 150}, {g.x(), 150}, Run::Horizontal, {0, 150}, {0, 8}, false, "x_G", 0.0, {-12, 0}}};
        s.margins = {24, 16, 30, 44};
        s.yAxisOverrun = 19;      // the arrow passes the end of the x_G line
        s.yLabelShift = {8, -4};  // which takes the left side of the arrow
        all.push_back(s);
    }
    return all;
}

}  // namespace

const std::vector<Section> &sections() {
    static const std::vector<Section> all = makeSections();
    return all;
}

}  // namespace pictures
