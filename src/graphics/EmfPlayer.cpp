#include "EmfPlayer.h"

#include "EmfRecords.h"
#include "MetafileDC.h"
#include "PictureFormats.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr qsizetype MinHeaderSize = 88;

} // namespace

void TEmfRecords::Play(std::uint32_t type, QByteArrayView record, TByteReader &p) {
    FRecord = record;
    TMetafileDC::TState &s = FDc.State();
    switch (type) {
    case emrPolyBezier:
    case emrPolygon:
    case emrPolyline:
    case emrPolyBezierTo:
    case emrPolylineTo:
    case emrPolyBezier16:
    case emrPolygon16:
    case emrPolyline16:
    case emrPolyBezierTo16:
    case emrPolylineTo16:
        Poly(type, p);
        break;
    case emrPolyPolyline:
    case emrPolyPolygon:
    case emrPolyPolyline16:
    case emrPolyPolygon16:
        PolyPoly(type, p);
        break;
    case emrSetWindowExtEx: {
        const QPointF e = Point(p);
        s.WindowExt = QSizeF(e.x(), e.y());
        break;
    }
    case emrSetWindowOrgEx:
        s.WindowOrg = Point(p);
        break;
    case emrSetViewportExtEx: {
        const QPointF e = Point(p);
        s.ViewportExt = QSizeF(e.x(), e.y());
        break;
    }
    case emrSetViewportOrgEx:
        s.ViewportOrg = Point(p);
        break;
    case emrScaleViewportExtEx:
    case emrScaleWindowExtEx: {
        const double xNum = p.I32(), xDenom = p.I32(), yNum = p.I32(), yDenom = p.I32();
        if (xDenom == 0 || yDenom == 0)
            break;
        QSizeF &ext = type == emrScaleWindowExtEx ? s.WindowExt : s.ViewportExt;
        ext = QSizeF(ext.width() * xNum / xDenom, ext.height() * yNum / yDenom);
        break;
    }
    case emrSetPixelV: {
        const QPointF at = Point(p);
        FDc.SetPixel(at, TMetafileDC::ColorRef(p.U32()));
        break;
    }
    case emrSetMapMode:
        s.MapMode = int(p.U32());
        break;
    case emrSetBkMode:
        s.Opaque = p.U32() == 2;
        break;
    case emrSetPolyFillMode:
        s.FillRule = p.U32() == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case emrSetRop2:
        s.Rop2 = int(p.U32());
        break;
    case emrSetTextAlign:
        s.TextAlign = p.U32();
        break;
    case emrSetTextColor:
        s.TextColor = TMetafileDC::ColorRef(p.U32());
        break;
    case emrSetBkColor:
        s.BkColor = TMetafileDC::ColorRef(p.U32());
        break;
    case emrMoveToEx:
        FDc.MoveTo(Point(p));
        break;
    case emrLineTo:
        FDc.LineTo(Point(p));
        break;
    case emrExcludeClipRect:
        FDc.ExcludeClipRect(Box(p));
        break;
    case emrIntersectClipRect:
        FDc.IntersectClipRect(Box(p));
        break;
    case emrSaveDC:
        FDc.SaveDC();
        break;
    case emrRestoreDC:
        FDc.RestoreDC(p.I32());
        break;
    case emrSetWorldTransform: {
        const QTransform t = Xform(p);
        if (!p.Failed())
            s.World = t;
        break;
    }
    case emrModifyWorldTransform: {
        const QTransform t = Xform(p);
        const std::uint32_t mode = p.U32();
        if (mode == 1)
            s.World = QTransform();
        else if (mode == 2 && !p.Failed())
            s.World = t * s.World;
        else if (mode == 3 && !p.Failed())
            s.World = s.World * t;
        else if (mode == 4 && !p.Failed())
            s.World = t;
        break;
    }
    case emrSelectObject:
        FDc.Select(p.U32());
        break;
    case emrDeleteObject:
        FDc.Delete(p.U32());
        break;
    case emrCreatePen: {
        TMetafileDC::TObject object;
        object.Type = TMetafileDC::TObject::otPen;
        const std::uint32_t index = p.U32();
        const std::uint32_t style = p.U32();
        const double width = p.I32();
        p.I32();
        object.Pen = TMetafileDC::MakeGdiPen(style, width, p.U32());
        FDc.CreateAt(index, object);
        break;
    }
    case emrExtCreatePen: {
        TMetafileDC::TObject object;
        object.Type = TMetafileDC::TObject::otPen;
        const std::uint32_t index = p.U32();
        p.Skip(16); // pattern bitmap offsets and sizes
        const std::uint32_t style = p.U32();
        const double width = p.U32();
        const std::uint32_t brushStyle = p.U32();
        const std::uint32_t color = p.U32();
        // Cosmetic pens are one pixel wide whatever the width field says.
        object.Pen = TMetafileDC::MakeGdiPen(style, (style & 0x10000) ? width : 0, color);
        if (brushStyle == 1)
            object.Pen.Null = true;
        FDc.CreateAt(index, object);
        break;
    }
    case emrCreateBrushIndirect: {
        TMetafileDC::TObject object;
        object.Type = TMetafileDC::TObject::otBrush;
        const std::uint32_t index = p.U32();
        const std::uint32_t style = p.U32();
        const std::uint32_t color = p.U32();
        object.Brush = TMetafileDC::MakeGdiBrush(style, color, p.U32());
        FDc.CreateAt(index, object);
        break;
    }
    case emrCreateMonoBrush:
    case emrCreateDibPatternBrushPt:
        PatternBrush(p);
        break;
    case emrExtCreateFontIndirectW:
        Font(p);
        break;
    case emrCreatePalette: {
        TMetafileDC::TObject object;
        object.Type = TMetafileDC::TObject::otOther;
        FDc.CreateAt(p.U32(), object);
        break;
    }
    case emrAngleArc: {
        const QPointF c = Point(p);
        const double r = p.U32();
        const double start = p.F32(), sweep = p.F32();
        if (p.Failed() || !std::isfinite(start) || !std::isfinite(sweep))
            break;
        const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
        const double a0 = start * M_PI / 180, a1 = (start + sweep) * M_PI / 180;
        const QPointF from(c.x() + r * std::cos(a0), c.y() - r * std::sin(a0));
        const QPointF to(c.x() + r * std::cos(a1), c.y() - r * std::sin(a1));
        if (std::fabs(sweep) >= 360) {
            FDc.LineTo(from);
            FDc.Ellipse(box);
            break;
        }
        const bool saved = s.Clockwise;
        s.Clockwise = sweep < 0;
        FDc.ArcShape(TMetafileDC::akArcTo, box, from, to);
        s.Clockwise = saved;
        break;
    }
    case emrEllipse:
        FDc.Ellipse(Box(p));
        break;
    case emrRectangle:
        FDc.Rectangle(Box(p));
        break;
    case emrRoundRect: {
        const QRectF box = Box(p);
        const QPointF corner = Point(p);
        FDc.RoundRect(box, QSizeF(corner.x(), corner.y()));
        break;
    }
    case emrArc:
    case emrChord:
    case emrPie:
    case emrArcTo: {
        const QRectF box = Box(p);
        const QPointF start = Point(p);
        const QPointF end = Point(p);
        FDc.ArcShape(type == emrArc     ? TMetafileDC::akArc
                     : type == emrChord ? TMetafileDC::akChord
                     : type == emrPie   ? TMetafileDC::akPie
                                        : TMetafileDC::akArcTo,
                     box, start, end);
        break;
    }
    case emrSetArcDirection:
        s.Clockwise = p.U32() == 2;
        break;
    case emrBeginPath:
        FDc.BeginPath();
        break;
    case emrEndPath:
        FDc.EndPath();
        break;
    case emrCloseFigure:
        FDc.CloseFigure();
        break;
    case emrFillPath:
        FDc.FillPath();
        break;
    case emrStrokeAndFillPath:
        FDc.StrokeAndFillPath();
        break;
    case emrStrokePath:
        FDc.StrokePath();
        break;
    case emrAbortPath:
        FDc.AbortPath();
        break;
    case emrSelectClipPath:
        FDc.SelectClipPath(int(p.U32()));
        break;
    case emrExtSelectClipRgn:
        ClipRegion(p);
        break;
    case emrBitBlt:
    case emrStretchBlt:
    case emrStretchDIBits:
        Blit(type, p);
        break;
    case emrSetDIBitsToDevice:
        SetDIBitsToDevice(p);
        break;
    case emrExtTextOutA:
    case emrExtTextOutW:
        Text(type, p);
        break;
    default:
        break;
    }
}

