#include "Report.h"

#include <QApplication>
#include <QBuffer>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#include "DerivedProperties.h"
#include "DerivedPropertiesWindow.h"
#include "DimensionMarks.h"
#include "DrawingLayout.h"
#include "Fonts.h"
#include "NumberNotation.h"
#include "PrincipalAxesDrawing.h"
#include "SectionInputs.h"
#include "SectionWindow.h"

namespace Report {
namespace {

// The page, in units of 1/96 inch: the windows' own pixels, so that the
// drawing and the fonts come out at the sizes they have on screen.
constexpr int kResolution = 96;
constexpr double kMargin = 57;  // 15 mm
constexpr double kColumnGap = 24;
constexpr double kGroupGap = 10;
constexpr double kMinDrawingHeight = 220;
constexpr double kMaxDrawingHeight = 470;

const QColor kRule(160, 160, 160);
const QColor kDimensionColour(80, 80, 80);

// Any control character would break the line it is written on: a blank instead.
QString OneLine(QString text) {
    for (QChar& c : text)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F) || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QChar(' ');
    return text;
}

// The derived texts as the derived window shows them when it is open (it is
// rewritten at its section's recalculations, so it may still show an earlier
// digit pattern), else as it would show them on opening.
std::vector<QString> DerivedTextsOf(const SectionWindow& section) {
    std::vector<QString> texts;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<DerivedPropertiesWindow*>(top);
        if (!window || window->objectName() != "DerivedProperties-" + section.objectName()) continue;
        for (const baricor::DerivedField& f : baricor::kDerivedFields) {
            auto* field = window->findChild<QLineEdit*>(DerivedPropertiesWindow::FieldName(f.quantity));
            texts.push_back(field ? field->text() : QString());
        }
        return texts;
    }
    const std::string& decimal = NumberNotation::Separators().decimal;
    const baricor::DerivedSection derived = baricor::DeriveSection(section.Shape(), section.InputTexts(), decimal);
    for (const std::string& text : baricor::DerivedTexts(derived, decimal, NumberNotation::ResultFormat()))
        texts.push_back(QString::fromStdString(text));
    return texts;
}

// Fonts of the page; pixel sizes, which at kResolution are 1/96 inch.
QFont TitleFont() { return SansFont(15, true); }
QFont CaptionFont() { return SansFont(11, true); }
QFont BodyFont() { return SansFont(9); }
QFont LabelFont() { return SansFont(9, true); }

struct Metrics {
    double rowHeight = 0;
    double captionHeight = 0;
    double GroupHeight(const Group& g) const { return captionHeight + rowHeight * double(g.rows.size()); }
};

// The groups in two columns, in order: the first takes groups until it holds
// half of the rows, the second the rest.
std::pair<std::vector<const Group*>, std::vector<const Group*>> Columns(const std::vector<Group>& groups,
                                                                       const Metrics& m) {
    double total = 0;
    for (const Group& g : groups) total += m.GroupHeight(g) + kGroupGap;
    std::pair<std::vector<const Group*>, std::vector<const Group*>> columns;
    double first = 0;
    for (const Group& g : groups) {
        if (first < total / 2) {
            columns.first.push_back(&g);
            first += m.GroupHeight(g) + kGroupGap;
        } else {
            columns.second.push_back(&g);
        }
    }
    return columns;
}

double ColumnHeight(const std::vector<const Group*>& column, const Metrics& m) {
    double height = 0;
    for (const Group* g : column) height += m.GroupHeight(*g) + kGroupGap;
    return height;
}

