#include "VxKey.h"

#include "ColorMap.h"
#include "Edge3D.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>

namespace {

// Pen widths beyond this only cost stroking time; no frame on a key needs them.
constexpr int MaxFrameWidth = 256;

constexpr std::uint32_t clBtnShadow = 0xFF000010;

// A text clipped to its box on an opaque background of the face colour, starting one pixel in.
void DrawBoxedText(QPainter &painter, const QString &text, const TKeyRect &box,
                   const QColor &background, const QColor &textColor) {
    if (box.IsEmpty())
        return;
    const QRect rect = box.ToQRect();
    painter.save();
    painter.setClipRect(rect);
    if (background.isValid())
        painter.fillRect(rect, background);
    if (textColor.isValid() && !text.isEmpty()) {
        painter.setPen(textColor);
        const int ascent = painter.fontMetrics().ascent();
        painter.drawText(QPoint(box.Left + 1, box.Top + 1 + ascent), text);
    }
    painter.restore();
}

void DrawFrame(QPainter &painter, const QPolygon &frame, int width, const QColor &color) {
    if (!color.isValid())
        return;
    QPen pen(color);
    pen.setWidth(std::clamp(width, 0, MaxFrameWidth));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(frame);
}

} // namespace

int TVxKey::PressedOffset() const {
    const bool pressed = FStatus.testFlag(vxo3Deffect) && FLeftDown &&
                         !(FModifiers & (Qt::ShiftModifier | Qt::ControlModifier));
    return pressed ? 1 : 0;
}

TKeyLayout TVxKey::Layout() const {
    const QFontMetrics metrics(font());
    TKeyLayoutInput in;
    in.Width = width();
    in.Height = height();
    in.BorderWidth = FBorderWidth;
    // An empty Text still takes one line: the symbol never covers the text row.
    in.TextWidth = metrics.horizontalAdvance(FText);
    in.TextHeight = metrics.height();
    in.TextShEmpty = FTextSh.isEmpty();
    if (!in.TextShEmpty) {
        in.TextShWidth = metrics.horizontalAdvance(FTextSh);
        in.TextShHeight = metrics.height();
    }
    in.HasSymbol = !FSymbol.IsEmpty();
    in.Aspect = FAspect;
    in.Pressed = PressedOffset();
    return KeyLayout(in);
}

void TVxKey::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QPalette &pal = palette();
    const TKeyLayout layout = Layout();
    const int p = PressedOffset();
    const int w = width();
    const int h = height();

    FColor = SpecialCode() != 0 ? FSpecKeyColor : FNormKeyColor;
    const QColor face = ToQColor(FColor, pal, pal.color(QPalette::Button));

    if (FStatus.testFlag(vxo3Deffect)) {
        if (face.isValid())
            painter.fillRect(rect(), face);
        DrawEdge(painter, rect(), p ? TEdge::Sunken : TEdge::Raised, pal);
    } else if (w > 0 && h > 0) {
        if (face.isValid())
            painter.fillRect(rect(), face);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(0, 0, w - 1, h - 1));
    }

    if (!FSymbol.IsEmpty() && !layout.SymbolRect.IsEmpty())
        FSymbol.Draw(painter, layout.SymbolRect.ToQRectF());

    painter.setFont(font());
    const QColor textColor = ToQColor(FFont.Color, pal, pal.color(QPalette::WindowText));
    DrawBoxedText(painter, FText, layout.TextBounds, face, textColor);
    if (!FTextSh.isEmpty()) {
        DrawBoxedText(painter, FTextSh, layout.TextShBounds, face, textColor);
        // Also across a symbol key, which shows no shifted text but still has one.
        const QColor divider = ToQColor(clBtnShadow, pal, pal.color(QPalette::Dark));
        if (divider.isValid() && w > 6) {
            painter.setPen(QPen(divider, 1));
            painter.drawLine(3, h / 2, w - 4, h / 2); // the end point itself is not drawn
        }
    }

    if (FActive || FSelected) {
        const QPolygon frame{QPoint(4 + p, 4 + p), QPoint(w - 4 + p, 4 + p),
                             QPoint(w - 4 + p, h - 4 + p), QPoint(4 + p, h - 4 + p)};
        if (FActive)
            DrawFrame(painter, frame, ActiveFrameWidth,
                      ToQColor(FColorFocused, pal, pal.color(QPalette::Highlight)));
        if (FSelected)
            DrawFrame(painter, frame, SelectedFrameWidth,
                      ToQColor(FColorSelected, pal, pal.color(QPalette::Highlight)));
    }
}

void TVxKey::resizeEvent(QResizeEvent *event) {
    UpdateLayout();
    QWidget::resizeEvent(event);
}
