#include "Picture.h"
#include "SymbolArt.h"
#include "WaveSynth.h"

#include <QTest>
#include <QtEndian>
#include <cstdlib>

namespace {

quint32 U32(const QByteArray &b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 U16(const QByteArray &b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

bool Near(QRgb a, const QColor &b, int tolerance) {
    return std::abs(qRed(a) - b.red()) <= tolerance &&
           std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

} // namespace

class TestGenData : public QObject {
    Q_OBJECT

private slots:
    void wavHeader_data() {
        QTest::addColumn<QList<qint16>>("samples");
        QTest::addColumn<int>("rate");
        QTest::newRow("no samples") << QList<qint16>() << 22050;
        QTest::newRow("three samples") << QList<qint16>{1, -2, 32767} << 22050;
        QTest::newRow("other rate") << QList<qint16>{-32768} << 8000;
    }
    void wavHeader() {
        QFETCH(QList<qint16>, samples);
        QFETCH(int, rate);
        const QByteArray wav = WaveSynth::WavFile(samples, rate);
        const int dataSize = int(samples.size()) * 2;
        QCOMPARE(wav.size(), 44 + dataSize);
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(U32(wav, 4), quint32(wav.size() - 8));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(U32(wav, 16), 16u);
        QCOMPARE(U16(wav, 20), quint16(1)); // PCM
        QCOMPARE(U16(wav, 22), quint16(1)); // mono
        QCOMPARE(U32(wav, 24), quint32(rate));
        QCOMPARE(U32(wav, 28), quint32(rate * 2));
        QCOMPARE(U16(wav, 32), quint16(2));
        QCOMPARE(U16(wav, 34), quint16(16));
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        QCOMPARE(U32(wav, 40), quint32(dataSize));
        for (qsizetype i = 0; i < samples.size(); ++i)
            QCOMPARE(qint16(U16(wav, 44 + int(i) * 2)), samples[i]);
    }

    // Short, loud enough, never clipped, and starting and ending in silence (no clicks).
    void soundsArePlayable_data() {
        QTest::addColumn<QString>("name");
        for (const QString &name : WaveSynth::SoundNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void soundsArePlayable() {
        QFETCH(QString, name);
        const QList<qint16> samples = WaveSynth::Synthesize(name);
        QVERIFY(samples.size() > WaveSynth::SampleRate / 20);
        QVERIFY(samples.size() < WaveSynth::SampleRate * 2);
        int peak = 0;
        for (const qint16 s : samples)
            peak = std::max(peak, std::abs(int(s)));
        QVERIFY(peak > 16000 && peak < 32000);
        QVERIFY(std::abs(samples.front()) < 500);
        QVERIFY(std::abs(samples.back()) < 500);
    }

    void unknownNamesGiveNothing() {
        QVERIFY(WaveSynth::Synthesize(QStringLiteral("nic")).isEmpty());
        QVERIFY(SymbolArt::Draw(QStringLiteral("nic")).isNull());
    }

    // Each picture survives JPEG compression and decoding, fills a fair part of its square
    // without running off its edges, and sits on the background it was asked for.
    void picturesDecode_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("background");
        for (const QString &name : SymbolArt::SymbolNames())
            QTest::newRow(qPrintable(name)) << name << QColor(Qt::white);
        QTest::newRow("on silver") << QStringLiteral("mluv") << QColor(0xC0, 0xC0, 0xC0);
    }
    void picturesDecode() {
        QFETCH(QString, name);
        QFETCH(QColor, background);
        const QImage drawn = SymbolArt::Draw(name, 128, background);
        const TPicture picture = TPicture::FromImageAsJpeg(drawn, 92);
        const TPicture reread = TPicture::FromFileBytes(picture.Bytes());
        QCOMPARE(reread.Kind(), TPicture::gkJpeg);
        QCOMPARE(reread.Size(), QSize(128, 128));
        const QImage image = reread.ToImage();
        QCOMPARE(image.size(), QSize(128, 128));
        int ink = 0;
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 128; ++x)
                ink += Near(image.pixel(x, y), background, 40) ? 0 : 1;
        }
        QVERIFY2(ink > 128 * 128 / 20 && ink < 128 * 128 * 4 / 5, qPrintable(QString::number(ink)));
        for (const QPoint corner : {QPoint(0, 0), QPoint(127, 0), QPoint(0, 127), QPoint(127, 127)})
            QVERIFY(Near(image.pixel(corner), background, 12));
    }
};

QTEST_GUILESS_MAIN(TestGenData)
#include "tst_GenData.moc"
