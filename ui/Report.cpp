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
#include "ReportPage.h"
#include "CompositeReport.h"
#include "SectionInputs.h"
#include "SectionWindow.h"

namespace Report {
namespace {

using namespace Page;

constexpr double kMinDrawingHeight = 220;
constexpr double kMaxDrawingHeight = 470;

const QColor kDimensionColour(80, 80, 80);

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

    // Title, then the window's caption with the date on the same line.
    double y = PaintHeader(painter, content, QString::fromUtf8("Proprietà geometriche della sezione"),
                           section.windowTitle(), when);

    // The tables first worked out, so that the drawing takes the room they leave.
    const std::vector<Group> groups = GroupsOf(section);
    Metrics m = MetricsOn(painter);
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

    PaintColumns(painter, columns, content.left(), y, content.width(), content.bottom(), m);
}

QString Write(const QString& path, const std::vector<const SectionWindow*>& sections,
              const std::vector<baricor::CompositePart>& composite, const QDateTime& when) {
    // The whole report is made in memory first, then written in one go over
    // any file of that name: a failed write leaves what was there.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(kResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setCreator("Baricor");
        if (sections.size() == 1 && composite.empty()) writer.setTitle(sections.front()->windowTitle());
        if (sections.empty() && !composite.empty()) writer.setTitle(QString::fromUtf8(kCompositeCaption));
        QPainter painter;
        if (!painter.begin(&writer)) return QString::fromUtf8("il documento PDF non può essere creato");
        const QRectF page(0, 0, writer.width(), writer.height());
        bool first = true;
        for (const SectionWindow* section : sections) {
            if (!first) writer.newPage();
            first = false;
            PaintPage(painter, page, *section, when);
        }
        // The composite after the sections, on pages of its own.
        if (!composite.empty()) {
            if (!first) writer.newPage();
            PaintCompositePages(painter, writer, page, composite, when);
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
