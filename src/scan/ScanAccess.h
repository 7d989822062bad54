#pragma once

#include <QString>
#include <QtGlobal>

// Where the scan goes on after a key was selected.
enum class TResumeAt : quint8 {
    raAsBefore = 0, // the phase rules alone decide (the row sweep goes on from the key's row)
    raFirstRow = 1, // the row sweep starts over at the first row
    raSameRow = 2,  // the row sweep starts at the key's row, from its first key
};

// What a row is announced by.
enum class TRowPrompt : quint8 {
    rpNumber = 0,   // its number, counted from 1
    rpFirstKey = 1, // its first key's text (the number when that key has none)
};

// Switch access beyond the grid's own settings: filtering of the switch presses, the flow of
// the scan and spoken prompts. Every feature is off at its default, which scans as before.
struct TScanAccess {
    static constexpr qint32 MaxTime = 10000; // milliseconds, for every time below
    static constexpr qint32 MaxRounds = 100;

    // A press counts only when held at least this long (0: every press counts).
    qint32 AcceptTime = 0;
    // Presses that begin this soon after an accepted press came up are ignored (0: none).
    qint32 IgnoreAfter = 0;
    // The scan parks after this many rounds without a switch release (0: it never stops).
    qint32 StopRounds = 0;
    // The scan waits for a press of switch 1 before it moves at all.
    bool StartOnPress = false;
    // The first row and the first key of a row dwell this much longer than the scan step.
    qint32 FirstStepExtra = 0;
    TResumeAt ResumeAt = TResumeAt::raAsBefore;

    // Spoken prompts for the row or key the cursor reaches, in a voice of their own.
    bool Prompts = false;
    TRowPrompt RowPrompt = TRowPrompt::rpNumber;
    QString PromptVoice;       // the voice's id; empty: the Czech voice
    qint32 PromptRate = 0;     // -10..10
    qint32 PromptVolume = 100; // 0..100
    // Silence after a prompt before the cursor moves on.
    qint32 PromptPause = 0;
    // The cursor keeps still while the program reads the user's own text aloud.
    bool WaitForSpeech = false;
    // Where the user's voice and the prompts are heard, by the outputs' stable ids; empty: the
    // system's default.
    QString SpeechDevice;
    QString PromptDevice;

    bool operator==(const TScanAccess &) const = default;

    // Every field within its range (values read from a file may be anything).
    TScanAccess Bounded() const;
    // Whether the steps need timing beyond the plain scan step.
    bool Paced() const { return Prompts || FirstStepExtra > 0 || WaitForSpeech; }
};
