#pragma once

#include "ScanAccess.h"
#include "ScanModes.h"

#include <QtGlobal>

class TScanActions;

// The scanning state of the grid: the phase, the phase saved while a switch is down, the flag
// that lets the cursor rest one timer period, and the settings that steer the scan (modes,
// switch codes, long-press time, pointer following). Widget-free; it acts only through
// TScanActions.
class TScanMachine {
public:
    // ScanPhase values.
    enum : quint8 {
        psCellSweep = 0, // the cursor cell walks along the cursor row
        psCellStop = 1,  // stopped in the cell sweep (smStop only)
        psRowSweep = 2,  // the highlighted row walks down
        psRowStop = 3,   // stopped in the row sweep (smStop only); also held while a switch is down
    };

    explicit TScanMachine(TScanActions *actions = nullptr)
        : FActions(actions) {}

    TScanActions *Actions() const { return FActions; }
    void SetActions(TScanActions *actions) { FActions = actions; }

    quint8 ScanPhase() const { return FScanPhase; }
    // Setting the phase from outside starts afresh: no switch counts as held any more.
    void SetScanPhase(quint8 phase);
    quint8 SavedPhase() const { return FSavedPhase; }
    void SetSavedPhase(quint8 phase) { FSavedPhase = phase; }
    bool SkipTick() const { return FSkipTick; }
    void SetSkipTick(bool skip) { FSkipTick = skip; }

    TScanModes ScanModes() const { return FScanModes; }
    void SetScanModes(TScanModes modes) { FScanModes = modes; }
    quint16 SwCode1() const { return FSwCode1; }
    void SetSwCode1(quint16 code) { FSwCode1 = code; }
    quint16 SwCode2() const { return FSwCode2; }
    void SetSwCode2(quint16 code) { FSwCode2 = code; }
    qint32 SwTime() const { return FSwTime; }
    void SetSwTime(qint32 milliseconds) { FSwTime = milliseconds; }
    bool PointByMouse() const { return FPointByMouse; }
    void SetPointByMouse(bool on) { FPointByMouse = on; }
    // The scan flow settings (rounds before parking, start on a press, the first step's dwell,
    // where the scan resumes after a selection); the filtering is the switch filter's.
    const TScanAccess &Access() const { return FAccess; }
    void SetAccess(const TScanAccess &access) { FAccess = access; }

    // Parked: the cursor stands at the start and the timer steps nothing until switch 1 comes
    // up, which only starts the scan again.
    bool Parked() const { return FParked; }
    // How much longer than the scan step the cursor rests where it stands now: the first row of
    // the row sweep and the first key of the cell sweep may dwell longer.
    qint32 StepExtra() const;

    // Whether the cursor cell is outlined: always when forced, otherwise in every phase but the
    // row sweep, where the whole row is the cursor.
    bool CellFrameShown(bool force) const { return force || FScanPhase != psRowSweep; }

    // One step of the scan timer: the sweep of the current phase moves the cursor on, and the
    // pointer may follow it.
    void ScanTick();
    // The cursor cell walks along the row, and the cursor row walks down; both wrap.
    void StepCol();
    void StepRow();
    // A switch went down: the cursor stands still until it comes up again.
    void SwitchDown(quint16 code, qint32 time);
    // A switch came up after `duration` ms: moves the phase on or selects the cursor cell.
    void SwitchUp(quint16 code, qint32 duration);
    // A press that did not count came up: the cursor moves on as if it had never been down.
    void SwitchCancel(quint16 code);
    // The next phase of the scan cycle.
    void NextPhase();
    // Begins scanning at the first sweep that moves the cursor: the cell sweep, unless there is
    // only one column to sweep, which would leave the cursor standing on the first row. Parked
    // when the scan starts on a press.
    void StartScan();
    // Stops the scan at its start until switch 1 is pressed.
    void Park();

private:
    bool Has(TScanMode mode) const { return FScanModes.testFlag(mode); }
    // Whether a short press selects and the pointer follows in the current phase.
    bool SweepFollows() const;
    quint8 StartPhase() const;
    // After a selection: the cursor goes where the scan is to resume.
    void Resume();

    TScanActions *FActions = nullptr;
    quint8 FScanPhase = psCellSweep;
    quint8 FSavedPhase = psCellSweep;
    bool FSkipTick = false;
    // A switch is down; a second one pressed meanwhile must not save the frozen phase.
    bool FSwitchHeld = false;
    TScanModes FScanModes;
    quint16 FSwCode1 = 32;
    quint16 FSwCode2 = 13;
    qint32 FSwTime = 500;
    bool FPointByMouse = false;
    TScanAccess FAccess;
    bool FParked = false;
    // Timer steps since the last switch release or phase change, for the rounds before parking.
    qint32 FIdleSteps = 0;
};
