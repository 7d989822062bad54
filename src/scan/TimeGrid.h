#pragma once

#include "CellList.h"
#include "CellRect.h"
#include "GridAlign.h"
#include "GridPen.h"
#include "ScanActions.h"
#include "ScanMachine.h"
#include "ScanModes.h"
#include "SwitchFilter.h"
#include "SwitchReceiver.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

class QIODevice;
class QPainter;

// The scanning grid: holds the keys of a table in a regular grid of cells (it refers to them,
// it never owns them) and shows the scanning cursor over them: the cursor row, optionally the
// cursor column, and the cursor cell. Everything on the grid's own surface is painted from its
// state; a cursor move repaints only the outlines it touches. The scan timer steps it with
// ScanTick; the switch messages 2026 and 2025 reach it as SwitchDown and SwitchUp.
class TTimeGrid : public QWidget, public TScanActions, public TSwitchReceiver {
    Q_OBJECT

public:
    // The handler of a switch code change. It may replace `newCode`; the grid then takes that.
    using TSwitchChange = std::function<void(TTimeGrid *sender, quint16 oldCode, quint16 &newCode)>;

    explicit TTimeGrid(QWidget *parent = nullptr);
    ~TTimeGrid() override;

    // The cursor. A value not below the count is ignored; anything smaller, -1 included, is
    // taken (keeping it in range is the caller's part).
    int iCol() const { return FiCol; }
    void SetiCol(int value);
    int iRow() const { return FiRow; }
    void SetiRow(int value);
    // The counts. Setting one moves the cursor to 0 in that direction first.
    int nCol() const { return FnCol; }
    void SetnCol(int value);
    int nRow() const { return FnRow; }
    void SetnRow(int value);

    const TGridPen &PenCursor() const { return FPenCursor; }
    void SetPenCursor(const TGridPen &pen);
    const TGridPen &PenGrid() const { return FPenGrid; }
    void SetPenGrid(const TGridPen &pen);
    const TGridPen &PenFocus() const { return FPenFocus; }
    void SetPenFocus(const TGridPen &pen);
    // The background, which is also what a cursor mark leaves behind (stored colour layout).
    std::uint32_t Color() const { return FColor; }
    void SetColor(std::uint32_t color);

    TGridAlign Align() const { return FAlign; }
    void SetAlign(TGridAlign align);
    bool Resizing() const { return FResizing; }
    void SetResizing(bool on) { FResizing = on; }
    bool Focusing() const { return FFocusing; }
    void SetFocusing(bool on) { FFocusing = on; }

    // A change is announced to OnChangeSw1/OnChangeSw2 first, which may answer with another
    // code. While the grid keeps a switch filter's keys (SetSwitchFilter), a code of 256 or more
    // throws TError and changes nothing, and a code taken without a handler becomes the
    // filter's switch keys along with the other one.
    quint16 SwCode1() const { return FScan.SwCode1(); }
    void SetSwCode1(quint16 code);
    quint16 SwCode2() const { return FScan.SwCode2(); }
    void SetSwCode2(quint16 code);
    TSwitchFilter *SwitchFilter() const { return FSwitchFilter; }
    void SetSwitchFilter(TSwitchFilter *filter) { FSwitchFilter = filter; }
    void SetOnChangeSw1(TSwitchChange handler) { FOnChangeSw1 = std::move(handler); }
    void SetOnChangeSw2(TSwitchChange handler) { FOnChangeSw2 = std::move(handler); }
    qint32 SwTime() const { return FScan.SwTime(); }
    void SetSwTime(qint32 milliseconds) { FScan.SetSwTime(milliseconds); }
    TScanModes ScanModes() const { return FScan.ScanModes(); }
    void SetScanModes(TScanModes modes);
    bool PointByMouse() const { return FScan.PointByMouse(); }
    void SetPointByMouse(bool on) { FScan.SetPointByMouse(on); }

    // The scan state (not published; zero at construction). Setting the phase starts afresh:
    // a switch reported down before counts as up.
    quint8 ScanPhase() const { return FScan.ScanPhase(); }
    void SetScanPhase(quint8 phase) { FScan.SetScanPhase(phase); }
    quint8 SavedPhase() const { return FScan.SavedPhase(); }
    void SetSavedPhase(quint8 phase) { FScan.SetSavedPhase(phase); }
    bool SkipTick() const { return FScan.SkipTick(); }
    void SetSkipTick(bool skip) { FScan.SetSkipTick(skip); }
    TScanMachine &ScanMachine() { return FScan; }
    const TScanMachine &ScanMachine() const { return FScan; }

