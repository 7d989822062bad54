#include "TimeGrid.h"

#include "Error.h"
#include "GridSettings.h"
#include "ScanStrings.h"
#include "SwitchFilter.h"
#include "SwitchMouse.h"
#include "TimeGridAccessible.h"

#include <QAccessible>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QMouseEvent>
#include <algorithm>

TTimeGrid::TTimeGrid(QWidget *parent)
    : QWidget(parent)
    , FScan(this) {
    InstallGridAccessibility();
    setAccessibleName(ScanStrings::GridName);
    setGeometry(0, 0, 300, 300);
    // paintEvent fills every pixel it is asked for, so Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setAcceptDrops(true);
    FollowParent(parent);
}

TTimeGrid::~TTimeGrid() = default;

void TTimeGrid::SetiCol(int value) {
    // -1 stands for no column; anything further left (from a damaged record) is no cursor at
    // all, and its cell's pixels would not fit an int.
    if (value >= FnCol || value < -1 || value == FiCol)
        return;
    const bool showX = ScanModes().testFlag(smShowX);
    QRegion dirty = CellMarkRegion(FiCol, FiRow);
    if (showX)
        dirty += ColMarkRegion(FiCol);
    FiCol = value;
    dirty += CellMarkRegion(FiCol, FiRow);
    if (showX)
        dirty += ColMarkRegion(FiCol);
    UpdateArea(dirty);
    ReportCursorFocus();
}

void TTimeGrid::SetiRow(int value) {
    if (value >= FnRow || value < -1 || value == FiRow)
        return;
    QRegion dirty = CellMarkRegion(FiCol, FiRow) + RowMarkRegion(FiRow);
    FiRow = value;
    dirty += CellMarkRegion(FiCol, FiRow) + RowMarkRegion(FiRow);
    UpdateArea(dirty);
    ReportCursorFocus();
}

void TTimeGrid::SetnCol(int value) {
    SetiCol(0);
    FnCol = value;
    UpdateArea(rect());
}

void TTimeGrid::SetnRow(int value) {
    SetiRow(0);
    FnRow = value;
    UpdateArea(rect());
}

void TTimeGrid::SetPenCursor(const TGridPen &pen) {
    FPenCursor = pen;
    UpdateArea(rect());
}

void TTimeGrid::SetPenGrid(const TGridPen &pen) {
    FPenGrid = pen;
    UpdateArea(rect());
}

void TTimeGrid::SetPenFocus(const TGridPen &pen) {
    FPenFocus = pen;
    UpdateArea(rect());
}

void TTimeGrid::SetColor(std::uint32_t color) {
    FColor = color;
    UpdateArea(rect());
}

void TTimeGrid::SetAlign(TGridAlign align) {
    FAlign = align;
    ApplyAlign();
}

void TTimeGrid::SetScanModes(TScanModes modes) {
    if (modes == FScan.ScanModes())
        return;
    FScan.SetScanModes(modes);
    UpdateArea(rect());
}

void TTimeGrid::SetSwCode1(quint16 code) {
    SetSwitchCode(1, code);
}

void TTimeGrid::SetSwCode2(quint16 code) {
    SetSwitchCode(2, code);
}

// A change is first announced to the handler, which may answer with another code; the grid
// ends up with the handler's answer.
void TTimeGrid::SetSwitchCode(int which, quint16 code) {
    const auto current = [&] { return which == 1 ? FScan.SwCode1() : FScan.SwCode2(); };
    const auto store = [&](quint16 value) {
        if (which == 1)
            FScan.SetSwCode1(value);
        else
            FScan.SetSwCode2(value);
    };
    // Refused before anything is stored: a switch that can never be watched would leave the
    // user without it.
    if (FSwitchFilter && code >= TWatchedKeys::KeyCount && code != current())
        throw TError(ScanStrings::WatchedKeyRangeError(code));
    const TSwitchChange handler = which == 1 ? FOnChangeSw1 : FOnChangeSw2;
    quint16 value = code;
    if (value != current() && handler) {
        const quint16 old = current();
        store(value);
        handler(this, old, value);
    }
    if (current() == value)
        return;
    if (FSwitchFilter) {
        const int other = which == 1 ? FScan.SwCode2() : FScan.SwCode1();
        FSwitchFilter->SetSwitchKeys(TWatchedKeys::FromCodes(value, other));
    }
    store(value);
}

void TTimeGrid::PutCell(int c, int r, QWidget *control) {
    FCells.PutCell(c, r, FnCol, control);
}

QWidget *TTimeGrid::GetCell(int c, int r) const {
    return FCells.GetCell(c, r, FnCol).data();
}

