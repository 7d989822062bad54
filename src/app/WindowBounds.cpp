#include "WindowBounds.h"

#include <algorithm>

namespace WindowBounds {

std::optional<TPlacement> Restore(qint32 left, qint32 top, qint32 right, qint32 bottom,
                                  const QList<QRect> &screens) {
    const qint64 width = qint64(right) - left;
    const qint64 height = qint64(bottom) - top;
    if (width <= 0 || height <= 0)
        return std::nullopt;
    QRect desktop;
    for (const QRect &screen : screens)
        desktop |= screen;
    // Never larger than the desktop, never smaller than usable unless the desktop is.
    qint64 w = std::max<qint64>(width, MinimumSize.width());
    qint64 h = std::max<qint64>(height, MinimumSize.height());
    if (!desktop.isEmpty()) {
        w = std::min<qint64>(w, desktop.width());
        h = std::min<qint64>(h, desktop.height());
    }
    constexpr qint64 kMax = (1 << 24) - 1; // the toolkit's largest widget size
    TPlacement placement;
    placement.Size = QSize(int(std::min(w, kMax)), int(std::min(h, kMax)));
    if (desktop.isEmpty()) {
        placement.Position = QPoint(left, top);
        return placement;
    }
    // Computed in 64 bits: a stored corner near the ends of the int range stays exact.
    const qint64 wantedRight = qint64(left) + placement.Size.width();
    const qint64 wantedBottom = qint64(top) + placement.Size.height();
    const int needX = std::min(MinimumVisible.width(), placement.Size.width());
    const int needY = std::min(MinimumVisible.height(), placement.Size.height());
    for (const QRect &screen : screens) {
        const qint64 seenX = std::min<qint64>(wantedRight, qint64(screen.x()) + screen.width()) -
                             std::max<qint64>(left, screen.x());
        const qint64 seenY = std::min<qint64>(wantedBottom, qint64(screen.y()) + screen.height()) -
                             std::max<qint64>(top, screen.y());
        if (seenX >= needX && seenY >= needY) {
            placement.Position = QPoint(left, top);
            break;
        }
    }
    return placement;
}

QPoint NormalFramePosition(const QRect &normal, const QPoint &inner, const QPoint &frame) {
    return normal.topLeft() - (inner - frame);
}

} // namespace WindowBounds
