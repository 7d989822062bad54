#pragma once

#include "AutomationObject.h"
#include "DdeConversation.h"
#include "SampleSink.h"
#include "Shell.h"
#include "SoundPlayer.h"
#include "SpeechVoice.h"

#include <QList>
#include <QMutex>
#include <QSemaphore>
#include <QStringList>
#include <atomic>

// Recording stand-ins for the voice unit's engines.

class TFakeAutomation final : public TAutomationObject {
public:
    bool Present = false; // a server of that name exists
    QVariant InitResult = 1;
    QVariant SayResult = 1;
    QStringList Calls; // "Method(arg,arg)"

    bool Create(const QString &name) override {
        Calls.append(QStringLiteral("Create(%1)").arg(name));
        return Present;
    }
    std::optional<QVariant> Invoke(const QString &method, const QVariantList &args) override {
        QStringList texts;
        for (const QVariant &a : args)
            texts.append(a.toString());
        Calls.append(method + QLatin1Char('(') + texts.join(QLatin1Char(',')) + QLatin1Char(')'));
        if (!Present)
            return std::nullopt;
        if (method == QLatin1String("InitVoice"))
            return InitResult;
        if (method == QLatin1String("Say"))
            return SayResult;
        return QVariant();
    }
    void Release() override { Calls.append(QStringLiteral("Release()")); }
};

class TFakeDde final : public TDdeConversation {
public:
    bool Answers = true;
    QList<QByteArray> Commands;
    bool Execute(const QString &service, const QString &topic, const QByteArray &command) override {
        if (service != QLatin1String("CSVOICE") || topic != QLatin1String("SYSTEM"))
            return false;
        Commands.append(command);
        return Answers;
    }
};

class TFakeShell final : public TShell {
public:
    std::optional<QString> TlkCommand;
    std::int32_t LaunchResult = 42;
    struct TLaunch {
        QString File, Parameters;
        int Show;
        QString Directory;
    };
    QList<TLaunch> Launches;

    std::int32_t ExecuteFile(const QString &file, const QString &parameters, int show,
                             const QString &directory) override {
        Launches.append(TLaunch{file, parameters, show, directory});
        return file.isEmpty() ? 2 : LaunchResult;
    }
    std::optional<QString> OpenCommand(const QString &suffix) override {
        return suffix == QLatin1String("tlk") ? TlkCommand : std::nullopt;
    }
};

class TFakeSounds final : public TSoundPlayer {
public:
    QStringList Played;
    bool Starts = true;
    bool Play(const QString &name) override {
        Played.append(name);
        return Starts;
    }
};

class TFakeSapiVoice final : public TSpeechVoice {
public:
    QList<TVoiceToken> Voices;
    TVoiceToken Current;
    int FRate = 0;
    int FVolume = 100;
    QStringList Spoken;
    QStringList Calls;
    int ListFetches = 0;
    bool RefuseVolume = false;

    QList<TVoiceToken> GetVoices() override {
        ++ListFetches;
        return Voices;
    }
    TVoiceToken Voice() override { return Current; }
    bool SetVoice(const TVoiceToken &token) override {
        Calls.append(QStringLiteral("Voice=") + token.Id);
        Current = token;
        return true;
    }
    int Rate() const override { return FRate; }
    bool SetRate(int rate) override {
        Calls.append(QStringLiteral("Rate=%1").arg(rate));
        FRate = rate;
        return true;
    }
    int Volume() const override { return FVolume; }
    bool SetVolume(int volume) override {
        Calls.append(QStringLiteral("Volume=%1").arg(volume));
        if (RefuseVolume)
            return false;
        FVolume = volume;
        return true;
    }
    bool Speak(const QString &text) override {
        Spoken.append(text);
        return true;
    }
};

// Keeps every sample it is given. While `Hold` is set, the first Write of each stream waits
// until Release, so a test can act while an utterance is under way.
class TCaptureSink final : public TSampleSink {
public:
    std::atomic<bool> Hold{false};
    QSemaphore Started;
    QSemaphore Released;

    void Begin(int sampleRate, int channels) override {
        QMutexLocker lock(&FMutex);
        FRate = sampleRate;
        FChannels = channels;
        FStreams.append(QList<qint16>());
        FFirst = true;
    }
    void Write(const qint16 *samples, qsizetype count) override {
        bool wait = false;
        {
            QMutexLocker lock(&FMutex);
            if (FStreams.isEmpty())
                FStreams.append(QList<qint16>());
            FStreams.last().append(QList<qint16>(samples, samples + count));
            wait = FFirst && Hold;
            FFirst = false;
        }
        if (wait) {
            Started.release();
            Released.acquire();
        }
    }
    void Purge() override {
        QMutexLocker lock(&FMutex);
        ++FPurges;
    }

    QList<QList<qint16>> Streams() const {
        QMutexLocker lock(&FMutex);
        return FStreams;
    }
    int Rate() const {
        QMutexLocker lock(&FMutex);
        return FRate;
    }
    int Channels() const {
        QMutexLocker lock(&FMutex);
        return FChannels;
    }
    int Purges() const {
        QMutexLocker lock(&FMutex);
        return FPurges;
    }

private:
    mutable QMutex FMutex;
    QList<QList<qint16>> FStreams;
    int FRate = 0;
    int FChannels = 0;
    int FPurges = 0;
    bool FFirst = false;
};
