#include "VoicePrompts.h"

#include "Voice.h"

TVoicePrompts::TVoicePrompts(TVoice &voice, QObject *parent)
    : QObject(parent)
    , FVoice(voice)
    , FEnd([this] { PromptDone(); }) {}

bool TVoicePrompts::SpeakPrompt(const QString &text, const TPromptVoice &voice) {
    return FVoice.SpeakPrompt(text, voice, FEnd.Expect());
}

void TVoicePrompts::CutPrompt() {
    FEnd.Cancel();
    FVoice.CutPrompt();
}
