#include "BoardBuilder.h"
#include "Error.h"
#include "KeyDescription.h"
#include "ObfImport.h"
#include "ObfLimits.h"
#include "ObfNames.h"
#include "Picture.h"
#include "TableFormat.h"

#include <QDirIterator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace BoardBuilder;

namespace {

TTableFile ReadTable(const QByteArray &bytes) {
    QBuffer b;
    b.setData(bytes);
    b.open(QIODevice::ReadOnly);
    const TTableReadResult r = ReadTableFile(&b);
    if (!r.Ok())
        qFatal("imported table does not read back: %s", qPrintable(r.Error));
    return r.Table;
}

QList<TKeyDescription> Keys(const TTableFile &table) {
    QList<TKeyDescription> keys;
    for (const TTableKey &k : table.Keys)
        keys.append(TKeyDescription::FromRecord(k.Record));
    return keys;
}

// Every button kind and the board's images and sounds it may use.
QJsonObject OneButtonBoard(const QJsonObject &button) {
    const QJsonArray images{
        QJsonObject{{QStringLiteral("id"), QStringLiteral("png")},
                    {QStringLiteral("content_type"), QStringLiteral("image/png")},
                    {QStringLiteral("data"), DataUri(QStringLiteral("image/png"), Png())}},
        QJsonObject{{QStringLiteral("id"), QStringLiteral("web")},
                    {QStringLiteral("url"), QStringLiteral("https://example.org/a.png")}}};
    const QJsonArray sounds{
        QJsonObject{{QStringLiteral("id"), QStringLiteral("wav")},
                    {QStringLiteral("content_type"), QStringLiteral("audio/wav")},
                    {QStringLiteral("data"), DataUri(QStringLiteral("audio/wav"), Wav())}}};
    QJsonObject b = button;
    b.insert(QStringLiteral("id"), QStringLiteral("b"));
    if (!b.contains(QStringLiteral("label")))
        b.insert(QStringLiteral("label"), QStringLiteral("slovo"));
    return Board(QStringLiteral("root"), QStringLiteral("Deska"), {b}, images, sounds);
}

TTableFile TableNamed(const TObfImportResult &r, const QString &name) {
    for (const TObfImportFile &t : r.Tables) {
        if (t.FileName == name)
            return ReadTable(t.Bytes);
    }
    qFatal("no table %s", qPrintable(name));
}

QStringList FilesUnder(const QString &dir) {
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(dir).relativeFilePath(it.next()));
    return files;
}

} // namespace

