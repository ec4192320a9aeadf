#pragma once
// What every page of the report is made of, whether it shows a section window
// or the composite: the page's measures, its fonts, the title block with the
// caption and the date, and the captioned tables of label / text / unit.
// Only the report's own files use it.

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QRectF>
#include <QString>
#include <utility>
#include <vector>

#include "Report.h"

class QPainter;

namespace Report::Page {

// The page, in units of 1/96 inch: the windows' own pixels, so that the
// drawing and the fonts come out at the sizes they have on screen.
constexpr int kResolution = 96;
constexpr double kMargin = 57;  // 15 mm
constexpr double kColumnGap = 24;
constexpr double kGroupGap = 10;

extern const QColor kRule;

// Any control character would break the line it is written on: a blank instead.
QString OneLine(QString text);

// Fonts of the page; pixel sizes, which at kResolution are 1/96 inch.
QFont TitleFont();
QFont CaptionFont();
QFont BodyFont();
QFont LabelFont();

// The height of a table's line and of its caption with the rule under it.
struct Metrics {
    double rowHeight = 0;
    double captionHeight = 0;
    double GroupHeight(const Group& g) const { return captionHeight + rowHeight * double(g.rows.size()); }
};
Metrics MetricsOn(const QPainter& painter);

// The title, then `caption` with the date on the same line, then a rule, at
// the top of `content`. Returns where what follows starts.
double PaintHeader(QPainter& painter, const QRectF& content, const QString& title, const QString& caption,
                   const QDateTime& when);

// A group's caption over a rule at `top`, `height` high (a table's caption,
// or the parts table's).
void PaintCaption(QPainter& painter, const QString& caption, double left, double top, double width, double height);

// The groups in two columns, in order: the first takes groups until it holds
// half of the rows, the second the rest.
using Column = std::vector<const Group*>;
std::pair<Column, Column> Columns(const std::vector<Group>& groups, const Metrics& m);
double ColumnHeight(const Column& column, const Metrics& m);
// Both columns side by side across `width` from (`left`, `top`).
void PaintColumns(QPainter& painter, const std::pair<Column, Column>& columns, double left, double top,
                  double width, double bottom, const Metrics& m);

// One group as a table: its caption over a rule, then a line per row with the
// label, the text as shown and the unit in three columns. Returns its height.
double PaintGroup(QPainter& painter, const Group& group, const QRectF& column, const Metrics& m);

}  // namespace Report::Page
