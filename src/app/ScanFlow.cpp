// Switch access in the main window: the settings file, the paced scan step (a longer first
// step, waiting for a prompt) and the spoken prompts for where the cursor is.
#include "MainForm.h"

#include "AppStrings.h"
#include "AudioRouting.h"
#include "Directories.h"
#include "GridDlg.h"
#include "PromptSpeech.h"
#include "Prompts.h"
#include "ScanAccessFile.h"
#include "ScanPrompt.h"
#include "SlotRow.h"
#include "SpeechOutput.h"
#include "SpeechVoice.h"
#include "SwitchFilter.h"
#include "TimeGrid.h"
#include "Voice.h"
#include "VxKey.h"

#include <QElapsedTimer>
#include <QTimer>

void TForm1::BuildScanFlow() {
    StepTimer = new QTimer(this);
    StepTimer->setSingleShot(true);
    StepTimer->setTimerType(Qt::PreciseTimer);
    connect(StepTimer, &QTimer::timeout, this, &TForm1::PaceScan);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    ScanClock = [clock] { return clock->elapsed(); };
    FPrompts = FSpeech->Prompts();
    if (FPrompts)
        FPrompts->SetOnPromptDone([this] { PromptEnded(); });
    FSpeech->SetOnSpeechDone([this] {
        if (!FPacer.Speaking())
            return;
        FPacer.SpeechEnded();
        PaceScan();
    });
}

void TForm1::LoadScanAccess() {
    if (!Dirs().ConfigDir.isEmpty())
        SetScanAccess(ScanAccessFile::Read(Dirs().ConfigDir + AppStrings::ScanAccessFileName));
}

void TForm1::SaveScanAccess() {
    if (FPrompts) {
        FPrompts->SetOnPromptDone(nullptr);
        FPrompts->CutPrompt();
    }
    FSpeech->SetOnSpeechDone(nullptr);
    if (!Dirs().ConfigDir.isEmpty() &&
        !ScanAccessFile::Write(Dirs().ConfigDir + AppStrings::ScanAccessFileName, FScanAccess))
        WarnAtEnd(AppStrings::ConfigNotSaved);
}

void TForm1::SetScanAccess(const TScanAccess &access) {
    const TScanAccess old = FScanAccess;
    FScanAccess = access.Bounded();
    TimeGrid1->ScanMachine().SetAccess(FScanAccess);
    HookKey->SetAcceptTime(FScanAccess.AcceptTime);
    HookKey->SetIgnoreAfter(FScanAccess.IgnoreAfter);
    if (old.Prompts && !FScanAccess.Prompts && FPrompts)
        FPrompts->CutPrompt();
    if (TAudioRouting *routing = FSpeech->Routing())
        routing->Route(FScanAccess.SpeechDevice, FScanAccess.PromptDevice);
    // A change of pacing starts the wait afresh at the next tick.
    FPacer.Reset();
    StepTimer->stop();
    FAnnounced = QPoint(-2, -2);
    // Parked or waiting for its first press while that is no longer wanted: it runs again.
    if (TimeGrid1->ScanMachine().Parked() && !FScanAccess.StartOnPress &&
        FScanAccess.StopRounds == 0)
        TimeGrid1->ScanMachine().StartScan();
}

QList<QPair<QString, QString>> TForm1::AudioDevices() const {
    QList<QPair<QString, QString>> devices;
    if (TAudioRouting *routing = FSpeech->Routing())
        for (const TAudioRouting::TDevice &device : routing->Devices())
            devices.append({device.Id, device.Name});
    return devices;
}

void TForm1::SetAudioDevices(const QString &speech, const QString &prompts) {
    FScanAccess.SpeechDevice = speech;
    FScanAccess.PromptDevice = prompts;
    if (TAudioRouting *routing = FSpeech->Routing())
        routing->Route(FScanAccess.SpeechDevice, FScanAccess.PromptDevice);
}

void TForm1::ScanStarted() {
    FAnnounced = QPoint(-2, -2);
    StepTimer->stop();
    if (!FScanAccess.Paced())
        return;
    const bool prompting = AnnounceCursor();
    FPacer.Stepped(ScanNow(), Timer2->interval(), TimeGrid1->ScanMachine().StepExtra(), prompting);
}

void TForm1::PaceScan() {
    if (!FScanning || FEditMode || !Timer2->isActive())
        return;
    const qint64 left = FPacer.Remaining(ScanNow());
    if (left < 0)
        return;
    if (left > 0) {
        StepTimer->start(int(qMin(left, qint64(TScanAccess::MaxTime))));
        return;
    }
    StepTimer->stop();
    TimeGrid1->ScanTick();
    // The plain step counts from this step on.
    Timer2->start();
    const bool prompting = AnnounceCursor();
    FPacer.Stepped(ScanNow(), Timer2->interval(), TimeGrid1->ScanMachine().StepExtra(), prompting);
}

QString TForm1::CursorPrompt() const {
    const auto keyPrompt = [this](int col, int row) {
        const auto *key = qobject_cast<const TVxKey *>(TimeGrid1->GetCell(col, row));
        return key ? ScanPrompt::KeyPrompt(key->SpecialKey(), key->Text()) : QString();
    };
    const int row = TimeGrid1->iRow();
    const bool rows = TimeGrid1->ScanPhase() == TScanMachine::psRowSweep ||
                      TimeGrid1->ScanPhase() == TScanMachine::psRowStop;
    if (FSlotScan->OnSlots())
        return ScanPrompt::SlotPrompt(SlotRow->Words(), FSlotScan->ScanCursor().Col, rows,
                                      FScanAccess.RowPrompt);
    if (rows)
        return ScanPrompt::RowPrompt(row, FScanAccess.RowPrompt, keyPrompt(0, row));
    return keyPrompt(TimeGrid1->iCol(), row);
}

bool TForm1::AnnounceCursor(bool force) {
    if (!FScanAccess.Prompts || !FPrompts || !FScanning || FEditMode ||
        TimeGrid1->ScanMachine().Parked())
        return false;
    const quint8 phase = TimeGrid1->ScanPhase();
    const bool rows = phase == TScanMachine::psRowSweep || phase == TScanMachine::psRowStop;
    // Where the scan stands, the slot row counted as its first row when it is shown.
    const TScanCursor cursor = FSlotScan->ScanCursor();
    const QPoint at(rows ? -1 : cursor.Col, cursor.Row);
    if (at == FAnnounced && !force)
        return false;
    FAnnounced = at;
    return Prompt(CursorPrompt());
}

bool TForm1::Prompt(const QString &text) {
    FPrompts->CutPrompt();
    if (text.isEmpty())
        return false;
    return FPrompts->SpeakPrompt(text, TPromptVoice{FScanAccess.PromptVoice, FScanAccess.PromptRate,
                                                    FScanAccess.PromptVolume});
}

void TForm1::PromptEnded() {
    FPacer.PromptEnded(ScanNow(), FScanAccess.PromptPause);
    PaceScan();
}
