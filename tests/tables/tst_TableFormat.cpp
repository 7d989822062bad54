#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "StreamError.h"
#include "TableFormat.h"

#include <QBuffer>
#include <QTemporaryFile>
#include <QTest>

namespace {

// A small key record as the key writes it: a few entries and the two end bytes.
QByteArray Record(const QString &text, qint32 left) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TComponentWriter w(&buffer);
    w.WritePrefix(QByteArrayLiteral("TVxKey"), QByteArray());
    w.WritePropertyName(QByteArrayLiteral("Left"));
    w.WriteInteger(left);
    w.WritePropertyName(QByteArrayLiteral("Status"));
    w.WriteSet({QByteArrayLiteral("vxo3Deffect"), QByteArrayLiteral("vxoSendClick")});
    w.WritePropertyName(QByteArrayLiteral("Text"));
    w.WriteString(text);
    w.WritePropertyName(QByteArrayLiteral("Aspect"));
    w.WriteExtended(0.9);
    w.WriteEndOfList();
    w.WriteEndOfList();
    return buffer.data();
}

QByteArray Int32(qint32 v) {
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = char((quint32(v) >> (8 * i)) & 0xFF);
    return b;
}

QByteArray Write(const TTableFile &table) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteTableFile(&buffer, table);
    return buffer.data();
}

TTableReadResult Read(const QByteArray &bytes, bool keyFile = false) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return keyFile ? ReadKeyFile(&buffer) : ReadTableFile(&buffer);
}

// The same from a file, whose records are read through the device rather than in memory.
TTableReadResult ReadFromFile(const QByteArray &bytes, bool keyFile = false) {
    QTemporaryFile file;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.seek(0))
        qFatal("no temporary file");
    return keyFile ? ReadKeyFile(&file) : ReadTableFile(&file);
}

// Everything a result says, to compare two of them.
QString Describe(const TTableReadResult &r) {
    QString text = QStringLiteral("%1 %2x%3 [%4] %5 %6 %7: %8")
                       .arg(r.Table.Layout)
                       .arg(r.Table.nCol)
                       .arg(r.Table.nRow)
                       .arg(int(r.Problem.Fault))
                       .arg(r.Problem.Key)
                       .arg(r.Problem.Offset)
                       .arg(r.HeaderRead)
                       .arg(r.Error);
    for (const TTableKey &k : r.Table.Keys)
        text += QStringLiteral("\n(%1, %2) %3 %4 %5")
                    .arg(k.Col)
                    .arg(k.Row)
                    .arg(k.Entry)
                    .arg(k.Offset)
                    .arg(QString::fromLatin1(k.Record.toHex()));
    return text;
}

} // namespace

