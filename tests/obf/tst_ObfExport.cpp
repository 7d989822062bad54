#include "BoardBuilder.h"
#include "KeyDescription.h"
#include "ObfExport.h"
#include "ObfImport.h"
#include "ObfMedia.h"
#include "Picture.h"
#include "TableFormat.h"
#include "VxKey.h"

#include <QApplication>
#include <QTest>
#include <QtEndian>

using namespace BoardBuilder;

namespace {

QByteArray SymbolOf(const QByteArray &file) {
    return TPicture::FromFileBytes(file).ToSymbolData();
}

QByteArray TableBytes(const TTableFile &t) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    WriteTableFile(&b, t);
    return b.data();
}

TTableFile ReadTable(const QByteArray &bytes) {
    QBuffer b;
    b.setData(bytes);
    b.open(QIODevice::ReadOnly);
    return ReadTableFile(&b).Table;
}

// A key of every sort this program makes.
QList<TKeyDescription> VariedKeys() {
    QList<TKeyDescription> keys;
    TKeyDescription k;
    k.Text = QStringLiteral("řeřicha");
    k.TextSh = QStringLiteral("Ř");
    k.FontName = QStringLiteral("DejaVu Sans");
    k.FontHeight = -24;
    k.FontStyle = {QByteArrayLiteral("fsBold")};
    k.FontColor = 0x008000;
    k.FontCharset = 238;
    k.NormKeyColor = 0x123456;
    keys.append(k);
    k = TKeyDescription();
    k.Text = QStringLiteral("pes");
    k.SymbolData = SymbolOf(Jpeg(QSize(16, 12)));
    k.Aspect = 0.75;
    keys.append(k);
    k = TKeyDescription();
    k.Text = QStringLiteral("bitmapa");
    k.SymbolData = SymbolOf(ImageBytes("BMP", QSize(5, 4)));
    k.Status = {QByteArrayLiteral("vxoSendClick")};
    keys.append(k);
    k = TKeyDescription();
    k.Text = QStringLiteral("zvonek");
    k.SpecialKey = int(TSpecialKey::Sound);
    k.WavName = QStringLiteral("zvonek.wav");
    keys.append(k);
    k = TKeyDescription();
    k.Text = QStringLiteral("čísla");
    k.SpecialKey = int(TSpecialKey::Other);
    k.KbdName = QStringLiteral("cisla.kbt");
    k.SpecKeyColor = 0xFF00000F; // a system colour: no CSS form
    keys.append(k);
    k = TKeyDescription();
    k.Text = QStringLiteral("Enter");
    k.SpecialKey = int(TSpecialKey::Enter);
    k.Hint = QStringLiteral("nový řádek");
    k.Tag = 7;
    k.Enabled = false;
    k.TabStop = true;
    k.BorderWidth = 2;
    k.ColorFocused = 0x00FF00;
    k.FontPitch = QByteArrayLiteral("fpFixed");
    keys.append(k);
    k = TKeyDescription();
    k.Text = QStringLiteral("mezera");
    k.SpecialKey = int(TSpecialKey::Space);
    keys.append(k);
    return keys;
}

TTableFile ScanningTable(const QList<TKeyDescription> &keys, int nCol, int nRow) {
    TTableFile t;
    t.nCol = nCol;
    t.nRow = nRow;
    for (int i = 0; i < keys.size(); ++i) {
        TKeyDescription k = keys[i];
        k.TabOrder = i;
        k.Left = 5 + 100 * (i % nCol);
        k.Top = 5 + 80 * (i / nCol);
        t.Keys.append(TTableKey{i % nCol, i / nCol, k.ToRecord()});
    }
    return t;
}

// A table as it must come back: names of linked tables and sounds now inside the folder.
QList<TKeyDescription> Moved(const TTableFile &t, const QString &folder) {
    QList<TKeyDescription> keys;
    for (const TTableKey &e : t.Keys) {
        TKeyDescription k = TKeyDescription::FromRecord(e.Record);
        if (!k.KbdName.isEmpty() && !folder.isEmpty())
            k.KbdName = folder + QLatin1Char('/') + k.KbdName;
        if (!k.WavName.isEmpty() && !folder.isEmpty())
            k.WavName = folder + QLatin1Char('/') + k.WavName;
        keys.append(k);
    }
    return keys;
}

