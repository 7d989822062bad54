#include "KeySettingRules.h"
#include "MetafileBuilder.h"
#include "Picture.h"
#include "PictureError.h"
#include "SymbolImport.h"

#include <QBuffer>
#include <QImageReader>
#include <QTest>

using namespace KeySettingRules;

namespace {

QByteArray Encoded(const QImage &image, const char *format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Filled(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return image;
}

} // namespace

class TestKeySettingRules : public QObject {
    Q_OBJECT

private slots:
    void formatAspect_data() {
        QTest::addColumn<double>("aspect");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 0.5 << "C"
                              << "0.5";
        QTest::newRow("design") << 0.9 << "C"
                                << "0.9";
        QTest::newRow("whole") << 1.0 << "C"
                               << "1";
        QTest::newRow("two thirds") << 2.0 / 3.0 << "C"
                                    << "0.6667";
        QTest::newRow("four digits") << 1.23456 << "C"
                                     << "1.235";
        QTest::newRow("none") << 0.0 << "C"
                              << "0";
        QTest::newRow("negative") << -1.5 << "C"
                                  << "-1.5";
        QTest::newRow("large") << 12345.0 << "C"
                               << "1.235E4";
        QTest::newRow("rounds up to large") << 9999.7 << "C"
                                            << "1E4";
        QTest::newRow("tiny") << 0.000001 << "C"
                              << "1E-6";
        QTest::newRow("small fixed") << 0.00012 << "C"
                                     << "0.00012";
        QTest::newRow("decimal comma") << 0.5 << "cs_CZ"
                                       << "0,5";
    }
    void formatAspect() {
        QFETCH(double, aspect);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(FormatAspect(aspect, QLocale(locale)), text);
    }

    void parseAspect_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("point") << "0.5"
                               << "C" << true << 0.5;
        QTest::newRow("blanks around") << " 2 "
                                       << "C" << true << 2.0;
        QTest::newRow("negative") << "-1"
                                  << "C" << true << -1.0;
        QTest::newRow("exponent") << "1.5E2"
                                  << "C" << true << 150.0;
        QTest::newRow("comma locale") << "0,5"
                                      << "cs_CZ" << true << 0.5;
        QTest::newRow("point in comma locale") << "0.75"
                                               << "cs_CZ" << true << 0.75;
        // A comma must not pass as a thousands separator and turn 1,5 into 15.
        QTest::newRow("comma in point locale") << "1,5"
                                               << "C" << false << 0.0;
        QTest::newRow("letters") << "abc"
                                 << "C" << false << 0.0;
        QTest::newRow("empty") << ""
                               << "C" << false << 0.0;
        QTest::newRow("trailing junk") << "0.5x"
                                       << "C" << false << 0.0;
        QTest::newRow("infinity") << "inf"
                                  << "C" << false << 0.0;
        QTest::newRow("not a number") << "nan"
                                      << "C" << false << 0.0;
        QTest::newRow("overflow") << "1e999"
                                  << "C" << false << 0.0;
    }
    void parseAspect() {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const std::optional<double> parsed = ParseAspect(text, QLocale(locale));
        QCOMPARE(parsed.has_value(), ok);
        if (ok)
            QCOMPARE(*parsed, value);
    }

    void shownAspectReadsBack() {
        for (const QString &name : {QStringLiteral("C"), QStringLiteral("cs_CZ")}) {
            const QLocale locale(name);
            for (double a : {0.5, 0.9, 2.0 / 3.0, 12345.0, 0.000001, -3.25}) {
                const std::optional<double> back = ParseAspect(FormatAspect(a, locale), locale);
                QVERIFY(back);
                QVERIFY(qAbs(*back - a) <= qAbs(a) * 1e-3);
            }
        }
    }

