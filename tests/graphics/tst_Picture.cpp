#include "JpegCodec.h"
#include "MetafileBuilder.h"
#include "Picture.h"
#include "PictureError.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Encode(const QImage &image, const char *format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        qFatal("cannot write the test image");
    return bytes;
}

// Left half red, right half blue, so orientation and stretching show in the pixels.
QImage Halves(int w = 8, int h = 4) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    painter.fillRect(w / 2, 0, w - w / 2, h, Qt::blue);
    return image;
}

QByteArray BmpFile() {
    return Encode(Halves(), "BMP");
}
QByteArray IcoFile() {
    return Encode(Halves(16, 16).convertToFormat(QImage::Format_ARGB32), "ICO");
}
QByteArray JpegFile() {
    return TPicture::FromImageAsJpeg(Halves(32, 16)).Bytes();
}
QByteArray EmfFile() {
    return TEmfBuilder()
        .SolidBrush(1, Qt::red)
        .Select(1)
        .NullPen()
        .Rectangle(0, 0, 50, 100)
        .Build();
}
QByteArray WmfFile(bool placeable) {
    TWmfBuilder b;
    b.Window(0, 0, 1440, 1440).SolidBrush(Qt::red).Select(0).Pen(5, 0, Qt::black).Select(1);
    b.Rectangle(0, 0, 720, 1440);
    return b.Build(placeable ? QRect(0, 0, 1440, 1440) : QRect());
}

QByteArray ShortString(const QByteArray &s) {
    return char(s.size()) + s;
}
QByteArray Length(std::uint32_t v) {
    QByteArray out;
    Bytes::U32(out, v);
    return out;
}

bool Near(const QColor &a, const QColor &b, int tolerance = 40) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

QImage DrawOn(const TPicture &picture, QSize size, const QColor &background = Qt::white) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    picture.Draw(painter, QRectF(QPointF(0, 0), size));
    return image;
}

} // namespace

