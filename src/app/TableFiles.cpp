// Keyboard tables of the main window.
#include "MainForm.h"

#include "Error.h"

void TForm1::LoadTable(const QString &fileName) {
    throw TError(QStringLiteral("Tabulku \"%1\" nelze otevřít: tato verze programu "
                                "zatím tabulky nečte.")
                     .arg(fileName));
}

void TForm1::AskSaveTable() {
    // Nothing to offer while the window holds no keys.
}

void TForm1::ClearTable() {
    AskSaveTable();
}
