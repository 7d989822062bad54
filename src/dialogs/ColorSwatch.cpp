#include "ColorSwatch.h"

#include "ColorMap.h"

#include <QKeyEvent>
#include <QPainter>

TColorSwatch::TColorSwatch(const QString &accessibleName, QWidget *parent)
    : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(52, 17);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(accessibleName);
    SetColor(FColor);
}

void TColorSwatch::SetColor(std::uint32_t color) {
    FColor = color;
    // A screen reader tells the colour by its value, as a colour dialog would show it.
    const QColor shown = ToQColor(FColor, palette(), palette().color(QPalette::Button));
    setAccessibleDescription(shown.isValid() ? shown.name() : QString());
    update();
}

void TColorSwatch::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    const QColor shown = ToQColor(FColor, palette(), palette().color(QPalette::Button));
    if (shown.isValid())
        painter.fillRect(contentsRect(), shown);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(contentsRect().adjusted(0, 0, -1, -1));
    }
    painter.end();
    QFrame::paintEvent(event);
}

void TColorSwatch::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton) {
        emit DoubleClicked(this);
        event->accept();
        return;
    }
    QFrame::mouseDoubleClickEvent(event);
}

void TColorSwatch::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit DoubleClicked(this);
        event->accept();
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}
