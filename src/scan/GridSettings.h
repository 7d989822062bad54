#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <cstdint>
#include <optional>

class QIODevice;

// The grid's settings record: 80 bytes, little-endian, written and read as one block. The
// values are kept as wide as they are stored, so that the grid can refuse what does not fit.
struct TGridSettings {
    static constexpr int Size = 80;

    qint32 Left = 0; // bounds in the parent's coordinates, right and bottom exclusive
    qint32 Top = 0;
    qint32 Right = 300;
    qint32 Bottom = 300;
    quint8 Align = 0;
    qint32 iCol = 3;
    qint32 iRow = 3;
    qint32 nCol = 6;
    qint32 nRow = 6;
    bool Focusing = false;
    bool Resizing = true;
    quint32 SwCode1 = 32;
    quint32 SwCode2 = 13;
    qint32 SwTime = 500;
    std::uint32_t CursorColor = 0x0000FFFF;
    qint32 CursorWidth = 4;
    std::uint32_t FocusColor = 0x000000FF;
    qint32 FocusWidth = 4;
    std::uint32_t GridColor = 0x00808080;
    qint32 GridWidth = 1;
    quint8 ScanModes = 0;
    bool PointByMouse = false;

    bool operator==(const TGridSettings &) const = default;
};

// The 80 bytes of a record; reserved bytes are zero.
QByteArray EncodeGridSettings(const TGridSettings &settings);
// A record from exactly its 80 bytes (the caller checks the length); reserved bytes are ignored
// and any non-zero flag byte reads as true.
TGridSettings DecodeGridSettings(QByteArrayView bytes);

// Writes one record; a null device does nothing. Throws TError when the device fails.
void WriteGridSettings(QIODevice *device, const TGridSettings &settings);
// Reads one record; a null device gives nothing. Throws TError when fewer than 80 bytes can be
// read, before anything is decoded.
std::optional<TGridSettings> ReadGridSettings(QIODevice *device);