QList<TKeyDescription> KeysOf(const TTableFile &t) {
    return Moved(t, QString());
}

QList<QPoint> Cells(const TTableFile &t) {
    QList<QPoint> cells;
    for (const TTableKey &e : t.Keys)
        cells.append(QPoint(e.Col, e.Row));
    return cells;
}

} // namespace

class TestObfExport : public QObject {
    Q_OBJECT

private slots:
    // A key described without the widget writes the same record as the key itself.
    void descriptionWritesWhatTheKeyWrites_data() {
        QTest::addColumn<int>("index");
        const QList<TKeyDescription> keys = VariedKeys();
        QTest::newRow("new key") << -1;
        for (int i = 0; i < keys.size(); ++i)
            QTest::newRow(qPrintable(keys[i].Text)) << i;
    }
    void descriptionWritesWhatTheKeyWrites() {
        QFETCH(int, index);
        TKeyDescription d = index < 0 ? TKeyDescription() : VariedKeys()[index];
        d.PopupMenu.clear(); // the key below has no menu
        d.TabOrder = 0;
        QWidget parent;
        TVxKey key(&parent);
        key.setGeometry(d.Left, d.Top, d.Width, d.Height);
        key.SetTag(d.Tag);
        key.SetHint(d.Hint);
        key.SetEnabled(d.Enabled);
        key.SetTabStop(d.TabStop);
        if (!d.SymbolData.isEmpty())
            key.SetSymbol(TPicture::FromSymbolData(d.SymbolData));
        key.SetStatus(*StatusFromNames(d.Status));
        key.SetText(d.Text);
        key.SetTextSh(d.TextSh);
        TKeyFont font;
        font.Charset = d.FontCharset;
        font.Color = d.FontColor;
        font.Height = d.FontHeight;
        font.Name = d.FontName;
        font.Pitch = d.FontPitch.isEmpty()      ? TKeyFont::fpDefault
                     : d.FontPitch == "fpFixed" ? TKeyFont::fpFixed
                                                : TKeyFont::fpVariable;
        for (const QByteArray &s : d.FontStyle)
            font.Style |= s == "fsBold" ? TKeyFont::fsBold : TKeyFont::fsItalic;
        key.SetFont(font);
        key.SetBorderWidth(d.BorderWidth);
        key.SetColorSelected(d.ColorSelected);
        key.SetColorFocused(d.ColorFocused);
        key.SetSpecKeyColor(d.SpecKeyColor);
        key.SetNormKeyColor(d.NormKeyColor);
        key.SetSpecialKey(TSpecialKey(d.SpecialKey));
        key.SetWavName(d.WavName);
        key.SetKbdName(d.KbdName);
        key.SetAspect(d.Aspect);
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        key.SaveToStream(&b);
        QCOMPARE(d.ToRecord(), b.data());
        QCOMPARE(TKeyDescription::FromRecord(b.data()), d);
    }

