#include "ScanPacer.h"

#include <algorithm>

void TScanPacer::Reset() {
    // Speech goes on across a change of pacing.
    const bool speaking = FSpeaking;
    const qint64 speechAt = FSpeechAt;
    *this = TScanPacer();
    FSpeaking = speaking;
    FSpeechAt = speechAt;
}

void TScanPacer::SpeechStarted(qint64 now) {
    FSpeaking = true;
    FSpeechAt = now;
}

void TScanPacer::Stepped(qint64 now, qint32 interval, qint32 extra, bool prompting) {
    FStepAt = now;
    FInterval = interval;
    FExtra = std::max(extra, 0);
    FClearAt = 0;
    FTicked = false;
    FPrompting = prompting;
    FPromptAt = now;
}

void TScanPacer::PromptStarted(qint64 now) {
    FPrompting = true;
    FPromptAt = now;
    FClearAt = 0;
}

void TScanPacer::PromptEnded(qint64 now, qint32 pause) {
    if (!FPrompting)
        return;
    FPrompting = false;
    FClearAt = now + std::max(pause, 0);
}

void TScanPacer::PromptCut() {
    FPrompting = false;
    FClearAt = 0;
}

qint64 TScanPacer::Remaining(qint64 now) const {
    if (!FTicked || (FPrompting && now - FPromptAt < MaxPromptWait) ||
        (FSpeaking && now - FSpeechAt < MaxSpeechWait))
        return -1;
    qint64 left = FClearAt - now;
    if (FExtra > 0)
        left = std::max(left, FStepAt + FInterval + FExtra - now);
    return std::max<qint64>(left, 0);
}
