#pragma once

#include "TText.h"

#include <QString>

// A TText is translated into the interface language where it is used; a TFixedText is the
// same in every language: names of files, formats and outside programs, and the texts the
// program has always shown in English.
//
// The main window's own texts, exactly as the user sees them.
namespace AppStrings {

inline constexpr TFixedText ApplicationTitle = u"Orvanta";
inline constexpr auto DesignCaption = TText("AppStrings", "Klávesnice");
inline constexpr auto MainCaption = TText("AppStrings", "Klávesnice pro alternativní komunikaci");
// In the control strip while sound cannot be played, with the reason as its tip.
inline constexpr auto NoSoundLabel = TText("AppStrings", "Bez zvuku");
inline constexpr auto NoSound = TText("AppStrings", "Zvuk nelze přehrát: %1");
inline constexpr auto AlreadyRunning =
    TText("AppStrings", "Program již běží. Nelze spustit více než jednu kopii.");
inline constexpr TFixedText ConfigNotSaved = u"Warning: Configuration not saved !";
inline constexpr TFixedText ConfigFileName = u"Orvanta.cfg";
// The desktop speech service's voice the user chose, beside the configuration.
inline constexpr TFixedText ServiceVoiceFileName = u"Voice.ini";
// The display's text while the program runs, beside the configuration.
inline constexpr TFixedText JournalFileName = u"Orvanta.text";
inline constexpr auto ConfigUnreadable =
    TText("AppStrings", "Program nemůže nalézt nebo přečíst konfigurační soubor\r");
inline constexpr auto DefaultTableMissing =
    TText("AppStrings", "Program nemůže nalézt výchozí tabulku ");
inline constexpr auto FindTable = TText("AppStrings", "Najděte tabulku na disku.");
// The echo's click, among the program's own sounds.
inline constexpr TFixedText EchoSound = u"Sounds/cvaknuti.wav";

inline constexpr TFixedText CapsLock = u"CapsLock";
inline constexpr TFixedText Shift = u"Shift";
inline constexpr auto EditLabel = TText("AppStrings", "Nastavení");
inline constexpr auto ScanningLabel = TText("AppStrings", "Skenování");
inline constexpr auto EditButtonInEdit = TText("AppStrings", "&Start F8");
inline constexpr auto EditButtonInWork = TText("AppStrings", "&Nastavení F8");
inline constexpr auto EditButtonHint =
    TText("AppStrings", "Přepíná mezi pracovním režimem a režimem nastavení");
// What a screen reader calls the display of the composed text.
inline constexpr auto DisplayName = TText("AppStrings", "Psaný text");
inline constexpr auto StopSpeechHint = TText("AppStrings", "Zastavení hlasového výstupu");
inline constexpr TFixedText XmlButton = u"XML";
inline constexpr TFixedText SelectedDesign = u"selected:";
inline constexpr TFixedText SelectedPrefix = u"Selected: ";
inline constexpr auto F8Hint = TText("AppStrings", "F8 - Nastavení/Start");
// In the control strip while the keys type into other applications.
inline constexpr auto OutsideLabel = TText("AppStrings", "Jiné aplikace");
inline constexpr auto OutsideHint =
    TText("AppStrings", "Klávesy píší do aplikace, která má vstup z klávesnice");
// The tips of the menu item while the window system does not allow it.
inline constexpr auto OutsideWayland = TText(
    "AppStrings", "V relaci Wayland nelze psát do jiných aplikací: Wayland aplikacím "
                  "nedovoluje posílat klávesy jiným oknům ani sledovat spínače mimo své okno.");
inline constexpr auto OutsideNoX11 =
    TText("AppStrings", "Psát do jiných aplikací lze jen v relaci X11.");
inline constexpr auto OutsideNoXTest = TText(
    "AppStrings", "X server nemá rozšíření XTest, bez kterého nelze psát do jiných aplikací.");

} // namespace AppStrings

