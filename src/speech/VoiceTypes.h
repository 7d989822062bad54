#pragma once

#include <cstdint>

// The engine that speaks now.
enum TVoiceEngine : std::uint8_t {
    veNone = 0,
    veComServer = 1, // the "TOOLCV.VBVOICE" automation server
    veDdeServer = 2, // the "CSVOICE" server and its synthesizer program
    veSapi5 = 3,     // the system speech engine
};

// The output the user asked for; stored in the configuration.
enum TVoiceKind : std::uint8_t {
    vkNone = 0,
    vkAuto = 1,    // the CS-Voice engines first, then the system engine
    vkCSVoice = 2, // the automation server, else the DDE server
    vkSapi5 = 3,
};

// The kind that stands for a running engine; never vkAuto.
constexpr TVoiceKind KindOfEngine(TVoiceEngine engine) {
    switch (engine) {
    case veComServer:
    case veDdeServer:
        return vkCSVoice;
    case veSapi5:
        return vkSapi5;
    case veNone:
        break;
    }
    return vkNone;
}
