#include "WaveFile.h"

#include <QtEndian>

namespace {

constexpr quint16 kFormatPcm = 1;

quint32 U32(const char *p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 U16(const char *p) {
    return qFromLittleEndian<quint16>(p);
}

} // namespace

std::optional<TWaveSound> ReadWaveFile(const QByteArray &bytes) {
    const qsizetype size = bytes.size();
    const char *data = bytes.constData();
    if (size < 12 || !bytes.startsWith("RIFF") || QByteArrayView(data + 8, 4) != "WAVE")
        return std::nullopt;
    int channels = 0, rate = 0, bits = 0;
    qsizetype pos = 12;
    while (size - pos >= 8) {
        const QByteArrayView id(data + pos, 4);
        const quint32 length = U32(data + pos + 4);
        pos += 8;
        if (length > quint64(size - pos))
            return std::nullopt;
        const char *chunk = data + pos;
        if (id == "fmt ") {
            if (length < 16 || U16(chunk) != kFormatPcm)
                return std::nullopt;
            channels = U16(chunk + 2);
            rate = int(U32(chunk + 4));
            bits = U16(chunk + 14);
            if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16) || rate < 1000 ||
                rate > 192000)
                return std::nullopt;
        } else if (id == "data") {
            if (channels == 0)
                return std::nullopt;
            TWaveSound sound{rate, channels, {}};
            const qsizetype count = bits == 16 ? qsizetype(length) / 2 : qsizetype(length);
            sound.Samples.resize(count - count % channels);
            for (qsizetype i = 0; i < sound.Samples.size(); ++i)
                sound.Samples[i] = bits == 16 ? qint16(U16(chunk + 2 * i))
                                              : qint16((int(quint8(chunk[i])) - 128) * 256);
            return sound;
        }
        pos += length + (length & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}
