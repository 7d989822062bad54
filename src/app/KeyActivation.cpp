// What a key does when it is activated: writes its text into the display or carries out its
// special action.
#include "MainForm.h"

#include "AppStrings.h"
#include "ConfirmChoice.h"
#include "ConfirmDlg.h"
#include "DialogStrings.h"
#include "Directories.h"
#include "Error.h"
#include "LineSelection.h"
#include "PrintOutput.h"
#include "Printer.h"
#include "Prompts.h"
#include "SendingKeys.h"
#include "SpecialKey.h"
#include "SpeechOutput.h"
#include "StringProc.h"
#include "TimeGrid.h"
#include "VirtualKeys.h"
#include "VxKey.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

namespace {

// The codes a key hands on, from the key kinds' table.
constexpr int kCodeText = SpecialCodeOf(TSpecialKey::None);
constexpr int kCodeShift = SpecialCodeOf(TSpecialKey::Shift);
constexpr int kCodeCapsLock = SpecialCodeOf(TSpecialKey::Caps_Lock);
constexpr int kCodeClear = SpecialCodeOf(TSpecialKey::Clear);
constexpr int kCodeEnter = SpecialCodeOf(TSpecialKey::Enter);
constexpr int kCodePrint = SpecialCodeOf(TSpecialKey::Print);
constexpr int kCodeClearLn = SpecialCodeOf(TSpecialKey::ClearLn);
constexpr int kCodeOther = SpecialCodeOf(TSpecialKey::Other);
constexpr int kCodeSound = SpecialCodeOf(TSpecialKey::Sound);
constexpr int kCodeTalk = SpecialCodeOf(TSpecialKey::Talk);

} // namespace

void TForm1::SetCapsLock(bool on) {
    FComposer.SetCapsLock(on);
    CapsLockLabel->setEnabled(on);
    RefreshSlots();
}

void TForm1::SetShift(bool on) {
    FComposer.SetShift(on);
    ShiftLabel->setEnabled(on);
    RefreshSlots();
}

void TForm1::SetAccent(QChar accent) {
    FComposer.SetAccent(accent);
    DiacrLabel->setText(accent.isNull() ? QString() : QString(accent));
}

void TForm1::SpeakText(const QString &text) {
    FSpeech->SpeakText(text);
    // The cursor keeps still while the user's words are heard, if the user wants it so.
    if (FScanAccess.WaitForSpeech && FScanning && FSpeech->TellsSpeechEnd())
        FPacer.SpeechStarted(ScanNow());
}

void TForm1::KeyClick(TVxKey *sender, int code, const QString &text, const QString &textSh,
                      const TKeyFont *) {
    if (FEditMode)
        return;
    if (code == kCodeShift) {
        SetShift(true);
        return;
    }
    Display->setFocus();
    if (!sender)
        return;
    if (code == kCodeText || code == kCodeSound)
        TextKey(code, text, textSh, sender);
    if (code != kCodeText)
        SpecialAction(code, sender);
}

void TForm1::TextKey(int code, const QString &text, const QString &textSh, TVxKey *key) {
    const TKeyText out = FComposer.KeyText(
        text, textSh, code == kCodeSound ? TTextKeyKind::Sound : TTextKeyKind::Text, AutoReadMode);
    if (!out.Insert.isEmpty()) {
        // The text goes after the selection, which stays as it is.
        QTextCursor cursor = Display->textCursor();
        const int end = cursor.selectionEnd();
        cursor.setPosition(end);
        // Punctuation right after a chosen word takes the place of the space the word brought.
        const qsizetype replaced =
            CurrentSlots().On ? FWordChoice.ReplacedBy(TextBeforeCaret(end), out.Insert) : 0;
        cursor.beginEditBlock();
        if (replaced > 0)
            cursor.setPosition(int(end - replaced), QTextCursor::KeepAnchor);
        cursor.insertText(out.Insert);
        cursor.endEditBlock();
        Display->setTextCursor(cursor);
        TypeOutside(replaced, out.Insert);
    }
    SetCapsLock(FComposer.CapsLock());
    SetShift(FComposer.Shift());
    SetAccent(FComposer.Accent());
    if (!out.Speak.isEmpty())
        SpeakText(out.Speak);
    if (out.PlaySound) {
        const QString file = ResolvePath(key->WavName(), Dirs().SoundsDir);
        try {
            FSpeech->PlaySoundFile(file);
        } catch (const TError &e) {
            Prompts().Message(e.Message() + QLatin1Char('\r') + file);
        }
    }
}

