#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>

// Which grid cell each key of a table gets and the reading order of the key list, from the
// keys' positions. Keys are taken in list order; each goes to the free cell whose top-left
// corner is nearest to its own (ties go to the later cell in row-by-row order).
struct TKeyArrangement {
    // Per key, in the list order given: its cell (column, row), or none when the grid is full.
    QList<std::optional<QPoint>> Cells;
    // The new list order: Order[i] is the old index of the key that now stands at i. Keys are
    // sorted by 15-pixel row band, then 15-pixel column band of their old positions.
    QList<int> Order;
};

// The position value that orders keys: round(top / 15) * 1000 + round(left / 15), halves to even.
int ReadingValue(QPoint topLeft);

// `keyTopLeft`: each key's position in its parent; `cellRect(c, r)`: the grid's cells;
TKeyArrangement ArrangeKeyCells(const QList<QPoint> &keyTopLeft, int nCol, int nRow,
                                const std::function<QRect(int, int)> &cellRect);
