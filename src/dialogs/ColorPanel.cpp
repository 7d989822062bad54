#include "ColorPanel.h"

#include "ColorMap.h"

#include <QPainter>

TColorPanel::TColorPanel(QWidget *parent)
    : QPushButton(parent) {
    setAutoDefault(false);
}

void TColorPanel::SetColor(std::uint32_t color) {
    FColor = color;
    update();
}

void TColorPanel::paintEvent(QPaintEvent *event) {
    QPushButton::paintEvent(event);
    QPainter painter(this);
    const QRect inner = rect().adjusted(5, 5, -5, -5);
    painter.fillRect(inner, ToQColor(FColor, palette(), Qt::black));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(inner.adjusted(0, 0, -1, -1));
}
