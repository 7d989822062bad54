#include "VoiceSettings.h"

#include <QtEndian>

namespace {

constexpr int IndexOffset = 4;
constexpr int VolumeOffset = 8;
constexpr int RateOffset = 12;

} // namespace

QByteArray WriteVoiceSettings(const TVoiceSettings &settings) {
    QByteArray bytes(TVoiceSettings::RecordSize, '\0');
    auto *data = reinterpret_cast<uchar *>(bytes.data());
    data[0] = settings.Kind;
    qToLittleEndian<qint32>(settings.VoiceIndex, data + IndexOffset);
    qToLittleEndian<qint32>(settings.Volume, data + VolumeOffset);
    qToLittleEndian<qint32>(settings.Rate, data + RateOffset);
    return bytes;
}

bool ReadVoiceSettings(const QByteArray &bytes, TVoiceSettings &settings) {
    if (bytes.size() < TVoiceSettings::RecordSize)
        return false;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    settings.Kind = data[0];
    settings.VoiceIndex = qFromLittleEndian<qint32>(data + IndexOffset);
    settings.Volume = qFromLittleEndian<qint32>(data + VolumeOffset);
    settings.Rate = qFromLittleEndian<qint32>(data + RateOffset);
    return true;
}
