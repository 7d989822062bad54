#pragma once

#include "AudioRouting.h"
#include "SoundPlayer.h"
#include "SpeechVoice.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

// Stand-ins for the engines while their module is still loading: what is asked of them before
// is kept and handed on when the engines come, so a key pressed in the first moments is still
// spoken and the settings read at start are the ones the engines get. Used from the
// user-interface thread only; nothing here ever waits.
//
// The engines are loaded when first wanted: the first request that needs them (a text, a prompt
// or a sound to play, the list of voices or of outputs) tells SetOnWanted's function, once.
// Settings kept for later do not.

// A function told once.
class TOnce {
public:
    void Set(std::function<void()> what) { FWhat = std::move(what); }
    void operator()() {
        if (FWhat)
            std::exchange(FWhat, {})();
    }

private:
    std::function<void()> FWhat;
};

class TLateVoice final : public TSpeechVoice {
public:
    ~TLateVoice() override;

    // The real engine came. Rate, volume and the other settings asked for meanwhile are handed
    // to it; the text and prompt asked for wait for Flush, so that the voice settings kept by
    // whoever uses this engine can be applied first.
    void Attach(std::unique_ptr<TSpeechVoice> real);
    // Speaks what was asked for before the engine came, in the order it was asked.
    void Flush();
    // The engines cannot come: what is asked from now on is refused, as by an engine that is
    // not installed.
    void Fail();
    void SetOnWanted(std::function<void()> wanted) { FWanted.Set(std::move(wanted)); }

    bool Ready() const override { return bool(FReal); }
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
    QString ServiceVoiceId() const override;
    void SetServiceVoiceId(const QString &id) override;

private:
    struct TPrompt {
        QString Text;
        QString VoiceId;
        int Rate = 0;
        int Volume = 100;
        TPromptHeard Heard;
    };

    std::unique_ptr<TSpeechVoice> FReal;
    bool FFailed = false;
    std::optional<TVoiceToken> FVoice;
    int FRate = 0;
    int FVolume = 100;
    QString FServiceVoice;
    TPromptHeard FOnTextHeard;
    std::optional<QString> FText;
    std::optional<TPrompt> FPrompt;
    bool FPromptAfterText = false;
    TOnce FWanted;
};

// Plays the last sound asked for once the player comes; the file is checked at once.
class TLateSounds final : public TSoundPlayer {
public:
    explicit TLateSounds(QString defaultSound)
        : FDefaultSound(std::move(defaultSound)) {}

    void Attach(TSoundPlayer *real);
    void Fail() { FFailed = true; }
    void SetOnWanted(std::function<void()> wanted) { FWanted.Set(std::move(wanted)); }
    bool Play(const QString &name) override;

private:
    QString FDefaultSound;
    TSoundPlayer *FReal = nullptr;
    bool FFailed = false;
    std::optional<QString> FPending;
    TOnce FWanted;
};

// No outputs until the sound server's routing comes; the last choice is handed on.
class TLateRouting final : public TAudioRouting {
public:
    void Attach(TAudioRouting *real);
    void SetOnWanted(std::function<void()> wanted) { FWanted.Set(std::move(wanted)); }
    QList<TDevice> Devices() override;
    void Route(const QString &speech, const QString &prompts) override;

private:
    TAudioRouting *FReal = nullptr;
    std::optional<std::pair<QString, QString>> FRoute;
    TOnce FWanted;
};
