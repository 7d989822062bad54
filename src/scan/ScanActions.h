#pragma once

#include <QtGlobal>

// Where the scanning cursor stands and how many cells there are.
struct TScanCursor {
    int Col = 0;
    int Row = 0;
    int ColCount = 0;
    int RowCount = 0;
};

// What the scan phase machine asks of the grid it drives. The machine decides; the grid moves,
// paints and clicks.
class TScanActions {
public:
    virtual ~TScanActions() = default;

    virtual TScanCursor ScanCursor() const = 0;
    // Moves the cursor through the grid's setters, which repaint the marks; the control in the
    // new cursor cell takes the keyboard focus when the grid asks for that.
    virtual void MoveCursor(int col, int row) = 0;
    // Feeds the control in the cursor cell a left-button click at its centre.
    virtual void ClickCell() = 0;
    // Puts the mouse pointer on the centre of the cursor cell.
    virtual void PointToCell() = 0;
    // The cursor cell's outline may appear or vanish with the new phase: show it as it is now.
    virtual void ShowCellFrame() = 0;
    // A switch was released after `duration` milliseconds.
    virtual void SwitchReleased(quint16 code, qint32 duration) = 0;
};
