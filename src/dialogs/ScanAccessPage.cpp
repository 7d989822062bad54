#include "ScanAccessPage.h"

#include "DialogStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox *Spin(int minimum, int maximum, int step, const char *name, const QString &label,
               QWidget *parent) {
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setAccessibleName(DialogStrings::Plain(label));
    return spin;
}

QComboBox *Combo(const QStringList &items, const char *name, const QString &label,
                 QWidget *parent) {
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    combo->setAccessibleName(DialogStrings::Plain(label));
    return combo;
}

void AddRow(QFormLayout *form, const QString &label, QWidget *field) {
    auto *text = new QLabel(label, field->parentWidget());
    text->setBuddy(field);
    form->addRow(text, field);
}

} // namespace

TScanAccessPage::TScanAccessPage(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("ScanAccessPage"));
    using namespace DialogStrings;

    FilterGroup = new QGroupBox(DialogStrings::FilterGroup, this);
    FilterGroup->setObjectName(QStringLiteral("FilterGroup"));
    AcceptSEdit = Spin(0, TScanAccess::MaxTime, 50, "AcceptSEdit", AcceptTime, FilterGroup);
    IgnoreSEdit = Spin(0, TScanAccess::MaxTime, 50, "IgnoreSEdit", IgnoreAfter, FilterGroup);
    auto *filter = new QFormLayout(FilterGroup);
    AddRow(filter, AcceptTime, AcceptSEdit);
    AddRow(filter, IgnoreAfter, IgnoreSEdit);

    FlowGroup = new QGroupBox(DialogStrings::FlowGroup, this);
    FlowGroup->setObjectName(QStringLiteral("FlowGroup"));
    RoundsSEdit = Spin(0, TScanAccess::MaxRounds, 1, "RoundsSEdit", StopRounds, FlowGroup);
    RoundsSEdit->setSpecialValueText(StopRoundsNever);
    StartOnPressChk = new QCheckBox(StartOnPress, FlowGroup);
    StartOnPressChk->setObjectName(QStringLiteral("StartOnPressChk"));
    WaitSpeechChk = new QCheckBox(DialogStrings::WaitForSpeech, FlowGroup);
    WaitSpeechChk->setObjectName(QStringLiteral("WaitSpeechChk"));
    FirstStepSEdit =
        Spin(0, TScanAccess::MaxTime, 100, "FirstStepSEdit", FirstStepExtra, FlowGroup);
    ResumeCombo = Combo({ResumeAsBefore, ResumeFirstRow, ResumeSameRow}, "ResumeCombo",
                        DialogStrings::ResumeAt, FlowGroup);
    auto *flow = new QFormLayout(FlowGroup);
    AddRow(flow, StopRounds, RoundsSEdit);
    flow->addRow(StartOnPressChk);
    flow->addRow(WaitSpeechChk);
    AddRow(flow, FirstStepExtra, FirstStepSEdit);
    AddRow(flow, DialogStrings::ResumeAt, ResumeCombo);

    PromptGroup = new QGroupBox(DialogStrings::PromptGroup, this);
    PromptGroup->setObjectName(QStringLiteral("PromptGroup"));
    PromptChk = new QCheckBox(PromptsOn, PromptGroup);
    PromptChk->setObjectName(QStringLiteral("PromptChk"));
    RowPromptCombo = Combo({RowByNumber, RowByFirstKey}, "RowPromptCombo", DialogStrings::RowPrompt,
                           PromptGroup);
    VoiceCombo = Combo({PromptVoiceDefault}, "VoiceCombo", PromptVoice, PromptGroup);
    RateSEdit = Spin(-10, 10, 1, "RateSEdit", PromptRate, PromptGroup);
    VolumeSEdit = Spin(0, 100, 5, "VolumeSEdit", PromptVolume, PromptGroup);
    PauseSEdit =
        Spin(0, TScanAccess::MaxTime, 50, "PauseSEdit", DialogStrings::PromptPause, PromptGroup);
    auto *prompt = new QFormLayout(PromptGroup);
    prompt->addRow(PromptChk);
    AddRow(prompt, DialogStrings::RowPrompt, RowPromptCombo);
    AddRow(prompt, PromptVoice, VoiceCombo);
    AddRow(prompt, PromptRate, RateSEdit);
    AddRow(prompt, PromptVolume, VolumeSEdit);
    AddRow(prompt, DialogStrings::PromptPause, PauseSEdit);
    connect(PromptChk, &QCheckBox::toggled, this, &TScanAccessPage::EnablePrompts);

    OutputGroup = new QGroupBox(DialogStrings::OutputGroup, this);
    OutputGroup->setObjectName(QStringLiteral("OutputGroup"));
    SpeechDeviceCombo = Combo({DialogStrings::DefaultDevice}, "SpeechDeviceCombo",
                              DialogStrings::SpeechDevice, OutputGroup);
    PromptDeviceCombo = Combo({DialogStrings::DefaultDevice}, "PromptDeviceCombo",
                              DialogStrings::PromptDevice, OutputGroup);
    for (QComboBox *combo : {SpeechDeviceCombo, PromptDeviceCombo})
        combo->setItemData(0, QString());
    auto *output = new QFormLayout(OutputGroup);
    AddRow(output, DialogStrings::SpeechDevice, SpeechDeviceCombo);
    AddRow(output, DialogStrings::PromptDevice, PromptDeviceCombo);

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
    for (QComboBox *combo : {SpeechDeviceCombo, PromptDeviceCombo}) {
        const QString current = combo->currentData().toString();
        combo->clear();
        combo->addItem(DialogStrings::DefaultDevice, QString());
        for (const auto &[id, name] : devices)
            combo->addItem(name, id);
        Choose(combo, current);
    }
}

void TScanAccessPage::Choose(QComboBox *combo, const QString &id) {
    int index = combo->findData(id);
    if (index < 0) {
        // An output unplugged now stays chosen, so that it is used again once it is back.
        combo->addItem(id, id);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
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
    Choose(SpeechDeviceCombo, a.SpeechDevice);
    Choose(PromptDeviceCombo, a.PromptDevice);
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
    a.SpeechDevice = SpeechDeviceCombo->currentData().toString();
    a.PromptDevice = PromptDeviceCombo->currentData().toString();
    return a;
}

void TScanAccessPage::EnablePrompts() {
    const bool on = PromptChk->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{RowPromptCombo, VoiceCombo, RateSEdit,
                                                       VolumeSEdit, PauseSEdit})
        w->setEnabled(on);
}
