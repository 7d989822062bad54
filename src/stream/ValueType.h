#pragma once

#include <cstdint>

// Type bytes of the values in a component record.
enum class TValueType : std::uint8_t {
    vaNull = 0x00,     // end of a list
    vaList = 0x01,     // values until vaNull
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaExtended = 0x05, // 80-bit x87 extended float
    vaString = 0x06,   // short string (1 length byte)
    vaIdent = 0x07,    // short string holding a name
    vaFalse = 0x08,
    vaTrue = 0x09,
    vaBinary = 0x0A,   // 4-byte length, then the bytes
    vaSet = 0x0B,      // short strings ended by an empty one
    vaLString = 0x0C,  // 4-byte length, then the bytes
    vaWString = 0x12,  // 4-byte count of UTF-16 units (read only)
    vaUtf8String = 0x14,
};
