#pragma once

#include <QRect>

class QPainter;
class QPalette;

// Raised or sunk two-line 3D edge, drawn inside `rect` in the palette's light and shadow colours.
// Raised: outer line Midlight (top, left) / Shadow (bottom, right), inner line Light / Dark.
// Sunken: outer line Dark / Light, inner line Shadow / Midlight.
enum class TEdge { Raised, Sunken };
void DrawEdge(QPainter &painter, const QRect &rect, TEdge edge, const QPalette &palette);
