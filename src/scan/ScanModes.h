#pragma once

#include <QFlags>

// The scanning variants; the values are the bits stored in the settings record.
enum TScanMode {
    smShowX = 0x01,     // outline the cursor column too, and the cursor cell in every phase
    smStop = 0x02,      // a short press of switch 1 stops and restarts the cursor
    smStayOnRow = 0x04, // selecting in the cell sweep keeps sweeping the same row
    smStayOnCol = 0x08, // a short press in the row sweep keeps sweeping rows
};
Q_DECLARE_FLAGS(TScanModes, TScanMode)
Q_DECLARE_OPERATORS_FOR_FLAGS(TScanModes)
