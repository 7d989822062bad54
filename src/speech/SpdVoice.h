#pragma once

#include "SpeechVoice.h"

#include <QList>
#include <QString>
#include <memory>

// The desktop's speech service (Speech Dispatcher) as a system speech engine: the voices of each
// of its output modules, speaking, and the end of each utterance. Everything that talks to the
// service happens on a thread of its own, so no call here waits for it: the voice list is what
// the service has told so far (empty until it answered, and for good when there is none), and a
// service that stops answering costs the user-interface thread nothing. Voice ids are
// "spd:" + module + "/" + voice name.
class TSpdVoice final : public TSpeechVoice {
public:
    // `address` is the service's ("unix_socket:PATH"); empty for the desktop's own.
    explicit TSpdVoice(QString address = {});
    ~TSpdVoice() override;
    TSpdVoice(const TSpdVoice &) = delete;
    TSpdVoice &operator=(const TSpdVoice &) = delete;

    static bool IsServiceVoice(const QString &id) { return id.startsWith(QLatin1String("spd:")); }

    QList<TVoiceToken> GetVoices() override;
    TVoiceToken Voice() override;
    bool SetVoice(const TVoiceToken &token) override;
    int Rate() const override;
    bool SetRate(int rate) override;
    int Volume() const override;
    bool SetVolume(int volume) override;
    // False when the service is not there (or has gone).
    bool Speak(const QString &text) override;
    bool SpeakPrompt(const QString &text, const QString &voiceId, int rate, int volume,
                     TPromptHeard heard) override;
    void CutPrompt() override;

    // Connected, with its voices known.
    bool Available() const;
    // Told, from the service's thread, when a text has been spoken to its end (with 0).
    void SetOnTextHeard(TPromptHeard heard) override;
    // Waits up to `ms` for the service to answer or be found absent (tests).
    bool WaitUntilSettled(int ms);
    // Waits up to `ms` until nothing is being spoken or waiting (tests).
    bool WaitUntilIdle(int ms);

    // The service's rate and volume (-100..100) for ours.
    static int ServiceRate(int rate) { return qBound(-10, rate, 10) * 10; }
    static int ServiceVolume(int volume) { return qBound(0, volume, 100) * 2 - 100; }

    struct TState; // shared with the service's thread, which may outlive a hung service

private:
    std::shared_ptr<TState> FState;
};
