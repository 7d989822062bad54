#include "DragRect.h"

#include <QCursor>
#include <QPainter>

TDragRect::TDragRect(QWidget *control, const TPointerPos &pointerPos)
    : QWidget(control ? control->parentWidget() : nullptr)
    , FControl(control)
    , FPointerPos(pointerPos ? pointerPos : [] { return QCursor::pos(); }) {
    // No colour of its own: only the outline is drawn, the parent shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    if (control)
        setGeometry(control->geometry());
    FStartPos = FPointerPos();
    FLastPos = FStartPos;
    lower();
    show();
}

TDragRect::~TDragRect() = default;

void TDragRect::SetNext(std::unique_ptr<TDragRect> next) {
    FNext = std::move(next);
}

void TDragRect::MoveWithCursor() {
    const QPoint p = FPointerPos();
    move(x() + p.x() - FLastPos.x(), y() + p.y() - FLastPos.y());
    FLastPos = p;
    if (FNext)
        FNext->MoveWithCursor();
}

void TDragRect::ApplyToControl() {
    if (FControl)
        FControl->setGeometry(geometry());
    if (FNext)
        FNext->ApplyToControl();
}

void TDragRect::DropOnSelf() {
    ApplyToControl();
    if (FNext)
        FNext->ApplyToControl();
}

void TDragRect::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
