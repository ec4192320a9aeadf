#pragma once
// Layout measures are kept in twips; on screen 15 twips make one pixel at 96 dpi,
// and Qt scales those pixels on high-density screens.

#include <QRect>
#include <QSize>

#include "TwipRect.h"

inline int Px(int twips) { return (twips + 7) / 15; }

inline QRect FromTwips(const baricor::TwipRect& r) {
    return QRect(Px(r.left), Px(r.top), Px(r.width), Px(r.height));
}

inline QRect FromTwips(int left, int top, int width, int height) {
    return FromTwips(baricor::TwipRect{left, top, width, height});
}

inline QSize SizeFromTwips(int width, int height) { return QSize(Px(width), Px(height)); }
