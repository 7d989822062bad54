#include "QtSoundPlayer.h"

#include "AudioOutput.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Sounds up to this size are kept decoded for the next time.
constexpr qint64 kCachedBytes = 256 * 1024;
// Samples are read in pieces of this many milliseconds.
constexpr int kPieceMs = 50;

} // namespace

TQtSoundPlayer::TQtSoundPlayer(QString defaultSound, std::shared_ptr<TSampleSink> sink)
    : FDefaultSound(std::move(defaultSound))
    , FSink(std::move(sink)) {
    if (!FSink)
        FSink = std::make_shared<TAudioOutput>(QueueMs);
    FWorker = std::thread([this] { Run(); });
}

TQtSoundPlayer::~TQtSoundPlayer() {
    {
        std::lock_guard lock(FMutex);
        FQuit = true;
        ++FGeneration;
    }
    FSink->Purge();
    FWake.notify_all();
    FWorker.join();
}

bool TQtSoundPlayer::Play(const QString &name) {
    const auto sound = FindPlayableSound(name, FDefaultSound);
    if (!sound)
        return false;
    {
        std::lock_guard lock(FMutex);
        FPending = TRequest{sound->File, sound->Layout, ++FGeneration};
    }
    // A new sound cuts off the old one at once (and frees the thread if it waits on the output).
    FSink->Purge();
    FWake.notify_all();
    // A failing output is the window's to show, once, in its control strip; a box at every
    // sound key would stop a switch user.
    return true;
}

void TQtSoundPlayer::WaitUntilIdle() {
    std::unique_lock lock(FMutex);
    FIdle.wait(lock, [this] { return !FBusy && !FPending; });
}

void TQtSoundPlayer::Run() {
    std::unique_lock lock(FMutex);
    while (true) {
        FWake.wait(lock, [this] { return FQuit || FPending; });
        if (FQuit)
            break;
        const TRequest request = *FPending;
        FPending.reset();
        FBusy = true;
        lock.unlock();
        Stream(request);
        lock.lock();
        FBusy = false;
        FIdle.notify_all();
    }
}

void TQtSoundPlayer::Stream(const TRequest &request) {
    const auto current = [this, &request] {
        std::lock_guard lock(FMutex);
        return FGeneration == request.Generation;
    };
    const TWaveLayout &layout = request.Layout;
    const QFileInfo info(request.File);
    // What the sound before wrote after Play's purge goes too.
    FSink->Purge();
    if (request.File == FCachedFile && info.size() == FCachedSize &&
        info.lastModified() == FCachedModified) {
        FSink->Begin(FCached.SampleRate, FCached.Channels);
        FSink->Write(FCached.Samples.constData(), FCached.Samples.size());
        return;
    }
    QFile in(request.File);
    if (!in.open(QIODevice::ReadOnly) || !in.seek(layout.DataOffset))
        return;
    const bool cache = layout.DataSize <= kCachedBytes;
    TWaveSound whole{layout.SampleRate, layout.Channels, {}};
    FSink->Begin(layout.SampleRate, layout.Channels);
    const qint64 piece =
        qMax<qint64>(qint64(layout.SampleRate) * kPieceMs / 1000, 1) * layout.FrameBytes();
    QByteArray bytes;
    QList<qint16> samples;
    qint64 left = layout.DataSize;
    while (left > 0 && current()) {
        bytes = in.read(qMin(piece, left));
        // A file cut short since its headers were read plays what there is.
        const qint64 frames = bytes.size() - bytes.size() % layout.FrameBytes();
        if (frames <= 0)
            break;
        left -= bytes.size();
        samples.clear();
        DecodeWaveSamples(layout, QByteArrayView(bytes).first(frames), samples);
        // Waits while the output holds enough; a purge lets it return at once.
        FSink->Write(samples.constData(), samples.size());
        if (cache)
            whole.Samples.append(samples);
    }
    if (cache && left == 0) {
        FCached = std::move(whole);
        FCachedFile = request.File;
        FCachedSize = info.size();
        FCachedModified = info.lastModified();
    }
}
