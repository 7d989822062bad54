#include "DeviceChoice.h"

#include "DialogParts.h"
#include "DialogStrings.h"

#include <QComboBox>
#include <QFormLayout>

TDeviceChoice::TDeviceChoice(QWidget *parent)
    : QGroupBox(DialogStrings::OutputGroup, parent) {
    setObjectName(QStringLiteral("OutputGroup"));
    auto *form = new QFormLayout(this);
    const auto row = [this, form](const char *name, const QString &caption) {
        auto *combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(name));
        combo->addItem(DialogStrings::DefaultDevice, QString());
        connect(combo, &QComboBox::activated, this, &TDeviceChoice::Chosen);
        DialogParts::AddRow(form, caption, combo);
        return combo;
    };
    SpeechDeviceCombo = row("SpeechDeviceCombo", DialogStrings::SpeechDevice);
    PromptDeviceCombo = row("PromptDeviceCombo", DialogStrings::PromptDevice);
}

void TDeviceChoice::SetDevices(const QList<QPair<QString, QString>> &devices) {
    for (QComboBox *combo : {SpeechDeviceCombo, PromptDeviceCombo}) {
        const QString current = combo->currentData().toString();
        combo->clear();
        combo->addItem(DialogStrings::DefaultDevice, QString());
        for (const auto &[id, name] : devices)
            combo->addItem(name, id);
        Choose(combo, current);
    }
}

void TDeviceChoice::Fill(const QString &speech, const QString &prompts) {
    Choose(SpeechDeviceCombo, speech);
    Choose(PromptDeviceCombo, prompts);
}

QString TDeviceChoice::SpeechDevice() const {
    return SpeechDeviceCombo->currentData().toString();
}

QString TDeviceChoice::PromptDevice() const {
    return PromptDeviceCombo->currentData().toString();
}

void TDeviceChoice::Choose(QComboBox *combo, const QString &id) {
    int index = combo->findData(id);
    if (index < 0) {
        combo->addItem(id, id);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}
