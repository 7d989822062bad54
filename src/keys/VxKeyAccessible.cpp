#include "VxKeyAccessible.h"

#include "KeyStrings.h"
#include "VxKey.h"

namespace {

QAccessibleInterface *KeyAccessibleFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("TVxKey") && object && object->isWidgetType())
        return new TVxKeyAccessible(static_cast<TVxKey *>(object));
    return nullptr;
}

} // namespace

QString KeyAccessibleName(const QString &text, const QString &textSh, TSpecialKey kind) {
    // A symbol key often has no text, and the space key's text is blank; the shifted text or the
    // key's kind still tells what it does. A line break in a key's text is only its layout.
    for (const QString *face : {&text, &textSh}) {
        const QString spoken = face->simplified();
        if (!spoken.isEmpty())
            return spoken;
    }
    if (kind != TSpecialKey::None && int(kind) < SpecialKeyCount)
        return QLatin1String(SpecialKeyNames[std::size_t(kind)]);
    return KeyStrings::UnnamedKey;
}

TVxKeyAccessible::TVxKeyAccessible(TVxKey *key)
    : QAccessibleWidget(key, QAccessible::Button) {}

TVxKey *TVxKeyAccessible::Key() const {
    return static_cast<TVxKey *>(widget());
}

QString TVxKeyAccessible::text(QAccessible::Text t) const {
    const TVxKey *key = Key();
    switch (t) {
    case QAccessible::Name:
        if (!key->accessibleName().isEmpty())
            return key->accessibleName();
        return KeyAccessibleName(key->Text(), key->TextSh(), key->SpecialKey());
    case QAccessible::Description:
        if (key->SpecialKey() != TSpecialKey::None)
            return QLatin1String(SpecialKeyNames[std::size_t(key->SpecialKey())]);
        return QAccessibleWidget::text(t);
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TVxKeyAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    const TVxKey *key = Key();
    s.selectable = true;
    s.selected = key->Selected();
    // Keys take no keyboard focus; the active key, or the key under a scanning grid's cursor
    // (its focused child), is what the user is on.
    s.focusable = true;
    if (key->Active()) {
        s.focused = true;
    } else if (const QAccessibleInterface *owner = parent()) {
        s.focused = owner->focusChild() == this;
    }
    s.pressed = key->PressedOffset() != 0;
    return s;
}

QStringList TVxKeyAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void TVxKeyAccessible::doAction(const QString &actionName) {
    if (actionName == pressAction())
        Key()->SendKeyClick();
    else
        QAccessibleWidget::doAction(actionName);
}

void InstallKeyAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(KeyAccessibleFactory);
        return true;
    }();
    (void)installed;
}
