#pragma once

#include "PromptSpeech.h"

#include <QList>
#include <QStringList>

// Prompts for tests: records each prompt and cut in order ("say TEXT", "cut"), and ends the
// prompt speaking only when the test says so.
class TRecordingPrompts final : public TPromptSpeech {
public:
    QStringList Log;
    QList<TPromptVoice> Voices;
    // Whether a prompt is speaking (started, neither ended nor cut).
    bool Speaking = false;

    bool SpeakPrompt(const QString &text, const TPromptVoice &voice) override {
        Log << QStringLiteral("say ") + text;
        Voices << voice;
        Speaking = true;
        return true;
    }
    void CutPrompt() override {
        if (Speaking)
            Log << QStringLiteral("cut");
        Speaking = false;
    }
    // The prompt speaking is heard to its end.
    void Finish() {
        if (!Speaking)
            return;
        Speaking = false;
        PromptDone();
    }
};