    // Cells, row-major with the current column count. A control destroyed while in a cell
    // leaves its cell empty.
    void PutCell(int c, int r, QWidget *control);
    QWidget *GetCell(int c, int r) const;
    virtual void ClearCells();
    qsizetype CellCount() const { return FCells.Size(); }
    // The control in the cursor cell while the grid is shown; null for an empty cell or a hidden
    // grid (free layout), where the grid is no cursor.
    QWidget *CursorControl() const;
    // The cells (column, row) that hold a control, in row-by-row order. Cells past the last row
    // are included; the caller decides what they mean.
    QList<QPoint> OccupiedCells() const;

    // Cell (c, r) in client coordinates; x + width and y + height are the exclusive edges.
    virtual QRect CellRect(int c, int r) const;
    // Lays the control of cell (c, r) out in its cell; nothing for an empty cell or one outside
    // the counts.
    virtual void ArrangeCell(int c, int r);
    // ArrangeCell for every cell, columns outer, rows inner.
    virtual void ArrangeCells();

    // The 80-byte settings record. A null stream does nothing. Reading applies the fields in
    // order and throws TError on a short record (before anything is applied) or on a switch
    // code that does not fit 16 bits (after the fields before it are applied).
    virtual void WriteSettings(QIODevice *stream) const;
    virtual void ReadSettings(QIODevice *stream);

    // The cursor outlines, drawn with `painter` on the grid's surface.
    virtual void DrawColFrame(QPainter &painter, int c, const TGridPen &pen, bool show);
    virtual void DrawRowFrame(QPainter &painter, int r, const TGridPen &pen, bool show);
    virtual void DrawCellFrame(QPainter &painter, int c, int r, bool force, const TGridPen &pen);

    // One step of the scan timer.
    virtual void ScanTick();
    virtual void StepCol();
    virtual void StepRow();
    virtual void NextPhase();
    // Message 2026: the cursor stands still while the switch is down.
    void SwitchDown(int code, qint32 time) override;
    // Message 2025: moves the scan on or selects the cursor cell; raises OnSwitch.
    void SwitchUp(int code, qint32 duration) override;
    // A press too short to count came up: the cursor moves on.
    void SwitchCancel(int code) override;
    // The cursor to (0, 0) and the scan from its first moving sweep (the row sweep when there is
    // a single column), nothing pending.
    void StartScan();

    // TScanActions
    TScanCursor ScanCursor() const override;
    void MoveCursor(int col, int row) override;
    void ClickCell() override;
    void PointToCell() override;
    void ShowCellFrame() override;
    void SwitchReleased(quint16 code, qint32 duration) override;

    // Docks the grid in its parent's client area the way Align says (the parent's resizes do
    // it by themselves, once the parent is shown).
    void ApplyAlign();

signals:
    // A click on the grid's own surface (not on a key).
    void OnClick();
    // Every switch release while the grid scans.
    void OnSwitch(quint16 switchCode, qint32 switchTime);
    // A drag from within the program moves over the grid; a handler sets *accept.
    void OnDragOver(QObject *source, QPoint position, bool *accept);

protected:
    void paintEvent(QPaintEvent *event) override;
    // The cells follow the grid's size, and the keys in them follow the cells.
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Asks for a repaint of `region`; every repaint the grid asks for itself goes through here.
    virtual void UpdateArea(const QRegion &region);
    // Tells screen readers that `control`, the key under the cursor, is the focused item; free
    // while no assistive technology listens.
    virtual void AnnounceCursorKey(QWidget *control);

private:
    TCellRect Cell(int c, int r) const;
    QPen MakePen(const TGridPen &pen) const;
    int MarkMargin() const;
    QRegion ColMarkRegion(int c) const;
    QRegion RowMarkRegion(int r) const;
    QRegion CellMarkRegion(int c, int r) const;
    void PaintGrid(QPainter &painter, const QRect &area);
    void ReportPaintError();
    void ReportCursorFocus();
    void SetSwitchCode(int which, quint16 code);
    void FollowParent(QWidget *parent);

    int FiCol = 3;
    int FiRow = 3;
    int FnCol = 6;
    int FnRow = 6;
    TGridPen FPenCursor{0x0000FFFF, 4, Qt::SolidLine};
    TGridPen FPenGrid{0x00808080, 1, Qt::SolidLine};
    TGridPen FPenFocus{0x000000FF, 4, Qt::SolidLine};
    std::uint32_t FColor = 0x00C0C0C0;
    TGridAlign FAlign = TGridAlign::alNone;
    bool FResizing = true;
    bool FFocusing = false;
    TSwitchChange FOnChangeSw1;
    TSwitchChange FOnChangeSw2;
    TScanMachine FScan;
    QPointer<TSwitchFilter> FSwitchFilter;
    TCellList<QPointer<QWidget>> FCells;
    QPointer<QWidget> FWatchedParent;
    bool FPressed = false;
    bool FPaintErrorPending = false;
};
