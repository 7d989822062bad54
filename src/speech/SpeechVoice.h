#pragma once

#include "VoiceToken.h"

#include <QList>
#include <functional>

// The system speech engine as the voice unit uses it: its voices, the current voice, rate and
// volume, and speaking. Speak returns at once, drops whatever is queued or being spoken first,
// and obeys the voice markup (volume, rate, pitch, silence, emph, spell, voice) in the text.
class TSpeechVoice {
public:
    virtual ~TSpeechVoice() = default;
    // False while the engine is still coming up: its voices are not known yet, and settings
    // that name a voice by its place in the list wait until it is.
    virtual bool Ready() const { return true; }
    virtual QList<TVoiceToken> GetVoices() = 0;
    virtual TVoiceToken Voice() = 0;
    // The voice the configuration file keeps: the current one unless it lives elsewhere.
    virtual TVoiceToken StoredVoice() { return Voice(); }
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

    // Told, from any thread, how many milliseconds of a prompt are still to be heard once all of
    // it is synthesized; never for a prompt that was cut.
    using TPromptHeard = std::function<void(qint64 remainingMs)>;
    // Speaks a prompt in its own voice, rate and volume, leaving the current ones alone. It cuts
    // the prompt before it and waits for a text being spoken; a text spoken meanwhile cuts it
    // short, which counts as heard.
    virtual bool SpeakPrompt(const QString &text, const QString &voiceId, int rate, int volume,
                             TPromptHeard heard) {
        Q_UNUSED(text);
        Q_UNUSED(voiceId);
        Q_UNUSED(rate);
        Q_UNUSED(volume);
        Q_UNUSED(heard);
        return false;
    }
    // Silences the prompt being spoken or waiting, not a text.
    virtual void CutPrompt() {}
    // Told, from any thread, how many milliseconds of the text handed to Speak last are still to
    // be heard once all of it is synthesized; never for a text a newer one replaced.
    virtual void SetOnTextHeard(TPromptHeard heard) { Q_UNUSED(heard); }

    // A voice of the desktop's speech service, kept apart from the configuration file (empty:
    // none is chosen); setting it chooses it once the service has listed it.
    virtual QString ServiceVoiceId() const { return {}; }
    virtual void SetServiceVoiceId(const QString &id) { Q_UNUSED(id); }
};