class TestObfImport : public QObject {
    Q_OBJECT

private slots:
    // One button with each attribute, as the key it becomes.
    void buttonAttributes_data() {
        QTest::addColumn<QJsonObject>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<qint64>("face"); // -1: the default
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("note"); // a part of the one note expected, or empty
        const auto o = [](std::initializer_list<std::pair<QString, QJsonValue>> fields) {
            QJsonObject obj;
            for (const auto &[k, v] : fields)
                obj.insert(k, v);
            return obj;
        };
        const QString none;
        QTest::newRow("label") << o({}) << QStringLiteral("slovo") << 0 << -1LL << false << none
                               << none;
        QTest::newRow("vocalization")
            << o({{QStringLiteral("vocalization"), QStringLiteral("celá věta")}})
            << QStringLiteral("celá věta") << 0 << -1LL << false << none << none;
        QTest::newRow("rgb") << o({{QStringLiteral("background_color"),
                                    QStringLiteral("rgb(255, 128, 0)")}})
                             << QStringLiteral("slovo") << 0 << 0x0080FFLL << false << none << none;
        QTest::newRow("rgba drops alpha")
            << o({{QStringLiteral("background_color"), QStringLiteral("rgba(1,2,3,0.5)")}})
            << QStringLiteral("slovo") << 0 << 0x030201LL << false << none << none;
        QTest::newRow("hexadecimal")
            << o({{QStringLiteral("background_color"), QStringLiteral("#ffff32")}})
            << QStringLiteral("slovo") << 0 << 0x32FFFFLL << false << none << none;
        QTest::newRow("bad colour")
            << o({{QStringLiteral("background_color"), QStringLiteral("rgb(x)")}})
            << QStringLiteral("slovo") << 0 << -1LL << false << none << QStringLiteral("rgb(x)");
        QTest::newRow("space") << o({{QStringLiteral("action"), QStringLiteral(":space")}})
                               << QStringLiteral("slovo") << 1 << -1LL << false << none << none;
        QTest::newRow("backspace") << o({{QStringLiteral("action"), QStringLiteral(":backspace")}})
                                   << QStringLiteral("slovo") << 2 << -1LL << false << none << none;
        QTest::newRow("clear") << o({{QStringLiteral("action"), QStringLiteral(":clear")}})
                               << QStringLiteral("slovo") << 20 << -1LL << false << none << none;
        QTest::newRow("speak, colour on the special face")
            << o({{QStringLiteral("actions"), QJsonArray{QStringLiteral(":speak")}},
                  {QStringLiteral("background_color"), QStringLiteral("rgb(0, 0, 255)")}})
            << QStringLiteral("slovo") << 19 << 0xFF0000LL << false << none << none;
        QTest::newRow("home") << o({{QStringLiteral("action"), QStringLiteral(":home")}})
                              << QStringLiteral("slovo") << 24 << -1LL << false
                              << QStringLiteral("f/Deska.kbt") << none;
        QTest::newRow("spelling") << o({{QStringLiteral("action"), QStringLiteral("+ch")}})
                                  << QStringLiteral("ch") << 0 << -1LL << false << none << none;
        QTest::newRow("our own kind")
            << o({{QStringLiteral("action"), QStringLiteral(":ext_orvanta_Enter")}})
            << QStringLiteral("slovo") << 3 << -1LL << false << none << none;
        QTest::newRow("unknown action")
            << o({{QStringLiteral("action"), QStringLiteral(":back")}}) << QStringLiteral("slovo")
            << 0 << -1LL << false << none << QStringLiteral(":back");
        QTest::newRow("sound") << o({{QStringLiteral("sound_id"), QStringLiteral("wav")}})
                               << QStringLiteral("slovo") << 23 << -1LL << false << none << none;
        QTest::newRow("picture") << o({{QStringLiteral("image_id"), QStringLiteral("png")}})
                                 << QStringLiteral("slovo") << 0 << -1LL << true << none << none;
        QTest::newRow("picture only on the web")
            << o({{QStringLiteral("image_id"), QStringLiteral("web")}}) << QStringLiteral("slovo")
            << 0 << -1LL << false << none << QStringLiteral("example.org");
        QTest::newRow("picture not described")
            << o({{QStringLiteral("image_id"), QStringLiteral("nic")}}) << QStringLiteral("slovo")
            << 0 << -1LL << false << none << QStringLiteral("nic");
        QTest::newRow("picture with no label")
            << o({{QStringLiteral("label"), QString()},
                  {QStringLiteral("image_id"), QStringLiteral("png")}})
            << QStringLiteral(" ") << 0 << -1LL << true << none << none;
        QTest::newRow("link outside the board")
            << o({{QStringLiteral("load_board"),
                   QJsonObject{{QStringLiteral("id"), QStringLiteral("x")},
                               {QStringLiteral("url"), QStringLiteral("https://x")}}}})
            << QStringLiteral("slovo") << 0 << -1LL << false << none << QStringLiteral("chybí");
        QTest::newRow("link to one of our tables")
            << o({{QStringLiteral("load_board"),
                   QJsonObject{
                       {QStringLiteral("id"), QStringLiteral("x")},
                       {QStringLiteral("ext_orvanta_table"), QStringLiteral("cisla.kbt")}}}})
            << QStringLiteral("slovo") << 24 << -1LL << false << QStringLiteral("cisla.kbt")
            << none;
    }
    void buttonAttributes() {
        QFETCH(QJsonObject, button);
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(qint64, face);
        QFETCH(bool, picture);
        QFETCH(QString, link);
        QFETCH(QString, note);
        const TObfImportResult r = ImportBoards(Json(OneButtonBoard(button)), QStringLiteral("f"));
        QCOMPARE(r.Tables.size(), 1);
        const QList<TKeyDescription> keys = Keys(ReadTable(r.Tables[0].Bytes));
        QCOMPARE(keys.size(), 1);
        const TKeyDescription &k = keys[0];
        QCOMPARE(k.Text, text);
        QCOMPARE(k.SpecialKey, kind);
        QCOMPARE(qint64(k.FaceColor()), face >= 0 ? face : k.SpecialKey ? 0xC0C0C0 : 0xFFFFFF);
        QCOMPARE(!k.SymbolData.isEmpty(), picture);
        if (picture)
            QCOMPARE(TPicture::FromSymbolData(k.SymbolData).Kind(), TPicture::gkJpeg);
        QCOMPARE(k.KbdName, link);
        QCOMPARE(k.WavName.isEmpty(), kind != 23);
        if (kind == 23) {
            QCOMPARE(r.Sounds.size(), 1);
            QCOMPARE(k.WavName, QStringLiteral("f/") + r.Sounds[0].FileName);
            QCOMPARE(r.Sounds[0].Bytes, Wav());
        }
        if (note.isEmpty()) {
            QVERIFY2(r.Notes.isEmpty(), qPrintable(r.Notes.join(QLatin1Char('\n'))));
        } else {
            QCOMPARE(r.Notes.size(), 1);
            QVERIFY2(r.Notes[0].contains(note), qPrintable(r.Notes[0]));
        }
    }

