#pragma once
// The eight cross-sections as they are drawn: their geometry at the default
// dimensions of each window, where every dimension is written, and the pixel
// sizes of their pictures.

#include <QMargins>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <vector>

#include "style.h"

namespace pictures {

// Section coordinates are millimetres from the top left corner of the section's
// bounding box, y downwards, as the picture is drawn.

// A closed boundary: a polygon, or a circle when radius > 0.
struct Contour {
    QPolygonF polygon;
    QPointF centre;
    double radius = 0.0;
};

enum class Run { Horizontal, Vertical, Aligned };

// A dimension line measuring from `from` to `to`. It runs through the section
// point `through`, moved by `shift` pixels, with extension lines back to the
// measured points. Thin walls get the arrows from outside, pointing at the faces.
struct Dimension {
    QPointF from;
    QPointF to;
    Run run = Run::Aligned;
    QPointF through;
    QPointF shift;
    bool arrowsOutside = false;
    QString text;         // '_' starts a subscript: "t_1"
    double textAt = 0.5;  // along the line: 0 at `from`, 1 at `to`
    QPointF textShift;    // pixels from there to the centre of the text
    bool extensionLines = true;  // off where axes already lead to the measured points
};

struct Section {
    int number = 0;                 // the NN of Immagini/traveNNA.jpg
    QString name;                   // "l-section": names the built-in diagram and button
    QSize diagramSize;              // also the size of pictures A and B
    QByteArray diagramFormat;       // "jpg" or "bmp"
    QSize buttonSize;
    std::vector<Contour> contours;  // the outer boundary first, then the holes
    std::vector<Dimension> dimensions;
    QMargins margins;               // pixels kept free around the section in the diagram
    double xAxisOverrun = 16;       // pixels the x arrow reaches past the section
    double yAxisOverrun = 16;
    QPointF xLabelShift{3, -8};     // from the tip of the x arrow to its letter
    QPointF yLabelShift{-8, -4};    // from the tip of the y arrow to its letter
    QPointF gLabelShift{8, -8};     // from G to its letter

    QRectF bounds() const;
    QPointF centroid() const;
    QPainterPath path(const Frame &frame) const;  // in whole pixels
};

const std::vector<Section> &sections();

}  // namespace pictures
