#include "SymbolArt.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <map>

namespace {

// Everything is drawn on a 128 x 128 canvas and scaled.
const QColor Ink(0x26, 0x26, 0x26);
const QColor Skin(0xF6, 0xC9, 0x9B);
const QColor SkinLine(0x9A, 0x62, 0x30);
const QColor FaceYellow(0xFF, 0xD5, 0x4F);
const QColor FaceLine(0xA0, 0x6A, 0x00);

QPen Outline(const QColor &color, double width = 5) {
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void Shape(QPainter &p, const QPainterPath &path, const QColor &fill, const QColor &line,
           double width = 5) {
    p.setPen(Outline(line, width));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath RoundRect(double x, double y, double w, double h, double r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath Circle(double cx, double cy, double r) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

void Line(QPainter &p, const QColor &color, double width, std::initializer_list<QPointF> points) {
    p.setPen(Outline(color, width));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF(QList<QPointF>(points)));
}

// An open hand, fingers up, slightly turned as in a wave, with two motion marks.
void Hand(QPainter &p) {
    p.save();
    p.translate(60, 70);
    p.rotate(-12);
    QPainterPath hand = RoundRect(-26, -6, 52, 48, 16);
    const double fingers[4][2] = {{-26, 40}, {-12, 48}, {2, 46}, {16, 38}};
    for (const auto &f : fingers)
        hand = hand.united(RoundRect(f[0], -f[1], 12, f[1] + 10, 6));
    // The thumb leaves the side of the palm, pointing up and out.
    const QPainterPath thumb = RoundRect(-6, -34, 12, 40, 6);
    QTransform turn;
    turn.translate(-18, 26);
    turn.rotate(-42);
    hand = hand.united(turn.map(thumb));
    Shape(p, hand.simplified(), Skin, SkinLine, 4);
    p.restore();
    p.setPen(Outline(Ink, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(78, 14, 30, 30), 0 * 16, 80 * 16);
    p.drawArc(QRectF(74, 6, 44, 44), 0 * 16, 80 * 16);
}

void Heart(QPainter &p) {
    QPainterPath heart;
    heart.moveTo(64, 110);
    heart.cubicTo(20, 80, 8, 52, 18, 34);
    heart.cubicTo(28, 14, 56, 14, 64, 38);
    heart.cubicTo(72, 14, 100, 14, 110, 34);
    heart.cubicTo(120, 52, 108, 80, 64, 110);
    Shape(p, heart, QColor(0xE5, 0x39, 0x35), QColor(0x9A, 0x12, 0x12));
}

void Tick(QPainter &p) {
    Shape(p, Circle(64, 64, 54), QColor(0x43, 0xA0, 0x47), QColor(0x1B, 0x5E, 0x20));
    Line(p, Qt::white, 14, {{36, 66}, {56, 86}, {94, 44}});
}

void Cross(QPainter &p) {
    Shape(p, Circle(64, 64, 54), QColor(0xE5, 0x39, 0x35), QColor(0x9A, 0x12, 0x12));
    Line(p, Qt::white, 14, {{42, 42}, {86, 86}});
    Line(p, Qt::white, 14, {{86, 42}, {42, 86}});
}

// A plate between a fork and a knife.
void Meal(QPainter &p) {
    Shape(p, Circle(64, 64, 36), QColor(0xE3, 0xF2, 0xFD), QColor(0x15, 0x65, 0xC0));
    Shape(p, Circle(64, 64, 22), Qt::white, QColor(0x64, 0x95, 0xCF), 3);
    const QColor metal(0x60, 0x60, 0x60);
    // Fork: three tines joined above a handle.
    Line(p, metal, 4, {{12, 18}, {12, 40}});
    Line(p, metal, 4, {{20, 18}, {20, 40}});
    Line(p, metal, 4, {{28, 18}, {28, 40}});
    Line(p, metal, 5, {{11, 40}, {29, 40}});
    Shape(p, RoundRect(16, 40, 8, 72, 4), metal, metal, 2);
    // Knife: a blade rounded on its cutting side, then a handle.
    QPainterPath blade;
    blade.moveTo(108, 16);
    blade.cubicTo(120, 30, 120, 52, 114, 66);
    blade.lineTo(108, 66);
    blade.closeSubpath();
    Shape(p, blade, QColor(0xB0, 0xB0, 0xB0), metal, 3);
    Shape(p, RoundRect(104, 64, 9, 48, 4), metal, metal, 2);
}

// A glass of water with a drop above it.
void Glass(QPainter &p) {
    QPainterPath water;
    water.moveTo(38, 52);
    water.lineTo(90, 52);
    water.lineTo(84, 110);
    water.lineTo(44, 110);
    water.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x42, 0xA5, 0xF5));
    p.drawPath(water);
    QPainterPath glass;
    glass.moveTo(34, 22);
    glass.lineTo(94, 22);
    glass.lineTo(85, 112);
    glass.lineTo(43, 112);
    glass.closeSubpath();
    p.setPen(Outline(QColor(0x37, 0x47, 0x4F), 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glass);
    Line(p, QColor(0x37, 0x47, 0x4F), 3, {{37, 52}, {91, 52}});
    QPainterPath drop;
    drop.moveTo(108, 8);
    drop.cubicTo(114, 20, 120, 26, 114, 34);
    drop.cubicTo(110, 39, 102, 36, 102, 30);
    drop.cubicTo(101, 24, 104, 18, 108, 8);
    Shape(p, drop, QColor(0x42, 0xA5, 0xF5), QColor(0x0D, 0x47, 0xA1), 3);
}

void Face(QPainter &p) {
    Shape(p, Circle(64, 66, 54), FaceYellow, FaceLine);
}

// A sad face with a plaster on its forehead.
void Hurt(QPainter &p) {
    Face(p);
    p.setPen(Outline(Ink, 5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(40, 88, 48, 30), 30 * 16, 120 * 16); // corners of the mouth down
    p.setBrush(Ink);
    p.drawEllipse(QPointF(46, 68), 4, 5);
    p.drawEllipse(QPointF(82, 68), 4, 5);
    Line(p, Ink, 4, {{36, 56}, {52, 52}});
    Line(p, Ink, 4, {{92, 56}, {76, 52}});
    p.save();
    p.translate(66, 30);
    p.rotate(-20);
    Shape(p, RoundRect(-26, -8, 52, 16, 6), QColor(0xF4, 0xD9, 0xB6), QColor(0xB5, 0x7A, 0x3C), 3);
    Shape(p, RoundRect(-8, -7, 16, 14, 2), QColor(0xE8, 0xC0, 0x90), QColor(0xB5, 0x7A, 0x3C), 2);
    p.restore();
    // A tear.
    QPainterPath tear;
    tear.moveTo(88, 78);
    tear.cubicTo(92, 86, 95, 90, 91, 95);
    tear.cubicTo(88, 98, 83, 96, 84, 90);
    tear.cubicTo(84, 86, 86, 83, 88, 78);
    Shape(p, tear, QColor(0x64, 0xB5, 0xF6), QColor(0x15, 0x65, 0xC0), 2);
}

// A hand bell ringing.
void Bell(QPainter &p) {
    QPainterPath bell;
    bell.moveTo(64, 20);
    bell.cubicTo(88, 20, 94, 40, 94, 62);
    bell.cubicTo(94, 80, 100, 88, 108, 94);
    bell.lineTo(20, 94);
    bell.cubicTo(28, 88, 34, 80, 34, 62);
    bell.cubicTo(34, 40, 40, 20, 64, 20);
    const QColor gold(0xFB, 0xC0, 0x2D);
    const QColor goldLine(0x8D, 0x5A, 0x00);
    Shape(p, Circle(64, 110, 9), gold, goldLine, 4);
    Shape(p, bell, gold, goldLine);
    Shape(p, RoundRect(16, 90, 96, 10, 5), gold, goldLine, 4);
    Shape(p, Circle(64, 14, 6), gold, goldLine, 4);
    p.setPen(Outline(Ink, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(98, 28, 22, 40), -60 * 16, 120 * 16);
    p.drawArc(QRectF(8, 28, 22, 40), 120 * 16, 120 * 16);
}

// A bed with a moon and stars over it.
void Sleep(QPainter &p) {
    const QColor wood(0x8D, 0x6E, 0x63);
    const QColor woodLine(0x4E, 0x34, 0x2E);
    Shape(p, RoundRect(10, 60, 12, 56, 3), wood, woodLine, 3);
    Shape(p, RoundRect(106, 84, 12, 32, 3), wood, woodLine, 3);
    Shape(p, RoundRect(18, 84, 96, 18, 4), Qt::white, woodLine, 3);
    Shape(p, RoundRect(24, 70, 26, 16, 7), Qt::white, QColor(0x78, 0x90, 0x9C), 3);
    Shape(p, RoundRect(46, 74, 66, 22, 6), QColor(0x5C, 0x6B, 0xC0), QColor(0x28, 0x35, 0x93), 3);
    QPainterPath moon = Circle(86, 30, 22).subtracted(Circle(96, 22, 18));
    Shape(p, moon, QColor(0xFF, 0xD5, 0x4F), QColor(0xA0, 0x6A, 0x00), 3);
    Line(p, QColor(0x28, 0x35, 0x93), 4, {{30, 18}, {44, 18}, {30, 34}, {44, 34}});
    Line(p, QColor(0x28, 0x35, 0x93), 3, {{50, 36}, {59, 36}, {50, 47}, {59, 47}});
}

// A tired face: eyes falling shut under weary brows, and a yawn.
void Tired(QPainter &p) {
    Face(p);
    p.setPen(Outline(Ink, 5));
    p.setBrush(Qt::NoBrush);
    for (const double x : {46.0, 82.0})
        p.drawArc(QRectF(x - 12, 56, 24, 16), 200 * 16, 140 * 16);
    Line(p, Ink, 4, {{34, 50}, {54, 44}});
    Line(p, Ink, 4, {{94, 50}, {74, 44}});
    Shape(p, RoundRect(52, 84, 24, 28, 12), QColor(0x8D, 0x2B, 0x2B), Ink, 4);
}

// A speech bubble calling out.
void Callout(QPainter &p) {
    QPainterPath bubble = RoundRect(10, 14, 108, 76, 22);
    QPainterPath tail;
    tail.moveTo(30, 80);
    tail.lineTo(22, 116);
    tail.lineTo(56, 86);
    tail.closeSubpath();
    Shape(p, bubble.united(tail).simplified(), QColor(0xBB, 0xDE, 0xFB), QColor(0x15, 0x65, 0xC0));
    Line(p, QColor(0x0D, 0x47, 0xA1), 12, {{64, 30}, {64, 58}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0D, 0x47, 0xA1));
    p.drawEllipse(QPointF(64, 75), 7, 7);
}

// A surprised face: round eyes, round mouth, raised brows.
void Surprise(QPainter &p) {
    Face(p);
    p.setPen(Outline(Ink, 4));
    for (const double x : {46.0, 82.0}) {
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, 62), 10, 11);
        p.setBrush(Ink);
        p.drawEllipse(QPointF(x, 63), 4, 4);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 12, 36, 24, 16), 30 * 16, 120 * 16);
    }
    Shape(p, Circle(64, 96, 10), QColor(0x8D, 0x2B, 0x2B), Ink, 4);
}

// A keyboard: rows of keys and a space bar.
void Keyboard(QPainter &p) {
    Shape(p, RoundRect(6, 30, 116, 70, 10), QColor(0x54, 0x6E, 0x7A), QColor(0x26, 0x32, 0x38), 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 7; ++col)
            p.drawRoundedRect(QRectF(15 + col * 14.5 + (row % 2) * 4, 38 + row * 15, 11, 11), 2, 2);
    }
    p.drawRoundedRect(QRectF(34, 84, 60, 10), 2, 2);
}

