#include "ComponentWriter.h"
#include "Error.h"
#include "KbtJson.h"
#include "TableFormat.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

namespace {

TValue Typed(TValueType type, qint64 n = 0, const QByteArray &bytes = {}) {
    TValue v;
    v.Type = type;
    v.Int = n;
    v.Bytes = bytes;
    return v;
}

QByteArray BmpBytes() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    image.save(&b, "BMP");
    return b.data();
}

// A key record holding every kind of value, some of them in forms our writer never makes.
// With `foreign`, also values a key cannot take (a list, binary data and a float where it has
// none), which the program refuses and so must the dump.
QByteArray OddRecord(bool foreign = false) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TComponentWriter w(&buffer);
    w.WritePrefix(QByteArrayLiteral("TVxKey"), QByteArrayLiteral("Key1"));
    const auto put = [&](const char *name, const TValue &v) {
        w.WritePropertyName(QByteArray(name));
        w.WriteValue(v);
    };
    put("Left", Typed(TValueType::vaInt8, 5));
    put("Top", Typed(TValueType::vaInt16, 5)); // wider than needed
    put("Width", Typed(TValueType::vaInt32, 60000));
    put("Text", Typed(TValueType::vaString, 0,
                      QByteArray("\xE8\x9A"
                                 "a"))); // cp1250, not UTF-8
    put("TextSh", Typed(TValueType::vaUtf8String, 0, QByteArrayLiteral("\xC5\xA1")));
    put("Hint", Typed(TValueType::vaUtf8String, 0, QByteArrayLiteral("\xFF\xFE")));
    put("WavName", Typed(TValueType::vaWString, 0, QByteArray("a\0b\0", 4)));
    put("KbdName", Typed(TValueType::vaLString, 0, QByteArrayLiteral("short")));
    put("Enabled", Typed(TValueType::vaFalse));
    put("TabStop", Typed(TValueType::vaTrue));
    put("Font.Color", Typed(TValueType::vaIdent, 0, QByteArrayLiteral("clNavy")));
    TValue set = Typed(TValueType::vaSet);
    set.Set = {QByteArrayLiteral("vxo3Deffect")};
    put("Status", set);
    TValue ext = Typed(TValueType::vaExtended);
    ext.Ext = {0, 0x68, 0x66, 0x66, 0x66, 0x66, 0x66, 0xE6, 0xFE, 0x3F};
    put("Aspect", ext);
    put("Symbol.Data", Typed(
                           TValueType::vaBinary, 0, QByteArray("\x07TBitmap", 8) + [] {
                               QByteArray len(4, 0);
                               const qint32 n = qint32(BmpBytes().size());
                               for (int i = 0; i < 4; ++i)
                                   len[i] = char((n >> (8 * i)) & 0xFF);
                               return len;
                           }() + BmpBytes()));
    if (foreign) {
        TValue oddExt = Typed(TValueType::vaExtended);
        oddExt.Ext = {1, 2, 3, 4, 5, 6, 7, 0xE6, 0xFE, 0x3F}; // more precision than a double
        put("Tag", oddExt);
        put("Cursor", Typed(TValueType::vaBinary, 0, QByteArrayLiteral("\x01\x02")));
        TValue list = Typed(TValueType::vaList);
        list.List = {Typed(TValueType::vaString, 0, QByteArrayLiteral("line")),
                     Typed(TValueType::vaInt8, 1)};
        put("Lines.Strings", list);
    }
    w.WriteEndOfList();
    w.WriteEndOfList();
    return buffer.data();
}

QByteArray Table(int layout, bool foreign = false) {
    TTableFile t;
    t.Layout = quint8(layout);
    t.nCol = 4;
    t.nRow = 3;
    t.Keys = {{1, 2, OddRecord()}, {3, 0, OddRecord(foreign)}};
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    WriteTableFile(&b, t);
    QByteArray bytes = b.data();
    bytes[0] = char(layout);
    return bytes;
}

QByteArray KeyFile() {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    WriteKeyFile(&b, {OddRecord()});
    return b.data();
}

} // namespace

