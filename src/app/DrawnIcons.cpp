#include "DrawnIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace {

QPixmap Blank(const QSize &size, qreal ratio) {
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The menu bar's ">>" for the items that do not fit, pointing right or down.
QIcon ChevronIcon(int side, qreal ratio, bool down) {
    QPixmap pixmap = Blank(QSize(side, side), ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(0x30, 0x30, 0x30), std::max(1.0, side / 10.0));
    painter.setPen(pen);
    if (down) {
        painter.translate(side, 0);
        painter.rotate(90);
    }
    for (const qreal x : {side * 0.3, side * 0.55}) {
        QPainterPath path;
        path.moveTo(x, side * 0.3);
        path.lineTo(x + side * 0.2, side * 0.5);
        path.lineTo(x, side * 0.7);
        painter.drawPath(path);
    }
    return QIcon(pixmap);
}

// A picture made when it is first drawn: the style's own, or one of ours that a widget asks
// for at start and may never show (the menu bar's ">>" while every item fits).
class TLateIconEngine final : public QIconEngine {
public:
    using TMaker = std::function<QIcon()>;
    // `drawnSize`: the size a drawn picture will have, in device pixels; empty for the style's
    // own pictures, which come in sizes up to any a button asks for.
    explicit TLateIconEngine(TMaker make, QSize drawnSize = QSize())
        : FMake(std::move(make))
        , FDrawnSize(drawnSize) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    // Laying out a button reads no picture: the size is known without it, and is the one the
    // picture would give.
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        if (FRead)
            return FIcon.actualSize(size, mode, state);
        if (!FDrawnSize.isValid())
            return size;
        QSize fitted = FDrawnSize;
        if (fitted.width() > size.width() || fitted.height() > size.height())
            fitted.scale(size, Qt::KeepAspectRatio);
        return fitted;
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return FRead && FIcon.isNull(); }
    QIconEngine *clone() const override { return new TLateIconEngine(FMake, FDrawnSize); }
    QString key() const override { return QStringLiteral("TLateIconEngine"); }

private:
    const QIcon &Icon() {
        if (!FRead) {
            FIcon = FMake();
            FRead = true;
        }
        return FIcon;
    }

    TMaker FMake;
    QSize FDrawnSize;
    QIcon FIcon;
    bool FRead = false;
};

QIcon LateChevron(int side, qreal ratio, bool down) {
    return QIcon(new TLateIconEngine([side, ratio, down] { return ChevronIcon(side, ratio, down); },
                                     QSize(side, side) * ratio));
}

} // namespace

QIcon StopIcon(const QSize &size, qreal ratio) {
    QPixmap pixmap = Blank(size, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(size.width(), size.height()) * 0.75;
    const QRectF square((size.width() - side) / 2, (size.height() - side) / 2, side, side);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    painter.drawRoundedRect(square, side / 8, side / 8);
    return QIcon(pixmap);
}

QIcon TDrawnIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                    const QWidget *widget) const {
    const qreal ratio = widget ? widget->devicePixelRatioF() : 1.0;
    const int side = pixelMetric(PM_SmallIconSize, option, widget);
    switch (standardIcon) {
    case SP_ToolBarHorizontalExtensionButton:
        return LateChevron(side, ratio, false);
    case SP_ToolBarVerticalExtensionButton:
        return LateChevron(side, ratio, true);
    case SP_MediaStop:
        return StopIcon(QSize(side, side), ratio);
    default:
        // Only the base style's own picture: it is read when first drawn.
        if (!option && !widget)
            return QIcon(new TLateIconEngine(
                [base = baseStyle(), standardIcon] { return base->standardIcon(standardIcon); }));
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}
