#pragma once

#include <QRect>
#include <QRectF>
#include <algorithm>
#include <limits>

// A rectangle as the key layout states it: left, top, right, bottom with right and bottom
// exclusive. Kept apart from QRect, whose right() and bottom() are inclusive.
struct TKeyRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    QRect ToQRect() const {
        return QRect(Left, Top, ClampToInt(qint64(Right) - Left), ClampToInt(qint64(Bottom) - Top));
    }
    QRectF ToQRectF() const {
        return QRectF(Left, Top, double(Right) - double(Left), double(Bottom) - double(Top));
    }

    bool operator==(const TKeyRect &) const = default;

private:
    static int ClampToInt(qint64 v) {
        return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(),
                                      std::numeric_limits<int>::max()));
    }
};
