// Creation and destruction of the main window, and what it does on activation and keys.
#include "MainForm.h"

#include "AppStrings.h"
#include "Directories.h"
#include "Error.h"
#include "Prompts.h"
#include "StringProc.h"
#include "VirtualKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

void TForm1::FormCreate(const QStringList &arguments) {
    // The keys' frame width, key list and selection list arrive with the key collection.
    // The mouse pointer is never confined to a rectangle here, so there is nothing to release.
    FTableDialogDir = Dirs().TablesDir;
    FPictureDialogDir = Dirs().PicturesDir;
    FEditMode = true;

    // The main window sees every key pressed in any of its controls first.
    qApp->installEventFilter(this);

    if (!arguments.isEmpty()) {
        try {
            LoadTable(ResolvePath(arguments.constFirst(), Dirs().TablesDir));
        } catch (const TError &e) {
            Prompts().Error(e.Message());
        }
    }
    SetEditMode(false);
    if (Menu.ScanItem->isChecked() != FScanning)
        SetScanning(Menu.ScanItem->isChecked());
    LoadConfig(Dirs().ProgramDir + AppStrings::ConfigFileName);
}

void TForm1::FormDestroy() {
    if (FDestroyed)
        return;
    FDestroyed = true;
    qApp->removeEventFilter(this);
    Timer1->stop();
    Timer2->stop();
    if (!SaveConfig(Dirs().ProgramDir + AppStrings::ConfigFileName))
        Prompts().Error(AppStrings::ConfigNotSaved);
    ClearTable();
}

void TForm1::FormActivate() {
    // Every key the window owns is wired to it again when keys exist.
}

bool TForm1::eventFilter(QObject *watched, QEvent *event) {
    // A key event goes first to the focus widget (the window itself when none has focus) and
    // then, while ignored, up to its parents; the window looks at it once, at the first stop.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        QWidget *first = QApplication::focusWidget();
        if (!first)
            first = QApplication::activeWindow();
        if (watched == first && first->window() == this) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (!key->isAutoRepeat()) {
                FormKeyDown(VirtualKeys::FromQtKey(key->key(),
                                                   key->modifiers().testFlag(Qt::KeypadModifier)));
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormKeyDown(int virtualKey) {
    if (virtualKey == VirtualKeys::VK_F8)
        SetEditMode(!FEditMode);
}
