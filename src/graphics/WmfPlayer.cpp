#include "WmfPlayer.h"

#include "ByteReader.h"
#include "CodePage1250.h"
#include "MetafileDC.h"
#include "PictureFormats.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int PlaceableSize = 22;
constexpr int HeaderSize = 18;
constexpr int PlainUnitsPerInch = 1440;
constexpr int SymbolCharset = 2;

enum : std::uint16_t {
    mfEof = 0x0000,
    mfSaveDC = 0x001E,
    mfCreatePalette = 0x00F7,
    mfSetBkMode = 0x0102,
    mfSetMapMode = 0x0103,
    mfSetRop2 = 0x0104,
    mfSetPolyFillMode = 0x0106,
    mfRestoreDC = 0x0127,
    mfSelectClipRegion = 0x012C,
    mfSelectObject = 0x012D,
    mfSetTextAlign = 0x012E,
    mfDibCreatePatternBrush = 0x0142,
    mfDeleteObject = 0x01F0,
    mfCreatePatternBrush = 0x01F9,
    mfSetBkColor = 0x0201,
    mfSetTextColor = 0x0209,
    mfSetWindowOrg = 0x020B,
    mfSetWindowExt = 0x020C,
    mfSetViewportOrg = 0x020D,
    mfSetViewportExt = 0x020E,
    mfOffsetWindowOrg = 0x020F,
    mfLineTo = 0x0213,
    mfMoveTo = 0x0214,
    mfCreatePenIndirect = 0x02FA,
    mfCreateFontIndirect = 0x02FB,
    mfCreateBrushIndirect = 0x02FC,
    mfPolygon = 0x0324,
    mfPolyline = 0x0325,
    mfScaleWindowExt = 0x0410,
    mfExcludeClipRect = 0x0415,
    mfIntersectClipRect = 0x0416,
    mfEllipse = 0x0418,
    mfRectangle = 0x041B,
    mfSetPixel = 0x041F,
    mfTextOut = 0x0521,
    mfPolyPolygon = 0x0538,
    mfRoundRect = 0x061C,
    mfPatBlt = 0x061D,
    mfCreateRegion = 0x06FF,
    mfArc = 0x0817,
    mfPie = 0x081A,
    mfChord = 0x0830,
    mfDibBitBlt = 0x0940,
    mfExtTextOut = 0x0A32,
    mfDibStretchBlt = 0x0B41,
    mfSetDibToDev = 0x0D33,
    mfStretchDib = 0x0F43,
};

struct TPlayer {
    TMetafileDC &Dc;

