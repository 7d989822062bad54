#include "Error.h"
#include "GridSettings.h"
#include "ScanStrings.h"

#include <QBuffer>
#include <QTest>

namespace {

// A record with every field away from its default; a system colour for the focus pen.
TGridSettings Sample() {
    TGridSettings s;
    s.Left = -2;
    s.Top = 10;
    s.Right = 640;
    s.Bottom = 400;
    s.Align = 5;
    s.iCol = 1;
    s.iRow = 2;
    s.nCol = 10;
    s.nRow = 6;
    s.Focusing = true;
    s.Resizing = false;
    s.SwCode1 = 32;
    s.SwCode2 = 13;
    s.SwTime = 500;
    s.CursorColor = 0x0000FFFF;
    s.CursorWidth = 3;
    s.FocusColor = 0xFF00000D;
    s.FocusWidth = 3;
    s.GridColor = 0x00808080;
    s.GridWidth = 1;
    s.ScanModes = 0x05;
    s.PointByMouse = true;
    return s;
}

// The same record written out by hand, offset by offset.
QByteArray SampleBytes() {
    // clang-format off
    return QByteArray::fromHex(
        "feffffff" "0a000000" "80020000" "90010000" //  0: bounds
        "05" "000000"                               // 16: align, reserved
        "01000000" "02000000"                       // 20: cursor
        "0a000000" "06000000"                       // 28: counts
        "01" "00" "0000"                            // 36: focusing, resizing, reserved
        "20000000" "0d000000" "f4010000"            // 40: switch codes, long press
        "ffff0000" "03000000"                       // 52: cursor pen
        "0d0000ff" "03000000"                       // 60: focus pen
        "80808000" "01000000"                       // 68: grid pen
        "05" "01" "0000");                          // 76: modes, pointer, reserved
    // clang-format on
}

// Reads at most `limit` bytes of `data`, then fails.
class TFailingDevice : public QIODevice {
public:
    TFailingDevice(QByteArray data, qint64 limit)
        : FData(std::move(data))
        , FLimit(limit) {
        open(QIODevice::ReadWrite);
    }

protected:
    qint64 readData(char *out, qint64 max) override {
        const qint64 n = std::min({max, FLimit - FPos, qint64(FData.size()) - FPos});
        if (n <= 0)
            return -1;
        memcpy(out, FData.constData() + FPos, size_t(n));
        FPos += n;
        return n;
    }
    qint64 writeData(const char *, qint64 size) override {
        const qint64 n = std::min(size, FLimit - FPos);
        if (n <= 0)
            return -1;
        FPos += n;
        return n;
    }

private:
    QByteArray FData;
    qint64 FLimit;
    qint64 FPos = 0;
};

} // namespace

class TestGridSettings : public QObject {
    Q_OBJECT

private slots:
    void layout() {
        QCOMPARE(EncodeGridSettings(Sample()), SampleBytes());
        QCOMPARE(DecodeGridSettings(SampleBytes()), Sample());
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        WriteGridSettings(&buffer, Sample());
        WriteGridSettings(&buffer, TGridSettings());
        WriteGridSettings(nullptr, Sample()); // nothing to do
        buffer.seek(0);
        QCOMPARE(ReadGridSettings(&buffer), Sample());
        QCOMPARE(ReadGridSettings(&buffer), TGridSettings());
        QVERIFY(buffer.atEnd());
        QVERIFY(!ReadGridSettings(nullptr).has_value());
    }

    // Files made elsewhere may carry anything in the reserved bytes and any non-zero flag.
    void readingIsLenient() {
        QByteArray bytes = SampleBytes();
        bytes[17] = char(0xAA);
        bytes[38] = char(0x55);
        bytes[79] = char(0xFF);
        bytes[36] = char(2);
        bytes[77] = char(0x80);
        QCOMPARE(DecodeGridSettings(bytes), Sample());
    }

    void damaged_data() {
        QTest::addColumn<bool>("writing");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("deviceLimit"); // bytes the device takes before failing
        QTest::newRow("empty") << false << QByteArray() << qint64(1000);
        QTest::newRow("one byte") << false << SampleBytes().left(1) << qint64(1000);
        QTest::newRow("79 bytes") << false << SampleBytes().left(79) << qint64(1000);
        QTest::newRow("read fails after 50 bytes") << false << SampleBytes() << qint64(50);
        QTest::newRow("write fails at once") << true << QByteArray() << qint64(0);
        QTest::newRow("write fails after 79 bytes") << true << QByteArray() << qint64(79);
    }
    void damaged() {
        QFETCH(bool, writing);
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, deviceLimit);
        TFailingDevice device(bytes, deviceLimit);
        try {
            writing ? WriteGridSettings(&device, Sample()) : void(ReadGridSettings(&device));
            QFAIL("the failure went unnoticed");
        } catch (const TError &e) {
            QCOMPARE(e.Message(),
                     writing ? ScanStrings::StreamWriteError : ScanStrings::StreamReadError);
        }
    }
};

QTEST_GUILESS_MAIN(TestGridSettings)
#include "tst_GridSettings.moc"
