#pragma once

#include "PcmDevice.h"

#include <QByteArray>
#include <QString>

// The rules of the audio output, without threads or clocks of its own: a queue of samples, the
// stream it feeds, and how the output finds its way back to sound. A stream is opened when
// samples wait and closed when none came for a while. A server that cannot be reached, a stream
// that fails, and a stream that takes nothing for a while all end the same way: the queue is
// dropped (so a producer never hangs), the output says it is failing, and the next stream (or a
// later turn of a long one) tries again. The output is healthy again as soon as sound flows.
class TOutputCore {
public:
    // How long a stream with nothing to play stays open.
    static constexpr qint64 IdleCloseMs = 1000;
    // A stream that takes nothing for this long while samples wait is taken as lost.
    static constexpr qint64 StallMs = 2000;
    // How long a connection may take to come up.
    static constexpr qint64 ConnectMs = 2000;
    // How often a long stream tries again after a failure.
    static constexpr qint64 RetryMs = 1000;
    // The turn while sound flows or a connection comes up.
    static constexpr int PollMs = 10;

    explicit TOutputCore(TPcmDevice &device)
        : FDevice(device) {}

    // A new stream of this format follows; it tries the device again even after a failure.
    void Begin(int sampleRate, int channels);
    // The output to play on from the next stream on (empty: the system's default).
    void SetDevice(const QString &device);
    void Append(const char *data, qint64 size);
    // Drops everything not yet played, in the queue and in the stream.
    void Purge();
    qint64 Queued() const { return FQueue.size() - FReadPos; }
    int SampleRate() const { return FSampleRate; }
    int Channels() const { return FChannels; }

    // One turn at time `now` (ms of a steady clock): connects, feeds the stream what it takes,
    // notices failures and stalls, closes an idle stream. Returns the ms until the next turn is
    // due, or -1 when nothing is to be done until samples come.
    int Step(qint64 now);

    // The last stream could not be played and nothing has been heard since.
    bool Failing() const { return FFailing; }
    QString Error() const { return FError; }
    // How many times the output has failed; a waiting producer watches it.
    quint64 Failures() const { return FFailures; }
    bool IsOpen() const { return FOpen; }

private:
    void Fail(const QString &error, qint64 now);
    void DropQueue();

    TPcmDevice &FDevice;
    QByteArray FQueue;
    qsizetype FReadPos = 0;
    int FSampleRate = 22050;
    int FChannels = 1;
    int FOpenRate = 0;
    int FOpenChannels = 0;
    bool FOpen = false;
    bool FReady = false;
    bool FPurged = false;
    bool FRetry = true;
    bool FFailing = false;
    bool FWaiting = false; // samples waited at the last turn
    qint64 FOpenedAt = 0;
    qint64 FLastTaken = 0;
    qint64 FLastFed = 0;
    qint64 FFailedAt = 0;
    quint64 FFailures = 0;
    QString FError;
    QString FDeviceName;
};