    void hiddenButtonsLeaveTheirCellEmpty() {
        auto board = OneButtonBoard(QJsonObject{{QStringLiteral("hidden"), true}});
        const TObfImportResult r = ImportBoards(Json(board), QStringLiteral("f"));
        QCOMPARE(ReadTable(r.Tables[0].Bytes).Keys.size(), 0);
    }

    // Order rows of the wrong length are reported and read as far as they go.
    void orderRowsOfTheWrongLength_data() {
        QTest::addColumn<QJsonArray>("order");
        QTest::addColumn<QString>("cells"); // "col,row" of every key
        QTest::addColumn<int>("notes");
        QTest::newRow("as declared") << QJsonArray{QJsonArray{1, 2, 3}, QJsonArray{4, 5, 6}}
                                     << QStringLiteral("0,0 1,0 2,0 0,1 1,1 2,1") << 0;
        QTest::newRow("short row") << QJsonArray{QJsonArray{1}, QJsonArray{4, 5, 6}}
                                   << QStringLiteral("0,0 0,1 1,1 2,1") << 1;
        QTest::newRow("long row") << QJsonArray{QJsonArray{1, 2, 3, 4, 5},
                                                QJsonArray{6, QJsonValue(), 2}}
                                  << QStringLiteral("0,0 1,0 2,0 0,1 2,1") << 1;
        QTest::newRow("missing row")
            << QJsonArray{QJsonArray{1, 2, 3}} << QStringLiteral("0,0 1,0 2,0") << 1;
        QTest::newRow("extra row")
            << QJsonArray{QJsonArray{1, 2, 3}, QJsonArray{4, 5, 6}, QJsonArray{1}}
            << QStringLiteral("0,0 1,0 2,0 0,1 1,1 2,1") << 1;
        QTest::newRow("not arrays")
            << QJsonArray{QStringLiteral("x"), 3} << QStringLiteral("") << 2;
        QTest::newRow("unknown id")
            << QJsonArray{QJsonArray{1, 99, 3}, QJsonArray{}} << QStringLiteral("0,0 2,0") << 2;
    }
    void orderRowsOfTheWrongLength() {
        QFETCH(QJsonArray, order);
        QFETCH(QString, cells);
        QFETCH(int, notes);
        QJsonArray buttons;
        for (int id = 1; id <= 6; ++id) // numeric ids, as some writers make them
            buttons.append(QJsonObject{{QStringLiteral("id"), id},
                                       {QStringLiteral("label"), QString::number(id)}});
        QJsonObject board = Board(QStringLiteral("b"), QStringLiteral("B"), buttons);
        board.insert(QStringLiteral("grid"), Grid(2, 3, order));
        const TObfImportResult r = ImportBoards(Json(board), QStringLiteral("f"));
        const TTableFile table = ReadTable(r.Tables[0].Bytes);
        QCOMPARE(table.nCol, 3);
        QCOMPARE(table.nRow, 2);
        QStringList got;
        for (const TTableKey &k : table.Keys)
            got.append(QStringLiteral("%1,%2").arg(k.Col).arg(k.Row));
        QCOMPARE(got.join(QLatin1Char(' ')), cells);
        QCOMPARE(r.Notes.size(), notes);
    }