std::optional<TEmfPlayer::THeader> TEmfPlayer::ReadHeader(QByteArrayView bytes) {
    if (!PictureFormats::IsEmf(bytes))
        return std::nullopt;
    TByteReader r(bytes.data(), bytes.size());
    THeader h;
    r.U32();
    h.Size = r.U32();
    if (h.Size < MinHeaderSize || h.Size > bytes.size() || bytes.size() < MinHeaderSize)
        return std::nullopt;
    auto rect = [&r]() {
        const int l = r.I32(), t = r.I32(), right = r.I32(), b = r.I32();
        return QRect(QPoint(l, t), QPoint(right, b));
    };
    h.Bounds = rect();
    h.Frame = rect();
    r.Seek(56); // nHandles follows the byte and record counts
    h.Handles = r.U16();
    r.Seek(72);
    const int dw = r.I32(), dh = r.I32(), mw = r.I32(), mh = r.I32();
    h.Device = QSize(dw, dh);
    h.Millimeters = QSize(mw, mh);
    return h;
}

QSize TEmfPlayer::Size(QByteArrayView bytes) {
    const std::optional<THeader> h = ReadHeader(bytes);
    if (!h)
        return QSize();
    const qint64 w = qint64(h->Frame.right()) - h->Frame.left();
    const qint64 ht = qint64(h->Frame.bottom()) - h->Frame.top();
    return QSize(int(std::min<qint64>(std::abs(w) * 96 / 2540, 1 << 20)),
                 int(std::min<qint64>(std::abs(ht) * 96 / 2540, 1 << 20)));
}

