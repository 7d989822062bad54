#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

// A wave sound decoded to 16-bit samples, interleaved by channel.
struct TWaveSound {
    int SampleRate = 0;
    int Channels = 0;
    QList<qint16> Samples;
};

// Reads a RIFF/WAVE file of 8- or 16-bit PCM with one or two channels; nothing for anything
// else, for damaged files, and for chunks that claim more bytes than there are.
std::optional<TWaveSound> ReadWaveFile(const QByteArray &bytes);
