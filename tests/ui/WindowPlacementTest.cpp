// Where section windows first open, on screens from 800 x 600 up, with the
// main window where it first opens itself.
#include <QTest>

#include "WindowPlacement.h"

namespace {
// The frames as a desktop with a 25-pixel title bar and 1-pixel borders draws them.
const QSize kSectionFrame(399, 349);
const QRect kMainFrame(323, 136, 394, 258);
// A derived window as it first opens (435 x 337), with the same decorations.
const QSize kDerivedFrame(437, 363);
}  // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void sectionWindowsOpenOnScreenBesideTheMainWindow_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("mainFrame");
        QTest::addColumn<bool>("roomBeside");  // the main window can stay clear
        QTest::newRow("1024x768") << QRect(0, 0, 1024, 768) << kMainFrame << true;
        QTest::newRow("1024x768 less a panel") << QRect(0, 28, 1024, 740) << kMainFrame << true;
        QTest::newRow("1280x1024") << QRect(0, 0, 1280, 1024) << kMainFrame << true;
        QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1080) << kMainFrame << true;
        QTest::newRow("second screen") << QRect(1920, 0, 2560, 1440) << kMainFrame.translated(1920, 0) << true;
        QTest::newRow("main window at the right edge") << QRect(0, 0, 1280, 1024) << QRect(880, 40, 394, 258) << true;
        QTest::newRow("800x600") << QRect(0, 0, 800, 600) << kMainFrame << false;
        QTest::newRow("no main window") << QRect(0, 0, 1024, 768) << QRect() << true;
    }

    void sectionWindowsOpenOnScreenBesideTheMainWindow() {
        QFETCH(QRect, screen);
        QFETCH(QRect, mainFrame);
        QFETCH(bool, roomBeside);
        QList<QPoint> places;
        for (int index = 0; index < 8; ++index) {
            const QRect frame(FirstPlaceBeside(index, kSectionFrame, mainFrame, screen), kSectionFrame);
            QVERIFY2(screen.contains(frame), qPrintable(QString("window %1 off the screen").arg(index + 1)));
            if (roomBeside)
                QVERIFY2(!frame.intersects(mainFrame), qPrintable(QString("window %1 covers the main window").arg(index + 1)));
            QVERIFY2(!places.contains(frame.topLeft()), "two windows open on top of each other");
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
