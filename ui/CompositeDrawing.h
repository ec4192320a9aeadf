#pragma once
// The composite window's drawing: the derived window's drawing (outline, G,
// principal axes, arc of α, central ellipse, x and y) of the placed parts,
// holes left open, with the common axes at the reference origin drawn over it
// and the part of the selected row outlined. A click on a part reports it.

#include <QPainterPath>
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

    static const QColor kSelectionColour;
    static const QColor kCommonAxesColour;

signals:
    void partClicked(int part);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Each part's polygons in mm about the drawing's centre (G or the origin),
    // in the diagrams' frame.
    std::vector<std::vector<std::vector<baricor::PlanePoint>>> parts_;
    std::vector<bool> holes_;
    baricor::PlanePoint origin_;
    int selected_ = -1;
};
