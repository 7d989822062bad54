#include "ScanAccess.h"

#include <algorithm>

TScanAccess TScanAccess::Bounded() const {
    TScanAccess b = *this;
    const auto time = [](qint32 v) { return std::clamp(v, 0, MaxTime); };
    b.AcceptTime = time(AcceptTime);
    b.IgnoreAfter = time(IgnoreAfter);
    b.StopRounds = std::clamp(StopRounds, 0, MaxRounds);
    b.FirstStepExtra = time(FirstStepExtra);
    if (quint8(ResumeAt) > quint8(TResumeAt::raSameRow))
        b.ResumeAt = TResumeAt::raAsBefore;
    if (quint8(RowPrompt) > quint8(TRowPrompt::rpFirstKey))
        b.RowPrompt = TRowPrompt::rpNumber;
    b.PromptRate = std::clamp(PromptRate, -10, 10);
    b.PromptVolume = std::clamp(PromptVolume, 0, 100);
    b.PromptPause = time(PromptPause);
    // An output's id is a short name; anything longer is no id.
    for (QString *id : {&b.SpeechDevice, &b.PromptDevice})
        if (id->size() > 200)
            id->clear();
    return b;
}
