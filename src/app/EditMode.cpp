// Work mode and edit mode, the scanning and free layouts, and the active key.
#include "MainForm.h"

#include "AppStrings.h"
#include "SlotRow.h"
#include "TimeGrid.h"
#include "VxKey.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>

void TForm1::SetEditMode(bool on) {
    EditLabel->setEnabled(on);
    TimeGrid1->SetiCol(0);
    TimeGrid1->SetiRow(0);
    const int caretPosition = Display->textCursor().position();
    const Qt::WindowStates state = windowState();

    if (on != FEditMode) {
        if (!on) {
            StatusBar->setVisible(false);
            ArrangeKeys();
            Menu.SetTopLevelVisible(false);
            // Work mode: the window keeps its size.
            setFixedSize(size());
            if (FScanning)
                Timer2->start();
            TimeGrid1->StartScan();
            FSlotScan->Reset();
            SetKeyHook(true);
            // The status bar is hidden in work mode: nothing to keep up to date.
            Timer1->stop();
        } else {
            StatusBar->setVisible(true);
            Menu.SetTopLevelVisible(true);
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            Timer2->stop();
            StepTimer->stop();
            SlotRow->ShowSlotCursor(-1, false);
            SetKeyHook(false);
            Timer1Timer();
            Timer1->start();
        }
        FEditMode = on;
        if (!on)
            ScanStarted();
        if (FScanning)
            TimeGrid1->ArrangeCells();
        setWindowState(state);
        EditButton->setText(on ? AppStrings::EditButtonInEdit : AppStrings::EditButtonInWork);
        update();
    }

    QTextCursor restored = Display->textCursor();
    restored.setPosition(qMin(caretPosition, Display->document()->characterCount() - 1));
    Display->setTextCursor(restored);
}

void TForm1::EditButtonClick() {
    SetEditMode(!FEditMode);
}

void TForm1::SetScanning(bool on) {
    if (on == FScanning)
        return;
    FScanning = on;
    ScanningLabel->setEnabled(on);
    if (on) {
        TimeGrid1->setVisible(true);
        for (TVxKey *key : std::as_const(FKeys)) {
            key->setParent(TimeGrid1);
            key->show();
        }
        TimeGrid1->ArrangeCells();
        SetActiveKey(nullptr);
        if (!FEditMode) {
            FSlotScan->Reset();
            Timer2->start();
        }
    } else {
        TimeGrid1->setVisible(false);
        // Keys keep their own positions on the panel.
        for (TVxKey *key : std::as_const(FKeys)) {
            key->setParent(KeyPanel);
            key->show();
        }
        SetActiveKey(FKeys.isEmpty() ? nullptr : FKeys.constFirst());
        Timer2->stop();
        // Switches step the keys now; the slots are for the mouse.
        SlotRow->ShowSlotCursor(-1, false);
    }
}

void TForm1::ScanItemClick() {
    // The item is checkable, so Qt has already inverted its mark.
    SetScanning(Menu.ScanItem->isChecked());
}

void TForm1::SetActiveKey(TVxKey *key) {
    if (key == FActiveKey)
        return;
    if (FActiveKey)
        FActiveKey->SetActive(false);
    FActiveKey = key;
    if (FActiveKey)
        FActiveKey->SetActive(true);
}

void TForm1::FormResize() {
    if (FScanning && TimeGrid1)
        TimeGrid1->ArrangeCells();
}

void TForm1::Timer2Timer() {
    if (!FScanning)
        return;
    if (!FScanAccess.Paced()) {
        TimeGrid1->ScanTick();
        return;
    }
    FPacer.Ticked();
    PaceScan();
}