    // A table with every sort of key and the free table it links to, exported as a package and
    // imported again, give the same tables (links and sounds now inside the import's folder).
    void packageRoundTrip() {
        const TTableFile root = ScanningTable(VariedKeys(), 3, 3);
        TKeyDescription back;
        back.Text = QStringLiteral("zpět");
        back.SpecialKey = int(TSpecialKey::Other);
        back.KbdName = QStringLiteral("index.kbt");
        back.Left = 40;
        back.Top = 230;
        back.Width = 120;
        back.Height = 60;
        back.TabOrder = 0;
        TKeyDescription one;
        one.Text = QStringLiteral("1");
        one.Left = 300;
        one.TabOrder = 1;
        TTableFile numbers;
        numbers.Layout = 0;
        numbers.Keys = {{0, 0, back.ToRecord()}, {0, 0, one.ToRecord()}};

        TObfExportSource source;
        source.Table = [&](const QString &name) -> std::optional<QByteArray> {
            if (name == QLatin1String("cisla.kbt"))
                return TableBytes(numbers);
            return std::nullopt;
        };
        source.Sound = [](const QString &name) -> std::optional<QByteArray> {
            if (name == QLatin1String("zvonek.wav"))
                return Wav();
            return std::nullopt;
        };
        const TObfExportResult exported = ExportPackage(root, QStringLiteral("index.kbt"), source);
        QVERIFY2(exported.Notes.isEmpty(), qPrintable(exported.Notes.join(QLatin1Char('\n'))));
        const TObfImportResult imported = ImportBoards(exported.Bytes, QStringLiteral("p"));
        QVERIFY2(imported.Notes.isEmpty(), qPrintable(imported.Notes.join(QLatin1Char('\n'))));
        QCOMPARE(imported.Tables.size(), 2);
        QCOMPARE(imported.Tables[0].FileName, QStringLiteral("index.kbt"));
        QCOMPARE(imported.Tables[1].FileName, QStringLiteral("cisla.kbt"));
        QCOMPARE(imported.Sounds.size(), 1);
        QCOMPARE(imported.Sounds[0].FileName, QStringLiteral("zvonek.wav"));
        QCOMPARE(imported.Sounds[0].Bytes, Wav());

        const TTableFile root2 = ReadTable(imported.Tables[0].Bytes);
        QCOMPARE(root2.Layout, quint8(1));
        QCOMPARE(root2.nCol, 3);
        QCOMPARE(root2.nRow, 3);
        QCOMPARE(Cells(root2), Cells(root));
        QCOMPARE(KeysOf(root2), Moved(root, QStringLiteral("p")));
        const TTableFile numbers2 = ReadTable(imported.Tables[1].Bytes);
        QCOMPARE(numbers2.Layout, quint8(0));
        QCOMPARE(KeysOf(numbers2), Moved(numbers, QStringLiteral("p")));
    }

    // One table as one board: pictures and sounds inside it, links by their table names.
    void boardRoundTrip() {
        const TTableFile root = ScanningTable(VariedKeys(), 4, 2);
        TObfExportSource source;
        source.Sound = [](const QString &) { return std::optional<QByteArray>(Wav()); };
        const TObfExportResult exported = ExportBoard(root, QStringLiteral("index.kbt"), source);
        QVERIFY(exported.Notes.isEmpty());
        const TObfImportResult imported = ImportBoards(exported.Bytes, QStringLiteral("b"));
        QVERIFY2(imported.Notes.isEmpty(), qPrintable(imported.Notes.join(QLatin1Char('\n'))));
        QList<TKeyDescription> expected = KeysOf(root);
        expected[3].WavName = QStringLiteral("b/zvonek.wav");
        QCOMPARE(KeysOf(ReadTable(imported.Tables[0].Bytes)), expected);
    }

