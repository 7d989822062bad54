#include "TimeGrid.h"

#include "CellRect.h"
#include "ColorMap.h"
#include "Prompts.h"
#include "ScanStrings.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {

// Widths past this come only from damaged settings; stroking them would cost without showing
// anything more.
constexpr int MaxDrawnPenWidth = 100;

int DrawnWidth(const TGridPen &pen) {
    return std::clamp(pen.Width, 1, MaxDrawnPenWidth);
}

// A closed outline through two corners. A solid frame wider than a pixel is filled as its band,
// pixel for pixel what the stroker paints: the stroker's trigonometry would run on every scan
// step, and at start it would bring the maths library's tables into memory.
void DrawOutline(QPainter &painter, const QPen &pen, int left, int top, int right, int bottom) {
    if (pen.style() == Qt::SolidLine && pen.widthF() >= 2 && (left != right || top != bottom)) {
        painter.fillPath(OutlineBand(left, top, right, bottom, pen.widthF()), pen.brush());
        return;
    }
    painter.setPen(pen);
    const QPoint outline[] = {
        {left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    painter.drawPolyline(outline, 5);
}

} // namespace

QPen TTimeGrid::MakePen(const TGridPen &pen) const {
    const QColor color = ToQColor(pen.Color, palette());
    if (!color.isValid() || pen.Style == Qt::NoPen)
        return QPen(Qt::NoPen);
    // Round ends and joins, as the platform's wide solid pens draw them.
    return QPen(QBrush(color), DrawnWidth(pen), pen.Style, Qt::RoundCap, Qt::RoundJoin);
}

// How far from its path a cursor mark can colour pixels.
int TTimeGrid::MarkMargin() const {
    return std::max(DrawnWidth(FPenCursor), DrawnWidth(FPenFocus)) / 2 + 2;
}

QRegion TTimeGrid::ColMarkRegion(int c) const {
    const TCellRect cell = Cell(c, FiRow);
    return OutlineRegion(cell.Left, 0, cell.Right, height() - 1, MarkMargin());
}

QRegion TTimeGrid::RowMarkRegion(int r) const {
    const TCellRect cell = Cell(FiCol, r);
    return OutlineRegion(0, cell.Top, width() - 1, cell.Bottom, MarkMargin());
}

QRegion TTimeGrid::CellMarkRegion(int c, int r) const {
    const TCellRect cell = Cell(c, r);
    return OutlineRegion(cell.Left, cell.Top, cell.Right, cell.Bottom, MarkMargin());
}

void TTimeGrid::UpdateArea(const QRegion &region) {
    update(region);
}

void TTimeGrid::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    QColor background = ToQColor(FColor, palette());
    if (!background.isValid())
        background = palette().color(QPalette::Window);
    for (const QRect &rect : event->region())
        painter.fillRect(rect, background);
    try {
        PaintGrid(painter, event->rect());
    } catch (...) {
        ReportPaintError();
    }
}

// Grid lines, then the cursor column, row and cell. Everything is drawn from the state, so any
// part of the grid can be repainted on its own; lines outside `area` are skipped.
void TTimeGrid::PaintGrid(QPainter &painter, const QRect &area) {
    const int w = width();
    const int h = height();
    painter.setPen(MakePen(FPenGrid));
    const int margin = DrawnWidth(FPenGrid) / 2 + 1;
    // Each line is drawn only across the area; outside it the clip would drop it anyway.
    const int top = std::max(0, area.top() - margin);
    const int bottom = std::min(h - 1, area.bottom() + margin);
    const int left = std::max(0, area.left() - margin);
    const int right = std::min(w - 1, area.right() + margin);
    if (FnCol >= 1) {
        for (int x : GridLinePositions(w, FnCol, area.left() - margin, area.right() + margin))
            painter.drawLine(x, top, x, bottom);
        painter.drawLine(w - 1, top, w - 1, bottom);
    }
    if (FnRow >= 1) {
        for (int y : GridLinePositions(h, FnRow, area.top() - margin, area.bottom() + margin))
            painter.drawLine(left, y, right, y);
        painter.drawLine(left, h - 1, right, h - 1);
    }
    // A cursor off the cells (-1) stands on something outside the grid, which draws it itself.
    if (FiCol < 0 || FiRow < 0)
        return;
    const bool showX = ScanModes().testFlag(smShowX);
    DrawColFrame(painter, FiCol, FPenCursor, showX);
    DrawRowFrame(painter, FiRow, FPenCursor, true);
    DrawCellFrame(painter, FiCol, FiRow, showX, FPenFocus);
}

void TTimeGrid::DrawColFrame(QPainter &painter, int c, const TGridPen &pen, bool show) {
    if (!show)
        return;
    const TCellRect cell = Cell(c, FiRow);
    DrawOutline(painter, MakePen(pen), cell.Left, 0, cell.Right, height() - 1);
}

void TTimeGrid::DrawRowFrame(QPainter &painter, int r, const TGridPen &pen, bool show) {
    if (!show)
        return;
    const TCellRect cell = Cell(FiCol, r);
    DrawOutline(painter, MakePen(pen), 0, cell.Top, width() - 1, cell.Bottom);
}

void TTimeGrid::DrawCellFrame(QPainter &painter, int c, int r, bool force, const TGridPen &pen) {
    if (!FScan.CellFrameShown(force))
        return;
    const TCellRect cell = Cell(c, r);
    DrawOutline(painter, MakePen(pen), cell.Left, cell.Top, cell.Right, cell.Bottom);
}

// The message is shown once the paint is over: a modal box inside paintEvent would start
// painting again underneath it. Failures while one report is waiting add no second box.
void TTimeGrid::ReportPaintError() {
    if (FPaintErrorPending)
        return;
    FPaintErrorPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            FPaintErrorPending = false;
            Prompts().Error(ScanStrings::PaintError);
        },
        Qt::QueuedConnection);
}
