// Where a window's client area goes so that its whole frame is centred, or its
// frame's corner lies on a given point.

#include "ui/WindowPlacement.h"

#include <QTest>

class TestWindowPlacement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void centredFrame_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QPoint>("frameTopLeft");
        const QMargins thin(1, 20, 1, 1);
        QTest::newRow("main window, 1280x1024")
            << QRect(0, 0, 1280, 1024) << QSize(458, 375) << thin << QPoint(410, 314);
        QTest::newRow("odd room left over")
            << QRect(0, 0, 800, 600) << QSize(233, 283) << thin << QPoint(282, 148);
        QTest::newRow("second screen under a panel")
            << QRect(1280, 24, 1920, 1056) << QSize(627, 257) << QMargins(4, 24, 4, 4)
            << QPoint(1922, 409);
        QTest::newRow("no frame") << QRect(0, 0, 1024, 768) << QSize(346, 315) << QMargins()
                                  << QPoint(339, 226);
        QTest::newRow("wider than the screen")
            << QRect(0, 0, 640, 480) << QSize(700, 300) << thin << QPoint(0, 79);
        QTest::newRow("larger than the screen")
            << QRect(10, 30, 640, 480) << QSize(700, 500) << thin << QPoint(10, 30);
    }

    void centredFrame()
    {
        QFETCH(QRect, available);
        QFETCH(QSize, client);
        QFETCH(QMargins, frame);
        QFETCH(QPoint, frameTopLeft);
        const QPoint placed = WindowPlacement::centredFrame(available, client, frame);
        QCOMPARE(placed, frameTopLeft);

        // Where the frame fits, the room left and right (above and below)
        // differs by one pixel at most.
        const QRect whole(placed, client.grownBy(frame));
        if (available.contains(whole)) {
            QVERIFY(
                qAbs((whole.left() - available.left()) - (available.right() - whole.right())) <= 1);
            QVERIFY(
                qAbs((whole.top() - available.top()) - (available.bottom() - whole.bottom())) <= 1);
        }
    }

    void clientLiesInsideTheFrame()
    {
        QCOMPARE(WindowPlacement::clientFor({ 283, 139 }, QMargins(1, 20, 1, 1)), QPoint(284, 159));
        QCOMPARE(WindowPlacement::clientFor({ 283, 139 }, QMargins()), QPoint(283, 139));
    }
};

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "tst_WindowPlacement.moc"
