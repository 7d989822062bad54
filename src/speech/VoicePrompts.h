#pragma once

#include "EndTimer.h"
#include "PromptSpeech.h"

#include <QObject>

class TVoice;

// Prompts through the voice unit's system engine, whatever engine speaks the user's texts. The
// engine says how much sound a prompt made once it is synthesized; the end timer waits out what
// is still to be heard of it and then reports the end.
class TVoicePrompts final : public QObject, public TPromptSpeech {
    Q_OBJECT

public:
    explicit TVoicePrompts(TVoice &voice, QObject *parent = nullptr);

    bool SpeakPrompt(const QString &text, const TPromptVoice &voice) override;
    void CutPrompt() override;

private:
    TVoice &FVoice;
    TEndTimer FEnd;
};
