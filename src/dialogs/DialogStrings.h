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
// The grid dialog's pages, and switch access on the second one.
inline const QString BasicPage = QStringLiteral("&Hlavní");
inline const QString AdvancedPage = QStringLiteral("&Rozšířené");
inline const QString FilterGroup = QStringLiteral("&Filtrování spínačů");
inline const QString AcceptTime = QStringLiteral("&Doba přijetí stisku [msec]");
inline const QString IgnoreAfter = QStringLiteral("&Ignorovat stisky po přijetí [msec]");
inline const QString FlowGroup = QStringLiteral("Průběh skenování");
inline const QString StopRounds = QStringLiteral("Zastavit po &kolech bez výběru");
inline const QString StopRoundsNever = QStringLiteral("nikdy");
inline const QString StartOnPress = QStringLiteral("Začít až prvním stiske&m");
inline const QString FirstStepExtra = QStringLiteral("Prodloužení prv&ního kroku [msec]");
inline const QString ResumeAt = QStringLiteral("Po výběru pokr&ačovat");
inline const QString ResumeAsBefore = QStringLiteral("dalším řádkem");
inline const QString ResumeFirstRow = QStringLiteral("od prvního řádku");
inline const QString ResumeSameRow = QStringLiteral("na stejném řádku");
inline const QString PromptGroup = QStringLiteral("Hlasové ohlašování");
inline const QString PromptsOn = QStringLiteral("&Zapnout ohlašování");
inline const QString RowPrompt = QStringLiteral("Řádky ohlašova&t");
inline const QString RowByNumber = QStringLiteral("číslem");
inline const QString RowByFirstKey = QStringLiteral("první klávesou");
inline const QString PromptVoice = QStringLiteral("Hlas ohlašo&vání");
inline const QString PromptVoiceDefault = QStringLiteral("český (výchozí)");
inline const QString PromptRate = QStringLiteral("R&ychlost");
inline const QString PromptVolume = QStringLiteral("H&lasitost");
inline const QString PromptPause = QStringLiteral("Pa&uza po ohlášení [msec]");
// A label's text without its access-key mark, for screen readers.
inline QString Plain(const QString &label) {
    QString text = label;
    return text.remove(QLatin1Char('&'));
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

// The directory chooser (its buttons, and the about box's, carry no access keys).
inline const QString DirCaption = QStringLiteral("Volba adresáře");
inline const QString PlainOk = QStringLiteral("OK");
inline const QString PlainCancel = QStringLiteral("Storno");
inline const QString PlaceHome = QStringLiteral("Domovská složka");
inline const QString PlaceDocuments = QStringLiteral("Dokumenty");
inline const QString PlaceRoot = QStringLiteral("Celý počítač");
inline const QString PlacesName = QStringLiteral("Místa a svazky");
inline const QString TreeName = QStringLiteral("Adresáře");

// The about box.
inline const QString AboutCaption = QStringLiteral("O aplikaci");
inline const QString ProgramName = QStringLiteral("Orvanta");
inline const QString ProductName = QStringLiteral("Klávesnice pro alternativní komunikaci");
inline const QString VersionDesign = QStringLiteral("Verze");
inline const QString VersionPrefix = QStringLiteral("Verze 2.0");
inline const QString VersionUpdate = QStringLiteral("update 2");
inline const QString Credits[4] = {
    QStringLiteral("Napsal tým programu Orvanta pro lidi, kteří nemohou mluvit."),
    QStringLiteral("Klávesnice, obrázky a zvuky jsou vlastní tvorbou projektu."),
    QStringLiteral("Řeč: eSpeak NG. Grafické rozhraní: Qt 6."),
    QStringLiteral("Licence: GNU General Public License, verze 3 nebo pozdější."),
};

} // namespace DialogStrings

