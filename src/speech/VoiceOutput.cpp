#include "VoiceOutput.h"

#include "Error.h"
#include "Voice.h"
#include "VoiceStrings.h"

bool TVoiceOutput::SpeakText(const QString &text) {
    return FVoice.SpeakText(text);
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
