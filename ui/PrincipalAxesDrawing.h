#pragma once
// The drawing of the derived-properties window: the section's outline about G,
// and where the values are defined G, the principal axes at α and the central
// ellipse of inertia, scaled to fit. Oriented as the section diagrams are: x
// positive to the left, y positive downwards.

#include <QFrame>

#include "DerivedProperties.h"

class PrincipalAxesDrawing : public QFrame {
    Q_OBJECT
public:
    explicit PrincipalAxesDrawing(QWidget* parent = nullptr);

    // Draws `derived` from the next paint on.
    void Show(const baricor::DerivedSection& derived);

    // The pens, so that a test can tell the parts apart.
    static const QColor kOutlineColour;
    static const QColor kAxesColour;
    static const QColor kEllipseColour;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    baricor::DerivedSection derived_;
};