class TestKbtJson : public QObject {
    Q_OBJECT

private slots:
    void dumpThenBuildGivesTheSameBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("keyFile");
        QTest::newRow("scanning table") << Table(1) << false;
        QTest::newRow("layout byte 2") << Table(2) << false;
        QTest::newRow("free table") << Table(0) << false;
        QTest::newRow("key file") << KeyFile() << true;
    }
    void dumpThenBuildGivesTheSameBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, keyFile);
        const QJsonObject json = DumpFile(bytes, keyFile);
        // Through text, as the tool does.
        const QJsonObject reparsed = QJsonDocument::fromJson(QJsonDocument(json).toJson()).object();
        QCOMPARE(BuildFile(reparsed), bytes);
    }

    // Wide strings show as text; a lone surrogate, which JSON text cannot carry, is escaped.
    void wideStringsShowAsText_data() {
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QStringLiteral("zvonek.wav") << QStringLiteral("wstring")
                               << QStringLiteral("zvonek.wav");
        QTest::newRow("Czech and a pair")
            << QStringLiteral("ř\\😀") << QStringLiteral("wstring") << QStringLiteral("ř\\😀");
        QTest::newRow("lone high")
            << (QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b"))
            << QStringLiteral("wstring-escaped") << QStringLiteral("a\\uD800b");
        QTest::newRow("lone low, backslash")
            << (QChar(0xDC01) + QStringLiteral("\\x")) << QStringLiteral("wstring-escaped")
            << QStringLiteral("\\uDC01\\\\x");
        QTest::newRow("high at the end")
            << (QStringLiteral("x") + QChar(0xDBFF)) << QStringLiteral("wstring-escaped")
            << QStringLiteral("x\\uDBFF");
    }
    void wideStringsShowAsText() {
        QFETCH(QString, units);
        QFETCH(QString, form);
        QFETCH(QString, shown);
        QByteArray wide;
        for (const QChar c : units)
            wide += char(c.unicode() & 0xFF), wide += char(c.unicode() >> 8);
        QBuffer record;
        record.open(QIODevice::WriteOnly);
        TComponentWriter w(&record);
        w.WritePrefix(QByteArrayLiteral("TVxKey"), QByteArray());
        w.WritePropertyName(QByteArrayLiteral("WavName"));
        w.WriteValue(Typed(TValueType::vaWString, 0, wide));
        w.WriteEndOfList();
        w.WriteEndOfList();
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        WriteKeyFile(&b, {record.data()});

        const QJsonObject json = DumpFile(b.data(), true);
        const QJsonArray entry =
            json[QStringLiteral("keys")][0][QStringLiteral("properties")][0].toArray();
        QCOMPARE(entry[1].toObject().value(form).toString(), shown);
        const QJsonObject reparsed = QJsonDocument::fromJson(QJsonDocument(json).toJson()).object();
        QCOMPARE(BuildFile(reparsed), b.data());
    }

    void plainFormsAreReadable() {
        const QJsonObject json = DumpFile(Table(1), false);
        const QJsonArray props = json[QLatin1String("keys")]
                                     .toArray()[0]
                                     .toObject()[QLatin1String("properties")]
                                     .toArray();
        const auto find = [&](const char *name) -> QJsonValue {
            for (const QJsonValue &p : props) {
                if (p.toArray()[0].toString() == QLatin1String(name))
                    return p.toArray()[1];
            }
            return QJsonValue();
        };
        QCOMPARE(find("Left"), QJsonValue(5));
        QCOMPARE(find("Top").toObject()[QLatin1String("int16")], QJsonValue(5));
        QCOMPARE(find("TextSh"), QJsonValue(QStringLiteral("š")));
        QCOMPARE(find("Text").toObject()[QLatin1String("string")],
                 QJsonValue(QStringLiteral("čša")));
        QCOMPARE(find("Symbol.Data").toObject()[QLatin1String("picture")],
                 QJsonValue(QStringLiteral("TBitmap")));
        QCOMPARE(json[QLatin1String("nCol")], QJsonValue(4));
    }

    void damagedFilesFail_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray table = Table(1);
        QTest::newRow("cut") << table.left(table.size() - 3);
        QTest::newRow("trailing bytes") << table + QByteArray("x");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("values a key cannot take") << Table(1, true);
    }
    void damagedFilesFail() {
        QFETCH(QByteArray, bytes);
        QVERIFY_THROWS_EXCEPTION(TError, DumpFile(bytes, false));
    }

    void badJsonFails_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("no kind") << QByteArray(R"({"keys": []})");
        QTest::newRow("integer too big for int8")
            << QByteArray(R"({"file":"keys","keys":[{"properties":[["Left",{"int8":300}]]}]})");
        QTest::newRow("not a pair")
            << QByteArray(R"({"file":"keys","keys":[{"properties":[["Left"]]}]})");
        QTest::newRow("unknown form")
            << QByteArray(R"({"file":"keys","keys":[{"properties":[["Left",{"what":1}]]}]})");
        QTest::newRow("picture of the wrong kind")
            << QByteArray(R"({"file":"keys","keys":[{"properties":[["Symbol.Data",)"
                          R"({"picture":"TIcon","base64":"Qk0="}]]}]})");
    }
    void badJsonFails() {
        QFETCH(QByteArray, json);
        QVERIFY_THROWS_EXCEPTION(TError, BuildFile(QJsonDocument::fromJson(json).object()));
    }
};

// Dumping reads every key as the program does, into a key widget.
QTEST_MAIN(TestKbtJson)
#include "tst_KbtJson.moc"
