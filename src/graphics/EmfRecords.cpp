#include "EmfRecords.h"

#include "CodePage1250.h"
#include "MetafileDC.h"
#include "PictureFormats.h"

#include <algorithm>

QPointF TEmfRecords::Point(TByteReader &p) {
    const double x = p.I32();
    const double y = p.I32();
    return QPointF(x, y);
}

QRectF TEmfRecords::Box(TByteReader &p) {
    const double left = p.I32(), top = p.I32(), right = p.I32(), bottom = p.I32();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QPolygonF TEmfRecords::Points(TByteReader &p, std::uint64_t count, bool small) {
    const int size = small ? 4 : 8;
    const qsizetype n = qsizetype(std::min<std::uint64_t>(count, p.Remaining() / size));
    QPolygonF points;
    points.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const double x = small ? p.I16() : p.I32();
        const double y = small ? p.I16() : p.I32();
        points.append(QPointF(x, y));
    }
    return points;
}

// A block given by offset and size inside the record; empty when it is not all there.
QByteArrayView TEmfRecords::Block(std::uint32_t offset, std::uint32_t size) const {
    if (std::uint64_t(offset) + size > std::uint64_t(FRecord.size()))
        return QByteArrayView();
    return FRecord.sliced(offset, size);
}

void TEmfRecords::Poly(std::uint32_t type, TByteReader &p) {
    const bool small = type >= emrPolyBezier16;
    const std::uint32_t kind = small ? type - emrPolyBezier16 + emrPolyBezier : type;
    p.Skip(16); // bounds
    const QPolygonF points = Points(p, p.U32(), small);
    switch (kind) {
    case emrPolyBezier:
        FDc.PolyBezier(points);
        break;
    case emrPolygon:
        FDc.Polygon(points);
        break;
    case emrPolyline:
        FDc.Polyline(points);
        break;
    case emrPolyBezierTo:
        FDc.PolyBezierTo(points);
        break;
    case emrPolylineTo:
        FDc.PolylineTo(points);
        break;
    default:
        break;
    }
}

void TEmfRecords::PolyPoly(std::uint32_t type, TByteReader &p) {
    const bool small = type >= emrPolyBezier16;
    p.Skip(16);
    const std::uint64_t polys = std::min<std::uint64_t>(p.U32(), p.Remaining() / 4);
    p.U32(); // total point count: the per-polygon counts decide
    QVector<std::uint32_t> counts;
    for (std::uint64_t i = 0; i < polys; ++i)
        counts.append(p.U32());
    QVector<QPolygonF> list;
    for (std::uint32_t count : counts)
        list.append(Points(p, count, small));
    if (type == emrPolyPolygon || type == emrPolyPolygon16)
        FDc.PolyPolygon(list);
    else
        FDc.PolyPolyline(list);
}

void TEmfRecords::Text(std::uint32_t type, TByteReader &p) {
    p.Skip(16 + 12); // bounds, graphics mode, scales
    const QPointF reference = Point(p);
    const std::uint32_t chars = p.U32();
    const std::uint32_t offString = p.U32();
    const std::uint32_t options = p.U32();
    const QRectF rect = Box(p);
    const std::uint32_t offDx = p.U32();
    const bool wide = type == emrExtTextOutW;
    const std::uint64_t bytes = std::uint64_t(chars) * (wide ? 2 : 1);
    if (bytes > 0xFFFFFFFFu)
        return;
    const QByteArrayView raw = Block(offString, std::uint32_t(bytes));
    if (raw.isNull() && chars != 0)
        return;
    QString text;
    if (wide) {
        text.resize(qsizetype(chars));
        for (std::uint32_t i = 0; i < chars; ++i)
            text[i] = QChar(char16_t(uchar(raw[2 * i]) | (uchar(raw[2 * i + 1]) << 8)));
    } else {
        text = CodePage1250::ToUnicode(raw);
    }
    QVector<double> advances;
    const int step = (options & 0x2000) ? 8 : 4; // ETO_PDY: x and y advances
    if (offDx != 0 && std::uint64_t(chars) * step <= 0xFFFFFFFFu) {
        const QByteArrayView dx = Block(offDx, std::uint32_t(chars * step));
        if (!dx.isNull()) {
            TByteReader d(dx.data(), dx.size());
            for (std::uint32_t i = 0; i < chars; ++i) {
                advances.append(d.I32());
                d.Skip(step - 4);
            }
        }
    }
    FDc.TextOut(reference, text, advances, options & 0x0002, options & 0x0004, rect);
}

