#pragma once

#include "SpeechOutput.h"
#include "VoicePrompts.h"

class TVoice;

// The main window's speech output on the voice unit.
class TVoiceOutput final : public TSpeechOutput {
public:
    explicit TVoiceOutput(TVoice &voice, TAudioRouting *routing = nullptr)
        : FVoice(voice)
        , FRouting(routing)
        , FPrompts(voice)
        , FSpeechEnd([this] { SpeechDone(); }) {}

    bool SpeakText(const QString &text) override;
    void StopSpeech() override;
    // Throws TError when the sound cannot be played.
    void PlaySoundFile(const QString &fileName) override;
    TVoiceSettings GetVoiceSettings() const override;
    bool ApplyVoiceSettings(const TVoiceSettings &settings) override;
    void CreateSapiVoice() override;
    void FreeSapiVoice() override;
    TVoice *Voice() override { return &FVoice; }
    TPromptSpeech *Prompts() override { return &FPrompts; }
    TAudioRouting *Routing() override { return FRouting; }
    bool TellsSpeechEnd() const override;

private:
    TVoice &FVoice;
    TAudioRouting *FRouting;
    TVoicePrompts FPrompts;
    TEndTimer FSpeechEnd;
};
