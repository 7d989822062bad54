#pragma once

#include "SoundPlayer.h"
#include "WaveFile.h"

#include <QDateTime>
#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class TSampleSink;

// Wave sounds to the sound server. A known sound name ("SystemDefault", "SystemAsterisk", ...)
// and any name that is not an existing file play the default sound, our own click. Play only
// looks at the file's headers; a thread of its own reads and decodes the samples piece by piece
// as the output takes them, so a long sound costs neither the user-interface thread's time nor
// memory of its size.
class TQtSoundPlayer final : public TSoundPlayer {
public:
    // How much of a sound may wait unplayed in the output before reading pauses.
    static constexpr int QueueMs = 500;

    // `defaultSound` is the click's file; `sink` receives the sounds (the sound server when none
    // is given).
    explicit TQtSoundPlayer(QString defaultSound, std::shared_ptr<TSampleSink> sink = nullptr);
    ~TQtSoundPlayer() override;
    TQtSoundPlayer(const TQtSoundPlayer &) = delete;
    TQtSoundPlayer &operator=(const TQtSoundPlayer &) = delete;

    // False when the file is no sound we can play.
    bool Play(const QString &name) override;
    // Waits until the sound asked for last has been handed to the output (tests).
    void WaitUntilIdle();

private:
    struct TRequest {
        QString File;
        TWaveLayout Layout;
        quint64 Generation = 0;
    };
    void Run();
    void Stream(const TRequest &request);

    QString FDefaultSound;
    std::shared_ptr<TSampleSink> FSink;

    std::mutex FMutex;
    std::condition_variable FWake;
    std::condition_variable FIdle;
    std::optional<TRequest> FPending;
    bool FBusy = false;
    bool FQuit = false;
    quint64 FGeneration = 0;
    // The last short sound, kept decoded while its file is unchanged: the echo plays the same
    // click on every switch release (streaming thread only).
    QString FCachedFile;
    qint64 FCachedSize = -1;
    QDateTime FCachedModified;
    TWaveSound FCached;
    std::thread FWorker;
};
