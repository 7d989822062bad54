#include "DialogParts.h"

#include "DialogStrings.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

namespace DialogParts {

QSpinBox *SpinBox(const TSpin &spin, const char *name, QWidget *parent) {
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(spin.Minimum, spin.Maximum);
    box->setSingleStep(spin.Step);
    box->setValue(spin.Value);
    return box;
}

QLabel *Caption(const QString &text, QWidget *field, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

QLabel *AddRow(QFormLayout *form, const QString &caption, QWidget *field, QLayout *fieldRow) {
    if (field->accessibleName().isEmpty())
        field->setAccessibleName(DialogStrings::Plain(caption));
    QLabel *label = Caption(caption, field, form->parentWidget());
    if (fieldRow)
        form->addRow(label, fieldRow);
    else
        form->addRow(label, field);
    return label;
}

QSpinBox *AddSpinRow(QFormLayout *form, const QString &caption, const TSpin &spin,
                     const char *name) {
    QSpinBox *box = SpinBox(spin, name, form->parentWidget());
    AddRow(form, caption, box);
    return box;
}

QGroupBox *FormGroup(const QString &title, const char *name, QWidget *parent, QFormLayout **form) {
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    auto *inside = new QFormLayout(group);
    if (form)
        *form = inside;
    return group;
}

} // namespace DialogParts
