#include "ScanMachine.h"

#include "ScanActions.h"

void TScanMachine::SetScanPhase(quint8 phase) {
    FScanPhase = phase;
    FSwitchHeld = false;
    FIdleSteps = 0;
}

bool TScanMachine::SweepFollows() const {
    return !Has(smStop) && (FScanPhase == psCellSweep || Has(smShowX));
}

qint32 TScanMachine::StepExtra() const {
    if (FAccess.FirstStepExtra <= 0 || FParked || !FActions)
        return 0;
    const TScanCursor cursor = FActions->ScanCursor();
    const bool first = (FScanPhase == psCellSweep && cursor.Col == 0 && cursor.ColCount > 1) ||
                       (FScanPhase == psRowSweep && cursor.Row == 0 && cursor.RowCount > 1);
    return first ? FAccess.FirstStepExtra : 0;
}

void TScanMachine::ScanTick() {
    if (FParked)
        return;
    if (FSkipTick) {
        FSkipTick = false;
        return;
    }
    if (FScanPhase == psCellSweep || FScanPhase == psRowSweep) {
        // Rounds are counted in steps of the sweep that runs, so a round begun in the middle of
        // it is a whole one as well.
        TScanCursor cursor;
        if (FActions)
            cursor = FActions->ScanCursor();
        const qint64 round = FScanPhase == psCellSweep ? cursor.ColCount : cursor.RowCount;
        if (FAccess.StopRounds > 0 && ++FIdleSteps >= qint64(FAccess.StopRounds) * round) {
            Park();
            return;
        }
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
    if (FParked)
        return;
    // With two switches down at once the first one's saved phase stands; saving the frozen
    // phase again would leave the cursor frozen after both are up.
    if (!FSwitchHeld)
        FSavedPhase = FScanPhase;
    FSwitchHeld = true;
    FScanPhase = psRowStop;
}

void TScanMachine::SwitchCancel(quint16 code) {
    Q_UNUSED(code);
    if (FSwitchHeld && FScanPhase == psRowStop)
        FScanPhase = FSavedPhase;
    FSwitchHeld = false;
}

void TScanMachine::SwitchUp(quint16 code, qint32 duration) {
    FSwitchHeld = false;
    FIdleSteps = 0;
    if (FParked) {
        if (FActions)
            FActions->SwitchReleased(code, duration);
        // Only switch 1 wakes the scan, and the press that does selects nothing.
        if (code == FSwCode1)
            FParked = false;
        return;
    }
    if (FScanPhase == psRowStop)
        FScanPhase = FSavedPhase;
    if (!FActions) {
        FSavedPhase = FScanPhase;
        return;
    }
    FActions->SwitchReleased(code, duration);
    bool selected = false;

    const TScanCursor cursor = FActions->ScanCursor();
    if (cursor.ColCount == 1 && cursor.RowCount == 1) {
        // One cell: every release selects it.
        FScanPhase = psRowStop;
        FActions->ClickCell();
    } else if (code == FSwCode1 && duration < FSwTime) {
        if (SweepFollows()) {
            FActions->ClickCell();
            selected = true;
        }
        if (!(Has(smStayOnCol) && FScanPhase == psRowSweep)) {
            if (!Has(smStayOnRow) || FScanPhase != psCellSweep)
                NextPhase();
        }
        if (FScanPhase == psCellStop || FScanPhase == psRowStop || SweepFollows())
            FActions->PointToCell();
    } else if (code == FSwCode2 || code == FSwCode1) {
        // Switch 2, or switch 1 held at least SwTime.
        if (FScanPhase == psCellStop || FScanPhase == psRowStop) {
            FActions->ClickCell();
            selected = true;
        } else {
            NextPhase();
        }
    }
    if (selected)
        Resume();
    FSavedPhase = FScanPhase;
}

void TScanMachine::Resume() {
    if (FAccess.ResumeAt == TResumeAt::raAsBefore)
        return;
    const TScanCursor cursor = FActions->ScanCursor();
    const int row = FAccess.ResumeAt == TResumeAt::raFirstRow ? 0 : cursor.Row;
    FActions->MoveCursor(0, row);
    // Back to the row sweep where there are rows to sweep; a sweep that stood stays stopped.
    if (cursor.RowCount > 1 && cursor.ColCount > 1) {
        if (FScanPhase == psCellSweep)
            FScanPhase = psRowSweep;
        else if (FScanPhase == psCellStop)
            FScanPhase = psRowStop;
    }
    FActions->ShowCellFrame();
    FSkipTick = !Has(smStop);
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

quint8 TScanMachine::StartPhase() const {
    TScanCursor cursor;
    if (FActions)
        cursor = FActions->ScanCursor();
    return cursor.ColCount == 1 && cursor.RowCount > 1 ? quint8(psRowSweep) : quint8(psCellSweep);
}

void TScanMachine::StartScan() {
    FScanPhase = StartPhase();
    FSavedPhase = FScanPhase;
    FSkipTick = false;
    FSwitchHeld = false;
    FIdleSteps = 0;
    FParked = FAccess.StartOnPress;
}

void TScanMachine::Park() {
    if (FActions)
        FActions->MoveCursor(0, 0);
    FScanPhase = StartPhase();
    FSavedPhase = FScanPhase;
    FSkipTick = false;
    FSwitchHeld = false;
    FIdleSteps = 0;
    FParked = true;
    if (FActions)
        FActions->ShowCellFrame();
}