void TTimeGrid::ClearCells() {
    FCells.ClearCells();
}

QRect TTimeGrid::CellRect(int c, int r) const {
    return ::CellRect(c, r, width(), height(), FnCol, FnRow).ToQRect();
}

TCellRect TTimeGrid::Cell(int c, int r) const {
    const QRect rect = CellRect(c, r);
    return TCellRect{rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}

void TTimeGrid::ArrangeCell(int c, int r) {
    if (c >= FnCol || r >= FnRow)
        return;
    QWidget *control = GetCell(c, r);
    if (!control)
        return;
    const TCellRect bounds =
        ArrangedBounds(Cell(c, r), FResizing, control->width(), control->height());
    control->setGeometry(bounds.Left, bounds.Top, std::max(0, bounds.Width()),
                         std::max(0, bounds.Height()));
}

void TTimeGrid::ArrangeCells() {
    // Only the cells that hold a control can change anything, so only they are visited: the
    // work follows the number of keys, not the grid's area. Each cell lays out its own control,
    // so the order does not matter.
    for (const QPoint &cell : OccupiedCells())
        ArrangeCell(cell.x(), cell.y());
}

QList<QPoint> TTimeGrid::OccupiedCells() const {
    QList<QPoint> cells;
    if (FnCol < 1)
        return cells;
    for (qint64 index : FCells.Occupied())
        cells.append(QPoint(int(index % FnCol), int(index / FnCol)));
    return cells;
}

void TTimeGrid::WriteSettings(QIODevice *stream) const {
    TGridSettings s;
    const QRect bounds = geometry();
    s.Left = bounds.x();
    s.Top = bounds.y();
    s.Right = bounds.x() + bounds.width();
    s.Bottom = bounds.y() + bounds.height();
    s.Align = quint8(FAlign);
    s.iCol = FiCol;
    s.iRow = FiRow;
    s.nCol = FnCol;
    s.nRow = FnRow;
    s.Focusing = FFocusing;
    s.Resizing = FResizing;
    s.SwCode1 = SwCode1();
    s.SwCode2 = SwCode2();
    s.SwTime = SwTime();
    s.CursorColor = FPenCursor.Color;
    s.CursorWidth = FPenCursor.Width;
    s.FocusColor = FPenFocus.Color;
    s.FocusWidth = FPenFocus.Width;
    s.GridColor = FPenGrid.Color;
    s.GridWidth = FPenGrid.Width;
    s.ScanModes = quint8(ScanModes().toInt());
    s.PointByMouse = PointByMouse();
    WriteGridSettings(stream, s);
}

void TTimeGrid::ReadSettings(QIODevice *stream) {
    const std::optional<TGridSettings> read = ReadGridSettings(stream);
    if (!read)
        return;
    const TGridSettings &s = *read;
    SetPenCursor(TGridPen{s.CursorColor, s.CursorWidth, FPenCursor.Style});
    SetPenFocus(TGridPen{s.FocusColor, s.FocusWidth, FPenFocus.Style});
    SetPenGrid(TGridPen{s.GridColor, s.GridWidth, FPenGrid.Style});
    const auto extent = [](qint32 from, qint32 to) {
        return int(std::clamp<qint64>(qint64(to) - from, 0, QWIDGETSIZE_MAX));
    };
    setGeometry(s.Left, s.Top, extent(s.Left, s.Right), extent(s.Top, s.Bottom));
    // An ordinal no alignment has comes from a damaged record: the stored bounds stand.
    SetAlign(s.Align <= quint8(TGridAlign::alCustom) ? TGridAlign(s.Align) : TGridAlign::alNone);
    // The count setters put the cursor back to (0, 0) whatever was stored.
    SetiCol(s.iCol);
    SetiRow(s.iRow);
    SetnCol(s.nCol);
    SetnRow(s.nRow);
    SetFocusing(s.Focusing);
    SetResizing(s.Resizing);
    if (s.SwCode1 > 0xFFFF)
        throw TError(ScanStrings::SwitchCodeRangeError(1, s.SwCode1));
    SetSwCode1(quint16(s.SwCode1));
    if (s.SwCode2 > 0xFFFF)
        throw TError(ScanStrings::SwitchCodeRangeError(2, s.SwCode2));
    SetSwCode2(quint16(s.SwCode2));
    SetSwTime(s.SwTime);
    SetScanModes(TScanModes::fromInt(s.ScanModes & 0x0F));
    SetPointByMouse(s.PointByMouse);
}

TScanCursor TTimeGrid::ScanCursor() const {
    return TScanCursor{FiCol, FiRow, FnCol, FnRow};
}

void TTimeGrid::MoveCursor(int col, int row) {
    SetiCol(col);
    SetiRow(row);
    if (FFocusing) {
        if (QWidget *control = GetCell(FiCol, FiRow))
            control->setFocus();
    }
}

void TTimeGrid::ClickCell() {
    if (QWidget *control = GetCell(FiCol, FiRow))
        SwitchMouse::FeedLeftClick(control, QPointF(control->width() / 2, control->height() / 2));
}

void TTimeGrid::PointToCell() {
    const TCellRect cell = Cell(FiCol, FiRow);
    QCursor::setPos(
        mapToGlobal(QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2)));
}

