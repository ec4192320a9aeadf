#include "drawings.h"

#include <QPainter>
#include <cmath>

namespace pictures {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Every picture is written at 96 dpi so that the files carry no machine setting.
constexpr int kDotsPerMetre = 3780;

// `size` in the pixels of scale 1: a painter on the image draws in those, and
// at scale 2 each of them is four of the image's, the same physical size.
QImage blankImage(QSize size, QImage::Format format, const QColor &ground, int scale = 1) {
    QImage image(size * scale, format);
    image.fill(ground);
    image.setDotsPerMeterX(kDotsPerMetre * scale);
    image.setDotsPerMeterY(kDotsPerMetre * scale);
    image.setDevicePixelRatio(scale);
    return image;
}

void beginDrawing(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(Qt::black, 1.0));
}

QPointF unit(QPointF v) {
    const double n = std::hypot(v.x(), v.y());
    return n > 0.0 ? v / n : QPointF();
}
double dot(QPointF a, QPointF b) { return a.x() * b.x() + a.y() * b.y(); }

constexpr double kHeadLength = 6.0;
constexpr double kHeadHalfWidth = 2.2;
constexpr double kAxisHeadLength = 7.0;
constexpr double kAxisHeadHalfWidth = 3.0;

void drawDimension(QPainter &p, const Frame &f, const Dimension &d) {
    const QPointF a = f.toPixel(d.from);
    const QPointF b = f.toPixel(d.to);
    const QPointF through = f.toPixel(d.through) + d.shift;
    QPointF run;
    switch (d.run) {
    case Run::Horizontal: run = {1, 0}; break;
    case Run::Vertical: run = {0, 1}; break;
    case Run::Aligned: run = unit(b - a); break;
    }
    const QPointF l1 = pixelCentre(through + run * dot(a - through, run));
    const QPointF l2 = pixelCentre(through + run * dot(b - through, run));

    p.save();
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (const auto &[point, end] : {std::pair{a, l1}, std::pair{b, l2}}) {
        if (!d.extensionLines) break;
        const QPointF start = pixelCentre(point);
        const QPointF out = unit(end - start);
        if (std::hypot(end.x() - start.x(), end.y() - start.y()) > 3.0)
            p.drawLine(start + out * 2.0, end + out * 3.0);  // a small gap at the section, a small overrun
    }
    const QPointF u = unit(l2 - l1);
    if (d.arrowsOutside) {
        const double tail = kHeadLength + 4.0;
        p.drawLine(l1 - u * tail, l2 + u * tail);
        drawArrowHead(p, l1, l1 - u * kHeadLength, kHeadLength, kHeadHalfWidth);
        drawArrowHead(p, l2, l2 + u * kHeadLength, kHeadLength, kHeadHalfWidth);
    } else {
        p.drawLine(l1 + u * (kHeadLength * 0.6), l2 - u * (kHeadLength * 0.6));
        drawArrowHead(p, l1, l2, kHeadLength, kHeadHalfWidth);
        drawArrowHead(p, l2, l1, kHeadLength, kHeadHalfWidth);
    }
    drawLabel(p, l1 + (l2 - l1) * d.textAt + d.textShift, d.text, Lettering::Symbol, true);
    p.restore();
}

void drawAxisArrow(QPainter &p, QPointF from, QPointF tip, double width = 1.0) {
    drawArrow(p, from, tip, width, kAxisHeadLength, kAxisHeadHalfWidth);
}

void drawPoint(QPainter &p, QPointF at, const QString &name, QPointF labelShift) {
    drawDot(p, at, 2.3);
    drawLabel(p, at + labelShift, name, Lettering::Point, true);
}

}  // namespace

QImage sectionDiagram(const Section &s, int scale) {
    QImage image = blankImage(s.diagramSize, QImage::Format_RGB32, Qt::white, scale);
    QPainter p(&image);
    beginDrawing(p);
    const QRectF area = QRectF(QPointF(0, 0), QSizeF(s.diagramSize)).marginsRemoved(QMarginsF(s.margins));
    const Frame f = fitFrame(s.bounds(), area);
    const QPainterPath section = s.path(f);
    drawMaterial(p, section, boldMaterial());

    // Centroidal axes: x positive to the left, y positive downwards.
    const QRectF box = section.boundingRect();
    const QPointF g = pixelCentre(f.toPixel(s.centroid()));
    const QPointF xTip(std::round(box.left() - s.xAxisOverrun) - 0.5, g.y());
    const QPointF yTip(g.x(), std::round(box.bottom() + s.yAxisOverrun) + 0.5);
    drawAxisArrow(p, QPointF(box.right() + 6, g.y()), xTip);
    drawAxisArrow(p, QPointF(g.x(), box.top() - 6), yTip);

    for (const Dimension &d : s.dimensions) drawDimension(p, f, d);

    drawLabel(p, xTip + s.xLabelShift, "x", Lettering::Symbol, true);
    drawLabel(p, yTip + s.yLabelShift, "y", Lettering::Symbol, true);
    drawPoint(p, g, "G", s.gLabelShift);
    return image;
}

