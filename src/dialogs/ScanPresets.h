#pragma once

#include "ScanModes.h"

#include <QStringList>

// The scanning presets of the grid dialog: four named sets of scan modes and "Vlastní", where
// the user ticks the modes one by one.
namespace ScanPresets {

inline constexpr int Count = 5;
inline constexpr int Custom = 4;

// The entries of the preset list, in order.
const QStringList &Names();
// The modes of a preset; none for "Vlastní" (it starts from nothing) and any other index.
TScanModes Modes(int preset);
// The first preset with exactly these modes; Custom when none has them.
int PresetOf(TScanModes modes);

} // namespace ScanPresets
