#pragma once

#include "TText.h"

#include <QString>

// The scanning grid's own texts.
namespace ScanStrings {

// What a screen reader calls the grid of keys.
inline constexpr auto GridName = TText("ScanStrings", "Klávesy");
inline constexpr TFixedText PaintError = u"Error in TimeGrid.Paint";
inline constexpr TFixedText StreamReadError = u"Stream read error";
inline constexpr TFixedText StreamWriteError = u"Stream write error";

// A switch code in the settings record that does not fit 16 bits.
inline QString SwitchCodeRangeError(int switchNumber, quint32 code) {
    return QStringLiteral("Range check error: switch %1 code %2 in the grid settings is not below "
                          "65536")
        .arg(switchNumber)
        .arg(code);
}

// A switch code that no key has, so it cannot be watched.
inline QString WatchedKeyRangeError(int code) {
    return QStringLiteral("Range check error: switch code %1 is not below 256").arg(code);
}

} // namespace ScanStrings
