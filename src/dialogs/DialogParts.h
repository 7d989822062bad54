#pragma once

#include <QString>

class QFormLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QSpinBox;
class QWidget;

// The pieces the settings dialogs build their pages from, so that every page names, labels and
// lays out its fields the same way.
namespace DialogParts {

// What a spin box offers: its range, its step and the value it shows first.
struct TSpin {
    int Minimum = 0;
    int Maximum = 99;
    int Step = 1;
    int Value = 0;
};

// A spin box under `name` (no name when empty); its width is the caller's.
QSpinBox *SpinBox(const TSpin &spin, const char *name, QWidget *parent);

// A caption for `field`: its mnemonic moves the focus to the field, and a screen reader names the
// field by it.
QLabel *Caption(const QString &text, QWidget *field, QWidget *parent);

// A row of `form`: the caption, then the field, or `fieldRow` holding the field with what belongs
// to it. A field without an accessible name of its own is named by the caption without its
// mnemonic.
QLabel *AddRow(QFormLayout *form, const QString &caption, QWidget *field,
               QLayout *fieldRow = nullptr);

// A labelled spin box: a spin box in `form`'s widget and its row.
QSpinBox *AddSpinRow(QFormLayout *form, const QString &caption, const TSpin &spin,
                     const char *name);

// A group box under `name` with a form inside, for AddRow; `form` (when given) is set to it.
QGroupBox *FormGroup(const QString &title, const char *name, QWidget *parent,
                     QFormLayout **form = nullptr);

} // namespace DialogParts
