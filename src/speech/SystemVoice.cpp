#include "SystemVoice.h"

#include "SpdVoice.h"

TSystemVoice::TSystemVoice(std::unique_ptr<TSpeechVoice> embedded,
                           std::unique_ptr<TSpdVoice> service)
    : FEmbedded(std::move(embedded))
    , FService(std::move(service)) {}

TSystemVoice::~TSystemVoice() = default;

QList<TVoiceToken> TSystemVoice::GetVoices() {
    QList<TVoiceToken> voices = FEmbedded->GetVoices();
    if (FService)
        voices.append(FService->GetVoices());
    return voices;
}

bool TSystemVoice::UsesService() {
    if (FServiceVoice.isEmpty() || !FService || !FService->Available())
        return false;
    // A voice wanted before the service had listed its voices is taken now.
    if (FService->Voice().Id != FServiceVoice)
        return FService->SetVoice(TVoiceToken{FServiceVoice, {}});
    return true;
}

TVoiceToken TSystemVoice::Voice() {
    return UsesService() ? FService->Voice() : FEmbedded->Voice();
}

TVoiceToken TSystemVoice::StoredVoice() {
    return FEmbedded->Voice();
}

bool TSystemVoice::SetVoice(const TVoiceToken &token) {
    if (TSpdVoice::IsServiceVoice(token.Id)) {
        if (!FService || !FService->SetVoice(token))
            return false;
        FServiceVoice = token.Id;
        return true;
    }
    if (!FEmbedded->SetVoice(token))
        return false;
    FServiceVoice.clear();
    return true;
}

void TSystemVoice::SetServiceVoiceId(const QString &id) {
    FServiceVoice = TSpdVoice::IsServiceVoice(id) ? id : QString();
    UsesService();
}

int TSystemVoice::Rate() const {
    return FEmbedded->Rate();
}

bool TSystemVoice::SetRate(int rate) {
    if (FService)
        FService->SetRate(rate);
    return FEmbedded->SetRate(rate);
}

int TSystemVoice::Volume() const {
    return FEmbedded->Volume();
}

bool TSystemVoice::SetVolume(int volume) {
    if (FService)
        FService->SetVolume(volume);
    return FEmbedded->SetVolume(volume);
}

bool TSystemVoice::Speak(const QString &text) {
    if (UsesService()) {
        *FTextOnService = true;
        if (FService->Speak(text)) {
            // What the embedded engine still says would talk over it.
            FEmbedded->Speak(QString());
            return true;
        }
    }
    *FTextOnService = false;
    return FEmbedded->Speak(text);
}

void TSystemVoice::SetOnTextHeard(TPromptHeard heard) {
    const auto on = FTextOnService;
    FEmbedded->SetOnTextHeard([on, heard](qint64 ms) {
        if (!*on && heard)
            heard(ms);
    });
    if (FService)
        FService->SetOnTextHeard([on, heard](qint64 ms) {
            if (*on && heard)
                heard(ms);
        });
}

bool TSystemVoice::SpeakPrompt(const QString &text, const QString &voiceId, int rate, int volume,
                               TPromptHeard heard) {
    if (TSpdVoice::IsServiceVoice(voiceId) && FService && FService->Available()) {
        FEmbedded->CutPrompt();
        return FService->SpeakPrompt(text, voiceId, rate, volume, std::move(heard));
    }
    if (FService)
        FService->CutPrompt();
    // A service voice that is not there gives way to the default voice.
    return FEmbedded->SpeakPrompt(text, TSpdVoice::IsServiceVoice(voiceId) ? QString() : voiceId,
                                  rate, volume, std::move(heard));
}

void TSystemVoice::CutPrompt() {
    if (FService)
        FService->CutPrompt();
    FEmbedded->CutPrompt();
}