    // A board with no grid: placed buttons give a free table, others are lined up.
    void boardsWithoutGrid() {
        QJsonArray placed;
        for (int i = 0; i < 3; ++i)
            placed.append(QJsonObject{{QStringLiteral("id"), i},
                                      {QStringLiteral("label"), QString::number(i)},
                                      {QStringLiteral("left"), 0.25 * i},
                                      {QStringLiteral("top"), 0.5},
                                      {QStringLiteral("width"), 0.2},
                                      {QStringLiteral("height"), 0.5}});
        QJsonObject board = Board(QStringLiteral("b"), QStringLiteral("B"), placed);
        board.remove(QStringLiteral("grid"));
        TTableFile table =
            ReadTable(ImportBoards(Json(board), QStringLiteral("f")).Tables[0].Bytes);
        QVERIFY(!table.Scanning());
        const QList<TKeyDescription> keys = Keys(table);
        QCOMPARE(keys.size(), 3);
        QCOMPARE(keys[2].Left, 325);
        QCOMPARE(keys[2].Top, 150);
        QCOMPARE(keys[2].Width, 130);

        for (QJsonValueRef b : placed) {
            QJsonObject o = b.toObject();
            o.remove(QStringLiteral("top"));
            b = o;
        }
        board.insert(QStringLiteral("buttons"), placed);
        const TObfImportResult r = ImportBoards(Json(board), QStringLiteral("f"));
        table = ReadTable(r.Tables[0].Bytes);
        QVERIFY(table.Scanning());
        QCOMPARE(table.nCol, 2);
        QCOMPARE(table.nRow, 2);
        QCOMPARE(table.Keys.size(), 3);
        QCOMPARE(r.Notes.size(), 1);
    }

    // The package of three linked boards: tables, links, pictures of every kind and the sound.
    void threeLinkedBoards() {
        const TObfImportResult r = ImportBoards(ThreeBoardPackage(), QStringLiteral("balik"));
        QCOMPARE(r.Tables.size(), 3);
        QCOMPARE(r.RootTable(), QStringLiteral("balik/Domů.kbt"));
        const QList<TKeyDescription> home = Keys(ReadTable(r.Tables[0].Bytes));
        const QList<TKeyDescription> food = Keys(TableNamed(r, QStringLiteral("Jídlo.kbt")));
        const QList<TKeyDescription> animals = Keys(TableNamed(r, QStringLiteral("Zvířata.kbt")));
        QCOMPARE(home.size(), 4);
        QCOMPARE(home[0].KbdName, QStringLiteral("balik/Jídlo.kbt"));
        QCOMPARE(home[1].KbdName, QStringLiteral("balik/Zvířata.kbt"));
        QCOMPARE(home[1].SpecKeyColor, 0x00C8FFu);
        QCOMPARE(home[2].Text, QStringLiteral("Ahoj, jak se máš?"));
        QCOMPARE(home[3].WavName, QStringLiteral("balik/bell.wav"));
        for (const TKeyDescription &k : {home[0], home[1], home[2], food[0], animals[0]}) {
            const TPicture picture = TPicture::FromSymbolData(k.SymbolData);
            QCOMPARE(picture.Kind(), TPicture::gkJpeg);
            QVERIFY(!picture.ToImage().isNull());
        }
        QCOMPARE(TPicture::FromSymbolData(food[0].SymbolData).Size(), QSize(512, 256)); // SVG
        QCOMPARE(TPicture::FromSymbolData(home[1].SymbolData).Size(), QSize(30, 20));   // JPEG kept
        QCOMPARE(food[1].KbdName, r.RootTable());
        QCOMPARE(food[2].SpecialKey, 19);
        QCOMPARE(animals[1].KbdName, r.RootTable()); // linked by id alone
        QCOMPARE(r.Sounds.size(), 1);
        QCOMPARE(r.Notes.size(), 1);
        QVERIFY(r.Notes[0].contains(QStringLiteral(":skákej")));
    }

