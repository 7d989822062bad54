#pragma once

#include <QRect>

class QPainter;
class QPalette;

// Raised or sunk two-line 3D edge, drawn inside `rect` in the palette's light and shadow colours
// (outer line: highlight / dark shadow, inner line: light / shadow).
enum class TEdge { Raised, Sunken };
void DrawEdge(QPainter &painter, const QRect &rect, TEdge edge, const QPalette &palette);
