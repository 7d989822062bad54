// Work mode and edit mode, and the scanning and free layouts.
#include "MainForm.h"

#include "AppStrings.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>

void TForm1::SetEditMode(bool on) {
    EditLabel->setEnabled(on);
    const QTextCursor caret = Display->textCursor();
    const int caretPosition = caret.position();
    const Qt::WindowStates state = windowState();

    if (on != FEditMode) {
        if (!on) {
            StatusBar->setVisible(false);
            Menu.SetTopLevelVisible(false);
            // Work mode: the window keeps its size.
            setFixedSize(size());
            if (FScanning)
                Timer2->start();
        } else {
            StatusBar->setVisible(true);
            Menu.SetTopLevelVisible(true);
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            Timer2->stop();
        }
        FEditMode = on;
        setWindowState(state);
        EditButton->setText(on ? AppStrings::EditButtonInEdit : AppStrings::EditButtonInWork);
        update();
    }

    QTextCursor restored = Display->textCursor();
    restored.setPosition(qMin(caretPosition, Display->document()->characterCount() - 1));
    Display->setTextCursor(restored);
}

void TForm1::SetScanning(bool on) {
    if (on == FScanning)
        return;
    FScanning = on;
    ScanningLabel->setEnabled(on);
    if (on) {
        if (!FEditMode)
            Timer2->start();
    } else {
        Timer2->stop();
    }
}

void TForm1::ScanItemClick() {
    // The item is checkable, so Qt has already inverted its mark.
    SetScanning(Menu.ScanItem->isChecked());
}

void TForm1::FormResize() {}

void TForm1::Timer2Timer() {}
