#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <cstdint>
#include <cstring>

// Little-endian reads from a byte range that never leave it: a read past the end gives 0 and
// marks the reader failed, so parsers of damaged data stay in bounds without checking each field.
class TByteReader {
public:
    TByteReader(const char *data, qsizetype size)
        : FData(data)
        , FSize(size < 0 ? 0 : size) {}
    explicit TByteReader(const QByteArray &bytes)
        : TByteReader(bytes.constData(), bytes.size()) {}

    qsizetype Pos() const { return FPos; }
    qsizetype Size() const { return FSize; }
    qsizetype Remaining() const { return FSize - FPos; }
    bool Has(qsizetype count) const { return count >= 0 && count <= FSize - FPos; }
    bool Failed() const { return FFailed; }
    const char *Data() const { return FData; }
    const char *Current() const { return FData + FPos; }

    bool Seek(qsizetype pos) {
        if (pos < 0 || pos > FSize) {
            FFailed = true;
            return false;
        }
        FPos = pos;
        return true;
    }
    bool Skip(qsizetype count) { return Has(count) ? Seek(FPos + count) : Fail(); }

    std::uint8_t U8() { return std::uint8_t(Read(1)); }
    std::uint16_t U16() { return std::uint16_t(Read(2)); }
    std::uint32_t U32() { return std::uint32_t(Read(4)); }
    std::int16_t I16() { return std::int16_t(U16()); }
    std::int32_t I32() { return std::int32_t(U32()); }
    float F32() {
        const std::uint32_t bits = U32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    QByteArray Bytes(qsizetype count) {
        if (!Has(count)) {
            Fail();
            return QByteArray();
        }
        QByteArray result(FData + FPos, count);
        FPos += count;
        return result;
    }

private:
    bool Fail() {
        FFailed = true;
        return false;
    }
    std::uint32_t Read(int count) {
        if (!Has(count)) {
            FFailed = true;
            FPos = FSize;
            return 0;
        }
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= std::uint32_t(std::uint8_t(FData[FPos + i])) << (8 * i);
        FPos += count;
        return value;
    }

    const char *FData;
    qsizetype FSize;
    qsizetype FPos = 0;
    bool FFailed = false;
};
