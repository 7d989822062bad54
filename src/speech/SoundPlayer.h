#pragma once

#include <QString>

// Plays a sound asynchronously; a new sound cuts off the one still playing.
class TSoundPlayer {
public:
    virtual ~TSoundPlayer() = default;
    // `name` is a known sound's name or a file; anything else plays the default sound. True when
    // playing started.
    virtual bool Play(const QString &name) = 0;
};
