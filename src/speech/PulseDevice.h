#pragma once

#include "PcmDevice.h"

#include <QByteArray>
#include <QList>

struct pa_context;
struct pa_mainloop;
struct pa_stream;

// A playback stream to the desktop's sound server (PulseAudio, or PipeWire through its PulseAudio
// service) on the client library's own main loop, which Pump turns without waiting. Every Open
// connects anew, so a server that was started, restarted or replaced since is found: the
// toolkit's audio layer connects once per process and stays silent for good when the server
// came later.
class TPulseDevice final : public TPcmDevice {
public:
    TPulseDevice() = default;
    ~TPulseDevice() override;
    TPulseDevice(const TPulseDevice &) = delete;
    TPulseDevice &operator=(const TPulseDevice &) = delete;

    void Open(int sampleRate, int channels, const QString &device) override;

    struct TOutput {
        QString Id; // the sound server's name of it: stable across restarts
        QString Description;
    };
    // The sound server's outputs, asked for at most `waitMs`; none when there is no server.
    static QList<TOutput> Outputs(int waitMs);
    TState Pump() override;
    qint64 Writable() override;
    void Write(const char *data, qint64 size) override;
    void Flush() override;
    void Close() override;
    QString Error() const override { return FError; }

private:
    void Failed(const QString &why);

    pa_mainloop *FLoop = nullptr;
    pa_context *FContext = nullptr;
    pa_stream *FStream = nullptr;
    int FSampleRate = 0;
    int FChannels = 0;
    QByteArray FDevice;      // empty: the default
    bool FOnDefault = false; // the named device was not there
    TState FState = TState::Closed;
    QString FError;
};
