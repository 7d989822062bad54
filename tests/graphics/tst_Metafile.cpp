#include "MetafileBuilder.h"
#include "MetafilePlayer.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <bit>

namespace {

const QColor Red(255, 0, 0), Green(0, 255, 0), Blue(0, 0, 255), White(255, 255, 255),
    Black(0, 0, 0);

QImage Render(const QByteArray &bytes, QSize size = QSize(100, 100)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TMetafilePlayer::Play(painter, QRectF(QPointF(0, 0), size), bytes);
    painter.end();
    return image;
}

int CountColor(const QImage &image, const QRect &area, const QColor &color) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

std::uint32_t FloatBits(float f) {
    return std::bit_cast<std::uint32_t>(f);
}

// A red fill with no outline in slots 0 (brush) and 1 (null pen), window 0..1000.
TWmfBuilder RedWmf(bool window = true) {
    TWmfBuilder b;
    if (window)
        b.Window(0, 0, 1000, 1000);
    b.SolidBrush(Red).Select(0).Pen(5, 0, Black).Select(1);
    return b;
}

TEmfBuilder RedEmf() {
    TEmfBuilder b;
    b.SolidBrush(1, Red).Select(1).NullPen();
    return b;
}

QByteArray PolyPolygonParams() {
    QByteArray p;
    Bytes::U16(p, 2);
    Bytes::U16(p, 4);
    Bytes::U16(p, 4);
    for (int v : {0, 0, 1000, 0, 1000, 1000, 0, 1000, 250, 250, 750, 250, 750, 750, 250, 750})
        Bytes::U16(p, std::uint32_t(v));
    return p;
}

QByteArray WmfStretchDib(std::uint16_t function) {
    QByteArray p;
    Bytes::U32(p, 0x00CC0020);
    if (function == 0x0F43)
        Bytes::U16(p, 0);
    for (int v : {2, 2, 0, 0}) // source height, width, y, x
        Bytes::U16(p, std::uint32_t(v));
    for (int v : {1000, 1000, 0, 0}) // destination height, width, y, x
        Bytes::U16(p, std::uint32_t(v));
    return p + Bytes::Dib2x2Header() + Bytes::Dib2x2Bits();
}

QByteArray WmfFont(int height) {
    QByteArray p;
    for (int v : {height, 0, 0, 0, 700})
        Bytes::U16(p, std::uint32_t(v) & 0xFFFF);
    p.append(QByteArray(8, '\0'));
    p.append("DejaVu Sans");
    p.append('\0');
    return p;
}

QByteArray WmfExtTextOut(int x, int y, const QByteArray &text) {
    QByteArray p;
    Bytes::U16(p, std::uint32_t(y));
    Bytes::U16(p, std::uint32_t(x));
    Bytes::U16(p, std::uint32_t(text.size()));
    Bytes::U16(p, 0);
    p.append(text);
    return p;
}

QByteArray EmfStretchDIBits() {
    QByteArray p(16, '\0');
    for (int v : {0, 0, 0, 0, 2, 2}) // destination x, y; source x, y, cx, cy
        Bytes::U32(p, std::uint32_t(v));
    for (int v : {80, 40, 120, 16, 0})
        Bytes::U32(p, std::uint32_t(v));
    Bytes::U32(p, 0x00CC0020);
    Bytes::U32(p, 100);
    Bytes::U32(p, 100);
    return p + Bytes::Dib2x2Header() + Bytes::Dib2x2Bits();
}

QByteArray EmfPoints16(std::initializer_list<int> xy) {
    QByteArray p(16, '\0');
    Bytes::U32(p, std::uint32_t(xy.size() / 2));
    for (int v : xy)
        Bytes::U16(p, std::uint32_t(v) & 0xFFFF);
    return p;
}

QByteArray EmfText(const QString &text) {
    QByteArray p(16, '\0');
    Bytes::U32(p, 1);            // graphics mode
    Bytes::U32(p, FloatBits(1)); // scales
    Bytes::U32(p, FloatBits(1));
    Bytes::U32(p, 10); // reference x, y
    Bytes::U32(p, 10);
    Bytes::U32(p, std::uint32_t(text.size()));
    Bytes::U32(p, 76);              // string offset from the record start
    Bytes::U32(p, 0);               // options
    p.append(QByteArray(16, '\0')); // rectangle
    Bytes::U32(p, 0);               // no advances
    for (QChar c : text)
        Bytes::U16(p, c.unicode());
    return p;
}

QByteArray EmfFont(int height) {
    QByteArray p;
    Bytes::U32(p, 2);
    for (int v : {height, 0, 0, 0, 700})
        Bytes::U32(p, std::uint32_t(v));
    p.append(QByteArray(8, '\0'));
    for (QChar c : QStringLiteral("DejaVu Sans"))
        Bytes::U16(p, c.unicode());
    p.append(QByteArray(64 - 22, '\0'));
    return p;
}

// Many record kinds in one picture, for the damaged-data loops.
QByteArray RichWmf() {
    TWmfBuilder b = RedWmf();
    b.Raw(0x02FB, WmfFont(-200)).Select(2).Record(0x0209, {0xFF, 0});
    b.Raw(0x0A32, WmfExtTextOut(100, 100, "Hello"));
    b.Record(0x001E, {}).Record(0x0416, {900, 900, 100, 100});
    b.Raw(0x0538, PolyPolygonParams());
    b.Record(0x0127, {-1}).Pen(0, 3, Blue).Select(3);
    b.Record(0x0214, {10, 10}).Record(0x0213, {990, 990});
    b.Record(0x0325, {3, 0, 0, 500, 500, 1000, 0});
    b.Record(0x0418, {600, 600, 400, 400}).Record(0x081A, {0, 500, 500, 1000, 1000, 1000, 0, 0});
    b.Record(0x061C, {100, 100, 800, 800, 200, 200});
    b.Raw(0x0F43, WmfStretchDib(0x0F43)).Raw(0x0B41, WmfStretchDib(0x0B41));
    b.Record(0x01F0, {0}).Record(0x061D, {0x0021, 0x00F0, 100, 100, 0, 0});
    return b.Build(QRect(0, 0, 1000, 1000));
}

QByteArray RichEmf() {
    TEmfBuilder b = RedEmf();
    b.Raw(82, EmfFont(-20)).Select(2).Raw(84, EmfText(QStringLiteral("Hi")));
    b.Record(33, {}).Record(30, {10, 10, 90, 90});
    b.Raw(86, EmfPoints16({0, 0, 100, 0, 0, 100})).Record(34, {-1});
    b.Record(38, {3, 0, 2, 0, Bytes::ColorRef(Blue)}).Select(3);
    b.Record(27, {5, 5}).Record(54, {95, 95}).Raw(85, EmfPoints16({0, 50, 30, 50, 60, 50, 90, 50}));
    b.Record(59, {}).Record(42, {20, 20, 80, 80}).Record(60, {}).Record(63, {0, 0, 0, 0});
    b.Record(47, {0, 0, 100, 100, 100, 50, 50, 0}).Raw(81, EmfStretchDIBits());
    b.Record(35, {FloatBits(1), 0, 0, FloatBits(1), FloatBits(5), FloatBits(5)});
    b.Record(40, {1}).Record(75, {0, 5});
    return b.Build();
}

} // namespace

