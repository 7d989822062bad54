// Creation and destruction of the main window, and what it sees of keys and clicks first.
#include "MainForm.h"
#include "ServiceVoiceFile.h"

#include "AppStrings.h"
#include "Directories.h"
#include "DragRect.h"
#include "Error.h"
#include "Prompts.h"
#include "SAPI5Dlg.h"
#include "SendingKeys.h"
#include "SpeechOutput.h"
#include "SpeechVoice.h"
#include "StringProc.h"
#include "SwitchFilter.h"
#include "TimeGrid.h"
#include "Translation.h"
#include "VirtualKeys.h"
#include "Voice.h"
#include "VoiceDlg.h"
#include "VoiceStrings.h"
#include "VxKey.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>
#include <cstdio>

void TForm1::FormCreate(const QStringList &arguments) {
    TVxKey::ActiveFrameWidth = 3;
    // The mouse pointer is never confined to a rectangle here, so there is nothing to release.
    FTableDialogDir = Dirs().TablesDir;
    FPictureDialogDir = Dirs().PicturesDir;
    PdfFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    FActiveKey = nullptr;
    FEditMode = true;

    // The main window sees every key pressed in any of its controls first.
    qApp->installEventFilter(this);

    if (!arguments.isEmpty()) {
        FTableFromCommandLine = true;
        const QString table = ResolvePath(arguments.constFirst(), Dirs().TablesDir);
        // With a configuration the table is loaded after it, as on any start, and only then:
        // its keys take the configuration's colours.
        if (!Dirs().ConfigDir.isEmpty()) {
            FCommandLineTable = table;
        } else {
            try {
                LoadTable(table);
            } catch (const TError &e) {
                Prompts().Error(e.Message());
            }
        }
    }
    // Before the scan first starts: it may wait for a press.
    LoadScanAccess();
    LoadOutsideTyping();
    SetEditMode(false);
    HookKey->SetSwitchKeys(TimeGrid1->SwCode1(), TimeGrid1->SwCode2());
    if (Menu.ScanItem->isChecked() != FScanning)
        SetScanning(Menu.ScanItem->isChecked());
    // The system speech engine exists before the configuration restores its voice.
    FSpeech->CreateSapiVoice();
    // The user's own configuration, else the one shipped beside the program for the interface's
    // language (its keyboards). A run without a configuration folder keeps no configuration.
    if (!Dirs().ConfigDir.isEmpty()) {
        const QString own = Dirs().ConfigDir + AppStrings::ConfigFileName;
        const QString shipped =
            Dirs().ProgramDir + LocalizedFileName(AppStrings::ConfigFileName, InterfaceLanguage());
        LoadConfig(QFileInfo::exists(own)       ? own
                   : QFileInfo::exists(shipped) ? shipped
                                                : Dirs().ProgramDir + AppStrings::ConfigFileName);
    }

    // A voice of the desktop's speech service is chosen once the service has listed it.
    if (!Dirs().ConfigDir.isEmpty() && FSpeech->Voice() && FSpeech->Voice()->SapiVoice())
        FSpeech->Voice()->SapiVoice()->SetServiceVoiceId(
            ServiceVoiceFile::Read(Dirs().ConfigDir + AppStrings::ServiceVoiceFileName));
    StartJournal();
}

void TForm1::VoiceItemClick() {
    // The speech output's dialogs live as long as the window, made when first opened.
    if (!DlgVoice) {
        TVoice *unit = FSpeech->Voice();
        if (!unit)
            return;
        DlgSAPI5 = new TDlgSAPI5(*unit, this);
        DlgVoice = new TDlgVoice(*unit, DlgSAPI5, this);
        connect(DlgVoice, &TDlgVoice::DevicesChosen, this, &TForm1::SetAudioDevices);
    }
    // Modal without a nested event loop; the window ignores the dialog's result.
    DlgVoice->SetDevices(AudioDevices(), FScanAccess.SpeechDevice, FScanAccess.PromptDevice);
    DlgVoice->setWindowModality(Qt::ApplicationModal);
    DlgVoice->show();
    DlgVoice->raise();
    DlgVoice->activateWindow();
}

