#include "KeyArrangement.h"

#include "Limits.h"

#include <QSet>
#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

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
    // Computed wide and clamped: a key far out must not overflow the value.
    const double row = std::nearbyint(topLeft.y() / 15.0);
    const double col = std::nearbyint(topLeft.x() / 15.0);
    const double value = row * 1000 + col;
    return int(std::clamp(value, double(INT_MIN), double(INT_MAX)));
}

namespace {

// The cell search. Cells are not walked one by one: the cell edges only grow with the column
// and row index, so the rows are visited outwards from the key's own row, nearest first, and
// within each row the columns outwards from the key's own column, and a walk stops as soon as
// nothing further can be nearer. The work is then about the number of taken cells near the key,
// not the size of the grid.
class TCellSearch {
public:
    TCellSearch(int nCol, int nRow, const std::function<QRect(int, int)> &cellRect)
        : FCol(nCol)
        , FRow(nRow)
        , FCellRect(cellRect) {
        const qint64 area = qint64(nCol) * nRow;
        if (area <= Limits::MaxGridCells)
            FTakenBits.assign(std::size_t(area), false);
    }

    std::optional<QPoint> Place(QPoint key) {
        FBest = TBest{};
        const int r0 = Below(key.y(), FRow, [this](int r) { return Top(r); });
        for (int r = r0; r >= 0; --r) {
            const qint64 dy = qint64(key.y()) - Top(r);
            if (dy * dy > FBest.Distance)
                break;
            SearchRow(r, dy * dy, key.x());
        }
        for (int r = r0 + 1; r < FRow; ++r) {
            const qint64 dy = qint64(Top(r)) - key.y();
            if (dy * dy > FBest.Distance)
                break;
            SearchRow(r, dy * dy, key.x());
        }
        if (FBest.Row < 0)
            return std::nullopt;
        Take(FBest.Col, FBest.Row);
        return QPoint(FBest.Col, FBest.Row);
    }

private:
    // The nearest so far; among equally near cells the later one in row-by-row order wins.
    // Nothing farther than the starting distance is taken at all.
    struct TBest {
        qint64 Distance = 1000000000;
        int Row = -1;
        int Col = -1;
    };

    int Top(int r) const { return FCellRect(0, r).top(); }
    int Left(int c) const { return FCellRect(c, 0).left(); }

    // The last index whose edge lies at or before `at` (0 when none does).
    template <typename Edge>
    static int Below(int at, int count, Edge edge) {
        int lo = 0;
        int hi = count - 1;
        while (lo < hi) {
            const int mid = lo + (hi - lo + 1) / 2;
            if (edge(mid) <= at)
                lo = mid;
            else
                hi = mid - 1;
        }
        return lo;
    }

    bool Taken(int c, int r) const {
        const qint64 index = qint64(r) * FCol + c;
        if (!FTakenBits.empty())
            return FTakenBits[std::size_t(index)];
        return FTakenSet.contains(index);
    }
    void Take(int c, int r) {
        const qint64 index = qint64(r) * FCol + c;
        if (!FTakenBits.empty())
            FTakenBits[std::size_t(index)] = true;
        else
            FTakenSet.insert(index);
    }

    void Consider(qint64 distance, int r, int c) {
        if (distance < FBest.Distance ||
            (distance == FBest.Distance && (r > FBest.Row || (r == FBest.Row && c > FBest.Col))))
            FBest = TBest{distance, r, c};
    }

    void SearchRow(int r, qint64 dy2, int x) {
        const int c0 = Below(x, FCol, [this](int c) { return Left(c); });
        // Leftwards the distance grows as the column falls, so the first free cell is the
        // best of that side (equal ones further left come earlier and lose the tie).
        for (int c = c0; c >= 0; --c) {
            const qint64 dx = qint64(x) - Left(c);
            const qint64 distance = dx * dx + dy2;
            if (distance > FBest.Distance)
                break;
            if (!Taken(c, r)) {
                Consider(distance, r, c);
                break;
            }
        }
        // Rightwards columns sharing one edge are equally near: the last free one of them wins.
        qint64 found = -1;
        for (int c = c0 + 1; c < FCol; ++c) {
            const qint64 dx = qint64(Left(c)) - x;
            const qint64 distance = dx * dx + dy2;
            if (distance > FBest.Distance || (found >= 0 && distance > found))
                break;
            if (!Taken(c, r)) {
                Consider(distance, r, c);
                found = distance;
            }
        }
    }

    int FCol;
    int FRow;
    const std::function<QRect(int, int)> &FCellRect;
    std::vector<bool> FTakenBits; // one bit per cell while the grid is within the limits
    QSet<qint64> FTakenSet;       // otherwise only the taken cells
    TBest FBest;
};

} // namespace

TKeyArrangement ArrangeKeyCells(const QList<QPoint> &keyTopLeft, int nCol, int nRow,
                                const std::function<QRect(int, int)> &cellRect) {
    TKeyArrangement result;
    const int count = int(keyTopLeft.size());
    QList<int> values;
    values.reserve(count);
    for (const QPoint &p : keyTopLeft)
        values.append(ReadingValue(p));

    if (nCol >= 1 && nRow >= 1) {
        TCellSearch search(nCol, nRow, cellRect);
        for (const QPoint &key : keyTopLeft)
            result.Cells.append(search.Place(key));
    } else {
        result.Cells.resize(count);
    }

    result.Order.reserve(count);
    for (int i = 0; i < count; ++i)
        result.Order.append(i);
    if (count > 0)
        SortWithOrder(values, result.Order, 0, count - 1);
    return result;
}