void TForm1::SpecialAction(int code, TVxKey *key) {
    TSendingKeys sending;
    switch (code) {
    case kCodeClear: {
        // The scan rests while the question is up and goes on afterwards if it ran.
        const bool wasRunning = Timer2->isActive();
        Timer2->stop();
        SendingKeys = false;
        ConfirmDlg()->SetSwitchCode1(TimeGrid1->SwCode1());
        ConfirmDlg()->SetSwitchCode2(TimeGrid1->SwCode2());
        if (ConfirmDlg()->Ask(DialogStrings::ClearQuestion) == TConfirmChoice::kResultYes)
            Display->clear();
        if (wasRunning)
            Timer2->start();
        break;
    }
    case kCodeCapsLock:
        key->SetLeftDown(!FComposer.CapsLock());
        SetCapsLock(!FComposer.CapsLock());
        PressKey(VirtualKeys::VK_CAPITAL);
        break;
    case kCodePrint:
        Tisk1Click();
        break;
    case kCodeClearLn:
        // The other application selects its line the way the display does.
        if (FTypesOutside && FKeyOutput) {
            FKeyOutput->PressKey(VirtualKeys::VK_HOME);
            FKeyOutput->PressKey(VirtualKeys::VK_END, true);
        }
        SelectLineText(0);
        PressKey(VirtualKeys::VK_DELETE);
        break;
    case kCodeOther: {
        // The new table replaces the one holding this key: switch once its click has returned.
        const QString name = key->KbdName();
        QTimer::singleShot(0, this, [this, name] {
            try {
                LoadTable(name);
            } catch (const TError &e) {
                Prompts().Error(e.Message());
            }
        });
        break;
    }
    case kCodeSound:
        break;
    case kCodeTalk: {
        const bool wasRunning = Timer2->isActive();
        Timer2->stop();
        SpeakText(Display->toPlainText());
        if (wasRunning)
            Timer2->start();
        break;
    }
    default:
        if (code == kCodeEnter && TTextComposer::ReadsLineOnEnter(AutoReadMode)) {
            Display->textCursor().removeSelectedText();
            const QString line = SelectLineText(Display->textCursor().position());
            if (!line.isEmpty())
                SpeakText(line);
            PressKey(VirtualKeys::VK_END);
        }
        PressKey(code);
        break;
    }
}

void TForm1::PressKey(int virtualKey) {
    TSendingKeys sending;
    // Caps Lock is the keyboard's own state, applied to the texts it sends: the other
    // application's Caps Lock would apply it a second time.
    if (virtualKey != VirtualKeys::VK_CAPITAL && FTypesOutside && FKeyOutput)
        FKeyOutput->PressKey(virtualKey);
    if (virtualKey == VirtualKeys::VK_INSERT) {
        // Insert toggles overwriting, which the text control only knows as a property.
        Display->setOverwriteMode(!Display->overwriteMode());
        return;
    }
    const int qtKey = VirtualKeys::ToQtKey(virtualKey);
    if (!qtKey)
        return;
    QString text;
    if (virtualKey == VirtualKeys::VK_SPACE)
        text = QStringLiteral(" ");
    else if (virtualKey == VirtualKeys::VK_RETURN)
        text = QStringLiteral("\r");
    else if (virtualKey == VirtualKeys::VK_TAB)
        text = QStringLiteral("\t");
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(Display, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(Display, &release);
}

QString TForm1::SelectLineText(int position) {
    Display->setFocus();
    QTextCursor cursor = Display->textCursor();
    QTextCursor start = cursor;
    start.movePosition(QTextCursor::StartOfLine);
    QTextCursor end = cursor;
    end.movePosition(QTextCursor::EndOfLine);
    const TTextRange line{start.position(), end.position()};
    const TTextRange chosen = LineSelection(line, position);
    cursor.setPosition(chosen.Start);
    cursor.setPosition(chosen.End, QTextCursor::KeepAnchor);
    Display->setTextCursor(cursor);
    if (position <= 0)
        SetShift(false);
    // The selection of a rich text holds paragraph separators as U+2029.
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

TPrinter *TForm1::Printer() {
    if (!FPrinter) {
        // Without any printer the text goes to a PDF file the user can print later.
        const QString pdf = QDir(PdfFolder).filePath(QStringLiteral("Orvanta.pdf"));
        QString error;
        FPrinter = NewPrinter(pdf, &error);
        if (!FPrinter) {
            Prompts().Error(AppStrings::PrintingUnavailable + error);
            return nullptr;
        }
        FPrinter->SetDocName(AppStrings::PrintJobName);
        if (FPrinter->OutputFile() == pdf)
            FPdfName = pdf;
    }
    return FPrinter.get();
}

void TForm1::Tisk1Click() {
    TPrinter *printer = Printer();
    if (!printer)
        return;
    printer->SetDocName(AppStrings::PrintJobName);
    const bool toFile = !printer->OutputFile().isEmpty();
    // The PDF made for want of a printer: a new file each time, never over an earlier one.
    if (toFile && !FPdfName.isEmpty() && printer->OutputFile() == FPdfName) {
        if (!QFileInfo(PdfFolder).isDir()) {
            Prompts().Error(AppStrings::NotPrintedToFile + FPdfName);
            return;
        }
        FPdfName = PrintOutput::FreePdfName(
            PdfFolder, [](const QString &name) { return QFileInfo::exists(name); });
        printer->SetOutputFile(FPdfName);
    }
    printer->Print(*PrintOutput::PaperCopy(*Display->document(), Display->logicalDpiY()));
    if (!toFile)
        return;
    const QString file = printer->OutputFile();
    const QFileInfo written(file);
    if (written.isFile() && written.size() > 0)
        Prompts().Message(AppStrings::PrintedToFile + file);
    else
        Prompts().Error(AppStrings::NotPrintedToFile + file);
}
