#pragma once

#include <QString>

// The dialogs' own texts, exactly as the user sees them.
namespace DialogStrings {

// The grid, cursor and scanning settings.
inline const QString GridCaption = QStringLiteral("Nastavení mřížky");
inline const QString GridGroup = QStringLiteral("&Mřížka");
inline const QString CursorGroup = QStringLiteral("&Kurzor");
inline const QString FocusGroup = QStringLiteral("&Zvýraznění");
inline const QString ScanGroup = QStringLiteral("&Způsob skenování");
inline const QString SwitchGroup = QStringLiteral("S&pínače");
inline const QString Thickness = QStringLiteral("&Tloušťka");
inline const QString Colour = QStringLiteral("&Barva");
inline const QString Columns = QStringLiteral("&Sloupce");
inline const QString Rows = QStringLiteral("Řá&dky");
inline const QString XCursor = QStringLiteral("&X kurzor");
inline const QString Stopping = QStringLiteral("&Zastavování");
inline const QString StayOnRow = QStringLiteral("Zůstat na řá&dku");
inline const QString StayOnCol = QStringLiteral("Zůstat na &sloupci");
inline const QString PointByMouse = QStringLiteral("&Ukazovat myší");
inline const QString Interval = QStringLiteral("&Interval [msec]");
inline const QString LongPress = QStringLiteral("&Dlouhý stisk [msec]");
inline const QString Switch1 = QStringLiteral("Spínač &1");
inline const QString Switch2 = QStringLiteral("Spínač  &2"); // two blanks, as designed
inline const QString ApplyChanges = QStringLiteral("&Provést změny");
inline const QString Cancel = QStringLiteral("&Storno");
inline const QString Ok = QStringLiteral("&OK");
inline const QString PresetSimple = QStringLiteral("Jednoduchý (1 signál, bez zastavování)");
inline const QString PresetAdvanced = QStringLiteral("Pokročilý (s přepínáním směru skenování)");
inline const QString PresetXNoStop = QStringLiteral("X kursor (bez zastavování)");
inline const QString PresetXStop = QStringLiteral("X kursor (se zastavováním)");
inline const QString PresetCustom = QStringLiteral("Vlastní");
inline const QString InvalidSwitch1 = QStringLiteral("Invalid key code for switch 1");
inline const QString InvalidSwitch2 = QStringLiteral("Invalid key code for switch 2");
// Teaching a switch by pressing it.
inline const QString Capture = QStringLiteral("Stiskem...");
inline const QString CaptureWaiting = QStringLiteral("Stiskněte spínač");
inline const QString CaptureHint =
    QStringLiteral("Zadá spínač stiskem jeho klávesy; Esc zruší čekání.");
inline QString CaptureName(int switchNumber) {
    return QStringLiteral("Zadat spínač %1 stiskem").arg(switchNumber);
}
inline QString SwitchName(int switchNumber) {
    return QStringLiteral("Spínač %1").arg(switchNumber);
}
// What a screen reader announces for the colour panels.
inline const QString GridColourName = QStringLiteral("Barva mřížky");
inline const QString CursorColourName = QStringLiteral("Barva kurzoru");
inline const QString FocusColourName = QStringLiteral("Barva zvýraznění");

inline const QString ConfirmCaption = QStringLiteral("Potvrzení příkazu");
// The question before the whole text is cleared; the blank before "?" is intended.
inline const QString ClearQuestion = QStringLiteral("Opravdu chcete smazat celý text ?");
inline const QString Yes = QStringLiteral("&Ano");
inline const QString No = QStringLiteral("&Ne");
// What a screen reader announces for the two answers.
inline const QString YesName = QStringLiteral("Ano");
inline const QString NoName = QStringLiteral("Ne");

} // namespace DialogStrings
