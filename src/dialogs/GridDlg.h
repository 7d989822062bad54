#pragma once

#include "GridValues.h"
#include "ScanAccess.h"
#include "VoiceToken.h"

#include <QColor>
#include <QDialog>
#include <QPointer>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTimer;
class TColorField;
class TKeyboardLayout;
class TScanAccessPage;
class TSwitchCapture;
class TTimeGrid;

// The grid, cursor and scanning settings: the grid's size and pens, the scan step, the long
// press, the two switch keys and the scanning mode. Created once with the main window; filled
// from the grid before each showing. "&Provést změny" and OK apply at once to the running scan;
// "&Storno" closes without undoing what was applied.
class TGridDialog : public QDialog {
    Q_OBJECT

public:
    explicit TGridDialog(QWidget *parent = nullptr);
    ~TGridDialog() override;

    QGroupBox *GroupBox1 = nullptr; // "&Mřížka"
    QSpinBox *GridSEdit = nullptr;
    TColorField *GridCol = nullptr;
    QSpinBox *NColSEdit = nullptr;
    QSpinBox *NRowSEdit = nullptr;
    QGroupBox *GroupBox2 = nullptr; // "&Kurzor"
    QSpinBox *CurSEdit = nullptr;
    TColorField *CurCol = nullptr;
    QGroupBox *GroupBox3 = nullptr; // "&Zvýraznění"
    QSpinBox *FocSEdit = nullptr;
    TColorField *FocCol = nullptr;
    QGroupBox *GroupBox4 = nullptr; // "&Způsob skenování"
    QComboBox *ScanModeCombo = nullptr;
    QCheckBox *XkursorChk = nullptr;
    QCheckBox *StopChk = nullptr;
    QCheckBox *StayOnRowChk = nullptr;
    QCheckBox *StayOnColChk = nullptr;
    QCheckBox *MouseChk = nullptr;
    QGroupBox *GroupBox5 = nullptr; // "S&pínače"
    QSpinBox *IntSEdit = nullptr;
    QSpinBox *LongSEdit = nullptr;
    QComboBox *Sw1Combo = nullptr;
    TSwitchCapture *Sw1Capture = nullptr;
    QComboBox *Sw2Combo = nullptr;
    TSwitchCapture *Sw2Capture = nullptr;
    QTabWidget *Pages = nullptr;
    TScanAccessPage *AccessPage = nullptr; // "&Rozšířené"
    QPushButton *Button1 = nullptr;        // "&Provést změny"
    QPushButton *CancelButton = nullptr;
    QPushButton *OKButton = nullptr;

    // The scan timer whose interval the dialog edits (not owned).
    void SetScanTimer(QTimer *timer);
    // The layout that turns a typed character into its key; none means the one in use now.
    void SetKeyboardLayout(const TKeyboardLayout *layout) { FLayout = layout; }

    // Switch access on the advanced page: shown from SetScanAccess, handed to the callback
    // whenever the dialog applies.
    void SetScanAccess(const TScanAccess &access);
    void SetPromptVoices(const QList<TVoiceToken> &voices);
    // The outputs the voice and the prompts may play on, as (id, name).
    void SetAudioDevices(const QList<QPair<QString, QString>> &devices);
    void SetOnAccessApplied(std::function<void(const TScanAccess &)> applied) {
        FOnAccessApplied = std::move(applied);
    }

    // What the controls show, and showing `values` in them (all but the access, which
    // SetScanAccess shows).
    TGridValues Values() const;
    void ShowValues(const TGridValues &values);

    // Loads the dialog from `grid` and the scan timer and remembers `grid`; nothing without one.
    void FillFromGrid(TTimeGrid *grid);
    // Writes the dialog into `grid` and the scan timer. Throws TError "Invalid key code for
    // switch N" when a switch field names no key; what comes before it is applied by then.
    void ApplyToGrid(TTimeGrid *grid);
    TTimeGrid *Grid() const;

    // Fills from `grid` and shows the dialog modally without waiting; OK applies and closes.
    void Open(TTimeGrid *grid);

    // The switch code a field names; 0 when it names no key.
    int SwitchCode(int switchNumber) const;
    // Shows `code` in the field of switch 1 or 2.
    void ShowSwitchCode(int switchNumber, int code);

    // Handlers.
    void Button1Click();
    void OKButtonClick();
    void GridColClick(TColorField *panel);
    void ScanModeComboChange();
    void GroupBox4Exit();

private:
    QGroupBox *BuildPenGroup(const QString &title, QSpinBox *&width, TColorField *&colour,
                             const QString &colourName);
    QGroupBox *BuildScanGroup();
    QGroupBox *BuildSwitchGroup();
    QComboBox *SwitchCombo(int switchNumber);
    // Applies and reports a bad switch code; false when it failed.
    bool TryApply();
    void ShowChecks(int modes);
    int CheckedModes() const;
    void EnableChecks();
    void FocusChanged(QWidget *old, QWidget *now);

    QPointer<TTimeGrid> FGrid;
    QPointer<QTimer> FScanTimer;
    const TKeyboardLayout *FLayout = nullptr;
    QColor FLastColor;
    std::function<void(const TScanAccess &)> FOnAccessApplied;
};
