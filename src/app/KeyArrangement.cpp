#include "KeyArrangement.h"

#include <cmath>
#include <utility>

namespace {

// Quicksort with the middle element as pivot and two indexes moving inwards; every swap of two
// values swaps the same two entries of `order`, so equal values keep the arrangement's order
// the way the original sort left them.
void SortWithOrder(QList<int> &values, QList<int> &order, int lo, int hi) {
    int i = lo;
    int j = hi;
    const int pivot = values[(lo + hi) / 2];
    do {
        while (values[i] < pivot)
            ++i;
        while (values[j] > pivot)
            --j;
        if (i <= j) {
            std::swap(values[i], values[j]);
            std::swap(order[i], order[j]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (lo < j)
        SortWithOrder(values, order, lo, j);
    if (i < hi)
        SortWithOrder(values, order, i, hi);
}

} // namespace

int ReadingValue(QPoint topLeft) {
    const double row = std::nearbyint(topLeft.y() / 15.0);
    const double col = std::nearbyint(topLeft.x() / 15.0);
    return int(row) * 1000 + int(col);
}

TKeyArrangement ArrangeKeyCells(const QList<QPoint> &keyTopLeft, int nCol, int nRow,
                                const std::function<QRect(int, int)> &cellRect) {
    TKeyArrangement result;
    const int count = int(keyTopLeft.size());
    QList<int> values;
    values.reserve(count);
    for (const QPoint &p : keyTopLeft)
        values.append(ReadingValue(p));

    QList<bool> taken(qsizetype(qMax(0, nCol)) * qMax(0, nRow), false);
    for (const QPoint &key : keyTopLeft) {
        std::optional<QPoint> best;
        qint64 bestDistance = 1000000000;
        for (int r = 0; r < nRow; ++r) {
            for (int c = 0; c < nCol; ++c) {
                if (taken[qsizetype(r) * nCol + c])
                    continue;
                const QPoint corner = cellRect(c, r).topLeft();
                const qint64 dx = corner.x() - key.x();
                const qint64 dy = corner.y() - key.y();
                const qint64 distance = dx * dx + dy * dy;
                if (distance <= bestDistance) {
                    bestDistance = distance;
                    best = QPoint(c, r);
                }
            }
        }
        if (best)
            taken[qsizetype(best->y()) * nCol + best->x()] = true;
        result.Cells.append(best);
    }

    result.Order.reserve(count);
    for (int i = 0; i < count; ++i)
        result.Order.append(i);
    if (count > 0)
        SortWithOrder(values, result.Order, 0, count - 1);
    return result;
}