void TForm1::FormDestroy() {
    if (FDestroyed)
        return;
    FDestroyed = true;
    qApp->removeEventFilter(this);
    SetKeyHook(false);
    // The switch keys go back to the other applications and borrowed key codes to the map.
    HookKey->SetOnChange(nullptr);
    if (FDisplayKeys)
        FDisplayKeys->Release();
    if (FKeyOutput)
        FKeyOutput->Restore();
    Timer1->stop();
    Timer2->stop();
    const bool saved =
        !Dirs().ConfigDir.isEmpty() && SaveConfig(Dirs().ConfigDir + AppStrings::ConfigFileName);
    EndJournal(saved);
    if (!Dirs().ConfigDir.isEmpty() && !saved)
        WarnAtEnd(AppStrings::ConfigNotSaved);
    SaveScanAccess();
    if (FModelChanged)
        SavePrediction();
    if (saved && FSpeech->Voice() && FSpeech->Voice()->SapiVoice())
        ServiceVoiceFile::Write(Dirs().ConfigDir + AppStrings::ServiceVoiceFileName,
                                FSpeech->Voice()->SapiVoice()->ServiceVoiceId());
    // The table was offered for saving when the window closed; it is not asked about again.
    ClearKeys();
    FDragChain.reset();
    FSpeech->FreeSapiVoice();
}

void TForm1::WarnAtEnd(const QString &text) {
    if (FEndedFromOutside)
        std::fprintf(stderr, "%s\n", qPrintable(MessageText(text)));
    else
        Prompts().Error(text);
}

void TForm1::FormActivate() {
    for (TVxKey *key : std::as_const(FKeys))
        HookKeyEvents(key);
}

void TForm1::SetOnFirstFrame(std::function<void()> onFirstFrame) {
    FOnFirstFrame = std::move(onFirstFrame);
    if (FFirstFrameShown && FOnFirstFrame)
        QTimer::singleShot(0, this, std::exchange(FOnFirstFrame, {}));
}

void TForm1::AfterFirstFrame(std::function<void()> what) {
    if (FFirstFrameShown)
        QTimer::singleShot(0, this, std::move(what));
    else
        FAfterFirstFrame.append(std::move(what));
}

bool TForm1::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::Expose:
        // The window is painted as it is exposed; what waited starts after that.
        if (!FFirstFrameShown && watched == windowHandle() && windowHandle()->isExposed()) {
            FFirstFrameShown = true;
            if (FOnFirstFrame)
                QTimer::singleShot(0, this, std::exchange(FOnFirstFrame, {}));
            for (std::function<void()> &what : FAfterFirstFrame)
                QTimer::singleShot(0, this, std::move(what));
            FAfterFirstFrame.clear();
        }
        break;
    case QEvent::KeyPress: {
        // A key event goes first to the focus widget (the window itself when none has focus)
        // and then, while ignored, up to its parents; the window looks at it once, at the first
        // stop. The program's own keystrokes are not the user's.
        QWidget *first = QApplication::focusWidget();
        if (!first)
            first = QApplication::activeWindow();
        if (watched == first && first && first->window() == this && !SendingKeys) {
            auto *key = static_cast<QKeyEvent *>(event);
            FormKeyDown(
                VirtualKeys::FromQtKey(key->key(), key->modifiers().testFlag(Qt::KeypadModifier)));
        }
        break;
    }
    case QEvent::MouseButtonPress:
        // A click on the background of the control strip or the key panel clears the selection.
        if ((watched == CtrPanel || watched == KeyPanel) &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            UnselectAll();
        break;
    case QEvent::MouseMove:
        if (FDragChain && watched == FDragKey)
            DragCtrOver();
        break;
    case QEvent::MouseButtonRelease:
        if (FDragChain && watched == FDragKey &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            DragCtrDrop();
            DragCtrEnd();
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        UnselectAll();
    QMainWindow::mousePressEvent(event);
}

void TForm1::FormKeyDown(int virtualKey) {
    // Every key-down counts, automatic repeats included.
    switch (virtualKey) {
    case VirtualKeys::VK_F8:
        SetEditMode(!FEditMode);
        break;
    case VirtualKeys::VK_CAPITAL:
        SetCapsLock(!FComposer.CapsLock());
        break;
    case VirtualKeys::VK_SHIFT:
        SetShift(!FComposer.Shift());
        break;
    default:
        break;
    }
}
