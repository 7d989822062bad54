#include "GridValues.h"

#include "DialogStrings.h"
#include "Error.h"
#include "SwitchCodeText.h"
#include "TimeGrid.h"
#include "VxKey.h"

#include <QTimer>

void TGridValues::Fill(const TTimeGrid &grid, const QTimer *scanTimer) {
    Columns = grid.nCol();
    Rows = grid.nRow();
    Grid = TPen{grid.PenGrid().Color, grid.PenGrid().Width};
    Cursor = TPen{grid.PenCursor().Color, grid.PenCursor().Width};
    Focus = TPen{grid.PenFocus().Color, grid.PenFocus().Width};
    if (scanTimer)
        Interval = scanTimer->interval();
    LongPress = grid.SwTime();
    SwitchCode1 = grid.SwCode1();
    SwitchCode2 = grid.SwCode2();
    ScanModes = grid.ScanModes().toInt();
    PointByMouse = grid.PointByMouse();
}

void TGridValues::Apply(TTimeGrid &grid, QTimer *scanTimer,
                        const std::function<void(const TScanAccess &)> &accessApplied) const {
    // Switch access first: a bad switch key below must not keep it from being applied.
    if (accessApplied)
        accessApplied(Access);
    grid.SetnCol(Columns);
    grid.SetnRow(Rows);
    grid.SetPenGrid(TGridPen{Grid.Color, Grid.Width, grid.PenGrid().Style});
    grid.SetPenCursor(TGridPen{Cursor.Color, Cursor.Width, grid.PenCursor().Style});
    grid.SetPenFocus(TGridPen{Focus.Color, Focus.Width, grid.PenFocus().Style});
    if (scanTimer)
        scanTimer->setInterval(Interval);
    grid.SetSwTime(LongPress);
    if (grid.isVisible())
        grid.ArrangeCells();
    // Both switches or neither: half a pair could leave two switches on one key.
    switch (SwitchCodeText::Check(SwitchCode1, SwitchCode2)) {
    case SwitchCodeText::TRefusal::None:
        break;
    case SwitchCodeText::TRefusal::NoKey1:
        throw TError(DialogStrings::InvalidSwitch1);
    case SwitchCodeText::TRefusal::NoKey2:
        throw TError(DialogStrings::InvalidSwitch2);
    case SwitchCodeText::TRefusal::EditKey1:
        throw TError(DialogStrings::EditKeySwitch(1));
    case SwitchCodeText::TRefusal::EditKey2:
        throw TError(DialogStrings::EditKeySwitch(2));
    case SwitchCodeText::TRefusal::SameKey:
        throw TError(DialogStrings::SameKeySwitches);
    }
    grid.SetSwCode1(quint16(SwitchCode1));
    grid.SetSwCode2(quint16(SwitchCode2));
    TVxKey::ActiveFrameWidth = Focus.Width;
    grid.SetScanModes(TScanModes::fromInt(ScanModes));
    grid.SetPointByMouse(PointByMouse);
    grid.update();
}
