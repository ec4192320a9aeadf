#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int kGap = 8;    // pixels between the main window and a section window
constexpr int kStep = 24;  // pixels from one window of the cascade to the next

// The corners a window's top-left may take, and where the cascade starts.
struct Room {
    int left, right, top, bottom;  // inclusive bounds of the top-left corner
    QPoint start;

    bool Exists() const { return left <= right && top <= bottom; }
    // Cascades down and to the right, wrapping within the room.
    QPoint Place(int index) const {
        auto wrap = [](int first, int last, int at) { return first + (at - first) % (last - first + 1); };
        return {wrap(left, right, std::clamp(start.x(), left, right) + index * kStep),
                wrap(top, bottom, std::clamp(start.y(), top, bottom) + index * kStep)};
    }
};

}  // namespace

QPoint FirstPlaceBeside(int index, const QSize& frame, const QRect& besideFrame, const QRect& screen) {
    const int lastLeft = screen.right() + 1 - frame.width();
    const int lastTop = screen.bottom() + 1 - frame.height();
    if (besideFrame.isNull()) {
        const Room whole{screen.left(), std::max(screen.left(), lastLeft), screen.top(), std::max(screen.top(), lastTop),
                         screen.topLeft()};
        return whole.Place(index);
    }
    const Room rooms[] = {
        {besideFrame.right() + 1 + kGap, lastLeft, screen.top(), lastTop, besideFrame.topLeft()},                 // right
        {screen.left(), lastLeft, besideFrame.bottom() + 1 + kGap, lastTop, besideFrame.topLeft()},               // below
        {screen.left(), besideFrame.left() - kGap - frame.width(), screen.top(), lastTop, besideFrame.topLeft()},  // left
        {screen.left(), lastLeft, screen.top(), besideFrame.top() - kGap - frame.height(), besideFrame.topLeft()},  // above
    };
    for (const Room& room : rooms)
        if (room.Exists()) return room.Place(index);
    // A screen too small to keep the other window clear: cascade over the
    // screen, as far on it as the window's size allows.
    const Room whole{screen.left(), std::max(screen.left(), lastLeft), screen.top(), std::max(screen.top(), lastTop),
                     besideFrame.topLeft()};
    return whole.Place(index);
}

QPoint FirstPlaceBeside(int index, const QWidget& window, const QWidget* beside) {
    const QScreen* screen = beside ? beside->screen() : QGuiApplication::primaryScreen();
    if (!screen) return window.pos();
    // Title bar and borders are only known for a window that is shown: take
    // those of the one beside it, which the same desktop draws.
    const QSize decorations =
        beside && beside->isVisible() ? beside->frameGeometry().size() - beside->size() : QSize(0, 0);
    return FirstPlaceBeside(index, window.size() + decorations, beside ? beside->frameGeometry() : QRect(),
                            screen->availableGeometry());
}