// One group as a table: its caption over a rule, then a line per row with the
// label, the text as shown and the unit in three columns.
double PaintGroup(QPainter& painter, const Group& group, const QRectF& column, const Metrics& m) {
    double y = column.top();
    painter.setFont(CaptionFont());
    painter.setPen(Qt::black);
    painter.drawText(QRectF(column.left(), y, column.width(), m.captionHeight - 4), Qt::AlignLeft | Qt::AlignBottom,
                     group.caption);
    y += m.captionHeight;
    painter.setPen(QPen(kRule, 0.75));
    painter.drawLine(QPointF(column.left(), y - 2), QPointF(column.right(), y - 2));
    const double labelWidth = column.width() * 0.2;
    const double unitWidth = column.width() * 0.2;
    const double textWidth = column.width() - labelWidth - unitWidth;
    const QFontMetricsF bodyMetrics(BodyFont(), painter.device());
    painter.setPen(Qt::black);
    for (const TableRow& row : group.rows) {
        painter.setFont(LabelFont());
        painter.drawText(QRectF(column.left() + 4, y, labelWidth - 4, m.rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         OneLine(row.label));
        painter.setFont(BodyFont());
        // A text longer than its column (a paste can be any length) ends in an ellipsis.
        const QString text = bodyMetrics.elidedText(OneLine(row.text), Qt::ElideRight, textWidth - 8);
        painter.drawText(QRectF(column.left() + labelWidth, y, textWidth - 8, m.rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        painter.drawText(QRectF(column.left() + labelWidth + textWidth, y, unitWidth, m.rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, OneLine(row.unit));
        y += m.rowHeight;
    }
    return y - column.top();
}

void PaintDimensionMarks(QPainter& painter, const std::vector<DimensionMark>& marks) {
    painter.setPen(QPen(kDimensionColour, 0.6));
    painter.setBrush(kDimensionColour);
    for (const DimensionMark& mark : marks) {
        for (const QLineF& w : mark.witnesses) painter.drawLine(w);
        painter.drawLine(mark.line);
        // A small arrowhead at each end, pointing outwards.
        const QPointF d = (mark.line.p2() - mark.line.p1()) / std::max(mark.line.length(), 1e-9);
        const QPointF across(-d.y(), d.x());
        const double size = std::min(4.0, mark.line.length() / 3);
        for (const auto& [tip, inward] : {std::pair{mark.line.p1(), d}, std::pair{mark.line.p2(), -d}})
            painter.drawPolygon(QPolygonF(
                {tip, tip + inward * size + across * size * 0.45, tip + inward * size - across * size * 0.45}));
    }
    painter.setPen(Qt::black);
    for (const DimensionMark& mark : marks) painter.drawText(mark.label, Qt::AlignCenter, mark.name);
}

void PaintDrawing(QPainter& painter, const QRectF& box, const SectionWindow& section) {
    painter.setPen(QPen(kRule, 0.75));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);

    const QFont font = DefaultFont();
    painter.setFont(font);
    const QSizeF labelSize = PrincipalAxesDrawing::LabelSize(QFontMetricsF(font, painter.device()));
    const std::string& decimal = NumberNotation::Separators().decimal;
    const baricor::SectionInputs inputs =
        baricor::ReadSectionInputs(section.Shape(), section.InputTexts(), decimal);
    const baricor::DerivedSection derived = baricor::DeriveSection(section.Shape(), inputs.dimensions);
    // Room all round for the dimension marks outside the outline.
    const double band = DimensionBand(labelSize) + 4;
    const QRectF area = box.adjusted(band, band, -band, -band);
    const DrawingLayout layout = LayOutDrawing(derived, area, labelSize);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(box);
    PrincipalAxesDrawing::Paint(painter, layout);
    painter.restore();
    painter.save();
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintDimensionMarks(painter, LayOutDimensionMarks(layout, section.Shape(), inputs.dimensions, labelSize));
    painter.restore();
}

}  // namespace

std::vector<Group> GroupsOf(const SectionWindow& section) {
    const baricor::SectionLayout& layout = section.Layout();
    std::vector<Group> groups(2);
    groups[0].caption = QString::fromStdString(layout.dataFrame.caption);
    groups[1].caption = QString::fromStdString(layout.transformFrame.caption);
    const std::vector<TableRow> inputs = InputsTable(section);
    for (size_t i = 0; i < inputs.size(); ++i)
        groups[layout.inputs[i].role == baricor::InputRole::Dimension ? 0 : 1].rows.push_back(inputs[i]);

    groups.push_back({"Risultati", ResultsTable(section)});

    Group derived{QString::fromUtf8("Proprietà derivate"), {}};
    const std::vector<QString> texts = DerivedTextsOf(section);
    for (size_t i = 0; i < baricor::kDerivedFields.size(); ++i) {
        const baricor::DerivedField& f = baricor::kDerivedFields[i];
        derived.rows.push_back({QString::fromUtf8(f.label), i < texts.size() ? texts[i] : QString(),
                                QString::fromUtf8(f.unit)});
    }
    groups.push_back(std::move(derived));
    return groups;
}

void PaintPage(QPainter& painter, const QRectF& page, const SectionWindow& section, const QDateTime& when) {
    const QRectF content = page.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    double y = content.top();

    // Title, then the window's caption with the date on the same line.
    painter.setPen(Qt::black);
    painter.setFont(TitleFont());
    const double titleHeight = QFontMetricsF(TitleFont(), painter.device()).height();
    painter.drawText(QRectF(content.left(), y, content.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromUtf8("Proprietà geometriche della sezione"));
    y += titleHeight + 4;
    painter.setFont(CaptionFont());
    const double captionHeight = QFontMetricsF(CaptionFont(), painter.device()).height();
    painter.drawText(QRectF(content.left(), y, content.width(), captionHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     section.windowTitle());
    painter.setFont(BodyFont());
    painter.drawText(QRectF(content.left(), y, content.width(), captionHeight), Qt::AlignRight | Qt::AlignVCenter,
                     "Data: " + when.toString("dd/MM/yyyy HH:mm"));
    y += captionHeight + 6;
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(content.left(), y), QPointF(content.right(), y));
    y += 10;

    // The tables first worked out, so that the drawing takes the room they leave.
    const std::vector<Group> groups = GroupsOf(section);
    Metrics m;
    m.rowHeight = QFontMetricsF(BodyFont(), painter.device()).height() + 5;
    m.captionHeight = QFontMetricsF(CaptionFont(), painter.device()).height() + 8;
    auto columns = Columns(groups, m);
    double tables = std::max(ColumnHeight(columns.first, m), ColumnHeight(columns.second, m));
    // More rows than the page holds at this size (later tables may add some):
    // closer rows rather than a second page.
    const double room = content.bottom() - y - kMinDrawingHeight - kGroupGap;
    if (tables > room) {
        const double shrink = room / tables;
        m.rowHeight *= shrink;
        m.captionHeight *= shrink;
        tables = room;
    }
    const double drawingHeight = std::clamp(content.bottom() - y - tables - kGroupGap, kMinDrawingHeight,
                                            kMaxDrawingHeight);
    PaintDrawing(painter, QRectF(content.left(), y, content.width(), drawingHeight), section);
    y += drawingHeight + 2 * kGroupGap;

    const double columnWidth = (content.width() - kColumnGap) / 2;
    for (const auto& [column, left] : {std::pair{&columns.first, content.left()},
                                       std::pair{&columns.second, content.left() + columnWidth + kColumnGap}}) {
        double top = y;
        for (const Group* g : *column)
            top += PaintGroup(painter, *g, QRectF(left, top, columnWidth, content.bottom() - top), m) + kGroupGap;
    }
}

QString Write(const QString& path, const std::vector<const SectionWindow*>& sections, const QDateTime& when) {
    // The whole report is made in memory first, then written in one go over
    // any file of that name: a failed write leaves what was there.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(kResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setCreator("Baricor");
        if (sections.size() == 1) writer.setTitle(sections.front()->windowTitle());
        QPainter painter;
        if (!painter.begin(&writer)) return QString::fromUtf8("il documento PDF non può essere creato");
        const QRectF page(0, 0, writer.width(), writer.height());
        bool first = true;
        for (const SectionWindow* section : sections) {
            if (!first) writer.newPage();
            first = false;
            PaintPage(painter, page, *section, when);
        }
        painter.end();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(pdf.data()) != pdf.data().size()) return file.errorString();
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace Report
