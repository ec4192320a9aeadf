// The dimension letters of the report's drawing, for every shape: each of the
// shape's dimensions gets one mark, as long on the page as the dimension at
// the drawing's scale, standing where that dimension is (the whole width
// below, the height on the left, the bottom part's thickness on the right, the
// upright part's or the hole's width above, over it), with its letter outside
// the section.
#include <QPainterPath>
#include <QTest>
#include <cmath>

#include "DerivedProperties.h"
#include "DimensionMarks.h"
#include "DrawingLayout.h"
#include "Shapes.h"

Q_DECLARE_METATYPE(baricor::Dimensions)

namespace {

const QSizeF kLabel(8, 14);
const QRectF kDrawing(0, 0, 600, 420);

struct Drawn {
    DrawingLayout layout;
    std::vector<DimensionMark> marks;
};

Drawn Draw(int shape, const baricor::Dimensions& d) {
    const baricor::SectionShape& s = *baricor::ShapeByNumber(shape);
    const double band = DimensionBand(kLabel) + 4;
    Drawn drawn;
    drawn.layout = LayOutDrawing(baricor::DeriveSection(s, d), kDrawing.adjusted(band, band, -band, -band), kLabel);
    drawn.marks = LayOutDimensionMarks(drawn.layout, s, d, kLabel);
    return drawn;
}

const DimensionMark* MarkOf(const Drawn& drawn, const char* name) {
    for (const DimensionMark& m : drawn.marks)
        if (m.name == name) return &m;
    return nullptr;
}

}  // namespace

