#pragma once

#include <QString>

// The main window's own texts, exactly as the user sees them.
namespace AppStrings {

inline const QString ApplicationTitle = QStringLiteral("Orvanta");
inline const QString DesignCaption = QStringLiteral("Klávesnice");
inline const QString MainCaption = QStringLiteral("Klávesnice pro alternativní komunikaci");
inline const QString AlreadyRunning =
    QStringLiteral("Program již běží. Nelze spustit více než jednu kopii.");
inline const QString ConfigNotSaved = QStringLiteral("Warning: Configuration not saved !");
inline const QString ConfigFileName = QStringLiteral("Orvanta.cfg");
inline const QString ConfigUnreadable =
    QStringLiteral("Program nemůže nalézt nebo přečíst konfigurační soubor\r");
inline const QString DefaultTableMissing = QStringLiteral("Program nemůže nalézt výchozí tabulku ");
inline const QString FindTable = QStringLiteral("Najděte tabulku na disku.");
// The echo's click, among the program's own sounds.
inline const QString EchoSound = QStringLiteral("Sounds/cvaknuti.wav");

inline const QString CapsLock = QStringLiteral("CapsLock");
inline const QString Shift = QStringLiteral("Shift");
inline const QString EditLabel = QStringLiteral("Nastavení");
inline const QString ScanningLabel = QStringLiteral("Skenování");
inline const QString EditButtonInEdit = QStringLiteral("&Start F8");
inline const QString EditButtonInWork = QStringLiteral("&Nastavení F8");
inline const QString EditButtonHint =
    QStringLiteral("Přepíná mezi pracovním režimem a režimem nastavení");
// What a screen reader calls the display of the composed text.
inline const QString DisplayName = QStringLiteral("Psaný text");
inline const QString StopSpeechHint = QStringLiteral("Zastavení hlasového výstupu");
inline const QString XmlButton = QStringLiteral("XML");
inline const QString SelectedDesign = QStringLiteral("selected:");
inline const QString SelectedPrefix = QStringLiteral("Selected: ");
inline const QString F8Hint = QStringLiteral("F8 - Nastavení/Start");

} // namespace AppStrings

namespace AppStrings {

inline const QString MaxKeysPrefix = QStringLiteral("Max. počet kláves je ");
inline const QString MaxKeysSuffix = QStringLiteral(" !");
inline const QString NoKeySelected =
    QStringLiteral("Nebyla vybrána žádná klávesa.\rKlávesu můžete vybrat současným stiskem "
                   "\rklávesy [Ctrl] a levého tlačítka myši.");

inline const QString LoadItem = QStringLiteral("Nahrát symbol...");
inline const QString ClearItem = QStringLiteral("Smazat symbol");
inline const QString CopyItem = QStringLiteral("Kopírovat symbol");
inline const QString PasteItem = QStringLiteral("Vložit");
inline const QString UpravitItem = QStringLiteral("Upravit ...");
inline const QString LoadPictTitle = QStringLiteral("Načíst soubor s obrázkem");
inline const QString LoadPictFilter =
    QStringLiteral("All (*.bmp *.ico *.emf *.wmf *.jpg);;Bitmaps (*.bmp);;Icons (*.ico);;"
                   "Enhanced Metafiles (*.emf);;Metafiles (*.wmf);;JPEG [*.jpg] (*.jpg)");

inline const QString CannotLoadTable = QStringLiteral("Tabulku nelze nahrát.");
inline const QString TryOpenMenu = QStringLiteral("Zkuste nahrát tabulku z menu Soubor/Otevřít...");
inline const QString CannotOpenTable = QStringLiteral("Tabulku nelze otevřít: ");
inline const QString CannotOpenKeys = QStringLiteral("Soubor s klávesami nelze otevřít: ");
// The second line of those messages: what is wrong with the file, and where.
inline const QString ProblemKey = QStringLiteral("klávesa %1: ");          // counted from 1
inline const QString ProblemOffset = QStringLiteral(" (bajt %1 souboru)"); // file offset
inline const QString FaultTruncated = QStringLiteral("soubor je zkrácený");
inline const QString FaultDamaged = QStringLiteral("záznam je poškozený");
inline const QString FaultGridSize = QStringLiteral("velikost mřížky je mimo povolený rozsah");
inline const QString FaultTooManyKeys = QStringLiteral("soubor má příliš mnoho kláves");
inline const QString FaultCellOutside = QStringLiteral("buňka klávesy leží mimo mřížku");
inline const QString FaultCellTaken = QStringLiteral("buňka klávesy už patří jiné klávese");
inline const QString FaultTrailingBytes =
    QStringLiteral("za poslední klávesou následují další data");
inline const QString FaultPicture = QStringLiteral("obrázek je poškozený");
inline const QString FaultPictureTooLarge = QStringLiteral("obrázek je příliš velký");
inline const QString FaultTextTooLong = QStringLiteral("text je příliš dlouhý");
inline const QString FaultGeometry = QStringLiteral("poloha nebo velikost je mimo rozsah");
inline const QString SaveTableQuestion = QStringLiteral("Uložit tabulku ?");
inline const QString OpenTableTitle = QStringLiteral("Načíst soubor s tabulkou");
inline const QString OpenKeysTitle = QStringLiteral("Načíst soubor s klávesou/klávesami");
inline const QString OpenFilterTables = QStringLiteral("Keyboard files [*.kbt] (*.kbt)");
inline const QString OpenFilterKeys = QStringLiteral("Key files [*.kyf] (*.kyf)");
inline const QString SaveFilterTables = QStringLiteral("Keyboard file [*.kbt] (*.kbt)");
inline const QString SaveFilterKeys = QStringLiteral("Key file [*.kyf] (*.kyf)");
inline const QString OpenFilterBoards =
    QStringLiteral("Open Board files [*.obf, *.obz] (*.obf *.obz)");
inline const QString SaveFilterBoards = QStringLiteral("Open Board package [*.obz] (*.obz)");

inline const QString PrintJobName = QStringLiteral("Orvanta");

} // namespace AppStrings

