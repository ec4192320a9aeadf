#include "CompositeDrawing.h"

#include <QMouseEvent>
#include <QFontMetricsF>
#include <QPainter>

#include "geometry/Region.h"

const QColor CompositeDrawing::kSelectionColour(0, 120, 215);
const QColor CompositeDrawing::kCommonAxesColour(96, 96, 96);

namespace {

// Fine enough that a round part looks round at any size the window takes.
constexpr int kDrawingChordsPerArc = 24;
constexpr double kCommonAxisLength = 30;  // pixels

using Polygons = CompositeDrawing::Polygons;

Polygons Cut(const baricor::geometry::Region& region) {
    const baricor::geometry::Region flat = baricor::geometry::Polygonized(region, kDrawingChordsPerArc);
    Polygons polygons;
    for (const baricor::geometry::Contour& contour : flat.contours) {
        std::vector<baricor::PlanePoint> polygon;
        polygon.reserve(contour.size());
        for (const baricor::geometry::Piece& piece : contour) polygon.push_back({piece.from.x, piece.from.y});
        polygons.push_back(std::move(polygon));
    }
    return polygons;
}

// The drawing's centre in the common frame: G where there is one, else the origin.
baricor::PlanePoint CentreOf(const baricor::CompositeAnalysis& analysis) {
    return analysis.totals ? baricor::PlanePoint{analysis.totals->xG, analysis.totals->yG} : baricor::PlanePoint{};
}

// What the drawing fits and fills: every part's polygons about `centre`, none
// where no part can be drawn. The drawing fills by the even-odd rule, so the
// way a contour runs does not matter and the polygons need no sorting into
// solids and holes (which, done afresh at every keystroke, cost more than all
// the rest of the drawing).
std::optional<baricor::geometry::Region> OutlineOf(const std::vector<std::shared_ptr<const Polygons>>& parts,
                                                   const baricor::PlanePoint& centre) {
    using baricor::geometry::Point;
    baricor::geometry::Region outline;
    const auto addContour = [&outline, &centre](const std::vector<baricor::PlanePoint>& polygon) {
        baricor::geometry::Contour contour;
        contour.reserve(polygon.size());
        for (size_t k = 0; k < polygon.size(); ++k) {
            const baricor::PlanePoint& a = polygon[k];
            const baricor::PlanePoint& b = polygon[(k + 1) % polygon.size()];
            contour.push_back(baricor::geometry::Segment(Point{a.x - centre.x, a.y - centre.y},
                                                         Point{b.x - centre.x, b.y - centre.y}));
        }
        outline.contours.push_back(std::move(contour));
    };
    bool anyPart = false;
    for (const std::shared_ptr<const Polygons>& polygons : parts) {
        if (!polygons) continue;
        for (const std::vector<baricor::PlanePoint>& polygon : *polygons)
            if (polygon.size() >= 3) addContour(polygon);
        anyPart = true;
    }
    if (!anyPart) return std::nullopt;
    // A point at the reference origin, so that the fit keeps the common axes
    // in sight; it encloses no area and fills nothing.
    addContour({{0, 0}, {0, 0}, {0, 0}});
    return outline;
}

// Where the reference origin lands, the drawing being about `centre`.
QPointF OriginIn(const DrawingLayout& layout, const baricor::PlanePoint& centre) {
    return layout.g + QPointF(centre.x * layout.scale, -centre.y * layout.scale);
}

// The common axes: x to the left and y downwards from the reference origin.
void PaintCommonAxes(QPainter& painter, const QPointF& o) {
    painter.setPen(QPen(CompositeDrawing::kCommonAxesColour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(o, o - QPointF(kCommonAxisLength, 0));
    painter.drawLine(o, o + QPointF(0, kCommonAxisLength));
    painter.setPen(CompositeDrawing::kCommonAxesColour);
    painter.drawText(QRectF(o - QPointF(kCommonAxisLength + 14, 14), QSizeF(12, 12)), Qt::AlignCenter, "x");
    painter.drawText(QRectF(o + QPointF(2, kCommonAxisLength - 6), QSizeF(12, 12)), Qt::AlignCenter, "y");
    painter.drawEllipse(o, 2.5, 2.5);
}

}  // namespace

CompositeDrawing::CompositeDrawing(QWidget* parent) : PrincipalAxesDrawing(parent) {
    setAccessibleName("Disegno della sezione composta");
}

void CompositeDrawing::ShowComposite(const baricor::CompositeAnalysis& analysis) {
    std::unordered_map<const baricor::geometry::Region*, CutPart> cut;
    parts_.clear();
    holes_.clear();
    centre_ = CentreOf(analysis);
    for (const baricor::PlacedPart& part : analysis.placed) {
        std::shared_ptr<const Polygons> polygons;
        if (part.region) {
            if (const auto known = cut_.find(part.region.get()); known != cut_.end()) polygons = known->second.polygons;
            if (!polygons) polygons = std::make_shared<const Polygons>(Cut(*part.region));
            cut[part.region.get()] = {part.region, polygons};
        }
        parts_.push_back(std::move(polygons));
        holes_.push_back(part.hole);
    }
    cut_ = std::move(cut);
    if (selected_ >= int(parts_.size())) selected_ = -1;
    if (const std::optional<baricor::geometry::Region> outline = OutlineOf(parts_, centre_))
        Show(*outline, analysis.derived);
    else
        Show(baricor::DerivedSection{});
}

void CompositeDrawing::Paint(QPainter& painter, const QRectF& area, const baricor::CompositeAnalysis& analysis) {
    std::vector<std::shared_ptr<const Polygons>> parts;
    for (const baricor::PlacedPart& part : analysis.placed)
        parts.push_back(part.region ? std::make_shared<const Polygons>(Cut(*part.region)) : nullptr);
    const baricor::PlanePoint centre = CentreOf(analysis);
    const std::optional<baricor::geometry::Region> outline = OutlineOf(parts, centre);
    if (!outline) return;
    const DrawingLayout layout =
        LayOutDrawing(*outline, analysis.derived, area, LabelSize(QFontMetricsF(painter.font(), painter.device())));
    PrincipalAxesDrawing::Paint(painter, layout);
    if (layout.outlineShown) PaintCommonAxes(painter, OriginIn(layout, centre));
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

QPointF CompositeDrawing::OriginOnScreen() const { return OriginIn(Layout(), centre_); }

void CompositeDrawing::paintEvent(QPaintEvent* event) {
    PrincipalAxesDrawing::paintEvent(event);
    if (!Layout().outlineShown) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(contentsRect());

    PaintCommonAxes(painter, OriginOnScreen());

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
