#pragma once

#include "TText.h"

#include <QString>

// A TText is translated into the interface language where it is used; a TFixedText is the
// same in every language: names of files, formats and outside programs, and the texts the
// program has always shown in English.
//
// The texts of the voice output dialogs, exactly as the user sees them; "&" marks the access
// key of a caption and is not shown.
namespace VoiceDialogStrings {

// The output selection.
inline constexpr auto VoiceCaption = TText("VoiceDialogStrings", "Nastavení hlasového výstupu");
// Two blanks after the first word, as the dialog has always shown it.
inline constexpr auto ChooseOutput =
    TText("VoiceDialogStrings", "&Zvolte  nástroj hlasového výstupu");
inline constexpr auto OutputNone = TText("VoiceDialogStrings", "žádný");
inline constexpr TFixedText OutputSapi5 = u"SAPI 5";
inline constexpr TFixedText OutputCSVoice = u"CS-Voice";
inline constexpr auto Setup = TText("VoiceDialogStrings", "&Nastavení");
inline constexpr TFixedText Test = u"&Test";
inline constexpr TFixedText Stop = u"&Stop";
inline constexpr TFixedText Ok = u"OK";
inline constexpr auto Cancel = TText("VoiceDialogStrings", "St&orno");
inline constexpr auto StartFailed =
    TText("VoiceDialogStrings",
          "Nelze spustit požadovaný hlasový výstup.\rChcete vyhledat jiný existující "
          "výstup automaticky?");

// The test sentences.
inline constexpr TFixedText CzechSample = u"Příliš žluťoučký kůň úpěl ďábelské ódy.";
inline constexpr TFixedText EnglishSample = u"The quick brown fox jumped over the lazy dog.";

// The system voice settings.
inline constexpr auto Sapi5Caption = TText("VoiceDialogStrings", "Nastavení SAPI5");
inline constexpr auto TabVolba = TText("VoiceDialogStrings", "&Volba hlasu");
inline constexpr auto TabSetting = TText("VoiceDialogStrings", "&Nastavení");
inline constexpr auto Vendor = TText("VoiceDialogStrings", "Výrobce:");
inline constexpr auto Language = TText("VoiceDialogStrings", "Jazyk:");
inline constexpr auto Character = TText("VoiceDialogStrings", "Osoba:");
inline constexpr auto Gender = TText("VoiceDialogStrings", "Pohlaví:");
inline constexpr auto Age = TText("VoiceDialogStrings", "Věk:");
inline constexpr auto Select = TText("VoiceDialogStrings", "V&ybrat");
inline constexpr auto Rate = TText("VoiceDialogStrings", "&Rychlost");
inline constexpr auto Volume = TText("VoiceDialogStrings", "&Hlasitost");
inline constexpr auto Close = TText("VoiceDialogStrings", "&Zavřít");
inline constexpr TFixedText ModeId = u"ModeID: ";

// What a screen reader announces for controls that show no text of their own.
inline constexpr auto VoiceTreeName = TText("VoiceDialogStrings", "Hlasy");
inline constexpr auto CurrentVoiceName = TText("VoiceDialogStrings", "Použitý hlas");
inline constexpr auto TestTextName = TText("VoiceDialogStrings", "Zkušební text");
inline constexpr auto SpeakName = TText("VoiceDialogStrings", "Přečíst");
inline constexpr auto StopName = TText("VoiceDialogStrings", "Zastavit");
inline constexpr auto OutputName = TText("VoiceDialogStrings", "Hlasový výstup");

} // namespace VoiceDialogStrings
