#pragma once

#include "SpecialKey.h"

#include <QAccessibleWidget>

class TVxKey;

// The name a screen reader speaks for a key: its text, else its shifted text (each with runs of
// white space made one space, blank counting as none), else its special key's name, else a
// plain "key".
QString KeyAccessibleName(const QString &text, const QString &textSh, TSpecialKey kind);

// What a screen reader sees of a key: a button named by its text (the shifted text, then the
// special key's name when the text is empty), selectable, focused while it is the active key or
// under the cursor of the grid holding it, with a press action that activates it like a click.
class TVxKeyAccessible : public QAccessibleWidget {
public:
    explicit TVxKeyAccessible(TVxKey *key);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    TVxKey *Key() const;
};

// Registers the interface for every TVxKey; safe to call repeatedly.
void InstallKeyAccessibility();
