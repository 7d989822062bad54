#pragma once

#include "Limits.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <QVector>
#include <optional>
#include <vector>

class QPainter;

// The drawing state of a metafile being played (what the system keeps in a device context):
// selected objects, colours, modes, mapping, saved states, the object table and an open path.
// The WMF and EMF players decode records and call it in the metafile's logical coordinates.
class TMetafileDC {
public:
    enum TMapMode {
        mmText = 1,
        mmLoMetric,
        mmHiMetric,
        mmLoEnglish,
        mmHiEnglish,
        mmTwips,
        mmIsotropic,
        mmAnisotropic
    };
    enum TArcKind { akArc, akArcTo, akChord, akPie };

    struct TPen {
        bool Null = false;
        QColor Color = Qt::black;
        double Width = 0; // logical units; 0 is one device pixel
        Qt::PenStyle Style = Qt::SolidLine;
        Qt::PenCapStyle Cap = Qt::RoundCap;
        Qt::PenJoinStyle Join = Qt::RoundJoin;
    };
    struct TBrush {
        bool Null = false;
        QColor Color = Qt::white;
        Qt::BrushStyle Style = Qt::SolidPattern;
        QImage Pattern;
    };
    struct TFont {
        int Height = 0;
        int Escapement = 0; // tenths of a degree, counterclockwise
        int Weight = 400;
        bool Italic = false;
        bool Underline = false;
        bool StrikeOut = false;
        int Charset = 0;
        QString Face;
    };
    struct TObject {
        enum TType { otEmpty, otPen, otBrush, otFont, otOther } Type = otEmpty;
        TPen Pen;
        TBrush Brush;
        TFont Font;
    };
    struct TState {
        TPen Pen;
        TBrush Brush;
        TFont Font;
        QColor TextColor = Qt::black;
        QColor BkColor = Qt::white;
        bool Opaque = true;
        Qt::FillRule FillRule = Qt::OddEvenFill;
        unsigned TextAlign = 0;
        int Rop2 = 13; // copy pen
        bool Clockwise = false;
        int MapMode = mmText;
        QPointF WindowOrg, ViewportOrg;
        QSizeF WindowExt = QSizeF(1, 1), ViewportExt = QSizeF(1, 1);
        QTransform World;
        QPointF Current;
        std::optional<QPainterPath> Clip; // in target coordinates
    };

    // Logical objects from their stored fields (styles, widths and COLORREF values).
    static QColor ColorRef(std::uint32_t value);
    static TPen MakeGdiPen(std::uint32_t style, double width, std::uint32_t color);
    static TBrush MakeGdiBrush(std::uint32_t style, std::uint32_t color, std::uint32_t hatch);

    // `target` is in the painter's coordinates; drawing is clipped to it.
    TMetafileDC(QPainter &painter, const QRectF &target);
    ~TMetafileDC();
    TMetafileDC(const TMetafileDC &) = delete;
    TMetafileDC &operator=(const TMetafileDC &) = delete;

    // The rectangle of device space that is mapped onto the target.
    void SetFrame(const QRectF &frame);
    // Device pixels per millimetre, for the metric mapping modes.
    void SetDeviceResolution(double pixelsPerMmX, double pixelsPerMmY);
    // WMF: logical coordinates map through the window straight onto the frame; the metafile's
    // own viewport settings do not apply.
    void SetWindowMapsFrame(bool on) { FWindowMapsFrame = on; }

    // The work this playing may still do (see Limits). Every record and every path element
    // drawn or combined into the clip costs; once spent, nothing more is drawn and the players
    // stop at the next record.
    bool Exhausted() const { return FWork > Limits::MaxMetafileWork; }
    void Spend(qint64 units) { FWork += units; }

    TState &State() { return FState; }
    const TState &State() const { return FState; }
    void SaveDC();
    void RestoreDC(int which);

    // Object table. WMF objects take the lowest free slot; EMF records name their slot.
    void SetTableSize(int size);
    void CreateInFreeSlot(const TObject &object);
    void CreateAt(std::uint32_t index, const TObject &object);
    void Select(std::uint32_t index);
    void SelectStock(std::uint32_t stock);
    void Delete(std::uint32_t index);

    void MoveTo(const QPointF &point);
    void LineTo(const QPointF &point);
    void Polyline(const QPolygonF &points);
    void PolylineTo(const QPolygonF &points);
    void PolyBezier(const QPolygonF &points);
    void PolyBezierTo(const QPolygonF &points);
    void Polygon(const QPolygonF &points);
    void PolyPolygon(const QVector<QPolygonF> &polygons);
    void PolyPolyline(const QVector<QPolygonF> &polylines);
    void Rectangle(const QRectF &rect);
    void RoundRect(const QRectF &rect, const QSizeF &corner);
    void Ellipse(const QRectF &rect);
    void ArcShape(TArcKind kind, const QRectF &rect, const QPointF &start, const QPointF &end);
    void SetPixel(const QPointF &point, const QColor &color);
    void PatBlt(const QRectF &rect, std::uint32_t rop);
    void FillRectWith(const QRectF &rect, const TBrush &brush);
    // Text at `reference` (logical) aligned by the text-align mode; `advances` (logical, may be
    // empty) place each character. `rect` is filled (opaque) or clips the text (clipped).
    void TextOut(const QPointF &reference, const QString &text, const QVector<double> &advances,
                 bool opaqueRect, bool clipped, const QRectF &rect);
    // `source` of `image` (top-down pixel coordinates) into `dest` (logical).
    void DrawImage(const QRectF &dest, const QImage &image, const QRectF &source,
                   std::uint32_t rop);

    void BeginPath();
    void EndPath() { FPathOpen = false; }
    void AbortPath();
    void CloseFigure();
    void FillPath();
    void StrokePath();
    void StrokeAndFillPath();
    void SelectClipPath(int mode);
    void IntersectClipRect(const QRectF &rect);
    void ExcludeClipRect(const QRectF &rect);
    // Device-space rectangles (EMF regions); an empty list with mode copy removes the clip.
    void SelectClipRects(const QVector<QRectF> &deviceRects, int mode);

    // Logical coordinates to the painter's coordinates, without the painter's own transform.
    QTransform LogicalToTarget() const;
    QTransform PageTransform() const;

private:
    bool Usable(const QTransform &transform) const;
    void Draw(const QPainterPath &path, bool fill, bool stroke);
    void AddShape(const QPainterPath &path, bool closed);
    void CombineClip(const QPainterPath &targetPath, int mode);
    QPen MakePen(const QTransform &transform) const;
    QBrush MakeBrush(const TBrush &brush) const;
    QPainterPath ArcPath(TArcKind kind, const QRectF &rect, const QPointF &start,
                         const QPointF &end, bool continueFrom) const;

    QPainter &FPainter;
    QTransform FBase;
    QRectF FTarget;
    QRectF FFrame = QRectF(0, 0, 1, 1);
    double FPxPerMmX = 96 / 25.4, FPxPerMmY = 96 / 25.4;
    bool FWindowMapsFrame = false;
    TState FState;
    std::vector<TState> FSaved;
    std::vector<TObject> FObjects;
    std::size_t FFreeHint = 0;
    QPainterPath FPath;
    bool FPathOpen = false;
    bool FFigureOpen = false;
    qint64 FWork = 0;
};
