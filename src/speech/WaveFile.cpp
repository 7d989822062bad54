#include "WaveFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QtEndian>

namespace {

constexpr quint16 kFormatPcm = 1;

quint32 U32(const char *p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 U16(const char *p) {
    return qFromLittleEndian<quint16>(p);
}

bool ReadExactly(QIODevice &in, char *to, qint64 size) {
    return in.read(to, size) == size;
}

// Anything larger is not a key's sound.
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

std::optional<TWaveLayout> ReadWaveLayout(QIODevice &in) {
    const qint64 size = in.size();
    char head[12];
    if (!in.seek(0) || !ReadExactly(in, head, 12) || QByteArrayView(head, 4) != "RIFF" ||
        QByteArrayView(head + 8, 4) != "WAVE")
        return std::nullopt;
    TWaveLayout layout;
    qint64 pos = 12;
    while (size - pos >= 8) {
        char chunkHead[8];
        if (!in.seek(pos) || !ReadExactly(in, chunkHead, 8))
            return std::nullopt;
        const QByteArrayView id(chunkHead, 4);
        const quint32 length = U32(chunkHead + 4);
        pos += 8;
        if (length > quint64(size - pos))
            return std::nullopt;
        if (id == "fmt ") {
            char format[16];
            if (length < 16 || !ReadExactly(in, format, 16) || U16(format) != kFormatPcm)
                return std::nullopt;
            layout.Channels = U16(format + 2);
            layout.SampleRate = int(U32(format + 4));
            layout.Bits = U16(format + 14);
            if ((layout.Channels != 1 && layout.Channels != 2) ||
                (layout.Bits != 8 && layout.Bits != 16) || layout.SampleRate < 1000 ||
                layout.SampleRate > 192000)
                return std::nullopt;
        } else if (id == "data") {
            if (layout.Channels == 0)
                return std::nullopt;
            layout.DataOffset = pos;
            layout.DataSize = qint64(length) - qint64(length) % layout.FrameBytes();
            return layout;
        }
        pos += qint64(length) + (length & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}

void DecodeWaveSamples(const TWaveLayout &layout, QByteArrayView bytes, QList<qint16> &out) {
    const char *p = bytes.data();
    if (layout.Bits == 16) {
        const qsizetype count = bytes.size() / 2;
        out.reserve(out.size() + count);
        for (qsizetype i = 0; i < count; ++i)
            out.append(qint16(U16(p + 2 * i)));
    } else {
        out.reserve(out.size() + bytes.size());
        for (qsizetype i = 0; i < bytes.size(); ++i)
            out.append(qint16((int(quint8(p[i])) - 128) * 256));
    }
}

std::optional<TWaveSound> ReadWaveFile(const QByteArray &bytes) {
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    const auto layout = ReadWaveLayout(in);
    if (!layout)
        return std::nullopt;
    TWaveSound sound{layout->SampleRate, layout->Channels, {}};
    DecodeWaveSamples(*layout, QByteArrayView(bytes).sliced(layout->DataOffset, layout->DataSize),
                      sound.Samples);
    return sound;
}

std::optional<TPlayableSound> FindPlayableSound(const QString &name, const QString &defaultSound) {
    const QString file =
        !IsKnownSound(name) && !name.isEmpty() && QFileInfo(name).isFile() ? name : defaultSound;
    const QFileInfo info(file);
    QFile in(file);
    if (!info.isFile() || info.size() > kMaxSoundBytes || !in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const auto layout = ReadWaveLayout(in);
    if (!layout)
        return std::nullopt;
    return TPlayableSound{file, *layout};
}
