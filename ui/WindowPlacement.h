#pragma once
// Where a section window first opens: beside the main window, so that the main
// window's eight buttons stay in sight for opening the next shape, cascading
// so that no two section windows open exactly on top of each other.

#include <QPoint>
#include <QRect>
#include <QSize>

// The top-left corner of the frame of the `index`-th section window (0 for
// the first shape): to the right of `mainFrame` where the screen has room,
// else below, left of or above it, always on `screen` (the available area of
// the screen the main window is on). A null `mainFrame` (no main window)
// cascades from the screen's top-left corner.
QPoint FirstSectionWindowPlace(int index, const QSize& frame, const QRect& mainFrame, const QRect& screen);
