// Where the derived window's drawing puts each part, checked on sections whose
// picture is known without the program: which way the principal axes and the
// ellipse point, where G lies in the outline, that the section fills the box
// without leaving it, and that every name stays readable.
#include <QTest>
#include <cmath>

#include "DerivedProperties.h"
#include "DrawingLayout.h"
#include "Shapes.h"
#include "geometry/Region.h"
#include "profiles/ProfileProperties.h"

Q_DECLARE_METATYPE(baricor::Dimensions)

namespace {

const QSizeF kLabel(8, 14);  // one letter of the drawing's font

DrawingLayout LayOut(int shape, const baricor::Dimensions& d, const QRectF& area,
                     std::optional<baricor::PlanePoint> shearCentre = std::nullopt) {
    return LayOutDrawing(baricor::DeriveSection(*baricor::ShapeByNumber(shape), d), area, kLabel, shearCentre);
}

// Screen angle of a direction, degrees clockwise from the right (y grows
// downwards), folded into [0, 180): a line has no sense.
double LineAngle(const QPointF& d) {
    double a = std::atan2(d.y(), d.x()) * 180 / M_PI;
    a = std::fmod(a + 360, 180);
    return a >= 179.95 ? a - 180 : a;
}

// The ellipse's long axis: its semi-axis along J2 is the radius of gyration
// about J1, the larger one.
QPointF LongAxis(const DrawingLayout& l) { return l.ellipseAlong2 >= l.ellipseAlong1 ? l.axis2 : l.axis1; }

bool SameSide(const QRectF& box, const QLineF& line) {
    const QPointF d = line.p2() - line.p1();
    auto side = [&](const QPointF& p) {
        const QPointF v = p - line.p1();
        return d.x() * v.y() - d.y() * v.x();
    };
    const double corners[] = {side(box.topLeft()), side(box.topRight()), side(box.bottomLeft()),
                              side(box.bottomRight())};
    return std::all_of(std::begin(corners), std::end(corners), [](double s) { return s > 0; }) ||
           std::all_of(std::begin(corners), std::end(corners), [](double s) { return s < 0; });
}

}  // namespace