bool TEmfPlayer::Play(QPainter &painter, const QRectF &target, QByteArrayView bytes) {
    const std::optional<THeader> h = ReadHeader(bytes);
    if (!h)
        return true;
    TMetafileDC dc(painter, target);
    // Pixels per millimetre of the reference device; the frame in those pixels maps onto the
    // target.
    double pxX = 96 / 25.4, pxY = 96 / 25.4;
    if (h->Millimeters.width() > 0 && h->Device.width() > 0)
        pxX = double(h->Device.width()) / h->Millimeters.width();
    if (h->Millimeters.height() > 0 && h->Device.height() > 0)
        pxY = double(h->Device.height()) / h->Millimeters.height();
    dc.SetDeviceResolution(pxX, pxY);
    const double fw = double(h->Frame.right()) - h->Frame.left();
    const double fh = double(h->Frame.bottom()) - h->Frame.top();
    if (fw != 0 && fh != 0)
        dc.SetFrame(QRectF(h->Frame.left() * pxX / 100, h->Frame.top() * pxY / 100, fw * pxX / 100,
                           fh * pxY / 100));
    else
        dc.SetFrame(QRectF(h->Bounds.left(), h->Bounds.top(),
                           double(h->Bounds.right()) - h->Bounds.left() + 1,
                           double(h->Bounds.bottom()) - h->Bounds.top() + 1));
    dc.SetTableSize(h->Handles);

    TByteReader r(bytes.data(), bytes.size());
    r.Seek(h->Size);
    TEmfRecords records(dc);
    qint64 played = 0;
    while (r.Remaining() >= 8) {
        const qsizetype start = r.Pos();
        const std::uint32_t type = r.U32();
        const std::uint32_t declared = r.U32();
        if (type == TEmfRecords::emrEof || declared < 8)
            break;
        // A record claiming more than is left gets what is left, and is the last one.
        const qsizetype size =
            qsizetype(std::min<std::uint64_t>(declared, std::uint64_t(r.Size() - start)));
        TByteReader params(r.Data() + start + 8, size - 8);
        records.Play(type, QByteArrayView(r.Data() + start, size), params);
        dc.Spend(1);
        if (++played > Limits::MaxMetafileRecords || dc.Exhausted())
            return false;
        r.Seek(start + size);
    }
    return true;
}