// A loudspeaker sending out sound.
void Speaker(QPainter &p) {
    QPainterPath speaker;
    speaker.moveTo(12, 48);
    speaker.lineTo(34, 48);
    speaker.lineTo(62, 22);
    speaker.lineTo(62, 106);
    speaker.lineTo(34, 80);
    speaker.lineTo(12, 80);
    speaker.closeSubpath();
    Shape(p, speaker, QColor(0x42, 0x5B, 0xC0), QColor(0x1A, 0x23, 0x7E));
    p.setPen(Outline(QColor(0x1A, 0x23, 0x7E), 6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(50, 44, 30, 40), -50 * 16, 100 * 16);
    p.drawArc(QRectF(44, 30, 54, 68), -50 * 16, 100 * 16);
    p.drawArc(QRectF(38, 16, 78, 96), -50 * 16, 100 * 16);
}

// An eraser rubbing out a line.
void Eraser(QPainter &p) {
    Line(p, QColor(0x9E, 0x9E, 0x9E), 4, {{10, 110}, {70, 110}});
    p.save();
    p.translate(70, 60);
    p.rotate(-35);
    Shape(p, RoundRect(-44, -20, 50, 40, 6), QColor(0xF4, 0x8F, 0xB1), QColor(0x88, 0x0E, 0x4F), 4);
    Shape(p, RoundRect(4, -20, 40, 40, 6), QColor(0x42, 0xA5, 0xF5), QColor(0x0D, 0x47, 0xA1), 4);
    p.restore();
}

using TPainter = std::function<void(QPainter &)>;

const std::map<QString, TPainter> &Painters() {
    static const std::map<QString, TPainter> painters = {
        {QStringLiteral("ahoj"), Hand},
        {QStringLiteral("dekuji"), Heart},
        {QStringLiteral("ano"), Tick},
        {QStringLiteral("ne"), Cross},
        {QStringLiteral("hlad"), Meal},
        {QStringLiteral("zizen"), Glass},
        {QStringLiteral("bolest"), Hurt},
        {QStringLiteral("pomoc"), Bell},
        {QStringLiteral("spat"), Sleep},
        {QStringLiteral("unava"), Tired},
        {QStringLiteral("halo"), Callout},
        {QStringLiteral("ups"), Surprise},
        {QStringLiteral("klavesnice"), Keyboard},
        {QStringLiteral("mluv"), Speaker},
        {QStringLiteral("smazat"), Eraser},
    };
    return painters;
}

} // namespace

namespace SymbolArt {

QStringList SymbolNames() {
    QStringList names;
    for (const auto &entry : Painters())
        names.append(entry.first);
    return names;
}

QImage Draw(const QString &name, int size, const QColor &background) {
    const auto it = Painters().find(name);
    if (it == Painters().end() || size <= 0)
        return QImage();
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(background.isValid() ? background : QColor(Qt::white));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 128.0, size / 128.0);
    it->second(painter);
    return image;
}

} // namespace SymbolArt
