#pragma once
// Where each part of the derived window's drawing lands, in pixels, worked out
// before anything is painted so that the picture's geometry can be checked on
// its own: the scale, G, the outline, the principal axes and the central
// ellipse, the labels, the x and y reference directions, the arc of α and the
// shear centre. On screen x grows to the right and y downwards; the section's
// frame has x positive to the left and y positive downwards, as the section
// diagrams show it.

#include <QLineF>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>

#include "DerivedProperties.h"
#include "geometry/Region.h"

struct ReferenceArrows {
    QPointF origin;  // where both arrows start
    QPointF xTip;    // x, to the left
    QPointF yTip;    // y, downwards
    QRectF xLabel, yLabel;
    QRectF box;  // everything above, kept clear of the section
};

struct DrawingLayout {
    bool outlineShown = false;  // the dimensions make a section that can be drawn
    bool valuesShown = false;   // G, the axes, the ellipse and α are defined

    double scale = 0;    // pixels per mm
    QRectF fitBox;       // what the outline and the ellipse are fitted into
    QPointF g;           // where G lands, on a pixel's centre
    QPainterPath outline;
    QRectF outlineBox;   // the outline's extent on screen
    ReferenceArrows reference;

    // Unit directions on screen of the positive J1 and J2 axes, and each axis
    // across the whole drawing through G.
    QPointF axis1, axis2;
    QLineF axis1Line, axis2Line;
    // The central ellipse: its semi-axes along the J1 and J2 axes, in pixels,
    // and the turn that brings screen's right onto the J1 axis, in degrees
    // clockwise on screen.
    double ellipseAlong1 = 0, ellipseAlong2 = 0;
    double ellipseTurn = 0;
    // The arc of α about G, from the x direction to the J1 axis, in the
    // painter's angles (degrees counter-clockwise from the right); no span at α = 0.
    double arcRadius = 0, arcStart = 0, arcSpan = 0;
    QLineF xDirection;  // from G along x, where the arc starts
    QRectF alphaLabel;

    QRectF gMark;  // the dot at G
    QRectF gLabel, label1, label2;

    std::optional<QPointF> shearCentre;
    QRectF shearCentreMark, shearCentreLabel;
};

// `labelSize` is the box of the widest one-letter label in the drawing's font;
// `shearCentre`, when given, is in mm about G in the section's frame.
DrawingLayout LayOutDrawing(const baricor::DerivedSection& derived, const QRectF& area, const QSizeF& labelSize,
                            const std::optional<baricor::PlanePoint>& shearCentre = std::nullopt);
// The same for an outline bounded by segments and arcs (a rolled profile with
// its fillets), in mm about G in the section's frame, with the values where
// they are defined. The arcs stay arcs on screen.
DrawingLayout LayOutDrawing(const baricor::geometry::Region& outline,
                            const std::optional<baricor::DerivedValues>& values, const QRectF& area,
                            const QSizeF& labelSize,
                            const std::optional<baricor::PlanePoint>& shearCentre = std::nullopt);
