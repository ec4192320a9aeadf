#pragma once
// Where a window first opens: beside the window it belongs to, so that the
// other stays in sight (a section window beside the main window, whose eight
// buttons open the next shape; a derived window beside its section window),
// cascading so that no two windows open exactly on top of each other.

#include <QList>
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

// The same, keeping the window clear of the frames in `keepClear` as well (a
// derived window clear of the main window, whose buttons stay in sight): beside
// `besideFrame` and clear of them where the screen has room; else anywhere
// clear of them, over as little of `besideFrame` as can be; else as above.
QPoint FirstPlaceBeside(int index, const QSize& frame, const QRect& besideFrame, const QRect& screen,
                        const QList<QRect>& keepClear);
QPoint FirstPlaceBeside(int index, const QWidget& window, const QWidget* beside,
                        const QList<const QWidget*>& keepClear);