    // What we write is what the format allows: a manifest that lists every file, boards that
    // carry their manifest id, and no attribute outside the format without our prefix.
    void packageIsWellFormed() {
        const TTableFile root = ScanningTable(VariedKeys(), 3, 3);
        TObfExportSource source;
        source.Sound = [](const QString &) { return std::optional<QByteArray>(Wav()); };
        const TObfExportResult exported = ExportPackage(root, QStringLiteral("index.kbt"), source);
        QCOMPARE(exported.Notes.size(), 1); // the linked table is missing
        QVERIFY(exported.Notes[0].contains(QStringLiteral("cisla.kbt")));
        const TObfArchive zip = TObfArchive::Read(exported.Bytes);
        const QJsonObject manifest =
            QJsonDocument::fromJson(zip.File(QStringLiteral("manifest.json"))).object();
        QCOMPARE(manifest[QStringLiteral("format")].toString(), QStringLiteral("open-board-0.1"));
        QSet<QString> listed{QStringLiteral("manifest.json")};
        const QJsonObject paths = manifest[QStringLiteral("paths")].toObject();
        for (const QString &kind :
             {QStringLiteral("boards"), QStringLiteral("images"), QStringLiteral("sounds")}) {
            const QJsonObject map = paths[kind].toObject();
            for (auto it = map.begin(); it != map.end(); ++it)
                listed.insert(it->toString());
        }
        const QList<QString> files = zip.Paths();
        QCOMPARE(QSet<QString>(files.begin(), files.end()), listed);
        QCOMPARE(paths[QStringLiteral("images")].toObject().size(), 2);

        const QSet<QString> buttonAttributes{
            QStringLiteral("id"),           QStringLiteral("label"),
            QStringLiteral("vocalization"), QStringLiteral("image_id"),
            QStringLiteral("sound_id"),     QStringLiteral("background_color"),
            QStringLiteral("border_color"), QStringLiteral("hidden"),
            QStringLiteral("action"),       QStringLiteral("actions"),
            QStringLiteral("load_board"),   QStringLiteral("top"),
            QStringLiteral("left"),         QStringLiteral("width"),
            QStringLiteral("height")};
        const QString rootPath = manifest[QStringLiteral("root")].toString();
        const QJsonObject board = QJsonDocument::fromJson(zip.File(rootPath)).object();
        QCOMPARE(paths[QStringLiteral("boards")]
                     .toObject()[board[QStringLiteral("id")].toString()]
                     .toString(),
                 rootPath);
        for (const QJsonValue b : board[QStringLiteral("buttons")].toArray()) {
            for (const QString &attribute : b.toObject().keys())
                QVERIFY2(buttonAttributes.contains(attribute) ||
                             attribute.startsWith(QLatin1String("ext_orvanta_")),
                         qPrintable(attribute));
            const QString action = b.toObject()[QStringLiteral("action")].toString();
            QVERIFY(action.isEmpty() || action.startsWith(QLatin1Char(':')));
        }
        for (const QJsonValue i : board[QStringLiteral("images")].toArray()) {
            QVERIFY(i.toObject()[QStringLiteral("width")].toInt() > 0);
            QVERIFY(zip.Contains(i.toObject()[QStringLiteral("path")].toString()));
        }
        QVERIFY(!board[QStringLiteral("sounds")].toArray().isEmpty());
        for (const QJsonValue s : board[QStringLiteral("sounds")].toArray())
            QCOMPARE(s.toObject()[QStringLiteral("duration")].toInt(-1), 1);
    }

    // The duration a board's sound must carry, read from the WAVE header.
    void soundDuration_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("seconds"); // -1: not known
        const auto wave = [](quint32 byteRate, qsizetype present, quint32 declared,
                             const QByteArray &before) {
            QByteArray b("RIFF\0\0\0\0WAVE", 12);
            b += before;
            const auto u32 = [&b](quint32 v) {
                char raw[4];
                qToLittleEndian(v, raw);
                b.append(raw, 4);
            };
            b.append("fmt ");
            u32(16);
            b.append("\x01\x00\x01\x00", 4);
            u32(byteRate);
            u32(byteRate);
            b.append("\x01\x00\x08\x00", 4);
            b.append("data");
            u32(declared);
            b.append(QByteArray(present, '\x80'));
            return b;
        };
        QTest::newRow("a click") << wave(8000, 200, 200, {}) << 1;
        QTest::newRow("a part of a second counts") << wave(8000, 24001, 24001, {}) << 4;
        QTest::newRow("cut short: what is there") << wave(8000, 8000, 800000, {}) << 1;
        QTest::newRow("odd chunk before")
            << wave(8000, 16000, 16000, QByteArray("LIST\x03\0\0\0abc\0", 12)) << 2;
        QTest::newRow("empty") << wave(8000, 0, 0, {}) << 0;
        QTest::newRow("no byte rate") << wave(0, 100, 100, {}) << -1;
        QTest::newRow("no fmt chunk") << QByteArray("RIFF\0\0\0\0WAVEdata\x04\0\0\0abcd", 24) << -1;
        QTest::newRow("mp3") << QByteArray("ID3\x03\0\0\0\0\0\0") << -1;
    }
    void soundDuration() {
        QFETCH(QByteArray, bytes);
        QTEST(ObfMedia::SoundDuration(bytes).value_or(-1), "seconds");
    }
};

QTEST_MAIN(TestObfExport)
#include "tst_ObfExport.moc"
