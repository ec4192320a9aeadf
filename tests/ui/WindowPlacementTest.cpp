// Where section windows first open, on screens from 800 x 600 up, with the
// main window where it first opens itself.
#include <QTest>

#include "WindowPlacement.h"

namespace {
// The frames as a desktop with a 25-pixel title bar and 1-pixel borders draws them.
const QSize kSectionFrame(399, 349);
const QRect kMainFrame(323, 136, 394, 258);
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
};

QTEST_APPLESS_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
