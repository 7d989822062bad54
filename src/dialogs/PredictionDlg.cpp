#include "PredictionDlg.h"

#include "DialogStrings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

TPredictionDlg::TPredictionDlg(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PredictionDlg"));
    setWindowTitle(DialogStrings::PredictionCaption);
    auto *column = new QVBoxLayout(this);
    auto *group = new QGroupBox(DialogStrings::PredictionGroup, this);
    auto *form = new QFormLayout(group);
    OnBox = new QCheckBox(DialogStrings::PredictionOn, group);
    OnBox->setObjectName(QStringLiteral("OnBox"));
    form->addRow(OnBox);
    CountBox = new QSpinBox(group);
    CountBox->setObjectName(QStringLiteral("CountBox"));
    form->addRow(DialogStrings::PredictionCount.Text(), CountBox);
    column->addWidget(group);
    auto *note = new QLabel(DialogStrings::PredictionNote, this);
    note->setWordWrap(true);
    column->addWidget(note);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    connect(OnBox, &QCheckBox::toggled, CountBox, &QWidget::setEnabled);
}

void TPredictionDlg::SetValues(bool on, int count, int minCount, int maxCount) {
    CountBox->setRange(minCount, maxCount);
    CountBox->setValue(count);
    OnBox->setChecked(on);
    CountBox->setEnabled(on);
}

bool TPredictionDlg::On() const {
    return OnBox->isChecked();
}

int TPredictionDlg::Count() const {
    return CountBox->value();
}
