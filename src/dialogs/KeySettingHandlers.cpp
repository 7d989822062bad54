// The key settings dialog at work: filling it from a key, the handlers of its controls and
// applying the working key to the real keys.
#include "KeySettingDlg.h"

#include "ColorField.h"
#include "ColorMap.h"
#include "DialogStrings.h"
#include "Directories.h"
#include "Error.h"
#include "KeySettingRules.h"
#include "Prompts.h"
#include "SpeechOutput.h"
#include "StringProc.h"
#include "SymbolImage.h"
#include "SymbolImport.h"
#include "VxKey.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

using namespace KeySettingRules;

namespace {

// The text fields show the key's face and style, but no larger than they are tall.
constexpr int kFieldFontPixels = 20;

} // namespace

void TKeySettingDlg::FillFromKey(TVxKey *key) {
    if (!key)
        return;
    FEditedKey = key;
    const qsizetype selected = FSelection ? FSelection->size() : 0;
    const TPageState pages = PageState(key->SpecialCode(), selected);
    TextEdit->setEnabled(pages.TextEnabled);
    TextShEdit->setEnabled(pages.TextEnabled);
    TextLabel->setEnabled(pages.TextEnabled);
    SystemChk->setEnabled(pages.TextEnabled);
    SpecialCombo->setEnabled(pages.TextEnabled);
    PageControl1->setTabVisible(PageControl1->indexOf(SymbolSheet), pages.SymbolPage);
    VxKey1->SetSelected(true);
    ApplyBtn->setEnabled(true);

    FWorkingKey->AssignKey(key);

    // The fields show the key. Their handlers would only copy the same values back, and a size
    // beyond a spin box's range would come back clamped, so they stay quiet; what they do beyond
    // copying follows below.
    FFilling = true;
    BtnHEdit->setValue(key->Height());
    BtnWEdit->setValue(key->Width());
    BordEdit->setValue(key->BorderWidth());
    TextEdit->setText(key->Text());
    TextShEdit->setText(key->TextSh());
    SoundFileEdit->setText(key->WavName());
    KeybdEdit->setText(key->KbdName());
    FFilling = false;
    ShowTextFont();
    VxKey1->SetBorderWidth(key->BorderWidth());
    // Names inside the data folders are kept relative, so a table moves with its folders.
    FWorkingKey->SetWavName(StripDirPrefix(key->WavName(), Dirs().SoundsDir));
    FWorkingKey->SetKbdName(StripDirPrefix(key->KbdName(), Dirs().TablesDir));

    if (key->SpecialCode() != 0) {
        SystemChk->setChecked(true);
        SpecialCombo->setCurrentIndex(int(key->SpecialKey()));
    } else {
        SystemChk->setChecked(false);
        SpecialCombo->setCurrentIndex(0);
    }
    // After the box, whose handler opens the list for any system key.
    SpecialCombo->setEnabled(pages.SpecialEnabled);
    // The sound or the table control must be open for the key at hand, whatever kind was
    // chosen the last time the dialog was used.
    ShowOtherParts(pages);

    Image1->SetPicture(key->Symbol());
    NormalCl->SetColor(key->NormKeyColor());
    SystemCl->SetColor(key->SpecKeyColor());
    VybranCl->SetColor(key->ColorSelected());
    ActivCl->SetColor(key->ColorFocused());
    BackCl->SetColor(key->BrushColor());
    D3Chk->setChecked(key->Status().testFlag(vxo3Deffect));

    VxKey1->SetText(DialogStrings::Sample);
    VxKey1->SetFont(key->Font());
    VxKey1->SetSymbol(key->Symbol());
    VxKey1->SetNormKeyColor(key->NormKeyColor());
    VxKey1->SetSpecKeyColor(key->SpecKeyColor());
    VxKey1->SetColorSelected(key->ColorSelected());
    VxKey1->SetColorFocused(key->ColorFocused());
    VxKey1->SetBrushColor(key->BrushColor());
    VxKey1->SetAspect(key->Aspect());
    VxKey1->SetSpecialKey(key->SpecialKey());

    // Checking the box runs its handler as a click would: a box that was unchecked takes the
    // symbol's own proportions instead of the aspect just shown.
    const bool keepAspect = key->Aspect() > 0;
    AspectEd->setEnabled(keepAspect);
    AspectEd->setText(FormatAspect(key->Aspect()));
    AspectEd->setModified(false);
    AspectChk->setChecked(keepAspect);
    update();
}

void TKeySettingDlg::ShowTextFont() {
    QFont shown = FWorkingKey->Font().ToQFont();
    if (shown.pixelSize() > kFieldFontPixels)
        shown.setPixelSize(kFieldFontPixels);
    TextEdit->setFont(shown);
    TextShEdit->setFont(shown);
}

