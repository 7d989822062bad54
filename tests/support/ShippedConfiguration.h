#pragma once

#include "ConfigFormat.h"
#include "VoiceSettings.h"

// The configuration a build ships and a first start leaves: the window's design, automatic
// speech, the index table.
inline TConfiguration ShippedConfiguration() {
    TConfiguration c = ConfigFormat::DesignConfiguration();
    TVoiceSettings voice;
    voice.Kind = vkAuto;
    c.VoiceRecord = WriteVoiceSettings(voice);
    c.TableName = QStringLiteral("index.kbt");
    return c;
}
