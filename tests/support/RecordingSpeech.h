#pragma once

#include "RecordingPrompts.h"
#include "SpeechOutput.h"

#include <QList>
#include <QStringList>

// Speech for tests: records what would have been read aloud and played, and the voice settings
// asked for.
class TRecordingSpeech final : public TSpeechOutput {
public:
    QStringList Spoken;
    QStringList Sounds;
    int Stops = 0;
    // What GetVoiceSettings reports, every record ApplyVoiceSettings was given, and its answer.
    TVoiceSettings Voice;
    QList<TVoiceSettings> Applied;
    bool ApplyResult = true;
    // The scan's prompts.
    TRecordingPrompts PromptOutput;

    bool SpeakText(const QString &text) override {
        Spoken.append(text);
        return true;
    }
    void StopSpeech() override { ++Stops; }
    void PlaySoundFile(const QString &fileName) override { Sounds.append(fileName); }
    TVoiceSettings GetVoiceSettings() const override { return Voice; }
    bool ApplyVoiceSettings(const TVoiceSettings &settings) override {
        Applied.append(settings);
        if (ApplyResult)
            Voice = settings;
        return ApplyResult;
    }
    TPromptSpeech *Prompts() override { return &PromptOutput; }
    // Whether the end of each text is told, and telling it.
    bool TellsEnd = false;
    bool TellsSpeechEnd() const override { return TellsEnd; }
    void FinishSpeech() { SpeechDone(); }
};
