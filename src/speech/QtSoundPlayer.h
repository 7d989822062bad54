#pragma once

#include "SoundPlayer.h"
#include "WaveFile.h"

#include <QDateTime>
#include <QString>
#include <memory>

class TSampleSink;

// Wave sounds through Qt Multimedia. A known sound name ("SystemDefault", "SystemAsterisk", ...)
// and any name that is not an existing file play the default sound, our own click.
class TQtSoundPlayer final : public TSoundPlayer {
public:
    // `defaultSound` is the click's file; `sink` receives the sounds (the sound server when none
    // is given, opened on the first sound).
    explicit TQtSoundPlayer(QString defaultSound, std::shared_ptr<TSampleSink> sink = nullptr);
    ~TQtSoundPlayer() override;

    bool Play(const QString &name) override;

private:
    QString FDefaultSound;
    std::shared_ptr<TSampleSink> FSink;
    // The last sound played, kept while its file is unchanged: the echo plays the same click on
    // every switch release.
    QString FLastFile;
    qint64 FLastSize = -1;
    QDateTime FLastModified;
    TWaveSound FLastSound;
};