// The bitmap of BitBlt, StretchBlt and StretchDIBits; a record without one paints with the
// brush.
void TEmfRecords::Blit(std::uint32_t type, TByteReader &p) {
    p.Skip(16);
    double xDest = p.I32(), yDest = p.I32();
    double xSrc, ySrc, cxSrc, cySrc, cxDest, cyDest;
    std::uint32_t rop, offBmi, cbBmi, offBits, cbBits;
    bool bottomUpSource = false;
    if (type == emrStretchDIBits) {
        xSrc = p.I32(), ySrc = p.I32(), cxSrc = p.I32(), cySrc = p.I32();
        offBmi = p.U32(), cbBmi = p.U32(), offBits = p.U32(), cbBits = p.U32();
        p.U32(); // colour usage
        rop = p.U32();
        cxDest = p.I32(), cyDest = p.I32();
        bottomUpSource = true;
    } else {
        cxDest = p.I32(), cyDest = p.I32();
        rop = p.U32();
        xSrc = p.I32(), ySrc = p.I32();
        p.Skip(24 + 4 + 4); // source transform, background colour, colour usage
        offBmi = p.U32(), cbBmi = p.U32(), offBits = p.U32(), cbBits = p.U32();
        cxSrc = cxDest, cySrc = cyDest;
        if (type == emrStretchBlt)
            cxSrc = p.I32(), cySrc = p.I32();
    }
    const QRectF dest(xDest, yDest, cxDest, cyDest);
    if (cbBmi == 0) {
        if (type != emrStretchDIBits)
            FDc.PatBlt(dest, rop);
        return;
    }
    const QByteArrayView info = Block(offBmi, cbBmi);
    const QByteArrayView bits = Block(offBits, cbBits);
    if (info.isNull() || bits.isNull())
        return;
    const QImage image = PictureFormats::DecodeDib(info, bits);
    if (image.isNull())
        return;
    if (bottomUpSource && PictureFormats::DibIsBottomUp(info))
        ySrc = image.height() - ySrc - cySrc;
    FDc.DrawImage(dest, image, QRectF(xSrc, ySrc, cxSrc, cySrc), rop);
}

void TEmfRecords::SetDIBitsToDevice(TByteReader &p) {
    p.Skip(16);
    const double xDest = p.I32(), yDest = p.I32(), xSrc = p.I32(), ySrc = p.I32();
    const double cx = p.I32(), cy = p.I32();
    const std::uint32_t offBmi = p.U32(), cbBmi = p.U32(), offBits = p.U32(), cbBits = p.U32();
    const QByteArrayView info = Block(offBmi, cbBmi);
    const QByteArrayView bits = Block(offBits, cbBits);
    if (info.isNull() || bits.isNull())
        return;
    const QImage image = PictureFormats::DecodeDib(info, bits);
    if (image.isNull())
        return;
    const double top = PictureFormats::DibIsBottomUp(info) ? image.height() - ySrc - cy : ySrc;
    FDc.DrawImage(QRectF(xDest, yDest, cx, cy), image, QRectF(xSrc, top, cx, cy), 0x00CC0020);
}

void TEmfRecords::ClipRegion(TByteReader &p) {
    const std::uint32_t size = p.U32();
    const int mode = int(p.U32());
    QVector<QRectF> rects;
    if (size >= 32 && p.Has(32)) {
        p.Skip(8); // header size, type
        const std::uint64_t count = std::min<std::uint64_t>(p.U32(), p.Remaining() / 16);
        p.Skip(4 + 16); // region size, bounds
        for (std::uint64_t i = 0; i < count && p.Has(16); ++i)
            rects.append(Box(p));
    }
    FDc.SelectClipRects(rects, mode);
}

void TEmfRecords::Font(TByteReader &p) {
    TMetafileDC::TObject object;
    object.Type = TMetafileDC::TObject::otFont;
    const std::uint32_t index = p.U32();
    TMetafileDC::TFont &font = object.Font;
    font.Height = p.I32();
    p.I32(); // width
    font.Escapement = p.I32();
    p.I32(); // orientation
    font.Weight = p.I32();
    font.Italic = p.U8() != 0;
    font.Underline = p.U8() != 0;
    font.StrikeOut = p.U8() != 0;
    font.Charset = p.U8();
    p.Skip(4);
    for (int i = 0; i < 32 && p.Has(2); ++i) {
        const std::uint16_t c = p.U16();
        if (c == 0)
            break;
        font.Face.append(QChar(char16_t(c)));
    }
    FDc.CreateAt(index, object);
}

void TEmfRecords::PatternBrush(TByteReader &p) {
    TMetafileDC::TObject object;
    object.Type = TMetafileDC::TObject::otBrush;
    const std::uint32_t index = p.U32();
    p.U32(); // colour usage
    const std::uint32_t offBmi = p.U32(), cbBmi = p.U32(), offBits = p.U32(), cbBits = p.U32();
    const QByteArrayView info = Block(offBmi, cbBmi);
    const QByteArrayView bits = Block(offBits, cbBits);
    if (!info.isNull() && !bits.isNull())
        object.Brush.Pattern = PictureFormats::DecodeDib(info, bits);
    if (object.Brush.Pattern.isNull())
        object.Brush = TMetafileDC::MakeGdiBrush(3, 0, 0);
    FDc.CreateAt(index, object);
}

QTransform TEmfRecords::Xform(TByteReader &p) {
    const double m11 = p.F32(), m12 = p.F32(), m21 = p.F32(), m22 = p.F32();
    const double dx = p.F32(), dy = p.F32();
    return QTransform(m11, m12, m21, m22, dx, dy);
}
