#include "MainMenu.h"

#include "TText.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *Item(QMenu *menu, const QString &caption, const char *name) {
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    a->setEnabled(false);
    return a;
}

QMenu *SubMenu(QWidget *parent, const QString &caption, const char *name) {
    auto *m = new QMenu(caption, parent);
    m->setObjectName(QLatin1String(name));
    return m;
}

} // namespace

void TMainMenu::Build(QMenuBar *bar) {
    File1 = SubMenu(bar, TText("MainMenu", "&Soubor"), "File1");
    New1 = Item(File1, TText("MainMenu", "&Nová tabulka"), "New1");
    Open1 = Item(File1, TText("MainMenu", "&Otevřít..."), "Open1");
    Save1 = Item(File1, TText("MainMenu", "&Uložit..."), "Save1");
    Adresare1 = SubMenu(File1, TText("MainMenu", "&Adresáře"), "Adresare1");
    File1->addMenu(Adresare1);
    Tabulky1 = Item(Adresare1, TText("MainMenu", "&Tabulky..."), "Tabulky1");
    Zvuky1 = Item(Adresare1, TText("MainMenu", "&Zvuky..."), "Zvuky1");
    Obrzky1 = Item(Adresare1, TText("MainMenu", "&Obrázky..."), "Obrzky1");
    File1->addSeparator();
    Tiskrna1 = Item(File1, TText("MainMenu", "Na&stavení tiskárny..."), "Tiskrna1");
    Tisk1 = Item(File1, TText("MainMenu", "&Tisk..."), "Tisk1");
    File1->addSeparator();
    Konec1 = Item(File1, TText("MainMenu", "&Konec"), "Konec1");
    bar->addMenu(File1);

    Keys1 = SubMenu(bar, TText("MainMenu", "&Klávesy"), "Keys1");
    Edit1 = Item(Keys1, TText("MainMenu", "U&pravit..."), "Edit1");
    Keys1->addSeparator();
    New2 = Item(Keys1, TText("MainMenu", "&Přidat"), "New2");
    Delete1 = Item(Keys1, TText("MainMenu", "&Odstranit"), "Delete1");
    Keys1->addSeparator();
    LoadKey1 = Item(Keys1, TText("MainMenu", "&Nahrát ze souboru..."), "LoadKey1");
    SaveKey1 = Item(Keys1, TText("MainMenu", "&Uložit... "), "SaveKey1");
    bar->addMenu(Keys1);

    Special1 = SubMenu(bar, TText("MainMenu", "&Nastavení"), "Special1");
    ScanItem = Item(Special1, TText("MainMenu", "&Skenování"), "ScanItem");
    ScanItem->setCheckable(true);
    ScanItem->setChecked(true);
    EchoItem = Item(Special1, TText("MainMenu", "&Echo"), "EchoItem");
    EchoItem->setCheckable(true);
    OutsideItem = Item(Special1, TText("MainMenu", "Psát do jiných aplikací"), "OutsideItem");
    OutsideItem->setCheckable(true);
    // Its tip tells why it is disabled where the window system does not allow it.
    Special1->setToolTipsVisible(true);
    AutomaticRead = SubMenu(Special1, TText("MainMenu", "&Automatické čtení"), "AutomaticRead");
    Special1->addMenu(AutomaticRead);
    ReadGroup = new QActionGroup(AutomaticRead);
    NoItem = Item(AutomaticRead, TText("MainMenu", "&Ne"), "NoItem");
    AllItem = Item(AutomaticRead, TText("MainMenu", "&Všechno"), "AllItem");
    SentItem = Item(AutomaticRead, TText("MainMenu", "Vě&ty"), "SentItem");
    RowsItem = Item(AutomaticRead, TText("MainMenu", "Řá&dky"), "RowsItem");
    for (QAction *a : {NoItem, AllItem, SentItem, RowsItem}) {
        a->setCheckable(true);
        ReadGroup->addAction(a);
    }
    NoItem->setChecked(true);
    Special1->addSeparator();
    GridItem = Item(Special1, TText("MainMenu", "&Kurzor, mřížka..."), "GridItem");
    TextItem = Item(Special1, TText("MainMenu", "&Text..."), "TextItem");
    VoiceItem = Item(Special1, TText("MainMenu", "&Hlasový výstup..."), "VoiceItem");
    Special1->addSeparator();
    SlotsItem = Item(Special1, TText("MainMenu", "&Návrhy slov"), "SlotsItem");
    SlotsItem->setCheckable(true);
    SlotSettingsItem =
        Item(Special1, TText("MainMenu", "Nastavení ná&vrhů..."), "SlotSettingsItem");
    ForgetItem = Item(Special1, TText("MainMenu", "&Zapomenout naučená slova"), "ForgetItem");
    bar->addMenu(Special1);

    Help1 = SubMenu(bar, TText("MainMenu", "Ná&pověda"), "Help1");
    Nvod1 = Item(Help1, TText("MainMenu", "&Návod"), "Nvod1");
    Prvodce1 = Item(Help1, TText("MainMenu", "&Průvodce"), "Prvodce1");
    Help1->addSeparator();
    Oaplikaci1 = Item(Help1, TText("MainMenu", "&O aplikaci ..."), "Oaplikaci1");
    bar->addMenu(Help1);
}

void TMainMenu::SetTopLevelVisible(bool visible) {
    for (QMenu *m : {File1, Keys1, Special1, Help1})
        m->menuAction()->setVisible(visible);
}