class TestPicture : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("kindName");
        QTest::addColumn<QSize>("size");
        QTest::newRow("bitmap") << BmpFile() << int(TPicture::gkBitmap) << QByteArray("TBitmap")
                                << QSize(8, 4);
        QTest::newRow("icon") << IcoFile() << int(TPicture::gkIcon) << QByteArray("TIcon")
                              << QSize(16, 16);
        QTest::newRow("jpeg") << JpegFile() << int(TPicture::gkJpeg) << QByteArray("TJPEGImage")
                              << QSize(32, 16);
        QTest::newRow("emf") << EmfFile() << int(TPicture::gkMetafile) << QByteArray("TMetafile")
                             << QSize(377, 377);
        QTest::newRow("placeable wmf") << WmfFile(true) << int(TPicture::gkMetafile)
                                       << QByteArray("TMetafile") << QSize(96, 96);
        QTest::newRow("plain wmf") << WmfFile(false) << int(TPicture::gkMetafile)
                                   << QByteArray("TMetafile") << QSize(96, 96);
    }
    void roundTrip() {
        QFETCH(QByteArray, file);
        QFETCH(int, kind);
        QFETCH(QByteArray, kindName);
        QFETCH(QSize, size);
        const TPicture picture = TPicture::FromFileBytes(file);
        QCOMPARE(int(picture.Kind()), kind);
        QCOMPARE(picture.KindName(), kindName);
        QCOMPARE(picture.Bytes(), file);
        QCOMPARE(picture.Size(), size);

        const QByteArray data = picture.ToSymbolData();
        const TPicture read = TPicture::FromSymbolData(data);
        QVERIFY(read == picture);
        QCOMPARE(read.ToSymbolData(), data);

        // Every kind shows red on the left and no red on the right.
        const QImage image = DrawOn(read, QSize(40, 40));
        QVERIFY(Near(image.pixelColor(8, 20), Qt::red));
        QVERIFY(!Near(image.pixelColor(32, 20), Qt::red));
        const QImage copy = read.ToImage(QSize(20, 20));
        QCOMPARE(copy.size(), QSize(20, 20));
        QVERIFY(Near(copy.pixelColor(4, 10), Qt::red));
    }

    void symbolDataLayout_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray bmp = BmpFile(), ico = IcoFile(), jpg = JpegFile(), emf = EmfFile();
        QTest::newRow("bitmap: length, then the file")
            << bmp << ShortString("TBitmap") + Length(std::uint32_t(bmp.size())) + bmp;
        QTest::newRow("jpeg: length, then the file")
            << jpg << ShortString("TJPEGImage") + Length(std::uint32_t(jpg.size())) + jpg;
        QTest::newRow("metafile: the length counts itself")
            << emf << ShortString("TMetafile") + Length(std::uint32_t(emf.size() + 4)) + emf;
        QTest::newRow("icon: no length") << ico << ShortString("TIcon") + ico;
    }
    void symbolDataLayout() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, expected);
        QCOMPARE(TPicture::FromFileBytes(file).ToSymbolData(), expected);
        QCOMPARE(TPicture::FromSymbolData(expected).Bytes(), file);
    }

    void trailingBytesAreKept_data() { symbolDataLayout_data(); }
    void trailingBytesAreKept() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, expected);
        const QByteArray tail("\x01\x02tail", 6);
        const TPicture picture = TPicture::FromSymbolData(expected + tail);
        QCOMPARE(picture.Bytes(), file);
        QCOMPARE(picture.Trailing(), tail);
        QCOMPARE(picture.ToSymbolData(), expected + tail);
        QVERIFY(!(picture == TPicture::FromSymbolData(expected)));
    }

    void emptyPictures_data() {
        QTest::addColumn<QByteArray>("data");
        const QByteArray emf = EmfFile();
        QTest::newRow("metafile length 4") << ShortString("TMetafile") + Length(4) + emf;
        QTest::newRow("metafile length 3") << ShortString("TMetafile") + Length(3);
        QTest::newRow("metafile length 0") << ShortString("TMetafile") + Length(0);
        QTest::newRow("metafile length negative") << ShortString("TMetafile") + Length(0xFFFFFFFF);
        QTest::newRow("bitmap length 0") << ShortString("TBitmap") + Length(0);
        QTest::newRow("jpeg length 0") << ShortString("TJPEGImage") + Length(0);
        QTest::newRow("unknown kind") << ShortString("TPngImage") + Length(5) + "abcde";
        QTest::newRow("unknown kind without data") << ShortString("TGifImage");
        QTest::newRow("kind name of 63 letters") << ShortString(QByteArray(63, 'x')) + "junk";
        QTest::newRow("empty kind name") << ShortString("") + "junk";
    }
    void emptyPictures() {
        QFETCH(QByteArray, data);
        const TPicture picture = TPicture::FromSymbolData(data);
        QVERIFY(picture.IsEmpty());
        QCOMPARE(int(picture.Kind()), int(TPicture::gkNone));
        QVERIFY(picture.ToSymbolData().isEmpty());
        QVERIFY(picture.ToImage().isNull());
        QVERIFY(picture.Size().isEmpty());
        DrawOn(picture, QSize(8, 8)); // draws nothing, does not fail
    }

    void damaged_data() {
        QTest::addColumn<QByteArray>("data");
        const QByteArray bmp = BmpFile(), ico = IcoFile(), emf = EmfFile(), jpg = JpegFile();
        QTest::newRow("empty value") << QByteArray();
        QTest::newRow("kind name beyond the value") << QByteArray("\x07TBit");
        QTest::newRow("bitmap without length") << ShortString("TBitmap") + "\x10\x00";
        QTest::newRow("bitmap length beyond the value")
            << ShortString("TBitmap") + Length(std::uint32_t(bmp.size() + 1)) + bmp;
        QTest::newRow("bitmap length negative")
            << ShortString("TBitmap") + Length(0xFFFFFFF0) + bmp;
        QTest::newRow("bitmap that is no bitmap")
            << ShortString("TBitmap") + Length(8) + QByteArray("GIF89a..");
        QTest::newRow("bitmap with pixel data cut") << ShortString("TBitmap") +
                                                           Length(std::uint32_t(bmp.size() - 8)) +
                                                           bmp.left(bmp.size() - 8);
        QTest::newRow("bitmap with absurd dimensions") << [&] {
            QByteArray b = bmp;
            b.replace(18, 4, Length(0x7FFFFFFF));
            return ShortString("TBitmap") + Length(std::uint32_t(b.size())) + b;
        }();
        QTest::newRow("jpeg that is no jpeg")
            << ShortString("TJPEGImage") + Length(6) + QByteArray("\xFF\xD8junk", 6);
        QTest::newRow("jpeg length beyond the value")
            << ShortString("TJPEGImage") + Length(std::uint32_t(jpg.size() * 2)) + jpg;
        QTest::newRow("icon image beyond the value")
            << ShortString("TIcon") + ico.left(ico.size() - 1);
        QTest::newRow("icon without images")
            << ShortString("TIcon") + QByteArray("\0\0\1\0\0\0", 6);
        QTest::newRow("icon whose image is not decodable") << [&] {
            QByteArray i = ico;
            i.replace(22, 40, QByteArray(40, '\x7F'));
            return ShortString("TIcon") + i;
        }();
        QTest::newRow("icon image inside its directory") << [&] {
            QByteArray i = ico;
            i.replace(18, 4, Length(6));
            return ShortString("TIcon") + i;
        }();
        QTest::newRow("metafile that is no metafile")
            << ShortString("TMetafile") + Length(12) + QByteArray("abcdefgh");
        QTest::newRow("metafile length beyond the value")
            << ShortString("TMetafile") + Length(std::uint32_t(emf.size() + 5)) + emf;
    }
    void damaged() {
        QFETCH(QByteArray, data);
        try {
            TPicture::FromSymbolData(data);
            QFAIL("damaged data was accepted");
        } catch (const TPictureError &error) {
            QVERIFY(!error.Message().isEmpty());
        }
    }

    void everyTruncationFails_data() { symbolDataLayout_data(); }
    void everyTruncationFails() {
        QFETCH(QByteArray, expected);
        // Every proper prefix of a stored value is damaged data: it must say so, not crash.
        for (qsizetype n = 0; n < expected.size(); ++n) {
            const QByteArray prefix = expected.left(n);
            bool threw = false;
            try {
                const TPicture picture = TPicture::FromSymbolData(prefix);
                DrawOn(picture, QSize(8, 8));
            } catch (const TPictureError &) {
                threw = true;
            }
            if (!threw)
                QFAIL(qPrintable(QStringLiteral("prefix of %1 bytes was accepted").arg(n)));
        }
        QVERIFY(!TPicture::FromSymbolData(expected).IsEmpty());
    }

    void corruptJpegFailsCleanly_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("decodes");
        const QByteArray jpg = JpegFile();
        QTest::newRow("garbage after the start marker")
            << QByteArray("\xFF\xD8garbage!", 9) << false;
        QTest::newRow("start marker only") << QByteArray("\xFF\xD8", 2) << false;
        QTest::newRow("nothing") << QByteArray() << false;
        // libjpeg fills a cut-off scan with grey and warns; that is a picture, not a failure.
        QTest::newRow("cut in the scan data") << [&] {
            const qsizetype scan = jpg.indexOf(QByteArray("\xFF\xDA", 2));
            return jpg.left(scan + (jpg.size() - scan) * 2 / 3);
        }() << true;
        QTest::newRow("claims 60000 x 60000 pixels") << [&] {
            QByteArray b = jpg;
            const qsizetype sof = b.indexOf(QByteArray("\xFF\xC0", 2));
            b.replace(sof + 5, 4, QByteArray("\xEA\x60\xEA\x60", 4));
            return b;
        }() << false;
    }
    void corruptJpegFailsCleanly() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, decodes);
        QString error;
        const QImage image = JpegCodec::Decode(bytes, &error);
        QCOMPARE(!image.isNull(), decodes);
        QCOMPARE(error.isEmpty(), decodes);
    }

    void jpegEncoding() {
        const TPicture picture = TPicture::FromImageAsJpeg(Halves(32, 16), 95);
        QCOMPARE(int(picture.Kind()), int(TPicture::gkJpeg));
        QVERIFY(picture.Bytes().startsWith("\xFF\xD8"));
        QCOMPARE(picture.Size(), QSize(32, 16));
        const QImage image = picture.ToImage();
        QVERIFY(Near(image.pixelColor(4, 8), Qt::red));
        QVERIFY(Near(image.pixelColor(28, 8), Qt::blue));

        // Transparent pixels become white, not black.
        QImage clear(8, 8, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QVERIFY(Near(TPicture::FromImageAsJpeg(clear).ToImage().pixelColor(4, 4), Qt::white, 8));

        QVERIFY_THROWS_EXCEPTION(TPictureError, TPicture::FromImageAsJpeg(QImage()));
    }

    void jpegGrayscale() {
        QImage gray(8, 8, QImage::Format_Grayscale8);
        gray.fill(QColor(200, 200, 200));
        const QImage image = TPicture::FromImageAsJpeg(gray).ToImage();
        QVERIFY(Near(image.pixelColor(4, 4), QColor(200, 200, 200), 6));
    }

    void recognition_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind"); // -1: refused
        QTest::newRow("bmp") << BmpFile() << QString() << int(TPicture::gkBitmap);
        QTest::newRow("bmp named .jpg")
            << BmpFile() << QStringLiteral("a.jpg") << int(TPicture::gkBitmap);
        QTest::newRow("ico") << IcoFile() << QString() << int(TPicture::gkIcon);
        QTest::newRow("jpeg") << JpegFile() << QString() << int(TPicture::gkJpeg);
        QTest::newRow("emf") << EmfFile() << QString() << int(TPicture::gkMetafile);
        QTest::newRow("placeable wmf") << WmfFile(true) << QString() << int(TPicture::gkMetafile);
        QTest::newRow("plain wmf by its header")
            << WmfFile(false) << QStringLiteral("x.dat") << int(TPicture::gkMetafile);
        QTest::newRow("damaged wmf named .wmf")
            << QByteArray(40, '\x05') << QStringLiteral("x.WMF") << -1;
        QTest::newRow("text") << QByteArray("hello world") << QStringLiteral("a.png") << -1;
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("a.bmp") << -1;
        QTest::newRow("damaged bmp") << BmpFile().left(30) << QStringLiteral("a.bmp") << -1;
        QTest::newRow("damaged ico") << IcoFile().left(20) << QStringLiteral("a.ico") << -1;
    }
    void recognition() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(int, kind);
        if (kind < 0) {
            QVERIFY_THROWS_EXCEPTION(TPictureError, TPicture::FromFileBytes(bytes, name));
            return;
        }
        const TPicture picture = TPicture::FromFileBytes(bytes, name);
        QCOMPARE(int(picture.Kind()), kind);
        QCOMPARE(picture.IsEnhancedMetafile(), bytes == EmfFile());
    }

    void fromFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("symbol.bmp"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(BmpFile());
        file.close();
        QCOMPARE(TPicture::FromFile(path).Bytes(), BmpFile());
        try {
            TPicture::FromFile(dir.filePath(QStringLiteral("missing.bmp")));
            QFAIL("a missing file was read");
        } catch (const TPictureError &error) {
            QVERIFY(error.Message().contains(QStringLiteral("missing.bmp")));
        }
    }

    void transparentBitmap() {
        QImage source(4, 4, QImage::Format_RGB32);
        source.fill(Qt::magenta); // the bottom-left colour
        source.setPixelColor(1, 1, Qt::red);
        source.setPixelColor(2, 1, Qt::red);
        source.setPixelColor(1, 2, Qt::red);
        source.setPixelColor(2, 2, Qt::red);
        TPicture picture = TPicture::FromFileBytes(Encode(source, "BMP"));
        QCOMPARE(DrawOn(picture, QSize(40, 40), Qt::green).pixelColor(3, 3), QColor(Qt::magenta));
        picture.SetTransparent(true);
        const QImage image = DrawOn(picture, QSize(40, 40), Qt::green);
        QCOMPARE(image.pixelColor(3, 3), QColor(Qt::green));
        QCOMPARE(image.pixelColor(20, 20), QColor(Qt::red));
        QCOMPARE(picture.ToImage().pixelColor(0, 0), QColor(Qt::magenta)); // the copy keeps it
    }

    void metafileToImage() {
        const TPicture picture = TPicture::FromFileBytes(EmfFile());
        const QImage natural = picture.ToImage();
        QCOMPARE(natural.size(), picture.Size());
        QCOMPARE(natural.pixelColor(100, 200), QColor(Qt::red));
        QCOMPARE(natural.pixelColor(300, 200), QColor(Qt::white));
    }

    void drawFollowsTargetAndTransform_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("bitmap") << BmpFile();
        QTest::newRow("jpeg") << JpegFile();
        QTest::newRow("emf") << EmfFile();
    }
    void drawFollowsTargetAndTransform() {
        QFETCH(QByteArray, file);
        const TPicture picture = TPicture::FromFileBytes(file);
        const TPicture copy = picture;
        // Drawings at other sizes, offsets and scales must not reuse a stale drawing.
        for (int round = 0; round < 2; ++round) {
            for (const QRect &target : {QRect(0, 0, 40, 40), QRect(10, 20, 20, 10)}) {
                QImage image(60, 60, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                (round ? copy : picture).Draw(painter, target);
                painter.end();
                const int y = target.center().y();
                QVERIFY(Near(image.pixelColor(target.left() + target.width() / 5, y), Qt::red));
                QVERIFY(!Near(image.pixelColor(target.right() - target.width() / 5, y), Qt::red));
                QCOMPARE(image.pixelColor(target.right() + 2, y), QColor(Qt::white));
                QCOMPARE(image.pixelColor(target.left() + 2, target.bottom() + 2),
                         QColor(Qt::white));
            }
        }
        QImage image(60, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(2, 2);
        picture.Draw(painter, QRectF(0, 0, 20, 20));
        painter.end();
        QVERIFY(Near(image.pixelColor(8, 20), Qt::red));
        QVERIFY(!Near(image.pixelColor(32, 20), Qt::red));
        QCOMPARE(image.pixelColor(45, 20), QColor(Qt::white));
    }
};

QTEST_MAIN(TestPicture)
#include "tst_Picture.moc"
