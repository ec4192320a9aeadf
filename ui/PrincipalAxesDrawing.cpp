#include "PrincipalAxesDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "Fonts.h"
#include "geometry/Builders.h"
#include "NumberNotation.h"
#include "ResultFormat.h"

const QColor PrincipalAxesDrawing::kOutlineColour(0, 0, 0);
const QColor PrincipalAxesDrawing::kAxesColour(176, 0, 0);
const QColor PrincipalAxesDrawing::kEllipseColour(0, 0, 208);
const QColor PrincipalAxesDrawing::kReferenceColour(0, 128, 0);
const QColor PrincipalAxesDrawing::kShearCentreColour(144, 0, 160);

namespace {

const QColor kSectionFill(208, 208, 208);
const char* const kLabels[] = {"1", "2", "G", "x", "y", "C", "α"};

void Arrow(QPainter& painter, const QPointF& from, const QPointF& tip) {
    painter.drawLine(from, tip);
    const QPointF d = (tip - from) / std::sqrt(QPointF::dotProduct(tip - from, tip - from));
    const QPointF across(-d.y(), d.x());
    painter.drawPolygon(QPolygonF({tip, tip - d * 5 + across * 3, tip - d * 5 - across * 3}));
}

void Label(QPainter& painter, const QRectF& box, const char* text) {
    painter.drawText(box, Qt::AlignCenter, QString::fromUtf8(text));
}

}  // namespace

PrincipalAxesDrawing::PrincipalAxesDrawing(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setFont(DefaultFont());
    setAccessibleName("Disegno degli assi principali");
    Describe();
}

void PrincipalAxesDrawing::Show(const baricor::DerivedSection& derived,
                                const std::optional<baricor::PlanePoint>& shearCentre) {
    outline_.reset();
    if (derived.outline) outline_ = baricor::geometry::RegionFromOutline(*derived.outline);
    values_ = derived.values;
    shearCentre_ = shearCentre;
    Describe();
    update();
}

void PrincipalAxesDrawing::Show(const baricor::geometry::Region& outline,
                                const std::optional<baricor::DerivedValues>& values) {
    outline_ = outline;
    values_ = values;
    shearCentre_.reset();
    Describe();
    update();
}

// What a screen reader says of the drawing: what it shows at the moment.
void PrincipalAxesDrawing::Describe() {
    QString text;
    if (!outline_) {
        text = "Nessuna sezione da disegnare";
    } else if (!values_) {
        text = "Contorno della sezione; baricentro e assi principali non definiti";
    } else {
        const std::string alpha = baricor::FormatValue(values_->alpha, baricor::CentroidFormat,
                                                       NumberNotation::Separators().decimal);
        text = QString::fromUtf8("Contorno della sezione con il baricentro G, gli assi principali 1 e 2 ruotati di "
                                 "α = %1 gradi dall'asse x e l'ellisse centrale d'inerzia")
                   .arg(QString::fromStdString(alpha));
        if (shearCentre_) text += " e il centro di taglio C";
    }
    if (accessibleDescription() != text) setAccessibleDescription(text);
}

DrawingLayout PrincipalAxesDrawing::Layout() const {
    const QFontMetricsF metrics(font());
    QSizeF label(0, metrics.height());
    for (const char* text : kLabels)
        label.setWidth(std::max(label.width(), metrics.horizontalAdvance(QString::fromUtf8(text))));
    if (!outline_) return DrawingLayout();
    return LayOutDrawing(*outline_, values_, contentsRect(), label, shearCentre_);
}

void PrincipalAxesDrawing::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!outline_) return;
    const DrawingLayout layout = Layout();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(contentsRect());

    painter.setPen(QPen(kOutlineColour, 1));
    painter.setBrush(kSectionFill);
    painter.drawPath(layout.outline);

    const ReferenceArrows& r = layout.reference;
    painter.setPen(QPen(kReferenceColour, 1));
    painter.setBrush(kReferenceColour);
    Arrow(painter, r.origin, r.xTip);
    Arrow(painter, r.origin, r.yTip);
    Label(painter, r.xLabel, "x");
    Label(painter, r.yLabel, "y");
    if (!layout.valuesShown) return;

    painter.setBrush(Qt::NoBrush);
    if (layout.arcSpan != 0) {
        painter.drawLine(layout.xDirection);
        const QRectF circle(layout.g - QPointF(layout.arcRadius, layout.arcRadius),
                            QSizeF(2 * layout.arcRadius, 2 * layout.arcRadius));
        painter.drawArc(circle, int(std::lround(layout.arcStart * 16)), int(std::lround(layout.arcSpan * 16)));
        Label(painter, layout.alphaLabel, "α");
    }

    painter.setPen(QPen(kAxesColour, 1, Qt::DashLine));
    painter.drawLine(layout.axis1Line);
    painter.drawLine(layout.axis2Line);
    painter.setPen(kAxesColour);
    Label(painter, layout.label1, "1");
    Label(painter, layout.label2, "2");

    if (std::isfinite(layout.ellipseAlong1) && std::isfinite(layout.ellipseAlong2)) {
        painter.save();
        painter.translate(layout.g);
        painter.rotate(layout.ellipseTurn);
        painter.setPen(QPen(kEllipseColour, 1.5));
        painter.drawEllipse(QPointF(0, 0), layout.ellipseAlong1, layout.ellipseAlong2);
        painter.restore();
    }

    if (layout.shearCentre) {
        // A hollow square with a cross: unlike G's dot, and visible over the section or off it.
        painter.setPen(QPen(kShearCentreColour, 1.5));
        painter.setBrush(Qt::white);
        const QRectF& m = layout.shearCentreMark;
        painter.drawRect(m);
        painter.drawLine(m.topLeft(), m.bottomRight());
        painter.drawLine(m.topRight(), m.bottomLeft());
        Label(painter, layout.shearCentreLabel, "C");
    }

    painter.setPen(kOutlineColour);
    painter.setBrush(kOutlineColour);
    painter.drawEllipse(layout.gMark);
    Label(painter, layout.gLabel, "G");
}