class DimensionMarksTest : public QObject {
    Q_OBJECT

private slots:
    // Where: "below", "left", "right" (of the outline's box), "above";
    // `across` is where along the box's width (0 left, 1 right) the middle of
    // a mark above falls, or -1 where it does not matter.
    void eachDimensionMarkedWhereItIs_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<baricor::Dimensions>("dimensions");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("where");
        QTest::addColumn<double>("across");
        const baricor::Dimensions rectangle{100, 150}, circle{100}, tube{100, 150, 25, 20}, ring{100, 80},
            l{100, 150, 25, 25}, t{100, 150, 25, 25}, doubleT{100, 150, 20, 25}, c{100, 150, 20, 25},
            wideL{200, 80, 10, 30};
        QTest::newRow("rectangle a") << 1 << rectangle << "a" << "below" << -1.0;
        QTest::newRow("rectangle b") << 1 << rectangle << "b" << "left" << -1.0;
        QTest::newRow("circle d") << 2 << circle << "d" << "below" << -1.0;
        QTest::newRow("tube t1") << 3 << tube << "t1" << "right" << -1.0;
        QTest::newRow("tube t2: a side wall") << 3 << tube << "t2" << "above" << 0.1;
        QTest::newRow("ring d1") << 4 << ring << "d1" << "below" << -1.0;
        QTest::newRow("ring d2: the hole") << 4 << ring << "d2" << "above" << 0.5;
        QTest::newRow("L a") << 5 << l << "a" << "below" << -1.0;
        QTest::newRow("L b") << 5 << l << "b" << "left" << -1.0;
        QTest::newRow("L t1: the bottom leg") << 5 << l << "t1" << "right" << -1.0;
        QTest::newRow("L t2: the upright leg") << 5 << l << "t2" << "above" << 0.125;
        QTest::newRow("wide L t2") << 5 << wideL << "t2" << "above" << 0.075;
        QTest::newRow("T t1: the flange") << 6 << t << "t1" << "right" << -1.0;
        QTest::newRow("T t2: the web") << 6 << t << "t2" << "above" << 0.5;
        QTest::newRow("double T t1") << 7 << doubleT << "t1" << "right" << -1.0;
        QTest::newRow("double T t2: the web") << 7 << doubleT << "t2" << "above" << 0.5;
        QTest::newRow("C t1") << 8 << c << "t1" << "right" << -1.0;
        QTest::newRow("C t2: the web") << 8 << c << "t2" << "above" << 0.125;
    }
    void eachDimensionMarkedWhereItIs() {
        QFETCH(int, shape);
        QFETCH(baricor::Dimensions, dimensions);
        QFETCH(QString, name);
        QFETCH(QString, where);
        QFETCH(double, across);
        const Drawn drawn = Draw(shape, dimensions);
        const DimensionMark* mark = MarkOf(drawn, qPrintable(name));
        QVERIFY(mark);
        const QRectF& box = drawn.layout.outlineBox;
        const QStringList names = [&] {
            QStringList all;
            for (const std::string& n : baricor::ShapeByNumber(shape)->dimensionNames) all << QString::fromStdString(n);
            return all;
        }();
        const double value = dimensions[size_t(names.indexOf(name))];

        // As long as the dimension at the drawing's scale (the outline is
        // drawn on pixel centres: half a pixel at each end).
        QVERIFY2(std::abs(mark->line.length() - value * drawn.layout.scale) <= 1.01,
                 qPrintable(QString("%1 against %2").arg(mark->line.length()).arg(value * drawn.layout.scale)));
        const bool horizontal = mark->line.p1().y() == mark->line.p2().y();
        const bool vertical = mark->line.p1().x() == mark->line.p2().x();
        const QPointF middle = mark->line.center();
        if (where == "below") {
            QVERIFY(horizontal && middle.y() > box.bottom() && mark->label.top() > middle.y());
            QVERIFY(std::abs(mark->line.p1().x() - box.left()) < 0.01 && std::abs(mark->line.p2().x() - box.right()) < 0.01);
        } else if (where == "left") {
            QVERIFY(vertical && middle.x() < box.left() && mark->label.right() < middle.x());
            QVERIFY(std::abs(mark->line.p1().y() - box.top()) < 0.01 && std::abs(mark->line.p2().y() - box.bottom()) < 0.01);
        } else if (where == "right") {
            // The thickness measured up from the bottom face.
            QVERIFY(vertical && middle.x() > box.right() && mark->label.left() > middle.x());
            QVERIFY(std::abs(std::max(mark->line.p1().y(), mark->line.p2().y()) - box.bottom()) < 0.01);
        } else {
            QVERIFY(horizontal && middle.y() < box.top() && mark->label.bottom() < middle.y());
            const double at = (middle.x() - box.left()) / box.width();
            QVERIFY2(std::abs(at - across) < 0.02, qPrintable(QString::number(at)));
        }
        // Each witness line runs from the outline's box out to an end of the line.
        QCOMPARE(mark->witnesses.size(), size_t(2));
        for (const QLineF& w : mark->witnesses) QVERIFY(w.p2() == mark->line.p1() || w.p2() == mark->line.p2());
        // The letter is clear of the section and inside the drawing.
        QVERIFY(!drawn.layout.outline.intersects(mark->label));
        QVERIFY2(kDrawing.contains(mark->label), qPrintable(name));
    }

    // Every shape at its built-in dimensions: one mark per dimension, their
    // letters apart from each other and off the principal axes (which cross
    // the middle of the circle's and the ring's diameters).
    void oneMarkPerDimensionLettersApart() {
        for (int shape = 1; shape <= int(baricor::AllShapes().size()); ++shape) {
            const baricor::SectionShape& s = *baricor::ShapeByNumber(shape);
            const Drawn drawn = Draw(shape, s.loadDimensions);
            QCOMPARE(drawn.marks.size(), s.dimensionNames.size());
            for (size_t i = 0; i < drawn.marks.size(); ++i) {
                QCOMPARE(drawn.marks[i].name, QString::fromStdString(s.dimensionNames[i]));
                QVERIFY(drawn.layout.valuesShown);
                for (const QLineF& axis : {drawn.layout.axis1Line, drawn.layout.axis2Line}) {
                    QPainterPath letter;
                    letter.addRect(drawn.marks[i].label);
                    QPainterPath line(axis.p1());
                    line.lineTo(axis.p2());
                    QVERIFY2(!letter.intersects(line) && !letter.contains(axis.center()),
                             qPrintable(QString("shape %1: %2 on an axis").arg(shape).arg(drawn.marks[i].name)));
                }
                for (size_t j = i + 1; j < drawn.marks.size(); ++j)
                    QVERIFY2(!drawn.marks[i].label.intersects(drawn.marks[j].label),
                             qPrintable(QString("shape %1: %2 and %3").arg(shape).arg(drawn.marks[i].name,
                                                                                      drawn.marks[j].name)));
            }
        }
    }

    // Nothing to mark where nothing is drawn.
    void noMarksWithoutAnOutline() {
        QVERIFY(Draw(1, {0, 150}).marks.empty());
        QVERIFY(Draw(5, {100, 150, 200, 25}).marks.empty());  // a leg thicker than the section is high
    }
};

QTEST_APPLESS_MAIN(DimensionMarksTest)
#include "DimensionMarksTest.moc"
