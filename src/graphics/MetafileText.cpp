#include "MetafileDC.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

enum : unsigned {
    TaUpdateCP = 1,
    TaRight = 2,
    TaCenter = 6,
    TaHorizontal = 6,
    TaBottom = 8,
    TaBaseline = 24,
    TaVertical = 24
};

// Glyphs larger than this are no symbol anyone draws; damaged heights must not cost memory.
constexpr double MaxPixelSize = 2048;
constexpr int DefaultHeight = 12; // logical units when the font leaves its height to the system

} // namespace

void TMetafileDC::TextOut(const QPointF &reference, const QString &text,
                          const QVector<double> &advances, bool opaqueRect, bool clipped,
                          const QRectF &rect) {
    const QTransform t = LogicalToTarget();
    if (!Usable(t))
        return;
    const TState &s = FState;
    const QPointF ref = (s.TextAlign & TaUpdateCP) ? s.Current : reference;

    FPainter.save();
    FPainter.setWorldTransform(FBase);
    if (s.Clip)
        FPainter.setClipPath(*s.Clip, Qt::IntersectClip);
    QPainterPath rectPath;
    rectPath.addRect(rect.normalized());
    if (opaqueRect && !rect.isEmpty())
        FPainter.fillPath(t.map(rectPath), s.BkColor);
    if (clipped)
        FPainter.setClipPath(t.map(rectPath), Qt::IntersectClip);

    // Text is laid out in target pixels, upright whatever the direction of the y axis.
    const double scaleX = std::hypot(t.m11(), t.m12());
    const double scaleY = std::hypot(t.m21(), t.m22());
    const int height = s.Font.Height == 0 ? -DefaultHeight : s.Font.Height;
    double pixels = std::fabs(double(height)) * scaleY;
    QFont font;
    if (!s.Font.Face.isEmpty())
        font.setFamily(s.Font.Face);
    font.setWeight(QFont::Weight(std::clamp(s.Font.Weight == 0 ? 400 : s.Font.Weight, 1, 1000)));
    font.setItalic(s.Font.Italic);
    font.setUnderline(s.Font.Underline);
    font.setStrikeOut(s.Font.StrikeOut);
    if (pixels >= 1 && pixels <= MaxPixelSize && !text.isEmpty()) {
        font.setPixelSize(std::max(1, int(std::lround(pixels))));
        if (height > 0) {
            // A positive height is the cell height (ascent plus descent), not the em size.
            const double cell = QFontMetricsF(font, FPainter.device()).height();
            if (cell > 0)
                font.setPixelSize(std::max(1, int(std::lround(pixels * pixels / cell))));
        }
        const QFontMetricsF metrics(font, FPainter.device());
        double width = 0;
        if (!advances.isEmpty()) {
            for (qsizetype i = 0; i < text.size() && i < advances.size(); ++i)
                width += advances[i] * scaleX;
        } else {
            width = metrics.horizontalAdvance(text);
        }
        double x = 0;
        if ((s.TextAlign & TaHorizontal) == TaCenter)
            x = -width / 2;
        else if ((s.TextAlign & TaHorizontal) == TaRight)
            x = -width;
        double baseline = metrics.ascent();
        if ((s.TextAlign & TaVertical) == TaBaseline)
            baseline = 0;
        else if ((s.TextAlign & TaVertical) == TaBottom)
            baseline = -metrics.descent();

        const QPointF origin = t.map(ref);
        FPainter.setWorldTransform(QTransform().rotate(-s.Font.Escapement / 10.0) *
                                   QTransform::fromTranslate(origin.x(), origin.y()) * FBase);
        if (s.Opaque)
            FPainter.fillRect(
                QRectF(x, baseline - metrics.ascent(), width, metrics.ascent() + metrics.descent()),
                s.BkColor);
        FPainter.setFont(font);
        FPainter.setPen(s.TextColor);
        if (!advances.isEmpty()) {
            double at = x;
            for (qsizetype i = 0; i < text.size(); ++i) {
                FPainter.drawText(QPointF(at, baseline), QString(text[i]));
                at += (i < advances.size() ? advances[i] * scaleX
                                           : metrics.horizontalAdvance(text[i]));
            }
        } else {
            FPainter.drawText(QPointF(x, baseline), text);
        }
        if ((s.TextAlign & TaUpdateCP) && scaleX > 0) {
            const double logical = width / scaleX;
            if ((s.TextAlign & TaHorizontal) == 0)
                FState.Current.rx() += logical;
            else if ((s.TextAlign & TaHorizontal) == TaRight)
                FState.Current.rx() -= logical;
        }
    }
    FPainter.restore();
}
