#pragma once

#include "SpeechVoice.h"

#include <QList>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class TSampleSink;

// The system speech engine on the eSpeak NG library. The library runs on a thread of its own:
// it comes up there when the engine is made (the voice list with it), and every text is
// synthesized there, so the caller never waits for speech. Speak drops the text being spoken and
// the samples not yet played before the new text starts. The library is process-wide, so only
// one engine may exist at a time.
class TSpVoice final : public TSpeechVoice {
public:
    // How much speech may wait unplayed in the output before synthesis pauses.
    static constexpr int QueueMs = 250;

    // `sink` receives the speech (the sound server when none is given); the voice of
    // `language` (a language tag) speaks until another is chosen.
    // Prompts go to `promptSink` when one is given (the user's own headphones, say).
    explicit TSpVoice(std::shared_ptr<TSampleSink> sink = nullptr,
                      QString language = QStringLiteral("cs"),
                      std::shared_ptr<TSampleSink> promptSink = nullptr);
    ~TSpVoice() override;
    TSpVoice(const TSpVoice &) = delete;
    TSpVoice &operator=(const TSpVoice &) = delete;

    // The voices in eSpeak NG's order; waits for the engine to come up.
    QList<TVoiceToken> GetVoices() override;
    // The voice of the default language until another is chosen.
    TVoiceToken Voice() override;
    bool SetVoice(const TVoiceToken &token) override;
    int Rate() const override { return FRate; }
    bool SetRate(int rate) override;
    int Volume() const override { return FVolume; }
    bool SetVolume(int volume) override;
    bool Speak(const QString &text) override;
    bool SpeakPrompt(const QString &text, const QString &voiceId, int rate, int volume,
                     TPromptHeard heard) override;
    void CutPrompt() override;
    void SetOnTextHeard(TPromptHeard heard) override;

    // Waits until every text handed over has been spoken or dropped (tests and measurements).
    void WaitUntilIdle();

    // eSpeak NG's words per minute for a rate of -10..10: 175 (its normal speed) times the rate's
    // factor (three times slower at -10, three times faster at 10), kept within 80..450, the
    // speeds the library supports.
    static int WordsPerMinute(int rate);
    // eSpeak NG's volume for 0..100: the same number. Its normal loudness is 100; what lies above
    // amplifies and distorts, so full volume stays at normal loudness.
    static int EngineVolume(int volume);

    // The library's callback hands the samples of text `generation` here (synthesis thread);
    // 1 stops the synthesis because a newer text came (or, for a prompt, a newer prompt).
    int Deliver(quint64 generation, quint64 prompt, const short *samples, int count);

private:
    struct TRequest {
        QString Text;
        QString VoiceId;
        int Rate = 0;
        int Volume = 100;
        quint64 Generation = 0;
        quint64 Prompt = 0; // a prompt's number; 0 for a text
        TPromptHeard Heard;
    };
    bool Current(quint64 generation, quint64 prompt) const {
        return FGeneration == generation && (prompt == 0 || FPromptGeneration == prompt);
    }
    // Milliseconds of a steady clock.
    static qint64 Now();
    void Run();
    void WaitUntilReady();
    void Synthesize(const TRequest &request);

    std::shared_ptr<TSampleSink> FSink;
    std::shared_ptr<TSampleSink> FPromptSink; // the same as FSink unless prompts have their own
    QString FLanguage;
    QString FVoiceId; // empty: the default language's voice
    int FRate = 0;
    int FVolume = 100;

    std::mutex FMutex;
    std::condition_variable FWake;
    std::condition_variable FChanged;
    bool FReady = false;
    bool FQuit = false;
    bool FBusy = false;
    int FSampleRate = 0; // 0: the library could not start
    QList<TVoiceToken> FVoices;
    QString FDefaultId;
    std::optional<TRequest> FPending;
    std::optional<TRequest> FPendingPrompt;
    std::atomic<quint64> FGeneration{0};
    std::atomic<quint64> FPromptGeneration{0};
    // What the sink heard last came from a prompt, so a new prompt may purge it.
    bool FPromptSounding = false;
    // When the sound handed to the sink will have been played (steady clock, ms).
    std::atomic<qint64> FAudioEnd{0};
    TPromptHeard FOnTextHeard;
    QString FLoadedVoice; // worker only
    std::thread FWorker;
};
