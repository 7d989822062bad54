#pragma once

#include <QString>
#include <stdexcept>

// What was wrong with a file, so that each reader's caller can tell the user in its own words.
enum class TFault {
    None,            // not a fault of the file (a device, the program's own state)
    Truncated,       // the file ends early
    Damaged,         // a record or value the reader does not accept
    GridSize,        // column or row count outside 1..limit
    TooManyKeys,     // more keys than allowed
    CellOutside,     // a key's cell lies outside the grid
    CellTaken,       // a second key in one cell
    TrailingBytes,   // bytes after the last key
    Picture,         // a picture that cannot be read
    PictureTooLarge, // a picture beyond the size limits
    TextTooLong,     // a key string beyond its limit
    Geometry,        // a key's position, size or border beyond the limits
};

// The program's own error: carries the message the user is shown.
class TError : public std::runtime_error {
public:
    explicit TError(const QString &message, TFault fault = TFault::None)
        : std::runtime_error(message.toStdString())
        , FMessage(message)
        , FFault(fault) {}
    const QString &Message() const { return FMessage; }
    TFault Fault() const { return FFault; }

private:
    QString FMessage;
    TFault FFault;
};
