#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "Names.h"
#include "TestDevice.h"

#include <QBuffer>
#include <QTest>
#include <functional>
#include <limits>

namespace {

QByteArray Hex(const char *hex) {
    return QByteArray::fromHex(hex);
}

// A short string as stored: length byte, then the bytes.
QByteArray Short(const QByteArray &text) {
    return char(text.size()) + text;
}

QByteArray Le32(qint32 v) {
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = char(quint32(v) >> (8 * i));
    return b;
}

QByteArray Written(const std::function<void(TComponentWriter &)> &write) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    TComponentWriter writer(&buffer);
    write(writer);
    return out;
}

struct TRecord {
    TComponentReader::TPrefix Prefix;
    QList<std::pair<QByteArray, TValue>> Entries;
};

// Reads a whole record generically, as the dump tool does.
TRecord Parse(TComponentReader &reader) {
    TRecord record;
    record.Prefix = reader.ReadPrefix();
    while (!reader.EndOfList()) {
        QByteArray name = reader.ReadPropertyName();
        record.Entries.append({name, reader.ReadValue()});
    }
    if (!reader.EndOfList())
        throw TStreamError(QStringLiteral("children"));
    return record;
}

TRecord Parse(QIODevice *device) {
    TComponentReader reader(device);
    return Parse(reader);
}

// Passes over every entry as a reader does with entries it does not know; the bytes left.
qint64 Skip(TComponentReader &reader) {
    reader.ReadPrefix();
    while (!reader.EndOfList()) {
        reader.ReadPropertyName();
        reader.SkipValue();
    }
    if (!reader.EndOfList())
        throw TStreamError(QStringLiteral("children"));
    return reader.BytesLeft();
}

qint64 Skip(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TComponentReader reader(&buffer);
    return Skip(reader);
}

using TRead = std::function<void(TComponentReader &)>;

// How `read` ends on `bytes` from `at` on: "ok" or the message it fails with. `memory`: the
// reader reads the bytes themselves, else through a buffer.
QString Outcome(const TRead &read, QByteArray bytes, qint64 at, bool memory) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(at);
    TComponentReader reader = memory ? TComponentReader(bytes, at) : TComponentReader(&buffer);
    try {
        read(reader);
        return QStringLiteral("ok, %1 left").arg(reader.BytesLeft());
    } catch (const TStreamError &e) {
        return e.Message();
    }
}

TRecord Parse(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return Parse(&buffer);
}

void Rebuild(TComponentWriter &writer, const TRecord &record) {
    writer.WritePrefix(record.Prefix.ClassName, record.Prefix.Name);
    for (const auto &[name, value] : record.Entries) {
        writer.WritePropertyName(name);
        writer.WriteValue(value);
    }
    writer.WriteEndOfList();
    writer.WriteEndOfList();
}

// A record holding every value type, some in forms the writer itself would not choose.
QByteArray EveryType() {
    return "TPF0" + Short("TThing") + Short("Thing1") +               //
           Short("I8") + Hex("02FF") + Short("I16") + Hex("033412") + //
           Short("I32") + Hex("0478563412") + Short("Wide1") + Hex("0401000000") + Short("E") +
           Hex("0500686666666666E6FE3F") + //
           Short("S") + Hex("0603") +
           "a\x9A"
           "c" + //
           Short("Id") +
           Hex("07") + Short("clRed") +                       //
           Short("F") + Hex("08") + Short("T") + Hex("09") +  //
           Short("Bin") + Hex("0A03000000") + Hex("00FF10") + //
           Short("Set") + Hex("0B") + Short("fsBold") + Short("fsItalic") + Hex("00") + Short("L") +
           Hex("0C") + Le32(2) + "\xE8\xE9" +                   //
           Short("W") + Hex("12") + Le32(2) + Hex("0C013DD8") + //
           Short("U") + Hex("14") + Le32(2) + "\xC5\xA1" +      //
           Short("List") + Hex("01") + Hex("0602") + "ab" + Hex("01020100") + Hex("00") +
           Short("Nil") + Hex("00") + //
           Hex("0000");
}

} // namespace

