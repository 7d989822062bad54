#pragma once

#include <Qt>
#include <cstdint>

// One of the grid's three pens as it is stored: the colour in the stored layout (0x00BBGGRR or a
// system colour 0xFF0000nn), the width in pixels and the line style.
struct TGridPen {
    std::uint32_t Color = 0;
    int Width = 1;
    Qt::PenStyle Style = Qt::SolidLine;

    bool operator==(const TGridPen &) const = default;
};
