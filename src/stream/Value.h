#pragma once

#include "ValueType.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <cstdint>

// One value of a component record as stored, so that it can be written back byte for byte.
struct TValue {
    TValueType Type = TValueType::vaNull;
    qint64 Int = 0;                     // integer types
    std::array<std::uint8_t, 10> Ext{}; // vaExtended: the ten stored bytes
    QByteArray Bytes;                   // strings (raw stored bytes; vaWString: UTF-16LE),
                                        // identifiers, binary data
    QList<QByteArray> Set;              // vaSet elements
    QList<TValue> List;                 // vaList items

    bool operator==(const TValue &) const = default;
};
