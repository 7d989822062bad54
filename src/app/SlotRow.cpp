#include "SlotRow.h"

#include "Edge3D.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {
constexpr int Gap = 2;
}

TSlotRow::TSlotRow(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("SlotRow"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont f = font();
    f.setPixelSize(20);
    setFont(f);
}

QSize TSlotRow::sizeHint() const {
    return QSize(400, fontMetrics().height() * 2 + 2 * Gap);
}

void TSlotRow::SetWords(const QStringList &words) {
    if (words == FWords)
        return;
    const bool countChanged = words.size() != FWords.size();
    FWords = words;
    if (countChanged && FCursor >= SlotCount())
        FCursor = -1;
    setAccessibleDescription(FWords.join(QLatin1Char(' ')));
    update();
}

void TSlotRow::SetPens(const QColor &row, int rowWidth, const QColor &cell, int cellWidth) {
    FRowPen = row;
    FRowWidth = std::clamp(rowWidth, 1, 20);
    FCellPen = cell;
    FCellWidth = std::clamp(cellWidth, 1, 20);
    update();
}

QRect TSlotRow::SlotRect(int slot) const {
    const int n = std::max(1, SlotCount());
    const int w = width() - Gap;
    const int left = Gap + slot * w / n;
    const int right = Gap + (slot + 1) * w / n - Gap;
    return QRect(QPoint(left, Gap), QPoint(right - 1, height() - Gap - 1));
}

int TSlotRow::SlotAt(const QPoint &pos) const {
    for (int i = 0; i < SlotCount(); ++i) {
        if (SlotRect(i).contains(pos))
            return i;
    }
    return -1;
}

void TSlotRow::ShowSlotCursor(int slot, bool cellMarked) {
    if (slot == FCursor && cellMarked == FCellMarked)
        return;
    FCursor = slot;
    FCellMarked = cellMarked;
    update();
}

void TSlotRow::ClickSlot(int slot) {
    if (slot >= 0 && slot < SlotCount() && !FWords.at(slot).isEmpty() && FOnChosen)
        FOnChosen(slot);
}

void TSlotRow::PointToSlot(int slot) {
    if (slot >= 0 && slot < SlotCount())
        QCursor::setPos(mapToGlobal(SlotRect(slot).center()));
}

void TSlotRow::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QPalette pal = palette();
    painter.fillRect(rect(), pal.color(QPalette::Window));
    painter.setFont(font());
    for (int i = 0; i < SlotCount(); ++i) {
        const QRect r = SlotRect(i);
        const bool pressed = i == FPressed;
        painter.fillRect(r, pal.color(QPalette::Button));
        DrawEdge(painter, r, pressed ? TEdge::Sunken : TEdge::Raised, pal);
        const QString &word = FWords.at(i);
        if (word.isEmpty())
            continue;
        painter.setPen(pal.color(QPalette::ButtonText));
        const QRect inner = r.adjusted(4, 2, -4, -2).translated(pressed ? 1 : 0, pressed ? 1 : 0);
        painter.drawText(inner, Qt::AlignCenter,
                         painter.fontMetrics().elidedText(word, Qt::ElideRight, inner.width()));
    }
    if (FCursor < 0)
        return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(FRowPen, FRowWidth));
    const int half = FRowWidth / 2;
    painter.drawRect(rect().adjusted(half, half, -half - 1, -half - 1));
    if (FCellMarked && FCursor < SlotCount()) {
        painter.setPen(QPen(FCellPen, FCellWidth));
        painter.drawRect(SlotRect(FCursor).adjusted(1, 1, -1, -1));
    }
}

void TSlotRow::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    FPressed = SlotAt(event->position().toPoint());
    update();
    event->accept();
}

void TSlotRow::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const int pressed = FPressed;
    FPressed = -1;
    update();
    event->accept();
    if (pressed >= 0 && pressed == SlotAt(event->position().toPoint()))
        ClickSlot(pressed);
}
