#pragma once

#include "TText.h"

#include <QString>

// A TText is translated into the interface language where it is used; a TFixedText is the
// same in every language: names of files, formats and outside programs, and the texts the
// program has always shown in English.
//
// The dialogs' own texts, exactly as the user sees them.
namespace DialogStrings {

// The grid, cursor and scanning settings.
inline constexpr auto GridCaption = TText("DialogStrings", "Nastavení mřížky");
inline constexpr auto GridGroup = TText("DialogStrings", "&Mřížka");
inline constexpr auto CursorGroup = TText("DialogStrings", "&Kurzor");
inline constexpr auto FocusGroup = TText("DialogStrings", "&Zvýraznění");
inline constexpr auto ScanGroup = TText("DialogStrings", "&Způsob skenování");
inline constexpr auto SwitchGroup = TText("DialogStrings", "S&pínače");
inline constexpr auto Thickness = TText("DialogStrings", "&Tloušťka");
inline constexpr auto Colour = TText("DialogStrings", "&Barva");
inline constexpr auto Columns = TText("DialogStrings", "&Sloupce");
inline constexpr auto Rows = TText("DialogStrings", "Řá&dky");
inline constexpr auto XCursor = TText("DialogStrings", "&X kurzor");
inline constexpr auto Stopping = TText("DialogStrings", "&Zastavování");
inline constexpr auto StayOnRow = TText("DialogStrings", "Zůstat na řá&dku");
inline constexpr auto StayOnCol = TText("DialogStrings", "Zůstat na &sloupci");
inline constexpr auto PointByMouse = TText("DialogStrings", "&Ukazovat myší");
inline constexpr auto Interval = TText("DialogStrings", "&Interval [msec]");
inline constexpr auto LongPress = TText("DialogStrings", "&Dlouhý stisk [msec]");
inline constexpr auto Switch1 = TText("DialogStrings", "Spínač &1");
inline constexpr auto Switch2 = TText("DialogStrings", "Spínač  &2"); // two blanks, as designed
inline constexpr auto ApplyChanges = TText("DialogStrings", "&Provést změny");
inline constexpr auto Cancel = TText("DialogStrings", "&Storno");
inline constexpr TFixedText Ok = u"&OK";
inline constexpr auto PresetSimple =
    TText("DialogStrings", "Jednoduchý (1 signál, bez zastavování)");
inline constexpr auto PresetAdvanced =
    TText("DialogStrings", "Pokročilý (s přepínáním směru skenování)");
inline constexpr auto PresetXNoStop = TText("DialogStrings", "X kursor (bez zastavování)");
inline constexpr auto PresetXStop = TText("DialogStrings", "X kursor (se zastavováním)");
inline constexpr auto PresetCustom = TText("DialogStrings", "Vlastní");
inline constexpr TFixedText InvalidSwitch1 = u"Invalid key code for switch 1";
inline constexpr TFixedText InvalidSwitch2 = u"Invalid key code for switch 2";
inline QString EditKeySwitch(int switchNumber) {
    return TText("DialogStrings", "Spínač %1: klávesa F8 přepíná nastavení, spínačem být nemůže.")
        .arg(switchNumber);
}
inline constexpr auto SameKeySwitches =
    TText("DialogStrings", "Spínač 1 a spínač 2 nemohou být stejná klávesa.");
// The help pages when no browser can show them.
inline constexpr auto HelpCaption = TText("DialogStrings", "Nápověda");
inline constexpr auto HelpClose = TText("DialogStrings", "&Zavřít");
// Teaching a switch by pressing it.
inline constexpr auto Capture = TText("DialogStrings", "Stiskem...");
inline constexpr auto CaptureWaiting = TText("DialogStrings", "Stiskněte spínač");
inline constexpr auto CaptureHint =
    TText("DialogStrings", "Zadá spínač stiskem jeho klávesy; Esc zruší čekání.");
inline QString CaptureName(int switchNumber) {
    return TText("DialogStrings", "Zadat spínač %1 stiskem").arg(switchNumber);
}
inline QString SwitchName(int switchNumber) {
    return TText("DialogStrings", "Spínač %1").arg(switchNumber);
}
// The grid dialog's pages, and switch access on the second one.
inline constexpr auto BasicPage = TText("DialogStrings", "&Hlavní");
inline constexpr auto AdvancedPage = TText("DialogStrings", "&Rozšířené");
inline constexpr auto FilterGroup = TText("DialogStrings", "&Filtrování spínačů");
inline constexpr auto AcceptTime = TText("DialogStrings", "&Doba přijetí stisku [msec]");
inline constexpr auto IgnoreAfter = TText("DialogStrings", "&Ignorovat stisky po přijetí [msec]");
inline constexpr auto FlowGroup = TText("DialogStrings", "Průběh skenování");
inline constexpr auto StopRounds = TText("DialogStrings", "Zastavit po &kolech bez výběru");
inline constexpr auto StopRoundsNever = TText("DialogStrings", "nikdy");
inline constexpr auto StartOnPress = TText("DialogStrings", "Začít až prvním stiske&m");
inline constexpr auto WaitForSpeech = TText("DialogStrings", "Stát, dokud program &čte text");
inline constexpr auto FirstStepExtra = TText("DialogStrings", "Prodloužení prv&ního kroku [msec]");
inline constexpr auto ResumeAt = TText("DialogStrings", "Po výběru pokr&ačovat");
inline constexpr auto ResumeAsBefore = TText("DialogStrings", "dalším řádkem");
inline constexpr auto ResumeFirstRow = TText("DialogStrings", "od prvního řádku");
inline constexpr auto ResumeSameRow = TText("DialogStrings", "na stejném řádku");
inline constexpr auto PromptGroup = TText("DialogStrings", "Hlasové ohlašování");
inline constexpr auto PromptsOn = TText("DialogStrings", "&Zapnout ohlašování");
inline constexpr auto RowPrompt = TText("DialogStrings", "Řádky ohlašova&t");
inline constexpr auto RowByNumber = TText("DialogStrings", "číslem");
inline constexpr auto RowByFirstKey = TText("DialogStrings", "první klávesou");
inline constexpr auto PromptVoice = TText("DialogStrings", "Hlas ohlašo&vání");
inline constexpr auto PromptVoiceDefault = TText("DialogStrings", "český (výchozí)");
inline constexpr auto PromptRate = TText("DialogStrings", "R&ychlost");
inline constexpr auto PromptVolume = TText("DialogStrings", "H&lasitost");
inline constexpr auto PromptPause = TText("DialogStrings", "Pa&uza po ohlášení [msec]");
inline constexpr auto OutputGroup = TText("DialogStrings", "Výstup zvuku");
inline constexpr auto SpeechDevice = TText("DialogStrings", "Výstu&p hlasu");
inline constexpr auto PromptDevice = TText("DialogStrings", "Výstup &ohlašování");
inline constexpr auto DefaultDevice = TText("DialogStrings", "výchozí zařízení systému");
// A label's text without its access-key mark, for screen readers.
inline QString Plain(const QString &label) {
    QString text = label;
    return text.remove(QLatin1Char('&'));
}

// What a screen reader announces for the colour panels.
inline constexpr auto GridColourName = TText("DialogStrings", "Barva mřížky");
inline constexpr auto CursorColourName = TText("DialogStrings", "Barva kurzoru");
inline constexpr auto FocusColourName = TText("DialogStrings", "Barva zvýraznění");

inline constexpr auto ConfirmCaption = TText("DialogStrings", "Potvrzení příkazu");
// The question before the whole text is cleared; the blank before "?" is intended.
inline constexpr auto ClearQuestion = TText("DialogStrings", "Opravdu chcete smazat celý text ?");
inline constexpr auto Yes = TText("DialogStrings", "&Ano");
inline constexpr auto No = TText("DialogStrings", "&Ne");
// What a screen reader announces for the two answers.
inline constexpr auto YesName = TText("DialogStrings", "Ano");
inline constexpr auto NoName = TText("DialogStrings", "Ne");

// The directory chooser (its buttons, and the about box's, carry no access keys).
inline constexpr auto DirCaption = TText("DialogStrings", "Volba adresáře");
inline constexpr TFixedText PlainOk = u"OK";
inline constexpr auto PlainCancel = TText("DialogStrings", "Storno");
inline constexpr auto PlaceHome = TText("DialogStrings", "Domovská složka");
inline constexpr auto PlaceDocuments = TText("DialogStrings", "Dokumenty");
inline constexpr auto PlaceRoot = TText("DialogStrings", "Celý počítač");
inline constexpr auto PlacesName = TText("DialogStrings", "Místa a svazky");
inline constexpr auto TreeName = TText("DialogStrings", "Adresáře");

// The about box.
inline constexpr auto AboutCaption = TText("DialogStrings", "O aplikaci");
inline constexpr TFixedText ProgramName = u"Orvanta";
inline constexpr auto ProductName =
    TText("DialogStrings", "Klávesnice pro alternativní komunikaci");
inline constexpr auto VersionDesign = TText("DialogStrings", "Verze");
inline constexpr auto VersionPrefix = TText("DialogStrings", "Verze 2.0");
inline constexpr TFixedText VersionUpdate = u"update 2";
inline constexpr TText Credits[4] = {
    TText("DialogStrings", "Napsal tým programu Orvanta pro lidi, kteří nemohou mluvit."),
    TText("DialogStrings", "Klávesnice, obrázky a zvuky jsou vlastní tvorbou projektu."),
    TText("DialogStrings", "Řeč: eSpeak NG. Grafické rozhraní: Qt 6."),
    TText("DialogStrings", "Licence: GNU General Public License, verze 3 nebo pozdější."),
};

} // namespace DialogStrings

