#pragma once

#include "ScanAccess.h"
#include "VoiceToken.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QSpinBox;
class TDeviceChoice;

// The grid dialog's page of switch access: switch filtering, the flow of the scan and the
// spoken prompts with their voice. Shows a TScanAccess and gives one back; applies nothing.
class TScanAccessPage : public QWidget {
    Q_OBJECT

public:
    explicit TScanAccessPage(QWidget *parent = nullptr);

    QGroupBox *FilterGroup = nullptr;
    QSpinBox *AcceptSEdit = nullptr;
    QSpinBox *IgnoreSEdit = nullptr;
    QGroupBox *FlowGroup = nullptr;
    QSpinBox *RoundsSEdit = nullptr;
    QCheckBox *StartOnPressChk = nullptr;
    QCheckBox *WaitSpeechChk = nullptr;
    TDeviceChoice *OutputGroup = nullptr;
    QComboBox *SpeechDeviceCombo = nullptr;
    QComboBox *PromptDeviceCombo = nullptr;
    QSpinBox *FirstStepSEdit = nullptr;
    QComboBox *ResumeCombo = nullptr;
    QGroupBox *PromptGroup = nullptr;
    QCheckBox *PromptChk = nullptr;
    QComboBox *RowPromptCombo = nullptr;
    QComboBox *VoiceCombo = nullptr;
    QSpinBox *RateSEdit = nullptr;
    QSpinBox *VolumeSEdit = nullptr;
    QSpinBox *PauseSEdit = nullptr;

    // The voices a prompt may speak in; the first entry always stands for the Czech voice.
    void SetVoices(const QList<TVoiceToken> &voices);
    // The outputs the voice and the prompts may play on, as (id, name); the system's default
    // always comes first.
    void SetDevices(const QList<QPair<QString, QString>> &devices);
    void Fill(const TScanAccess &access);
    TScanAccess Value() const;

private:
    void EnablePrompts();
};
