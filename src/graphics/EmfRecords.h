#pragma once

#include "ByteReader.h"

#include <QByteArrayView>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>
#include <cstdint>

class TMetafileDC;

// Decodes the records of an enhanced metafile into calls of the drawing state. Offsets inside a
// record count from its start; every one is checked against the record before use.
class TEmfRecords {
public:
    enum : std::uint32_t {
        emrHeader = 1,
        emrPolyBezier = 2,
        emrPolygon,
        emrPolyline,
        emrPolyBezierTo,
        emrPolylineTo,
        emrPolyPolyline,
        emrPolyPolygon,
        emrSetWindowExtEx,
        emrSetWindowOrgEx,
        emrSetViewportExtEx,
        emrSetViewportOrgEx,
        emrEof = 14,
        emrSetPixelV = 15,
        emrSetMapMode = 17,
        emrSetBkMode,
        emrSetPolyFillMode,
        emrSetRop2,
        emrSetTextAlign = 22,
        emrSetTextColor = 24,
        emrSetBkColor,
        emrMoveToEx = 27,
        emrExcludeClipRect = 29,
        emrIntersectClipRect,
        emrScaleViewportExtEx,
        emrScaleWindowExtEx,
        emrSaveDC,
        emrRestoreDC,
        emrSetWorldTransform,
        emrModifyWorldTransform,
        emrSelectObject,
        emrCreatePen,
        emrCreateBrushIndirect,
        emrDeleteObject,
        emrAngleArc,
        emrEllipse,
        emrRectangle,
        emrRoundRect,
        emrArc,
        emrChord,
        emrPie,
        emrCreatePalette = 49,
        emrLineTo = 54,
        emrArcTo,
        emrSetArcDirection = 57,
        emrBeginPath = 59,
        emrEndPath,
        emrCloseFigure,
        emrFillPath,
        emrStrokeAndFillPath,
        emrStrokePath,
        emrSelectClipPath = 67,
        emrAbortPath,
        emrExtSelectClipRgn = 75,
        emrBitBlt,
        emrStretchBlt,
        emrSetDIBitsToDevice = 80,
        emrStretchDIBits,
        emrExtCreateFontIndirectW,
        emrExtTextOutA,
        emrExtTextOutW,
        emrPolyBezier16,
        emrPolygon16,
        emrPolyline16,
        emrPolyBezierTo16,
        emrPolylineTo16,
        emrPolyPolyline16,
        emrPolyPolygon16,
        emrCreateMonoBrush = 93,
        emrCreateDibPatternBrushPt,
        emrExtCreatePen,
    };

    explicit TEmfRecords(TMetafileDC &dc)
        : FDc(dc) {}
    // `record` is the whole record; `p` reads its parameters, after type and size.
    void Play(std::uint32_t type, QByteArrayView record, TByteReader &p);

private:
    static QPointF Point(TByteReader &p);
    static QRectF Box(TByteReader &p);
    static QPolygonF Points(TByteReader &p, std::uint64_t count, bool small);
    QByteArrayView Block(std::uint32_t offset, std::uint32_t size) const;
    void Poly(std::uint32_t type, TByteReader &p);
    void PolyPoly(std::uint32_t type, TByteReader &p);
    void Text(std::uint32_t type, TByteReader &p);
    void Blit(std::uint32_t type, TByteReader &p);
    void SetDIBitsToDevice(TByteReader &p);
    void ClipRegion(TByteReader &p);
    void Font(TByteReader &p);
    void PatternBrush(TByteReader &p);
    static QTransform Xform(TByteReader &p);

    TMetafileDC &FDc;
    QByteArrayView FRecord;
};
