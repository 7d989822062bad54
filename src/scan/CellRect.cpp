#include "CellRect.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Truncation toward zero that stays defined for values outside the int range.
int Trunc(double value) {
    if (!(value > double(INT_MIN)))
        return INT_MIN;
    if (!(value < double(INT_MAX)))
        return INT_MAX;
    return int(value);
}

int Clamp(qint64 value) {
    return int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
}

int LinePosition(qint64 i, int size, int count) {
    return Trunc(double(i) * size / count);
}

} // namespace

TCellRect CellRect(int c, int r, int width, int height, int nCol, int nRow) {
    if (nCol < 1 || nRow < 1)
        return {};
    return TCellRect{Trunc(double(c) * width / nCol), Trunc(double(r) * height / nRow),
                     Trunc((double(c) + 1) * width / nCol), Trunc((double(r) + 1) * height / nRow)};
}

TCellRect ArrangedBounds(const TCellRect &cell, bool resizing, int controlWidth,
                         int controlHeight) {
    if (resizing)
        return TCellRect{cell.Left + 5, cell.Top + 5, cell.Right - 5, cell.Bottom - 5};
    // C++ division truncates toward zero, as the layout rule wants (also for cells left of 0).
    const qint64 left = (qint64(cell.Left) + cell.Right) / 2 - controlWidth / 2;
    const qint64 top = (qint64(cell.Top) + cell.Bottom) / 2 - controlHeight / 2;
    return TCellRect{Clamp(left), Clamp(top), Clamp(left + controlWidth),
                     Clamp(top + controlHeight)};
}

QList<int> GridLinePositions(int size, int count, int from, int to) {
    QList<int> out;
    if (count < 1 || from > to)
        return out;
    // Start near the first index whose line reaches `from`, then settle exactly.
    qint64 i = std::clamp<qint64>(qint64(std::floor(double(from) * count / std::max(size, 1))), 0,
                                  count - 1);
    while (i > 0 && LinePosition(i - 1, size, count) >= from)
        --i;
    while (i < count && LinePosition(i, size, count) < from)
        ++i;
    while (i < count) {
        const int position = LinePosition(i, size, count);
        if (position > to)
            break;
        out.append(position);
        // Skip the indices that share this line: the next one lies past position + 1.
        qint64 next = size > 0 ? qint64(std::ceil((double(position) + 1) * count / size)) : count;
        next = std::max(next, i + 1);
        while (next > i + 1 && LinePosition(next - 1, size, count) > position)
            --next;
        while (next < count && LinePosition(next, size, count) <= position)
            ++next;
        i = next;
    }
    return out;
}

QRegion OutlineRegion(int left, int top, int right, int bottom, int margin) {
    const QRect outer(QPoint(std::min(left, right) - margin, std::min(top, bottom) - margin),
                      QPoint(std::max(left, right) + margin, std::max(top, bottom) + margin));
    const QRect inner =
        outer.adjusted(2 * margin + 1, 2 * margin + 1, -(2 * margin + 1), -(2 * margin + 1));
    QRegion region(outer);
    if (inner.isValid())
        region -= inner;
    return region;
}

QPainterPath OutlineBand(int left, int top, int right, int bottom, qreal width) {
    const qreal half = width / 2;
    const QRectF path = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    // Every point within half the width of the path: outside it, a rectangle with round
    // corners; inside it, with square ones, where the path encloses more than the pen covers.
    QPainterPath band;
    band.addRoundedRect(path.adjusted(-half, -half, half, half), half, half);
    const QRectF hole = path.adjusted(half, half, -half, -half);
    if (hole.width() > 0 && hole.height() > 0)
        band.addRect(hole);
    return band;
}
