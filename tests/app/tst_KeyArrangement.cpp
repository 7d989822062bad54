#include "KeyArrangement.h"

#include <QTest>
#include <climits>
#include <functional>

namespace {

// Cells of a grid of 50 x 40 pixel cells.
QRect Cell(int c, int r) {
    return QRect(c * 50, r * 40, 50, 40);
}

// The cell choice walked cell by cell, as the rule states it: for every key every free cell
// in row-by-row order, the nearest winning and the later of equally near ones.
QList<QPoint> EveryCell(const QList<QPoint> &keys, int nCol, int nRow,
                        const std::function<QRect(int, int)> &cell) {
    QList<QPoint> out;
    QList<bool> taken(qsizetype(nCol) * nRow, false);
    for (const QPoint &key : keys) {
        QPoint best(-1, -1);
        qint64 bestDistance = 1000000000;
        for (int r = 0; r < nRow; ++r) {
            for (int c = 0; c < nCol; ++c) {
                if (taken[r * nCol + c])
                    continue;
                const qint64 dx = cell(c, r).left() - key.x(), dy = cell(c, r).top() - key.y();
                if (dx * dx + dy * dy <= bestDistance) {
                    bestDistance = dx * dx + dy * dy;
                    best = QPoint(c, r);
                }
            }
        }
        if (best.x() >= 0)
            taken[best.y() * nCol + best.x()] = true;
        out.append(best);
    }
    return out;
}

// Cells as the grid computes them: edges truncated from W x H split in nCol x nRow, so that
// many columns share one edge when there are more columns than pixels.
std::function<QRect(int, int)> GridCells(int w, int h, int nCol, int nRow) {
    return [=](int c, int r) {
        const int left = int(double(c) * w / nCol), top = int(double(r) * h / nRow);
        return QRect(QPoint(left, top),
                     QPoint(int(double(c + 1) * w / nCol) - 1, int(double(r + 1) * h / nRow) - 1));
    };
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

    // The search that skips the cells far from each key chooses what the walk over every cell
    // chooses: crowded keys, keys outside the grid, shared edges, ties, a full grid.
    void sameCellsAsTheWalkOverEveryCell_data() {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("nCol");
        QTest::addColumn<int>("nRow");
        QTest::addColumn<int>("keyCount");
        QTest::addColumn<int>("spread"); // keys lie in -spread..w+spread, -spread..h+spread
        QTest::newRow("10 x 6, keys on a few spots") << 634 << 266 << 10 << 6 << 40 << 0;
        QTest::newRow("more keys than cells") << 300 << 200 << 5 << 4 << 30 << 50;
        QTest::newRow("more columns than pixels") << 40 << 30 << 120 << 7 << 60 << 5;
        QTest::newRow("more rows than pixels") << 50 << 20 << 6 << 90 << 60 << 5;
        QTest::newRow("keys far outside") << 200 << 200 << 8 << 8 << 20 << 40000;
        QTest::newRow("one cell") << 100 << 100 << 1 << 1 << 3 << 100;
    }
    void sameCellsAsTheWalkOverEveryCell() {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, nCol);
        QFETCH(int, nRow);
        QFETCH(int, keyCount);
        QFETCH(int, spread);
        std::uint32_t seed = 7;
        auto next = [&seed](int range) {
            seed = seed * 1103515245u + 12345u;
            return int((seed >> 8) % std::uint32_t(range));
        };
        QList<QPoint> keys;
        for (int i = 0; i < keyCount; ++i) {
            // Half the keys on a handful of spots, so they compete for the same cells.
            const QPoint p = i % 2 ? QPoint(next(4) * w / 4, next(3) * h / 3)
                                   : QPoint(next(w + 2 * spread + 1) - spread,
                                            next(h + 2 * spread + 1) - spread);
            keys.append(p);
        }
        const auto cell = GridCells(w, h, nCol, nRow);
        const TKeyArrangement a = ArrangeKeyCells(keys, nCol, nRow, cell);
        const QList<QPoint> expected = EveryCell(keys, nCol, nRow, cell);
        for (qsizetype i = 0; i < keys.size(); ++i)
            QCOMPARE(a.Cells[i].value_or(QPoint(-1, -1)), expected[i]);
    }

    // The largest grid a file may ask for, with a handful of keys: the work follows the keys.
    void largestGridWithAFewKeys() {
        const int n = 1000;
        const auto cell = GridCells(1000, 700, n, n);
        const QList<QPoint> keys = {{0, 0}, {0, 0}, {999, 699}, {500, 350}, {-50, 800}};
        const TKeyArrangement a = ArrangeKeyCells(keys, n, n, cell);
        // Rows 0 and 1 both begin at y = 0 (0.7 pixel a row): the later one wins the tie.
        QCOMPARE(a.Cells[0].value(), QPoint(0, 1));
        QCOMPARE(a.Cells[1].value(), QPoint(0, 0));
        QCOMPARE(a.Cells[2].value(), QPoint(n - 1, n - 1));
        QCOMPARE(a.Cells[3].value(), QPoint(500, 501));
        QCOMPARE(a.Cells[4].value(), QPoint(0, n - 1));
    }

    void readingValue_data() {
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<int>("value");
        QTest::newRow("origin") << QPoint(0, 0) << 0;
        QTest::newRow("rounds down below half") << QPoint(7, 7) << 0;
        QTest::newRow("rounds up above half") << QPoint(8, 8) << 1001;
        QTest::newRow("row weighs a thousand") << QPoint(30, 45) << 3002;
        QTest::newRow("far down stays in range") << QPoint(0, INT_MAX) << INT_MAX;
    }
    void readingValue() {
        QFETCH(QPoint, topLeft);
        QFETCH(int, value);
        QCOMPARE(ReadingValue(topLeft), value);
    }
};

QTEST_GUILESS_MAIN(TestKeyArrangement)
#include "tst_KeyArrangement.moc"
