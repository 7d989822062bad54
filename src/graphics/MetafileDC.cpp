#include "MetafileDC.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr double MaxPenPixels = 4096;

enum { RgnAnd = 1, RgnOr, RgnXor, RgnDiff, RgnCopy };
enum { R2Black = 1, R2Not = 6, R2XorPen = 7, R2Nop = 11, R2White = 16 };

bool Finite(double v) {
    return std::isfinite(v) && std::fabs(v) < 1e9;
}

QPainterPath RectPath(const QRectF &rect) {
    QPainterPath path;
    path.addRect(rect.normalized());
    return path;
}

} // namespace

TMetafileDC::TMetafileDC(QPainter &painter, const QRectF &target)
    : FPainter(painter)
    , FBase(painter.worldTransform())
    , FTarget(target.normalized()) {
    FPainter.save();
    FPainter.setClipRect(FTarget, FPainter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

TMetafileDC::~TMetafileDC() {
    FPainter.restore();
}

void TMetafileDC::SetFrame(const QRectF &frame) {
    FFrame = frame;
}

void TMetafileDC::SetDeviceResolution(double pixelsPerMmX, double pixelsPerMmY) {
    if (Finite(pixelsPerMmX) && pixelsPerMmX > 0)
        FPxPerMmX = pixelsPerMmX;
    if (Finite(pixelsPerMmY) && pixelsPerMmY > 0)
        FPxPerMmY = pixelsPerMmY;
}

QTransform TMetafileDC::PageTransform() const {
    const TState &s = FState;
    double sx = 1, sy = 1;
    double vx = s.ViewportOrg.x(), vy = s.ViewportOrg.y();
    if (FWindowMapsFrame) {
        sx = s.WindowExt.width() != 0 ? 1.0 / s.WindowExt.width() : 0;
        sy = s.WindowExt.height() != 0 ? 1.0 / s.WindowExt.height() : 0;
        vx = vy = 0;
    } else {
        switch (s.MapMode) {
        case mmLoMetric:
            sx = FPxPerMmX / 10, sy = -FPxPerMmY / 10;
            break;
        case mmHiMetric:
            sx = FPxPerMmX / 100, sy = -FPxPerMmY / 100;
            break;
        case mmLoEnglish:
            sx = FPxPerMmX * 0.254, sy = -FPxPerMmY * 0.254;
            break;
        case mmHiEnglish:
            sx = FPxPerMmX * 0.0254, sy = -FPxPerMmY * 0.0254;
            break;
        case mmTwips:
            sx = FPxPerMmX * 25.4 / 1440, sy = -FPxPerMmY * 25.4 / 1440;
            break;
        case mmIsotropic:
        case mmAnisotropic:
            sx = s.WindowExt.width() != 0 ? s.ViewportExt.width() / s.WindowExt.width() : 0;
            sy = s.WindowExt.height() != 0 ? s.ViewportExt.height() / s.WindowExt.height() : 0;
            if (s.MapMode == mmIsotropic) {
                const double m = std::min(std::fabs(sx), std::fabs(sy));
                sx = std::copysign(m, sx);
                sy = std::copysign(m, sy);
            }
            break;
        default:
            break;
        }
    }
    return QTransform(sx, 0, 0, sy, vx - s.WindowOrg.x() * sx, vy - s.WindowOrg.y() * sy);
}

QTransform TMetafileDC::LogicalToTarget() const {
    const double fw = FFrame.width(), fh = FFrame.height();
    const double sx = fw != 0 ? FTarget.width() / fw : 0;
    const double sy = fh != 0 ? FTarget.height() / fh : 0;
    const QTransform device(sx, 0, 0, sy, FTarget.x() - FFrame.x() * sx,
                            FTarget.y() - FFrame.y() * sy);
    return FState.World * PageTransform() * device;
}

bool TMetafileDC::Usable(const QTransform &t) const {
    // Damaged extents give huge or infinite scales; such a drawing is skipped, not attempted.
    return Finite(t.m11()) && Finite(t.m12()) && Finite(t.m21()) && Finite(t.m22()) &&
           Finite(t.dx()) && Finite(t.dy()) && std::fabs(t.determinant()) > 1e-12;
}

QPen TMetafileDC::MakePen(const QTransform &t) const {
    QColor color = FState.Pen.Color;
    if (FState.Rop2 == R2Black)
        color = Qt::black;
    else if (FState.Rop2 == R2White)
        color = Qt::white;
    const double scale = std::sqrt(std::fabs(t.determinant()));
    QPen pen(color, 0, FState.Pen.Style, FState.Pen.Cap, FState.Pen.Join);
    // Pens thinner than one device pixel still draw one pixel, as on screen; absurd widths from
    // damaged records are held to a size that still makes sense on a key.
    if (FState.Pen.Width * scale > 1)
        pen.setWidthF(std::min(FState.Pen.Width, MaxPenPixels / scale));
    else
        pen.setCosmetic(true);
    return pen;
}

QBrush TMetafileDC::MakeBrush(const TBrush &brush) const {
    QColor color = brush.Color;
    if (FState.Rop2 == R2Black)
        color = Qt::black;
    else if (FState.Rop2 == R2White)
        color = Qt::white;
    if (!brush.Pattern.isNull())
        return QBrush(brush.Pattern);
    return QBrush(color, brush.Style);
}

void TMetafileDC::Draw(const QPainterPath &path, bool fill, bool stroke) {
    // A clip is rasterised again for every shape drawn through it.
    Spend(path.elementCount() + (FState.Clip ? 16 * qint64(FState.Clip->elementCount()) : 0));
    if (FState.Rop2 == R2Nop || Exhausted())
        return;
    const QTransform t = LogicalToTarget();
    if (!Usable(t))
        return;
    const bool fillIt = fill && !FState.Brush.Null;
    const bool strokeIt = stroke && !FState.Pen.Null;
    if (!fillIt && !strokeIt)
        return;
    FPainter.save();
    FPainter.setWorldTransform(FBase);
    if (FState.Clip)
        FPainter.setClipPath(*FState.Clip, Qt::IntersectClip);
    FPainter.setWorldTransform(t * FBase);
    FPainter.setBackgroundMode(FState.Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    FPainter.setBackground(FState.BkColor);
    QPaintEngine *engine = FPainter.paintEngine();
    if ((FState.Rop2 == R2XorPen || FState.Rop2 == R2Not) && engine &&
        engine->hasFeature(QPaintEngine::RasterOpModes))
        FPainter.setCompositionMode(FState.Rop2 == R2Not ? QPainter::RasterOp_NotDestination
                                                         : QPainter::RasterOp_SourceXorDestination);
    QPainterPath p = path;
    p.setFillRule(FState.FillRule);
    if (fillIt) {
        QBrush brush = MakeBrush(FState.Brush);
        // Hatches and patterns stay aligned to device pixels, whatever the mapping.
        if (brush.style() != Qt::SolidPattern)
            brush.setTransform((t * FBase).inverted());
        FPainter.fillPath(p, brush);
    }
    if (strokeIt)
        FPainter.strokePath(p, MakePen(t));
    FPainter.restore();
}

void TMetafileDC::AddShape(const QPainterPath &path, bool closed) {
    if (FPathOpen) {
        FPath.addPath(path);
        FFigureOpen = false;
        return;
    }
    Draw(path, closed, true);
}

void TMetafileDC::MoveTo(const QPointF &point) {
    FState.Current = point;
    if (FPathOpen) {
        FPath.moveTo(point);
        FFigureOpen = true;
    }
}

void TMetafileDC::LineTo(const QPointF &point) {
    PolylineTo(QPolygonF{point});
}

void TMetafileDC::PolylineTo(const QPolygonF &points) {
    if (points.isEmpty())
        return;
    if (FPathOpen) {
        if (!FFigureOpen)
            FPath.moveTo(FState.Current);
        FFigureOpen = true;
        for (const QPointF &p : points)
            FPath.lineTo(p);
    } else {
        QPainterPath path(FState.Current);
        for (const QPointF &p : points)
            path.lineTo(p);
        Draw(path, false, true);
    }
    FState.Current = points.last();
}

void TMetafileDC::Polyline(const QPolygonF &points) {
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    if (FPathOpen) {
        FPath.addPath(path);
        FFigureOpen = true;
    } else {
        Draw(path, false, true);
    }
}

void TMetafileDC::PolyPolyline(const QVector<QPolygonF> &polylines) {
    for (const QPolygonF &line : polylines)
        Polyline(line);
}

static void AddBeziers(QPainterPath &path, const QPolygonF &points, qsizetype from) {
    for (qsizetype i = from; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
}

void TMetafileDC::PolyBezier(const QPolygonF &points) {
    if (points.size() < 4)
        return;
    QPainterPath path(points[0]);
    AddBeziers(path, points, 1);
    if (FPathOpen) {
        FPath.addPath(path);
        FFigureOpen = true;
    } else {
        Draw(path, false, true);
    }
}

void TMetafileDC::PolyBezierTo(const QPolygonF &points) {
    if (points.size() < 3)
        return;
    if (FPathOpen) {
        if (!FFigureOpen)
            FPath.moveTo(FState.Current);
        FFigureOpen = true;
        AddBeziers(FPath, points, 0);
    } else {
        QPainterPath path(FState.Current);
        AddBeziers(path, points, 0);
        Draw(path, false, true);
    }
    FState.Current = points[points.size() - points.size() % 3 - 1];
}

void TMetafileDC::Polygon(const QPolygonF &points) {
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    AddShape(path, true);
}

void TMetafileDC::PolyPolygon(const QVector<QPolygonF> &polygons) {
    // One path, so that holes follow the fill rule across the polygons.
    QPainterPath path;
    for (const QPolygonF &polygon : polygons) {
        if (polygon.size() < 2)
            continue;
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    if (!path.isEmpty())
        AddShape(path, true);
}

void TMetafileDC::Rectangle(const QRectF &rect) {
    AddShape(RectPath(rect), true);
}

void TMetafileDC::RoundRect(const QRectF &rect, const QSizeF &corner) {
    QPainterPath path;
    path.addRoundedRect(rect.normalized(), std::fabs(corner.width()) / 2,
                        std::fabs(corner.height()) / 2);
    AddShape(path, true);
}

void TMetafileDC::Ellipse(const QRectF &rect) {
    QPainterPath path;
    path.addEllipse(rect.normalized());
    AddShape(path, true);
}

QPainterPath TMetafileDC::ArcPath(TArcKind kind, const QRectF &rect, const QPointF &start,
                                  const QPointF &end, bool continueFrom) const {
    const QRectF r = rect.normalized();
    const QPointF c = r.center();
    // The radial points give directions; the arc runs between the parametric angles where those
    // rays cross the ellipse (y grows downwards, angles counterclockwise on screen).
    auto angle = [&](const QPointF &p) {
        return std::atan2(-(p.y() - c.y()) * r.width(), (p.x() - c.x()) * r.height()) * 180 / M_PI;
    };
    const double a0 = angle(start);
    double sweep = angle(end) - a0;
    if (FState.Clockwise) {
        while (sweep >= 0)
            sweep -= 360;
    } else {
        while (sweep <= 0)
            sweep += 360;
    }
    QPainterPath path;
    if (kind == akPie) {
        path.moveTo(c);
        path.arcTo(r, a0, sweep);
        path.closeSubpath();
        return path;
    }
    if (continueFrom) {
        path.moveTo(FState.Current);
        QPainterPath arc;
        arc.arcMoveTo(r, a0);
        path.lineTo(arc.currentPosition());
    } else {
        path.arcMoveTo(r, a0);
    }
    path.arcTo(r, a0, sweep);
    if (kind == akChord)
        path.closeSubpath();
    return path;
}

void TMetafileDC::ArcShape(TArcKind kind, const QRectF &rect, const QPointF &start,
                           const QPointF &end) {
    if (rect.width() == 0 || rect.height() == 0)
        return;
    if (kind == akArcTo) {
        const QPainterPath path = ArcPath(kind, rect, start, end, true);
        if (FPathOpen) {
            if (!FFigureOpen)
                FPath.moveTo(FState.Current);
            FPath.connectPath(path);
            FFigureOpen = true;
        } else {
            Draw(path, false, true);
        }
        FState.Current = path.currentPosition();
        return;
    }
    const QPainterPath path = ArcPath(kind, rect, start, end, false);
    if (kind == akArc) {
        if (FPathOpen) {
            FPath.addPath(path);
            FFigureOpen = true;
        } else {
            Draw(path, false, true);
        }
    } else {
        AddShape(path, true);
    }
}

void TMetafileDC::SetPixel(const QPointF &point, const QColor &color) {
    const QTransform t = LogicalToTarget();
    if (!Usable(t))
        return;
    const QPointF p = t.map(point);
    FPainter.save();
    FPainter.setWorldTransform(FBase);
    if (FState.Clip)
        FPainter.setClipPath(*FState.Clip, Qt::IntersectClip);
    FPainter.fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1), color);
    FPainter.restore();
}

void TMetafileDC::FillRectWith(const QRectF &rect, const TBrush &brush) {
    const TBrush saved = FState.Brush;
    const TPen savedPen = FState.Pen;
    FState.Brush = brush;
    FState.Pen.Null = true;
    Draw(RectPath(rect), true, false);
    FState.Brush = saved;
    FState.Pen = savedPen;
}

void TMetafileDC::PatBlt(const QRectF &rect, std::uint32_t rop) {
    TBrush brush = FState.Brush;
    switch ((rop >> 16) & 0xFF) {
    case 0x00:
        brush = TBrush();
        brush.Color = Qt::black;
        break;
    case 0xFF:
        brush = TBrush();
        brush.Color = Qt::white;
        break;
    case 0xAA: // destination unchanged
        return;
    default:
        break;
    }
    FillRectWith(rect, brush);
}

void TMetafileDC::DrawImage(const QRectF &dest, const QImage &image, const QRectF &source,
                            std::uint32_t rop) {
    if (image.isNull() || dest.width() == 0 || dest.height() == 0)
        return;
    Spend(qint64(image.width()) * image.height() / 16);
    if (Exhausted())
        return;
    const QRectF src = source.normalized().intersected(QRectF(image.rect()));
    if (src.isEmpty())
        return;
    const QTransform t = LogicalToTarget();
    if (!Usable(t))
        return;
    // Source pixels onto the (possibly mirrored) destination rectangle.
    const QTransform place =
        QTransform::fromTranslate(-source.x(), -source.y()) *
        QTransform::fromScale(dest.width() / source.width(), dest.height() / source.height()) *
        QTransform::fromTranslate(dest.x(), dest.y());
    if (!Usable(place * t))
        return;
    FPainter.save();
    FPainter.setWorldTransform(FBase);
    if (FState.Clip)
        FPainter.setClipPath(*FState.Clip, Qt::IntersectClip);
    FPainter.setWorldTransform(place * t * FBase);
    QPaintEngine *engine = FPainter.paintEngine();
    if (engine && engine->hasFeature(QPaintEngine::RasterOpModes)) {
        switch ((rop >> 16) & 0xFF) {
        case 0x88:
            FPainter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            break;
        case 0xEE:
            FPainter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            break;
        case 0x66:
            FPainter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            break;
        case 0x33:
            FPainter.setCompositionMode(QPainter::RasterOp_NotSource);
            break;
        default:
            break;
        }
    }
    FPainter.drawImage(src.topLeft(), image, src);
    FPainter.restore();
}

void TMetafileDC::BeginPath() {
    FPath = QPainterPath();
    FPathOpen = true;
    FFigureOpen = false;
}

void TMetafileDC::AbortPath() {
    FPath = QPainterPath();
    FPathOpen = false;
    FFigureOpen = false;
}

void TMetafileDC::CloseFigure() {
    FPath.closeSubpath();
    FFigureOpen = false;
}

void TMetafileDC::FillPath() {
    Draw(FPath, true, false);
    AbortPath();
}

void TMetafileDC::StrokePath() {
    Draw(FPath, false, true);
    AbortPath();
}

void TMetafileDC::StrokeAndFillPath() {
    Draw(FPath, true, true);
    AbortPath();
}

void TMetafileDC::CombineClip(const QPainterPath &targetPath, int mode) {
    // Combining works on every edge of both paths; a clip past its element limit ends the
    // playing, since each later record would pay for it again.
    // Path clipping costs some microseconds per edge involved, far more than drawing one.
    Spend(64 *
          (qint64(targetPath.elementCount()) + (FState.Clip ? FState.Clip->elementCount() : 0)));
    if (Exhausted())
        return;
    QPainterPath current;
    if (FState.Clip)
        current = *FState.Clip;
    else
        current.addRect(FTarget);
    switch (mode) {
    case RgnAnd:
        FState.Clip = current.intersected(targetPath);
        break;
    case RgnOr:
        FState.Clip = current.united(targetPath);
        break;
    case RgnXor:
        FState.Clip = current.subtracted(targetPath).united(targetPath.subtracted(current));
        break;
    case RgnDiff:
        FState.Clip = current.subtracted(targetPath);
        break;
    case RgnCopy:
        FState.Clip = targetPath;
        break;
    default:
        break;
    }
    if (FState.Clip && FState.Clip->elementCount() > Limits::MaxMetafileClipElements)
        Spend(Limits::MaxMetafileWork + 1);
}

void TMetafileDC::SelectClipPath(int mode) {
    const QTransform t = LogicalToTarget();
    if (Usable(t)) {
        QPainterPath path = FPath;
        path.setFillRule(FState.FillRule);
        CombineClip(t.map(path), mode);
    }
    AbortPath();
}

void TMetafileDC::IntersectClipRect(const QRectF &rect) {
    const QTransform t = LogicalToTarget();
    if (Usable(t))
        CombineClip(t.map(RectPath(rect)), RgnAnd);
}

void TMetafileDC::ExcludeClipRect(const QRectF &rect) {
    const QTransform t = LogicalToTarget();
    if (Usable(t))
        CombineClip(t.map(RectPath(rect)), RgnDiff);
}

void TMetafileDC::SelectClipRects(const QVector<QRectF> &deviceRects, int mode) {
    if (deviceRects.isEmpty()) {
        if (mode == RgnCopy)
            FState.Clip.reset();
        return;
    }
    const double fw = FFrame.width(), fh = FFrame.height();
    if (fw == 0 || fh == 0)
        return;
    const double sx = FTarget.width() / fw, sy = FTarget.height() / fh;
    const QTransform device(sx, 0, 0, sy, FTarget.x() - FFrame.x() * sx,
                            FTarget.y() - FFrame.y() * sy);
    QPainterPath path;
    for (const QRectF &rect : deviceRects)
        path.addRect(rect.normalized());
    CombineClip(device.map(path.simplified()), mode);
}
