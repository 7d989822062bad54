#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

class QIODevice;

// A wave sound decoded to 16-bit samples, interleaved by channel.
struct TWaveSound {
    int SampleRate = 0;
    int Channels = 0;
    QList<qint16> Samples;
};

// Where the samples of a wave file lie and how they are coded.
struct TWaveLayout {
    int SampleRate = 0;
    int Channels = 0;
    int Bits = 0;
    qint64 DataOffset = 0;
    qint64 DataSize = 0; // whole frames only
    int FrameBytes() const { return Channels * Bits / 8; }
};

// Reads the chunk headers of a RIFF/WAVE file of 8- or 16-bit PCM with one or two channels,
// seeking over the samples; nothing for anything else, for damaged files, and for chunks that
// claim more bytes than there are.
std::optional<TWaveLayout> ReadWaveLayout(QIODevice &in);
// Decodes `bytes` of the data chunk (whole frames) and appends the 16-bit samples to `out`.
void DecodeWaveSamples(const TWaveLayout &layout, QByteArrayView bytes, QList<qint16> &out);
// A whole file in memory, decoded.
std::optional<TWaveSound> ReadWaveFile(const QByteArray &bytes);

// What a sound name plays: a known sound's name ("SystemDefault", "SystemAsterisk", ...) and any
// name that is not an existing file play `defaultSound`. Nothing when that file is no sound we
// can play (larger than a key's sound, unreadable, no wave); only the headers are read.
struct TPlayableSound {
    QString File;
    TWaveLayout Layout;
};
std::optional<TPlayableSound> FindPlayableSound(const QString &name, const QString &defaultSound);