class TestComponentRecord : public QObject {
    Q_OBJECT

private slots:
    void keyRecordIsWrittenByteForByte() {
        const QByteArray expected =
            "TPF0" + Short("TVxKey") + Hex("00") +                         //
            Short("Left") + Hex("020A") + Short("Width") + Hex("032C01") + //
            Short("TabOrder") + Hex("0200") +                              //
            Short("Status") + Hex("0B") + Short("vxo3Deffect") + Short("vxoSendClick") +
            Hex("00") +                                                       //
            Short("Text") + Hex("0601") + "A" +                               //
            Short("Font.Charset") + Hex("07") + Short("EASTEUROPE_CHARSET") + //
            Short("Font.Color") + Hex("07") + Short("clWindowText") +         //
            Short("Font.Height") + Hex("02F0") +                              //
            Short("Font.Style") + Hex("0B00") +                               //
            Short("ColorSelected") + Hex("04") + Le32(0x123456) +             //
            Short("Selected") + Hex("08") + Short("Active") + Hex("09") +     //
            Short("SpecialKey") + Hex("07") + Short("None") +                 //
            Short("Aspect") + Hex("0500686666666666E6FE3F") + Hex("0000");

        const QByteArray written = Written([](TComponentWriter &w) {
            w.WritePrefix("TVxKey", "");
            w.WritePropertyName("Left");
            w.WriteInteger(10);
            w.WritePropertyName("Width");
            w.WriteInteger(300);
            w.WritePropertyName("TabOrder");
            w.WriteInteger(0);
            w.WritePropertyName("Status");
            w.WriteSet({"vxo3Deffect", "vxoSendClick"});
            w.WritePropertyName("Text");
            w.WriteString(QStringLiteral("A"));
            w.WritePropertyName("Font.Charset");
            w.WriteCharset(238);
            w.WritePropertyName("Font.Color");
            w.WriteColor(0xFF000008);
            w.WritePropertyName("Font.Height");
            w.WriteInteger(-16);
            w.WritePropertyName("Font.Style");
            w.WriteSet({});
            w.WritePropertyName("ColorSelected");
            w.WriteColor(0x123456);
            w.WritePropertyName("Selected");
            w.WriteBoolean(false);
            w.WritePropertyName("Active");
            w.WriteBoolean(true);
            w.WritePropertyName("SpecialKey");
            w.WriteIdent("None");
            w.WritePropertyName("Aspect");
            w.WriteExtended(0.9);
            w.WriteEndOfList();
            w.WriteEndOfList();
        });
        QCOMPARE(written.toHex(' '), expected.toHex(' '));

        const TRecord record = Parse(expected);
        QCOMPARE(record.Prefix.ClassName, QByteArray("TVxKey"));
        QCOMPARE(record.Entries.size(), 14);
        QCOMPARE(Written([&](TComponentWriter &w) { Rebuild(w, record); }), expected);
    }

