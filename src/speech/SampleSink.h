#pragma once

#include <QString>
#include <QtGlobal>

// Where synthesized or decoded audio goes: 16-bit signed samples, interleaved by channel.
// Begin and Write come from one producer thread; Purge may come from any thread.
class TSampleSink {
public:
    virtual ~TSampleSink() = default;
    // A new stream of this format follows.
    virtual void Begin(int sampleRate, int channels) = 0;
    // Queues samples for playing; may wait while much is still unplayed, but returns at once
    // after a Purge.
    virtual void Write(const qint16 *samples, qsizetype count) = 0;
    // Drops everything not yet played.
    virtual void Purge() = 0;
    // The last sound could not be played and nothing has been heard since; why.
    virtual bool Failing() const { return false; }
    virtual QString Error() const { return {}; }
};
