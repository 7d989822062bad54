#include "MainMenu.h"

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
    File1 = SubMenu(bar, QStringLiteral("&Soubor"), "File1");
    New1 = Item(File1, QStringLiteral("&Nová tabulka"), "New1");
    Open1 = Item(File1, QStringLiteral("&Otevřít..."), "Open1");
    Save1 = Item(File1, QStringLiteral("&Uložit..."), "Save1");
    Adresare1 = SubMenu(File1, QStringLiteral("&Adresáře"), "Adresare1");
    File1->addMenu(Adresare1);
    Tabulky1 = Item(Adresare1, QStringLiteral("&Tabulky..."), "Tabulky1");
    Zvuky1 = Item(Adresare1, QStringLiteral("&Zvuky..."), "Zvuky1");
    Obrzky1 = Item(Adresare1, QStringLiteral("&Obrázky..."), "Obrzky1");
    File1->addSeparator();
    Tiskrna1 = Item(File1, QStringLiteral("Na&stavení tiskárny..."), "Tiskrna1");
    Tisk1 = Item(File1, QStringLiteral("&Tisk..."), "Tisk1");
    File1->addSeparator();
    Konec1 = Item(File1, QStringLiteral("&Konec"), "Konec1");
    bar->addMenu(File1);

    Keys1 = SubMenu(bar, QStringLiteral("&Klávesy"), "Keys1");
    Edit1 = Item(Keys1, QStringLiteral("U&pravit..."), "Edit1");
    Keys1->addSeparator();
    New2 = Item(Keys1, QStringLiteral("&Přidat"), "New2");
    Delete1 = Item(Keys1, QStringLiteral("&Odstranit"), "Delete1");
    Keys1->addSeparator();
    LoadKey1 = Item(Keys1, QStringLiteral("&Nahrát ze souboru..."), "LoadKey1");
    SaveKey1 = Item(Keys1, QStringLiteral("&Uložit... "), "SaveKey1");
    bar->addMenu(Keys1);

    Special1 = SubMenu(bar, QStringLiteral("&Nastavení"), "Special1");
    ScanItem = Item(Special1, QStringLiteral("&Skenování"), "ScanItem");
    ScanItem->setCheckable(true);
    ScanItem->setChecked(true);
    EchoItem = Item(Special1, QStringLiteral("&Echo"), "EchoItem");
    EchoItem->setCheckable(true);
    AutomaticRead = SubMenu(Special1, QStringLiteral("&Automatické čtení"), "AutomaticRead");
    Special1->addMenu(AutomaticRead);
    ReadGroup = new QActionGroup(AutomaticRead);
    NoItem = Item(AutomaticRead, QStringLiteral("&Ne"), "NoItem");
    AllItem = Item(AutomaticRead, QStringLiteral("&Všechno"), "AllItem");
    SentItem = Item(AutomaticRead, QStringLiteral("Vě&ty"), "SentItem");
    RowsItem = Item(AutomaticRead, QStringLiteral("Řá&dky"), "RowsItem");
    for (QAction *a : {NoItem, AllItem, SentItem, RowsItem}) {
        a->setCheckable(true);
        ReadGroup->addAction(a);
    }
    NoItem->setChecked(true);
    Special1->addSeparator();
    GridItem = Item(Special1, QStringLiteral("&Kurzor, mřížka..."), "GridItem");
    TextItem = Item(Special1, QStringLiteral("&Text..."), "TextItem");
    VoiceItem = Item(Special1, QStringLiteral("&Hlasový výstup..."), "VoiceItem");
    bar->addMenu(Special1);

    Help1 = SubMenu(bar, QStringLiteral("Ná&pověda"), "Help1");
    Nvod1 = Item(Help1, QStringLiteral("&Návod"), "Nvod1");
    Prvodce1 = Item(Help1, QStringLiteral("&Průvodce"), "Prvodce1");
    Help1->addSeparator();
    Oaplikaci1 = Item(Help1, QStringLiteral("&O aplikaci ..."), "Oaplikaci1");
    bar->addMenu(Help1);
}

void TMainMenu::SetTopLevelVisible(bool visible) {
    for (QMenu *m : {File1, Keys1, Special1, Help1})
        m->menuAction()->setVisible(visible);
}
