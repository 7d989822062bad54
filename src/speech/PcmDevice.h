#pragma once

#include <QString>
#include <QtGlobal>

// One playback stream to the sound server, driven by the audio output's thread. Nothing here may
// block: a connection is started by Open and served by Pump, and a server that has stopped
// answering simply takes nothing, which the output notices.
class TPcmDevice {
public:
    enum class TState { Closed, Opening, Ready, Failed };

    virtual ~TPcmDevice() = default;
    // Starts connecting a stream of 16-bit samples in this format, to the output named `device`
    // (empty: the system's default; a device that is not there gives way to the default).
    virtual void Open(int sampleRate, int channels, const QString &device) = 0;
    // Serves the connection; what it has come to.
    virtual TState Pump() = 0;
    // How many bytes the stream takes now (Ready only).
    virtual qint64 Writable() = 0;
    virtual void Write(const char *data, qint64 size) = 0;
    // Drops what the stream holds and has not played yet.
    virtual void Flush() = 0;
    virtual void Close() = 0;
    // Why the stream failed, for the user.
    virtual QString Error() const = 0;
};
