#include "ScanAccessPage.h"

#include "DeviceChoice.h"
#include "DialogParts.h"
#include "DialogStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace DialogParts;

namespace {

QComboBox *Combo(const QStringList &items, const char *name, QWidget *parent) {
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    return combo;
}

QCheckBox *Check(const QString &text, const char *name, QWidget *parent) {
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

TScanAccessPage::TScanAccessPage(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("ScanAccessPage"));
    using namespace DialogStrings;

    QFormLayout *filter = nullptr;
    FilterGroup = FormGroup(DialogStrings::FilterGroup, "FilterGroup", this, &filter);
    AcceptSEdit = AddSpinRow(filter, AcceptTime, {0, TScanAccess::MaxTime, 50}, "AcceptSEdit");
    IgnoreSEdit = AddSpinRow(filter, IgnoreAfter, {0, TScanAccess::MaxTime, 50}, "IgnoreSEdit");

    QFormLayout *flow = nullptr;
    FlowGroup = FormGroup(DialogStrings::FlowGroup, "FlowGroup", this, &flow);
    RoundsSEdit = AddSpinRow(flow, StopRounds, {0, TScanAccess::MaxRounds, 1}, "RoundsSEdit");
    RoundsSEdit->setSpecialValueText(StopRoundsNever);
    StartOnPressChk = Check(StartOnPress, "StartOnPressChk", FlowGroup);
    flow->addRow(StartOnPressChk);
    WaitSpeechChk = Check(DialogStrings::WaitForSpeech, "WaitSpeechChk", FlowGroup);
    flow->addRow(WaitSpeechChk);
    FirstStepSEdit =
        AddSpinRow(flow, FirstStepExtra, {0, TScanAccess::MaxTime, 100}, "FirstStepSEdit");
    ResumeCombo = Combo({ResumeAsBefore, ResumeFirstRow, ResumeSameRow}, "ResumeCombo", FlowGroup);
    AddRow(flow, DialogStrings::ResumeAt, ResumeCombo);

    QFormLayout *prompt = nullptr;
    PromptGroup = FormGroup(DialogStrings::PromptGroup, "PromptGroup", this, &prompt);
    PromptChk = Check(PromptsOn, "PromptChk", PromptGroup);
    prompt->addRow(PromptChk);
    RowPromptCombo = Combo({RowByNumber, RowByFirstKey}, "RowPromptCombo", PromptGroup);
    AddRow(prompt, DialogStrings::RowPrompt, RowPromptCombo);
    VoiceCombo = Combo({PromptVoiceDefault}, "VoiceCombo", PromptGroup);
    AddRow(prompt, PromptVoice, VoiceCombo);
    RateSEdit = AddSpinRow(prompt, PromptRate, {-10, 10, 1}, "RateSEdit");
    VolumeSEdit = AddSpinRow(prompt, PromptVolume, {0, 100, 5}, "VolumeSEdit");
    PauseSEdit =
        AddSpinRow(prompt, DialogStrings::PromptPause, {0, TScanAccess::MaxTime, 50}, "PauseSEdit");
    connect(PromptChk, &QCheckBox::toggled, this, &TScanAccessPage::EnablePrompts);

    OutputGroup = new TDeviceChoice(this);
    SpeechDeviceCombo = OutputGroup->SpeechDeviceCombo;
    PromptDeviceCombo = OutputGroup->PromptDeviceCombo;

    auto *left = new QVBoxLayout;
    left->addWidget(FilterGroup);
    left->addWidget(FlowGroup);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(PromptGroup);
    right->addWidget(OutputGroup);
    right->addStretch(1);
    auto *columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(right);
    Fill(TScanAccess());
}

void TScanAccessPage::SetVoices(const QList<TVoiceToken> &voices) {
    const QString current = VoiceCombo->currentData().toString();
    VoiceCombo->clear();
    VoiceCombo->addItem(DialogStrings::PromptVoiceDefault, QString());
    for (const TVoiceToken &voice : voices)
        VoiceCombo->addItem(voice.GetAttribute(QStringLiteral("Name")).value_or(voice.Id),
                            voice.Id);
    VoiceCombo->setCurrentIndex(qMax(0, VoiceCombo->findData(current)));
}

void TScanAccessPage::SetDevices(const QList<QPair<QString, QString>> &devices) {
    OutputGroup->SetDevices(devices);
}

void TScanAccessPage::Fill(const TScanAccess &access) {
    const TScanAccess a = access.Bounded();
    AcceptSEdit->setValue(a.AcceptTime);
    IgnoreSEdit->setValue(a.IgnoreAfter);
    RoundsSEdit->setValue(a.StopRounds);
    StartOnPressChk->setChecked(a.StartOnPress);
    WaitSpeechChk->setChecked(a.WaitForSpeech);
    FirstStepSEdit->setValue(a.FirstStepExtra);
    ResumeCombo->setCurrentIndex(int(a.ResumeAt));
    PromptChk->setChecked(a.Prompts);
    RowPromptCombo->setCurrentIndex(int(a.RowPrompt));
    int voice = VoiceCombo->findData(a.PromptVoice);
    if (voice < 0) {
        // A voice no longer installed stays chosen, so that saving does not lose it.
        VoiceCombo->addItem(a.PromptVoice, a.PromptVoice);
        voice = VoiceCombo->count() - 1;
    }
    VoiceCombo->setCurrentIndex(voice);
    RateSEdit->setValue(a.PromptRate);
    VolumeSEdit->setValue(a.PromptVolume);
    PauseSEdit->setValue(a.PromptPause);
    OutputGroup->Fill(a.SpeechDevice, a.PromptDevice);
    EnablePrompts();
}

TScanAccess TScanAccessPage::Value() const {
    TScanAccess a;
    a.AcceptTime = AcceptSEdit->value();
    a.IgnoreAfter = IgnoreSEdit->value();
    a.StopRounds = RoundsSEdit->value();
    a.StartOnPress = StartOnPressChk->isChecked();
    a.WaitForSpeech = WaitSpeechChk->isChecked();
    a.FirstStepExtra = FirstStepSEdit->value();
    a.ResumeAt = TResumeAt(quint8(qMax(0, ResumeCombo->currentIndex())));
    a.Prompts = PromptChk->isChecked();
    a.RowPrompt = TRowPrompt(quint8(qMax(0, RowPromptCombo->currentIndex())));
    a.PromptVoice = VoiceCombo->currentData().toString();
    a.PromptRate = RateSEdit->value();
    a.PromptVolume = VolumeSEdit->value();
    a.PromptPause = PauseSEdit->value();
    a.SpeechDevice = OutputGroup->SpeechDevice();
    a.PromptDevice = OutputGroup->PromptDevice();
    return a;
}

void TScanAccessPage::EnablePrompts() {
    const bool on = PromptChk->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{RowPromptCombo, VoiceCombo, RateSEdit,
                                                       VolumeSEdit, PauseSEdit})
        w->setEnabled(on);
}
