#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

// Stored colours (0x00BBGGRR, system colours 0xFF0000nn, clNone, clDefault) as Qt colours.
// System colours come from `palette`; clNone gives an invalid QColor (nothing drawn);
// clDefault gives `fallback`.
QColor ToQColor(std::uint32_t color, const QPalette &palette, const QColor &fallback = QColor());
// A Qt colour in the stored layout.
std::uint32_t FromQColor(const QColor &color);
