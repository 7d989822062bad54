#pragma once

#include <QtGlobal>

// When the next scan step may come, once a step has to wait for more than the plain scan
// timer: for the longer dwell of a first row or key, and for a spoken prompt to end plus a
// pause. The plain timer tick stays the measure of the scan step, so its period is never
// measured against a clock (timers may fire a little early); only what comes on top is.
// Times are milliseconds of a monotonic clock.
class TScanPacer {
public:
    // Nothing to wait for beyond the next timer tick.
    void Reset();
    // A step was taken at `now` with the timer's period `interval`; the cursor rests `extra`
    // ms longer than that, and a prompt started with it (or not).
    void Stepped(qint64 now, qint32 interval, qint32 extra, bool prompting);
    // The scan timer ticked: the plain step is over.
    void Ticked() { FTicked = true; }
    // A prompt started outside a step (after a switch release), or the one speaking ended or
    // was cut at `now`; the cursor keeps still for `pause` ms more after an ended one.
    void PromptStarted(qint64 now);
    void PromptEnded(qint64 now, qint32 pause);
    void PromptCut();
    bool Prompting() const { return FPrompting; }
    // The program began reading the user's text aloud at `now`, or stopped (its end, or a switch
    // press that wants the scan back).
    void SpeechStarted(qint64 now);
    void SpeechEnded() { FSpeaking = false; }
    bool Speaking() const { return FSpeaking; }

    // Milliseconds until the next step is due at `now`: 0 now, -1 while waiting for the timer
    // tick or the prompt (each of them asks again when it comes). A prompt that never reports
    // its end holds the scan no longer than MaxPromptWait: a silent engine must not stop it.
    qint64 Remaining(qint64 now) const;

    static constexpr qint32 MaxPromptWait = 5000;
    // Speech that never reports its end holds the scan no longer than this.
    static constexpr qint32 MaxSpeechWait = 60000;

private:
    qint64 FStepAt = 0;
    qint32 FInterval = 0;
    qint32 FExtra = 0;
    qint64 FPromptAt = 0;
    qint64 FClearAt = 0; // the prompt's end plus the pause
    bool FTicked = false;
    bool FPrompting = false;
    qint64 FSpeechAt = 0;
    bool FSpeaking = false;
};