    QPointF Point(TByteReader &p) // stored y first, then x
    {
        const double y = p.I16();
        const double x = p.I16();
        return QPointF(x, y);
    }
    QRectF Box(TByteReader &p) // bottom, right, top, left
    {
        const double bottom = p.I16(), right = p.I16(), top = p.I16(), left = p.I16();
        return QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    QPolygonF Points(TByteReader &p, qsizetype count) {
        // A count larger than the record keeps the points that are there.
        count = std::clamp<qsizetype>(count, 0, p.Remaining() / 4);
        QPolygonF points;
        points.reserve(count);
        for (qsizetype i = 0; i < count; ++i) {
            const double x = p.I16();
            const double y = p.I16();
            points.append(QPointF(x, y));
        }
        return points;
    }
    QString Text(TByteReader &p, qsizetype count) {
        count = std::clamp<qsizetype>(count, 0, p.Remaining());
        const QByteArray bytes = p.Bytes(count);
        if (count & 1)
            p.Skip(1);
        if (Dc.State().Font.Charset == SymbolCharset)
            return QString::fromLatin1(bytes);
        return CodePage1250::ToUnicode(bytes);
    }

    void CreateFont(TByteReader &p) {
        TMetafileDC::TObject object;
        object.Type = TMetafileDC::TObject::otFont;
        TMetafileDC::TFont &font = object.Font;
        font.Height = p.I16();
        p.I16(); // width
        font.Escapement = p.I16();
        p.I16(); // orientation
        font.Weight = p.I16();
        font.Italic = p.U8() != 0;
        font.Underline = p.U8() != 0;
        font.StrikeOut = p.U8() != 0;
        font.Charset = p.U8();
        p.Skip(4);
        QByteArray face = p.Bytes(std::min<qsizetype>(32, p.Remaining()));
        face.truncate(face.indexOf('\0') < 0 ? face.size() : face.indexOf('\0'));
        font.Face = CodePage1250::ToUnicode(face);
        Dc.CreateInFreeSlot(object);
    }

    void Bitmap(std::uint16_t function, std::uint16_t words, TByteReader &p) {
        const bool withBitmap = words != (function >> 8) + 3;
        const std::uint32_t rop = p.U32();
        if (function == mfStretchDib)
            p.U16(); // colour usage: palette-index tables are not resolved
        double srcH = 0, srcW = 0;
        if (function != mfDibBitBlt) {
            srcH = p.I16();
            srcW = p.I16();
        }
        const double ySrc = p.I16(), xSrc = p.I16();
        if (!withBitmap)
            p.U16();
        const double h = p.I16(), w = p.I16(), y = p.I16(), x = p.I16();
        if (function == mfDibBitBlt)
            srcW = w, srcH = h;
        const QRectF dest(x, y, w, h);
        if (!withBitmap) {
            Dc.PatBlt(dest, rop);
            return;
        }
        const QByteArrayView dib(p.Current(), p.Remaining());
        const QImage image = PictureFormats::DecodePackedDib(dib);
        if (image.isNull())
            return;
        // Source rows of a bottom-up bitmap count from its last line.
        const double top = PictureFormats::DibIsBottomUp(dib) ? image.height() - ySrc - srcH : ySrc;
        Dc.DrawImage(dest, image, QRectF(xSrc, top, srcW, srcH), rop);
    }

    void SetDibToDev(TByteReader &p) {
        p.Skip(6); // colour usage, scan count, first scan
        const double ySrc = p.I16(), xSrc = p.I16();
        const double h = p.I16(), w = p.I16(), y = p.I16(), x = p.I16();
        const QByteArrayView dib(p.Current(), p.Remaining());
        const QImage image = PictureFormats::DecodePackedDib(dib);
        if (image.isNull())
            return;
        const double top = PictureFormats::DibIsBottomUp(dib) ? image.height() - ySrc - h : ySrc;
        Dc.DrawImage(QRectF(x, y, w, h), image, QRectF(xSrc, top, w, h), 0x00CC0020);
    }

    void ExtTextOut(TByteReader &p) {
        const QPointF at = Point(p);
        const qsizetype count = p.I16();
        const std::uint16_t options = p.U16();
        const bool opaque = options & 0x0002, clipped = options & 0x0004;
        QRectF rect;
        if (opaque || clipped) {
            const double left = p.I16(), top = p.I16(), right = p.I16(), bottom = p.I16();
            rect = QRectF(QPointF(left, top), QPointF(right, bottom));
        }
        const QString text = Text(p, count);
        QVector<double> advances;
        if (p.Remaining() >= text.size() * 2) {
            for (qsizetype i = 0; i < text.size(); ++i)
                advances.append(p.I16());
        }
        Dc.TextOut(at, text, advances, opaque, clipped, rect);
    }

    void Record(std::uint16_t function, std::uint32_t words, TByteReader &p) {
        TMetafileDC::TState &s = Dc.State();
        switch (function) {
        case mfSaveDC:
            Dc.SaveDC();
            break;
        case mfRestoreDC:
            Dc.RestoreDC(p.I16());
            break;
        case mfSetBkMode:
            s.Opaque = p.U16() == 2;
            break;
        case mfSetMapMode:
            s.MapMode = p.U16();
            break;
        case mfSetRop2:
            s.Rop2 = p.U16();
            break;
        case mfSetPolyFillMode:
            s.FillRule = p.U16() == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case mfSetTextAlign:
            s.TextAlign = p.U16();
            break;
        case mfSetBkColor:
            s.BkColor = TMetafileDC::ColorRef(p.U32());
            break;
        case mfSetTextColor:
            s.TextColor = TMetafileDC::ColorRef(p.U32());
            break;
        case mfSetWindowOrg:
            s.WindowOrg = Point(p);
            break;
        case mfSetWindowExt: {
            const QPointF ext = Point(p);
            s.WindowExt = QSizeF(ext.x(), ext.y());
            break;
        }
        case mfSetViewportOrg:
            s.ViewportOrg = Point(p);
            break;
        case mfSetViewportExt: {
            const QPointF ext = Point(p);
            s.ViewportExt = QSizeF(ext.x(), ext.y());
            break;
        }
        case mfOffsetWindowOrg:
            s.WindowOrg += Point(p);
            break;
        case mfScaleWindowExt: {
            const double yDenom = p.I16(), yNum = p.I16(), xDenom = p.I16(), xNum = p.I16();
            if (xDenom != 0 && yDenom != 0)
                s.WindowExt = QSizeF(s.WindowExt.width() * xNum / xDenom,
                                     s.WindowExt.height() * yNum / yDenom);
            break;
        }
        case mfMoveTo:
            Dc.MoveTo(Point(p));
            break;
        case mfLineTo:
            Dc.LineTo(Point(p));
            break;
        case mfPolygon:
        case mfPolyline: {
            const QPolygonF points = Points(p, p.I16());
            if (function == mfPolygon)
                Dc.Polygon(points);
            else
                Dc.Polyline(points);
            break;
        }
        case mfPolyPolygon: {
            const qsizetype polygons = std::clamp<qsizetype>(p.U16(), 0, p.Remaining() / 2);
            QVector<qsizetype> counts;
            for (qsizetype i = 0; i < polygons; ++i)
                counts.append(p.U16());
            QVector<QPolygonF> list;
            for (qsizetype count : counts)
                list.append(Points(p, count));
            Dc.PolyPolygon(list);
            break;
        }
        case mfRectangle:
            Dc.Rectangle(Box(p));
            break;
        case mfEllipse:
            Dc.Ellipse(Box(p));
            break;
        case mfRoundRect: {
            const double h = p.I16(), w = p.I16();
            Dc.RoundRect(Box(p), QSizeF(w, h));
            break;
        }
        case mfArc:
        case mfPie:
        case mfChord: {
            const QPointF end = Point(p);
            const QPointF start = Point(p);
            const QRectF box = Box(p);
            Dc.ArcShape(function == mfArc   ? TMetafileDC::akArc
                        : function == mfPie ? TMetafileDC::akPie
                                            : TMetafileDC::akChord,
                        box, start, end);
            break;
        }
        case mfSetPixel: {
            const QColor color = TMetafileDC::ColorRef(p.U32());
            Dc.SetPixel(Point(p), color);
            break;
        }
        case mfTextOut: {
            const QString text = Text(p, p.I16());
            Dc.TextOut(Point(p), text, {}, false, false, QRectF());
            break;
        }
        case mfExtTextOut:
            ExtTextOut(p);
            break;
        case mfIntersectClipRect:
            Dc.IntersectClipRect(Box(p));
            break;
        case mfExcludeClipRect:
            Dc.ExcludeClipRect(Box(p));
            break;
        case mfSelectClipRegion:
            // Region contents are not kept; selecting one (or none) lifts the clipping.
            Dc.SelectClipRects({}, 5);
            break;
        case mfPatBlt: {
            const std::uint32_t rop = p.U32();
            const double h = p.I16(), w = p.I16();
            const QPointF at = Point(p);
            Dc.PatBlt(QRectF(at.x(), at.y(), w, h), rop);
            break;
        }
        case mfDibBitBlt:
        case mfDibStretchBlt:
        case mfStretchDib:
            Bitmap(function, std::uint16_t(std::min<std::uint32_t>(words, 0xFFFF)), p);
            break;
        case mfSetDibToDev:
            SetDibToDev(p);
            break;
        case mfSelectObject:
            Dc.Select(p.U16());
            break;
        case mfDeleteObject:
            Dc.Delete(p.U16());
            break;
        case mfCreatePenIndirect: {
            TMetafileDC::TObject object;
            object.Type = TMetafileDC::TObject::otPen;
            const std::uint16_t style = p.U16();
            const double width = p.I16();
            p.I16();
            object.Pen = TMetafileDC::MakeGdiPen(style, width, p.U32());
            Dc.CreateInFreeSlot(object);
            break;
        }
        case mfCreateBrushIndirect: {
            TMetafileDC::TObject object;
            object.Type = TMetafileDC::TObject::otBrush;
            const std::uint16_t style = p.U16();
            const std::uint32_t color = p.U32();
            object.Brush = TMetafileDC::MakeGdiBrush(style, color, p.U16());
            Dc.CreateInFreeSlot(object);
            break;
        }
        case mfDibCreatePatternBrush: {
            TMetafileDC::TObject object;
            object.Type = TMetafileDC::TObject::otBrush;
            p.Skip(4); // style, colour usage
            object.Brush.Pattern =
                PictureFormats::DecodePackedDib(QByteArrayView(p.Current(), p.Remaining()));
            if (object.Brush.Pattern.isNull())
                object.Brush = TMetafileDC::MakeGdiBrush(3, 0, 0);
            Dc.CreateInFreeSlot(object);
            break;
        }
        case mfCreatePatternBrush: {
            TMetafileDC::TObject object;
            object.Type = TMetafileDC::TObject::otBrush;
            object.Brush = TMetafileDC::MakeGdiBrush(3, 0, 0);
            Dc.CreateInFreeSlot(object);
            break;
        }
        case mfCreateFontIndirect:
            CreateFont(p);
            break;
        case mfCreatePalette:
        case mfCreateRegion: {
            // They hold a slot in the object table even though we do not use them.
            TMetafileDC::TObject object;
            object.Type = TMetafileDC::TObject::otOther;
            Dc.CreateInFreeSlot(object);
            break;
        }
        default:
            break;
        }
    }
};

// Plain metafiles have no box of their own: their first window settings give the picture's
// logical area.
void FindWindow(TByteReader r, QPointF *origin, QSizeF *extent) {
    bool haveOrigin = false, haveExtent = false;
    while (r.Remaining() >= 6 && !(haveOrigin && haveExtent)) {
        const qsizetype start = r.Pos();
        const std::uint64_t bytes = std::uint64_t(r.U32()) * 2;
        const std::uint16_t function = r.U16();
        if (function == mfEof || bytes < 6 || bytes > std::uint64_t(r.Size() - start))
            break;
        if ((function == mfSetWindowOrg && !haveOrigin) ||
            (function == mfSetWindowExt && !haveExtent)) {
            const double y = r.I16();
            const double x = r.I16();
            if (function == mfSetWindowOrg) {
                *origin = QPointF(x, y);
                haveOrigin = true;
            } else {
                *extent = QSizeF(x, y);
                haveExtent = true;
            }
        }
        r.Seek(start + qsizetype(bytes));
    }
}

} // namespace