QImage axesPicture(const Section &s, int scale) {
    const QSize size = s.diagramSize;
    const double w = size.width();
    const double h = size.height();
    QImage image = blankImage(size, QImage::Format_RGB32, Qt::white, scale);
    QPainter p(&image);
    beginDrawing(p);

    // The section, drawn faintly, takes the upper right; the reference axes
    // start at O, lower left of G, as positive Dx and Dy put them.
    const double left = std::round(0.42 * w);
    const QRectF area(left, 26, w - 8 - left, std::round(0.56 * h) - 26);
    const Frame f = fitFrame(s.bounds(), area);
    const QPainterPath section = s.path(f);
    drawMaterial(p, section, faintMaterial());
    const QRectF box = section.boundingRect();
    const QPointF gCorner = f.toPixel(s.centroid());
    const QPointF oCorner(std::round(0.27 * w), std::round(0.70 * h));
    const QPointF g = pixelCentre(gCorner);
    const QPointF o = pixelCentre(oCorner);

    const QPointF xTip(5.5, g.y());
    const QPointF yTip(g.x(), h - 5.5);
    drawAxisArrow(p, QPointF(box.right() + 5, g.y()), xTip);
    drawAxisArrow(p, QPointF(g.x(), 9), yTip);

    // Through O, the centroidal axes carried over before turning; they also
    // lead the offsets out to where Dx and Dy are written.
    const double dyColumn = 14;
    const double dxRow = 16;
    p.save();
    QPen dashed(QColor(60, 60, 60), 1.0, Qt::CustomDashLine, Qt::FlatCap);
    dashed.setDashPattern({3, 2});
    p.setPen(dashed);
    p.drawLine(o, QPointF(dyColumn - 3.5, o.y()));
    p.drawLine(o, QPointF(o.x(), dxRow - 3.5));
    p.restore();

    const Frame pixels;  // these offsets are laid out in pixels already
    drawDimension(p, pixels, {oCorner, gCorner, Run::Horizontal, {0, dxRow}, {}, false, "Dx", 0.5, {0, -8}, false});
    drawDimension(p, pixels, {gCorner, oCorner, Run::Vertical, {dyColumn, 0}, {}, false, "Dy", 0.5, {11, 0}, false});

    // x' turned from x towards y by theta, and y' with it.
    const double theta = 30.0 * kPi / 180.0;
    const QPointF xDir(-std::cos(theta), std::sin(theta));
    const QPointF yDir(std::sin(theta), std::cos(theta));
    const double xLength = std::min((o.x() - 6) / std::cos(theta), (h - 18 - o.y()) / std::sin(theta));
    const double yLength = (h - 10 - o.y()) / std::cos(theta);
    const QPointF xPrimeTip = o + xDir * xLength;
    const QPointF yPrimeTip = o + yDir * yLength;
    drawAxisArrow(p, o - xDir * 8, xPrimeTip, 1.6);
    drawAxisArrow(p, o - yDir * 8, yPrimeTip, 1.6);

    const double arcRadius = 20;
    p.save();
    p.setPen(QPen(Qt::black, 1.0));
    p.drawArc(QRectF(o - QPointF(arcRadius, arcRadius), QSizeF(2 * arcRadius, 2 * arcRadius)), 180 * 16,
              int(std::lround(30.0 * 16)));
    p.restore();
    drawLabel(p, o + QPointF(-std::cos(theta / 2), std::sin(theta / 2)) * 30, QString(QChar(0x03B8)),
              Lettering::Symbol, true);

    drawLabel(p, xTip + QPointF(3, -8), "x", Lettering::Symbol, true);
    drawLabel(p, yTip + QPointF(8, -4), "y", Lettering::Symbol, true);
    drawLabel(p, xPrimeTip + QPointF(5, 9), "x'", Lettering::Symbol, true);
    drawLabel(p, yPrimeTip + QPointF(9, -4), "y'", Lettering::Symbol, true);
    drawPoint(p, o, "O", {8, -8});
    drawPoint(p, g, "G", {8, -8});
    return image;
}

QImage buttonPicture(const Section &s, int scale) {
    QImage image = blankImage(s.buttonSize, QImage::Format_RGB32, Qt::white, scale);
    QPainter p(&image);
    beginDrawing(p);
    const QRectF area = QRectF(QPointF(0, 0), QSizeF(s.buttonSize)).adjusted(3, 3, -4, -4);
    const Frame f = fitFrame(s.bounds(), area);
    // A one pixel outline is sharp on pixel centres.
    drawMaterial(p, s.path(f).translated(0.5, 0.5), buttonMaterial());
    return image;
}

}  // namespace pictures
