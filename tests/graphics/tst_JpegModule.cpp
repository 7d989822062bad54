#include "JpegCodec.h"

#include <QTest>

// The program's JPEG pictures go through the JPEG module, loaded on first use: what is written
// comes back at its size, and damaged data is refused with the codec's own message.
class TestJpegModule : public QObject {
    Q_OBJECT

private slots:
    void ThroughTheModule_data() {
        QTest::addColumn<QSize>("fit");
        QTest::addColumn<QSize>("decoded");
        QTest::newRow("whole") << QSize() << QSize(64, 32);
        QTest::newRow("scaled down for a small cell") << QSize(16, 8) << QSize(16, 8);
    }
    void ThroughTheModule() {
        QFETCH(QSize, fit);
        QFETCH(QSize, decoded);
        QImage image(64, 32, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        QString error;
        const QByteArray jpeg = JpegCodec::Encode(image, 90, &error);
        QVERIFY2(jpeg.startsWith("\xff\xd8"), qPrintable(error));
        QSize size;
        QVERIFY2(JpegCodec::ReadSize(jpeg, &size, &error), qPrintable(error));
        QCOMPARE(size, image.size());
        const QImage back = JpegCodec::Decode(jpeg, &error, fit);
        QCOMPARE(back.size(), decoded);
        QVERIFY(qAbs(qBlue(back.pixel(2, 2)) - qBlue(image.pixel(2, 2))) < 8);
    }

    void DamagedData() {
        QString error;
        QVERIFY(JpegCodec::Decode(QByteArray("\xff\xd8 no picture follows"), &error).isNull());
        QVERIFY(!error.isEmpty());
        QVERIFY(!JpegCodec::ReadSize(QByteArray("GIF89a"), nullptr, nullptr));
    }
};

QTEST_GUILESS_MAIN(TestJpegModule)
#include "tst_JpegModule.moc"