std::optional<TWmfPlayer::THeader> TWmfPlayer::ReadHeader(QByteArrayView bytes) {
    THeader header;
    TByteReader r(bytes.data(), bytes.size());
    if (PictureFormats::IsPlaceableWmf(bytes)) {
        r.Seek(6);
        const int left = r.I16(), top = r.I16(), right = r.I16(), bottom = r.I16();
        header.Bounds = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
        header.UnitsPerInch = r.U16();
        header.Placeable = true;
        r.Seek(PlaceableSize);
    }
    const QByteArrayView rest = bytes.sliced(std::min<qsizetype>(r.Pos(), bytes.size()));
    if (!PictureFormats::IsPlainWmf(rest) || rest.size() < HeaderSize)
        return std::nullopt;
    TByteReader h(rest.data(), rest.size());
    h.Seek(10);
    header.Objects = h.U16();
    header.RecordsStart = r.Pos() + HeaderSize;
    return header;
}

QSize TWmfPlayer::Size(QByteArrayView bytes) {
    const std::optional<THeader> header = ReadHeader(bytes);
    if (!header)
        return QSize();
    if (header->Placeable) {
        if (header->UnitsPerInch == 0)
            return QSize();
        return QSize(int(std::abs(qint64(header->Bounds.width())) * 96 / header->UnitsPerInch),
                     int(std::abs(qint64(header->Bounds.height())) * 96 / header->UnitsPerInch));
    }
    QPointF origin;
    QSizeF extent;
    FindWindow(
        TByteReader(bytes.data() + header->RecordsStart, bytes.size() - header->RecordsStart),
        &origin, &extent);
    return QSize(int(std::abs(extent.width()) * 96 / PlainUnitsPerInch),
                 int(std::abs(extent.height()) * 96 / PlainUnitsPerInch));
}

