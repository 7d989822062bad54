#include "ScanMachine.h"

#include "ScanActions.h"

void TScanMachine::SetScanPhase(quint8 phase) {
    FScanPhase = phase;
    FSwitchHeld = false;
}

bool TScanMachine::SweepFollows() const {
    return !Has(smStop) && (FScanPhase == psCellSweep || Has(smShowX));
}

void TScanMachine::ScanTick() {
    if (FSkipTick) {
        FSkipTick = false;
        return;
    }
    if (FScanPhase == psCellSweep)
        StepCol();
    else if (FScanPhase == psRowSweep)
        StepRow();
    if (FActions && FPointByMouse && FScanPhase != psRowStop && SweepFollows())
        FActions->PointToCell();
}

void TScanMachine::StepCol() {
    if (!FActions)
        return;
    const TScanCursor cursor = FActions->ScanCursor();
    const int next = cursor.Col + 1 >= cursor.ColCount ? 0 : cursor.Col + 1;
    FActions->MoveCursor(next, cursor.Row);
}

void TScanMachine::StepRow() {
    if (!FActions)
        return;
    const TScanCursor cursor = FActions->ScanCursor();
    const int next = cursor.Row + 1 >= cursor.RowCount ? 0 : cursor.Row + 1;
    FActions->MoveCursor(cursor.Col, next);
}

void TScanMachine::SwitchDown(quint16 code, qint32 time) {
    Q_UNUSED(code);
    Q_UNUSED(time);
    // With two switches down at once the first one's saved phase stands; saving the frozen
    // phase again would leave the cursor frozen after both are up.
    if (!FSwitchHeld)
        FSavedPhase = FScanPhase;
    FSwitchHeld = true;
    FScanPhase = psRowStop;
}

void TScanMachine::SwitchUp(quint16 code, qint32 duration) {
    FSwitchHeld = false;
    if (FScanPhase == psRowStop)
        FScanPhase = FSavedPhase;
    if (!FActions) {
        FSavedPhase = FScanPhase;
        return;
    }
    FActions->SwitchReleased(code, duration);

    const TScanCursor cursor = FActions->ScanCursor();
    if (cursor.ColCount == 1 && cursor.RowCount == 1) {
        // One cell: every release selects it.
        FScanPhase = psRowStop;
        FActions->ClickCell();
    } else if (code == FSwCode1 && duration < FSwTime) {
        if (SweepFollows())
            FActions->ClickCell();
        if (!(Has(smStayOnCol) && FScanPhase == psRowSweep)) {
            if (!Has(smStayOnRow) || FScanPhase != psCellSweep)
                NextPhase();
        }
        if (FScanPhase == psCellStop || FScanPhase == psRowStop || SweepFollows())
            FActions->PointToCell();
    } else if (code == FSwCode2 || code == FSwCode1) {
        // Switch 2, or switch 1 held at least SwTime.
        if (FScanPhase == psCellStop || FScanPhase == psRowStop)
            FActions->ClickCell();
        else
            NextPhase();
    }
    FSavedPhase = FScanPhase;
}

void TScanMachine::NextPhase() {
    const quint8 p = FScanPhase;
    TScanCursor cursor;
    if (FActions)
        cursor = FActions->ScanCursor();
    if (!Has(smStop)) {
        if (cursor.ColCount == 1)
            FScanPhase = psRowSweep;
        else if (cursor.RowCount == 1)
            FScanPhase = psCellSweep;
        else
            FScanPhase = p == psCellSweep ? quint8(psRowSweep) : quint8(psCellSweep);
    } else {
        if (cursor.ColCount == 1 && p == psRowStop)
            FScanPhase = psRowSweep;
        else if (cursor.RowCount == 1 && p == psCellStop)
            FScanPhase = psCellSweep;
        else
            FScanPhase = p < psRowStop ? quint8(p + 1) : quint8(psCellSweep);
    }
    if (FActions && !Has(smShowX))
        FActions->ShowCellFrame();
    // The cursor rests one whole period where it is before sweeping on.
    if (FScanPhase != p && !Has(smStop))
        FSkipTick = true;
}

void TScanMachine::StartScan() {
    TScanCursor cursor;
    if (FActions)
        cursor = FActions->ScanCursor();
    FScanPhase =
        cursor.ColCount == 1 && cursor.RowCount > 1 ? quint8(psRowSweep) : quint8(psCellSweep);
    FSavedPhase = FScanPhase;
    FSkipTick = false;
    FSwitchHeld = false;
}