class DrawingLayoutTest : public QObject {
    Q_OBJECT

private slots:
    // The L stands as its letter (vertical leg on the left, horizontal leg at
    // the bottom): its area spreads most along the line from the top of the
    // vertical leg to the tip of the horizontal one, so the ellipse's long axis
    // runs down to the right, α off the vertical; the J1 axis, across it,
    // rises to the right. A wide rectangle or T has its J1 axis upright.
    void axesAndEllipseTurnAsTheSection_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<baricor::Dimensions>("dimensions");
        QTest::addColumn<double>("longAxis");  // degrees clockwise from the right
        QTest::newRow("L 100 x 150, α 22.50") << 5 << baricor::Dimensions{100, 150, 25, 25} << 90 - 22.5;
        QTest::newRow("L 150 x 100, α 63.19") << 5 << baricor::Dimensions{150, 100, 20, 30} << 90 - 63.19;
        QTest::newRow("T 300 x 100, α 90") << 6 << baricor::Dimensions{300, 100, 20, 20} << 0.0;
        QTest::newRow("rectangle 200 x 100, α 90") << 1 << baricor::Dimensions{200, 100} << 0.0;
        QTest::newRow("rectangle 100 x 150, α 0") << 1 << baricor::Dimensions{100, 150} << 90.0;
    }

    void axesAndEllipseTurnAsTheSection() {
        QFETCH(int, shape);
        QFETCH(baricor::Dimensions, dimensions);
        QFETCH(double, longAxis);
        const DrawingLayout l = LayOut(shape, dimensions, QRectF(0, 0, 300, 400));
        QVERIFY(l.valuesShown);
        QVERIFY(std::abs(l.ellipseAlong1 - l.ellipseAlong2) > 1);
        QVERIFY2(std::abs(LineAngle(LongAxis(l)) - longAxis) < 0.05, qPrintable(QString::number(LineAngle(LongAxis(l)))));
        // The J1 axis across the long axis, the lines drawn along the axes,
        // and the painter's turn of the ellipse bringing its first semi-axis onto J1.
        QVERIFY(std::abs(QPointF::dotProduct(l.axis1, l.axis2)) < 1e-9);
        QVERIFY(std::abs(LineAngle(l.axis1Line.p2() - l.axis1Line.p1()) - LineAngle(l.axis1)) < 0.01);
        QVERIFY(std::abs(LineAngle(l.axis2Line.p2() - l.axis2Line.p1()) - LineAngle(l.axis2)) < 0.01);
        QVERIFY(std::abs(std::fmod(l.ellipseTurn + 360, 180) - LineAngle(l.axis1)) < 0.01);
        // The arc of α ends on the J1 axis.
        if (l.arcSpan != 0) {
            const double end = (l.arcStart + l.arcSpan) * M_PI / 180;
            QVERIFY(std::abs(LineAngle(QPointF(std::cos(end), -std::sin(end))) - LineAngle(l.axis1)) < 0.01);
        }
    }

    // G lies xG from the outline's left-hand face and yG above its bottom face
    // (mm, by hand from the parts' areas); for the L that is towards the
    // corner where the legs meet.
    void gLiesWhereTheFirstMomentsBalance_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<baricor::Dimensions>("dimensions");
        QTest::addColumn<double>("fromLeft");
        QTest::addColumn<double>("fromBottom");
        // 2500 + 3125 mm^2: (2500 x 50 + 3125 x 12.5) / 5625 = 29.17 from the left, and 54.17 from the bottom.
        QTest::newRow("L") << 5 << baricor::Dimensions{100, 150, 25, 25} << 29.1667 << 54.1667;
        // 3000 + 2400: (3000 x 75 + 2400 x 15) / 5400 = 48.33; (3000 x 10 + 2400 x 60) / 5400 = 32.22.
        QTest::newRow("wide L") << 5 << baricor::Dimensions{150, 100, 20, 30} << 48.3333 << 32.2222;
        // 6000 + 1600: (6000 x 10 + 1600 x 60) / 7600 = 20.53 above the flange's face.
        QTest::newRow("wide T") << 6 << baricor::Dimensions{300, 100, 20, 20} << 150.0 << 20.5263;
    }

    void gLiesWhereTheFirstMomentsBalance() {
        QFETCH(int, shape);
        QFETCH(baricor::Dimensions, dimensions);
        QFETCH(double, fromLeft);
        QFETCH(double, fromBottom);
        const DrawingLayout l = LayOut(shape, dimensions, QRectF(0, 0, 300, 400));
        const double pixel = 1 / l.scale;  // mm
        QVERIFY(std::abs((l.g.x() - l.outlineBox.left()) / l.scale - fromLeft) < pixel);
        QVERIFY(std::abs((l.outlineBox.bottom() - l.g.y()) / l.scale - fromBottom) < pixel);
        QVERIFY(l.outline.contains(l.g) || shape == 5);  // the L's G lies in the notch
    }

    // The section as large as the box allows: inside it, and reaching across
    // it in the direction that limits the scale.
    void theSectionFillsTheBoxWithoutLeavingIt_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<baricor::Dimensions>("dimensions");
        QTest::addColumn<QRectF>("area");
        QTest::addColumn<bool>("wide");
        QTest::newRow("wide T in a tall box") << 6 << baricor::Dimensions{300, 100, 20, 20} << QRectF(0, 0, 300, 400)
                                              << true;
        QTest::newRow("wide T in a wide box") << 6 << baricor::Dimensions{300, 100, 20, 20} << QRectF(5, 7, 600, 300)
                                              << true;
        QTest::newRow("tall rectangle in a wide box")
            << 1 << baricor::Dimensions{50, 300} << QRectF(0, 0, 400, 300) << false;
        QTest::newRow("tall double T in the window's box")
            << 7 << baricor::Dimensions{100, 600, 20, 10} << QRectF(2, 2, 200, 325) << false;
        QTest::newRow("ring in the window's box") << 4 << baricor::Dimensions{100, 80} << QRectF(2, 2, 200, 325) << true;
    }

    void theSectionFillsTheBoxWithoutLeavingIt() {
        QFETCH(int, shape);
        QFETCH(baricor::Dimensions, dimensions);
        QFETCH(QRectF, area);
        QFETCH(bool, wide);
        const DrawingLayout l = LayOut(shape, dimensions, area);
        QVERIFY(l.outlineShown);
        QVERIFY(area.contains(l.fitBox));
        QVERIFY(l.fitBox.adjusted(-1, -1, 1, 1).contains(l.outlineBox));
        // Filling the box in the constraining direction, and most of the drawing.
        if (wide) {
            QVERIFY(l.outlineBox.width() >= l.fitBox.width() - 1);
            QVERIFY(l.outlineBox.width() >= 0.75 * area.width());
        } else {
            QVERIFY(l.outlineBox.height() >= l.fitBox.height() - 1);
            QVERIFY(l.outlineBox.height() >= 0.75 * area.height());
        }
        // The reference arrows stay clear of the section: x to the left, y down.
        QVERIFY(area.contains(l.reference.box));
        QVERIFY(!l.outline.intersects(l.reference.box));
        QVERIFY(l.reference.xTip.x() < l.reference.origin.x() && l.reference.xTip.y() == l.reference.origin.y());
        QVERIFY(l.reference.yTip.y() > l.reference.origin.y() && l.reference.yTip.x() == l.reference.origin.x());
    }

    // Every name readable at any α: inside the drawing, the axes' names clear
    // of the outline, of G and of each other, G's name clear of both axes.
    void namesStayReadableAtAnyAlpha_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<baricor::Dimensions>("dimensions");
        QTest::addColumn<double>("alpha");  // NAN: the section's own
        QTest::addColumn<QRectF>("area");
        const QRectF box(2, 2, 200, 325);
        const QRectF wide(2, 2, 520, 300);
        const baricor::Dimensions l{100, 150, 25, 25};
        for (int shape = 1; shape <= int(baricor::AllShapes().size()); ++shape) {
            const baricor::SectionShape& s = *baricor::ShapeByNumber(shape);
            QTest::addRow("Trave%d", shape) << shape << s.loadDimensions << double(NAN) << box;
            QTest::addRow("Trave%d wide", shape) << shape << s.loadDimensions << double(NAN) << wide;
        }
        QTest::newRow("wide T") << 6 << baricor::Dimensions{300, 100, 20, 20} << double(NAN) << box;
        for (double alpha : {-89.0, -67.5, -45.0, -30.0, -10.0, 0.0, 5.0, 30.0, 45.0, 60.0, 80.0, 90.0})
            QTest::addRow("L turned to %g", alpha) << 5 << l << alpha << box;
        for (double alpha : {-45.0, 0.0, 45.0, 90.0})
            QTest::addRow("wide T turned to %g", alpha) << 6 << baricor::Dimensions{300, 100, 20, 20} << alpha << box;
    }

    void namesStayReadableAtAnyAlpha() {
        QFETCH(int, shape);
        QFETCH(baricor::Dimensions, dimensions);
        QFETCH(double, alpha);
        QFETCH(QRectF, area);
        baricor::DerivedSection derived = baricor::DeriveSection(*baricor::ShapeByNumber(shape), dimensions);
        QVERIFY(derived.values);
        if (!std::isnan(alpha)) derived.values->alpha = alpha;
        const DrawingLayout l = LayOutDrawing(derived, area, kLabel);
        for (const QRectF& name : {l.label1, l.label2, l.gLabel}) {
            QVERIFY(area.contains(name));
            QVERIFY(!name.intersects(l.reference.box));
        }
        for (const QRectF& name : {l.label1, l.label2}) {
            QVERIFY(!l.outline.intersects(name));
            QVERIFY(!name.intersects(l.gMark));
            QVERIFY(!name.intersects(l.gLabel));
            QVERIFY(SameSide(name, l.axis1Line) && SameSide(name, l.axis2Line));
        }
        QVERIFY(!l.label1.intersects(l.label2));
        QVERIFY(SameSide(l.gLabel, l.axis1Line) && SameSide(l.gLabel, l.axis2Line));
        // Each axis' name beside its own axis, not somewhere else.
        auto offAxis = [&](const QRectF& name, const QPointF& along) {
            const QPointF v = name.center() - l.g;
            return std::abs(v.x() * along.y() - v.y() * along.x());
        };
        QVERIFY(offAxis(l.label1, l.axis1) < kLabel.width() + kLabel.height());
        QVERIFY(offAxis(l.label2, l.axis2) < kLabel.width() + kLabel.height());
    }

    // The shear centre, in mm about G along x (to the left) and y (down),
    // marked where it lies and kept inside the drawing even off the section.
    void theShearCentreIsMarkedWhereItIsGiven() {
        const baricor::Dimensions c{100, 150, 20, 25};
        const DrawingLayout without = LayOut(8, c, QRectF(0, 0, 200, 325));
        QVERIFY(!without.shearCentre);
        const DrawingLayout l = LayOut(8, c, QRectF(0, 0, 200, 325), baricor::PlanePoint{55.63, 0});
        QVERIFY(l.shearCentre);
        QVERIFY(std::abs(l.shearCentre->x() - (l.g.x() - 55.63 * l.scale)) <= 0.5);
        QVERIFY(std::abs(l.shearCentre->y() - l.g.y()) <= 0.5);
        const QRectF area(0, 0, 200, 325);
        QVERIFY(area.contains(l.shearCentreMark) && area.contains(l.shearCentreLabel));
        QVERIFY(!l.shearCentreLabel.intersects(l.gLabel) && !l.shearCentreLabel.intersects(l.shearCentreMark));
        QVERIFY(!l.label1.intersects(l.shearCentreLabel) && !l.label2.intersects(l.shearCentreLabel));
        // Far off the section, the drawing shrinks to keep it in.
        const DrawingLayout far = LayOut(8, c, area, baricor::PlanePoint{400, -300});
        QVERIFY(far.scale < l.scale);
        QVERIFY(far.fitBox.adjusted(-1, -1, 1, 1).contains(far.shearCentre.value()));
    }

    // Nothing but the outline where the values are not defined, nothing at all
    // where the dimensions make no section.
    void onlyWhatIsDefinedIsLaidOut() {
        const DrawingLayout noArea = LayOut(4, {100, 100}, QRectF(0, 0, 200, 325));
        QVERIFY(noArea.outlineShown && !noArea.valuesShown);
        QVERIFY(!noArea.outline.isEmpty());
        const DrawingLayout none = LayOut(4, {100, 120}, QRectF(0, 0, 200, 325));
        QVERIFY(!none.outlineShown && none.outline.isEmpty());
    }

    // An outline with arcs keeps them round: a quarter disc of radius 100 in
    // the section's frame (x to the left, y downwards) lies left of and below
    // its corner on screen, and along its bisector it reaches past the chord
    // to the arc and no farther.
    void arcsBulgeWhereTheSectionDoes() {
        namespace g = baricor::geometry;
        const double R = 100;
        g::Region quarter;
        quarter.contours.push_back({g::Segment({0, 0}, {R, 0}), g::Arc({R, 0}, {0, R}, {0, 0}, R, true),
                                    g::Segment({0, R}, {0, 0})});
        const DrawingLayout l = LayOutDrawing(quarter, std::nullopt, QRectF(0, 0, 300, 300), kLabel);
        QVERIFY(l.outlineShown && !l.valuesShown);
        const double s = l.scale;
        QVERIFY(s > 1);
        auto at = [&](double x, double y) { return l.g + QPointF(-x * s, y * s); };
        const double diagonal = 1 / std::sqrt(2.0);
        QVERIFY(l.outline.contains(at(0.95 * R * diagonal, 0.95 * R * diagonal)));  // past the chord at 0.71 R
        QVERIFY(!l.outline.contains(at(1.05 * R * diagonal, 1.05 * R * diagonal)));
        QVERIFY(!l.outline.contains(at(-0.3 * R, 0.3 * R)));
        QVERIFY(!l.outline.contains(at(0.3 * R, -0.3 * R)));
        QVERIFY(std::abs(l.outlineBox.width() - R * s) < 1.5);
        QVERIFY(std::abs(l.outlineBox.height() - R * s) < 1.5);
        QVERIFY(std::abs(l.outlineBox.right() - l.g.x()) < 1 && std::abs(l.outlineBox.top() - l.g.y()) < 1);
    }

    // IPE 200 (h 200, b 100, tw 5.6, tf 8.5, r 12) with its root fillets: it
    // fills the box along its depth, G in the middle of its web, and each
    // corner between web and flange is filled by the fillet's material up to
    // the fillet's circle, about (14.8, 79.5) from G, and left empty inside it.
    void aProfileIsDrawnWithItsFillets() {
        const baricor::Profile* ipe = baricor::FindProfile("IPE 200");
        QVERIFY(ipe);
        const baricor::ProfileProperties p = baricor::PropertiesOf(*ipe);
        baricor::DerivedValues v;
        v.A = p.A;
        v.J1 = p.J1;
        v.J2 = p.J2;
        v.alpha = p.alpha;
        const QRectF area(0, 0, 600, 800);
        const DrawingLayout l = LayOutDrawing(baricor::ProfileRegion(*ipe), v, area, kLabel);
        QVERIFY(l.valuesShown);
        const double s = l.scale;
        QVERIFY(std::abs(l.outlineBox.height() - 200 * s) < 1.5);
        QVERIFY(std::abs(l.outlineBox.width() - 100 * s) < 1.5);
        QVERIFY(l.fitBox.adjusted(-1, -1, 1, 1).contains(l.outlineBox));
        QVERIFY(std::abs(l.outlineBox.center().x() - l.g.x()) < 1 && std::abs(l.outlineBox.center().y() - l.g.y()) < 1);
        QVERIFY(std::abs(l.axis1.y()) < 1e-12);  // α = 0: the J1 axis horizontal
        auto at = [&](double x, double y) { return l.g + QPointF(-x * s, y * s); };
        for (double sx : {1.0, -1.0})
            for (double sy : {1.0, -1.0}) {
                QVERIFY(l.outline.contains(at(sx * 4.8, sy * 89.5)));   // 14.1 from the fillet's centre
                QVERIFY(!l.outline.contains(at(sx * 7.3, sy * 87.0)));  // 10.6 from it
                QVERIFY(!l.outline.contains(at(sx * 30, sy * 60)));     // beside the web
                QVERIFY(l.outline.contains(at(sx * 40, sy * 96)));      // in a flange
            }
        int curves = 0;
        for (int i = 0; i < l.outline.elementCount(); ++i) curves += l.outline.elementAt(i).isCurveTo();
        QVERIFY(curves >= 4);
    }
};

QTEST_APPLESS_MAIN(DrawingLayoutTest)
#include "DrawingLayoutTest.moc"
