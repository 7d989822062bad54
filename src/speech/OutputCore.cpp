#include "OutputCore.h"

#include <QtGlobal>

void TOutputCore::Begin(int sampleRate, int channels) {
    FSampleRate = sampleRate;
    FChannels = channels;
    FRetry = true;
}

void TOutputCore::SetDevice(const QString &device) {
    if (device == FDeviceName)
        return;
    FDeviceName = device;
    // A stream open on the old device goes; the next samples open one on the new.
    if (FOpen) {
        FDevice.Close();
        FOpen = FReady = false;
    }
}

void TOutputCore::Append(const char *data, qint64 size) {
    if (FReadPos > 0 && FReadPos == FQueue.size()) {
        FQueue.clear();
        FReadPos = 0;
    }
    FQueue.append(data, qsizetype(size));
}

void TOutputCore::Purge() {
    DropQueue();
    FPurged = true;
}

void TOutputCore::DropQueue() {
    FQueue.clear();
    FReadPos = 0;
}

void TOutputCore::Fail(const QString &error, qint64 now) {
    FDevice.Close();
    FOpen = false;
    FReady = false;
    DropQueue();
    FFailing = true;
    FError = error;
    FFailedAt = now;
    FRetry = false;
    ++FFailures;
}

int TOutputCore::Step(qint64 now) {
    if (FPurged) {
        FPurged = false;
        if (FReady)
            FDevice.Flush();
    }
    if (Queued() == 0) {
        FWaiting = false;
        if (!FOpen)
            return -1;
        if (FReady && FDevice.Pump() != TPcmDevice::TState::Ready) {
            // Lost while idle: nothing was playing, so nothing to report.
            FDevice.Close();
            FOpen = FReady = false;
            return -1;
        }
        const qint64 idle = now - FLastFed;
        if (idle >= IdleCloseMs) {
            FDevice.Close();
            FOpen = FReady = false;
            return -1;
        }
        return int(IdleCloseMs - idle);
    }
    if (!FWaiting) {
        // Samples wait from now on: a stall is counted from here.
        FWaiting = true;
        FLastTaken = now;
    }
    if (FOpen && (FOpenRate != FSampleRate || FOpenChannels != FChannels)) {
        FDevice.Close();
        FOpen = FReady = false;
    }
    if (!FOpen) {
        // After a failure the samples go nowhere, as if there were no device, until a new stream
        // or the retry time comes.
        if (!FRetry && now - FFailedAt < RetryMs) {
            DropQueue();
            return -1;
        }
        FRetry = false;
        FDevice.Open(FSampleRate, FChannels, FDeviceName);
        FOpen = true;
        FReady = false;
        FOpenRate = FSampleRate;
        FOpenChannels = FChannels;
        FOpenedAt = now;
        FLastTaken = now;
    }
    switch (FDevice.Pump()) {
    case TPcmDevice::TState::Ready:
        FReady = true;
        break;
    case TPcmDevice::TState::Opening:
        if (now - FOpenedAt >= ConnectMs) {
            Fail(QStringLiteral("the sound server did not answer"), now);
            return -1;
        }
        return PollMs;
    case TPcmDevice::TState::Closed:
    case TPcmDevice::TState::Failed:
        Fail(FDevice.Error(), now);
        return -1;
    }
    const qint64 frame = qint64(FChannels) * 2;
    qint64 n = qMin(FDevice.Writable(), Queued());
    n -= n % frame;
    if (n > 0) {
        FDevice.Write(FQueue.constData() + FReadPos, n);
        FReadPos += n;
        FLastTaken = FLastFed = now;
        FFailing = false;
        if (FReadPos > 65536 && FReadPos * 2 > FQueue.size()) {
            FQueue.remove(0, FReadPos);
            FReadPos = 0;
        }
    } else if (now - FLastTaken >= StallMs) {
        Fail(QStringLiteral("the sound device takes no sound"), now);
        return -1;
    }
    return PollMs;
}
