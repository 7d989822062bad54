#include "CodePage1250.h"
#include "ComponentWriter.h"
#include "ConfigFormat.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

namespace {

// A configuration with every value away from its default.
TConfiguration Sample() {
    TConfiguration c = ConfigFormat::DesignConfiguration();
    c.Display.Lines = {QStringLiteral("Dobrý den, jak se máš?"), QString(),
                       QStringLiteral("Žluťoučký kůň úpěl ďábelské ódy."), QString()};
    c.Display.FontName = QStringLiteral("DejaVu Serif");
    c.Display.FontHeight = -24;
    c.Display.FontStyle = QList<QByteArray>{"fsBold", "fsItalic"};
    c.Display.Height = 150;
    c.VoiceRecord = QByteArray(32, '\0');
    c.VoiceRecord[0] = 3;
    c.VoiceRecord[4] = 2;
    c.Grid.nCol = 7;
    c.Grid.nRow = 4;
    c.Grid.SwCode1 = 65;
    c.Grid.SwTime = 800;
    c.Left = -20;
    c.Top = 40;
    c.Right = 900;
    c.Bottom = 700;
    c.WindowState = 2;
    c.Interval = 1500;
    c.Echo = 1;
    c.AutoReadMode = 3;
    c.TablesDir = QStringLiteral("/home/jiří/Tabulky/");
    c.SoundsDir = QStringLiteral("/home/jiří/Zvuky/");
    c.PicturesDir = QStringLiteral("/data/Изображения/"); // not in the code page
    c.TableName = QStringLiteral("/home/jiří/Tabulky/čeština.kbt");
    return c;
}

QByteArray Le32(qint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// The parts after the display record, written by hand.
QByteArray Tail(const TConfiguration &c, int lines = 4) {
    QByteArray out = EncodeGridSettings(c.Grid);
    out += Le32(c.Left) + Le32(c.Top) + Le32(c.Right) + Le32(c.Bottom);
    out += char(c.WindowState);
    out += Le32(c.Interval) + Le32(c.Echo);
    out += char(c.AutoReadMode);
    const QStringList texts{c.TablesDir, c.SoundsDir, c.PicturesDir, c.TableName};
    for (int i = 0; i < lines; ++i)
        out += CodePage1250::FromUnicode(texts[i]) + "\r\n";
    return out;
}

} // namespace

class TestConfigFormat : public QObject {
    Q_OBJECT

private slots:
    void writtenFileStartsWithVersionThenRecord() {
        const QByteArray bytes = ConfigFormat::Write(Sample());
        QCOMPARE(bytes.left(8), QByteArray::fromHex("6ABC749318040040"));
        QCOMPARE(bytes.mid(8, 4), QByteArray("TPF0"));
        QVERIFY(bytes.endsWith("\r\n"));
        // Lines the code page holds are stored in it.
        QVERIFY(bytes.contains(QByteArray("/home/ji\xf8\xed/Zvuky/\r\n")));
    }

    void roundTripKeepsEveryValue() {
        const TConfiguration c = Sample();
        const TConfigReadResult r = ConfigFormat::Read(ConfigFormat::Write(c));
        QVERIFY2(r.Ok(), qPrintable(r.Error));
        QCOMPARE(r.Reached, TConfigPart::Lines);
        QCOMPARE(r.Version, ConfigFormat::Version);
        QCOMPARE(r.Config.Display, c.Display);
        QCOMPARE(r.Config.PicturesDir, c.PicturesDir);
        QVERIFY(r.Config == c);
    }

