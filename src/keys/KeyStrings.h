#pragma once

#include "TText.h"

#include <QString>

// Messages of the key record reader; the loaders put them after their own text.
namespace KeyStrings {

// What a screen reader calls a key with neither text nor a special kind (a bare symbol key).
inline constexpr auto UnnamedKey = TText("KeyStrings", "Klávesa");

inline QString UnknownProperty(const QString &name) {
    return QStringLiteral("The key record names the property \"%1\", which a key does not have.")
        .arg(name);
}
inline QString InvalidValue(const QString &name, const QString &value) {
    return QStringLiteral("The key record gives the property \"%1\" the invalid value \"%2\".")
        .arg(name, value);
}
inline QString BadSymbol(const QString &reason) {
    return QStringLiteral("The key's symbol cannot be read: %1").arg(reason);
}
inline QString OutOfRange(const QString &name, qint64 value, qint64 low, qint64 high) {
    return QStringLiteral("The key's %1 %2 is outside %3..%4.")
        .arg(name)
        .arg(value)
        .arg(low)
        .arg(high);
}
inline QString TextTooLong(const QString &name, qint64 length, qint64 limit) {
    return QStringLiteral("The key's %1 has %2 characters, more than the %3 allowed.")
        .arg(name)
        .arg(length)
        .arg(limit);
}
inline QString UnexpectedChild() {
    return QStringLiteral("The key record holds a child component; a key has none.");
}

} // namespace KeyStrings