// The key settings dialog.
namespace DialogStrings {

inline constexpr auto KeySettingCaption = TText("DialogStrings", "Nastavení klávesy");
inline constexpr auto OkButton = TText("DialogStrings", "O&K");
inline constexpr auto CancelButton = TText("DialogStrings", "&Storno");
inline constexpr auto ApplyButton = TText("DialogStrings", "Provést &změny");

inline constexpr auto RozmerySheet = TText("DialogStrings", "&Rozměry a Text");
inline constexpr auto SymbolSheet = TText("DialogStrings", "S&ymbol");
inline constexpr auto BarvySheet = TText("DialogStrings", "&Barvy");
inline constexpr auto JineSheet = TText("DialogStrings", "&Jiná nastavení");

inline constexpr auto HeightLabel = TText("DialogStrings", "&Výška");
inline constexpr auto WidthLabel = TText("DialogStrings", "Šíř&ka");
inline constexpr auto BorderLabel = TText("DialogStrings", "&Okraje");
inline constexpr auto TextLabel = TText("DialogStrings", "&Text");
// Two blanks before "klávesa", as the caption always had.
inline constexpr auto SystemKey = TText("DialogStrings", "S&ystémová  klávesa");
inline constexpr auto FontButton = TText("DialogStrings", "&Písmo...");

inline constexpr TFixedText NoSymbol = u"(None)";
inline constexpr auto LoadSymbol = TText("DialogStrings", "&Otevřít ...");
inline constexpr auto ClearSymbol = TText("DialogStrings", "S&mazat");
inline constexpr auto KeepAspect = TText("DialogStrings", "&Zachovat rozměry");
inline constexpr auto AspectLabel = TText("DialogStrings", "&výška/šířka:");
inline constexpr TFixedText AspectDesign = u"1.0";

inline constexpr auto NormalLabel = TText("DialogStrings", "&Normální");
inline constexpr auto SpecialLabel = TText("DialogStrings", "S&peciální");
inline constexpr auto BackLabel = TText("DialogStrings", "P&ozadí textu");
inline constexpr auto SelectedLabel = TText("DialogStrings", "&Vybraná");
inline constexpr auto ActiveLabel = TText("DialogStrings", "&Aktivní");
inline constexpr TFixedText D3Check = u"3D-effect";
inline constexpr auto Sample = TText("DialogStrings", "Ukázka");

inline constexpr auto SoundLabel = TText("DialogStrings", "&Zvuk");
inline constexpr auto SoundHint =
    TText("DialogStrings", "Zadejte název zvukového souboru (včetně cesty)");
inline constexpr auto FindButton = TText("DialogStrings", "Najít ...");
inline constexpr auto PlayButton = TText("DialogStrings", "Přehrát...");
inline constexpr auto KeybdLabel = TText("DialogStrings", "&Klávesnice");
inline constexpr auto KeybdHint =
    TText("DialogStrings", "Zadejte název souboru s tabulkou [*.kbt] }včetně cesty]");

inline constexpr auto ImageDialogTitle = TText("DialogStrings", "Načtení souboru s obrázkem");
// Besides bitmaps, metafiles and JPEG, any picture the system can read is offered.
inline constexpr TFixedText ImageDialogFilter =
    u"All (*.bmp *.wmf *.emf *.jpg *.jpeg *.png *.gif *.svg *.ico);;Bitmaps (*.bmp);;"
    "Metafiles (*.wmf *.emf);;JPEG [*.jpg] (*.jpg *.jpeg);;"
    "Other pictures (*.png *.gif *.svg *.ico);;all files (*)";
inline constexpr auto SoundDialogTitle = TText("DialogStrings", "Načtení zvukového záznamu");
inline constexpr TFixedText SoundDialogFilter = u"sound files (*.wav);;all files (*)";
inline constexpr TFixedText SoundSuffix = u"wav";
inline constexpr auto KeybdDialogTitle = TText("DialogStrings", "Načtení souboru s klávesnicí");
inline constexpr TFixedText KeybdDialogFilter = u"KBT files (*.kbt);;all files (*)";
inline constexpr TFixedText KeybdSuffix = u"kbt";

inline constexpr auto BadNumber = TText("DialogStrings", "Nesprávně zadané číslo");
inline constexpr auto NoKeySelected =
    TText("DialogStrings", "Nebyla vybrána žádná klávesa.\rKlávesu můžete vybrat současným stiskem "
                           "\rklávesy [Ctrl] a levého tlačítka myši.");

// What a screen reader announces for controls without a caption of their own.
inline constexpr auto UpperTextName = TText("DialogStrings", "Horní text");
inline constexpr auto SpecialKeyName = TText("DialogStrings", "Druh systémové klávesy");
inline constexpr auto SymbolName = TText("DialogStrings", "Symbol");
inline constexpr auto SampleDescription = TText("DialogStrings", "Náhled upravované klávesy");
inline constexpr auto NormalName = TText("DialogStrings", "Normální barva");
inline constexpr auto SpecialName = TText("DialogStrings", "Speciální barva");
inline constexpr auto BackName = TText("DialogStrings", "Barva pozadí textu");
inline constexpr auto SelectedName = TText("DialogStrings", "Barva vybrané klávesy");
inline constexpr auto ActiveName = TText("DialogStrings", "Barva aktivní klávesy");

// The word slots above the keys.
inline constexpr auto PredictionCaption = TText("DialogStrings", "Návrhy slov");
inline constexpr auto PredictionGroup = TText("DialogStrings", "Tato tabulka");
inline constexpr auto PredictionOn = TText("DialogStrings", "&Řada návrhů slov nad klávesami");
inline constexpr auto PredictionCount = TText("DialogStrings", "&Počet návrhů:");
inline constexpr auto PredictionNote =
    TText("DialogStrings", "Návrhy se skenují jako první řádek.");

} // namespace DialogStrings
