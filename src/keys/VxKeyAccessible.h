#pragma once

#include <QAccessibleWidget>

class TVxKey;

// What a screen reader sees of a key: a button named by its text (the shifted text, then the
// special key's name when the text is empty), selectable, focused while it is the active key,
// with a press action that activates it like a click.
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
