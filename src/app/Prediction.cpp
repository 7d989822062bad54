// Word prediction in the main window: the slot row above the keys, what it shows for the
// display's text, choosing a slot, learning the words the user completes and keeping them.
#include "MainForm.h"

#include "AppStrings.h"
#include "ColorMap.h"
#include "Directories.h"
#include "PredictionDlg.h"
#include "Prompts.h"
#include "SlotRow.h"
#include "SpeechOutput.h"
#include "TimeGrid.h"
#include "Translation.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTextEdit>
#include <QTimer>

namespace {

// A quiet moment to write the learned words: this long after the first change not written.
constexpr int ModelSaveDelay = 60 * 1000;

QString LanguageCode() {
    return InterfaceLanguage() == TLanguage::English ? QStringLiteral("en") : QStringLiteral("cs");
}

} // namespace

void TForm1::BuildPrediction() {
    FSlotScan = std::make_unique<TSlotRowScan>(TimeGrid1, SlotRow, &TimeGrid1->ScanMachine());
    TimeGrid1->ScanMachine().SetActions(FSlotScan.get());
    SlotRow->SetOnChosen([this](int slot) { ChooseSlot(slot); });
    connect(Display, &QTextEdit::textChanged, this, &TForm1::RefreshSlots);
    connect(Display, &QTextEdit::cursorPositionChanged, this, &TForm1::RefreshSlots);
    ModelTimer = new QTimer(this);
    ModelTimer->setSingleShot(true);
    ModelTimer->setInterval(ModelSaveDelay);
    connect(ModelTimer, &QTimer::timeout, this, &TForm1::SavePrediction);
    if (!Dirs().ConfigDir.isEmpty())
        FPredictionSettings =
            PredictionFile::Read(Dirs().ConfigDir + AppStrings::PredictionFileName);
}

TSlotSettings TForm1::CurrentSlots() const {
    return FSlotTable.isEmpty() ? FNoTableSlots : FPredictionSettings.ForTable(FSlotTable);
}

void TForm1::SetCurrentSlots(const TSlotSettings &wanted) {
    TSlotSettings s = wanted;
    s.Count = qBound(TSlotSettings::MinCount, s.Count, TSlotSettings::MaxCount);
    if (FSlotTable.isEmpty()) {
        FNoTableSlots = s;
    } else {
        FPredictionSettings.SetForTable(FSlotTable, s);
        const QString file = Dirs().ConfigDir + AppStrings::PredictionFileName;
        if (!Dirs().ConfigDir.isEmpty() && !PredictionFile::Write(file, FPredictionSettings))
            Prompts().Error(AppStrings::PredictionNotSaved.arg(file));
    }
    ApplySlotSettings();
}

void TForm1::ApplySlotSettings() {
    if (!SlotRow)
        return;
    const TSlotSettings s = CurrentSlots();
    Menu.SlotsItem->setChecked(s.On);
    SlotRow->SetPens(
        ToQColor(TimeGrid1->PenCursor().Color, palette(), Qt::yellow), TimeGrid1->PenCursor().Width,
        ToQColor(TimeGrid1->PenFocus().Color, palette(), Qt::red), TimeGrid1->PenFocus().Width);
    const bool wasShown = !SlotRow->isHidden();
    const bool countChanged = SlotRow->SlotCount() != s.Count;
    SlotRow->SetWords(QStringList(s.On ? s.Count : 0, QString()));
    SlotRow->setVisible(s.On);
    FSlotScan->SetEnabled(s.On);
    if (countChanged || wasShown != s.On)
        SyncSlotCursor();
    if (wasShown != s.On)
        LayOutControls();
    FSlotsFor.clear();
    if (s.On && !FPredictionReady && !FPredictionPending) {
        // After the window shows: start-up costs what it did without prediction.
        FPredictionPending = true;
        AfterFirstFrame([this] { LoadPrediction(); });
    }
    RefreshSlots();
}

void TForm1::SyncSlotCursor() {
    // The cursor starts where the scan starts; it shows only while the grid scans.
    if (!FEditMode && FScanning)
        FSlotScan->Reset();
    else
        SlotRow->ShowSlotCursor(-1, false);
}

QString TForm1::ModelFileName() const {
    if (Dirs().UserDataDir.isEmpty())
        return QString();
    return Dirs().UserDataDir + QStringLiteral("LearnedWords.%1.txt").arg(LanguageCode());
}

