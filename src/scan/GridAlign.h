#pragma once

#include <QtGlobal>

// How the grid sits in its parent; the ordinals are the ones stored in the settings record.
enum class TGridAlign : quint8 {
    alNone = 0,
    alTop = 1,
    alBottom = 2,
    alLeft = 3,
    alRight = 4,
    alClient = 5,
    alCustom = 6,
};
