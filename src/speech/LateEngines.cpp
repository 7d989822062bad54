#include "LateEngines.h"

#include "WaveFile.h"

TLateVoice::~TLateVoice() = default;

void TLateVoice::Attach(std::unique_ptr<TSpeechVoice> real) {
    if (!real)
        return;
    FReal = std::move(real);
    if (FVoice)
        FReal->SetVoice(*FVoice);
    FReal->SetVolume(FVolume);
    FReal->SetRate(FRate);
    if (!FServiceVoice.isEmpty())
        FReal->SetServiceVoiceId(FServiceVoice);
    if (FOnTextHeard)
        FReal->SetOnTextHeard(FOnTextHeard);
}

void TLateVoice::Flush() {
    if (!FReal)
        return;
    std::optional<QString> text = std::exchange(FText, std::nullopt);
    std::optional<TPrompt> prompt = std::exchange(FPrompt, std::nullopt);
    if (prompt && !FPromptAfterText) {
        FReal->SpeakPrompt(prompt->Text, prompt->VoiceId, prompt->Rate, prompt->Volume,
                           std::move(prompt->Heard));
        prompt.reset();
    }
    if (text)
        FReal->Speak(*text);
    if (prompt)
        FReal->SpeakPrompt(prompt->Text, prompt->VoiceId, prompt->Rate, prompt->Volume,
                           std::move(prompt->Heard));
}

void TLateVoice::Fail() {
    FFailed = true;
    FText.reset();
    FPrompt.reset();
}

QList<TVoiceToken> TLateVoice::GetVoices() {
    if (FReal)
        return FReal->GetVoices();
    if (!FFailed)
        FWanted();
    return {};
}

TVoiceToken TLateVoice::Voice() {
    return FReal ? FReal->Voice() : FVoice.value_or(TVoiceToken());
}

TVoiceToken TLateVoice::StoredVoice() {
    return FReal ? FReal->StoredVoice() : FVoice.value_or(TVoiceToken());
}

bool TLateVoice::SetVoice(const TVoiceToken &token) {
    if (FReal)
        return FReal->SetVoice(token);
    FVoice = token;
    return !FFailed;
}

int TLateVoice::Rate() const {
    return FReal ? FReal->Rate() : FRate;
}

bool TLateVoice::SetRate(int rate) {
    if (FReal)
        return FReal->SetRate(rate);
    FRate = rate;
    return !FFailed;
}

int TLateVoice::Volume() const {
    return FReal ? FReal->Volume() : FVolume;
}

bool TLateVoice::SetVolume(int volume) {
    if (FReal)
        return FReal->SetVolume(volume);
    FVolume = volume;
    return !FFailed;
}

bool TLateVoice::Speak(const QString &text) {
    if (FReal)
        return FReal->Speak(text);
    if (FFailed)
        return false;
    FWanted();
    // A newer text drops the older, as the engine would; it cuts a prompt asked for before it
    // short, which counts as heard.
    FText = text;
    if (FPrompt && !FPromptAfterText) {
        if (FPrompt->Heard)
            FPrompt->Heard(0);
        FPrompt.reset();
    }
    return true;
}

bool TLateVoice::SpeakPrompt(const QString &text, const QString &voiceId, int rate, int volume,
                             TPromptHeard heard) {
    if (FReal)
        return FReal->SpeakPrompt(text, voiceId, rate, volume, std::move(heard));
    if (FFailed)
        return false;
    FWanted();
    // A newer prompt cuts the older, which is then never told heard.
    FPrompt = TPrompt{text, voiceId, rate, volume, std::move(heard)};
    FPromptAfterText = FText.has_value();
    return true;
}

void TLateVoice::CutPrompt() {
    if (FReal)
        FReal->CutPrompt();
    else
        FPrompt.reset();
}

void TLateVoice::SetOnTextHeard(TPromptHeard heard) {
    if (FReal)
        FReal->SetOnTextHeard(std::move(heard));
    else
        FOnTextHeard = std::move(heard);
}

QString TLateVoice::ServiceVoiceId() const {
    return FReal ? FReal->ServiceVoiceId() : FServiceVoice;
}

void TLateVoice::SetServiceVoiceId(const QString &id) {
    if (FReal)
        FReal->SetServiceVoiceId(id);
    else
        FServiceVoice = id;
}

void TLateSounds::Attach(TSoundPlayer *real) {
    FReal = real;
    if (FReal && FPending)
        FReal->Play(*FPending);
    FPending.reset();
}

bool TLateSounds::Play(const QString &name) {
    if (FReal)
        return FReal->Play(name);
    // Checked now, as the player checks it: a sound that cannot play is told at once.
    if (FFailed || !FindPlayableSound(name, FDefaultSound))
        return false;
    FWanted();
    FPending = name;
    return true;
}

void TLateRouting::Attach(TAudioRouting *real) {
    FReal = real;
    if (FReal && FRoute)
        FReal->Route(FRoute->first, FRoute->second);
    FRoute.reset();
}

QList<TAudioRouting::TDevice> TLateRouting::Devices() {
    if (FReal)
        return FReal->Devices();
    FWanted();
    return {};
}

void TLateRouting::Route(const QString &speech, const QString &prompts) {
    if (FReal)
        FReal->Route(speech, prompts);
    else
        FRoute = {speech, prompts};
}
