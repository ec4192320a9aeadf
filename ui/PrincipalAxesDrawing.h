#pragma once
// The drawing of the derived-properties window: the section's outline about G,
// and where the values are defined G, the principal axes at α with the arc of
// α from x, the central ellipse of inertia and, when given, the shear centre C,
// scaled to fit; the x and y reference directions in a corner. Oriented as the
// section diagrams are: x positive to the left, y positive downwards.

#include <QFrame>
#include <optional>

#include "DerivedProperties.h"
#include "DrawingLayout.h"

class PrincipalAxesDrawing : public QFrame {
    Q_OBJECT
public:
    explicit PrincipalAxesDrawing(QWidget* parent = nullptr);

    // Draws `derived` from the next paint on, with the shear centre (mm about
    // G, in the section's frame) marked where one is given.
    void Show(const baricor::DerivedSection& derived,
              const std::optional<baricor::PlanePoint>& shearCentre = std::nullopt);
    // Draws an outline of segments and arcs (mm about G, in the section's
    // frame) with its values where they are defined: a rolled profile with its
    // fillets.
    void Show(const baricor::geometry::Region& outline, const std::optional<baricor::DerivedValues>& values);

    // Where each part lands at the drawing's present size.
    DrawingLayout Layout() const;

    // The pens, so that a test can tell the parts apart.
    static const QColor kOutlineColour;
    static const QColor kAxesColour;
    static const QColor kEllipseColour;
    static const QColor kReferenceColour;
    static const QColor kShearCentreColour;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Describe();

    std::optional<baricor::geometry::Region> outline_;
    std::optional<baricor::DerivedValues> values_;
    std::optional<baricor::PlanePoint> shearCentre_;
};
