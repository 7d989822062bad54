#pragma once

#include <QPointF>

class QWidget;

// How a switch works a key: by the same mouse events a real click makes, so the key's own
// activation path does the rest.
namespace SwitchMouse {

// A left-button press and then a release at `position` (the control's coordinates), no
// modifiers, each handled before the next. The release is not sent when the press destroyed
// the control (a key may load another table).
void FeedLeftClick(QWidget *control, const QPointF &position);
// The same at the point where the mouse pointer is now.
void FeedLeftClickAtPointer(QWidget *control);
// Puts the mouse pointer on the screen point of the control's bottom-right corner
// (left + width, top + height in its parent).
void PointToCorner(QWidget *control);

} // namespace SwitchMouse
