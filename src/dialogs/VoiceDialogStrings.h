#pragma once

#include <QString>

// The texts of the voice output dialogs, exactly as the user sees them; "&" marks the access
// key of a caption and is not shown.
namespace VoiceDialogStrings {

// The output selection.
inline const QString VoiceCaption = QStringLiteral("Nastavení hlasového výstupu");
// Two blanks after the first word, as the dialog has always shown it.
inline const QString ChooseOutput = QStringLiteral("&Zvolte  nástroj hlasového výstupu");
inline const QString OutputNone = QStringLiteral("žádný");
inline const QString OutputSapi5 = QStringLiteral("SAPI 5");
inline const QString OutputCSVoice = QStringLiteral("CS-Voice");
inline const QString Setup = QStringLiteral("&Nastavení");
inline const QString Test = QStringLiteral("&Test");
inline const QString Stop = QStringLiteral("&Stop");
inline const QString Ok = QStringLiteral("OK");
inline const QString Cancel = QStringLiteral("St&orno");
inline const QString StartFailed =
    QStringLiteral("Nelze spustit požadovaný hlasový výstup.\rChcete vyhledat jiný existující "
                   "výstup automaticky?");

// The test sentences.
inline const QString CzechSample = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy.");
inline const QString EnglishSample =
    QStringLiteral("The quick brown fox jumped over the lazy dog.");

// The system voice settings.
inline const QString Sapi5Caption = QStringLiteral("Nastavení SAPI5");
inline const QString TabVolba = QStringLiteral("&Volba hlasu");
inline const QString TabSetting = QStringLiteral("&Nastavení");
inline const QString Vendor = QStringLiteral("Výrobce:");
inline const QString Language = QStringLiteral("Jazyk:");
inline const QString Character = QStringLiteral("Osoba:");
inline const QString Gender = QStringLiteral("Pohlaví:");
inline const QString Age = QStringLiteral("Věk:");
inline const QString Select = QStringLiteral("V&ybrat");
inline const QString Rate = QStringLiteral("&Rychlost");
inline const QString Volume = QStringLiteral("&Hlasitost");
inline const QString Close = QStringLiteral("&Zavřít");
inline const QString ModeId = QStringLiteral("ModeID: ");

// What a screen reader announces for controls that show no text of their own.
inline const QString VoiceTreeName = QStringLiteral("Hlasy");
inline const QString CurrentVoiceName = QStringLiteral("Použitý hlas");
inline const QString TestTextName = QStringLiteral("Zkušební text");
inline const QString SpeakName = QStringLiteral("Přečíst");
inline const QString StopName = QStringLiteral("Zastavit");
inline const QString OutputName = QStringLiteral("Hlasový výstup");

} // namespace VoiceDialogStrings
