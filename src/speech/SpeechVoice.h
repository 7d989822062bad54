#pragma once

#include "VoiceToken.h"

#include <QList>

// The system speech engine as the voice unit uses it: its voices, the current voice, rate and
// volume, and speaking. Speak returns at once, drops whatever is queued or being spoken first,
// and obeys the voice markup (volume, rate, pitch, silence, emph, spell, voice) in the text.
class TSpeechVoice {
public:
    virtual ~TSpeechVoice() = default;
    virtual QList<TVoiceToken> GetVoices() = 0;
    virtual TVoiceToken Voice() = 0;
    // False when the voice cannot be selected.
    virtual bool SetVoice(const TVoiceToken &token) = 0;
    // -10..10, 0 is the voice's normal speed.
    virtual int Rate() const = 0;
    virtual bool SetRate(int rate) = 0;
    // 0..100, 100 is the voice's full loudness.
    virtual int Volume() const = 0;
    virtual bool SetVolume(int volume) = 0;
    // False when the engine cannot take the text.
    virtual bool Speak(const QString &text) = 0;
};
