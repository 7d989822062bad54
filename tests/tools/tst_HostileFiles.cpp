// Damaged and hostile tables and key files, each a few bytes built here: the program's loader
// and the tool give the same verdict, the program says what is wrong and where, and a refused
// header leaves the grid as it was.
#include "Error.h"
#include "FormFixture.h"
#include "KbtJson.h"
#include "Limits.h"

#include <QFile>
#include <QProcess>
#include <QtEndian>
#include <climits>

namespace {

QByteArray Int32(qint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray Short(const QByteArray &s) {
    return char(s.size()) + s;
}

QByteArray Int(const QByteArray &name, qint32 v) {
    return Short(name) + '\x04' + Int32(v);
}

QByteArray Text(const QByteArray &name, const QByteArray &text) {
    return Short(name) + '\x0C' + Int32(qint32(text.size())) + text;
}

QByteArray Record(const QByteArray &entries) {
    return QByteArrayLiteral("TPF0") + Short("TVxKey") + '\0' + entries + QByteArray(2, 0);
}

const QByteArray Plain = Record(Int("Left", 5) + Int("Top", 5) + Int("Width", 40) +
                                Int("Height", 30) + Text("Text", "a"));
const qint64 PlainSize = Plain.size();

QByteArray Scanning(qint32 count, qint32 nCol, qint32 nRow) {
    return '\x01' + Int32(count) + Int32(nCol) + Int32(nRow);
}

QByteArray Free(qint32 count) {
    return '\0' + Int32(count);
}

QByteArray Cell(qint32 c, qint32 r) {
    return Int32(c) + Int32(r);
}

QByteArray Symbol(const QByteArray &kind, const QByteArray &data) {
    return Short("Symbol.Data") + '\x0A' + Int32(qint32(Short(kind).size() + 4 + data.size())) +
           Short(kind) + Int32(qint32(data.size())) + data;
}

// A bitmap file header and info header claiming `w` x `h` pixels, with no pixels.
QByteArray BitmapHeader(qint32 w, qint32 h) {
    QByteArray b = QByteArrayLiteral("BM") + Int32(54) + Int32(0) + Int32(54) + Int32(40) +
                   Int32(w) + Int32(h);
    b += QByteArray::fromHex("01001800") + QByteArray(24, 0);
    return b;
}

void WriteFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT

private slots:
    void verdict_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("keyFile");
        QTest::addColumn<QString>("reason"); // second line of the program's message; empty: read
        QTest::addColumn<QString>("where");  // the same place in the tool's message
        QTest::addColumn<int>("kept");       // keys in the window afterwards

        const qint64 second = 13 + 8 + PlainSize; // entry of a scanning table's second key
        QTest::newRow("empty file")
            << QByteArray() << false << QStringLiteral("soubor je zkrácený (bajt 0 souboru)")
            << QStringLiteral("at file offset 0:") << 0;
        QTest::newRow("text instead of a table")
            << QByteArrayLiteral("{\"file\": \"table\"}") << false
            << QStringLiteral("soubor má příliš mnoho kláves (bajt 1 souboru)")
            << QStringLiteral("at file offset 1:") << 0;
        QTest::newRow("negative key count")
            << Free(-1) << false << QStringLiteral("záznam je poškozený (bajt 1 souboru)")
            << QStringLiteral("at file offset 1:") << 0;
        QTest::newRow("more keys than allowed")
            << Free(Limits::MaxKeys + 1) + Plain << false
            << QStringLiteral("soubor má příliš mnoho kláves (bajt 1 souboru)")
            << QStringLiteral("at file offset 1:") << 0;
        QTest::newRow("no columns")
            << Scanning(0, 0, 3) << false
            << QStringLiteral("velikost mřížky je mimo povolený rozsah (bajt 5 souboru)")
            << QStringLiteral("at file offset 5:") << 0;
        QTest::newRow("negative rows")
            << Scanning(0, 2, -1) << false
            << QStringLiteral("velikost mřížky je mimo povolený rozsah (bajt 9 souboru)")
            << QStringLiteral("at file offset 9:") << 0;
        QTest::newRow("300000 x 300000 grid")
            << Scanning(0, 300000, 300000) << false
            << QStringLiteral("velikost mřížky je mimo povolený rozsah (bajt 5 souboru)")
            << QStringLiteral("at file offset 5:") << 0;
        QTest::newRow("largest grid")
            << Scanning(1, Limits::MaxGridCols, Limits::MaxGridRows) + Cell(999, 999) + Plain
            << false << QString() << QString() << 1;
        QTest::newRow("a record after a count of 0")
            << Scanning(0, 2, 2) + Cell(0, 0) + Plain << false
            << QStringLiteral("za poslední klávesou následují další data (bajt 13 souboru)")
            << QStringLiteral("at file offset 13:") << 0;
        QTest::newRow("bytes after the last key")
            << Scanning(1, 2, 2) + Cell(0, 0) + Plain + "xx" << false
            << QStringLiteral("za poslední klávesou následují další data (bajt %1 souboru)")
                   .arg(second)
            << QStringLiteral("at file offset %1:").arg(second) << 1;
        QTest::newRow("cell outside the grid")
            << Scanning(1, 2, 2) + Cell(2, 0) + Plain << false
            << QStringLiteral("klávesa 1: buňka klávesy leží mimo mřížku (bajt 13 souboru)")
            << QStringLiteral("key 1 at file offset 13:") << 0;
        QTest::newRow("negative cell")
            << Scanning(1, 2, 2) + Cell(0, -1) + Plain << false
            << QStringLiteral("klávesa 1: buňka klávesy leží mimo mřížku (bajt 13 souboru)")
            << QStringLiteral("key 1 at file offset 13:") << 0;
        QTest::newRow("two keys in one cell")
            << Scanning(2, 2, 2) + Cell(1, 1) + Plain + Cell(1, 1) + Plain << false
            << QStringLiteral("klávesa 2: buňka klávesy už patří jiné klávese (bajt %1 souboru)")
                   .arg(second)
            << QStringLiteral("key 2 at file offset %1:").arg(second) << 1;
        QTest::newRow("record cut short")
            << Scanning(1, 2, 2) + Cell(0, 0) + Plain.chopped(3) << false
            << QStringLiteral("klávesa 1: soubor je zkrácený (bajt 13 souboru)")
            << QStringLiteral("key 1 at file offset 13:") << 0;
        QTest::newRow("unknown property")
            << Free(1) + Record(Int("Colour", 1)) << false
            << QStringLiteral("klávesa 1: záznam je poškozený (bajt 5 souboru)")
            << QStringLiteral("key 1 at file offset 5:") << 0;
        QTest::newRow("text over the limit")
            << Free(1) + Record(Text("Text", QByteArray(Limits::MaxKeyText + 1, 'x'))) << false
            << QStringLiteral("klávesa 1: text je příliš dlouhý (bajt 5 souboru)")
            << QStringLiteral("key 1 at file offset 5:") << 0;
        QTest::newRow("text at the limit")
            << Free(1) + Record(Text("Text", QByteArray(Limits::MaxKeyText, 'x'))) << false
            << QString() << QString() << 1;
        QTest::newRow("key 40 million pixels down")
            << Free(2) + Plain + Record(Int("Top", 40000000)) << false
            << QStringLiteral("klávesa 2: poloha nebo velikost je mimo rozsah (bajt %1 souboru)")
                   .arg(5 + PlainSize)
            << QStringLiteral("key 2 at file offset %1:").arg(5 + PlainSize) << 1;
        QTest::newRow("border of -2^31")
            << Free(1) + Record(Int("BorderWidth", INT_MIN)) << false
            << QStringLiteral("klávesa 1: poloha nebo velikost je mimo rozsah (bajt 5 souboru)")
            << QStringLiteral("key 1 at file offset 5:") << 0;
        QTest::newRow("damaged picture")
            << Free(1) + Record(Symbol("TJPEGImage", "\xFF\xD8not a picture")) << false
            << QStringLiteral("klávesa 1: obrázek je poškozený (bajt 5 souboru)")
            << QStringLiteral("key 1 at file offset 5:") << 0;
        QTest::newRow("bitmap header claiming 20000 x 20000")
            << Free(1) + Record(Symbol("TBitmap", BitmapHeader(20000, 20000))) << false
            << QStringLiteral("klávesa 1: obrázek je příliš velký (bajt 5 souboru)")
            << QStringLiteral("key 1 at file offset 5:") << 0;
        QTest::newRow("valid table") << Scanning(2, 2, 2) + Cell(1, 1) + Plain + Cell(0, 0) + Plain
                                     << false << QString() << QString() << 2;

        QTest::newRow("key file: more keys than allowed")
            << Int32(Limits::MaxKeys + 1) + Plain << true
            << QStringLiteral("soubor má příliš mnoho kláves (bajt 0 souboru)")
            << QStringLiteral("at file offset 0:") << 0;
        QTest::newRow("key file: bytes after the last key")
            << Int32(1) + Plain + "x" << true
            << QStringLiteral("za poslední klávesou následují další data (bajt %1 souboru)")
                   .arg(4 + PlainSize)
            << QStringLiteral("at file offset %1:").arg(4 + PlainSize) << 1;
        QTest::newRow("key file: valid")
            << Int32(2) + Plain + Plain << true << QString() << QString() << 2;
    }
    void verdict() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, keyFile);
        QFETCH(QString, reason);
        QFETCH(QString, where);
        QFETCH(int, kept);

        TFormFixture f;
        TForm1 &form = f.Make();
        const QString name =
            keyFile ? QStringLiteral("hostile.kyf") : QStringLiteral("hostile.kbt");
        WriteFile(f.TablePath(name), bytes);
        if (keyFile) {
            form.SetEditMode(true);
            f.Prompts.FileNames = {f.TablePath(name)};
            form.LoadKey1Click();
        } else {
            form.LoadTable(name);
        }
        QString message;
        for (const TScriptedPrompts::TShown &shown : f.Prompts.Shown) {
            if (shown.Kind == TScriptedPrompts::kError)
                message = shown.Text;
        }
        if (reason.isEmpty()) {
            QCOMPARE(message, QString());
        } else {
            const QString first =
                keyFile ? QStringLiteral("Soubor s klávesami nelze otevřít: ") + f.TablePath(name)
                        : QStringLiteral("Tabulku nelze otevřít: ") + name;
            QCOMPARE(message, first + QLatin1Char('\r') + reason);
        }
        QCOMPARE(form.Keys().size(), kept);
        // A refused header leaves the grid as it was; an accepted one gives it the file's size.
        const bool headerRefused = !reason.isEmpty() &&
                                   !reason.contains(QStringLiteral("klávesa")) &&
                                   !reason.startsWith(QStringLiteral("za poslední"));
        if (headerRefused) {
            QCOMPARE(form.TimeGrid1->nCol(), 10);
            QCOMPARE(form.TimeGrid1->nRow(), 6);
        }

        // The tool: the same verdict, the same place, file offsets only.
        QString toolError;
        try {
            DumpFile(bytes, keyFile);
        } catch (const TError &e) {
            toolError = e.Message();
        }
        QCOMPARE(toolError.isEmpty(), reason.isEmpty());
        if (!where.isEmpty())
            QVERIFY2(toolError.startsWith(where), qPrintable(toolError));
    }

    // The real tool's exit status: 0 for a file it reads, 1 for one it refuses, 2 for a
    // command it does not understand.
    void toolExitCodes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        const QByteArray valid = Scanning(1, 2, 2) + Cell(0, 0) + Plain;
        QTest::newRow("dump of a valid table") << QStringList{QStringLiteral("dump")} << valid << 0;
        QTest::newRow("render of a valid table")
            << QStringList{QStringLiteral("render"), QStringLiteral("-o"), QStringLiteral("OUT")}
            << valid << 0;
        QTest::newRow("dump of two keys in one cell")
            << QStringList{QStringLiteral("dump")}
            << Scanning(2, 2, 2) + Cell(0, 0) + Plain + Cell(0, 0) + Plain << 1;
        QTest::newRow("render of a 10^8-column grid")
            << QStringList{QStringLiteral("render"), QStringLiteral("-o"), QStringLiteral("OUT")}
            << Scanning(0, 100000000, 1) << 1;
        QTest::newRow("unknown command") << QStringList{QStringLiteral("paint")} << valid << 2;
    }
    void toolExitCodes() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString input = dir.filePath(QStringLiteral("t.kbt"));
        WriteFile(input, bytes);
        arguments.replaceInStrings(QStringLiteral("OUT"), dir.filePath(QStringLiteral("t.png")));
        arguments.insert(1, input);
        QProcess tool;
        tool.start(QStringLiteral(ORVANTA_KBT), arguments);
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), status);
    }
};

QTEST_MAIN(TestHostileFiles)
#include "tst_HostileFiles.moc"
