#pragma once

#include <QByteArray>
#include <QFlags>
#include <QList>
#include <optional>

// Behaviour flags of a key; stored as a set of these names in ordinal order (bits 0, 1, 2).
enum TVxKeyOption {
    vxoEdit = 0x1,      // never fires and cannot be Shift-dragged
    vxo3Deffect = 0x2,  // raised/sunk face and the pressed look
    vxoSendClick = 0x4, // a left-button release fires the key
};
Q_DECLARE_FLAGS(TVxKeyStatus, TVxKeyOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TVxKeyStatus)

// Element names of a status set, in ordinal order.
QList<QByteArray> StatusNames(TVxKeyStatus status);
// The set named by `names` (any order, letter case ignored); nothing when a name is unknown.
std::optional<TVxKeyStatus> StatusFromNames(const QList<QByteArray> &names);
