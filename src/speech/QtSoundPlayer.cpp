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
    QFile in(file);
    if (in.size() > kMaxSoundBytes || !in.open(QIODevice::ReadOnly))
        return false;
    const auto sound = ReadWaveFile(in.readAll());
    if (!sound)
        return false;
    if (!FSink)
        FSink = std::make_shared<TAudioOutput>(0);
    FSink->Purge();
    FSink->Begin(sound->SampleRate, sound->Channels);
    FSink->Write(sound->Samples.constData(), sound->Samples.size());
    return true;
}
