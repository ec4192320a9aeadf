#pragma once
// The composite window's drawing: the derived window's drawing (outline, G,
// principal axes, arc of α, central ellipse, x and y) of the placed parts,
// holes left open, with the common axes at the reference origin drawn over it
// and the part of the selected row outlined. A click on a part reports it.

#include <QPainterPath>
#include <QRectF>
#include <memory>
#include <unordered_map>
#include <vector>

#include "PrincipalAxesDrawing.h"
#include "composite/Composite.h"

class CompositeDrawing : public PrincipalAxesDrawing {
    Q_OBJECT
public:
    explicit CompositeDrawing(QWidget* parent = nullptr);

    // Draws the parts the analysis placed, about its G where it has one (else
    // about the reference origin).
    void ShowComposite(const baricor::CompositeAnalysis& analysis);
    // The part outlined as selected; -1 for none.
    void SetSelectedPart(int part);
    int SelectedPart() const { return selected_; }

    // Each part's outline on screen at the drawing's present size (empty for a
    // part that cannot be drawn), and the reference origin.
    std::vector<QPainterPath> PartPaths() const;
    QPointF OriginOnScreen() const;

    // The same picture, without a selection, painted into `area` of any device
    // with the painter's font: the composite's drawing in the PDF report.
    static void Paint(QPainter& painter, const QRectF& area, const baricor::CompositeAnalysis& analysis);

    // A part's outline cut into straight edges, in mm in the common frame.
    using Polygons = std::vector<std::vector<baricor::PlanePoint>>;

    static const QColor kSelectionColour;
    static const QColor kCommonAxesColour;

signals:
    void partClicked(int part);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // A part's region cut into straight edges, in mm in the common frame: an
    // unchanged part (the same region) is not cut again.
    struct CutPart {
        std::shared_ptr<const baricor::geometry::Region> region;
        std::shared_ptr<const Polygons> polygons;
    };
    std::unordered_map<const baricor::geometry::Region*, CutPart> cut_;

    // Each part's polygons in the common frame (none for a part that cannot be
    // drawn), and the drawing's centre there (G, or the origin).
    std::vector<std::shared_ptr<const Polygons>> parts_;
    std::vector<bool> holes_;
    baricor::PlanePoint centre_;
    int selected_ = -1;
};
