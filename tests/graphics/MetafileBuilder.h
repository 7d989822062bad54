#pragma once

#include <QByteArray>
#include <QColor>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <initializer_list>

// Little-endian byte helpers and small builders for metafiles written byte by byte in tests.
namespace Bytes {

inline void U16(QByteArray &out, std::uint32_t v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}
inline void U32(QByteArray &out, std::uint32_t v) {
    U16(out, v & 0xFFFF);
    U16(out, v >> 16);
}
inline std::uint32_t ColorRef(const QColor &c) {
    return std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) |
           (std::uint32_t(c.blue()) << 16);
}

// A 2x2 24-bit bottom-up device-independent bitmap: top row red, green; bottom row blue, white.
inline QByteArray Dib2x2Header() {
    QByteArray h;
    for (std::uint32_t v : {40u, 2u, 2u})
        U32(h, v);
    U16(h, 1);
    U16(h, 24);
    for (int i = 0; i < 6; ++i)
        U32(h, 0);
    return h;
}
inline QByteArray Dib2x2Bits() {
    // Rows from the bottom, blue-green-red order, padded to four bytes.
    return QByteArray::fromHex("ff0000ffffff0000"
                               "0000ff00ff000000");
}

} // namespace Bytes

class TWmfBuilder {
public:
    TWmfBuilder &Record(std::uint16_t function, std::initializer_list<int> words) {
        QByteArray params;
        for (int w : words)
            Bytes::U16(params, std::uint32_t(w) & 0xFFFF);
        return Raw(function, params);
    }
    TWmfBuilder &Raw(std::uint16_t function, QByteArray params) {
        if (params.size() & 1)
            params.append('\0');
        Bytes::U32(FRecords, std::uint32_t(3 + params.size() / 2));
        Bytes::U16(FRecords, function);
        FRecords.append(params);
        ++FCount;
        return *this;
    }
    // Solid brush or pen records, selected into the next free slot by the caller.
    TWmfBuilder &SolidBrush(const QColor &c) {
        QByteArray p;
        Bytes::U16(p, 0);
        Bytes::U32(p, Bytes::ColorRef(c));
        Bytes::U16(p, 0);
        return Raw(0x02FC, p);
    }
    TWmfBuilder &Pen(int style, int width, const QColor &c) {
        QByteArray p;
        Bytes::U16(p, std::uint32_t(style));
        Bytes::U16(p, std::uint32_t(width));
        Bytes::U16(p, 0);
        Bytes::U32(p, Bytes::ColorRef(c));
        return Raw(0x02FA, p);
    }
    TWmfBuilder &Select(int slot) { return Record(0x012D, {slot}); }
    TWmfBuilder &Window(int x, int y, int w, int h) {
        Record(0x020B, {y, x});
        return Record(0x020C, {h, w});
    }
    TWmfBuilder &Rectangle(int l, int t, int r, int b) { return Record(0x041B, {b, r, t, l}); }

    // The file image, with a placeable header when `box` is given.
    QByteArray Build(const QRect &box = QRect(), int unitsPerInch = 1440, int objects = 8) const {
        QByteArray out;
        if (!box.isNull()) {
            QByteArray p;
            Bytes::U32(p, 0x9AC6CDD7);
            Bytes::U16(p, 0);
            for (int v :
                 {box.left(), box.top(), box.left() + box.width(), box.top() + box.height()})
                Bytes::U16(p, std::uint32_t(v) & 0xFFFF);
            Bytes::U16(p, std::uint32_t(unitsPerInch));
            Bytes::U32(p, 0);
            std::uint16_t sum = 0;
            for (int i = 0; i < 20; i += 2)
                sum ^= std::uint16_t(uchar(p[i]) | (uchar(p[i + 1]) << 8));
            Bytes::U16(p, sum);
            out.append(p);
        }
        const QByteArray records = FRecords + QByteArray::fromHex("030000000000");
        Bytes::U16(out, 1);
        Bytes::U16(out, 9);
        Bytes::U16(out, 0x0300);
        Bytes::U32(out, std::uint32_t(9 + records.size() / 2));
        Bytes::U16(out, std::uint32_t(objects));
        Bytes::U32(out, 64);
        Bytes::U16(out, 0);
        out.append(records);
        return out;
    }

private:
    QByteArray FRecords;
    int FCount = 0;
};

class TEmfBuilder {
public:
    TEmfBuilder &Record(std::uint32_t type, std::initializer_list<std::int64_t> dwords) {
        QByteArray params;
        for (std::int64_t v : dwords)
            Bytes::U32(params, std::uint32_t(v));
        return Raw(type, params);
    }
    TEmfBuilder &Raw(std::uint32_t type, QByteArray params) {
        while (params.size() % 4)
            params.append('\0');
        Bytes::U32(FRecords, type);
        Bytes::U32(FRecords, std::uint32_t(8 + params.size()));
        FRecords.append(params);
        ++FCount;
        return *this;
    }
    TEmfBuilder &SolidBrush(int slot, const QColor &c) {
        return Record(39, {slot, 0, Bytes::ColorRef(c), 0});
    }
    TEmfBuilder &Select(std::uint32_t slot) { return Record(37, {slot}); }
    TEmfBuilder &NullPen() { return Select(0x80000008u); }
    TEmfBuilder &Rectangle(int l, int t, int r, int b) { return Record(43, {l, t, r, b}); }

    // `frame` in hundredths of a millimetre; the reference device has one pixel per millimetre
    // so that a frame of (0, 0, 10000, 10000) covers device pixels 0..100.
    QByteArray Build(const QRect &frame = QRect(0, 0, 10000, 10000), int handles = 8) const {
        QByteArray records = FRecords;
        Bytes::U32(records, 14);
        Bytes::U32(records, 20);
        Bytes::U32(records, 0);
        Bytes::U32(records, 16);
        Bytes::U32(records, 20);
        QByteArray h;
        Bytes::U32(h, 1);
        Bytes::U32(h, 88);
        for (int v : {0, 0, 99, 99})
            Bytes::U32(h, std::uint32_t(v));
        for (int v : {frame.left(), frame.top(), frame.left() + frame.width(),
                      frame.top() + frame.height()})
            Bytes::U32(h, std::uint32_t(v));
        Bytes::U32(h, 0x464D4520);
        Bytes::U32(h, 0x10000);
        Bytes::U32(h, std::uint32_t(88 + records.size()));
        Bytes::U32(h, std::uint32_t(FCount + 2));
        Bytes::U16(h, std::uint32_t(handles));
        Bytes::U16(h, 0);
        for (int i = 0; i < 3; ++i)
            Bytes::U32(h, 0);
        for (int v : {1000, 1000, 1000, 1000})
            Bytes::U32(h, std::uint32_t(v));
        return h + records;
    }

private:
    QByteArray FRecords;
    int FCount = 0;
};