void TKeySettingDlg::ShowOtherParts(const TPageState &pages) {
    ShowOtherPage(pages.OtherPage);
    SoundFileEdit->setEnabled(pages.SoundEnabled);
    SoundBtn->setEnabled(pages.SoundEnabled);
    ReplayBtn->setEnabled(pages.SoundEnabled);
    KeybdEdit->setEnabled(pages.TableEnabled);
    KeybdBtn->setEnabled(pages.TableEnabled);
}

void TKeySettingDlg::BtnHEditChange(int value) {
    if (!FFilling)
        FWorkingKey->SetHeight(value);
}

void TKeySettingDlg::BtnWEditChange(int value) {
    if (!FFilling)
        FWorkingKey->SetWidth(value);
}

void TKeySettingDlg::BordEditChange(int value) {
    if (FFilling)
        return;
    FWorkingKey->SetBorderWidth(value);
    VxKey1->SetBorderWidth(value);
    VxKey1->update();
}

void TKeySettingDlg::TextEditChange(QLineEdit *sender) {
    if (FFilling)
        return;
    if (sender == TextEdit)
        FWorkingKey->SetText(sender->text());
    else if (sender == TextShEdit)
        FWorkingKey->SetTextSh(sender->text());
}

void TKeySettingDlg::FontBtn1Click() {
    const std::optional<QFont> font = Prompts().ChooseFont(FWorkingKey->Font().ToQFont());
    if (!font)
        return;
    const TKeyFont chosen = TKeyFont::FromQFont(*font, FWorkingKey->Font());
    FWorkingKey->SetFont(chosen);
    VxKey1->SetFont(chosen);
    ShowTextFont();
}

void TKeySettingDlg::SystemChkClick(bool checked) {
    const bool several = FSelection && FSelection->size() > 1;
    SpecialCombo->setEnabled(checked && !several);
    SpecialCombo->setCurrentIndex(0);
    if (!checked) {
        // An ordinary key again: the preview and the tab follow, as after choosing "None".
        FWorkingKey->SetSpecialKey(TSpecialKey::None);
        VxKey1->SetSpecialKey(TSpecialKey::None);
        ShowOtherPage(false);
    }
    VxKey1->update();
}

void TKeySettingDlg::SpecialComboChange(int index) {
    if (index < 0 || index >= SpecialKeyCount)
        return;
    const auto kind = TSpecialKey(index);
    FWorkingKey->SetSpecialKey(kind);
    VxKey1->SetSpecialKey(kind);
    // The list is open only while one key is edited.
    ShowOtherParts(PageState(FWorkingKey->SpecialCode(), 1));
    VxKey1->update();
}

void TKeySettingDlg::LoadSymbolBtClick() {
    const QString file = Prompts().OpenFileName(DialogStrings::ImageDialogTitle, ImageDialogDir,
                                                DialogStrings::ImageDialogFilter);
    if (file.isEmpty())
        return;
    TPicture picture;
    try {
        picture = ImportSymbolFile(file);
    } catch (const TError &e) {
        Prompts().Error(e.Message());
        return;
    }
    ImageDialogDir = ExtractDir(file);
    Image1->SetPicture(picture);
    FWorkingKey->SetSymbol(picture);
    VxKey1->SetSymbol(picture);
    VxKey1->update();
}

void TKeySettingDlg::ClearSymbolBtClick() {
    Image1->SetPicture(TPicture());
    FWorkingKey->SetSymbol(TPicture());
    VxKey1->SetSymbol(TPicture());
    VxKey1->update();
}

void TKeySettingDlg::AspectChkClick(bool checked) {
    AspectEd->setEnabled(checked);
    const double aspect = checked ? SymbolAspect(Image1->Picture().Size()) : 0.0;
    AspectEd->setText(checked ? FormatAspect(aspect) : QStringLiteral("0"));
    AspectEd->setModified(false);
    FWorkingKey->SetAspect(aspect);
    VxKey1->SetAspect(aspect);
    VxKey1->update();
}

bool TKeySettingDlg::AspectEdExit() {
    // The message box takes the focus from the field; that must not read it a second time.
    if (FCheckingAspect)
        return false;
    const std::optional<double> aspect = ParseAspect(AspectEd->text());
    if (!aspect) {
        FCheckingAspect = true;
        Prompts().Message(DialogStrings::BadNumber);
        FCheckingAspect = false;
        AspectEd->setText(FormatAspect(VxKey1->Aspect()));
        AspectEd->setModified(false);
        return false;
    }
    AspectEd->setModified(false);
    FWorkingKey->SetAspect(*aspect);
    VxKey1->SetAspect(*aspect);
    VxKey1->update();
    return true;
}

