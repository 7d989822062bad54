#include "QtSoundPlayer.h"

#include "AudioOutput.h"
#include "WaveFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Sounds are read whole; anything larger is not a key's sound.
constexpr qint64 kMaxSoundBytes = 64 * 1024 * 1024;

const char *const kKnownSounds[] = {".Default",          "SystemDefault", "SystemAsterisk",
                                    "SystemExclamation", "SystemHand",    "SystemQuestion",
                                    "SystemStart",       "SystemExit",    "SystemNotification"};

bool IsKnownSound(const QString &name) {
    for (const char *known : kKnownSounds)
        if (name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

TQtSoundPlayer::TQtSoundPlayer(QString defaultSound, std::shared_ptr<TSampleSink> sink)
    : FDefaultSound(std::move(defaultSound))
    , FSink(std::move(sink)) {}

TQtSoundPlayer::~TQtSoundPlayer() = default;

bool TQtSoundPlayer::Play(const QString &name) {
    const QString file =
        !IsKnownSound(name) && !name.isEmpty() && QFileInfo(name).isFile() ? name : FDefaultSound;
    const QFileInfo info(file);
    if (file != FLastFile || info.size() != FLastSize || info.lastModified() != FLastModified) {
        FLastFile.clear();
        QFile in(file);
        if (info.size() > kMaxSoundBytes || !in.open(QIODevice::ReadOnly))
            return false;
        auto sound = ReadWaveFile(in.readAll());
        if (!sound)
            return false;
        FLastSound = std::move(*sound);
        FLastFile = file;
        FLastSize = info.size();
        FLastModified = info.lastModified();
    }
    if (!FSink)
        FSink = std::make_shared<TAudioOutput>(0);
    FSink->Purge();
    FSink->Begin(FLastSound.SampleRate, FLastSound.Channels);
    FSink->Write(FLastSound.Samples.constData(), FLastSound.Samples.size());
    return true;
}
