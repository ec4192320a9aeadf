#include "DimensionMarks.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The dimension line's distance from the outline's box, and the letter's from the line.
double LineGap(const QSizeF& label) { return 0.6 * label.height(); }
constexpr double kLabelGap = 2;
// How closely a run of the section found by sampling has to match a thickness
// to be taken for the part of that thickness, in pixels.
constexpr double kMatch = 2.0;

struct Run {
    double from = 0, to = 0;
    double Width() const { return to - from; }
};

// The runs along y = `y` across the outline's box that are inside the section
// (or outside it, for `filled` false), sampled every half pixel.
std::vector<Run> RunsAcross(const DrawingLayout& layout, double y, bool filled) {
    std::vector<Run> runs;
    const QRectF& box = layout.outlineBox;
    const double step = 0.5;
    std::optional<double> start;
    for (double x = box.left(); x <= box.right() + step; x += step) {
        const bool in = x <= box.right() && layout.outline.contains(QPointF(x, y)) == filled;
        if (in && !start) start = x;
        if (!in && start) {
            runs.push_back({*start, x});
            start.reset();
        }
    }
    return runs;
}

// The run whose width is closest to `width`, grown or shrunk about its middle
// to exactly that width when it matches; nothing when none matches.
std::optional<Run> Matching(const std::vector<Run>& runs, double width) {
    const Run* best = nullptr;
    for (const Run& r : runs)
        if (!best || std::abs(r.Width() - width) < std::abs(best->Width() - width)) best = &r;
    if (!best || std::abs(best->Width() - width) > kMatch) return std::nullopt;
    const double middle = (best->from + best->to) / 2;
    return Run{middle - width / 2, middle + width / 2};
}

// A horizontal mark over [from, to] at height y, its letter above (or below) it,
// with witness lines from `edge` (the outline's face) to the line.
DimensionMark Horizontal(const QString& name, double from, double to, double y, double edge, bool letterAbove,
                         const QSizeF& label) {
    DimensionMark m;
    m.name = name;
    m.line = QLineF(from, y, to, y);
    m.witnesses = {QLineF(from, edge, from, y), QLineF(to, edge, to, y)};
    const double top = letterAbove ? y - kLabelGap - label.height() : y + kLabelGap;
    m.label = QRectF((from + to) / 2 - label.width() / 2, top, label.width(), label.height());
    return m;
}

// A vertical mark over [from, to] at x, its letter on the left (or right).
DimensionMark Vertical(const QString& name, double from, double to, double x, double edge, bool letterLeft,
                       const QSizeF& label) {
    DimensionMark m;
    m.name = name;
    m.line = QLineF(x, from, x, to);
    m.witnesses = {QLineF(edge, from, x, from), QLineF(edge, to, x, to)};
    const double left = letterLeft ? x - kLabelGap - label.width() : x + kLabelGap;
    m.label = QRectF(left, (from + to) / 2 - label.height() / 2, label.width(), label.height());
    return m;
}

bool Crosses(const QLineF& line, const QRectF& box) {
    if (line.isNull()) return false;
    if (box.contains(line.p1()) || box.contains(line.p2())) return true;
    const QLineF edges[] = {{box.topLeft(), box.topRight()}, {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()}, {box.bottomLeft(), box.topLeft()}};
    for (const QLineF& edge : edges)
        if (line.intersects(edge) == QLineF::BoundedIntersection) return true;
    return false;
}

// Slides the letter along its line, from the middle outwards, to the first
// place clear of the principal axes, the drawing's other names and the
// letters placed before; it stays in the middle when none is clear.
void KeepClear(DimensionMark& mark, const DrawingLayout& layout, const std::vector<DimensionMark>& before) {
    auto clear = [&](const QRectF& box) {
        const QRectF near = box.adjusted(-1, -1, 1, 1);
        if (layout.valuesShown) {
            if (Crosses(layout.axis1Line, near) || Crosses(layout.axis2Line, near)) return false;
            for (const QRectF& name : {layout.label1, layout.label2, layout.gLabel})
                if (name.intersects(near)) return false;
        }
        if (layout.reference.box.intersects(near)) return false;
        return std::none_of(before.begin(), before.end(), [&](const DimensionMark& m) { return m.label.intersects(near); });
    };
    const QPointF middle = mark.line.center();
    for (double at : {0.5, 0.35, 0.65, 0.2, 0.8}) {
        const QRectF moved = mark.label.translated(mark.line.pointAt(at) - middle);
        if (clear(moved)) {
            mark.label = moved;
            return;
        }
    }
}

}  // namespace

double DimensionBand(const QSizeF& labelSize) { return LineGap(labelSize) + kLabelGap + labelSize.height() + 2; }

std::vector<DimensionMark> LayOutDimensionMarks(const DrawingLayout& layout, const baricor::SectionShape& shape,
                                                const baricor::Dimensions& dimensions, const QSizeF& labelSize) {
    std::vector<DimensionMark> marks;
    if (!layout.outlineShown || layout.scale <= 0) return marks;
    const QRectF& box = layout.outlineBox;
    const double gap = LineGap(labelSize);
    // The letters are as wide as the longest name.
    QSizeF label = labelSize;
    label.setWidth(labelSize.width() * 2.2);

    for (size_t i = 0; i < shape.dimensionNames.size() && i < dimensions.size(); ++i) {
        const QString name = QString::fromStdString(shape.dimensionNames[i]);
        const double length = dimensions[i] * layout.scale;
        if (name == "a" || name == "d" || name == "d1") {
            marks.push_back(Horizontal(name, box.left(), box.right(), box.bottom() + gap, box.bottom(), false, label));
        } else if (name == "b") {
            marks.push_back(Vertical(name, box.top(), box.bottom(), box.left() - gap, box.left(), true, label));
        } else if (name == "t1") {
            if (length <= 0) continue;
            marks.push_back(
                Vertical(name, box.bottom() - length, box.bottom(), box.right() + gap, box.right(), false, label));
        } else if (name == "t2" || name == "d2") {
            // The upright part (or the hole) is found where a line across the
            // section meets a run of that width: through the middle of the
            // height first, then a little above and below it.
            if (length <= 0) continue;
            std::optional<Run> run;
            for (double at : {0.5, 0.4, 0.6, 0.3, 0.7}) {
                run = Matching(RunsAcross(layout, box.top() + at * box.height(), name == "t2"), length);
                if (run) break;
            }
            if (!run) run = Run{box.left(), box.left() + length};
            marks.push_back(Horizontal(name, run->from, run->to, box.top() - gap, box.top(), true, label));
        }
    }
    for (size_t i = 0; i < marks.size(); ++i)
        KeepClear(marks[i], layout, std::vector<DimensionMark>(marks.begin(), marks.begin() + long(i)));
    return marks;
}
