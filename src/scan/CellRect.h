#pragma once

#include <QList>
#include <QPainterPath>
#include <QRect>
#include <QRegion>

// A rectangle as the grid's geometry states it: left and top inclusive, right and bottom
// exclusive, in pixels of the grid's client area.
struct TCellRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
    bool operator==(const TCellRect &) const = default;
};

// Cell (c, r) of a `width` x `height` grid of nCol x nRow cells. Computed in floating point and
// truncated toward zero, so adjacent cells share their edges exactly and the last cell ends at
// the grid's width and height. A grid without columns or rows has no cells (an empty rectangle).
TCellRect CellRect(int c, int r, int width, int height, int nCol, int nRow);

// Where a control of the given size goes in `cell`: stretched to the cell less a 5-pixel band
// when `resizing`, otherwise keeping its size and centred (divisions truncate toward zero).
TCellRect ArrangedBounds(const TCellRect &cell, bool resizing, int controlWidth, int controlHeight);

// The distinct positions trunc(i * size / count), i = 0 .. count - 1, that lie in [from, to],
// ascending: the grid lines of one direction that cross the given band. The work is bounded by
// the band, not by the count, so absurd counts from a damaged file cannot stall painting.
QList<int> GridLinePositions(int size, int count, int from, int to);

// The pixels that a closed outline through the corners (left, top) and (right, bottom) can touch
// when drawn with a pen reaching `margin` pixels from its path.
QRegion OutlineRegion(int left, int top, int right, int bottom, int margin);

// The band a solid pen of `width` (at least 2) with round ends and joins paints along that
// closed outline: the pixels Qt's stroker fills for it, without its trigonometry. Not for an
// outline that is a single point.
QPainterPath OutlineBand(int left, int top, int right, int bottom, qreal width);
