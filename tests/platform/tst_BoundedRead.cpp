#include "BoundedRead.h"

#include <QBuffer>
#include <QTest>

#include <cstring>

namespace {

// A pipe-like device: no size, no seeking, a few bytes per read.
class TTrickle final : public QIODevice {
public:
    explicit TTrickle(QByteArray data)
        : FData(std::move(data)) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *out, qint64 max) override {
        const qint64 n = std::min<qint64>({max, 7, FData.size() - FAt});
        std::memcpy(out, FData.constData() + FAt, size_t(n));
        FAt += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray FData;
    qint64 FAt = 0;
};

} // namespace

class TestBoundedRead : public QObject {
    Q_OBJECT

private slots:
    void readsAtMostOneByteBeyond_data() {
        QTest::addColumn<bool>("sequential");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("expected");
        const int limit = 200 * 1024;
        for (const bool sequential : {false, true}) {
            const char *kind = sequential ? "pipe" : "file";
            QTest::addRow("%s, empty", kind) << sequential << 0 << 0;
            QTest::addRow("%s, small", kind) << sequential << 10 << 10;
            QTest::addRow("%s, at the limit", kind) << sequential << limit << limit;
            QTest::addRow("%s, one beyond", kind) << sequential << limit + 1 << limit + 1;
            QTest::addRow("%s, far beyond", kind) << sequential << 3 * limit << limit + 1;
        }
    }
    void readsAtMostOneByteBeyond() {
        QFETCH(bool, sequential);
        QFETCH(int, size);
        QFETCH(int, expected);
        const qint64 limit = 200 * 1024;
        QByteArray data(size, '\0');
        for (int i = 0; i < size; ++i)
            data[i] = char('a' + i % 26);
        QBuffer file(&data);
        file.open(QIODevice::ReadOnly);
        TTrickle pipe(data);
        QIODevice &device = sequential ? static_cast<QIODevice &>(pipe) : file;
        const QByteArray read = ReadAtMost(device, limit);
        QCOMPARE(read.size(), expected);
        QCOMPARE(read, data.left(expected));
        // A small file costs a small buffer, not one of the limit's size.
        if (size < 1000)
            QVERIFY(read.capacity() < 128 * 1024);
    }
};

QTEST_GUILESS_MAIN(TestBoundedRead)
#include "tst_BoundedRead.moc"
