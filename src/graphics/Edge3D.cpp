#include "Edge3D.h"

#include <QPainter>
#include <QPalette>

namespace {

// One ring of the edge: top and left lines in `topLeft`, then bottom and right lines in
// `bottomRight`, which therefore own the top-right and bottom-left corner pixels.
void DrawRing(QPainter &painter, int l, int t, int r, int b, const QColor &topLeft,
              const QColor &bottomRight) {
    if (r <= l || b <= t)
        return;
    painter.fillRect(QRect(l, t, r - l, 1), topLeft);
    painter.fillRect(QRect(l, t, 1, b - t), topLeft);
    painter.fillRect(QRect(l, b - 1, r - l, 1), bottomRight);
    painter.fillRect(QRect(r - 1, t, 1, b - t), bottomRight);
}

} // namespace

void DrawEdge(QPainter &painter, const QRect &rect, TEdge edge, const QPalette &palette) {
    const QColor light = palette.color(QPalette::Light);       // button highlight
    const QColor midlight = palette.color(QPalette::Midlight); // 3D light
    const QColor dark = palette.color(QPalette::Dark);         // button shadow
    const QColor shadow = palette.color(QPalette::Shadow);     // 3D dark shadow

    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.left() + rect.width();
    const int b = rect.top() + rect.height();
    if (edge == TEdge::Raised) {
        DrawRing(painter, l, t, r, b, midlight, shadow);
        DrawRing(painter, l + 1, t + 1, r - 1, b - 1, light, dark);
    } else {
        DrawRing(painter, l, t, r, b, dark, light);
        DrawRing(painter, l + 1, t + 1, r - 1, b - 1, shadow, midlight);
    }
}
