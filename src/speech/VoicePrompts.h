#pragma once

#include "PromptSpeech.h"

#include <QObject>
#include <QTimer>
#include <memory>

class TVoice;

// Prompts through the voice unit's system engine, whatever engine speaks the user's texts. The
// engine says how much sound a prompt made once it is synthesized; a timer waits out what is
// still to be heard of it and then reports the end.
class TVoicePrompts final : public QObject, public TPromptSpeech {
    Q_OBJECT

public:
    explicit TVoicePrompts(TVoice &voice, QObject *parent = nullptr);
    ~TVoicePrompts() override;

    bool SpeakPrompt(const QString &text, const TPromptVoice &voice) override;
    void CutPrompt() override;

private:
    // Carries an engine's report over to this object's thread, and no further once it is gone.
    struct TLink;

    void Heard(quint64 prompt, qint64 remainingMs);

    TVoice &FVoice;
    QTimer FEnd;
    quint64 FPrompt = 0;
    std::shared_ptr<TLink> FLink;
};
