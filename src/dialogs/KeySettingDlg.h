#pragma once

#include "KeySettingRules.h"
#include "VxKey.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;
class TColorField;
class TSpeechOutput;
class TSymbolImage;

// "Nastavení klávesy": edits one key or, in appearance only, several selected keys. Every
// control writes at once into a hidden working key and into the preview key VxKey1; the real
// keys change only through "Provést &změny" (ApplyBtnClick) or when the caller copies the working
// key after OK. Created once with the main window and filled again before each showing.
class TKeySettingDlg : public QDialog {
    Q_OBJECT

public:
    // `speech` (not owned) plays a key's sound for the play button; none disables playing.
    explicit TKeySettingDlg(TSpeechOutput *speech = nullptr, QWidget *parent = nullptr);
    ~TKeySettingDlg() override;

    // Controls, under their form names.
    QTabWidget *PageControl1 = nullptr;
    QWidget *RozmerySheet = nullptr;
    QWidget *SymbolSheet = nullptr;
    QWidget *BarvySheet = nullptr;
    QWidget *JineSheet = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *ApplyBtn = nullptr;

    QSpinBox *BtnHEdit = nullptr;
    QSpinBox *BtnWEdit = nullptr;
    QSpinBox *BordEdit = nullptr;
    QLineEdit *TextShEdit = nullptr;
    QLineEdit *TextEdit = nullptr;
    QLabel *TextLabel = nullptr;
    QCheckBox *SystemChk = nullptr;
    QComboBox *SpecialCombo = nullptr;
    QPushButton *FontBtn1 = nullptr;

    QFrame *Panel1 = nullptr;
    TSymbolImage *Image1 = nullptr;
    QPushButton *LoadSymbolBt = nullptr;
    QPushButton *ClearSymbolBt = nullptr;
    QCheckBox *AspectChk = nullptr;
    QLineEdit *AspectEd = nullptr;

    TColorField *NormalCl = nullptr;
    TColorField *SystemCl = nullptr;
    TColorField *BackCl = nullptr;
    TColorField *VybranCl = nullptr;
    TColorField *ActivCl = nullptr;
    QCheckBox *D3Chk = nullptr;
    TVxKey *VxKey1 = nullptr;

    QLineEdit *SoundFileEdit = nullptr;
    QPushButton *SoundBtn = nullptr;
    QPushButton *ReplayBtn = nullptr;
    QLineEdit *KeybdEdit = nullptr;
    QPushButton *KeybdBtn = nullptr;

    // The hidden key every control writes into.
    TVxKey *WorkingKey() const { return FWorkingKey; }
    // The key the dialog was last filled from, while it exists.
    TVxKey *EditedKey() const { return FEditedKey; }
    // The main window's selection list (not owned; it outlives the dialog). From the first
    // selection change on, applying acts on the selected keys.
    void SetSelection(const QList<TVxKey *> *selection) { FSelection = selection; }
    bool HasSelection() const { return FSelection != nullptr; }

    // Initial folders of the file dialogs; the main window sets them when they are empty.
    QString ImageDialogDir;
    QString SoundDialogDir;
    QString KeybdDialogDir;

    // Loads the dialog from `key`.
    void FillFromKey(TVxKey *key);
    // "Provést &změny": the working key to the edited key, the one selected key, or (appearance
    // only) to each of several selected keys. The dialog stays open.
    void ApplyBtnClick();

signals:
    // Keys were changed by ApplyBtnClick; "&Storno" afterwards does not undo it.
    void Applied();

public:
    // Control handlers.
    void BtnHEditChange(int value);
    void BtnWEditChange(int value);
    void BordEditChange(int value);
    void TextEditChange(QLineEdit *sender);
    void FontBtn1Click();
    void SystemChkClick(bool checked);
    void SpecialComboChange(int index);
    void LoadSymbolBtClick();
    void ClearSymbolBtClick();
    void AspectChkClick(bool checked);
    // Reads the aspect field; false (after telling the user) when it holds no number.
    bool AspectEdExit();
    void NormalClDblClick(TColorField *swatch);
    void D3ChkClick(bool checked);
    void SoundBtnClick();
    void SoundFileEditChange(const QString &text);
    void KeybdBtnClick();
    void KeybdEditChange(const QString &text);
    void PlayClick();

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    QWidget *BuildRozmerySheet();
    QWidget *BuildSymbolSheet();
    QWidget *BuildBarvySheet();
    QWidget *BuildJineSheet();
    void BuildPreviewKey();
    QLabel *ColorLabel(const QString &caption, TColorField *swatch, QWidget *parent);

    void ApplyColors(TVxKey *key) const;
    void ShowTextFont();
    void ShowOtherPage(bool visible);
    // The page of the sound and the linked table, and which of the two is open.
    void ShowOtherParts(const KeySettingRules::TPageState &pages);
    void RozmerySheetEnter();
    // Copies the working key into `key` without taking away or giving it the active highlight,
    // which belongs to one key of the window only.
    void CopyWorkingKey(TVxKey *key, bool everything) const;

    TSpeechOutput *FSpeech = nullptr;
    TVxKey *FWorkingKey = nullptr;
    QPointer<TVxKey> FEditedKey;
    const QList<TVxKey *> *FSelection = nullptr;
    QList<TColorField *> FSwatches;
    QList<QLabel *> FColorLabels;
    bool FFilling = false;
    bool FCheckingAspect = false;
};