class TestTableFormat : public QObject {
    Q_OBJECT

private slots:
    void emptyTables_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("free") << 0 << QByteArray(5, 0);
        QTest::newRow("scanning") << 1 << QByteArray(1, 1) + Int32(0) + Int32(10) + Int32(6);
    }
    void emptyTables() {
        QFETCH(int, layout);
        QFETCH(QByteArray, bytes);
        TTableFile table;
        table.Layout = quint8(layout);
        table.nCol = 10;
        table.nRow = 6;
        QCOMPARE(Write(table), bytes);
        const TTableReadResult back = Read(bytes);
        QVERIFY(back.Ok());
        QCOMPARE(back.Table.Scanning(), layout != 0);
        QVERIFY(back.Table.Keys.isEmpty());
    }

    void scanningTableRoundTrip() {
        TTableFile table;
        table.nCol = 3;
        table.nRow = 2;
        table.Keys = {{0, 0, Record(QStringLiteral("a"), 5)},
                      {2, 1, Record(QStringLiteral("žluťoučký kůň"), 300)}};
        const QByteArray bytes = Write(table);
        QCOMPARE(bytes.left(13), QByteArray(1, 1) + Int32(2) + Int32(3) + Int32(2));
        QCOMPARE(bytes.mid(13, 8), Int32(0) + Int32(0));
        const TTableReadResult back = Read(bytes);
        QVERIFY2(back.Ok(), qPrintable(back.Error));
        QCOMPARE(back.Table.Keys.size(), 2);
        QCOMPARE(back.Table.Keys[1].Col, 2);
        QCOMPARE(back.Table.Keys[1].Row, 1);
        QCOMPARE(back.Table.Keys[1].Record, table.Keys[1].Record);
        QCOMPARE(Write(back.Table), bytes);
    }

    void anyNonZeroLayoutIsScanning() {
        QByteArray bytes = QByteArray(1, 2) + Int32(0) + Int32(4) + Int32(5);
        const TTableReadResult back = Read(bytes);
        QVERIFY(back.Ok());
        QVERIFY(back.Table.Scanning());
        QCOMPARE(back.Table.nCol, 4);
        // Written back with the byte the writer always uses.
        QCOMPARE(Write(back.Table).at(0), char(1));
    }

    void keyFileRoundTrip() {
        const QList<QByteArray> records = {Record(QStringLiteral("x"), 1),
                                           Record(QStringLiteral("y"), 2)};
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        WriteKeyFile(&buffer, records);
        QCOMPARE(buffer.data().left(4), Int32(2));
        const TTableReadResult back = Read(buffer.data(), true);
        QVERIFY(back.Ok());
        QCOMPARE(back.Table.Keys.size(), 2);
        QCOMPARE(back.Table.Keys[0].Record, records[0]);
    }

    // Every cut of a valid file fails with a message and keeps the keys read before the cut.
    void truncatedFilesKeepWhatCameBefore() {
        TTableFile table;
        table.Layout = 0;
        table.Keys = {{0, 0, Record(QStringLiteral("first"), 1)},
                      {0, 0, Record(QStringLiteral("second"), 2)}};
        const QByteArray bytes = Write(table);
        const qsizetype firstEnd = 5 + table.Keys[0].Record.size();
        for (qsizetype cut = 0; cut < bytes.size(); ++cut) {
            const TTableReadResult r = Read(bytes.left(cut));
            QVERIFY2(!r.Ok(), qPrintable(QString::number(cut)));
            QCOMPARE(r.Table.Keys.size(), cut >= firstEnd ? 1 : 0);
        }
    }

    // Records in a buffer are walked in memory, others through the device: the same keys, the
    // same refusals at the same offsets, whole or cut anywhere.
    void bufferAndFileAgree_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("keyFile");
        TTableFile table;
        table.nCol = 3;
        table.nRow = 2;
        table.Keys = {{2, 1, Record(QStringLiteral("first"), 1)},
                      {0, 0, Record(QStringLiteral("second"), 2)}};
        QTest::newRow("scanning") << Write(table) << false;
        table.Layout = 0;
        QTest::newRow("free") << Write(table) << false;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        WriteKeyFile(&buffer, {table.Keys[0].Record, table.Keys[1].Record});
        QTest::newRow("key file") << buffer.data() << true;
        QTest::newRow("key with children")
            << QByteArray(1, 0) + Int32(1) + Record(QStringLiteral("a"), 1).chopped(1) +
                   QByteArray("\x06TVxKey\x00\x00\x00", 10) + QByteArray(1, 0)
            << false;
    }
    void bufferAndFileAgree() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, keyFile);
        for (qsizetype cut = 0; cut <= bytes.size(); ++cut) {
            const QByteArray part = bytes.left(cut) + (cut < bytes.size() ? "" : "xy");
            QCOMPARE(Describe(Read(part, keyFile)), Describe(ReadFromFile(part, keyFile)));
        }
        QCOMPARE(Describe(Read(bytes, keyFile)), Describe(ReadFromFile(bytes, keyFile)));
    }

    // Each key's reader starts at its record and names offsets in the file.
    void keysAreReadInTheFile() {
        TTableFile table;
        table.Layout = 0;
        table.Keys = {{0, 0, Record(QStringLiteral("first"), 1)},
                      {0, 0, Record(QStringLiteral("second"), 2)}};
        const QByteArray bytes = Write(table);
        TTableReadResult r = Read(bytes);
        QVERIFY(r.Ok());
        QList<qint64> starts;
        ReadKeys(r, bytes, [&](TComponentReader &reader, const TTableKey &key, int) {
            starts.append(reader.Offset());
            QCOMPARE(reader.ReadPrefix().ClassName, QByteArray("TVxKey"));
            if (key.Offset > 5)
                reader.ReadString(); // a property name is there: fails with its file offset
        });
        const qint64 second = 5 + table.Keys[0].Record.size();
        QCOMPARE(starts, (QList<qint64>{5, second}));
        QCOMPARE(r.Table.Keys.size(), 1);
        QCOMPARE(r.Problem.Key, 1);
        QVERIFY2(r.Problem.Detail.contains(QStringLiteral("offset %1:").arg(second + 12)),
                 qPrintable(r.Problem.Detail));

        r = Read(bytes);
        r.Table.Keys[1].Offset = bytes.size() + 1;
        ReadKeys(r, bytes, [](TComponentReader &, const TTableKey &, int) {});
        QCOMPARE(r.Problem.Key, 1);
        QCOMPARE(r.Problem.Detail, QStringLiteral("the record lies outside the file"));
    }

    void damagedCounts_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("negative count") << QByteArray(1, 0) + Int32(-1);
        QTest::newRow("huge count, no records") << QByteArray(1, 0) + Int32(0x7FFFFFFF);
        QTest::newRow("not a record") << QByteArray(1, 0) + Int32(1) + QByteArray("TPF1xxxx");
        QTest::newRow("key with children")
            << QByteArray(1, 0) + Int32(1) + Record(QStringLiteral("a"), 1).chopped(1) +
                   QByteArray("\x06TVxKey\x00\x00\x00", 10) + QByteArray(1, 0);
    }
    void damagedCounts() {
        QFETCH(QByteArray, bytes);
        const TTableReadResult r = Read(bytes);
        QVERIFY(!r.Ok());
        QVERIFY(r.Table.Keys.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTableFormat)
#include "tst_TableFormat.moc"
