#include "KeyArrangement.h"

#include <QTest>

namespace {

// Cells of a grid of 50 x 40 pixel cells.
QRect Cell(int c, int r) {
    return QRect(c * 50, r * 40, 50, 40);
}

} // namespace

class TestKeyArrangement : public QObject {
    Q_OBJECT

private slots:
    void cells_data() {
        QTest::addColumn<QList<QPoint>>("keys");
        QTest::addColumn<int>("nCol");
        QTest::addColumn<int>("nRow");
        QTest::addColumn<QList<QPoint>>("cells"); // (-1, -1): no cell
        QTest::newRow("on their cells")
            << QList<QPoint>{{50, 0}, {0, 40}} << 2 << 2 << QList<QPoint>{{1, 0}, {0, 1}};
        QTest::newRow("tie goes to the later cell")
            << QList<QPoint>{{25, 0}} << 2 << 1 << QList<QPoint>{{1, 0}};
        QTest::newRow("second key takes the next nearest")
            << QList<QPoint>{{3, 2}, {1, 1}} << 2 << 1 << QList<QPoint>{{0, 0}, {1, 0}};
        QTest::newRow("full grid leaves a key without a cell")
            << QList<QPoint>{{0, 0}, {50, 0}, {10, 10}} << 2 << 1
            << QList<QPoint>{{0, 0}, {1, 0}, {-1, -1}};
        QTest::newRow("far outside snaps to the nearest edge cell")
            << QList<QPoint>{{900, 900}} << 3 << 3 << QList<QPoint>{{2, 2}};
    }
    void cells() {
        QFETCH(QList<QPoint>, keys);
        QFETCH(int, nCol);
        QFETCH(int, nRow);
        QFETCH(QList<QPoint>, cells);
        const TKeyArrangement a = ArrangeKeyCells(keys, nCol, nRow, Cell);
        QCOMPARE(a.Cells.size(), cells.size());
        for (qsizetype i = 0; i < cells.size(); ++i)
            QCOMPARE(a.Cells[i].value_or(QPoint(-1, -1)), cells[i]);
    }

    void readingOrder_data() {
        QTest::addColumn<QList<QPoint>>("keys");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("rows then columns")
            << QList<QPoint>{{100, 40}, {0, 40}, {50, 0}, {0, 0}} << QList<int>{3, 2, 1, 0};
        QTest::newRow("same 15-pixel band counts as one row")
            << QList<QPoint>{{60, 5}, {0, 0}} << QList<int>{1, 0};
        QTest::newRow("already in order") << QList<QPoint>{{0, 0}, {50, 0}} << QList<int>{0, 1};
        QTest::newRow("empty") << QList<QPoint>{} << QList<int>{};
    }
    void readingOrder() {
        QFETCH(QList<QPoint>, keys);
        QFETCH(QList<int>, order);
        QCOMPARE(ArrangeKeyCells(keys, 4, 4, Cell).Order, order);
    }

    void manyKeysBeyondTheOldLimit() {
        // More keys than the 256 a fixed array once held, in reverse reading order.
        QList<QPoint> keys;
        for (int i = 299; i >= 0; --i)
            keys.append(QPoint((i % 20) * 50, (i / 20) * 40));
        const TKeyArrangement a = ArrangeKeyCells(keys, 20, 15, Cell);
        for (int i = 0; i < 300; ++i)
            QCOMPARE(a.Order[i], 299 - i);
        QCOMPARE(a.Cells[0].value(), QPoint(19, 14));
    }

    void readingValue_data() {
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<int>("value");
        QTest::newRow("origin") << QPoint(0, 0) << 0;
        QTest::newRow("rounds down below half") << QPoint(7, 7) << 0;
        QTest::newRow("rounds up above half") << QPoint(8, 8) << 1001;
        QTest::newRow("row weighs a thousand") << QPoint(30, 45) << 3002;
    }
    void readingValue() {
        QFETCH(QPoint, topLeft);
        QFETCH(int, value);
        QCOMPARE(ReadingValue(topLeft), value);
    }
};

QTEST_GUILESS_MAIN(TestKeyArrangement)
#include "tst_KeyArrangement.moc"
