#pragma once

#include "VoiceTypes.h"

#include <QByteArray>
#include <cstdint>

// The voice settings the configuration file carries: the output kind and, for the system
// engine, the voice by its position in the voice list, its volume and its rate.
struct TVoiceSettings {
    static constexpr int RecordSize = 32;

    std::uint8_t Kind = vkNone;   // a TVoiceKind; kept as read, so unknown values survive
    std::int32_t VoiceIndex = -1; // -1: no voice recorded
    std::int32_t Volume = 100;    // 0..100
    std::int32_t Rate = 0;        // -10..10

    bool operator==(const TVoiceSettings &) const = default;
};

// The 32-byte little-endian record: kind, three alignment bytes, index, volume, rate and
// sixteen reserved bytes written as zero.
QByteArray WriteVoiceSettings(const TVoiceSettings &settings);
// Reads the record from the first 32 bytes of `bytes`; false (and `settings` untouched) when
// fewer are given. The alignment and reserved bytes are not interpreted.
bool ReadVoiceSettings(const QByteArray &bytes, TVoiceSettings &settings);
