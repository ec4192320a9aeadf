// Where section windows first open: on common screens with the main window
// where it first opens itself, with the main window moved to each corner and
// along each edge, and on screens leaving just too little, or just enough,
// room beside it.
#include <QTest>

#include "Shapes.h"
#include "WindowPlacement.h"

namespace {
// The frames as a desktop with a 25-pixel title bar and 1-pixel borders draws them.
const QSize kSectionFrame(399, 349);
const QSize kMainSize(394, 258);
const QRect kMainFrame(QPoint(323, 136), kMainSize);
// A derived window as it first opens (435 x 337), with the same decorations.
const QSize kDerivedFrame(437, 363);
// The pixels the program keeps between the main window and a section window:
// a window fits beside the main window where the room there is its own size
// and this gap.
constexpr int kGap = 8;
const int kWidthBeside = kSectionFrame.width() + kGap;    // 407
const int kHeightBeside = kSectionFrame.height() + kGap;  // 357

// Rooms of 0 and 1 pixels, one pixel short of a window, exactly one window
// (a single place), and a pixel more.
QList<int> RoomsAround(int beside) { return {0, 1, beside - 1, beside, beside + 1}; }

bool IsOnSide(const QRect& frame, const QRect& main, const QString& side) {
    if (side == "right") return frame.left() > main.right();
    if (side == "below") return frame.top() > main.bottom();
    if (side == "left") return frame.right() < main.left();
    if (side == "above") return frame.bottom() < main.top();
    return true;  // "none": no side has room
}
}  // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    // side: where every section window opens ("none" where no side has room,
    // and the windows may cover the main window but must stay on the screen).
    void sectionWindowsOpenOnScreenBesideTheMainWindow_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("mainFrame");
        QTest::addColumn<QString>("side");
        QTest::newRow("1024x768") << QRect(0, 0, 1024, 768) << kMainFrame << "below";
        QTest::newRow("1024x768 less a panel") << QRect(0, 28, 1024, 740) << kMainFrame << "below";
        QTest::newRow("1280x1024") << QRect(0, 0, 1280, 1024) << kMainFrame << "right";
        QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1080) << kMainFrame << "right";
        QTest::newRow("second screen") << QRect(1920, 0, 2560, 1440) << kMainFrame.translated(1920, 0) << "right";
        QTest::newRow("main window at the right edge") << QRect(0, 0, 1280, 1024) << QRect(880, 40, 394, 258) << "below";
        QTest::newRow("800x600") << QRect(0, 0, 800, 600) << kMainFrame << "none";
        QTest::newRow("no main window") << QRect(0, 0, 1024, 768) << QRect() << "none";
        // 1124 - 717 = 407: one place right of the main window, where the
        // cascade has a single column to wrap in.
        QTest::newRow("1124x768: one place on the right") << QRect(0, 0, 1124, 768) << kMainFrame << "right";
        QTest::newRow("1123x768: no place on the right") << QRect(0, 0, 1123, 768) << kMainFrame << "below";

        // The main window moved to each corner and to the middle of each edge,
        // on a screen at the origin and on a second screen under a panel.
        const struct {
            const char* name;
            QRect screen;
        } screens[] = {{"1280x1024", QRect(0, 0, 1280, 1024)}, {"second screen", QRect(1920, 24, 1280, 1000)}};
        for (const auto& s : screens) {
            const int left = s.screen.left();
            const int centre = s.screen.left() + (s.screen.width() - kMainSize.width()) / 2;
            const int right = s.screen.right() + 1 - kMainSize.width();
            const int top = s.screen.top();
            const int middle = s.screen.top() + (s.screen.height() - kMainSize.height()) / 2;
            const int bottom = s.screen.bottom() + 1 - kMainSize.height();
            const struct {
                const char* where;
                int x, y;
                const char* side;
            } places[] = {{"top left", left, top, "right"},          {"top middle", centre, top, "right"},
                          {"top right", right, top, "below"},        {"middle left", left, middle, "right"},
                          {"centre", centre, middle, "right"},       {"middle right", right, middle, "below"},
                          {"bottom left", left, bottom, "right"},    {"bottom middle", centre, bottom, "right"},
                          {"bottom right", right, bottom, "left"}};
            for (const auto& p : places)
                QTest::addRow("%s, main window %s", s.name, p.where)
                    << s.screen << QRect(QPoint(p.x, p.y), kMainSize) << QString(p.side);
        }

        // The room on one side of the main window from 0 pixels to one window
        // and a pixel, the sides tried before it having none.
        for (const int room : RoomsAround(kWidthBeside)) {
            const bool fits = room >= kWidthBeside;
            // Right: the main window at the bottom, `room` from the right edge;
            // else it goes left, where there is plenty.
            const QRect screen(0, 0, 1280, 1024);
            QTest::addRow("%d pixels right of the main window at the bottom", room)
                << screen << QRect(QPoint(1280 - room - kMainSize.width(), 1024 - kMainSize.height()), kMainSize)
                << QString(fits ? "right" : "left");
            // Left: a screen as narrow as `room`, the main window and 100
            // pixels, the main window at the bottom; else it goes above.
            QTest::addRow("%d pixels left of the main window at the bottom", room)
                << QRect(0, 0, room + kMainSize.width() + 100, 1024)
                << QRect(QPoint(room, 1024 - kMainSize.height()), kMainSize) << QString(fits ? "left" : "above");
        }
        for (const int room : RoomsAround(kHeightBeside)) {
            const bool fits = room >= kHeightBeside;
            // Below: the main window at the right edge, `room` from the bottom;
            // else it goes left.
            QTest::addRow("%d pixels below the main window at the right edge", room)
                << QRect(0, 0, 1280, 1024) << QRect(QPoint(886, 1024 - room - kMainSize.height()), kMainSize)
                << QString(fits ? "below" : "left");
            // Above: an 800-pixel screen too narrow on either side, as low as
            // `room`, the main window and 100 pixels; else no side has room.
            QTest::addRow("%d pixels above the main window in the middle", room)
                << QRect(0, 0, 800, room + kMainSize.height() + 100) << QRect(QPoint(203, room), kMainSize)
                << QString(fits ? "above" : "none");
        }
    }

    void sectionWindowsOpenOnScreenBesideTheMainWindow() {
        QFETCH(QRect, screen);
        QFETCH(QRect, mainFrame);
        QFETCH(QString, side);
        QList<QPoint> places;
        const int windows = int(baricor::AllShapes().size());
        for (int index = 0; index < windows; ++index) {
            const QRect frame(FirstPlaceBeside(index, kSectionFrame, mainFrame, screen), kSectionFrame);
            const QString which = QString("window %1 at %2,%3").arg(index + 1).arg(frame.left()).arg(frame.top());
            QVERIFY2(screen.contains(frame), qPrintable(which + " off the screen"));
            if (side != "none" && !mainFrame.isNull()) {
                QVERIFY2(!frame.intersects(mainFrame), qPrintable(which + " covers the main window"));
                QVERIFY2(IsOnSide(frame, mainFrame, side), qPrintable(which + " not " + side + " of the main window"));
            }
            QVERIFY2(!places.contains(frame.topLeft()), qPrintable(which + " on top of another"));
            places << frame.topLeft();
        }
    }

    void theFirstOpensRightOfTheMainWindowWhereThereIsRoom() {
        const QPoint first = FirstPlaceBeside(0, kSectionFrame, kMainFrame, QRect(0, 0, 1280, 1024));
        QVERIFY(first.x() > kMainFrame.right());
        QVERIFY(first.x() - kMainFrame.right() < 24);
        QCOMPARE(first.y(), kMainFrame.top());
    }

    // A derived window beside its section window, with the main window's
    // buttons left in sight where the screen allows; at 1024 x 768 nothing
    // beside a section window below the main window is clear of it, so the
    // derived window goes where the main window stays clear, over as little of
    // the section window as can be.
    void derivedWindowsOpenBesideTheirSectionWindowsClearOfTheMainWindow_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("mainFrame");
        QTest::addColumn<bool>("mainClear");
        QTest::addColumn<bool>("sectionClear");
        QTest::newRow("1024x768") << QRect(0, 0, 1024, 768) << kMainFrame << true << false;
        QTest::newRow("1024x768 less a panel") << QRect(0, 28, 1024, 740) << kMainFrame << true << false;
        QTest::newRow("1280x1024") << QRect(0, 0, 1280, 1024) << kMainFrame << true << true;
        QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1080) << kMainFrame << true << true;
        QTest::newRow("main window at the right edge") << QRect(0, 0, 1280, 1024) << QRect(880, 40, 394, 258) << true
                                                       << true;
        QTest::newRow("main window at the bottom left") << QRect(0, 0, 1280, 1024) << QRect(0, 760, 394, 258) << true
                                                        << true;
        QTest::newRow("800x600") << QRect(0, 0, 800, 600) << kMainFrame << false << false;
    }

    void derivedWindowsOpenBesideTheirSectionWindowsClearOfTheMainWindow() {
        QFETCH(QRect, screen);
        QFETCH(QRect, mainFrame);
        QFETCH(bool, mainClear);
        QFETCH(bool, sectionClear);
        for (int index = 0; index < 8; ++index) {
            const QRect section(FirstPlaceBeside(index, kSectionFrame, mainFrame, screen), kSectionFrame);
            const QRect derived(FirstPlaceBeside(0, kDerivedFrame, section, screen, {mainFrame}), kDerivedFrame);
            const QString which = QString("Trave%1").arg(index + 1);
            QVERIFY2(screen.contains(derived), qPrintable(which + ": off the screen"));
            if (mainClear) QVERIFY2(!derived.intersects(mainFrame), qPrintable(which + ": covers the main window"));
            if (sectionClear) QVERIFY2(!derived.intersects(section), qPrintable(which + ": covers its section window"));
            // Over a part of its section window at most, even on the smallest screen.
            const QRect over = derived.intersected(section);
            QVERIFY2(over.isEmpty() || over.width() * over.height() < section.width() * section.height() / 2,
                     qPrintable(which + ": hides its section window"));
        }
    }

    // Nothing to keep clear, or a screen with no room at all: the rule beside
    // the other window alone, always on the screen.
    void derivedWindowsWithNothingToKeepClearOrNoRoom() {
        const QRect screen(0, 0, 1280, 1024);
        const QRect section(725, 136, 399, 349);
        QCOMPARE(FirstPlaceBeside(0, kDerivedFrame, section, screen, {}),
                 FirstPlaceBeside(0, kDerivedFrame, section, screen));
        QCOMPARE(FirstPlaceBeside(0, kDerivedFrame, section, screen, {QRect()}),
                 FirstPlaceBeside(0, kDerivedFrame, section, screen));
        const QRect tiny(0, 0, 437, 363);
        QCOMPARE(FirstPlaceBeside(0, kDerivedFrame, QRect(0, 0, 100, 100), tiny, {QRect(200, 200, 100, 100)}),
                 QPoint(0, 0));
    }
};

QTEST_APPLESS_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