    void olderFilesCarryNoVoiceRecord_data() {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<double>("version");
        QByteArray older(8, '\0');
        qToLittleEndian(2.001, older.data());
        QTest::newRow("no version") << QByteArray() << 0.0;
        QTest::newRow("version 2.001") << older << 2.001;
    }
    void olderFilesCarryNoVoiceRecord() {
        QFETCH(QByteArray, head);
        QFETCH(double, version);
        const TConfiguration c = Sample();
        const QByteArray bytes = head + ConfigFormat::WriteDisplayRecord(c.Display) + Tail(c);
        const TConfigReadResult r = ConfigFormat::Read(bytes);
        QVERIFY2(r.Ok(), qPrintable(r.Error));
        QCOMPARE(r.Version, version);
        QVERIFY(r.Config.VoiceRecord.isEmpty());
        QCOMPARE(r.Config.Display, c.Display);
        QCOMPARE(r.Config.Grid, c.Grid);
        QCOMPARE(r.Config.AutoReadMode, c.AutoReadMode);
        QCOMPARE(r.Config.TableName, QStringLiteral("/home/jiří/Tabulky/čeština.kbt"));
    }

    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TConfigPart>("reached");
        QTest::addColumn<QString>("says"); // part of the message, when it matters
        TConfiguration c = Sample();
        const QByteArray display = ConfigFormat::WriteDisplayRecord(c.Display);
        QTest::newRow("empty") << QByteArray() << TConfigPart::Nothing << QString();
        QTest::newRow("not a configuration")
            << QByteArray("hello world, hello world") << TConfigPart::Nothing << QString();
        QTest::newRow("two of four lines")
            << display + Tail(c, 2) << TConfigPart::ReadMode << QString();
        QTest::newRow("last line not ended")
            << display + Tail(c, 3) + "/x/index.kbt" << TConfigPart::ReadMode << QString();
        c.Grid.SwCode2 = 256;
        QTest::newRow("switch code above 255")
            << display + Tail(c) << TConfigPart::Grid << QString();
        c = Sample();
        c.Interval = -1;
        QTest::newRow("negative interval") << display + Tail(c) << TConfigPart::State << QString();
        QTest::newRow("too large")
            << QByteArray(ConfigFormat::MaxFileSize + 1, 'x') << TConfigPart::Nothing << QString();
        const QByteArray rest = display + Tail(Sample());
        for (const double version : {qInf(), 1e308, 3.0, qQNaN(), -1.0, 0.0, 0.5}) {
            QByteArray head(8, '\0');
            qToLittleEndian(version, head.data());
            QTest::addRow("version %g", version)
                << head + rest << TConfigPart::Nothing << QStringLiteral("The version");
        }
    }
    void damagedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(TConfigPart, reached);
        QFETCH(QString, says);
        const TConfigReadResult r = ConfigFormat::Read(bytes);
        QVERIFY(!r.Ok());
        QVERIFY2(r.Error.contains(says), qPrintable(r.Error));
        QCOMPARE(r.Reached, reached);
        // What was read before the damage is there to be applied.
        if (r.Has(TConfigPart::ReadMode))
            QCOMPARE(r.Config.AutoReadMode, quint8(3));
    }

    // Text for the display beyond its limits keeps its end: what was said last.
    void displayTextKeepsItsEnd_data() {
        QTest::addColumn<int>("count");  // stored strings
        QTest::addColumn<int>("length"); // characters of each
        QTest::addColumn<QChar>("fill");
        QTest::addColumn<int>("lines"); // lines read
        QTest::addColumn<int>("last");  // characters of the last line read
        QTest::addColumn<bool>("overlong");
        const int max = int(ConfigFormat::MaxDisplayText);
        QTest::newRow("10001 lines") << 10001 << 3 << QChar(u'a') << 10000 << 3 << false;
        QTest::newRow("100000 empty lines") << 100000 << 0 << QChar(u'a') << 10000 << 0 << false;
        QTest::newRow("one string of 100000 line ends")
            << 1 << 100000 << QChar(u'\n') << 10000 << 0 << false;
        QTest::newRow("a 1 MB word") << 1 << 1000000 << QChar(u'x') << 1 << max << true;
        QTest::newRow("300 lines of 1000 characters")
            << 300 << 1000 << QChar(u'x') << max / 1001 << 1000 << false;
        QTest::newRow("a 4096-character word") << 2 << 4096 << QChar(u'x') << 2 << 4096 << false;
    }
    void displayTextKeepsItsEnd() {
        QFETCH(int, count);
        QFETCH(int, length);
        QFETCH(QChar, fill);
        QFETCH(int, lines);
        QFETCH(int, last);
        QFETCH(bool, overlong);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        TComponentWriter w(&buffer);
        w.WritePrefix("TRichEdit", "Display");
        w.WritePropertyName("Lines.Strings");
        w.WriteListBegin();
        const QString line(length, fill);
        for (int i = 0; i < count; ++i)
            w.WriteString(i + 1 == count ? line : line.left(length - 1) + QLatin1Char('.'));
        w.WriteEndOfList();
        w.WriteEndOfList();
        w.WriteEndOfList();
        buffer.close();
        buffer.open(QIODevice::ReadOnly);
        const TDisplayRecord d = ConfigFormat::ReadDisplayRecord(&buffer);
        QCOMPARE(d.Lines.size(), lines);
        QCOMPARE(d.Lines.constLast().size(), last);
        const QString text = d.Lines.join(QLatin1Char('\n'));
        QVERIFY(text.size() <= ConfigFormat::MaxDisplayText);
        QCOMPARE(ConfigFormat::HasOverlongWord(text), overlong);
    }

    void readModeOutsideTheFourIsKept() {
        TConfiguration c = Sample();
        c.AutoReadMode = 7;
        const TConfigReadResult r = ConfigFormat::Read(ConfigFormat::Write(c));
        QVERIFY(r.Ok());
        QCOMPARE(r.Config.AutoReadMode, quint8(7));
    }

    void lineEndings_data() {
        QTest::addColumn<QByteArray>("end");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
    }
    void lineEndings() {
        QFETCH(QByteArray, end);
        const TConfiguration c = Sample();
        QByteArray bytes = ConfigFormat::WriteDisplayRecord(c.Display) + Tail(c, 0);
        bytes += QByteArray("/t/") + end + "/s/" + end + "/p/" + end + "/t/a.kbt" + end;
        const TConfigReadResult r = ConfigFormat::Read(bytes);
        QVERIFY2(r.Ok(), qPrintable(r.Error));
        QCOMPARE(r.Config.PicturesDir, QStringLiteral("/p/"));
        QCOMPARE(r.Config.TableName, QStringLiteral("/t/a.kbt"));
    }

    // Records written by other programs hold more of the control, in every value type.
    void displayEntriesOfOtherProgramsAreSkipped() {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        TComponentWriter w(&buffer);
        w.WritePrefix("TRichEdit", "Display");
        const auto entry = [&](const char *name) { w.WritePropertyName(QByteArray(name)); };
        entry("BorderStyle");
        w.WriteIdent("bsNone");
        entry("Font.Height");
        w.WriteInteger(-20);
        entry("MaxLength");
        w.WriteInteger(100000); // 32-bit
        entry("Zoom");
        w.WriteExtended(1.5);
        entry("ReadOnly");
        w.WriteBoolean(true);
        entry("Hint");
        w.WriteString(QStringLiteral("nápověda"));
        entry("Anchors");
        w.WriteSet({"akLeft", "akTop"});
        entry("Picture.Data");
        w.WriteBinary(QByteArray(300, '\x7f'));
        entry("Items.Strings");
        w.WriteListBegin();
        w.WriteString(QStringLiteral("a"));
        w.WriteInteger(5);
        w.WriteEndOfList();
        entry("Font.Name");
        w.WriteString(QStringLiteral("Arial"));
        entry("Lines.Strings");
        w.WriteListBegin();
        w.WriteString(QStringLiteral("Čau"));
        w.WriteEndOfList();
        entry("OnChange");
        w.WriteIdent("DisplayChange");
        w.WriteEndOfList();
        w.WriteEndOfList();

        const TConfiguration c = Sample();
        const TConfigReadResult r = ConfigFormat::Read(buffer.data() + Tail(c));
        QVERIFY2(r.Ok(), qPrintable(r.Error));
        QCOMPARE(r.Config.Display.FontHeight, std::optional<qint32>(-20));
        QCOMPARE(r.Config.Display.FontName, std::optional<QString>(QStringLiteral("Arial")));
        QCOMPARE(r.Config.Display.Lines, QStringList{QStringLiteral("Čau")});
        QVERIFY(!r.Config.Display.Height);
        QCOMPARE(r.Config.Grid, c.Grid);
    }

    // Cut anywhere, a file never crashes the reader, always says so, and gives only values that
    // were in it.
    void cutAtEveryLength() {
        const TConfiguration c = Sample();
        const QByteArray bytes = ConfigFormat::Write(c);
        TConfigPart last = TConfigPart::Nothing;
        for (qsizetype n = 0; n + 1 < bytes.size(); ++n) {
            const TConfigReadResult r = ConfigFormat::Read(bytes.left(n));
            QVERIFY2(!r.Ok(), qPrintable(QStringLiteral("accepted at %1").arg(n)));
            QVERIFY(int(r.Reached) >= int(last));
            last = r.Reached;
            if (r.Has(TConfigPart::Display))
                QCOMPARE(r.Config.Display, c.Display);
            if (r.Has(TConfigPart::Grid))
                QCOMPARE(r.Config.Grid, c.Grid);
            if (r.Has(TConfigPart::Interval))
                QCOMPARE(r.Config.Interval, c.Interval);
            else
                QCOMPARE(r.Config.Interval, 1000);
        }
        QCOMPARE(last, TConfigPart::ReadMode);
    }

    void chooseTable_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("chosen");
        const QString index = QStringLiteral("/d/Tables/index.kbt");
        QTest::newRow("as stored")
            << "/old/Tables/a.kbt"
            << QStringList{QStringLiteral("/old/Tables/a.kbt"), QStringLiteral("/t/a.kbt"), index}
            << "/old/Tables/a.kbt";
        QTest::newRow("relative, in the tables directory")
            << "a.kbt" << QStringList{QStringLiteral("/t/a.kbt"), index} << "/t/a.kbt";
        QTest::newRow("moved: same name in the tables directory")
            << "/old/Tables/a.kbt" << QStringList{QStringLiteral("/t/a.kbt"), index} << "/t/a.kbt";
        QTest::newRow("gone: the index table") << "/old/a.kbt" << QStringList{index} << index;
        QTest::newRow("empty line: the index table") << "" << QStringList{index} << index;
        QTest::newRow("nothing: as before") << "/old/a.kbt" << QStringList{} << "/cmd/b.kbt";
    }
    void chooseTable() {
        QFETCH(QString, stored);
        QFETCH(QStringList, existing);
        QFETCH(QString, chosen);
        const QString table = ConfigFormat::ChooseTable(
            stored, QStringLiteral("/t/"), QStringLiteral("/d/"), QStringLiteral("/cmd/b.kbt"),
            [&](const QString &path) { return existing.contains(path); });
        QCOMPARE(table, chosen);
    }
};

QTEST_GUILESS_MAIN(TestConfigFormat)
#include "tst_ConfigFormat.moc"
