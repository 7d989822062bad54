#pragma once

#include "ScanActions.h"

class TScanMachine;

// What the scan asks of a row of word slots shown above the grid.
class TSlotCursor {
public:
    virtual ~TSlotCursor() = default;
    virtual int SlotCount() const = 0;
    // The cursor stands on the row (`slot` from 0) or has left it (-1); `cellMarked` tells
    // whether the slot itself is outlined or only the row as a whole.
    virtual void ShowSlotCursor(int slot, bool cellMarked) = 0;
    // The slot the cursor stands on, -1 when it is not on the row.
    virtual int CursorSlot() const = 0;
    virtual void ClickSlot(int slot) = 0;
    virtual void PointToSlot(int slot) = 0;
};

// Puts a row of slots in front of the grid's rows: the scan machine sees one row more, row 0
// being the slots with a column count of their own, and the grid keeps its rows, its cells and
// its painting. Neither the machine nor the grid knows of the slots; while the row is off every
// call passes straight through, so the scan is exactly the grid's own.
class TSlotRowScan : public TScanActions {
public:
    TSlotRowScan(TScanActions *grid, TSlotCursor *slotRow, const TScanMachine *machine)
        : FGrid(grid)
        , FSlots(slotRow)
        , FMachine(machine) {}

    bool Enabled() const { return FEnabled; }
    // Turning the row on or off leaves the cursor at the start (on the row when it is on).
    void SetEnabled(bool on);
    bool OnSlots() const { return FEnabled && FOnSlots; }
    // The cursor to the first cell the scan starts from.
    void Reset();

    TScanCursor ScanCursor() const override;
    void MoveCursor(int col, int row) override;
    void ClickCell() override;
    void PointToCell() override;
    void ShowCellFrame() override;
    void SwitchReleased(quint16 code, qint32 duration) override;

private:
    int SlotColumns() const;
    bool CellMarked() const;

    TScanActions *FGrid;
    TSlotCursor *FSlots;
    const TScanMachine *FMachine;
    bool FEnabled = false;
    bool FOnSlots = false;
    int FSlot = 0;
};