class TestMetafile : public QObject {
    Q_OBJECT

private slots:
    void pixels_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<QPoint>>("points");
        QTest::addColumn<QList<QColor>>("colors");
        const QSize s(100, 100);
        const QRect box(0, 0, 1000, 1000);

        QTest::newRow("wmf placeable rectangle")
            << RedWmf().Rectangle(100, 100, 500, 500).Build(box) << s
            << QList<QPoint>{{30, 30}, {70, 70}, {5, 5}} << QList<QColor>{Red, White, White};
        QTest::newRow("wmf placeable scales to a wide target")
            << RedWmf().Rectangle(100, 100, 500, 500).Build(box) << QSize(200, 100)
            << QList<QPoint>{{90, 40}, {110, 40}, {60, 60}} << QList<QColor>{Red, White, White};
        QTest::newRow("wmf placeable box without window records")
            << RedWmf(false).Rectangle(100, 100, 500, 500).Build(box) << s
            << QList<QPoint>{{30, 30}, {70, 70}} << QList<QColor>{Red, White};
        QTest::newRow("wmf plain with window")
            << RedWmf().Rectangle(100, 100, 500, 500).Build() << s
            << QList<QPoint>{{30, 30}, {70, 70}} << QList<QColor>{Red, White};
        QTest::newRow("wmf plain without window is unscaled")
            << RedWmf(false).Rectangle(10, 10, 40, 40).Build() << s
            << QList<QPoint>{{20, 20}, {50, 50}} << QList<QColor>{Red, White};
        QTest::newRow("wmf window origin")
            << TWmfBuilder()
                   .Window(1000, 1000, 1000, 1000)
                   .SolidBrush(Red)
                   .Select(0)
                   .Pen(5, 0, Black)
                   .Select(1)
                   .Rectangle(1100, 1100, 1500, 1500)
                   .Build()
            << s << QList<QPoint>{{30, 30}, {70, 70}} << QList<QColor>{Red, White};
        QTest::newRow("wmf negative window extent mirrors")
            << TWmfBuilder()
                   .Window(1000, 0, -1000, 1000)
                   .SolidBrush(Red)
                   .Select(0)
                   .Pen(5, 0, Black)
                   .Select(1)
                   .Rectangle(100, 100, 500, 500)
                   .Build()
            << s << QList<QPoint>{{70, 30}, {30, 30}} << QList<QColor>{Red, White};
        QTest::newRow("wmf line") << TWmfBuilder()
                                         .Window(0, 0, 1000, 1000)
                                         .Pen(0, 0, Black)
                                         .Select(0)
                                         .Record(0x0214, {505, 100})
                                         .Record(0x0213, {505, 900})
                                         .Build()
                                  << s << QList<QPoint>{{50, 50}, {50, 40}, {5, 50}}
                                  << QList<QColor>{Black, White, White};
        QTest::newRow("wmf wide pen scales")
            << TWmfBuilder()
                   .Window(0, 0, 1000, 1000)
                   .Pen(0, 100, Blue)
                   .Select(0)
                   .Record(0x0214, {500, 100})
                   .Record(0x0213, {500, 900})
                   .Build()
            << s << QList<QPoint>{{50, 46}, {50, 54}, {50, 60}} << QList<QColor>{Blue, Blue, White};
        QTest::newRow("wmf ellipse")
            << RedWmf().Record(0x0418, {1000, 1000, 0, 0}).Build() << s
            << QList<QPoint>{{50, 50}, {3, 3}, {97, 97}} << QList<QColor>{Red, White, White};
        QTest::newRow("wmf polygon")
            << RedWmf().Record(0x0324, {3, 0, 0, 1000, 0, 0, 1000}).Build() << s
            << QList<QPoint>{{20, 20}, {80, 80}} << QList<QColor>{Red, White};
        QTest::newRow("wmf polygon count beyond the record keeps its points")
            << RedWmf().Record(0x0324, {50, 0, 0, 1000, 0, 0, 1000}).Build() << s
            << QList<QPoint>{{20, 20}, {80, 80}} << QList<QColor>{Red, White};
        QTest::newRow("wmf poly-polygon alternate leaves the hole")
            << RedWmf().Raw(0x0538, PolyPolygonParams()).Build() << s
            << QList<QPoint>{{10, 10}, {50, 50}} << QList<QColor>{Red, White};
        QTest::newRow("wmf poly-polygon winding fills the hole")
            << RedWmf().Record(0x0106, {2}).Raw(0x0538, PolyPolygonParams()).Build() << s
            << QList<QPoint>{{10, 10}, {50, 50}} << QList<QColor>{Red, Red};
        QTest::newRow("wmf pie from 0 to 90 degrees")
            << RedWmf().Record(0x081A, {0, 500, 500, 1000, 1000, 1000, 0, 0}).Build() << s
            << QList<QPoint>{{70, 30}, {30, 30}, {30, 70}, {70, 70}}
            << QList<QColor>{Red, White, White, White};
        QTest::newRow("wmf chord over the top half")
            << RedWmf().Record(0x0830, {500, 0, 500, 1000, 1000, 1000, 0, 0}).Build() << s
            << QList<QPoint>{{50, 30}, {50, 70}} << QList<QColor>{Red, White};
        QTest::newRow("wmf round rectangle keeps corners free")
            << RedWmf().Record(0x061C, {400, 400, 1000, 1000, 0, 0}).Build() << s
            << QList<QPoint>{{1, 1}, {50, 50}, {50, 1}} << QList<QColor>{White, Red, Red};
        QTest::newRow("wmf restore dc brings the brush back")
            << TWmfBuilder()
                   .Window(0, 0, 1000, 1000)
                   .SolidBrush(Red)
                   .SolidBrush(Green)
                   .Pen(5, 0, Black)
                   .Select(2)
                   .Select(0)
                   .Record(0x001E, {})
                   .Select(1)
                   .Record(0x0127, {-1})
                   .Rectangle(0, 0, 1000, 1000)
                   .Build()
            << s << QList<QPoint>{{50, 50}} << QList<QColor>{Red};
        QTest::newRow("wmf deleted and unknown objects are not selected")
            << TWmfBuilder()
                   .Window(0, 0, 1000, 1000)
                   .SolidBrush(Red)
                   .SolidBrush(Green)
                   .Pen(5, 0, Black)
                   .Select(2)
                   .Select(0)
                   .Record(0x01F0, {1})
                   .Select(1)
                   .Select(999)
                   .Rectangle(0, 0, 1000, 1000)
                   .Build()
            << s << QList<QPoint>{{50, 50}} << QList<QColor>{Red};
        QTest::newRow("wmf freed slot is reused")
            << TWmfBuilder()
                   .Window(0, 0, 1000, 1000)
                   .SolidBrush(Green)
                   .Pen(5, 0, Black)
                   .Select(1)
                   .Record(0x01F0, {0})
                   .SolidBrush(Red)
                   .Select(0)
                   .Rectangle(0, 0, 1000, 1000)
                   .Build()
            << s << QList<QPoint>{{50, 50}} << QList<QColor>{Red};
        QTest::newRow("wmf intersect clip")
            << RedWmf().Record(0x0416, {500, 500, 0, 0}).Rectangle(0, 0, 1000, 1000).Build() << s
            << QList<QPoint>{{25, 25}, {75, 75}, {75, 25}} << QList<QColor>{Red, White, White};
        QTest::newRow("wmf exclude clip")
            << RedWmf().Record(0x0415, {500, 500, 0, 0}).Rectangle(0, 0, 1000, 1000).Build() << s
            << QList<QPoint>{{25, 25}, {75, 75}} << QList<QColor>{White, Red};
        QTest::newRow("wmf stretch dib (bottom-up rows)")
            << TWmfBuilder().Window(0, 0, 1000, 1000).Raw(0x0F43, WmfStretchDib(0x0F43)).Build()
            << s << QList<QPoint>{{25, 25}, {75, 25}, {25, 75}, {75, 75}}
            << QList<QColor>{Red, Green, Blue, White};
        QTest::newRow("wmf dib stretch blt")
            << TWmfBuilder().Window(0, 0, 1000, 1000).Raw(0x0B41, WmfStretchDib(0x0B41)).Build()
            << s << QList<QPoint>{{25, 25}, {75, 25}, {25, 75}} << QList<QColor>{Red, Green, Blue};
        QTest::newRow("wmf patblt paints with the brush")
            << RedWmf().Record(0x061D, {0x0021, 0x00F0, 500, 500, 0, 0}).Build() << s
            << QList<QPoint>{{25, 25}, {75, 75}} << QList<QColor>{Red, White};
        QTest::newRow("wmf zero window extent draws nothing")
            << TWmfBuilder()
                   .Window(0, 0, 0, 0)
                   .SolidBrush(Red)
                   .Select(0)
                   .Rectangle(0, 0, 1000, 1000)
                   .Build()
            << s << QList<QPoint>{{50, 50}} << QList<QColor>{White};

