#include "CellList.h"
#include "CellRect.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <climits>

using TRect4 = QList<int>;       // left, top, right, bottom
using TPuts = QList<QList<int>>; // {c, r, nCol, key (-1: none)} in order

namespace {

TRect4 Corners(const TCellRect &r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

// An outline as Qt's stroker paints it with the grid's round pen, or as its band is filled.
QImage Outline(const TRect4 &r, int width, qreal scale, bool band) {
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    if (band) {
        painter.fillPath(OutlineBand(r[0], r[1], r[2], r[3], width), Qt::red);
    } else {
        painter.setPen(QPen(QBrush(Qt::red), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPoint outline[] = {
            {r[0], r[1]}, {r[2], r[1]}, {r[2], r[3]}, {r[0], r[3]}, {r[0], r[1]}};
        painter.drawPolyline(outline, 5);
    }
    return image;
}

} // namespace

class TestCellGrid : public QObject {
    Q_OBJECT

private slots:
    void cellRect_data() {
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("nCol");
        QTest::addColumn<int>("nRow");
        QTest::addColumn<TRect4>("expected");
        // A 634 x 266 grid: 63.4 by 44.33 pixels per cell.
        QTest::newRow("first cell") << 0 << 0 << 10 << 6 << TRect4{0, 0, 63, 44};
        QTest::newRow("last cell ends at the edges")
            << 9 << 5 << 10 << 6 << TRect4{570, 221, 634, 266};
        QTest::newRow("inner cell") << 1 << 1 << 10 << 6 << TRect4{63, 44, 126, 88};
        QTest::newRow("column -1 truncates toward zero")
            << -1 << 0 << 10 << 6 << TRect4{-63, 0, 0, 44};
        QTest::newRow("single cell") << 0 << 0 << 1 << 1 << TRect4{0, 0, 634, 266};
        QTest::newRow("no columns") << 0 << 0 << 0 << 6 << TRect4{0, 0, 0, 0};
        QTest::newRow("negative rows") << 0 << 0 << 10 << -3 << TRect4{0, 0, 0, 0};
    }
    void cellRect() {
        QFETCH(int, c);
        QFETCH(int, r);
        QFETCH(int, nCol);
        QFETCH(int, nRow);
        QFETCH(TRect4, expected);
        QCOMPARE(Corners(CellRect(c, r, 634, 266, nCol, nRow)), expected);
    }

    void arrangedBounds_data() {
        QTest::addColumn<TRect4>("cell");
        QTest::addColumn<bool>("resizing");
        QTest::addColumn<QSize>("control");
        QTest::addColumn<TRect4>("expected");
        QTest::newRow("stretched, inset by 5")
            << TRect4{63, 44, 126, 88} << true << QSize(20, 10) << TRect4{68, 49, 121, 83};
        QTest::newRow("centred") << TRect4{63, 44, 126, 88} << false << QSize(20, 10)
                                 << TRect4{84, 61, 104, 71};
        QTest::newRow("centred, odd sizes")
            << TRect4{0, 0, 63, 44} << false << QSize(21, 11) << TRect4{21, 17, 42, 28};
        QTest::newRow("centred left of 0 truncates toward zero")
            << TRect4{-63, 0, 0, 44} << false << QSize(21, 10) << TRect4{-41, 17, -20, 27};
        QTest::newRow("larger than its cell")
            << TRect4{0, 0, 40, 40} << false << QSize(60, 50) << TRect4{-10, -5, 50, 45};
        QTest::newRow("cell narrower than the inset")
            << TRect4{0, 0, 6, 6} << true << QSize(20, 10) << TRect4{5, 5, 1, 1};
    }
    void arrangedBounds() {
        QFETCH(TRect4, cell);
        QFETCH(bool, resizing);
        QFETCH(QSize, control);
        QFETCH(TRect4, expected);
        const TCellRect given{cell[0], cell[1], cell[2], cell[3]};
        QCOMPARE(Corners(ArrangedBounds(given, resizing, control.width(), control.height())),
                 expected);
    }

    void putCell_data() {
        QTest::addColumn<TPuts>("puts");
        QTest::addColumn<QList<int>>("expectedSlots"); // key per slot, -1 empty
        QTest::newRow("padding: (3, 2) of 10 columns")
            << TPuts{{3, 2, 10, 0}} << QList<int>{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                                  -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0};
        QTest::newRow("a key put again moves")
            << TPuts{{0, 0, 10, 0}, {1, 0, 10, 0}} << QList<int>{-1, 0};
        QTest::newRow("overwriting drops the occupant")
            << TPuts{{0, 0, 10, 0}, {1, 0, 10, 1}, {0, 0, 10, 1}} << QList<int>{1, -1};
        QTest::newRow("negative index only empties the old slot")
            << TPuts{{2, 0, 10, 0}, {-1, 0, 10, 0}} << QList<int>{-1, -1, -1};
        QTest::newRow("negative row") << TPuts{{0, 0, 10, 1}, {5, -1, 10, 1}} << QList<int>{-1};
        QTest::newRow("column past the count wraps to the next row")
            << TPuts{{12, 0, 10, 0}}
            << QList<int>{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0};
        QTest::newRow("indices follow the count of the moment")
            << TPuts{{1, 1, 10, 0}, {1, 1, 2, 1}}
            << QList<int>{-1, -1, -1, 1, -1, -1, -1, -1, -1, -1, -1, 0};
        QTest::newRow("no control empties the cell")
            << TPuts{{0, 0, 10, 0}, {0, 0, 10, -1}} << QList<int>{-1};
        QTest::newRow("no control past the end adds nothing")
            << TPuts{{4, 4, 10, -1}} << QList<int>{};
        QTest::newRow("absurd index is refused")
            << TPuts{{0, 0, 10, 0}, {0, 200000000, 10, 0}} << QList<int>{-1};
        QTest::newRow("no 32-bit wrap-around")
            << TPuts{{INT_MAX, INT_MAX, INT_MAX, 0}, {INT_MAX, 1, INT_MAX, 1}} << QList<int>{};
    }
    void putCell() {
        QFETCH(TPuts, puts);
        QFETCH(QList<int>, expectedSlots);
        int keys[2] = {};
        TCellList<int *> cells;
        for (const QList<int> &put : puts)
            cells.PutCell(put[0], put[1], put[2], put[3] < 0 ? nullptr : &keys[put[3]]);
        QList<int> actual;
        for (int *slot : cells.Slots())
            actual.append(slot ? int(slot - keys) : -1);
        QCOMPARE(actual, expectedSlots);
    }

    void getCell_data() {
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("nCol");
        QTest::addColumn<int>("key"); // -1: none
        // The list holds key 0 at index 23 and key 1 at index 4, put with 10 columns.
        QTest::newRow("where it was put") << 3 << 2 << 10 << 0;
        QTest::newRow("five columns re-interpret the list") << 3 << 4 << 5 << 0;
        QTest::newRow("past the end") << 4 << 2 << 10 << -1;
        QTest::newRow("negative index") << -1 << 0 << 10 << -1;
    }
    void getCell() {
        QFETCH(int, c);
        QFETCH(int, r);
        QFETCH(int, nCol);
        QFETCH(int, key);
        int keys[2] = {};
        TCellList<int *> cells;
        cells.PutCell(3, 2, 10, &keys[0]);
        cells.PutCell(4, 0, 10, &keys[1]);
        int *found = cells.GetCell(c, r, nCol);
        QCOMPARE(found ? int(found - keys) : -1, key);
    }

    void outlineBandPaintsWhatTheStrokerPaints_data() {
        QTest::addColumn<TRect4>("outline");
        QTest::addColumn<int>("width");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("the default cursor") << TRect4{5, 5, 60, 45} << 3 << 1.0;
        QTest::newRow("even width") << TRect4{5, 5, 60, 45} << 2 << 1.0;
        QTest::newRow("wide, round corners") << TRect4{20, 20, 120, 90} << 25 << 1.0;
        QTest::newRow("wider than the cell") << TRect4{30, 30, 40, 36} << 14 << 1.0;
        QTest::newRow("a row of no height") << TRect4{10, 50, 140, 50} << 7 << 1.0;
        QTest::newRow("a column of one pixel") << TRect4{50, 10, 51, 100} << 4 << 1.0;
        QTest::newRow("reaching past the edges") << TRect4{-7, -3, 159, 119} << 9 << 1.0;
        QTest::newRow("corners given right to left") << TRect4{90, 80, 10, 20} << 5 << 1.0;
        QTest::newRow("scaled screen") << TRect4{5, 5, 60, 45} << 3 << 1.5;
        QTest::newRow("double density") << TRect4{5, 5, 60, 45} << 11 << 2.0;
    }
    void outlineBandPaintsWhatTheStrokerPaints() {
        QFETCH(TRect4, outline);
        QFETCH(int, width);
        QFETCH(qreal, scale);
        QCOMPARE(Outline(outline, width, scale, true), Outline(outline, width, scale, false));
    }
};

QTEST_GUILESS_MAIN(TestCellGrid)
#include "tst_CellGrid.moc"