namespace AppStrings {
inline const QString PrintedToFile =
    QStringLiteral("Tiskárna není k dispozici. Text byl uložen do souboru ");
} // namespace AppStrings

namespace AppStrings {
inline const QString DirCaptionTables = QStringLiteral("Volba adresáře: Tabulky");
inline const QString DirCaptionSounds = QStringLiteral("Volba adresáře: Zvuky");
inline const QString DirCaptionPictures = QStringLiteral("Volba adresáře: Obrázky");
inline const QString NoSuchDirectory = QStringLiteral("Adresář neexistuje");
inline const QString HelpFolder = QStringLiteral("Help");
inline const QString HelpManual = QStringLiteral("Help.html");
inline const QString HelpGuide = QStringLiteral("Guide.html");
} // namespace AppStrings

// The scan's spoken prompts and the settings file of switch access.
namespace AppStrings {

inline const QString ScanAccessFileName = QStringLiteral("ScanAccess.ini");
// A row announced by its number, counted from 1.
inline QString RowPrompt(int row) {
    return QStringLiteral("řádek %1").arg(row);
}
// How the special keys are announced, by kind (the first, None, is never spoken).
inline const QString SpecialKeyPrompts[] = {
    QString(),
    QStringLiteral("mezera"),
    QStringLiteral("smazat znak"),
    QStringLiteral("nový řádek"),
    QStringLiteral("escape"),
    QStringLiteral("tabulátor"),
    QStringLiteral("vložit"),
    QStringLiteral("smazat"),
    QStringLiteral("na začátek"),
    QStringLiteral("na konec"),
    QStringLiteral("stránka nahoru"),
    QStringLiteral("stránka dolů"),
    QStringLiteral("nahoru"),
    QStringLiteral("dolů"),
    QStringLiteral("doleva"),
    QStringLiteral("doprava"),
    QStringLiteral("velká písmena"),
    QStringLiteral("vybrat"),
    QStringLiteral("shift"),
    QStringLiteral("přečíst"),
    QStringLiteral("vymazat vše"),
    QStringLiteral("vymazat řádek"),
    QStringLiteral("tisk"),
    QStringLiteral("zvuk"),
    QStringLiteral("jiná tabulka"),
};

} // namespace AppStrings