bool TWmfPlayer::Play(QPainter &painter, const QRectF &target, QByteArrayView bytes) {
    const std::optional<THeader> header = ReadHeader(bytes);
    if (!header)
        return true;
    TMetafileDC dc(painter, target);
    dc.SetWindowMapsFrame(true);
    dc.SetTableSize(header->Objects);
    TByteReader r(bytes.data() + header->RecordsStart, bytes.size() - header->RecordsStart);
    TMetafileDC::TState &s = dc.State();
    if (header->Placeable) {
        s.WindowOrg = header->Bounds.topLeft();
        s.WindowExt = header->Bounds.size();
    } else {
        // Without window settings the picture is drawn unscaled at the target's corner.
        s.WindowExt = target.size();
        FindWindow(r, &s.WindowOrg, &s.WindowExt);
    }
    TPlayer player{dc};
    qint64 played = 0;
    while (r.Remaining() >= 6) {
        const qsizetype start = r.Pos();
        const std::uint32_t words = r.U32();
        const std::uint16_t function = r.U16();
        if (function == mfEof || words < 3)
            break;
        // A record claiming more than is left gets what is left, and is the last one.
        const qsizetype size = qsizetype(
            std::min<std::uint64_t>(std::uint64_t(words) * 2, std::uint64_t(r.Size() - start)));
        TByteReader params(r.Data() + start + 6, size - 6);
        player.Record(function, words, params);
        dc.Spend(1);
        if (++played > Limits::MaxMetafileRecords || dc.Exhausted())
            return false;
        r.Seek(start + size);
    }
    return true;
}
