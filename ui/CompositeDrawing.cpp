#include "CompositeDrawing.h"

#include <QMouseEvent>
#include <QPainter>

#include "geometry/Region.h"

const QColor CompositeDrawing::kSelectionColour(0, 120, 215);
const QColor CompositeDrawing::kCommonAxesColour(96, 96, 96);

namespace {

// Fine enough that a round part looks round at any size the window takes.
constexpr int kDrawingChordsPerArc = 24;
constexpr double kCommonAxisLength = 30;  // pixels

}  // namespace

CompositeDrawing::CompositeDrawing(QWidget* parent) : PrincipalAxesDrawing(parent) {
    setAccessibleName("Disegno della sezione composta");
}

void CompositeDrawing::ShowComposite(const baricor::CompositeAnalysis& analysis) {
    std::unordered_map<const baricor::geometry::Region*, CutPart> cut;
    parts_.clear();
    holes_.clear();
    centre_ = analysis.totals ? baricor::PlanePoint{analysis.totals->xG, analysis.totals->yG} : baricor::PlanePoint{};
    baricor::SectionOutline outline;
    bool anyPart = false;
    for (const baricor::PlacedPart& part : analysis.placed) {
        std::shared_ptr<const Polygons> polygons;
        if (part.region) {
            if (const auto known = cut_.find(part.region.get()); known != cut_.end()) polygons = known->second.polygons;
            if (!polygons) {
                const baricor::geometry::Region flat = baricor::geometry::Polygonized(*part.region, kDrawingChordsPerArc);
                auto fresh = std::make_shared<Polygons>();
                for (const baricor::geometry::Contour& contour : flat.contours) {
                    std::vector<baricor::PlanePoint> polygon;
                    polygon.reserve(contour.size());
                    for (const baricor::geometry::Piece& piece : contour) polygon.push_back({piece.from.x, piece.from.y});
                    fresh->push_back(std::move(polygon));
                }
                polygons = std::move(fresh);
            }
            cut[part.region.get()] = {part.region, polygons};
            // The outline the drawing fits and fills is about G.
            for (const std::vector<baricor::PlanePoint>& polygon : *polygons) {
                std::vector<baricor::PlanePoint> aboutG;
                aboutG.reserve(polygon.size());
                for (const baricor::PlanePoint& p : polygon) aboutG.push_back({p.x - centre_.x, p.y - centre_.y});
                outline.polygons.push_back(std::move(aboutG));
            }
            anyPart = true;
        }
        parts_.push_back(std::move(polygons));
        holes_.push_back(part.hole);
    }
    cut_ = std::move(cut);
    // A point at the reference origin, so that the fit keeps the common axes
    // in sight; it encloses no area and fills nothing.
    const baricor::PlanePoint origin{-centre_.x, -centre_.y};
    outline.polygons.push_back({origin, origin, origin});
    baricor::DerivedSection section;
    if (anyPart) section.outline = std::move(outline);
    section.values = analysis.derived;
    if (selected_ >= int(parts_.size())) selected_ = -1;
    Show(section);
}

void CompositeDrawing::SetSelectedPart(int part) {
    if (selected_ == part) return;
    selected_ = part;
    update();
}

std::vector<QPainterPath> CompositeDrawing::PartPaths() const {
    std::vector<QPainterPath> paths;
    const DrawingLayout layout = Layout();
    for (const std::shared_ptr<const Polygons>& polygons : parts_) {
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        if (layout.outlineShown && polygons) {
            for (const auto& polygon : *polygons) {
                QPolygonF points;
                for (const baricor::PlanePoint& p : polygon)
                    points << layout.g + QPointF(-(p.x - centre_.x) * layout.scale, (p.y - centre_.y) * layout.scale);
                path.addPolygon(points);
                path.closeSubpath();
            }
        }
        paths.push_back(path);
    }
    return paths;
}

QPointF CompositeDrawing::OriginOnScreen() const {
    const DrawingLayout layout = Layout();
    return layout.g + QPointF(centre_.x * layout.scale, -centre_.y * layout.scale);
}

void CompositeDrawing::paintEvent(QPaintEvent* event) {
    PrincipalAxesDrawing::paintEvent(event);
    if (!Layout().outlineShown) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(contentsRect());

    // The common axes: x to the left and y downwards from the reference origin.
    const QPointF o = OriginOnScreen();
    painter.setPen(QPen(kCommonAxesColour, 1, Qt::DotLine));
    painter.drawLine(o, o - QPointF(kCommonAxisLength, 0));
    painter.drawLine(o, o + QPointF(0, kCommonAxisLength));
    painter.setPen(kCommonAxesColour);
    painter.drawText(QRectF(o - QPointF(kCommonAxisLength + 14, 14), QSizeF(12, 12)), Qt::AlignCenter, "x");
    painter.drawText(QRectF(o + QPointF(2, kCommonAxisLength - 6), QSizeF(12, 12)), Qt::AlignCenter, "y");
    painter.drawEllipse(o, 2.5, 2.5);

    if (selected_ >= 0 && selected_ < int(parts_.size())) {
        const QPainterPath path = PartPaths()[size_t(selected_)];
        painter.setPen(QPen(kSelectionColour, 2.5));
        QColor fill = kSelectionColour;
        fill.setAlpha(holes_[size_t(selected_)] ? 0 : 60);
        painter.setBrush(fill);
        painter.drawPath(path);
    }
}

void CompositeDrawing::mousePressEvent(QMouseEvent* event) {
    const std::vector<QPainterPath> paths = PartPaths();
    // A hole lies over the solid it is cut from: it is found first, and of
    // parts on top of each other the later one, as drawn last.
    for (bool holes : {true, false}) {
        for (size_t i = paths.size(); i-- > 0;) {
            if (holes_[i] == holes && paths[i].contains(event->position())) {
                emit partClicked(int(i));
                return;
            }
        }
    }
    PrincipalAxesDrawing::mousePressEvent(event);
}
