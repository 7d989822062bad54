#pragma once

#include "SpeechVoice.h"

#include <atomic>
#include <memory>

class TSpdVoice;

// The system speech engine as the user sees it: the embedded eSpeak NG voices first (their
// places in the list are the ones the configuration stores), then the voices of the desktop's
// speech service. A text or prompt goes to the engine of its voice; when the service has gone,
// the embedded engine speaks instead, so the user is never left without a voice.
class TSystemVoice final : public TSpeechVoice {
public:
    TSystemVoice(std::unique_ptr<TSpeechVoice> embedded, std::unique_ptr<TSpdVoice> service);
    ~TSystemVoice() override;

    QList<TVoiceToken> GetVoices() override;
    TVoiceToken Voice() override;
    TVoiceToken StoredVoice() override;
    bool SetVoice(const TVoiceToken &token) override;
    int Rate() const override;
    bool SetRate(int rate) override;
    int Volume() const override;
    bool SetVolume(int volume) override;
    bool Speak(const QString &text) override;
    bool SpeakPrompt(const QString &text, const QString &voiceId, int rate, int volume,
                     TPromptHeard heard) override;
    void CutPrompt() override;
    void SetOnTextHeard(TPromptHeard heard) override;

    // The service's voice chosen (empty: an embedded one), kept apart from the configuration.
    QString ServiceVoiceId() const override { return FServiceVoice; }
    // Chooses a service voice by its id once the service has listed it (at once if it has).
    void SetServiceVoiceId(const QString &id) override;

private:
    bool UsesService();

    std::unique_ptr<TSpeechVoice> FEmbedded;
    std::unique_ptr<TSpdVoice> FService;
    QString FServiceVoice; // chosen, or wanted until the service lists it
    // Which engine speaks the last text: only its end is told.
    std::shared_ptr<std::atomic<bool>> FTextOnService = std::make_shared<std::atomic<bool>>(false);
};
