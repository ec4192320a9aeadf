#pragma once
// Where a window first opens: beside the window it belongs to, so that the
// other stays in sight (a section window beside the main window, whose eight
// buttons open the next shape; a derived window beside its section window),
// cascading so that no two windows open exactly on top of each other.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The top-left corner of the frame of the `index`-th window of a cascade (0
// for the first): to the right of `besideFrame` where the screen has room,
// else below, left of or above it, always on `screen` (the available area of
// the screen `besideFrame` is on). A null `besideFrame` cascades from the
// screen's top-left corner.
QPoint FirstPlaceBeside(int index, const QSize& frame, const QRect& besideFrame, const QRect& screen);

// The same for `window`, not shown yet, beside `beside` (may be null), on its
// screen.
QPoint FirstPlaceBeside(int index, const QWidget& window, const QWidget* beside);
