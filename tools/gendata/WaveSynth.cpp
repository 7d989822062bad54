#include "WaveSynth.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// One sine partial of a struck tone: frequency, starting amplitude, decay time constant.
struct TPartial {
    double Frequency;
    double Amplitude;
    double Decay; // seconds
};

// A struck tone starting at `start` seconds, added into `buffer`; a few milliseconds of attack
// keep the onset from clicking.
void Strike(std::vector<double> &buffer, double start, const std::vector<TPartial> &partials) {
    constexpr double attack = 0.004;
    const auto first = std::size_t(start * WaveSynth::SampleRate);
    for (std::size_t i = first; i < buffer.size(); ++i) {
        const double t = double(i - first) / WaveSynth::SampleRate;
        const double envelope = std::min(1.0, t / attack);
        double v = 0;
        for (const TPartial &p : partials)
            v += p.Amplitude * std::exp(-t / p.Decay) *
                 std::sin(2 * std::numbers::pi * p.Frequency * t);
        buffer[i] += envelope * v;
    }
}

// A quick downward sweep that dies away within a tenth of a second.
void Pop(std::vector<double> &buffer) {
    double phase = 0;
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        const double t = double(i) / WaveSynth::SampleRate;
        const double frequency = 300 + 900 * std::exp(-t / 0.02);
        phase += 2 * std::numbers::pi * frequency / WaveSynth::SampleRate;
        const double envelope = std::min(1.0, t / 0.002) * std::exp(-t / 0.025);
        buffer[i] += envelope * std::sin(phase);
    }
}

// Scaled to a comfortable peak, with a short fade at the end so that playback stops cleanly.
QList<qint16> ToSamples(const std::vector<double> &buffer) {
    double peak = 0;
    for (const double v : buffer)
        peak = std::max(peak, std::abs(v));
    const double scale = peak > 0 ? 0.7 * 32767 / peak : 0;
    const std::size_t fade = WaveSynth::SampleRate / 100;
    QList<qint16> samples;
    samples.reserve(qsizetype(buffer.size()));
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        const std::size_t left = buffer.size() - i;
        const double gain = left < fade ? double(left) / double(fade) : 1.0;
        samples.append(qint16(std::lround(buffer[i] * scale * gain)));
    }
    return samples;
}

std::vector<double> Seconds(double length) {
    return std::vector<double>(std::size_t(length * WaveSynth::SampleRate), 0.0);
}

} // namespace

namespace WaveSynth {

QByteArray WavFile(const QList<qint16> &samples, int sampleRate) {
    const quint32 dataSize = quint32(samples.size()) * 2;
    QByteArray out;
    out.reserve(44 + qsizetype(dataSize));
    const auto u32 = [&](quint32 v) {
        char raw[4];
        qToLittleEndian(v, raw);
        out.append(raw, 4);
    };
    const auto u16 = [&](quint16 v) {
        char raw[2];
        qToLittleEndian(v, raw);
        out.append(raw, 2);
    };
    out.append("RIFF", 4);
    u32(36 + dataSize); // everything after this field
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    u32(16);                      // size of the format chunk
    u16(1);                       // PCM
    u16(1);                       // mono
    u32(quint32(sampleRate));     // samples per second
    u32(quint32(sampleRate) * 2); // bytes per second
    u16(2);                       // bytes per sample frame
    u16(16);                      // bits per sample
    out.append("data", 4);
    u32(dataSize);
    for (const qint16 s : samples)
        u16(quint16(s));
    return out;
}

QStringList SoundNames() {
    return {QStringLiteral("zvonek"), QStringLiteral("cinknuti"), QStringLiteral("bublina"),
            QStringLiteral("cvaknuti")};
}

QList<qint16> Synthesize(const QString &name) {
    if (name == QLatin1String("zvonek")) {
        // Ding-dong: E5 then C5, each with its octave and twelfth.
        std::vector<double> b = Seconds(1.8);
        Strike(b, 0.0, {{659.25, 1.0, 0.45}, {1318.5, 0.35, 0.22}, {1977.8, 0.12, 0.1}});
        Strike(b, 0.45, {{523.25, 1.0, 0.55}, {1046.5, 0.35, 0.25}, {1569.8, 0.12, 0.12}});
        return ToSamples(b);
    }
    if (name == QLatin1String("cinknuti")) {
        // A small bell: inharmonic partials over E6 that die away quickly.
        std::vector<double> b = Seconds(1.2);
        Strike(b, 0.0, {{1318.5, 1.0, 0.45}, {3639.0, 0.4, 0.15}, {7120.0, 0.15, 0.06}});
        return ToSamples(b);
    }
    if (name == QLatin1String("bublina")) {
        std::vector<double> b = Seconds(0.15);
        Pop(b);
        return ToSamples(b);
    }
    if (name == QLatin1String("cvaknuti")) {
        // The echo of a switch and the default sound: a dry tick, short enough never to overlap
        // the next press.
        std::vector<double> b = Seconds(0.06);
        Strike(b, 0.0, {{2500.0, 1.0, 0.004}, {4100.0, 0.5, 0.002}, {900.0, 0.3, 0.006}});
        return ToSamples(b);
    }
    return {};
}

} // namespace WaveSynth
