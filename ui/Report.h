#pragma once
// The PDF report of section windows and of the composite section: one A4 page
// per section with its title and caption, the date, a drawing of the section
// (its outline with the dimension letters, G, the principal axes and the
// central ellipse), and every field of the section and of its derived
// properties as label, text as shown and unit; then the composite's pages
// (CompositeReport.h). Everything on the page is drawn as lines and text in
// the PDF's own terms, with the fonts embedded, so it prints sharp and its
// text can be selected and searched.

#include <QDateTime>
#include <QString>
#include <vector>

#include "ResultsTable.h"
#include "composite/Composite.h"

class QPainter;
class QRectF;
class SectionWindow;

namespace Report {

// One captioned table of the page.
struct Group {
    QString caption;
    std::vector<TableRow> rows;
};

// What the page of one section window shows, read from its fields: the
// dimension fields, the translation and rotation fields, the results, then the
// derived properties, each in the windows' own order.
std::vector<Group> GroupsOf(const SectionWindow& section);

// Paints the page of `section` into `page` (in units of 1/96 inch).
void PaintPage(QPainter& painter, const QRectF& page, const SectionWindow& section, const QDateTime& when);

// The composite section's caption in the report, as its window's.
inline constexpr const char* kCompositeCaption = "Sezione composta";

// Writes the pages of `sections`, one each in their order, then, when it has
// parts, the composite of `composite` on pages of its own, into one PDF at
// `path`, replacing any file there only once the whole report is written.
// Returns an empty text, or why the file could not be written.
QString Write(const QString& path, const std::vector<const SectionWindow*>& sections,
              const std::vector<baricor::CompositePart>& composite = {},
              const QDateTime& when = QDateTime::currentDateTime());

}  // namespace Report
