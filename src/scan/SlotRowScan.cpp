#include "SlotRowScan.h"

#include "ScanMachine.h"

#include <algorithm>

void TSlotRowScan::SetEnabled(bool on) {
    if (on == FEnabled)
        return;
    FEnabled = on;
    if (!on) {
        FOnSlots = false;
        FSlots->ShowSlotCursor(-1, false);
    }
    Reset();
}

void TSlotRowScan::Reset() {
    MoveCursor(0, 0);
    ShowCellFrame();
}

int TSlotRowScan::SlotColumns() const {
    return std::max(1, FSlots->SlotCount());
}

bool TSlotRowScan::CellMarked() const {
    return FMachine ? FMachine->CellFrameShown(false) : true;
}

TScanCursor TSlotRowScan::ScanCursor() const {
    TScanCursor grid = FGrid->ScanCursor();
    if (!FEnabled)
        return grid;
    if (FOnSlots)
        return TScanCursor{FSlot, 0, SlotColumns(), grid.RowCount + 1};
    return TScanCursor{grid.Col, grid.Row + 1, grid.ColCount, grid.RowCount + 1};
}

void TSlotRowScan::MoveCursor(int col, int row) {
    if (!FEnabled) {
        FGrid->MoveCursor(col, row);
        return;
    }
    if (row <= 0) {
        FOnSlots = true;
        FSlot = std::clamp(col, 0, SlotColumns() - 1);
        // Off the grid's cells: the grid draws no cursor of its own meanwhile.
        FGrid->MoveCursor(0, -1);
        FSlots->ShowSlotCursor(FSlot, CellMarked());
        return;
    }
    FOnSlots = false;
    FSlots->ShowSlotCursor(-1, false);
    const int columns = FGrid->ScanCursor().ColCount;
    FGrid->MoveCursor(std::clamp(col, 0, std::max(0, columns - 1)), row - 1);
}

void TSlotRowScan::ClickCell() {
    if (OnSlots())
        FSlots->ClickSlot(FSlot);
    else
        FGrid->ClickCell();
}

void TSlotRowScan::PointToCell() {
    if (OnSlots())
        FSlots->PointToSlot(FSlot);
    else
        FGrid->PointToCell();
}

void TSlotRowScan::ShowCellFrame() {
    if (OnSlots())
        FSlots->ShowSlotCursor(FSlot, CellMarked());
    FGrid->ShowCellFrame();
}

void TSlotRowScan::SwitchReleased(quint16 code, qint32 duration) {
    FGrid->SwitchReleased(code, duration);
}