    void symbolAspect_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("aspect");
        QTest::newRow("wide") << QSize(200, 100) << 0.5;
        QTest::newRow("tall") << QSize(50, 100) << 2.0;
        QTest::newRow("no symbol") << QSize() << 1.0;
        QTest::newRow("zero width") << QSize(0, 30) << 1.0;
    }
    void symbolAspect() {
        QFETCH(QSize, size);
        QFETCH(double, aspect);
        QCOMPARE(SymbolAspect(size), aspect);
    }

    void pageState_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("symbolPage");
        QTest::addColumn<bool>("otherPage");
        QTest::addColumn<bool>("text");
        QTest::addColumn<bool>("special");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("table");
        QTest::newRow("plain key") << 0 << 0 << true << false << true << false << false << false;
        QTest::newRow("enter") << 13 << 1 << true << false << true << true << false << false;
        QTest::newRow("sound") << 254 << 1 << true << true << true << true << true << false;
        QTest::newRow("other") << 253 << 0 << true << true << true << true << false << true;
        QTest::newRow("sound, several")
            << 254 << 3 << false << false << false << false << true << false;
        QTest::newRow("plain, several")
            << 0 << 2 << false << false << false << false << false << false;
    }
    void pageState() {
        QFETCH(int, code);
        QFETCH(int, selected);
        const TPageState s = PageState(code, selected);
        QTEST(s.SymbolPage, "symbolPage");
        QTEST(s.OtherPage, "otherPage");
        QTEST(s.TextEnabled, "text");
        QTEST(s.SpecialEnabled, "special");
        QTEST(s.SoundEnabled, "sound");
        QTEST(s.TableEnabled, "table");
    }

    void applyTarget_data() {
        QTest::addColumn<bool>("reference");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("target");
        QTest::newRow("never selected") << false << 0 << int(TApplyTarget::EditedKey);
        QTest::newRow("selection emptied") << true << 0 << int(TApplyTarget::NoSelection);
        QTest::newRow("one") << true << 1 << int(TApplyTarget::OneKey);
        QTest::newRow("three") << true << 3 << int(TApplyTarget::AppearanceToEach);
    }
    void applyTarget() {
        QFETCH(bool, reference);
        QFETCH(int, selected);
        QTEST(int(ApplyTarget(reference, selected)), "target");
    }

    // What becomes of each kind of picture file; the dialog test loads them through the button.
    void importedSymbols_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("bytesKept");
        QTest::addColumn<QSize>("size");
        const QByteArray wmf = TWmfBuilder().Rectangle(0, 0, 10, 10).Build(QRect(0, 0, 1440, 720));
        const QByteArray plainWmf = TWmfBuilder().Rectangle(0, 0, 10, 10).Build();
        const QByteArray emf = TEmfBuilder().Rectangle(0, 0, 10, 10).Build();
        const QByteArray jpeg = TPicture::FromImageAsJpeg(Filled(30, 20)).Bytes();
        const QByteArray gif =
            QByteArray::fromBase64("R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7");
        const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10'>"
                               "<rect width='20' height='10' fill='red'/></svg>";
        QTest::newRow("placeable wmf")
            << "a.wmf" << wmf << int(TPicture::gkMetafile) << true << QSize(96, 48);
        QTest::newRow("plain wmf")
            << "b.WMF" << plainWmf << int(TPicture::gkMetafile) << true << QSize();
        QTest::newRow("emf") << "c.emf" << emf << int(TPicture::gkMetafile) << true << QSize();
        QTest::newRow("bmp") << "d.bmp" << Encoded(Filled(200, 100), "BMP") << int(TPicture::gkJpeg)
                             << false << QSize(200, 100);
        QTest::newRow("png") << "e.png" << Encoded(Filled(40, 60), "PNG") << int(TPicture::gkJpeg)
                             << false << QSize(40, 60);
        QTest::newRow("jpeg") << "f.jpg" << jpeg << int(TPicture::gkJpeg) << true << QSize(30, 20);
        QTest::newRow("gif") << "g.gif" << gif << int(TPicture::gkJpeg) << false << QSize(1, 1);
        if (QImageReader::supportedImageFormats().contains("svg"))
            QTest::newRow("svg") << "h.svg" << svg << int(TPicture::gkJpeg) << false
                                 << QSize(512, 256);
        // A bitmap that only carries a metafile's name is still a bitmap.
        QTest::newRow("png named wmf") << "i.wmf" << Encoded(Filled(8, 4), "PNG")
                                       << int(TPicture::gkJpeg) << false << QSize(8, 4);
    }
    void importedSymbols() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, bytesKept);
        QFETCH(QSize, size);
        const TPicture picture = ImportSymbolBytes(bytes, name);
        QTEST(int(picture.Kind()), "kind");
        QCOMPARE(picture.Bytes() == bytes, bytesKept);
        if (size.isValid())
            QCOMPARE(picture.Size(), size);
        // Whatever it became, it must survive a key record.
        QCOMPARE(TPicture::FromSymbolData(picture.ToSymbolData()), picture);
    }

    void refusedSymbols_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text") << "notes.txt" << QByteArray("just some words");
        QTest::newRow("empty") << "empty.png" << QByteArray();
        QTest::newRow("damaged jpeg") << "bad.jpg" << QByteArray::fromHex("ffd8ffe000104a46");
        QTest::newRow("text named wmf") << "fake.wmf" << QByteArray("not a metafile at all");
    }
    void refusedSymbols() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QVERIFY_THROWS_EXCEPTION(TPictureError, ImportSymbolBytes(bytes, name));
    }
};

QTEST_MAIN(TestKeySettingRules)
#include "tst_KeySettingRules.moc"
