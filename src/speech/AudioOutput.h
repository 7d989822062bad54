#pragma once

#include "OutputCore.h"
#include "SampleSink.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// Samples to the desktop's sound server. A thread of its own feeds the stream from a queue, so
// neither the user-interface thread nor the producer ever waits for the sound server; the rules
// of feeding, closing and finding the way back to sound after a failure are `TOutputCore`'s.
// While the output is failing the samples are dropped as they come, so a producer runs to
// completion just the same and its timing stays that of real playing.
class TAudioOutput final : public TSampleSink {
public:
    using TMakeDevice = std::function<std::unique_ptr<TPcmDevice>()>;
    // Reports, from the audio thread, that sound failed (with the reason) or came back (empty).
    using TOnHealth = std::function<void(const QString &error)>;

    // Write waits while more than `maxQueuedMs` of audio is unplayed; 0 never waits. The device
    // is the sound server's unless another is made.
    explicit TAudioOutput(int maxQueuedMs, TMakeDevice makeDevice = {});
    ~TAudioOutput() override;
    TAudioOutput(const TAudioOutput &) = delete;
    TAudioOutput &operator=(const TAudioOutput &) = delete;

    void Begin(int sampleRate, int channels) override;
    void Write(const qint16 *samples, qsizetype count) override;
    void Purge() override;
    bool Failing() const override;
    QString Error() const override;

    void SetOnHealth(TOnHealth onHealth);
    // The output to play on from the next sound on, by its stable id (empty: the default).
    void SetDevice(const QString &device);
    qint64 Queued() const;

private:
    void Run();
    static qint64 Now();

    const int FMaxQueuedMs;
    std::unique_ptr<TPcmDevice> FDevice;
    std::unique_ptr<TOutputCore> FCore;
    mutable std::mutex FMutex;
    std::condition_variable FWake;    // the audio thread
    std::condition_variable FDrained; // a waiting producer
    quint64 FPurges = 0;
    bool FQuit = false;
    TOnHealth FOnHealth;
    std::thread FThread;
};
