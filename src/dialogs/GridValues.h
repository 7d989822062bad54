#pragma once

#include "GridPen.h"
#include "ScanAccess.h"
#include "ScanModes.h"

#include <cstdint>
#include <functional>

class QTimer;
class TTimeGrid;

// What the grid dialog edits, apart from the controls that show it: the grid's size and pens,
// the scan step, the long press, the two switch keys, the scanning mode and switch access.
struct TGridValues {
    // One pen as the dialog shows it; the line style stays the grid's.
    struct TPen {
        std::uint32_t Color = 0;
        int Width = 1;
        bool operator==(const TPen &) const = default;
    };

    int Columns = 5;
    int Rows = 5;
    TPen Grid{0x00808080, 2};
    TPen Cursor{0x0000FFFF, 4};
    TPen Focus{0x000000FF, 4};
    int Interval = 1000; // the scan timer's, in milliseconds
    int LongPress = 500; // in milliseconds
    int SwitchCode1 = 0; // 0 when the switch field names no key
    int SwitchCode2 = 0;
    int ScanModes = 0; // TScanMode bits
    bool PointByMouse = false;
    // Not the grid's own: the dialog's page shows it and the owner applies it.
    TScanAccess Access;

    bool operator==(const TGridValues &) const = default;

    // Takes the values from `grid` and, when there is one, the step from `scanTimer`; the step
    // and the access stay as they are without.
    void Fill(const TTimeGrid &grid, const QTimer *scanTimer);
    // Writes the values, in this order: the access to `accessApplied`, the grid's size and pens,
    // the step, the long press; then the switch keys, the focus frame of every key, the scanning
    // mode and the mouse. Throws TError (the dialog's own words) when the switch keys are
    // refused, and then what comes before them is applied already.
    void Apply(TTimeGrid &grid, QTimer *scanTimer,
               const std::function<void(const TScanAccess &)> &accessApplied) const;
};
