#include "ui/Controls.h"
#include "ui/ProgramIcon.h"

#include <QTest>

// Where a point of the 32-pixel drawing lands on an icon of `size` pixels.
static QPoint scaled(double x, double y, int size)
{
    return QPoint(int(x * size / 32), int(y * size / 32));
}

static bool isGreen(QRgb pixel)
{
    return qAlpha(pixel) > 0 && qGreen(pixel) > qRed(pixel) && qGreen(pixel) > qBlue(pixel);
}

class TestProgramIcon : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sizes_data()
    {
        QTest::addColumn<int>("size");
        for (int size : { 16, 32, 48, 64, 128, 256 })
            QTest::addRow("%d", size) << size;
    }

    // The same drawing at every size of the menu: a green ring round a
    // fuchsia flower with a green heart, on a transparent ground.
    void sizes()
    {
        QFETCH(int, size);
        const QImage icon = drawProgramIcon(size);
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());

        for (QPoint corner : { QPoint(0, 0), QPoint(size - 1, size - 1) })
            QCOMPARE(qAlpha(icon.pixel(corner)), 0);
        QVERIFY(isGreen(icon.pixel(scaled(16, 16, size))));
        QCOMPARE(icon.pixelColor(scaled(22.5, 16, size)), Colours::fuchsia);
        QCOMPARE(icon.pixelColor(scaled(9.5, 16, size)), Colours::fuchsia);
        QVERIFY(isGreen(icon.pixel(scaled(16, 2, size))));
        QVERIFY(isGreen(icon.pixel(scaled(30, 16, size))));
        // Between two petals and the ring the ground shows through, where
        // the gap is wider than a pixel.
        if (size >= 32)
            QCOMPARE(qAlpha(icon.pixel(scaled(24.7, 21, size))), 0);
    }
};

QTEST_GUILESS_MAIN(TestProgramIcon)
#include "tst_ProgramIcon.moc"
