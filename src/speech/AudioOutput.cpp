#include "AudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <chrono>

namespace {

// Small enough that a purge is heard within it, large enough not to underrun on a busy machine.
constexpr int kDeviceBufferMs = 60;
// How long an output with nothing to play stays open before it is stopped.
constexpr int kIdleStopMs = 1000;
// A device that takes nothing for this long is treated as absent, so a producer never hangs.
constexpr auto kStallLimit = std::chrono::seconds(2);

// What the audio device reads: the output's queue.
class TQueueDevice final : public QIODevice {
public:
    explicit TQueueDevice(TAudioOutput &output)
        : FOutput(output) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return FOutput.Queued() + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override { return FOutput.Pull(data, maxSize); }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    TAudioOutput &FOutput;
};

} // namespace

TAudioOutput::TAudioOutput(int maxQueuedMs)
    : FMaxQueuedMs(maxQueuedMs) {
    FThread = new QThread;
    FThread->setObjectName(QStringLiteral("audio"));
    FContext = new QObject;
    FContext->moveToThread(FThread);
    FThread->start();
}

TAudioOutput::~TAudioOutput() {
    {
        std::lock_guard lock(FMutex);
        FQuit = true;
    }
    FDrained.notify_all();
    QMetaObject::invokeMethod(
        FContext,
        [this] {
            delete FSink;
            FSink = nullptr;
            delete FSource;
            FSource = nullptr;
        },
        Qt::BlockingQueuedConnection);
    FThread->quit();
    FThread->wait();
    delete FContext;
    delete FThread;
}

void TAudioOutput::Begin(int sampleRate, int channels) {
    std::lock_guard lock(FMutex);
    FSampleRate = sampleRate;
    FChannels = channels;
}

void TAudioOutput::Write(const qint16 *samples, qsizetype count) {
    std::unique_lock lock(FMutex);
    if (FNoDevice || FQuit)
        return;
    const quint64 purges = FPurges;
    if (FMaxQueuedMs > 0) {
        const qint64 limit = qint64(FSampleRate) * FChannels * 2 * FMaxQueuedMs / 1000;
        while (Queued() > limit && FPurges == purges && !FQuit && !FNoDevice) {
            const qint64 before = Queued();
            if (!FDrained.wait_for(lock, kStallLimit, [&] {
                    return Queued() < before || FPurges != purges || FQuit || FNoDevice;
                })) {
                FQueue.clear();
                FReadPos = 0;
                FNoDevice = true;
            }
        }
        if (FPurges != purges || FQuit || FNoDevice)
            return;
    }
    if (FReadPos > 0 && FReadPos == FQueue.size()) {
        FQueue.clear();
        FReadPos = 0;
    }
    FQueue.append(reinterpret_cast<const char *>(samples), count * qsizetype(sizeof(qint16)));
    lock.unlock();
    Kick();
}

void TAudioOutput::Purge() {
    {
        std::lock_guard lock(FMutex);
        FQueue.clear();
        FReadPos = 0;
        ++FPurges;
    }
    FDrained.notify_all();
}

qint64 TAudioOutput::Queued() const {
    return FQueue.size() - FReadPos;
}

qint64 TAudioOutput::Pull(char *data, qint64 maxSize) {
    qint64 n = 0;
    {
        std::lock_guard lock(FMutex);
        n = qMin(maxSize, Queued());
        // Whole samples only, so a purge never leaves half a sample behind.
        n -= n % 2;
        if (n > 0) {
            memcpy(data, FQueue.constData() + FReadPos, size_t(n));
            FReadPos += n;
            if (FReadPos > 65536 && FReadPos * 2 > FQueue.size()) {
                FQueue.remove(0, FReadPos);
                FReadPos = 0;
            }
        }
    }
    FDrained.notify_all();
    return n;
}

void TAudioOutput::Kick() {
    QMetaObject::invokeMethod(
        FContext, [this] { StartDevice(); }, Qt::QueuedConnection);
}

void TAudioOutput::StartDevice() {
    int rate = 0;
    int channels = 0;
    {
        std::lock_guard lock(FMutex);
        if (FNoDevice || FQuit || Queued() == 0)
            return;
        rate = FSampleRate;
        channels = FChannels;
    }
    if (FSink &&
        (FSink->format().sampleRate() != rate || FSink->format().channelCount() != channels)) {
        delete FSink;
        FSink = nullptr;
    }
    if (FSink && (FSink->state() == QAudio::ActiveState || FSink->state() == QAudio::IdleState))
        return;
    // A sink that was stopped is not started again: the sound server's stream may stay silent.
    if (FSink) {
        FSink->deleteLater();
        FSink = nullptr;
    }
    if (!FSink) {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        QAudioFormat format;
        format.setSampleRate(rate);
        format.setChannelCount(channels);
        format.setSampleFormat(QAudioFormat::Int16);
        if (device.isNull() || !device.isFormatSupported(format)) {
            std::lock_guard lock(FMutex);
            FNoDevice = true;
            FQueue.clear();
            FReadPos = 0;
            FDrained.notify_all();
            return;
        }
        FSink = new QAudioSink(device, format, FContext);
        FSink->setBufferSize(rate * channels * 2 * kDeviceBufferMs / 1000);
        // Stop once the queue has stayed dry for a while, so that an idle output wakes nobody.
        // Not at once: the synthesizer delivers a text in pieces, the queue runs dry between
        // them, and stopping the sink throws away what the sound server has not played yet.
        QAudioSink *sink = FSink;
        QObject::connect(sink, &QAudioSink::stateChanged, FContext,
                         [this, sink](QAudio::State state) {
                             if (state != QAudio::IdleState)
                                 return;
                             QTimer::singleShot(kIdleStopMs, sink, [this, sink] {
                                 bool dry = false;
                                 {
                                     std::lock_guard lock(FMutex);
                                     dry = Queued() == 0;
                                 }
                                 if (dry && sink->state() == QAudio::IdleState)
                                     sink->stop();
                             });
                         });
    }
    if (!FSource)
        FSource = new TQueueDevice(*this);
    FSink->start(FSource);
    if (FSink->error() != QAudio::NoError) {
        std::lock_guard lock(FMutex);
        FQueue.clear();
        FReadPos = 0;
        FDrained.notify_all();
    }
}
