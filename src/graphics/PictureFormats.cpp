#include "PictureFormats.h"

#include "ByteReader.h"
#include "Limits.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <optional>

namespace PictureFormats {

namespace {

constexpr std::uint32_t BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3;

struct TDibHeader {
    qsizetype HeaderSize = 0;
    std::int64_t Width = 0;
    std::int64_t Height = 0; // negative: top-down
    int BitCount = 0;
    std::uint32_t Compression = BiRgb;
    qsizetype ColorTableBytes = 0;
};

std::optional<TDibHeader> ParseDibHeader(QByteArrayView info, QString *error) {
    auto fail = [&](const char *why) -> std::optional<TDibHeader> {
        if (error)
            *error = QString::fromLatin1(why);
        return std::nullopt;
    };
    TByteReader r(info.data(), info.size());
    TDibHeader h;
    h.HeaderSize = r.U32();
    if (r.Failed() || h.HeaderSize > info.size())
        return fail("bitmap header is truncated");
    if (h.HeaderSize == 12) {
        h.Width = r.U16();
        h.Height = r.U16();
        r.U16();
        h.BitCount = r.U16();
        if (h.BitCount <= 8)
            h.ColorTableBytes = qsizetype(3) << h.BitCount;
    } else if (h.HeaderSize >= 40 && h.HeaderSize <= 124) {
        h.Width = r.I32();
        h.Height = r.I32();
        r.U16();
        h.BitCount = r.U16();
        h.Compression = r.U32();
        r.Skip(12);
        const std::uint32_t used = r.U32();
        if (h.BitCount <= 8 && used > (1u << h.BitCount))
            return fail("bitmap colour table is too large");
        const std::uint32_t entries = used ? used : (h.BitCount <= 8 ? 1u << h.BitCount : 0);
        h.ColorTableBytes = qsizetype(entries) * 4;
        if (h.Compression == BiBitfields && h.HeaderSize == 40)
            h.ColorTableBytes += 12;
    } else {
        return fail("unknown bitmap header");
    }
    if (r.Failed())
        return fail("bitmap header is truncated");
    if (h.BitCount != 1 && h.BitCount != 4 && h.BitCount != 8 && h.BitCount != 16 &&
        h.BitCount != 24 && h.BitCount != 32)
        return fail("unsupported bitmap colour depth");
    if ((h.Compression == BiRle8 && h.BitCount != 8) ||
        (h.Compression == BiRle4 && h.BitCount != 4) ||
        (h.Compression == BiBitfields && h.BitCount != 16 && h.BitCount != 32) ||
        h.Compression > BiBitfields)
        return fail("unsupported bitmap compression");
    const std::int64_t height = h.Height < 0 ? -h.Height : h.Height;
    if (h.Width < 1 || height < 1)
        return fail("bitmap dimensions are not valid");
    const bool rle = h.Compression != BiRgb && h.Compression != BiBitfields;
    if (h.Width > Limits::MaxPictureSide || height > Limits::MaxPictureSide ||
        h.Width * height > (rle ? Limits::MaxRlePixels : Limits::MaxBitmapPixels))
        return fail(TooLargeMessage);
    return h;
}

// The pixel bits must all be present: short data never decodes into uninitialised rows.
bool BitsFit(const TDibHeader &h, qsizetype bitsSize) {
    if (h.Compression == BiRle8 || h.Compression == BiRle4)
        return bitsSize > 0;
    const std::int64_t stride = ((h.Width * h.BitCount + 31) / 32) * 4;
    const std::int64_t height = h.Height < 0 ? -h.Height : h.Height;
    return stride * height <= bitsSize;
}

QImage DecodeWithHeader(QByteArrayView info, QByteArrayView bits) {
    // The reader wants a file: give it a file header whose offset points right after `info`.
    QByteArray file;
    file.reserve(14 + info.size() + bits.size());
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file.append(char((v >> (8 * i)) & 0xFF));
    };
    file.append("BM", 2);
    u32(std::uint32_t(14 + info.size() + bits.size()));
    u32(0);
    u32(std::uint32_t(14 + info.size()));
    file.append(info.data(), info.size());
    file.append(bits.data(), bits.size());
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    // Only the bitmap reader may see these bytes, never a reader guessed from their content.
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

} // namespace

bool IsBmp(QByteArrayView d) {
    return d.size() >= 2 && d[0] == 'B' && d[1] == 'M';
}

bool IsIco(QByteArrayView d) {
    return d.size() >= 4 && d[0] == 0 && d[1] == 0 && d[2] == 1 && d[3] == 0;
}

bool IsJpeg(QByteArrayView d) {
    return d.size() >= 2 && uchar(d[0]) == 0xFF && uchar(d[1]) == 0xD8;
}

bool IsEmf(QByteArrayView d) {
    TByteReader r(d.data(), d.size());
    const std::uint32_t type = r.U32();
    r.Seek(40);
    return type == 1 && r.U32() == 0x464D4520 && !r.Failed();
}

bool IsPlaceableWmf(QByteArrayView d) {
    TByteReader r(d.data(), d.size());
    return r.U32() == 0x9AC6CDD7 && !r.Failed();
}

bool IsPlainWmf(QByteArrayView d) {
    TByteReader r(d.data(), d.size());
    const std::uint16_t type = r.U16();
    const std::uint16_t headerWords = r.U16();
    const std::uint16_t version = r.U16();
    return r.Has(12) && (type == 1 || type == 2) && headerWords == 9 &&
           (version == 0x0100 || version == 0x0300);
}

qsizetype IcoExtent(QByteArrayView d) {
    TByteReader r(d.data(), d.size());
    const std::uint16_t reserved = r.U16();
    const std::uint16_t type = r.U16();
    const std::uint16_t count = r.U16();
    if (r.Failed() || reserved != 0 || type > 2 || count == 0)
        return -1;
    const qsizetype directoryEnd = 6 + qsizetype(count) * 16;
    if (directoryEnd > d.size())
        return -1;
    qsizetype extent = directoryEnd;
    for (int i = 0; i < count; ++i) {
        r.Seek(6 + qsizetype(i) * 16 + 8);
        const qsizetype size = r.U32();
        const qsizetype offset = r.U32();
        if (size == 0 || offset < directoryEnd || offset > d.size() || size > d.size() - offset)
            return -1;
        extent = std::max(extent, offset + size);
    }
    return extent;
}

bool CheckBmp(QByteArrayView file, QString *error, QSize *size) {
    if (!IsBmp(file) || file.size() < 18) {
        if (error)
            *error = QStringLiteral("not a bitmap file");
        return false;
    }
    const QByteArrayView info = file.sliced(14);
    const std::optional<TDibHeader> h = ParseDibHeader(info, error);
    if (!h)
        return false;
    TByteReader r(file.data(), file.size());
    r.Seek(10);
    qsizetype offset = r.U32();
    // Writers that leave the offset out put the bits right after the colour table.
    if (offset < 14 + h->HeaderSize)
        offset = 14 + h->HeaderSize + h->ColorTableBytes;
    if (offset > file.size() || !BitsFit(*h, file.size() - offset)) {
        if (error)
            *error = QStringLiteral("bitmap data is truncated");
        return false;
    }
    if (size)
        *size = QSize(int(h->Width), int(h->Height < 0 ? -h->Height : h->Height));
    return true;
}

QImage DecodeBmp(QByteArrayView file) {
    if (!CheckBmp(file, nullptr))
        return QImage();
    const std::optional<TDibHeader> h = ParseDibHeader(file.sliced(14), nullptr);
    TByteReader r(file.data(), file.size());
    r.Seek(10);
    qsizetype offset = r.U32();
    if (offset < 14 + h->HeaderSize)
        offset = 14 + h->HeaderSize + h->ColorTableBytes;
    return DecodeWithHeader(file.sliced(14, offset - 14), file.sliced(offset));
}

QImage DecodeDib(QByteArrayView info, QByteArrayView bits) {
    const std::optional<TDibHeader> h = ParseDibHeader(info, nullptr);
    if (!h || h->HeaderSize + h->ColorTableBytes > info.size() || !BitsFit(*h, bits.size()))
        return QImage();
    return DecodeWithHeader(info, bits);
}

QImage DecodePackedDib(QByteArrayView dib) {
    const std::optional<TDibHeader> h = ParseDibHeader(dib, nullptr);
    if (!h)
        return QImage();
    const qsizetype infoSize = h->HeaderSize + h->ColorTableBytes;
    if (infoSize > dib.size())
        return QImage();
    return DecodeDib(dib.first(infoSize), dib.sliced(infoSize));
}

bool DibIsBottomUp(QByteArrayView info) {
    const std::optional<TDibHeader> h = ParseDibHeader(info, nullptr);
    return h && h->Height > 0;
}

} // namespace PictureFormats
