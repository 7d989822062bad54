#pragma once

#include "SpeechOutput.h"

#include <QList>
#include <QStringList>

// Speech for tests: records what would have been read aloud and played.
class TRecordingSpeech final : public TSpeechOutput {
public:
    QStringList Spoken;
    QStringList Sounds;
    int Stops = 0;

    bool SpeakText(const QString &text) override {
        Spoken.append(text);
        return true;
    }
    void StopSpeech() override { ++Stops; }
    void PlaySoundFile(const QString &fileName) override { Sounds.append(fileName); }
    // Every start succeeds, so the window shows no start-up message.
    QList<TVoiceSettings> Applied;
    bool ApplyVoiceSettings(const TVoiceSettings &settings) override {
        Applied.append(settings);
        return true;
    }
};
