// Automatic reading and the echo: the reading mode's menu items and the sound a switch release
// makes. What each mode reads is decided where a key writes its text.
#include "MainForm.h"

#include "AppStrings.h"
#include "Directories.h"
#include "Error.h"
#include "SpeechOutput.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>

void TForm1::SetAutoReadMode(int mode) {
    AutoReadMode = static_cast<unsigned char>(mode);
    Special1Click();
}

void TForm1::NoItemClick() {
    SetAutoReadMode(0);
}

void TForm1::AllItemClick() {
    SetAutoReadMode(1);
}

void TForm1::SentItemClick() {
    SetAutoReadMode(2);
}

void TForm1::RowsItemClick() {
    SetAutoReadMode(3);
}

void TForm1::Special1Click() {
    // A stored mode outside the four leaves every item unchecked: it reads nothing.
    QAction *const items[] = {Menu.NoItem, Menu.AllItem, Menu.SentItem, Menu.RowsItem};
    for (int i = 0; i < 4; ++i)
        items[i]->setChecked(AutoReadMode == i);
    Menu.AutomaticRead->menuAction()->setChecked(AutoReadMode != 0);
}

void TForm1::Echo() {
    // The desktop's own beep is silent on many systems; the bundled click is heard everywhere.
    try {
        FSpeech->PlaySoundFile(Dirs().ProgramDir + AppStrings::EchoSound);
    } catch (const TError &) {
        QApplication::beep();
    }
}
