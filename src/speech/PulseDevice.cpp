#include "PulseDevice.h"

#include <QElapsedTimer>
#include <QThread>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>

namespace {

// What the server holds ahead of the speaker: small, so a purge is heard at once, and enough not
// to underrun on a busy machine (the output tops it up every few milliseconds).
constexpr int kBufferMs = 60;

} // namespace

TPulseDevice::~TPulseDevice() {
    Close();
}

void TPulseDevice::Failed(const QString &why) {
    FError = why;
    FState = TState::Failed;
}

void TPulseDevice::Open(int sampleRate, int channels, const QString &device) {
    Close();
    FSampleRate = sampleRate;
    FChannels = channels;
    FDevice = device.toUtf8();
    FOnDefault = FDevice.isEmpty();
    FError.clear();
    FLoop = pa_mainloop_new();
    if (!FLoop)
        return Failed(QStringLiteral("no sound server connection could be made"));
    FContext = pa_context_new(pa_mainloop_get_api(FLoop), "Orvanta");
    if (!FContext)
        return Failed(QStringLiteral("no sound server connection could be made"));
    // Never start a server of our own: the desktop's is the one the user hears.
    if (pa_context_connect(FContext, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return Failed(QString::fromUtf8(pa_strerror(pa_context_errno(FContext))));
    FState = TState::Opening;
}

TPcmDevice::TState TPulseDevice::Pump() {
    if (FState == TState::Closed || FState == TState::Failed)
        return FState;
    // Dispatch what has arrived, never waiting for more.
    for (int i = 0; i < 16 && pa_mainloop_iterate(FLoop, 0, nullptr) > 0; ++i) {
    }
    switch (pa_context_get_state(FContext)) {
    case PA_CONTEXT_READY:
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        Failed(QString::fromUtf8(pa_strerror(pa_context_errno(FContext))));
        return FState;
    default:
        return FState;
    }
    if (!FStream) {
        pa_sample_spec format;
        format.format = PA_SAMPLE_S16LE;
        format.rate = uint32_t(FSampleRate);
        format.channels = uint8_t(FChannels);
        if (!pa_sample_spec_valid(&format)) {
            Failed(QStringLiteral("the sound has a format the server cannot play"));
            return FState;
        }
        FStream = pa_stream_new(FContext, "Orvanta", &format, nullptr);
        if (!FStream) {
            Failed(QString::fromUtf8(pa_strerror(pa_context_errno(FContext))));
            return FState;
        }
        pa_buffer_attr attr;
        attr.maxlength = uint32_t(-1);
        attr.tlength = uint32_t(pa_usec_to_bytes(pa_usec_t(kBufferMs) * 1000, &format));
        // Playing starts with the first sample and goes on through gaps between the pieces of
        // a text, so a short sound is never held back waiting for more.
        attr.prebuf = 0;
        attr.minreq = uint32_t(-1);
        attr.fragsize = uint32_t(-1);
        if (pa_stream_connect_playback(FStream, FOnDefault ? nullptr : FDevice.constData(), &attr,
                                       PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
            Failed(QString::fromUtf8(pa_strerror(pa_context_errno(FContext))));
            return FState;
        }
    }
    switch (pa_stream_get_state(FStream)) {
    case PA_STREAM_READY:
        FState = TState::Ready;
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        // An unplugged device gives way to the default; the next stream looks for it again.
        if (!FOnDefault && pa_context_errno(FContext) == PA_ERR_NOENTITY) {
            FOnDefault = true;
            pa_stream_unref(FStream);
            FStream = nullptr;
            return Pump();
        }
        Failed(QString::fromUtf8(pa_strerror(pa_context_errno(FContext))));
        break;
    default:
        break;
    }
    return FState;
}

qint64 TPulseDevice::Writable() {
    if (FState != TState::Ready)
        return 0;
    const size_t n = pa_stream_writable_size(FStream);
    return n == size_t(-1) ? 0 : qint64(n);
}

void TPulseDevice::Write(const char *data, qint64 size) {
    if (FState != TState::Ready || size <= 0)
        return;
    if (pa_stream_write(FStream, data, size_t(size), nullptr, 0, PA_SEEK_RELATIVE) < 0)
        Failed(QString::fromUtf8(pa_strerror(pa_context_errno(FContext))));
}

void TPulseDevice::Flush() {
    if (FState != TState::Ready)
        return;
    if (pa_operation *op = pa_stream_flush(FStream, nullptr, nullptr))
        pa_operation_unref(op);
}

QList<TPulseDevice::TOutput> TPulseDevice::Outputs(int waitMs) {
    struct TQuery {
        QList<TOutput> Found;
        bool Done = false;
    } query;
    pa_mainloop *loop = pa_mainloop_new();
    pa_context *context = pa_context_new(pa_mainloop_get_api(loop), "Orvanta");
    pa_operation *listing = nullptr;
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        QElapsedTimer clock;
        clock.start();
        while (!query.Done && clock.elapsed() < waitMs) {
            pa_mainloop_iterate(loop, 0, nullptr);
            const pa_context_state_t state = pa_context_get_state(context);
            if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED)
                break;
            if (state == PA_CONTEXT_READY && !listing)
                listing = pa_context_get_sink_info_list(
                    context,
                    [](pa_context *, const pa_sink_info *info, int last, void *data) {
                        auto *q = static_cast<TQuery *>(data);
                        if (last)
                            q->Done = true;
                        else if (info)
                            q->Found.append({QString::fromUtf8(info->name),
                                             QString::fromUtf8(info->description)});
                    },
                    &query);
            QThread::usleep(1000);
        }
    }
    if (listing) {
        pa_operation_cancel(listing);
        pa_operation_unref(listing);
    }
    if (context) {
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return query.Done ? query.Found : QList<TOutput>();
}

void TPulseDevice::Close() {
    if (FStream) {
        pa_stream_disconnect(FStream);
        pa_stream_unref(FStream);
        FStream = nullptr;
    }
    if (FContext) {
        pa_context_disconnect(FContext);
        pa_context_unref(FContext);
        FContext = nullptr;
    }
    if (FLoop) {
        pa_mainloop_free(FLoop);
        FLoop = nullptr;
    }
    FState = TState::Closed;
}
