#include "SwitchMouse.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace SwitchMouse {

void FeedLeftClick(QWidget *control, const QPointF &position) {
    QPointer<QWidget> target(control);
    if (!target)
        return;
    const QPointF global = target->mapToGlobal(position);
    QMouseEvent press(QEvent::MouseButtonPress, position, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    if (!target)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, position, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

void FeedLeftClickAtPointer(QWidget *control) {
    if (control)
        FeedLeftClick(control, control->mapFromGlobal(QCursor::pos()));
}

void PointToCorner(QWidget *control) {
    if (control)
        QCursor::setPos(control->mapToGlobal(QPoint(control->width(), control->height())));
}

} // namespace SwitchMouse
