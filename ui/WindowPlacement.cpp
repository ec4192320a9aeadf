#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <vector>

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

// The parts of `room` where a window of `frame` stays kGap clear of `other`:
// right of it, below, left of and above it.
std::vector<Room> Avoiding(const Room& room, const QRect& other, const QSize& frame) {
    Room right = room, below = room, left = room, above = room;
    right.left = std::max(room.left, other.right() + 1 + kGap);
    below.top = std::max(room.top, other.bottom() + 1 + kGap);
    left.right = std::min(room.right, other.left() - kGap - frame.width());
    above.bottom = std::min(room.bottom, other.top() - kGap - frame.height());
    std::vector<Room> parts;
    for (const Room& part : {right, below, left, above})
        if (part.Exists()) parts.push_back(part);
    return parts;
}

std::vector<Room> AvoidingAll(const Room& room, const QList<QRect>& others, const QSize& frame) {
    std::vector<Room> rooms{room};
    for (const QRect& other : others) {
        if (other.isNull()) continue;
        std::vector<Room> next;
        for (const Room& r : rooms)
            for (const Room& part : Avoiding(r, other, frame)) next.push_back(part);
        rooms = std::move(next);
    }
    return rooms;
}

// The place in the rooms where a window of `frame` covers least of `other`:
// the overlap shrinks towards one end of a room in each direction, so a
// corner of a room holds the least.
std::optional<QPoint> LeastOver(const std::vector<Room>& rooms, const QSize& frame, const QRect& other) {
    std::optional<QPoint> best;
    qint64 least = 0;
    for (const Room& room : rooms)
        for (int x : {room.left, room.right})
            for (int y : {room.top, room.bottom}) {
                const QRect over = QRect(QPoint(x, y), frame).intersected(other);
                const qint64 area = over.isEmpty() ? 0 : qint64(over.width()) * over.height();
                if (!best || area < least) {
                    best = QPoint(x, y);
                    least = area;
                }
            }
    return best;
}

}  // namespace

QPoint FirstPlaceBeside(int index, const QSize& frame, const QRect& besideFrame, const QRect& screen,
                        const QList<QRect>& keepClear) {
    const int lastLeft = screen.right() + 1 - frame.width();
    const int lastTop = screen.bottom() + 1 - frame.height();
    if (!besideFrame.isNull()) {
        const Room besideRooms[] = {
            {besideFrame.right() + 1 + kGap, lastLeft, screen.top(), lastTop, besideFrame.topLeft()},
            {screen.left(), lastLeft, besideFrame.bottom() + 1 + kGap, lastTop, besideFrame.topLeft()},
            {screen.left(), besideFrame.left() - kGap - frame.width(), screen.top(), lastTop, besideFrame.topLeft()},
            {screen.left(), lastLeft, screen.top(), besideFrame.top() - kGap - frame.height(), besideFrame.topLeft()},
        };
        for (const Room& room : besideRooms) {
            if (!room.Exists()) continue;
            const std::vector<Room> clear = AvoidingAll(room, keepClear, frame);
            if (!clear.empty()) return clear.front().Place(index);
        }
        // No room beside it: clear of the others, over as little of it as can
        // be; on a screen too small even for that, over as little of it as can be.
        const Room whole{screen.left(), lastLeft, screen.top(), lastTop, besideFrame.topLeft()};
        if (whole.Exists()) {
            if (const auto place = LeastOver(AvoidingAll(whole, keepClear, frame), frame, besideFrame)) return *place;
            return *LeastOver({whole}, frame, besideFrame);
        }
    }
    return FirstPlaceBeside(index, frame, besideFrame, screen);
}

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
    return FirstPlaceBeside(index, window, beside, {});
}

QPoint FirstPlaceBeside(int index, const QWidget& window, const QWidget* beside,
                        const QList<const QWidget*>& keepClear) {
    const QScreen* screen = beside ? beside->screen() : QGuiApplication::primaryScreen();
    if (!screen) return window.pos();
    // Title bar and borders are only known for a window that is shown: take
    // those of the one beside it, which the same desktop draws.
    const QSize decorations =
        beside && beside->isVisible() ? beside->frameGeometry().size() - beside->size() : QSize(0, 0);
    QList<QRect> others;
    for (const QWidget* other : keepClear)
        if (other && other->isVisible() && !(other->windowState() & Qt::WindowMinimized))
            others << other->frameGeometry();
    return FirstPlaceBeside(index, window.size() + decorations, beside ? beside->frameGeometry() : QRect(),
                            screen->availableGeometry(), others);
}
