// What a long sound on a key costs: how long Play keeps the user-interface thread, and the peak
// resident memory while a 60 MB wave file plays through the real audio output (to the sound
// server when there is one, else dropped as it comes).
#include "AudioOutput.h"
#include "QtSoundPlayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <sys/resource.h>

namespace {

long PeakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QByteArray U32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.wav"));
    const quint32 dataBytes = 60u * 1024 * 1024;
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly))
            return 1;
        QByteArray format = QByteArray::fromHex("01000100") + U32(22050) + U32(44100) +
                            QByteArray::fromHex("02001000");
        out.write("RIFF" + U32(36 + dataBytes) + "WAVEfmt " + U32(16) + format + "data" +
                  U32(dataBytes));
        const QByteArray chunk(1 << 20, '\x10');
        for (quint32 written = 0; written < dataBytes; written += chunk.size())
            out.write(chunk);
    }
    const long before = PeakKb();
    {
        TQtSoundPlayer player(QString(), std::make_shared<TAudioOutput>(TQtSoundPlayer::QueueMs));
        QElapsedTimer timer;
        timer.start();
        const bool played = player.Play(path);
        const qint64 playNs = timer.nsecsElapsed();
        // Five seconds of it, so the output has been filled and emptied many times over.
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        std::printf("Play returned %s after %.3f ms\n", played ? "true" : "false",
                    double(playNs) / 1e6);
    }
    std::printf("peak resident memory: %.1f MB before playing, %.1f MB while playing a %u MB "
                "file\n",
                double(before) / 1024, double(PeakKb()) / 1024, dataBytes >> 20);
    return 0;
}
