#pragma once
// The program's fonts. The faces the layout was drawn for are rarely installed,
// so each comes with fallbacks of similar width; a caption that would still not
// fit its box is set a little smaller rather than clipped.

#include <QFont>

class QLabel;
class QAbstractButton;

// Sizes in points at 96 dpi, as the layout gives them (8.25, 12, ...).
QFont SansFont(double points, bool bold = false);
QFont SerifFont(double points, bool italic = false);
// The windows' default: 8.25-point regular sans.
QFont DefaultFont();

// Shrinks the label's font until its text fits the label's current size (one
// line, or wrapped where the label wraps).
void FitLabelText(QLabel* label);
