#include "VxKeyAccessible.h"

#include "VxKey.h"

namespace {

QAccessibleInterface *KeyAccessibleFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("TVxKey") && object && object->isWidgetType())
        return new TVxKeyAccessible(static_cast<TVxKey *>(object));
    return nullptr;
}

} // namespace

TVxKeyAccessible::TVxKeyAccessible(TVxKey *key)
    : QAccessibleWidget(key, QAccessible::Button) {}

TVxKey *TVxKeyAccessible::Key() const {
    return static_cast<TVxKey *>(widget());
}

QString TVxKeyAccessible::text(QAccessible::Text t) const {
    const TVxKey *key = Key();
    switch (t) {
    case QAccessible::Name:
        // A symbol key often has no text; its shifted text or its kind still tells what it does.
        if (!key->Text().isEmpty())
            return key->Text();
        if (!key->TextSh().isEmpty())
            return key->TextSh();
        if (key->SpecialKey() != TSpecialKey::None)
            return QLatin1String(SpecialKeyNames[std::size_t(key->SpecialKey())]);
        return QAccessibleWidget::text(t);
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
    if (key->Active()) {
        s.focusable = true;
        s.focused = true;
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
