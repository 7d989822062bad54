#pragma once

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class TForm1;

// The main menu `MainMenu1`, its items under their form names. The window connects the items
// whose commands exist; the rest stay disabled.
struct TMainMenu {
    QMenu *File1 = nullptr;   // "&Soubor"
    QAction *New1 = nullptr;  // "&Nová tabulka"
    QAction *Open1 = nullptr; // "&Otevřít..."
    QAction *Save1 = nullptr; // "&Uložit..."
    QMenu *Adresare1 = nullptr;
    QAction *Tabulky1 = nullptr;
    QAction *Zvuky1 = nullptr;
    QAction *Obrzky1 = nullptr;
    QAction *Tiskrna1 = nullptr;
    QAction *Tisk1 = nullptr;
    QAction *Konec1 = nullptr;

    QMenu *Keys1 = nullptr; // "&Klávesy"
    QAction *Edit1 = nullptr;
    QAction *New2 = nullptr;
    QAction *Delete1 = nullptr;
    QAction *LoadKey1 = nullptr;
    QAction *SaveKey1 = nullptr;

    QMenu *Special1 = nullptr; // "&Nastavení"
    QAction *ScanItem = nullptr;
    QAction *EchoItem = nullptr;
    QAction *OutsideItem = nullptr; // "Psát do jiných aplikací"
    QMenu *AutomaticRead = nullptr;
    QActionGroup *ReadGroup = nullptr;
    QAction *NoItem = nullptr;
    QAction *AllItem = nullptr;
    QAction *SentItem = nullptr;
    QAction *RowsItem = nullptr;
    QAction *GridItem = nullptr;
    QAction *TextItem = nullptr;
    QAction *VoiceItem = nullptr;
    QAction *SlotsItem = nullptr;        // "&Návrhy slov": the current table's slot row
    QAction *SlotSettingsItem = nullptr; // "Nastavení ná&vrhů..."
    QAction *ForgetItem = nullptr;       // "&Zapomenout naučená slova"

    QMenu *Help1 = nullptr; // "Ná&pověda"
    QAction *Nvod1 = nullptr;
    QAction *Prvodce1 = nullptr;
    QAction *Oaplikaci1 = nullptr;

    // Builds the tree into `bar`, every item disabled and unconnected.
    void Build(QMenuBar *bar);
    // Shows or hides every top-level item (the bar is empty in work mode).
    void SetTopLevelVisible(bool visible);
};
