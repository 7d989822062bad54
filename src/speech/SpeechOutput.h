#pragma once

#include "VoiceSettings.h"

#include <QString>
#include <functional>

class TAudioRouting;
class TPromptSpeech;
class TVoice;

// What the main window asks of speech and sound: read a text aloud, stop reading, play a key's
// sound, and keep the voice settings the configuration stores. The engines live behind this
// seam; tests record the calls.
class TSpeechOutput {
public:
    virtual ~TSpeechOutput() = default;
    // Hands `text` to the speech output; false when nothing could speak it.
    virtual bool SpeakText(const QString &text) = 0;
    virtual void StopSpeech() = 0;
    // Plays a sound file asynchronously; throws TError with a message when it cannot.
    virtual void PlaySoundFile(const QString &fileName) = 0;
    // The settings of the output in use, as the configuration stores them.
    virtual TVoiceSettings GetVoiceSettings() const { return {}; }
    // Starts the output the settings ask for and restores its voice; false when none runs.
    virtual bool ApplyVoiceSettings(const TVoiceSettings &settings) {
        Q_UNUSED(settings);
        return false;
    }
    // The system speech engine comes with the main window and goes with it.
    virtual void CreateSapiVoice() {}
    virtual void FreeSapiVoice() {}
    // The voice unit behind this output, for the dialogs that choose and tune it; none when
    // there is no real speech output.
    virtual TVoice *Voice() { return nullptr; }
    // The scan's spoken prompts; none when nothing can speak them.
    virtual TPromptSpeech *Prompts() { return nullptr; }
    // Where the voice and the prompts are heard; none when that cannot be chosen.
    virtual TAudioRouting *Routing() { return nullptr; }

    // Whether the end of the text SpeakText took last will be told (the engine in use knows
    // it), on the user-interface thread, to the function set here.
    virtual bool TellsSpeechEnd() const { return false; }
    void SetOnSpeechDone(std::function<void()> done) { FOnSpeechDone = std::move(done); }

protected:
    void SpeechDone() {
        if (FOnSpeechDone)
            FOnSpeechDone();
    }

private:
    std::function<void()> FOnSpeechDone;
};

// No speech output: nothing is read aloud and every call says so by its result.
class TNoSpeech final : public TSpeechOutput {
public:
    bool SpeakText(const QString &) override { return false; }
    void StopSpeech() override {}
    void PlaySoundFile(const QString &fileName) override;
};