    void integers_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("0") << 0 << Hex("0200");
        QTest::newRow("-128") << -128 << Hex("0280");
        QTest::newRow("127") << 127 << Hex("027F");
        QTest::newRow("128") << 128 << Hex("038000");
        QTest::newRow("-129") << -129 << Hex("037FFF");
        QTest::newRow("32767") << 32767 << Hex("03FF7F");
        QTest::newRow("-32768") << -32768 << Hex("030080");
        QTest::newRow("32768") << 32768 << Hex("0400800000");
        QTest::newRow("-32769") << -32769 << Hex("04FF7FFFFF");
        QTest::newRow("max") << std::numeric_limits<int>::max() << Hex("04FFFFFF7F");
        QTest::newRow("min") << std::numeric_limits<int>::min() << Hex("0400000080");
    }
    void integers() {
        QFETCH(int, value);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Written([&](TComponentWriter &w) { w.WriteInteger(value); }).toHex(),
                 bytes.toHex());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(TComponentReader(&buffer).ReadInteger(), value);
    }

    void writtenStrings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QString() << Hex("0600");
        QTest::newRow("ascii") << QStringLiteral("Ahoj") << Hex("0604") + "Ahoj";
        QTest::newRow("ascii 255") << QString(255, u'x') << Hex("06FF") + QByteArray(255, 'x');
        QTest::newRow("ascii 256")
            << QString(256, u'x') << Hex("0C") + Le32(256) + QByteArray(256, 'x');
        QTest::newRow("czech") << QStringLiteral("kůň")
                               << Hex("14") + Le32(5) + "k\xC5\xAF\xC5\x88";
        QTest::newRow("long czech")
            << QString(200, u'č') << Hex("14") + Le32(400) + QByteArray("\xC4\x8D").repeated(200);
        QTest::newRow("beyond the code page")
            << QStringLiteral("\u4E2D") << Hex("14") + Le32(3) + "\xE4\xB8\xAD";
    }
    void writtenStrings() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Written([&](TComponentWriter &w) { w.WriteString(text); }).toHex(), bytes.toHex());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(TComponentReader(&buffer).ReadString(), text);
    }

    void readStrings_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("short, code page") << Hex("0605") + "\x9Aipka" << QStringLiteral("šipka");
        QTest::newRow("long, code page")
            << Hex("0C") + Le32(3) + "\xE8\xF8\xEC" << QStringLiteral("čřě");
        QTest::newRow("wide") << Hex("12") + Le32(3) + Hex("0C0161007500") << QStringLiteral("Čau");
        QTest::newRow("wide counts 16-bit units")
            << Hex("12") + Le32(2) + Hex("3DD800DE") << QStringLiteral("\U0001F600");
        QTest::newRow("utf-8") << Hex("14") + Le32(2) + "\xC5\xBE" << QStringLiteral("ž");
    }
    void readStrings() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        TComponentReader reader(&buffer);
        QCOMPARE(reader.ReadString(), text);
        QCOMPARE(reader.BytesLeft(), qint64(0));
    }

    void colors_data() {
        QTest::addColumn<quint32>("color");
        QTest::addColumn<QByteArray>("bytes");
        const std::pair<const char *, quint32> named[] = {
            {"clBlack", 0x0},           {"clMedGray", 0xA4A0A0},      {"clSkyBlue", 0xF0CAA6},
            {"clNone", 0x1FFFFFFF},     {"clDefault", 0x20000000},    {"clScrollBar", 0xFF000000},
            {"clBtnFace", 0xFF00000F},  {"cl3DDkShadow", 0xFF000015}, {"clInfoBk", 0xFF000018},
            {"clHotLight", 0xFF00001A}, {"clMenuBar", 0xFF00001E},
        };
        for (const auto &[name, color] : named)
            QTest::newRow(name) << color << Hex("07") + Short(name);
        QTest::newRow("system 0x19 has no name") << 0xFF000019u << Hex("04190000FF");
        QTest::newRow("past the system colours") << 0xFF00001Fu << Hex("041F0000FF");
        QTest::newRow("unnamed small") << 0x000001u << Hex("0201");
        QTest::newRow("unnamed") << 0x123456u << Hex("0456341200");
    }
    void colors() {
        QFETCH(quint32, color);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Written([&](TComponentWriter &w) { w.WriteColor(color); }).toHex(), bytes.toHex());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(TComponentReader(&buffer).ReadColor(), color);
    }

    void charsets_data() {
        QTest::addColumn<int>("charset");
        QTest::addColumn<QByteArray>("bytes");
        const std::pair<const char *, int> named[] = {
            {"ANSI_CHARSET", 0},          {"DEFAULT_CHARSET", 1},      {"MAC_CHARSET", 77},
            {"CHINESEBIG5_CHARSET", 136}, {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
        };
        for (const auto &[name, charset] : named)
            QTest::newRow(name) << charset << Hex("07") + Short(name);
        QTest::newRow("unnamed") << 3 << Hex("0203");
        QTest::newRow("unnamed wide") << 300 << Hex("032C01");
    }
    void charsets() {
        QFETCH(int, charset);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Written([&](TComponentWriter &w) { w.WriteCharset(charset); }).toHex(),
                 bytes.toHex());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(TComponentReader(&buffer).ReadCharset(), charset);
    }

    void lenientTypedReads() {
        QByteArray bytes = Hex("0405000000") + Hex("04FF000000") + Hex("07") + Short("CLRED") +
                           Hex("0409000000") + Hex("08") + Hex("09") + Hex("0203");
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        TComponentReader r(&buffer);
        QCOMPARE(r.ReadInteger(), 5);
        QCOMPARE(r.ReadColor(), Colors::clRed);
        QCOMPARE(r.ReadColor(), Colors::clRed);
        QCOMPARE(r.ReadExtended(), 9.0);
        QCOMPARE(r.ReadIdent(), QByteArray("False"));
        QCOMPARE(r.ReadIdent(), QByteArray("True"));
        QCOMPARE(r.ReadExtended(), 3.0);
    }

    void displayRecordWithLines() {
        const QStringList lines = {QStringLiteral("Dobrý den"), QString(), QStringLiteral("Hello"),
                                   QString(300, u'a')};
        const QByteArray bytes = Written([&](TComponentWriter &w) {
            w.WritePrefix("TRichEdit", "Display");
            w.WritePropertyName("Left");
            w.WriteInteger(0);
            w.WritePropertyName("Color");
            w.WriteColor(Colors::clWhite);
            w.WritePropertyName("Font.Name");
            w.WriteString(QStringLiteral("Arial"));
            w.WritePropertyName("Lines.Strings");
            w.WriteListBegin();
            for (const QString &line : lines)
                w.WriteString(line);
            w.WriteEndOfList();
            w.WritePropertyName("TabOrder");
            w.WriteInteger(1);
            w.WriteEndOfList();
            w.WriteEndOfList();
        });
        QVERIFY(bytes.contains(Short("Lines.Strings") + Hex("01") + Hex("14") + Le32(10)));

        const TRecord record = Parse(bytes);
        QCOMPARE(record.Prefix.Name, QByteArray("Display"));
        QCOMPARE(record.Entries.size(), 5);
        QCOMPARE(record.Entries[3].second.List.size(), lines.size());
        QCOMPARE(Written([&](TComponentWriter &w) { Rebuild(w, record); }).toHex(), bytes.toHex());

        QByteArray copy = bytes;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        TComponentReader r(&buffer);
        r.ReadPrefix();
        for (int i = 0; i < 3; ++i) {
            r.ReadPropertyName();
            r.SkipValue();
        }
        QCOMPARE(r.ReadPropertyName(), QByteArray("Lines.Strings"));
        r.ReadListBegin();
        QStringList read;
        while (!r.EndOfList())
            read.append(r.ReadString());
        QCOMPARE(read, lines);
        QCOMPARE(r.ReadPropertyName(), QByteArray("TabOrder"));
    }

    void everyTypeIsRebuiltByteForByte() {
        const QByteArray bytes = EveryType();
        const TRecord record = Parse(bytes);
        QCOMPARE(record.Entries.size(), 16);
        const TValue &wide = record.Entries[3].second;
        QCOMPARE(wide.Type, TValueType::vaInt32);
        QCOMPARE(wide.Int, 1);
        QCOMPARE(record.Entries[14].second.List.size(), 2);
        QCOMPARE(record.Entries[14].second.List[1].List[0].Int, 1);
        QCOMPARE(Written([&](TComponentWriter &w) { Rebuild(w, record); }).toHex(' '),
                 bytes.toHex(' '));

        // The same through a sequential device, which reports no size in advance.
        TTestDevice device(bytes);
        device.open(QIODevice::ReadWrite);
        QCOMPARE(Parse(&device).Entries.size(), 16);
        // Skipping lands where reading does.
        QCOMPARE(Skip(bytes + "xy"), 2);
    }

    void truncatedAtEveryLength() {
        const QByteArray bytes = EveryType();
        for (qsizetype n = 0; n < bytes.size(); ++n) {
            try {
                Parse(bytes.left(n));
                QFAIL(qPrintable(QStringLiteral("a record cut at %1 bytes was accepted").arg(n)));
            } catch (const TStreamError &e) {
                QVERIFY2(e.Message().contains(QStringLiteral("offset")), qPrintable(e.Message()));
            }
            QVERIFY_THROWS_EXCEPTION(TStreamError, Skip(bytes.left(n)));
            TTestDevice device(bytes.left(n));
            device.open(QIODevice::ReadOnly);
            QVERIFY_THROWS_EXCEPTION(TStreamError, Parse(&device));
        }
    }

    void corruptRecords_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("skipped"); // skipping, which keeps nothing, passes over it
        const QByteArray head = "TPF0" + Short("TVxKey") + Hex("00") + Short("P");
        QTest::newRow("signature")
            << "TPF1" + Short("TVxKey") + Hex("000000") << "offset 0: the signature" << false;
        QTest::newRow("empty") << QByteArray() << "too short" << false;
        QTest::newRow("type 0x0D")
            << head + Hex("0D0000") << "offset 14: unknown value type 0x0D" << false;
        QTest::newRow("type 0x13") << head + Hex("130000") << "unknown value type 0x13" << false;
        QTest::newRow("type 0xFF") << head + Hex("FF0000") << "unknown value type 0xFF" << false;
        QTest::newRow("binary longer than the rest")
            << head + Hex("0A10000000") + "abc" + Hex("0000") << "needs 16 bytes but only 5"
            << false;
        QTest::newRow("huge length")
            << head + Hex("0CFFFFFF7F0000") << "needs 2147483647 bytes" << false;
        QTest::newRow("negative length")
            << head + Hex("14FFFFFFFF0000") << "negative length" << false;
        QTest::newRow("wide count beyond")
            << head + Hex("1202000000410000") << "needs 4 bytes but only 3" << false;
        QTest::newRow("short string beyond") << head + Hex("06FF41") << "needs 255 bytes" << false;
        QTest::newRow("set never ends")
            << head + Hex("0B") + Short("fsBold") << "ends 1 byte early" << false;
        QTest::newRow("list never ends") << head + Hex("010201") << "ends before the end" << false;
        QTest::newRow("lists nested too deep")
            << head + QByteArray(100000, '\x01') << "nested deeper than 64" << false;
        QByteArray names;
        for (int i = 0; i < 257; ++i)
            names += Short(QByteArray::number(i));
        QTest::newRow("set of 257 names") << head + Hex("0B") + names + Hex("000000")
                                          << "offset 14: a set holds more than 256" << false;
        QTest::newRow("set of millions of one-letter names")
            << head + Hex("0B") + QByteArray(8 << 20, '\x01') << "a set holds more than 256"
            << false;
        QTest::newRow("list of 2 million items")
            << head + Hex("01") + QByteArray(1 << 21, '\x08') + Hex("000000")
            << "more than 65536 list items" << true;
        QTest::newRow("lists of sets past the budget")
            << head + Hex("01") + (Hex("0B") + names.left(250 * 3) + Hex("00")).repeated(320) +
                   Hex("000000")
            << "more than 65536 list items" << true;
    }
    void corruptRecords() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(bool, skipped);
        try {
            Parse(bytes);
            QFAIL("accepted");
        } catch (const TStreamError &e) {
            QVERIFY2(e.Message().contains(message), qPrintable(e.Message()));
        }
        if (skipped) {
            QCOMPARE(Skip(bytes), 0);
            return;
        }
        try {
            Skip(bytes);
            QFAIL("skipped");
        } catch (const TStreamError &e) {
            QVERIFY2(e.Message().contains(message), qPrintable(e.Message()));
        }
    }

    void wrongTypeForTypedRead_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("call");
        QTest::addColumn<QString>("message");
        QTest::newRow("integer from string")
            << Hex("060141") << 0 << "an integer was expected, found a short string";
        QTest::newRow("string from integer") << Hex("0201") << 1 << "a string was expected";
        QTest::newRow("Boolean from identifier") << Hex("07") + Short("True") << 2 << "a Boolean";
        QTest::newRow("set from identifier") << Hex("07") + Short("a") << 3 << "a set";
        QTest::newRow("binary from long string") << Hex("0C00000000") << 4 << "binary data";
        QTest::newRow("extended from string") << Hex("0600") << 5 << "a floating-point";
        QTest::newRow("unknown colour")
            << Hex("07") + Short("clPink") << 6 << "unknown colour name \"clPink\"";
        QTest::newRow("colour from set") << Hex("0B00") << 6 << "a colour";
        QTest::newRow("unknown charset")
            << Hex("07") + Short("UTF8") << 7 << "unknown character set";
        QTest::newRow("identifier from integer") << Hex("0201") << 8 << "an identifier";
        QTest::newRow("list from string") << Hex("0600") << 9 << "a list";
    }
    void wrongTypeForTypedRead() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, call);
        QFETCH(QString, message);
        bytes.prepend("xx");
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        buffer.seek(2);
        TComponentReader r(&buffer);
        const std::function<void()> calls[] = {
            [&] { r.ReadInteger(); },   [&] { r.ReadString(); },  [&] { r.ReadBoolean(); },
            [&] { r.ReadSet(); },       [&] { r.ReadBinary(); },  [&] { r.ReadExtended(); },
            [&] { r.ReadColor(); },     [&] { r.ReadCharset(); }, [&] { r.ReadIdent(); },
            [&] { r.ReadListBegin(); },
        };
        try {
            calls[call]();
            QFAIL("accepted");
        } catch (const TStreamError &e) {
            QVERIFY2(e.Message().contains(QStringLiteral("offset 2: ") + message),
                     qPrintable(e.Message()));
        }
    }

    void writerRefusesWhatWouldNotReadBack_data() {
        QTest::addColumn<int>("call");
        QTest::newRow("short string of 256") << 0;
        QTest::newRow("identifier of 256") << 1;
        QTest::newRow("empty property name") << 2;
        QTest::newRow("empty set element") << 3;
        QTest::newRow("int8 value out of range") << 4;
        QTest::newRow("odd wide string") << 5;
        QTest::newRow("end of list inside a list") << 6;
        QTest::newRow("long short string in a list") << 7;
    }
    void writerRefusesWhatWouldNotReadBack() {
        QFETCH(int, call);
        const auto value = [](TValueType type) {
            TValue v;
            v.Type = type;
            return v;
        };
        TValue big = value(TValueType::vaInt8);
        big.Int = 200;
        TValue odd = value(TValueType::vaWString);
        odd.Bytes = "abc";
        TValue nested = value(TValueType::vaList);
        nested.List = {value(TValueType::vaTrue), value(TValueType::vaNull)};
        TValue longInList = value(TValueType::vaList);
        TValue longShort = value(TValueType::vaString);
        longShort.Bytes = QByteArray(256, 'a');
        longInList.List = {value(TValueType::vaTrue), longShort};
        const std::function<void(TComponentWriter &)> calls[] = {
            [](TComponentWriter &w) { w.WriteShortString(QByteArray(256, 'a')); },
            [](TComponentWriter &w) { w.WriteIdent(QByteArray(256, 'a')); },
            [](TComponentWriter &w) { w.WritePropertyName(""); },
            [](TComponentWriter &w) {
                w.WriteSet({"a", ""});
            },
            [&](TComponentWriter &w) { w.WriteValue(big); },
            [&](TComponentWriter &w) { w.WriteValue(odd); },
            [&](TComponentWriter &w) { w.WriteValue(nested); },
            [&](TComponentWriter &w) { w.WriteValue(longInList); },
        };
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        TComponentWriter writer(&buffer);
        QVERIFY_THROWS_EXCEPTION(TStreamError, calls[call](writer));
        if (call >= 4)
            QCOMPARE(out.toHex(), QByteArray()); // a refused value leaves nothing behind
    }

    // The bytes read in memory fail exactly as through a device, with the same offsets, behind
    // a few bytes of something else as a record in a file is.
    void memoryFailsAsTheDevice_data() { corruptRecords_data(); }
    void memoryFailsAsTheDevice() {
        QFETCH(QByteArray, bytes);
        const QByteArray file = "xyz" + bytes;
        const TRead parse = [](TComponentReader &r) { Parse(r); };
        const TRead skip = [](TComponentReader &r) { Skip(r); };
        for (const TRead &read : {parse, skip}) {
            const QString device = Outcome(read, file, 3, false);
            QCOMPARE(Outcome(read, file, 3, true), device);
        }
        QVERIFY(Outcome(parse, file, 3, true).startsWith(QStringLiteral("Damaged record")));
    }

    void memoryTruncatedAtEveryLength() {
        const QByteArray bytes = "xyz" + EveryType();
        const TRead parse = [](TComponentReader &r) { Parse(r); };
        const TRead skip = [](TComponentReader &r) { Skip(r); };
        for (qsizetype n = 3; n <= bytes.size(); ++n) {
            for (const TRead &read : {parse, skip}) {
                const QString device = Outcome(read, bytes.left(n), 3, false);
                QCOMPARE(Outcome(read, bytes.left(n), 3, true), device);
                QCOMPARE(device.startsWith(QStringLiteral("ok")), n == bytes.size());
            }
        }
        TComponentReader reader(bytes, 3);
        QCOMPARE(Parse(reader).Entries, Parse(EveryType()).Entries);
        QCOMPARE(reader.Offset(), qint64(bytes.size()));
    }

    void memoryTypedReads_data() { wrongTypeForTypedRead_data(); }
    void memoryTypedReads() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, call);
        const TRead calls[] = {
            [](TComponentReader &r) { r.ReadInteger(); },
            [](TComponentReader &r) { r.ReadString(); },
            [](TComponentReader &r) { r.ReadBoolean(); },
            [](TComponentReader &r) { r.ReadSet(); },
            [](TComponentReader &r) { r.ReadBinary(); },
            [](TComponentReader &r) { r.ReadExtended(); },
            [](TComponentReader &r) { r.ReadColor(); },
            [](TComponentReader &r) { r.ReadCharset(); },
            [](TComponentReader &r) { r.ReadIdent(); },
            [](TComponentReader &r) { r.ReadListBegin(); },
        };
        const QByteArray file = "xx" + bytes;
        QCOMPARE(Outcome(calls[call], file, 2, true), Outcome(calls[call], file, 2, false));
        // Cut short, each read fails alike too.
        for (qsizetype n = 2; n < file.size(); ++n)
            QCOMPARE(Outcome(calls[call], file.left(n), 2, true),
                     Outcome(calls[call], file.left(n), 2, false));
    }

    void deviceFailingAfterEveryByteCount() {
        const TRecord record = Parse(EveryType());
        const qint64 size = EveryType().size();
        for (qint64 limit = 0; limit < size; ++limit) {
            TTestDevice device({}, limit);
            device.open(QIODevice::WriteOnly);
            TComponentWriter writer(&device);
            try {
                Rebuild(writer, record);
                QFAIL(qPrintable(QStringLiteral("no error with %1 bytes").arg(limit)));
            } catch (const TStreamError &e) {
                QVERIFY2(e.Message().contains(QStringLiteral("No space left")),
                         qPrintable(e.Message()));
            }
        }
        TTestDevice device({}, size);
        device.open(QIODevice::WriteOnly);
        TComponentWriter writer(&device);
        Rebuild(writer, record);
        QCOMPARE(device.Written(), EveryType());
    }
};

QTEST_GUILESS_MAIN(TestComponentRecord)
#include "tst_ComponentRecord.moc"