        QTest::newRow("emf rectangle in frame")
            << RedEmf().Rectangle(10, 10, 50, 50).Build() << s
            << QList<QPoint>{{30, 30}, {70, 70}, {5, 5}} << QList<QColor>{Red, White, White};
        QTest::newRow("emf scales to the target")
            << RedEmf().Rectangle(10, 10, 50, 50).Build() << QSize(200, 200)
            << QList<QPoint>{{60, 60}, {110, 110}} << QList<QColor>{Red, White};
        QTest::newRow("emf frame offset")
            << RedEmf().Rectangle(50, 50, 100, 100).Build(QRect(5000, 5000, 10000, 10000)) << s
            << QList<QPoint>{{20, 20}, {70, 70}} << QList<QColor>{Red, White};
        QTest::newRow("emf anisotropic mapping")
            << RedEmf()
                   .Record(17, {8})
                   .Record(9, {1000, 1000})
                   .Record(11, {100, 100})
                   .Rectangle(100, 100, 500, 500)
                   .Build()
            << s << QList<QPoint>{{30, 30}, {70, 70}} << QList<QColor>{Red, White};
        QTest::newRow("emf isotropic keeps the aspect")
            << RedEmf()
                   .Record(17, {7})
                   .Record(9, {1000, 500})
                   .Record(11, {100, 100})
                   .Rectangle(0, 0, 1000, 500)
                   .Build()
            << s << QList<QPoint>{{50, 40}, {50, 60}} << QList<QColor>{Red, White};
        QTest::newRow("emf hundredths of a millimetre, y up")
            << RedEmf().Record(17, {3}).Rectangle(1000, -1000, 5000, -5000).Build() << s
            << QList<QPoint>{{30, 30}, {70, 70}} << QList<QColor>{Red, White};
        QTest::newRow("emf world transform")
            << RedEmf()
                   .Record(35, {FloatBits(2), 0, 0, FloatBits(2), 0, 0})
                   .Rectangle(5, 5, 25, 25)
                   .Build()
            << s << QList<QPoint>{{30, 30}, {60, 60}} << QList<QColor>{Red, White};
        QTest::newRow("emf modify world transform multiplies")
            << RedEmf()
                   .Record(35, {FloatBits(2), 0, 0, FloatBits(2), 0, 0})
                   .Record(36, {FloatBits(1), 0, 0, FloatBits(1), FloatBits(20), 0, 2})
                   .Rectangle(5, 5, 25, 25)
                   .Build()
            << s << QList<QPoint>{{70, 30}, {30, 30}} << QList<QColor>{Red, White};
        QTest::newRow("emf polygon16")
            << RedEmf().Raw(86, EmfPoints16({0, 0, 100, 0, 0, 100})).Build() << s
            << QList<QPoint>{{20, 20}, {80, 80}} << QList<QColor>{Red, White};
        QTest::newRow("emf polygon 32-bit")
            << RedEmf().Record(3, {0, 0, 0, 0, 3, 0, 0, 100, 0, 0, 100}).Build() << s
            << QList<QPoint>{{20, 20}, {80, 80}} << QList<QColor>{Red, White};
        QTest::newRow("emf poly-bezier16 line")
            << TEmfBuilder()
                   .Record(38, {1, 0, 0, 0, Bytes::ColorRef(Black)})
                   .Select(1)
                   .Raw(85, EmfPoints16({10, 50, 40, 50, 60, 50, 90, 50}))
                   .Build()
            << s << QList<QPoint>{{50, 50}, {50, 40}} << QList<QColor>{Black, White};
        QTest::newRow("emf path fill")
            << RedEmf()
                   .Record(59, {})
                   .Rectangle(10, 10, 50, 50)
                   .Record(60, {})
                   .Record(62, {0, 0, 0, 0})
                   .Build()
            << s << QList<QPoint>{{30, 30}, {70, 70}} << QList<QColor>{Red, White};
        QTest::newRow("emf aborted path draws nothing")
            << RedEmf().Record(59, {}).Rectangle(10, 10, 50, 50).Record(68, {}).Build() << s
            << QList<QPoint>{{30, 30}} << QList<QColor>{White};
        QTest::newRow("emf stretch dibits")
            << TEmfBuilder().Raw(81, EmfStretchDIBits()).Build() << s
            << QList<QPoint>{{25, 25}, {75, 25}, {25, 75}, {75, 75}}
            << QList<QColor>{Red, Green, Blue, White};
        QTest::newRow("emf pie and ellipse")
            << RedEmf().Record(47, {0, 0, 100, 100, 100, 50, 50, 0}).Build() << s
            << QList<QPoint>{{70, 30}, {30, 70}} << QList<QColor>{Red, White};
        QTest::newRow("emf clip region reset lifts the clip")
            << RedEmf()
                   .Record(30, {0, 0, 50, 50})
                   .Record(75, {0, 5})
                   .Rectangle(0, 0, 100, 100)
                   .Build()
            << s << QList<QPoint>{{75, 75}} << QList<QColor>{Red};
        QTest::newRow("emf intersect clip")
            << RedEmf().Record(30, {0, 0, 50, 50}).Rectangle(0, 0, 100, 100).Build() << s
            << QList<QPoint>{{25, 25}, {75, 75}} << QList<QColor>{Red, White};
        QTest::newRow("emf restore dc") << RedEmf()
                                               .SolidBrush(2, Green)
                                               .Record(33, {})
                                               .Select(2)
                                               .Record(34, {-1})
                                               .Rectangle(0, 0, 100, 100)
                                               .Build()
                                        << s << QList<QPoint>{{50, 50}} << QList<QColor>{Red};
        QTest::newRow("emf stock brush")
            << TEmfBuilder().Select(0x80000004u).NullPen().Rectangle(0, 0, 50, 50).Build() << s
            << QList<QPoint>{{25, 25}, {75, 75}} << QList<QColor>{Black, White};
        QTest::newRow("emf record past the end stops after what was drawn") << [] {
            QByteArray b = RedEmf().Rectangle(10, 10, 50, 50).Rectangle(0, 0, 100, 100).Build();
            // The second rectangle's size field claims far more than the file holds.
            const qsizetype second = b.lastIndexOf(QByteArray::fromHex("2b000000"));
            b.replace(second + 4, 4, QByteArray::fromHex("f0ffffff"));
            return b;
        }() << s << QList<QPoint>{{30, 30}} << QList<QColor>{Red};
    }
    void pixels() {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(QList<QPoint>, points);
        QFETCH(QList<QColor>, colors);
        const QImage image = Render(bytes, size);
        for (qsizetype i = 0; i < points.size(); ++i) {
            if (image.pixelColor(points[i]) != colors[i])
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                                     .arg(points[i].x())
                                     .arg(points[i].y())
                                     .arg(image.pixelColor(points[i]).name(), colors[i].name())));
        }
    }

    void drawingStaysInTheTarget() {
        // A picture larger than its own frame must not paint outside the target rectangle.
        const QByteArray bytes = RedEmf().Rectangle(-1000, -1000, 1000, 1000).Build();
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TMetafilePlayer::Play(painter, QRectF(20, 20, 40, 40), bytes);
        painter.end();
        QCOMPARE(image.pixelColor(30, 30), Red);
        QCOMPARE(image.pixelColor(10, 10), White);
        QCOMPARE(image.pixelColor(70, 70), White);
    }

    void painterTransformIsRespected() {
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(50, 0);
        TMetafilePlayer::Play(painter, QRectF(0, 0, 50, 50),
                              RedWmf().Rectangle(0, 0, 1000, 1000).Build(QRect(0, 0, 1000, 1000)));
        painter.end();
        QCOMPARE(image.pixelColor(75, 25), Red);
        QCOMPARE(image.pixelColor(25, 25), White);
    }

    void text_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("wmf ext text out") << RedWmf()
                                                 .Raw(0x02FB, WmfFont(-400))
                                                 .Select(2)
                                                 .Record(0x0102, {1})
                                                 .Raw(0x0A32, WmfExtTextOut(100, 100, "H"))
                                                 .Build();
        QTest::newRow("wmf text out") << RedWmf()
                                             .Raw(0x02FB, WmfFont(-400))
                                             .Select(2)
                                             .Record(0x0102, {1})
                                             .Raw(0x0521,
                                                  [] {
                                                      QByteArray p;
                                                      Bytes::U16(p, 1);
                                                      p.append("H");
                                                      p.append('\0');
                                                      Bytes::U16(p, 100);
                                                      Bytes::U16(p, 100);
                                                      return p;
                                                  }())
                                             .Build();
        QTest::newRow("emf ext text out wide") << RedEmf()
                                                      .Raw(82, EmfFont(-40))
                                                      .Select(2)
                                                      .Record(18, {1})
                                                      .Raw(84, EmfText(QStringLiteral("H")))
                                                      .Build();
    }
    void text() {
        QFETCH(QByteArray, bytes);
        const QImage image = Render(bytes);
        // A 40-pixel "H" whose cell starts at (10, 10): dark strokes there, nothing elsewhere.
        QVERIFY(CountColor(image, QRect(10, 10, 40, 45), Black) > 40);
        QCOMPARE(CountColor(image, QRect(60, 60, 40, 40), Black), 0);
        QCOMPARE(CountColor(image, QRect(0, 0, 100, 9), Black), 0);
    }

    void hatchedBrushLeavesGaps() {
        const QImage image = Render(TWmfBuilder()
                                        .Window(0, 0, 100, 100)
                                        .Record(0x0102, {1})
                                        .Raw(0x02FC, QByteArray::fromHex("0200000000000000"))
                                        .Select(0)
                                        .Pen(5, 0, Black)
                                        .Select(1)
                                        .Rectangle(0, 0, 100, 100)
                                        .Build());
        const int black = CountColor(image, QRect(10, 10, 80, 80), Black);
        QVERIFY(black > 80 * 80 / 20);
        QVERIFY(black < 80 * 80 / 2);
        QCOMPARE(black + CountColor(image, QRect(10, 10, 80, 80), White), 80 * 80);
    }

    void naturalSize_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::newRow("emf frame of 100 mm") << RedEmf().Build() << QSize(377, 377);
        QTest::newRow("placeable one inch by half")
            << RedWmf().Build(QRect(0, 0, 1440, 720)) << QSize(96, 48);
        QTest::newRow("placeable 576 units per inch")
            << RedWmf().Build(QRect(10, 10, 576, 576), 576) << QSize(96, 96);
        QTest::newRow("plain window in twips")
            << TWmfBuilder().Window(0, 0, 2880, 1440).Build() << QSize(192, 96);
        QTest::newRow("plain without window") << TWmfBuilder().Build() << QSize(0, 0);
        QTest::newRow("placeable with zero units per inch")
            << RedWmf().Build(QRect(0, 0, 10, 10), 0) << QSize();
        QTest::newRow("no metafile") << QByteArray("nothing") << QSize();
    }
    void naturalSize() {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QCOMPARE(TMetafilePlayer::Size(bytes), size);
    }

    void check_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("emf") << RedEmf().Build() << true;
        QTest::newRow("placeable wmf") << RedWmf().Build(QRect(0, 0, 10, 10)) << true;
        QTest::newRow("plain wmf") << RedWmf().Build() << true;
        QTest::newRow("emf header size beyond the data") << RedEmf().Build().left(60) << false;
        QTest::newRow("placeable header only")
            << RedWmf().Build(QRect(0, 0, 10, 10)).left(30) << false;
        QTest::newRow("wrong wmf version")
            << RedWmf().Build().replace(4, 2, QByteArray::fromHex("0002")) << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void check() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QString error;
        QCOMPARE(TMetafilePlayer::Check(bytes, &error), valid);
        QCOMPARE(error.isEmpty(), valid);
    }

    // Pictures that are cheap to store but expensive to play stop at the work limit, drawn as
    // far as they got; any bound catches a player that works through them all.
    void workLimit_data() {
        QTest::addColumn<QByteArray>("bytes");
        TWmfBuilder excluded;
        excluded.Window(0, 0, 1000, 1000);
        for (int i = 0; i < 15625; ++i) {
            const int x = (i * 7) % 997, y = (i * 13) % 991;
            excluded.Record(0x0415, {y + 1, x + 1, y, x}); // ExcludeClipRect
        }
        QTest::newRow("wmf: 15625 clip exclusions") << excluded.Build(QRect(0, 0, 1000, 1000));
        TEmfBuilder emf;
        for (int i = 0; i < 20000; ++i) {
            const int x = (i * 7) % 97, y = (i * 13) % 89;
            emf.Record(29, {x, y, x + 1, y + 1}); // ExcludeClipRect
        }
        QTest::newRow("emf: 20000 clip exclusions") << emf.Build();
        TWmfBuilder many;
        for (int i = 0; i < 150000; ++i)
            many.Record(0x0102, {1}); // SetBkMode
        QTest::newRow("wmf: 150000 records") << many.Build(QRect(0, 0, 100, 100));
    }
    void workLimit() {
        QFETCH(QByteArray, bytes);
        QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!TMetafilePlayer::Play(painter, QRectF(0, 0, 200, 200), bytes));
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    }
    void ordinaryPicturesPlayToTheEnd() {
        QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        QVERIFY(TMetafilePlayer::Play(painter, QRectF(0, 0, 100, 100), RichWmf()));
        QVERIFY(TMetafilePlayer::Play(painter, QRectF(0, 0, 100, 100), RichEmf()));
    }

    void everyTruncationIsSafe_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("wmf") << RichWmf();
        QTest::newRow("emf") << RichEmf();
    }
    void everyTruncationIsSafe() {
        QFETCH(QByteArray, bytes);
        // The whole picture draws something; every prefix of it draws without failing.
        QVERIFY(CountColor(Render(bytes), QRect(0, 0, 100, 100), White) < 100 * 100);
        for (qsizetype n = 0; n <= bytes.size(); ++n) {
            const QByteArray prefix = bytes.left(n); // a copy, so reads past it are caught
            Render(prefix, QSize(32, 32));
        }
    }

    void corruptedBytesAreSafe_data() { everyTruncationIsSafe_data(); }
    void corruptedBytesAreSafe() {
        QFETCH(QByteArray, bytes);
        std::uint32_t seed = 12345;
        auto next = [&seed] {
            seed = seed * 1103515245u + 12345u;
            return seed >> 8;
        };
        for (int round = 0; round < 300; ++round) {
            QByteArray damaged = bytes;
            const int changes = 1 + int(next() % 6);
            for (int i = 0; i < changes; ++i) {
                const qsizetype at = qsizetype(next() % std::uint32_t(damaged.size()));
                // Mostly extreme values: they are what breaks counts and sizes.
                static const char values[] = {'\x00', '\xFF', '\x7F', '\x80', '\x01'};
                damaged[at] = (next() & 1) ? values[next() % 5] : char(next());
            }
            Render(damaged, QSize(32, 32));
        }
    }
};

QTEST_MAIN(TestMetafile)
#include "tst_Metafile.moc"
