#pragma once

#include "SlotRowScan.h"

#include <QColor>
#include <QStringList>
#include <QWidget>
#include <functional>

// The row of word slots above the keys: paints the words as raised keys and the scan cursor
// over them, and reports a slot chosen by the mouse or by the scan. What the slots show and
// what choosing one does is decided elsewhere.
class TSlotRow : public QWidget, public TSlotCursor {
    Q_OBJECT

public:
    explicit TSlotRow(QWidget *parent = nullptr);

    void SetWords(const QStringList &words);
    const QStringList &Words() const { return FWords; }
    // The scan's pens: the row mark and the cell mark, as the grid draws them.
    void SetPens(const QColor &row, int rowWidth, const QColor &cell, int cellWidth);
    void SetOnChosen(std::function<void(int slot)> chosen) { FOnChosen = std::move(chosen); }
    QRect SlotRect(int slot) const;

    // TSlotCursor
    int SlotCount() const override { return int(FWords.size()); }
    void ShowSlotCursor(int slot, bool cellMarked) override;
    int CursorSlot() const override { return FCursor; }
    void ClickSlot(int slot) override;
    void PointToSlot(int slot) override;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int SlotAt(const QPoint &pos) const;

    QStringList FWords;
    int FCursor = -1;
    bool FCellMarked = false;
    int FPressed = -1;
    QColor FRowPen{Qt::yellow};
    int FRowWidth = 3;
    QColor FCellPen{Qt::red};
    int FCellWidth = 3;
    std::function<void(int)> FOnChosen;
};
