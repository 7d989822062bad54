#include "VoiceOutput.h"

#include "Error.h"
#include "SpeechVoice.h"
#include "Voice.h"
#include "VoiceStrings.h"

bool TVoiceOutput::SpeakText(const QString &text) {
    // Only the system engine tells when a text has been heard; the outside servers do not.
    TSpeechVoice *engine = FVoice.ActiveEngine() == veSapi5 ? FVoice.SapiVoice() : nullptr;
    if (engine)
        engine->SetOnTextHeard(FSpeechEnd.Expect());
    else
        FSpeechEnd.Cancel();
    return FVoice.SpeakText(text);
}

bool TVoiceOutput::TellsSpeechEnd() const {
    return FVoice.ActiveEngine() == veSapi5 && FVoice.SapiVoice();
}

void TVoiceOutput::StopSpeech() {
    FVoice.StopSpeech();
}

void TVoiceOutput::PlaySoundFile(const QString &fileName) {
    if (!FVoice.PlaySoundFile(fileName))
        throw TError(VoiceStrings::SoundFailed);
}

TVoiceSettings TVoiceOutput::GetVoiceSettings() const {
    return FVoice.GetVoiceSettings();
}

bool TVoiceOutput::ApplyVoiceSettings(const TVoiceSettings &settings) {
    return FVoice.ApplyVoiceSettings(settings);
}

void TVoiceOutput::CreateSapiVoice() {
    FVoice.CreateSapiVoice();
}

void TVoiceOutput::FreeSapiVoice() {
    FVoice.FreeSapiVoice();
}
