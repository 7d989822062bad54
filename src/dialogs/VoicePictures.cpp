#include "VoicePictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kMale(0x1F, 0x4E, 0xA8);
const QColor kFemale(0xC0, 0x30, 0x68);
const QColor kOther(0x60, 0x68, 0x70);
const QColor kSpeaker(0x30, 0x30, 0x30);

// A head and a body on a 16 x 16 grid; a woman's body is a skirt, a man's has shoulders.
void DrawFigure(QPainter &p, const QColor &color, TVoicePicture picture) {
    p.setPen(QPen(color.darker(140), 0.8));
    p.setBrush(color);
    p.drawEllipse(QRectF(5.0, 1.0, 6.0, 6.0));
    QPainterPath body;
    switch (picture) {
    case vpFemale:
        body.moveTo(8.0, 7.5);
        body.lineTo(13.5, 15.0);
        body.lineTo(2.5, 15.0);
        body.closeSubpath();
        break;
    case vpMale:
        body.addRoundedRect(QRectF(3.0, 8.0, 10.0, 7.0), 2.0, 2.0);
        break;
    default:
        body.addEllipse(QRectF(4.0, 8.0, 8.0, 7.0));
        break;
    }
    p.drawPath(body);
}

void DrawSpeaker(QPainter &p) {
    p.setPen(QPen(kSpeaker, 1.0));
    p.setBrush(kSpeaker);
    QPainterPath cone;
    cone.moveTo(1.5, 6.0);
    cone.lineTo(4.5, 6.0);
    cone.lineTo(8.5, 2.5);
    cone.lineTo(8.5, 13.5);
    cone.lineTo(4.5, 10.0);
    cone.lineTo(1.5, 10.0);
    cone.closeSubpath();
    p.drawPath(cone);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kSpeaker, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(7.0, 4.5, 5.0, 7.0), -50 * 16, 100 * 16);
    p.drawArc(QRectF(7.0, 2.0, 8.0, 12.0), -50 * 16, 100 * 16);
}

} // namespace

QImage VoicePictureImage(TVoicePicture picture, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    switch (picture) {
    case vpVendor:
        DrawSpeaker(p);
        break;
    case vpMale:
        DrawFigure(p, kMale, picture);
        break;
    case vpFemale:
        DrawFigure(p, kFemale, picture);
        break;
    case vpOther:
        DrawFigure(p, kOther, picture);
        break;
    }
    return image;
}
