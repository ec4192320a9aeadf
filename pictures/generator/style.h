#pragma once
// The one drawing style of every section picture: hatched material with a black
// outline, thin dimension lines with small arrowheads, axis arrows and letters.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace pictures {

// How the material of a section is drawn.
struct Material {
    QColor outline;
    QColor hatch;
    double outlineWidth;  // whole pixels keep the edges sharp
    double hatchPitch;    // distance between two hatch lines, across them
};

Material boldMaterial();   // the section in the diagrams and in picture A
Material faintMaterial();  // the section behind the axes of picture B
Material buttonMaterial(); // the small sections on the push buttons

// Maps section coordinates (millimetres, y downwards) onto whole pixels.
struct Frame {
    QPointF origin;
    double scale = 1.0;
    QPointF toPixel(QPointF model) const;
    double length(double model) const { return model * scale; }
};
// The largest frame that shows `bounds` inside `area`, centred in it.
Frame fitFrame(const QRectF &bounds, const QRectF &area);

// The centre of the pixel that holds v: one pixel wide strokes drawn there are sharp.
double pixelCentre(double v);
QPointF pixelCentre(QPointF p);

void drawMaterial(QPainter &p, const QPainterPath &section, const Material &m);

// A filled arrowhead whose tip is at `tip`, pointing away from `back`.
void drawArrowHead(QPainter &p, QPointF tip, QPointF back, double length, double halfWidth);
// A line from `from` with an arrowhead at `tip`.
void drawArrow(QPainter &p, QPointF from, QPointF tip, double width, double headLength, double headHalfWidth);
void drawDot(QPainter &p, QPointF centre, double radius);

enum class Lettering { Symbol, Point };  // italic quantity letters, upright point names
// Writes text centred on `centre`; a '_' puts the rest of the text as a subscript
// ("t_1", "x_G"). Keep-clear labels get a white ground so they read over hatching.
void drawLabel(QPainter &p, QPointF centre, const QString &text, Lettering kind, bool keepClear);

}  // namespace pictures
