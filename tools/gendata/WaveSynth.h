#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// The bundled sounds, synthesized: short tones made of decaying partials, written as 16-bit
// PCM mono WAVE files that every sound back end plays.
namespace WaveSynth {

inline constexpr int SampleRate = 22050;

// A complete RIFF/WAVE file holding `samples` (16-bit signed, mono) at `sampleRate`.
QByteArray WavFile(const QList<qint16> &samples, int sampleRate = SampleRate);

// The names of the sounds we make: "zvonek" (a two-tone door bell), "cinknuti" (a chime),
// "bublina" (a pop), "cvaknuti" (the click of the echo and the default sound).
QStringList SoundNames();
// The samples of a named sound at SampleRate; empty for an unknown name.
QList<qint16> Synthesize(const QString &name);

} // namespace WaveSynth
