#pragma once
// The composite section's pages of the PDF report: the title, "Sezione
// composta" and the date; the composite's drawing as its window draws it
// (without the selection); the window's message lines where it shows any;
// "Assi comuni" and "Proprietà derivate" as label, text as the window shows it
// and unit; then "Parti", a line per part: its number, its shape, its
// dimensions, Dx, Dy, θ and whether it is a hole. Parts beyond the first page
// go on to further pages, each with the column headings again.

#include <QDateTime>
#include <vector>

#include "Report.h"
#include "composite/Composite.h"

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace Report {

// One line of the parts table, every text as the composite window shows it.
struct PartLine {
    QString number;      // "1", "2", ...
    QString shape;       // the shape column's text
    QString dimensions;  // "b = 100; h = 150"
    QString dx, dy, theta;
    QString hole;        // "sì" or "no"
};
std::vector<PartLine> PartLines(const std::vector<baricor::CompositePart>& parts);

// Paints the composite of `parts` from `device`'s present page on, starting a
// new page of `device` for each further one; `page` in units of 1/96 inch.
void PaintCompositePages(QPainter& painter, QPagedPaintDevice& device, const QRectF& page,
                         const std::vector<baricor::CompositePart>& parts, const QDateTime& when);

}  // namespace Report
