// The switches in the main window: the filter that catches them in work mode, and where each
// press and release goes (the confirmation dialog, the grid, or the keys of the free layout).
#include "MainForm.h"

#include "AudioRouting.h"

#include "ConfirmDlg.h"
#include "FreeKeys.h"
#include "GridDlg.h"
#include "PromptSpeech.h"
#include "ScanPrompt.h"
#include "SlotRow.h"
#include "SpeechOutput.h"
#include "SpeechVoice.h"
#include "SwitchFilter.h"
#include "SwitchMouse.h"
#include "TimeGrid.h"
#include "VirtualKeys.h"
#include "Voice.h"
#include "VxKey.h"

#include <QAction>
#include <QApplication>

namespace {

// The free layout's keys as switch stepping sees them.
class TWindowKeys : public TFreeKeys {
public:
    explicit TWindowKeys(TForm1 &form)
        : FForm(form) {}

    int KeyCount() const override { return int(FForm.Keys().size()); }
    int ActiveIndex() const override { return int(FForm.Keys().indexOf(FForm.ActiveKey())); }
    bool KeyVisible(int index) const override { return FForm.Keys().at(index)->isVisible(); }
    void SetActiveIndex(int index) override {
        FForm.SetActiveKey(index < 0 ? nullptr : FForm.Keys().at(index));
    }
    void PointToActive() override { SwitchMouse::PointToCorner(FForm.ActiveKey()); }
    void ClickActive() override { SwitchMouse::FeedLeftClickAtPointer(FForm.ActiveKey()); }

private:
    TForm1 &FForm;
};

} // namespace

void TForm1::SetKeyHook(bool on) {
    HookKey->SetKeyHook(on);
}

void TForm1::SwitchDown(int code, qint32 time) {
    if (code == VirtualKeys::VK_F8)
        return;
    // The user acts: the prompt has said enough.
    if (FScanAccess.Prompts && FPrompts && FPacer.Prompting()) {
        FPrompts->CutPrompt();
        FPacer.PromptCut();
    }
    // A press wants the scan back, also while the program still reads aloud.
    FPacer.SpeechEnded();
    // The grid stands still while a switch is down. A press meant for the question is not its,
    // and neither is F8, whose release is never passed on.
    if (FScanning && !(FConfirmDlg && FConfirmDlg->isVisible()))
        TimeGrid1->SwitchDown(code, time);
}

void TForm1::SwitchCancel(int code) {
    if (FScanning && code != VirtualKeys::VK_F8 && !(FConfirmDlg && FConfirmDlg->isVisible()))
        TimeGrid1->SwitchCancel(code);
}

void TForm1::SwitchUp(int code, qint32 duration) {
    // F8 switches edit mode and is never a switch here.
    if (code == VirtualKeys::VK_F8)
        return;
    if (Menu.EchoItem->isChecked())
        Echo();
    if (FConfirmDlg && FConfirmDlg->isVisible()) {
        FConfirmDlg->SwitchReleased(code, duration, TimeGrid1->SwTime());
        return;
    }
    if (FScanning) {
        const bool parked = TimeGrid1->ScanMachine().Parked();
        TimeGrid1->SwitchUp(code, duration);
        // The phase may have changed how the slot row's cursor is drawn.
        FSlotScan->ShowCellFrame();
        if (!FScanAccess.Paced() || FEditMode)
            return;
        if (parked && !TimeGrid1->ScanMachine().Parked()) {
            // Woken: the scan starts over with its first step.
            ScanStarted();
            return;
        }
        if (AnnounceCursor())
            FPacer.PromptStarted(ScanNow());
        return;
    }
    // Held longer than the long-press time: switch 2.
    StepFreeKey(duration > TimeGrid1->SwTime() ? int(TimeGrid1->SwCode2()) : code);
    // The key or slot reached is said, unless the release clicked it.
    if (FScanAccess.Prompts && FPrompts && code == TimeGrid1->SwCode1() &&
        duration <= TimeGrid1->SwTime()) {
        if (FActiveKey)
            Prompt(ScanPrompt::KeyPrompt(FActiveKey->SpecialKey(), FActiveKey->Text()));
        else if (FSlotScan->Enabled() && SlotRow->CursorSlot() >= 0)
            Prompt(ScanPrompt::SlotPrompt(SlotRow->Words(), SlotRow->CursorSlot(), false,
                                          FScanAccess.RowPrompt));
    }
}

void TForm1::StepFreeKey(int key) {
    TWindowKeys keys(*this);
    // The slot row, when shown, comes first, as it does in the grid's scan.
    TFreeKeysWithSlots withSlots(keys, SlotRow, FSlotScan && FSlotScan->Enabled());
    ::StepFreeKey(withSlots, key, TimeGrid1->SwCode1(), TimeGrid1->SwCode2(), FEditMode);
}

void TForm1::ChangeSwitch(TTimeGrid *sender, quint16 oldCode, quint16 &newCode) {
    if (oldCode != newCode)
        HookKey->SetSwitchKeys(sender->SwCode1(), sender->SwCode2());
}

void TForm1::GridItemClick() {
    // The prompt voices are the system engine's, whichever engine speaks the texts.
    QList<TVoiceToken> voices;
    if (TVoice *unit = FSpeech->Voice())
        if (TSpeechVoice *engine = unit->SapiVoice())
            voices = engine->GetVoices();
    GridDialog()->SetPromptVoices(voices);
    GridDialog()->SetAudioDevices(AudioDevices());
    GridDialog()->SetScanAccess(FScanAccess);
    GridDialog()->Open(TimeGrid1);
}
