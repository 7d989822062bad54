#include "AudioOutput.h"

#include "PulseDevice.h"

#include <chrono>

TAudioOutput::TAudioOutput(int maxQueuedMs, TMakeDevice makeDevice)
    : FMaxQueuedMs(maxQueuedMs) {
    FDevice = makeDevice ? makeDevice() : std::make_unique<TPulseDevice>();
    FCore = std::make_unique<TOutputCore>(*FDevice);
    FThread = std::thread([this] { Run(); });
}

TAudioOutput::~TAudioOutput() {
    {
        std::lock_guard lock(FMutex);
        FQuit = true;
    }
    FWake.notify_all();
    FDrained.notify_all();
    FThread.join();
    FDevice->Close();
}

qint64 TAudioOutput::Now() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void TAudioOutput::SetOnHealth(TOnHealth onHealth) {
    std::lock_guard lock(FMutex);
    FOnHealth = std::move(onHealth);
}

void TAudioOutput::SetDevice(const QString &device) {
    std::lock_guard lock(FMutex);
    FCore->SetDevice(device);
}

void TAudioOutput::Begin(int sampleRate, int channels) {
    std::lock_guard lock(FMutex);
    FCore->Begin(sampleRate, channels);
}

void TAudioOutput::Write(const qint16 *samples, qsizetype count) {
    std::unique_lock lock(FMutex);
    if (FQuit)
        return;
    const quint64 purges = FPurges;
    if (FMaxQueuedMs > 0) {
        const qint64 limit =
            qint64(FCore->SampleRate()) * FCore->Channels() * 2 * FMaxQueuedMs / 1000;
        // The audio thread drops the queue when the output fails, so this never hangs.
        FDrained.wait(lock, [&] { return FCore->Queued() <= limit || FPurges != purges || FQuit; });
        if (FPurges != purges || FQuit)
            return;
    }
    FCore->Append(reinterpret_cast<const char *>(samples), count * qsizetype(sizeof(qint16)));
    lock.unlock();
    FWake.notify_all();
}

void TAudioOutput::Purge() {
    {
        std::lock_guard lock(FMutex);
        FCore->Purge();
        ++FPurges;
    }
    FWake.notify_all();
    FDrained.notify_all();
}

bool TAudioOutput::Failing() const {
    std::lock_guard lock(FMutex);
    return FCore->Failing();
}

QString TAudioOutput::Error() const {
    std::lock_guard lock(FMutex);
    return FCore->Error();
}

qint64 TAudioOutput::Queued() const {
    std::lock_guard lock(FMutex);
    return FCore->Queued();
}

void TAudioOutput::Run() {
    std::unique_lock lock(FMutex);
    bool failing = false;
    while (!FQuit) {
        const int next = FCore->Step(Now());
        FDrained.notify_all();
        if (FCore->Failing() != failing) {
            failing = FCore->Failing();
            if (FOnHealth)
                FOnHealth(failing ? FCore->Error() : QString());
        }
        // Wakes for new samples, a purge or the end; otherwise at the turn the core asked for.
        const qint64 queued = FCore->Queued();
        const quint64 purges = FPurges;
        const auto changed = [&] {
            return FQuit || FCore->Queued() != queued || FPurges != purges;
        };
        if (next < 0)
            FWake.wait(lock, changed);
        else
            FWake.wait_for(lock, std::chrono::milliseconds(next), changed);
    }
}
