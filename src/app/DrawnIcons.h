#pragma once

#include <QIcon>
#include <QProxyStyle>
#include <QSize>

// Icons drawn at the size they are shown. The style's own pictures are files whose format Qt
// finds by asking every image plug-in, which loads all of them (and their libraries) at start.

// The stop button's square, dark on a clear ground.
QIcon StopIcon(const QSize &size, qreal ratio);

// The platform's style, with the pictures the window asks for at start drawn instead.
class TDrawnIconStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
