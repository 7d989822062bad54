#pragma once

#include "VoiceInfo.h"

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QStatusBar;
class QTabWidget;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TVoice;

// The system engine's voices grouped by vendor: the attributes of the highlighted voice, making
// it the voice in use, and for the voice in use its rate, volume and a test text. Every change
// goes to the engine at once; the dialog keeps nothing of its own. Created once with the main
// window; the voice tree is built the first time the dialog is shown, so that start-up never
// waits for the engine to list its voices.
class TDlgSAPI5 : public QDialog {
    Q_OBJECT

public:
    explicit TDlgSAPI5(TVoice &voice, QWidget *parent = nullptr);

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabVolba = nullptr;
    QTreeWidget *TreeTTS = nullptr;
    QLabel *lbManufact = nullptr;
    QLabel *lbLanguage = nullptr;
    QLabel *lbCharacter = nullptr;
    QLabel *lbSex = nullptr;
    QLabel *lbAge = nullptr;
    QPushButton *BtnVyber = nullptr;
    QLabel *stVyber = nullptr;
    QWidget *TabSetting = nullptr;
    QPlainTextEdit *TextBox = nullptr;
    QToolButton *BtnSpeak = nullptr;
    QToolButton *BtnReset = nullptr;
    QSlider *tbRate = nullptr;
    QLabel *lblRate = nullptr;
    QSlider *tbVolume = nullptr;
    QLabel *lblVolume = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusPanel = nullptr;
    QPushButton *BitBtn1 = nullptr; // "Zavřít"
    // Reports a move of the tree's selection once it has rested for 50 ms, so running through
    // the list with the arrow keys does not read every voice on the way.
    QTimer *ChangeTimer = nullptr;

    int VoiceIndex() const { return FVoiceIndex; }
    const TVoiceInfo &CurrentInfo() const { return FCurrentInfo; }
    bool SettingsTabVisible() const;
    // The voices of the tree by Id, in the voice list's order when it was built.
    const QList<QPair<QString, QTreeWidgetItem *>> &VoiceIds() const { return FVoiceIds; }

    // Builds the tree once and highlights the first voice; later calls do nothing.
    void FormCreate();
    void FillVoiceTree();
    void FormShow();
    // The selection has rested on `node`.
    void TreeTTSChange();
    void HighlightVoice(int position);
    void ShowVoiceDetails();
    bool IsCurrentVoice();
    void UpdateSelectionState();
    void SelectVoice();
    void BtnVyberClick();
    void ShowCurrentVoice();
    void TabSettingShow();
    void tbRateChange(int position);
    void tbVolumeChange(int position);
    void BtnSpeakClick();
    void BtnResetClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BuildControls();
    QWidget *BuildVoicePage();
    QWidget *BuildSettingsPage();
    // A vendor node is never highlighted: the selection passes on to one of its voices.
    void TreeTTSChanging(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    int PositionOfNode(const QTreeWidgetItem *node) const;
    int PositionOfId(const QString &id) const;

    TVoice &FVoice;
    int FVoiceIndex = -1;
    QList<QPair<QString, QTreeWidgetItem *>> FVoiceIds;
    TVoiceInfo FCurrentInfo;
    bool FTreeBuilt = false;
    bool FRedirecting = false;
};