void TForm1::LoadPrediction() {
    FPredictionPending = false;
    if (FPredictionReady || FDestroyed)
        return;
    const QString path = Dirs().ProgramDir + AppStrings::PredictFolder + QDir::separator() +
                         LanguageCode() + QStringLiteral(".lex");
    TLexicon lexicon;
    QString error;
    // Without the word list the slots still offer the words the user has written.
    if (!lexicon.Load(path, &error))
        Prompts().Error(AppStrings::LexiconUnreadable.arg(path, error));
    FPredictor.SetLexicon(std::move(lexicon));
    const QString model = ModelFileName();
    FPredictionReady = true;
    if (!model.isEmpty() && !FPredictor.UserModel().Load(model, &error)) {
        Prompts().Message(AppStrings::ModelDamaged.arg(model, error));
        // The damaged file goes now, not at the end, so it is never read again.
        SavePrediction();
    }
    // The text already there was learned when it was written.
    FPredictor.StartFrom(TextBeforeCaret(Display->textCursor().selectionEnd()));
    FSlotsFor.clear();
    RefreshSlots();
}

void TForm1::SavePrediction() {
    ModelTimer->stop();
    const QString model = ModelFileName();
    if (!FPredictionReady || model.isEmpty())
        return;
    FModelChanged = false;
    QString error;
    QDir().mkpath(Dirs().UserDataDir);
    if (!FPredictor.UserModel().Save(model, &error))
        Prompts().Error(AppStrings::ModelNotSaved.arg(model, error));
}

QString TForm1::TextBeforeCaret(int position) const {
    return Display->toPlainText().left(position);
}

void TForm1::RefreshSlots() {
    if (!SlotRow || FChoosing || SlotRow->isHidden() || !FPredictionReady)
        return;
    const QString before = TextBeforeCaret(Display->textCursor().selectionEnd());
    const int count = CurrentSlots().Count;
    const QString key = before + QChar(0) + QChar(u'0' + FComposer.Shift()) +
                        QChar(u'0' + FComposer.CapsLock()) + QChar(u'0' + count);
    if (key == FSlotsFor)
        return;
    FSlotsFor = key;
    FPredictor.Observe(before);
    FWordChoice.Follow(before);
    FModelChanged = true;
    if (!ModelTimer->isActive())
        ModelTimer->start();
    SlotRow->SetWords(
        TWordChoice::SlotWords(FPredictor, before, FComposer.Shift(), FComposer.CapsLock(), count));
}

void TForm1::ChooseSlot(int slot) {
    if (FEditMode || !FPredictionReady)
        return;
    const QString word = SlotRow->Words().value(slot);
    if (word.isEmpty())
        return;
    Display->setFocus();
    QTextCursor cursor = Display->textCursor();
    const int end = cursor.selectionEnd();
    const TReplacement r = FWordChoice.Choose(FPredictor, TextBeforeCaret(end), word);
    FChoosing = true;
    cursor.beginEditBlock();
    cursor.setPosition(int(end - r.Remove));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.insertText(r.Insert);
    cursor.endEditBlock();
    Display->setTextCursor(cursor);
    TypeOutside(r.Remove, r.Insert);
    FChoosing = false;
    // Shift is spent on the word, as on a key's text.
    SetShift(false);
    RefreshSlots();
    if (AutoReadMode == AutoRead::All)
        SpeakText(word);
}

void TForm1::SlotsItemClick() {
    TSlotSettings s = CurrentSlots();
    s.On = !s.On;
    SetCurrentSlots(s);
}

void TForm1::SlotSettingsItemClick() {
    TPredictionDlg dialog(this);
    const TSlotSettings s = CurrentSlots();
    dialog.SetValues(s.On, s.Count, TSlotSettings::MinCount, TSlotSettings::MaxCount);
    if (ShowModal(dialog) == QDialog::Accepted)
        SetCurrentSlots(TSlotSettings{dialog.On(), dialog.Count()});
}

void TForm1::ForgetItemClick() {
    if (!Prompts().Question(AppStrings::ForgetQuestion))
        return;
    FPredictor.ForgetAll();
    if (FPredictionReady) {
        SavePrediction();
    } else if (!ModelFileName().isEmpty() && QFileInfo::exists(ModelFileName())) {
        QString error;
        if (!TUserModel().Save(ModelFileName(), &error))
            Prompts().Error(AppStrings::ModelNotSaved.arg(ModelFileName(), error));
    }
    FSlotsFor.clear();
    RefreshSlots();
}