namespace AppStrings {

inline constexpr auto MaxKeysPrefix = TText("AppStrings", "Max. počet kláves je ");
inline constexpr TFixedText MaxKeysSuffix = u" !";
inline constexpr auto NoKeySelected =
    TText("AppStrings", "Nebyla vybrána žádná klávesa.\rKlávesu můžete vybrat současným stiskem "
                        "\rklávesy [Ctrl] a levého tlačítka myši.");

inline constexpr auto LoadItem = TText("AppStrings", "Nahrát symbol...");
inline constexpr auto ClearItem = TText("AppStrings", "Smazat symbol");
inline constexpr auto CopyItem = TText("AppStrings", "Kopírovat symbol");
inline constexpr auto PasteItem = TText("AppStrings", "Vložit");
inline constexpr auto UpravitItem = TText("AppStrings", "Upravit ...");
inline constexpr auto LoadPictTitle = TText("AppStrings", "Načíst soubor s obrázkem");
inline constexpr TFixedText LoadPictFilter =
    u"All (*.bmp *.ico *.emf *.wmf *.jpg);;Bitmaps (*.bmp);;Icons (*.ico);;"
    "Enhanced Metafiles (*.emf);;Metafiles (*.wmf);;JPEG [*.jpg] (*.jpg)";

inline constexpr auto CannotLoadTable = TText("AppStrings", "Tabulku nelze nahrát.");
inline constexpr auto TryOpenMenu =
    TText("AppStrings", "Zkuste nahrát tabulku z menu Soubor/Otevřít...");
inline constexpr auto CannotOpenTable = TText("AppStrings", "Tabulku nelze otevřít: ");
inline constexpr auto CannotOpenKeys = TText("AppStrings", "Soubor s klávesami nelze otevřít: ");
// The second line of those messages: what is wrong with the file, and where.
inline constexpr auto ProblemKey = TText("AppStrings", "klávesa %1: ");          // counted from 1
inline constexpr auto ProblemOffset = TText("AppStrings", " (bajt %1 souboru)"); // file offset
inline constexpr auto FaultTruncated = TText("AppStrings", "soubor je zkrácený");
inline constexpr auto FaultDamaged = TText("AppStrings", "záznam je poškozený");
inline constexpr auto FaultGridSize =
    TText("AppStrings", "velikost mřížky je mimo povolený rozsah");
inline constexpr auto FaultTooManyKeys = TText("AppStrings", "soubor má příliš mnoho kláves");
inline constexpr auto FaultCellOutside = TText("AppStrings", "buňka klávesy leží mimo mřížku");
inline constexpr auto FaultCellTaken = TText("AppStrings", "buňka klávesy už patří jiné klávese");
inline constexpr auto FaultTrailingBytes =
    TText("AppStrings", "za poslední klávesou následují další data");
inline constexpr auto FaultPicture = TText("AppStrings", "obrázek je poškozený");
inline constexpr auto FaultPictureTooLarge = TText("AppStrings", "obrázek je příliš velký");
inline constexpr auto FaultTextTooLong = TText("AppStrings", "text je příliš dlouhý");
inline constexpr auto FaultGeometry = TText("AppStrings", "poloha nebo velikost je mimo rozsah");
inline constexpr auto SaveTableQuestion = TText("AppStrings", "Uložit tabulku ?");
inline constexpr auto OpenTableTitle = TText("AppStrings", "Načíst soubor s tabulkou");
inline constexpr auto OpenKeysTitle = TText("AppStrings", "Načíst soubor s klávesou/klávesami");
inline constexpr TFixedText OpenFilterTables = u"Keyboard files [*.kbt] (*.kbt)";
inline constexpr TFixedText OpenFilterKeys = u"Key files [*.kyf] (*.kyf)";
inline constexpr TFixedText SaveFilterTables = u"Keyboard file [*.kbt] (*.kbt)";
inline constexpr TFixedText SaveFilterKeys = u"Key file [*.kyf] (*.kyf)";
inline constexpr TFixedText OpenFilterBoards = u"Open Board files [*.obf, *.obz] (*.obf *.obz)";
inline constexpr TFixedText SaveFilterBoards = u"Open Board package [*.obz] (*.obz)";

inline constexpr TFixedText PrintJobName = u"Orvanta";

} // namespace AppStrings

namespace AppStrings {
inline constexpr auto PrintedToFile =
    TText("AppStrings", "Tiskárna není k dispozici. Text byl uložen do souboru ");
inline constexpr auto NotPrintedToFile =
    TText("AppStrings", "Tiskárna není k dispozici a text nelze uložit do souboru ");
inline constexpr auto PrintingUnavailable = TText("AppStrings", "Tisk nelze spustit: ");
} // namespace AppStrings

namespace AppStrings {
inline constexpr auto DirCaptionTables = TText("AppStrings", "Volba adresáře: Tabulky");
inline constexpr auto DirCaptionSounds = TText("AppStrings", "Volba adresáře: Zvuky");
inline constexpr auto DirCaptionPictures = TText("AppStrings", "Volba adresáře: Obrázky");
inline constexpr auto NoSuchDirectory = TText("AppStrings", "Adresář neexistuje");
inline constexpr TFixedText HelpFolder = u"Help";
inline constexpr TFixedText HelpManual = u"Help.html";
inline constexpr TFixedText HelpGuide = u"Guide.html";
} // namespace AppStrings

// The scan's spoken prompts and the settings file of switch access.
namespace AppStrings {

inline constexpr TFixedText ScanAccessFileName = u"ScanAccess.ini";
// Whether the keys type into other applications, beside the configuration.
inline constexpr TFixedText TypingFileName = u"Typing.ini";
// A row announced by its number, counted from 1.
inline QString RowPrompt(int row) {
    return QStringLiteral("řádek %1").arg(row);
}
// How the special keys are announced, by kind (the first, None, is never spoken).
inline constexpr TFixedText SpecialKeyPrompts[] = {
    u"",
    u"mezera",
    u"smazat znak",
    u"nový řádek",
    u"escape",
    u"tabulátor",
    u"vložit",
    u"smazat",
    u"na začátek",
    u"na konec",
    u"stránka nahoru",
    u"stránka dolů",
    u"nahoru",
    u"dolů",
    u"doleva",
    u"doprava",
    u"velká písmena",
    u"vybrat",
    u"shift",
    u"přečíst",
    u"vymazat vše",
    u"vymazat řádek",
    u"tisk",
    u"zvuk",
    u"jiná tabulka",
};

} // namespace AppStrings

// Word prediction: the slot row, its word list, the user's learned words.
namespace AppStrings {

inline constexpr TFixedText PredictionFileName = u"Prediction.ini";
inline constexpr TFixedText PredictFolder = u"Predict";
// The slot row announced as a row.
inline constexpr auto SlotRowPrompt = TText("AppStrings", "návrhy slov");
inline constexpr auto LexiconUnreadable =
    TText("AppStrings", "Seznam slov pro návrhy %1 nelze načíst: %2");
inline constexpr auto ModelDamaged =
    TText("AppStrings", "Soubor naučených slov %1 je poškozen (%2). Začíná se znovu.");
inline constexpr auto ModelNotSaved = TText("AppStrings", "Naučená slova nelze uložit do %1: %2");
inline constexpr auto PredictionNotSaved =
    TText("AppStrings", "Nastavení návrhů slov nelze uložit do %1.");
inline constexpr auto ForgetQuestion = TText("AppStrings", "Zapomenout všechna naučená slova?");

} // namespace AppStrings
