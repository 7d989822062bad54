#include "VoicePrompts.h"

#include "Voice.h"

#include <mutex>

struct TVoicePrompts::TLink {
    std::mutex Mutex;
    TVoicePrompts *Owner = nullptr;
};

TVoicePrompts::TVoicePrompts(TVoice &voice, QObject *parent)
    : QObject(parent)
    , FVoice(voice)
    , FLink(std::make_shared<TLink>()) {
    FLink->Owner = this;
    FEnd.setSingleShot(true);
    FEnd.setTimerType(Qt::PreciseTimer);
    connect(&FEnd, &QTimer::timeout, this, [this] { PromptDone(); });
}

TVoicePrompts::~TVoicePrompts() {
    std::lock_guard lock(FLink->Mutex);
    FLink->Owner = nullptr;
}

bool TVoicePrompts::SpeakPrompt(const QString &text, const TPromptVoice &voice) {
    const quint64 prompt = ++FPrompt;
    FEnd.stop();
    const std::weak_ptr<TLink> link = FLink;
    return FVoice.SpeakPrompt(text, voice, [link, prompt](qint64 remainingMs) {
        // From the engine's thread: posted while the owner is known to live.
        const std::shared_ptr<TLink> alive = link.lock();
        if (!alive)
            return;
        std::lock_guard lock(alive->Mutex);
        if (TVoicePrompts *owner = alive->Owner)
            QMetaObject::invokeMethod(
                owner, [owner, prompt, remainingMs] { owner->Heard(prompt, remainingMs); },
                Qt::QueuedConnection);
    });
}

void TVoicePrompts::CutPrompt() {
    ++FPrompt;
    FEnd.stop();
    FVoice.CutPrompt();
}

void TVoicePrompts::Heard(quint64 prompt, qint64 remainingMs) {
    // A later prompt, or a cut, made this one's end meaningless.
    if (prompt != FPrompt)
        return;
    FEnd.start(int(qBound(qint64(0), remainingMs, qint64(60000))));
}
