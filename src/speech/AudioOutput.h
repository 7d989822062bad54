#pragma once

#include "SampleSink.h"

#include <QByteArray>
#include <condition_variable>
#include <mutex>

class QAudioSink;
class QIODevice;
class QObject;
class QThread;

// Samples to the desktop's sound server through Qt Multimedia. The audio device lives on a
// thread of its own and pulls from a queue, so neither the user-interface thread nor the
// producer ever waits for the sound server. With no audio device the samples are dropped as they
// come (a null sink), so a producer runs to completion just the same. The device is opened on the
// first stream and stopped whenever the queue runs dry: an idle output costs nothing.
class TAudioOutput final : public TSampleSink {
public:
    // Write waits while more than `maxQueuedMs` of audio is unplayed; 0 never waits.
    explicit TAudioOutput(int maxQueuedMs);
    ~TAudioOutput() override;
    TAudioOutput(const TAudioOutput &) = delete;
    TAudioOutput &operator=(const TAudioOutput &) = delete;

    void Begin(int sampleRate, int channels) override;
    void Write(const qint16 *samples, qsizetype count) override;
    void Purge() override;

    // The device pulls from here (audio thread).
    qint64 Pull(char *data, qint64 maxSize);
    qint64 Queued() const;

private:
    void Kick();        // asks the audio thread to (re)start the device
    void StartDevice(); // on the audio thread

    const int FMaxQueuedMs;
    QThread *FThread = nullptr;
    QObject *FContext = nullptr; // lives on FThread
    QAudioSink *FSink = nullptr; // audio thread only
    QIODevice *FSource = nullptr;

    mutable std::mutex FMutex;
    std::condition_variable FDrained;
    QByteArray FQueue;
    qsizetype FReadPos = 0;
    int FSampleRate = 22050;
    int FChannels = 1;
    quint64 FPurges = 0;
    bool FNoDevice = false;
    bool FQuit = false;
};
