// The window icon (a spanner) and the warning sign of the error messages, drawn
// as shapes and scaled per size so that each size is sharp.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>

#include "drawings.h"

namespace pictures {
namespace {

QPainterPath jawSlot(QPointF headCentre, double halfWidth, double depthBehindCentre, double reach, double turn) {
    QPainterPath slot;
    slot.addRect(QRectF(-depthBehindCentre, -halfWidth, depthBehindCentre + reach, 2 * halfWidth));
    QTransform t;
    t.translate(headCentre.x(), headCentre.y());
    t.rotate(turn);
    return t.map(slot);
}

// A double open-ended spanner lying along x, the larger end at +x.
QPainterPath spannerOutline() {
    const QPointF bigHead(70, 0);
    const QPointF smallHead(-80, 0);
    QPainterPath body;
    body.addEllipse(bigHead, 48, 48);
    body.addEllipse(smallHead, 36, 36);
    QPainterPath shaft;
    shaft.addPolygon(QPolygonF({{-80, -16}, {70, -21}, {70, 21}, {-80, 16}}));
    shaft.closeSubpath();
    body = body.united(shaft);
    // Jaws set at 15 degrees to the handle, as on a real spanner.
    body = body.subtracted(jawSlot(bigHead, 20, -4, 80, -15));
    body = body.subtracted(jawSlot(smallHead, 15, -4, 60, 195));
    return body.simplified();
}

}  // namespace

QImage wrenchIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);

    QTransform turn;
    turn.rotate(-45);  // larger jaw to the upper right
    const QPainterPath turned = turn.map(spannerOutline());
    const QRectF box = turned.boundingRect();
    const double outline = std::max(1.0, size / 40.0);
    const double room = size - outline - std::max(1.0, size * 0.03) * 2;
    const double scale = room / std::max(box.width(), box.height());
    QTransform place;
    place.translate(size / 2.0, size / 2.0);
    place.scale(scale, scale);
    place.translate(-box.center().x(), -box.center().y());
    const QPainterPath spanner = place.map(turned);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient steel(0, 0, size, size);
    steel.setColorAt(0.0, QColor(178, 178, 178));
    steel.setColorAt(1.0, QColor(105, 105, 105));
    p.setBrush(steel);
    p.setPen(QPen(QColor(55, 55, 55), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(spanner);
    return image;
}

// At scale 2 the same shapes on 64x64 pixels, for screens of twice the density.
QImage warningSign(int scale) {
    const int size = 32;
    QImage image(size * scale, size * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(3780 * scale);
    image.setDotsPerMeterY(3780 * scale);
    image.setDevicePixelRatio(scale);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.addPolygon(QPolygonF({{16, 2.5}, {30, 28.5}, {2, 28.5}}));
    triangle.closeSubpath();
    p.setPen(QPen(QColor(40, 40, 40), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(250, 204, 20));
    p.drawPath(triangle);

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({{14.4, 10}, {17.6, 10}, {16.8, 20.5}, {15.2, 20.5}}));
    p.drawEllipse(QPointF(16, 24.2), 1.8, 1.8);
    return image;
}

}  // namespace pictures
