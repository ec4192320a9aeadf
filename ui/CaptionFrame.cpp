#include "CaptionFrame.h"

#include <QPainter>

namespace {
// The caption starts this far from the frame's left edge, with a little room
// on both sides where the line is left out.
constexpr int kCaptionLeft = 8;
constexpr int kCaptionPadding = 2;
}  // namespace

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

int CaptionFrame::BorderTop() const { return fontMetrics().height() / 2; }

QRect CaptionFrame::CaptionRect() const {
    const QFontMetrics metrics = fontMetrics();
    return QRect(kCaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding, metrics.height());
}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // An etched line: the style's own group box frame would be drawn below the
    // caption whatever rectangle it is given.
    const QRect box(0, BorderTop(), width() - 1, height() - BorderTop() - 1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.adjusted(1, 1, 0, 0));

    const QRect caption = CaptionRect();
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}
