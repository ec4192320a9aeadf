#include "CompositeReport.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "CompositeDrawing.h"
#include "CompositeWindow.h"
#include "Fonts.h"
#include "NumberNotation.h"
#include "ReportPage.h"

namespace Report {
namespace {

using namespace Page;

constexpr double kMinDrawingHeight = 240;
constexpr double kMaxDrawingHeight = 420;
// A first page with less room than this for the parts starts them on the next.
constexpr int kFewestPartLines = 3;

const QColor kMessageColour(176, 0, 0);  // as the window's message lines

// The parts table's columns: heading and share of the page's width. The
// number's holds "1000", the shape's the longest section caption.
struct PartColumn {
    const char* heading;
    double share;
    QString PartLine::*text;
};
const PartColumn kPartColumns[] = {
    {"N.", 0.07, &PartLine::number},   {"Forma", 0.22, &PartLine::shape}, {"Misure", 0.35, &PartLine::dimensions},
    {"Dx", 0.11, &PartLine::dx},       {"Dy", 0.11, &PartLine::dy},       {"θ", 0.09, &PartLine::theta},
    {"Foro", 0.05, &PartLine::hole},
};

QString FromText(const std::string& text) { return QString::fromStdString(text); }

// "Assi comuni" and "Proprietà derivate", labelled as the window labels them.
std::vector<Group> CompositeGroups(const baricor::CompositeTexts& texts) {
    Group common{"Assi comuni", {}};
    for (size_t i = 0; i < std::size(baricor::kCompositeResults); ++i) {
        const baricor::FieldRow& row = CompositeWindow::ResultRow(baricor::kCompositeResults[i]);
        common.rows.push_back({FromText(row.label), i < texts.results.size() ? FromText(texts.results[i]) : QString(),
                               FromText(row.unit)});
    }
    Group derived{QString::fromUtf8("Proprietà derivate"), {}};
    for (size_t i = 0; i < baricor::kElasticDerivedFieldCount; ++i) {
        const baricor::DerivedField& f = baricor::kDerivedFields[i];
        derived.rows.push_back({QString::fromUtf8(f.label),
                                i < texts.derived.size() ? FromText(texts.derived[i]) : QString(),
                                QString::fromUtf8(f.unit)});
    }
    return {std::move(common), std::move(derived)};
}

// The message lines, each wrapped to the page's width: their heights.
std::vector<double> MessageHeights(const QPainter& painter, const QStringList& messages, double width) {
    const QFontMetricsF metrics(LabelFont(), painter.device());
    std::vector<double> heights;
    for (const QString& message : messages)
        heights.push_back(metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, message).height() + 4);
    return heights;
}

// The parts table's caption and column headings at `top`; returns where the lines start.
double PaintPartsHeading(QPainter& painter, const QString& caption, const QRectF& content, double top,
                         const Metrics& m) {
    PaintCaption(painter, caption, content.left(), top, content.width(), m.captionHeight);
    double y = top + m.captionHeight;
    painter.setFont(LabelFont());
    painter.setPen(Qt::black);
    double x = content.left();
    for (const PartColumn& column : kPartColumns) {
        const double width = content.width() * column.share;
        painter.drawText(QRectF(x + 4, y, width - 8, m.rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromUtf8(column.heading));
        x += width;
    }
    y += m.rowHeight;
    painter.setPen(QPen(kRule, 0.5));
    painter.drawLine(QPointF(content.left(), y), QPointF(content.right(), y));
    return y + 1;
}

// As many of `lines` from `first` as fit above `bottom`; returns the first left over.
size_t PaintPartLines(QPainter& painter, const std::vector<PartLine>& lines, size_t first, const QRectF& content,
                      double top, double bottom, const Metrics& m) {
    painter.setFont(BodyFont());
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(BodyFont(), painter.device());
    double y = top;
    size_t n = first;
    for (; n < lines.size() && y + m.rowHeight <= bottom; ++n, y += m.rowHeight) {
        double x = content.left();
        for (const PartColumn& column : kPartColumns) {
            const double width = content.width() * column.share;
            // A text longer than its column (a paste can be any length) ends in an ellipsis.
            const QString text = metrics.elidedText(OneLine(lines[n].*column.text), Qt::ElideRight, width - 8);
            painter.drawText(QRectF(x + 4, y, width - 8, m.rowHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
            x += width;
        }
    }
    return n;
}

}  // namespace

std::vector<PartLine> PartLines(const std::vector<baricor::CompositePart>& parts) {
    std::vector<PartLine> lines;
    lines.reserve(parts.size());
    for (size_t i = 0; i < parts.size(); ++i) {
        const baricor::CompositePart& part = parts[i];
        PartLine line;
        line.number = QString::number(i + 1);
        line.shape = CompositeWindow::ShapeName(part.shape);
        QStringList dimensions;
        for (const auto& [label, text] : CompositeWindow::DimensionTexts(part)) dimensions << label + " = " + text;
        line.dimensions = dimensions.join("; ");
        line.dx = FromText(part.texts.dx);
        line.dy = FromText(part.texts.dy);
        line.theta = FromText(part.texts.theta);
        line.hole = part.hole ? QString::fromUtf8("sì") : QString("no");
        lines.push_back(std::move(line));
    }
    return lines;
}

void PaintCompositePages(QPainter& painter, QPagedPaintDevice& device, const QRectF& page,
                         const std::vector<baricor::CompositePart>& parts, const QDateTime& when) {
    const QRectF content = page.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const QString title = QString::fromUtf8("Proprietà geometriche della sezione composta");
    const QString caption = QString::fromUtf8(kCompositeCaption);
    double y = PaintHeader(painter, content, title, caption, when);

    // The same analysis and texts as the window's, under the same separators and digits.
    const baricor::RegionalSeparators& separators = NumberNotation::Separators();
    const baricor::CompositeAnalysis analysis = baricor::AnalyseComposite(parts, separators);
    const std::vector<Group> groups =
        CompositeGroups(baricor::CompositeTextsOf(analysis, separators.decimal, NumberNotation::ResultFormat()));
    QStringList messages;
    for (const QString& message :
         {CompositeWindow::ProblemText(parts, analysis), CompositeWindow::WarningText(analysis)})
        if (!message.isEmpty()) messages << OneLine(message);

    const Metrics m = MetricsOn(painter);
    const auto columns = Columns(groups, m);
    const double tables = std::max(ColumnHeight(columns.first, m), ColumnHeight(columns.second, m));
    const std::vector<double> messageHeights = MessageHeights(painter, messages, content.width());
    double messagesHeight = 0;
    for (double h : messageHeights) messagesHeight += h;
    const std::vector<PartLine> lines = PartLines(parts);
    const double heading = m.captionHeight + m.rowHeight + 1;

    // The drawing takes what the figures and the parts leave, within bounds;
    // parts that go on to another page anyway leave it at its largest.
    const double room = content.bottom() - y - 2 * kGroupGap - messagesHeight - tables - kGroupGap;
    const double partsHeight = heading + m.rowHeight * double(lines.size());
    const double drawingHeight = room - partsHeight >= kMinDrawingHeight
                                     ? std::min(room - partsHeight, kMaxDrawingHeight)
                                     : kMaxDrawingHeight;

    const QRectF box(content.left(), y, content.width(), drawingHeight);
    painter.setPen(QPen(kRule, 0.75));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.save();
    painter.setFont(DefaultFont());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(box);
    CompositeDrawing::Paint(painter, box.adjusted(6, 6, -6, -6), analysis);
    painter.restore();
    y += drawingHeight + kGroupGap;

    // What the window says under its table, so that the report never hides it.
    painter.setFont(LabelFont());
    painter.setPen(kMessageColour);
    for (int i = 0; i < messages.size(); ++i) {
        painter.drawText(QRectF(content.left(), y, content.width(), messageHeights[size_t(i)]),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, messages[i]);
        y += messageHeights[size_t(i)];
    }
    y += kGroupGap;

    PaintColumns(painter, columns, content.left(), y, content.width(), content.bottom(), m);
    y += tables;

    // The parts, from here and on as many pages as they need.
    size_t next = 0;
    const size_t fewest = std::min(lines.size(), size_t(kFewestPartLines));
    if (content.bottom() - y >= heading + double(fewest) * m.rowHeight) {
        const double top = PaintPartsHeading(painter, "Parti", content, y, m);
        next = PaintPartLines(painter, lines, 0, content, top, content.bottom(), m);
    }
    while (next < lines.size()) {
        device.newPage();
        y = PaintHeader(painter, content, title, caption, when);
        const double top = PaintPartsHeading(painter, next == 0 ? QString("Parti") : QString("Parti (segue)"),
                                             content, y, m);
        const size_t from = next;
        next = PaintPartLines(painter, lines, next, content, top, content.bottom(), m);
        if (next == from) break;  // not even one line fits: never a page after page of nothing
    }
}

}  // namespace Report
