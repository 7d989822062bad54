#pragma once

#include <cstdint>

// Type bytes of the values in a component record.
enum class TValueType : std::uint8_t {
    vaNull = 0x00, // end of a list
    vaList = 0x01, // values until vaNull
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaExtended = 0x05, // 80-bit x87 extended float
    vaString = 0x06,   // short string (1 length byte)
    vaIdent = 0x07,    // short string holding a name
    vaFalse = 0x08,
    vaTrue = 0x09,
    vaBinary = 0x0A,  // 4-byte length, then the bytes
    vaSet = 0x0B,     // short strings ended by an empty one
    vaLString = 0x0C, // 4-byte length, then the bytes
    vaWString = 0x12, // 4-byte count of UTF-16 units (read only)
    vaUtf8String = 0x14,
};

// True when `b` is one of the type bytes above.
constexpr bool IsValueType(std::uint8_t b) {
    return b <= 0x0C || b == 0x12 || b == 0x14;
}

// English name of a value type for messages ("8-bit integer").
constexpr const char *ValueTypeName(TValueType type) {
    switch (type) {
    case TValueType::vaNull:
        return "the end of a list";
    case TValueType::vaList:
        return "a list";
    case TValueType::vaInt8:
        return "an 8-bit integer";
    case TValueType::vaInt16:
        return "a 16-bit integer";
    case TValueType::vaInt32:
        return "a 32-bit integer";
    case TValueType::vaExtended:
        return "an extended float";
    case TValueType::vaString:
        return "a short string";
    case TValueType::vaIdent:
        return "an identifier";
    case TValueType::vaFalse:
        return "False";
    case TValueType::vaTrue:
        return "True";
    case TValueType::vaBinary:
        return "binary data";
    case TValueType::vaSet:
        return "a set";
    case TValueType::vaLString:
        return "a long string";
    case TValueType::vaWString:
        return "a wide string";
    case TValueType::vaUtf8String:
        return "a UTF-8 string";
    }
    return "an unknown value";
}
