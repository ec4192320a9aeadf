#pragma once
// The dimension letters of a section's drawing in the report: for each of the
// shape's dimension names a dimension line with its letter, outside the
// outline so that nothing of the section is hidden. Where each one goes
// follows from what the shapes call their dimensions: a (and the diameters d
// and d1) the whole width, below; b the whole height, on the left; t1 the
// thickness of the part along the bottom face, on the right; t2 the thickness
// of an upright part (wall or web), above, over that part; d2 the hole, above.
// A name none of these covers gets no mark.

#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "DrawingLayout.h"
#include "Section.h"

struct DimensionMark {
    QString name;                  // "a", "t1", "d2"
    QLineF line;                   // between the two ends it measures
    std::vector<QLineF> witnesses; // from the outline out to the line's ends
    QRectF label;                  // where the letter goes
};

// `layout` is the drawing laid out with room of at least DimensionBand() on
// each side of its outline; `dimensions` in the order of the shape's names.
std::vector<DimensionMark> LayOutDimensionMarks(const DrawingLayout& layout, const baricor::SectionShape& shape,
                                                const baricor::Dimensions& dimensions, const QSizeF& labelSize);

// How far the marks reach out from the outline's box.
double DimensionBand(const QSizeF& labelSize);
