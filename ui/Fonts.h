#pragma once
// The program's fonts. The faces the layout was drawn for are rarely installed,
// so each comes with fallbacks of similar width; a caption that would still not
// fit its box is set a little smaller rather than clipped.

#include <QFont>

class QLabel;
class QPlainTextEdit;
class QAbstractButton;

// Sizes in points at 96 dpi, as the layout gives them (8.25, 12, ...).
QFont SansFont(double points, bool bold = false);
QFont SerifFont(double points, bool italic = false);
// The windows' default: 8.25-point regular sans.
QFont DefaultFont();
// `font` for a field rewritten at every keystroke: text in a script that needs
// no shaping (figures, signs, the E of an exponent) is laid out without it,
// which is most of what writing a field's new text costs.
QFont FiguresFont(QFont font);

// Shrinks the label's font until its text fits the label's current size (one
// line, or wrapped where the label wraps).
void FitLabelText(QLabel* label);

// Sets a multi-line field's text one line per line break, never wrapped and
// without scroll bars, the font shrunk until every line is in sight at once.
void FitPlainText(QPlainTextEdit* field, const QString& text);