void TKeySettingDlg::NormalClDblClick(TColorField *swatch) {
    if (!swatch)
        return;
    const std::optional<QColor> color =
        Prompts().ChooseColor(ToQColor(swatch->Color(), palette(), Qt::white));
    if (!color)
        return;
    swatch->SetColor(FromQColor(*color));
    ApplyColors(FWorkingKey);
    ApplyColors(VxKey1);
}

void TKeySettingDlg::ApplyColors(TVxKey *key) const {
    key->SetNormKeyColor(NormalCl->Color());
    key->SetSpecKeyColor(SystemCl->Color());
    key->SetBrushColor(BackCl->Color());
    key->SetColorSelected(VybranCl->Color());
    key->SetColorFocused(ActivCl->Color());
    key->update();
}

void TKeySettingDlg::D3ChkClick(bool checked) {
    for (TVxKey *key : {FWorkingKey, VxKey1}) {
        TVxKeyStatus status = key->Status();
        status.setFlag(vxo3Deffect, checked);
        key->SetStatus(status);
    }
    VxKey1->update();
}

void TKeySettingDlg::SoundBtnClick() {
    const QString full = ResolvePath(SoundFileEdit->text(), Dirs().SoundsDir);
    QString folder = ExtractDir(full);
    if (folder.isEmpty())
        folder = SoundDialogDir;
    const QString file = Prompts().OpenFileNameWithSuffix(
        DialogStrings::SoundDialogTitle, folder + ExtractName(full),
        DialogStrings::SoundDialogFilter, DialogStrings::SoundSuffix);
    if (file.isEmpty())
        return;
    const QString name = StripDirPrefix(file, Dirs().SoundsDir);
    SoundFileEdit->setText(name);
    FWorkingKey->SetWavName(name);
}

void TKeySettingDlg::SoundFileEditChange(const QString &text) {
    if (!FFilling)
        FWorkingKey->SetWavName(StripDirPrefix(text, Dirs().SoundsDir));
}

void TKeySettingDlg::KeybdBtnClick() {
    const QString full = ResolvePath(KeybdEdit->text(), Dirs().TablesDir);
    QString folder = ExtractDir(full);
    if (folder.isEmpty())
        folder = KeybdDialogDir;
    const QString file = Prompts().OpenFileNameWithSuffix(
        DialogStrings::KeybdDialogTitle, folder + ExtractName(full),
        DialogStrings::KeybdDialogFilter, DialogStrings::KeybdSuffix);
    if (file.isEmpty())
        return;
    const QString name = StripDirPrefix(file, Dirs().TablesDir);
    KeybdEdit->setText(name);
    FWorkingKey->SetKbdName(name);
}

void TKeySettingDlg::KeybdEditChange(const QString &text) {
    if (!FFilling)
        FWorkingKey->SetKbdName(StripDirPrefix(text, Dirs().TablesDir));
}

void TKeySettingDlg::PlayClick() {
    const QString name = FWorkingKey->WavName();
    if (!FSpeech || name.isEmpty())
        return;
    // The name is kept relative to the sounds folder; played from there, as the key would.
    const QString file = ResolvePath(name, Dirs().SoundsDir);
    try {
        FSpeech->PlaySoundFile(file);
    } catch (const TError &e) {
        Prompts().Message(e.Message() + QLatin1Char('\r') + file);
    }
}

void TKeySettingDlg::ApplyBtnClick() {
    // A number typed but not yet read (the field never lost the focus) counts.
    if (AspectEd->isModified() && !AspectEdExit())
        return;
    switch (ApplyTarget(FSelection != nullptr, FSelection ? FSelection->size() : 0)) {
    case TApplyTarget::EditedKey:
        CopyWorkingKey(FEditedKey, true);
        break;
    case TApplyTarget::NoSelection:
        Prompts().Message(DialogStrings::NoKeySelected);
        break;
    case TApplyTarget::OneKey:
        CopyWorkingKey(FSelection->constFirst(), true);
        break;
    case TApplyTarget::AppearanceToEach: {
        const QList<TVxKey *> keys = *FSelection;
        for (TVxKey *key : keys)
            CopyWorkingKey(key, false);
        break;
    }
    }
    if (ApplyTarget(FSelection != nullptr, FSelection ? FSelection->size() : 0) !=
        TApplyTarget::NoSelection)
        emit Applied();
}

void TKeySettingDlg::CopyWorkingKey(TVxKey *key, bool everything) const {
    if (!key || key == FWorkingKey)
        return;
    const bool active = key->Active();
    if (everything)
        key->AssignKey(FWorkingKey);
    else
        key->Assign(FWorkingKey);
    key->SetActive(active);
    key->update();
}

void TKeySettingDlg::accept() {
    if (AspectEd->isModified() && !AspectEdExit())
        return;
    QDialog::accept();
}