    // Hostile or broken input: a clear message, and nothing written anywhere.
    void hostileInputIsRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("invalid JSON")
            << QByteArray("{\"format\": \"open-board-0.1\", ") << QStringLiteral("JSON");
        QTest::newRow("not an object") << QByteArray("[1, 2]") << QStringLiteral("objekt");
        QJsonObject board = Board(QStringLiteral("b"), QStringLiteral("B"), {});
        board.insert(QStringLiteral("grid"), Grid(100000, 3, {}));
        QTest::newRow("absurd grid") << Json(board) << QStringLiteral("řádků");
        board.insert(QStringLiteral("grid"), Grid(2, 0, {}));
        QTest::newRow("no columns") << Json(board) << QStringLiteral("sloupců");
        QJsonArray many;
        for (int i = 0; i < 10001; ++i)
            many.append(QJsonObject{{QStringLiteral("id"), i}});
        QTest::newRow("too many buttons")
            << Json(Board(QStringLiteral("b"), QStringLiteral("B"), many))
            << QStringLiteral("10001");
        QTest::newRow("not a zip") << QByteArray("PK\x03\x04garbage") << QStringLiteral("ZIP");
        QTest::newRow("climbing path")
            << Zip({{QStringLiteral("manifest.json"), "{}"}, {QStringLiteral("../../x"), "boo"}})
            << QStringLiteral("../../x");
        QTest::newRow("climbing root")
            << Zip({{QStringLiteral("manifest.json"),
                     Json(QJsonObject{{QStringLiteral("root"), QStringLiteral("../../x.obf")}})}})
            << QStringLiteral("../../x.obf");
        QJsonObject boards;
        for (int i = 0; i < 2000; ++i)
            boards.insert(QString::number(i), QStringLiteral("b%1.obf").arg(i));
        QTest::newRow("thousands of boards")
            << Zip({{QStringLiteral("manifest.json"),
                     Json(QJsonObject{{QStringLiteral("root"), QStringLiteral("b0.obf")},
                                      {QStringLiteral("paths"),
                                       QJsonObject{{QStringLiteral("boards"), boards}}}})}})
            << QStringLiteral("2000");
        // 70 MB of zeros packed into a few kilobytes.
        QTest::newRow("zip bomb") << Zip({{QStringLiteral("manifest.json"), "{}"},
                                          {QStringLiteral("bomb.obf"),
                                           QByteArray(70 * 1024 * 1024, '\0')}})
                                  << QStringLiteral("bomb.obf");
        QTest::newRow("no boards")
            << Zip({{QStringLiteral("readme.txt"), "hi"}}) << QStringLiteral(".obf");
    }
    void hostileInputIsRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("in/x.obz"));
        QDir(dir.path()).mkpath(QStringLiteral("in"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        try {
            ImportBoardFile(file, dir.filePath(QStringLiteral("Tables")),
                            dir.filePath(QStringLiteral("Sounds")));
            QFAIL("the import should have failed");
        } catch (const TError &e) {
            QVERIFY2(e.Message().contains(message), qPrintable(e.Message()));
        }
        QCOMPARE(FilesUnder(dir.path()), QStringList{QStringLiteral("in/x.obz")});
    }

    // Boards beyond what a table holds become tables that open: the layout is scaled to fit,
    // texts are cut, and a picture shared by every button is decoded once and drawn small.
    void boardsBeyondTheTableLimits_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("label"); // characters; 0: the button's id
        QTest::addColumn<bool>("picture");
        QTest::addColumn<int>("notes");
        QTest::newRow("31 rows x 1 column") << 31 << 1 << 0 << false << 0;
        QTest::newRow("66 columns") << 1 << 66 << 0 << false << 0;
        QTest::newRow("100 x 100") << 100 << 100 << 0 << false << 0;
        QTest::newRow("one picture on 100 x 100 buttons") << 100 << 100 << 0 << true << 0;
        QTest::newRow("label of 5000 characters") << 1 << 1 << 5000 << false << 1;
    }
    void boardsBeyondTheTableLimits() {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(int, label);
        QFETCH(bool, picture);
        QJsonObject extra;
        if (label > 0)
            extra.insert(QStringLiteral("label"), QString(label, u'ž'));
        QJsonArray images;
        if (picture) {
            extra.insert(QStringLiteral("image_id"), QStringLiteral("p"));
            images.append(QJsonObject{{QStringLiteral("id"), QStringLiteral("p")},
                                      {QStringLiteral("data"), DataUri(QStringLiteral("image/png"),
                                                                       Png(QSize(600, 600)))}});
        }
        const TObfImportResult r =
            ImportBoards(Json(GridBoard(rows, columns, extra, images)), QStringLiteral("f"));
        QTEST(int(r.Notes.size()), "notes");
        const QByteArray &bytes = r.Tables[0].Bytes;
        const QList<TKeyDescription> keys = Keys(ReadTable(bytes));
        QCOMPARE(keys.size(), rows * columns);
        for (const TKeyDescription &k : keys) {
            QVERIFY2(k.Width >= 1 && k.Height >= 1 && k.Left + k.Width <= 650 &&
                         k.Top + k.Height <= 300,
                     qPrintable(QStringLiteral("%1 %2 %3 %4")
                                    .arg(k.Left)
                                    .arg(k.Top)
                                    .arg(k.Width)
                                    .arg(k.Height)));
            QVERIFY(k.Text.size() <= Limits::MaxKeyText);
        }
        if (picture) {
            QCOMPARE(TPicture::FromSymbolData(keys[0].SymbolData).Size(),
                     QSize(ObfLimits::MinGridSymbolSide, ObfLimits::MinGridSymbolSide));
            QVERIFY2(bytes.size() < 16 * 1024 * 1024, qPrintable(QString::number(bytes.size())));
        }
    }

    // A drawing from a stranger draws nothing from outside itself.
    void drawingsReachNothingOutside_data() {
        QTest::addColumn<QString>("href"); // PRIVATE: a red picture of the user's
        QTest::addColumn<bool>("drawn");   // the reference is drawn (blue over green)
        QTest::newRow("absolute path") << "PRIVATE" << false;
        QTest::newRow("file URL") << "file://PRIVATE" << false;
        QTest::newRow("relative path") << "private.png" << false;
        QTest::newRow("embedded drawing naming the file") << "SVGURI" << false;
        QTest::newRow("embedded PNG") << "PNGURI" << true;
    }
    void drawingsReachNothingOutside() {
        QFETCH(QString, href);
        QFETCH(bool, drawn);
        QTemporaryDir dir;
        const QString priv = dir.filePath(QStringLiteral("private.png"));
        QFile f(priv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ImageBytes("PNG", QSize(40, 20), Qt::red));
        f.close();
        const QString before = QDir::currentPath();
        const auto back = qScopeGuard([&] { QDir::setCurrent(before); });
        QDir::setCurrent(dir.path());
        const auto drawing = [](const QString &target) {
            return (QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' "
                                   "xmlns:xlink='http://www.w3.org/1999/xlink' width='40' "
                                   "height='20'><rect width='40' height='20' fill='#0f0'/>"
                                   "<image x='0' y='0' width='40' height='20' xlink:href='") +
                    target + QStringLiteral("'/></svg>"))
                .toUtf8();
        };
        href.replace(QStringLiteral("PRIVATE"), priv);
        href.replace(QStringLiteral("SVGURI"),
                     DataUri(QStringLiteral("image/svg+xml"), drawing(priv)));
        href.replace(QStringLiteral("PNGURI"), DataUri(QStringLiteral("image/png"),
                                                       ImageBytes("PNG", QSize(40, 20), Qt::blue)));
        QJsonObject board =
            OneButtonBoard(QJsonObject{{QStringLiteral("image_id"), QStringLiteral("svg")}});
        board.insert(
            QStringLiteral("images"),
            QJsonArray{QJsonObject{{QStringLiteral("id"), QStringLiteral("svg")},
                                   {QStringLiteral("data"),
                                    DataUri(QStringLiteral("image/svg+xml"), drawing(href))}}});
        const TObfImportResult r = ImportBoards(Json(board), QStringLiteral("f"));
        const QList<TKeyDescription> keys = Keys(ReadTable(r.Tables[0].Bytes));
        const QImage image = TPicture::FromSymbolData(keys[0].SymbolData).ToImage();
        QVERIFY(!image.isNull());
        const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
        QVERIFY2(centre.red() < 100, qPrintable(centre.name())); // never the user's picture
        QCOMPARE(centre.blue() > 150, drawn);
        QCOMPARE(centre.green() > 150, !drawn);
    }

    // A picture that claims huge dimensions is left out before it is decoded; the key stays.
    void hugePictureIsLeftOut() {
        QByteArray png = Png(QSize(1, 1));
        // IHDR width and height (big-endian) at 16..23, then its CRC over type and data.
        qToBigEndian<quint32>(60000, png.data() + 16);
        qToBigEndian<quint32>(60000, png.data() + 20);
        quint32 crc = 0xFFFFFFFF;
        for (int i = 12; i < 29; ++i) {
            crc ^= quint8(png[i]);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
        qToBigEndian<quint32>(~crc, png.data() + 29);
        QJsonObject board =
            OneButtonBoard(QJsonObject{{QStringLiteral("image_id"), QStringLiteral("big")}});
        board.insert(QStringLiteral("images"),
                     QJsonArray{QJsonObject{
                         {QStringLiteral("id"), QStringLiteral("big")},
                         {QStringLiteral("data"), DataUri(QStringLiteral("image/png"), png)}}});
        const TObfImportResult r = ImportBoards(Json(board), QStringLiteral("f"));
        const QList<TKeyDescription> keys = Keys(ReadTable(r.Tables[0].Bytes));
        QCOMPARE(keys.size(), 1);
        QVERIFY(keys[0].SymbolData.isEmpty());
        QCOMPARE(r.Notes.size(), 1);
        QVERIFY2(r.Notes[0].contains(QStringLiteral("60000")), qPrintable(r.Notes[0]));
    }

    // A broken board of a package is reported; the others are imported and the link to it
    // stays a text key.
    void brokenBoardInPackage() {
        QByteArray zip = ThreeBoardPackage();
        TObfArchive archive = TObfArchive::Read(zip);
        QList<std::pair<QString, QByteArray>> files;
        for (const QString &path : archive.Paths())
            files.append({path, path == QLatin1String("boards/food.obf") ? QByteArray("{oops")
                                                                         : archive.File(path)});
        const TObfImportResult r = ImportBoards(Zip(files), QStringLiteral("p"));
        QCOMPARE(r.Tables.size(), 2);
        QCOMPARE(r.Notes.size(), 2);
        QVERIFY(r.Notes[0].contains(QStringLiteral("food.obf")));
        QCOMPARE(Keys(ReadTable(r.Tables[0].Bytes))[0].SpecialKey, 0);
    }

    void importWritesOnlyIntoItsFolder() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("in/Můj balík.obz"));
        QDir(dir.path()).mkpath(QStringLiteral("in"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ThreeBoardPackage());
        f.close();
        const QString tables = dir.filePath(QStringLiteral("Tables"));
        const QString sounds = dir.filePath(QStringLiteral("Sounds"));
        const TObfImportResult first = ImportBoardFile(file, tables, sounds);
        const TObfImportResult second = ImportBoardFile(file, tables, sounds);
        QCOMPARE(first.Folder, QStringLiteral("Můj_balík"));
        QCOMPARE(second.Folder, QStringLiteral("Můj_balík_2")); // never over an earlier import
        QStringList files = FilesUnder(dir.path());
        files.sort();
        QCOMPARE(files, (QStringList{QStringLiteral("Sounds/Můj_balík/bell.wav"),
                                     QStringLiteral("Sounds/Můj_balík_2/bell.wav"),
                                     QStringLiteral("Tables/Můj_balík/Domů.kbt"),
                                     QStringLiteral("Tables/Můj_balík/Jídlo.kbt"),
                                     QStringLiteral("Tables/Můj_balík/Zvířata.kbt"),
                                     QStringLiteral("Tables/Můj_balík_2/Domů.kbt"),
                                     QStringLiteral("Tables/Můj_balík_2/Jídlo.kbt"),
                                     QStringLiteral("Tables/Můj_balík_2/Zvířata.kbt"),
                                     QStringLiteral("in/Můj balík.obz")}));
    }

    // A write that fails half way takes the import's new folders away again.
    void failedWriteLeavesNothing() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("in"));
        const QString file = dir.filePath(QStringLiteral("in/p.obz"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ThreeBoardPackage());
        f.close();
        QFile blocker(dir.filePath(QStringLiteral("Tables"))); // a file where the folder goes
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY_THROWS_EXCEPTION(TError,
                                 ImportBoardFile(file, dir.filePath(QStringLiteral("Tables")),
                                                 dir.filePath(QStringLiteral("Sounds"))));
        QStringList files = FilesUnder(dir.path());
        files.sort();
        QCOMPARE(files, (QStringList{QStringLiteral("Tables"), QStringLiteral("in/p.obz")}));
    }

    void safeNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("archive"); // as a path inside a package
        QTest::newRow("plain") << QStringLiteral("Domů") << QStringLiteral("Domů")
                               << QStringLiteral("Domů");
        QTest::newRow("climbing") << QStringLiteral("../../x") << QStringLiteral("x")
                                  << QStringLiteral("");
        QTest::newRow("absolute") << QStringLiteral("/etc/passwd") << QStringLiteral("etc_passwd")
                                  << QStringLiteral("");
        QTest::newRow("drive") << QStringLiteral("C:\\a\\b") << QStringLiteral("C_a_b")
                               << QStringLiteral("");
        QTest::newRow("backslashes inside")
            << QStringLiteral("a\\b.png") << QStringLiteral("a_b_png") << QStringLiteral("a/b.png");
        QTest::newRow("dots only")
            << QStringLiteral("..") << QStringLiteral("tabulka") << QStringLiteral("");
        QTest::newRow("current dir")
            << QStringLiteral("./a//b") << QStringLiteral("a_b") << QStringLiteral("a/b");
        QTest::newRow("control character")
            << QStringLiteral("a\nb") << QStringLiteral("a_b") << QStringLiteral("");
        QTest::newRow("empty") << QStringLiteral("") << QStringLiteral("tabulka")
                               << QStringLiteral("");
    }
    void safeNames() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QFETCH(QString, archive);
        QCOMPARE(ObfNames::SafeFileName(name, QString()), file);
        QCOMPARE(ObfNames::SafeArchivePath(name), archive);
    }
};

QTEST_MAIN(TestObfImport)
#include "tst_ObfImport.moc"
