#pragma once

#include "PcmDevice.h"

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

    void Open(int sampleRate, int channels) override;
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
    TState FState = TState::Closed;
    QString FError;
};
