#include "WindowBounds.h"

#include <QTest>
#include <climits>

using WindowBounds::TPlacement;

Q_DECLARE_METATYPE(QList<QRect>)

class TestWindowBounds : public QObject {
    Q_OBJECT

private slots:
    void restore_data() {
        QTest::addColumn<QRect>("stored"); // left, top and right, bottom exclusive as points
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<bool>("restored");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("moved");
        const QList<QRect> one{QRect(0, 0, 1920, 1050)};
        const QList<QRect> two{QRect(0, 0, 1920, 1050), QRect(1920, 0, 1280, 1024)};
        const auto bounds = [](int l, int t, int r, int b) {
            return QRect(QPoint(l, t), QPoint(r, b));
        };
        QTest::newRow("as stored")
            << bounds(40, 30, 840, 630) << one << true << QSize(800, 600) << true;
        QTest::newRow("nothing stored") << bounds(0, 0, 0, 0) << one << false << QSize() << false;
        QTest::newRow("right of left")
            << bounds(500, 0, 400, 300) << one << false << QSize() << false;
        QTest::newRow("1 x 1 raised to usable")
            << bounds(10, 10, 11, 11) << one << true << WindowBounds::MinimumSize << true;
        QTest::newRow("larger than the desktop")
            << bounds(0, 0, 5000, 4000) << one << true << QSize(1920, 1050) << true;
        QTest::newRow("10 x 14 pixels on the screen")
            << bounds(1910, 1036, 2710, 1636) << one << true << QSize(800, 600) << false;
        QTest::newRow("enough of it on the screen")
            << bounds(1700, 900, 2500, 1500) << one << true << QSize(800, 600) << true;
        QTest::newRow("on the second screen")
            << bounds(2000, 100, 2800, 700) << two << true << QSize(800, 600) << true;
        QTest::newRow("in the gap below the smaller screen")
            << bounds(2000, 1030, 2800, 1630) << two << true << QSize(800, 600) << false;
        QTest::newRow("a monitor gone since")
            << bounds(-3000, 0, -2200, 600) << one << true << QSize(800, 600) << false;
        QTest::newRow("the ends of the int range") << bounds(INT_MIN, INT_MIN, INT_MAX, INT_MAX)
                                                   << one << true << QSize(1920, 1050) << false;
        QTest::newRow("no screens known")
            << bounds(40, 30, 840, 630) << QList<QRect>() << true << QSize(800, 600) << true;
    }
    void restore() {
        QFETCH(QRect, stored);
        QFETCH(QList<QRect>, screens);
        QFETCH(bool, restored);
        const auto placement = WindowBounds::Restore(stored.left(), stored.top(), stored.right(),
                                                     stored.bottom(), screens);
        QCOMPARE(placement.has_value(), restored);
        if (!placement)
            return;
        QTEST(placement->Size, "size");
        QTEST(placement->Position.has_value(), "moved");
        if (placement->Position)
            QCOMPARE(*placement->Position, stored.topLeft());
    }

    // Stored for a maximized window and restored by its frame, the window returns where it was.
    void maximizedKeepsItsNormalPlace_data() {
        QTest::addColumn<QRect>("normal"); // the inside of the normal window
        QTest::addColumn<QPoint>("inner");
        QTest::addColumn<QPoint>("frame");
        QTest::addColumn<QPoint>("stored");
        QTest::newRow("title bar and border")
            << QRect(104, 130, 800, 600) << QPoint(4, 30) << QPoint(0, 0) << QPoint(100, 100);
        QTest::newRow("no frame") << QRect(50, 60, 800, 600) << QPoint(0, 0) << QPoint(0, 0)
                                  << QPoint(50, 60);
        QTest::newRow("on a second screen")
            << QRect(2024, 40, 800, 600) << QPoint(1924, 28) << QPoint(1920, 0) << QPoint(2020, 12);
    }
    void maximizedKeepsItsNormalPlace() {
        QFETCH(QRect, normal);
        QFETCH(QPoint, inner);
        QFETCH(QPoint, frame);
        QTEST(WindowBounds::NormalFramePosition(normal, inner, frame), "stored");
    }
};

QTEST_APPLESS_MAIN(TestWindowBounds)
#include "tst_WindowBounds.moc"