// The key settings dialog.
namespace DialogStrings {

inline const QString KeySettingCaption = QStringLiteral("Nastavení klávesy");
inline const QString OkButton = QStringLiteral("O&K");
inline const QString CancelButton = QStringLiteral("&Storno");
inline const QString ApplyButton = QStringLiteral("Provést &změny");

inline const QString RozmerySheet = QStringLiteral("&Rozměry a Text");
inline const QString SymbolSheet = QStringLiteral("S&ymbol");
inline const QString BarvySheet = QStringLiteral("&Barvy");
inline const QString JineSheet = QStringLiteral("&Jiná nastavení");

inline const QString HeightLabel = QStringLiteral("&Výška");
inline const QString WidthLabel = QStringLiteral("Šíř&ka");
inline const QString BorderLabel = QStringLiteral("&Okraje");
inline const QString TextLabel = QStringLiteral("&Text");
// Two blanks before "klávesa", as the caption always had.
inline const QString SystemKey = QStringLiteral("S&ystémová  klávesa");
inline const QString FontButton = QStringLiteral("&Písmo...");

inline const QString NoSymbol = QStringLiteral("(None)");
inline const QString LoadSymbol = QStringLiteral("&Otevřít ...");
inline const QString ClearSymbol = QStringLiteral("S&mazat");
inline const QString KeepAspect = QStringLiteral("&Zachovat rozměry");
inline const QString AspectLabel = QStringLiteral("&výška/šířka:");
inline const QString AspectDesign = QStringLiteral("1.0");

inline const QString NormalLabel = QStringLiteral("&Normální");
inline const QString SpecialLabel = QStringLiteral("S&peciální");
inline const QString BackLabel = QStringLiteral("P&ozadí textu");
inline const QString SelectedLabel = QStringLiteral("&Vybraná");
inline const QString ActiveLabel = QStringLiteral("&Aktivní");
inline const QString D3Check = QStringLiteral("3D-effect");
inline const QString Sample = QStringLiteral("Ukázka");

inline const QString SoundLabel = QStringLiteral("&Zvuk");
inline const QString SoundHint = QStringLiteral("Zadejte název zvukového souboru (včetně cesty)");
inline const QString FindButton = QStringLiteral("Najít ...");
inline const QString PlayButton = QStringLiteral("Přehrát...");
inline const QString KeybdLabel = QStringLiteral("&Klávesnice");
inline const QString KeybdHint =
    QStringLiteral("Zadejte název souboru s tabulkou [*.kbt] }včetně cesty]");

inline const QString ImageDialogTitle = QStringLiteral("Načtení souboru s obrázkem");
// Besides bitmaps, metafiles and JPEG, any picture the system can read is offered.
inline const QString ImageDialogFilter =
    QStringLiteral("All (*.bmp *.wmf *.emf *.jpg *.jpeg *.png *.gif *.svg *.ico);;Bitmaps (*.bmp);;"
                   "Metafiles (*.wmf *.emf);;JPEG [*.jpg] (*.jpg *.jpeg);;"
                   "Other pictures (*.png *.gif *.svg *.ico);;all files (*)");
inline const QString SoundDialogTitle = QStringLiteral("Načtení zvukového záznamu");
inline const QString SoundDialogFilter = QStringLiteral("sound files (*.wav);;all files (*)");
inline const QString SoundSuffix = QStringLiteral("wav");
inline const QString KeybdDialogTitle = QStringLiteral("Načtení souboru s klávesnicí");
inline const QString KeybdDialogFilter = QStringLiteral("KBT files (*.kbt);;all files (*)");
inline const QString KeybdSuffix = QStringLiteral("kbt");

inline const QString BadNumber = QStringLiteral("Nesprávně zadané číslo");
inline const QString NoKeySelected =
    QStringLiteral("Nebyla vybrána žádná klávesa.\rKlávesu můžete vybrat současným stiskem "
                   "\rklávesy [Ctrl] a levého tlačítka myši.");

// What a screen reader announces for controls without a caption of their own.
inline const QString UpperTextName = QStringLiteral("Horní text");
inline const QString SpecialKeyName = QStringLiteral("Druh systémové klávesy");
inline const QString SymbolName = QStringLiteral("Symbol");
inline const QString SampleDescription = QStringLiteral("Náhled upravované klávesy");
inline const QString NormalName = QStringLiteral("Normální barva");
inline const QString SpecialName = QStringLiteral("Speciální barva");
inline const QString BackName = QStringLiteral("Barva pozadí textu");
inline const QString SelectedName = QStringLiteral("Barva vybrané klávesy");
inline const QString ActiveName = QStringLiteral("Barva aktivní klávesy");

} // namespace DialogStrings