void TTimeGrid::ShowCellFrame() {
    UpdateArea(CellMarkRegion(FiCol, FiRow));
}

void TTimeGrid::SwitchReleased(quint16 code, qint32 duration) {
    emit OnSwitch(code, duration);
}

void TTimeGrid::ScanTick() {
    FScan.ScanTick();
}

void TTimeGrid::StepCol() {
    FScan.StepCol();
}

void TTimeGrid::StepRow() {
    FScan.StepRow();
}

void TTimeGrid::NextPhase() {
    FScan.NextPhase();
}

void TTimeGrid::SwitchDown(int code, qint32 time) {
    FScan.SwitchDown(quint16(code), time);
}

void TTimeGrid::SwitchUp(int code, qint32 duration) {
    FScan.SwitchUp(quint16(code), duration);
    // The phase may differ from the one the cursor cell was last drawn for.
    ShowCellFrame();
}

void TTimeGrid::SwitchCancel(int code) {
    FScan.SwitchCancel(quint16(code));
    ShowCellFrame();
}

void TTimeGrid::StartScan() {
    SetiCol(0);
    SetiRow(0);
    FScan.StartScan();
    ShowCellFrame();
}

QWidget *TTimeGrid::CursorControl() const {
    return isVisible() ? GetCell(FiCol, FiRow) : nullptr;
}

void TTimeGrid::ReportCursorFocus() {
    // Screen readers follow the scan: the key under the cursor is the focused item.
    if (QWidget *control = CursorControl())
        AnnounceCursorKey(control);
}

void TTimeGrid::AnnounceCursorKey(QWidget *control) {
    // Even an unheard event would make and cache the key's interface on every step.
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

// A left click on the grid's own surface (between the keys) is the grid's click.
void TTimeGrid::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    FPressed = true;
    event->accept();
}

void TTimeGrid::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const bool click = FPressed && rect().contains(event->position().toPoint());
    FPressed = false;
    event->accept();
    if (click)
        emit OnClick();
}

void TTimeGrid::dragEnterEvent(QDragEnterEvent *event) {
    dragMoveEvent(event);
}

void TTimeGrid::dragMoveEvent(QDragMoveEvent *event) {
    // Only the program's own drags (keys being moved) concern the grid.
    bool accept = false;
    if (event->source())
        emit OnDragOver(event->source(), event->position().toPoint(), &accept);
    if (accept)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TTimeGrid::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    ArrangeCells();
}

bool TTimeGrid::event(QEvent *event) {
    if (event->type() == QEvent::ParentChange) {
        FollowParent(parentWidget());
        ApplyAlign();
    }
    return QWidget::event(event);
}

bool TTimeGrid::eventFilter(QObject *watched, QEvent *event) {
    if (watched == FWatchedParent && event->type() == QEvent::Resize)
        ApplyAlign();
    return QWidget::eventFilter(watched, event);
}

void TTimeGrid::FollowParent(QWidget *parent) {
    if (FWatchedParent == parent)
        return;
    if (FWatchedParent)
        FWatchedParent->removeEventFilter(this);
    FWatchedParent = parent;
    if (parent)
        parent->installEventFilter(this);
}

// Docks the grid in its parent's client area the way the alignment says; alNone and alCustom
// leave the bounds alone.
void TTimeGrid::ApplyAlign() {
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    const QRect area = parent->contentsRect();
    switch (FAlign) {
    case TGridAlign::alTop:
        setGeometry(area.x(), area.y(), area.width(), height());
        break;
    case TGridAlign::alBottom:
        setGeometry(area.x(), area.y() + area.height() - height(), area.width(), height());
        break;
    case TGridAlign::alLeft:
        setGeometry(area.x(), area.y(), width(), area.height());
        break;
    case TGridAlign::alRight:
        setGeometry(area.x() + area.width() - width(), area.y(), width(), area.height());
        break;
    case TGridAlign::alClient:
        setGeometry(area);
        break;
    case TGridAlign::alNone:
    case TGridAlign::alCustom:
        break;
    }
}
