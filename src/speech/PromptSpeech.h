#pragma once

#include <QString>
#include <functional>

// The voice the scan's prompts speak in, apart from the voice the user speaks with.
struct TPromptVoice {
    QString VoiceId;  // empty: the default voice of the interface's language
    int Rate = 0;     // -10..10
    int Volume = 100; // 0..100

    bool operator==(const TPromptVoice &) const = default;
};

// Short spoken prompts that tell where the scanning cursor is. A prompt cuts the one before it
// (prompts never queue up) but waits for the user's own speech to end rather than cut it. The
// end of each prompt that was heard to its end is reported, on the user-interface thread, so
// that the scan can wait for it.
class TPromptSpeech {
public:
    using TPromptDone = std::function<void()>;

    virtual ~TPromptSpeech() = default;
    // Starts speaking `text` in `voice`; false when nothing can speak it (no end will come).
    virtual bool SpeakPrompt(const QString &text, const TPromptVoice &voice) = 0;
    // Silences the prompt being spoken or waiting; its end is never reported.
    virtual void CutPrompt() = 0;

    void SetOnPromptDone(TPromptDone done) { FOnPromptDone = std::move(done); }

protected:
    void PromptDone() {
        if (FOnPromptDone)
            FOnPromptDone();
    }

private:
    TPromptDone FOnPromptDone;
};
