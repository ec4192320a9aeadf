#include "style.h"

#include <QPolygonF>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace pictures {

Material boldMaterial() { return {QColor(0, 0, 0), QColor(80, 80, 80), 2.0, 5.0}; }
Material faintMaterial() { return {QColor(150, 150, 150), QColor(200, 200, 200), 1.0, 5.0}; }
Material buttonMaterial() { return {QColor(0, 0, 0), QColor(90, 90, 90), 1.0, 4.0}; }

QPointF Frame::toPixel(QPointF model) const {
    return {std::round(origin.x() + model.x() * scale), std::round(origin.y() + model.y() * scale)};
}

Frame fitFrame(const QRectF &bounds, const QRectF &area) {
    Frame f;
    f.scale = std::min(area.width() / bounds.width(), area.height() / bounds.height());
    const QPointF origin = area.center() - bounds.center() * f.scale;
    f.origin = {std::round(origin.x()), std::round(origin.y())};
    return f;
}

double pixelCentre(double v) { return std::floor(v) + 0.5; }
QPointF pixelCentre(QPointF p) { return {pixelCentre(p.x()), pixelCentre(p.y())}; }

void drawMaterial(QPainter &p, const QPainterPath &section, const Material &m) {
    p.save();
    p.setClipPath(section);
    p.setPen(QPen(m.hatch, 1.0, Qt::SolidLine, Qt::FlatCap));
    // Lines at 45 degrees rising to the right; spaced along x by pitch * sqrt(2)
    // so that the distance across them is the pitch.
    const QRectF r = section.boundingRect().adjusted(-2, -2, 2, 2);
    const double step = m.hatchPitch * std::sqrt(2.0);
    const double h = r.height();
    for (double x = r.left() - h; x < r.right(); x += step)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + h, r.top()));
    p.restore();

    p.save();
    p.setPen(QPen(m.outline, m.outlineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(section);
    p.restore();
}

void drawArrowHead(QPainter &p, QPointF tip, QPointF back, double length, double halfWidth) {
    const QPointF d = tip - back;
    const double n = std::hypot(d.x(), d.y());
    if (n <= 0.0) return;
    const QPointF u = d / n;
    const QPointF side(-u.y(), u.x());
    const QPointF base = tip - u * length;
    const QColor ink = p.pen().color();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({tip, base + side * halfWidth, base - side * halfWidth}));
    p.restore();
}

void drawArrow(QPainter &p, QPointF from, QPointF tip, double width, double headLength, double headHalfWidth) {
    p.save();
    QPen pen = p.pen();
    pen.setWidthF(width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    // Stop the shaft inside the head so its end does not poke out of the point.
    const QPointF d = tip - from;
    const double n = std::hypot(d.x(), d.y());
    p.drawLine(from, n > headLength ? tip - d / n * (headLength * 0.6) : from);
    drawArrowHead(p, tip, from, headLength, headHalfWidth);
    p.restore();
}

void drawDot(QPainter &p, QPointF centre, double radius) {
    const QColor ink = p.pen().color();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

namespace {

QFont letterFont(Lettering kind, double pixelSize) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(int(pixelSize));
    f.setItalic(kind == Lettering::Symbol);
    return f;
}

}  // namespace

void drawLabel(QPainter &p, QPointF centre, const QString &text, Lettering kind, bool keepClear) {
    const int split = text.indexOf(QLatin1Char('_'));
    const QString main = split < 0 ? text : text.left(split);
    const QString sub = split < 0 ? QString() : text.mid(split + 1);
    const QFont mainFont = letterFont(kind, 11);
    const QFont subFont = letterFont(kind, 8);
    const QFontMetricsF mm(mainFont);
    const QFontMetricsF sm(subFont);
    const double subDrop = 3.0;
    const double width = mm.horizontalAdvance(main) + (sub.isEmpty() ? 0.0 : sm.horizontalAdvance(sub) + 0.5);
    // Centre on the height of a capital so single letters sit where they are placed.
    const double capHeight = mm.capHeight();
    const QPointF origin(std::round(centre.x() - width / 2), std::round(centre.y() + capHeight / 2));

    p.save();
    if (keepClear) {
        const double bottom = origin.y() + (sub.isEmpty() ? 1.0 : subDrop + 1.0);
        QRectF ground(origin.x() - 1, origin.y() - capHeight - 2, width + 2, bottom - (origin.y() - capHeight - 2) + 1);
        p.fillRect(ground, Qt::white);
    }
    p.setFont(mainFont);
    p.drawText(origin, main);
    if (!sub.isEmpty()) {
        p.setFont(subFont);
        p.drawText(origin + QPointF(mm.horizontalAdvance(main) + 0.5, subDrop), sub);
    }
    p.restore();
}

}  // namespace pictures
