// Damaged and hostile tables and key files, each a few bytes built here: the program's loader
// and the tool give the same verdict, the program says what is wrong and where, and a refused
// header leaves the grid as it was. Hostile settings files and boards, built here as large as
// they come: the program starts, stays within bounds, and ends without a false warning.
#include "AppStrings.h"
#include "BoardBuilder.h"
#include "ConfigFormat.h"
#include "Error.h"
#include "FormFixture.h"
#include "KbtJson.h"
#include "Limits.h"
#include "Picture.h"
#include "ShippedConfiguration.h"
#include "VoiceSettings.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <QtEndian>
#include <climits>
#include <sys/stat.h>

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

// A configuration whose display record holds `entries` (after the prefix) instead of its own.
QByteArray WithDisplayEntries(const QByteArray &entries) {
    const TConfiguration c = ShippedConfiguration();
    const QByteArray whole = ConfigFormat::Write(c);
    const qsizetype record = ConfigFormat::WriteDisplayRecord(c.Display).size();
    return whole.left(8) + "TPF0" + Short("TRichEdit") + Short("Display") + entries +
           QByteArray(2, 0) + whole.mid(8 + record);
}

// The hostile settings files, built when they are used: some are megabytes.
QByteArray SettingsBytes(const QString &recipe) {
    const QByteArray lines = Short("Lines.Strings") + '\x01';
    if (recipe == QLatin1String("8 million empty lines"))
        return WithDisplayEntries(lines + QByteArray("\x06\x00").repeated(8000000) + '\0');
    if (recipe == QLatin1String("15 million line ends"))
        return WithDisplayEntries(lines + '\x0C' + Int32(15000000) + QByteArray(15000000, '\n') +
                                  '\0');
    if (recipe == QLatin1String("1 MB word"))
        return WithDisplayEntries(lines + '\x0C' + Int32(1 << 20) + QByteArray(1 << 20, 'x') +
                                  '\0');
    if (recipe == QLatin1String("list of 16 million"))
        return WithDisplayEntries(Short("Tag") + '\x01' + QByteArray(16000000, '\x08') + '\0');
    if (recipe == QLatin1String("set of 8.3 million"))
        return WithDisplayEntries(Short("Anchors") + '\x0B' +
                                  QByteArray("\x01x").repeated(4150000) + '\0');
    if (recipe.startsWith(QLatin1String("version "))) {
        QByteArray bytes = ConfigFormat::Write(ShippedConfiguration());
        qToLittleEndian(recipe.mid(8).toDouble(), bytes.data());
        return bytes;
    }
    if (recipe == QLatin1String("3 million keys")) {
        QByteArray ini = "[Switches]\nAcceptTime=300\n[Junk]\n";
        for (int i = 0; i < 3000000; ++i)
            ini += 'k' + QByteArray::number(i) + "=1\n";
        return ini;
    }
    if (recipe == QLatin1String("binary"))
        return QByteArray("\0\xff[\x01=\n\x80", 8).repeated(100);
    if (recipe == QLatin1String("UTF-16")) {
        const QString text = QStringLiteral("[Switches]\nAcceptTime=300\n");
        return QByteArray("\xff\xfe") +
               QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    }
    TConfiguration c = ShippedConfiguration();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (recipe == QLatin1String("iCol -2^31")) {
        c.Grid.iCol = INT_MIN;
    } else if (recipe == QLatin1String("bounds 1 x 1")) {
        c.Left = c.Top = 10;
        c.Right = c.Bottom = 11;
    } else if (recipe == QLatin1String("10 x 14 pixels on the screen")) {
        c.Left = screen.right() + 1 - 10;
        c.Top = screen.bottom() + 1 - 14;
        c.Right = c.Left + 640;
        c.Bottom = c.Top + 480;
    }
    return ConfigFormat::Write(c);
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

    // Settings files in the user's configuration folder: each row is one file put in place of
    // Orvanta.cfg or ScanAccess.ini, as bytes, a pipe or a folder.
    void settingsFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("recipe");  // "fifo", "folder", or what SettingsBytes builds
        QTest::addColumn<bool>("unreadable"); // the start says the configuration is unreadable
        QTest::addColumn<bool>("notSaved");   // the end warns that it could not be saved
        const QString cfg = AppStrings::ConfigFileName;
        const QString ini = AppStrings::ScanAccessFileName;
        QTest::newRow("valid") << cfg << "valid" << false << false;
        QTest::newRow("display: 8 million empty lines")
            << cfg << "8 million empty lines" << false << false;
        QTest::newRow("display: one string of 15 million line ends")
            << cfg << "15 million line ends" << false << false;
        QTest::newRow("display: a 1 MB word") << cfg << "1 MB word" << false << false;
        QTest::newRow("unknown list of 16 million items")
            << cfg << "list of 16 million" << false << false;
        QTest::newRow("unknown set of 8.3 million names")
            << cfg << "set of 8.3 million" << true << false;
        for (const char *version : {"inf", "1e308", "3.0", "nan", "-1", "0"})
            QTest::addRow("version %s", version)
                << cfg << QStringLiteral("version ") + QLatin1String(version) << true << false;
        QTest::newRow("grid iCol -2^31") << cfg << "iCol -2^31" << false << false;
        QTest::newRow("bounds 1 x 1") << cfg << "bounds 1 x 1" << false << false;
        QTest::newRow("10 x 14 pixels on the screen")
            << cfg << "10 x 14 pixels on the screen" << false << false;
        QTest::newRow("configuration: a pipe") << cfg << "fifo" << true << false;
        QTest::newRow("ScanAccess.ini: 3 million keys")
            << ini << "3 million keys" << false << false;
        QTest::newRow("ScanAccess.ini: binary") << ini << "binary" << false << false;
        QTest::newRow("ScanAccess.ini: UTF-16") << ini << "UTF-16" << false << false;
        QTest::newRow("ScanAccess.ini: a pipe") << ini << "fifo" << false << false;
        // Nothing can replace a folder: the warning is true.
        QTest::newRow("ScanAccess.ini: a folder") << ini << "folder" << false << true;
    }
    void settingsFiles() {
        QFETCH(QString, file);
        QFETCH(QString, recipe);
        QFETCH(bool, unreadable);
        QFETCH(bool, notSaved);
        TFormFixture f;
        Dirs().ConfigDir = f.Dir.filePath(QStringLiteral("config")) + QLatin1Char('/');
        QDir().mkpath(Dirs().ConfigDir);
        WriteFile(f.TablePath(QStringLiteral("index.kbt")), Scanning(0, 10, 6));
        const QString path = Dirs().ConfigDir + file;
        if (file != AppStrings::ConfigFileName)
            WriteFile(Dirs().ConfigDir + AppStrings::ConfigFileName, SettingsBytes(QString()));
        if (recipe == QLatin1String("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (recipe == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else
            WriteFile(path, SettingsBytes(recipe));

        TForm1 &form = f.Make();
        // Refused: said so first (what follows is the search for a table, as at a first start).
        const QString refused =
            AppStrings::ConfigUnreadable + Dirs().ConfigDir + AppStrings::ConfigFileName;
        if (unreadable)
            QCOMPARE(f.Prompts.Texts().value(0), refused);
        else
            QCOMPARE(f.Prompts.Texts(), QStringList());
        // Within what the display holds, and laid out.
        QVERIFY(form.Display->document()->blockCount() <= ConfigFormat::MaxDisplayLines);
        QVERIFY(form.Display->toPlainText().size() <= ConfigFormat::MaxDisplayText);
        if (recipe == QLatin1String("1 MB word"))
            QCOMPARE(form.Display->wordWrapMode(), QTextOption::WrapAnywhere);
        QVERIFY(form.width() >= 320 && form.height() >= 200);
        if (recipe == QLatin1String("10 x 14 pixels on the screen"))
            QVERIFY(QGuiApplication::primaryScreen()
                        ->availableGeometry()
                        .intersected(form.frameGeometry())
                        .width() >= 120);
        QCOMPARE(form.TimeGrid1->iCol(), 0);
        QCOMPARE(form.ScanAccess().AcceptTime, TScanAccess().AcceptTime);

        f.Prompts.Shown.clear();
        f.Form.reset();
        QCOMPARE(f.Prompts.Texts(),
                 notSaved ? QStringList{AppStrings::ConfigNotSaved} : QStringList());
        if (file == AppStrings::ScanAccessFileName && !notSaved)
            QVERIFY(!QFileInfo(path).isFile() || QFileInfo(path).size() < 1024);
        QVERIFY(QFileInfo(Dirs().ConfigDir + AppStrings::ConfigFileName).isFile());
        Dirs().ConfigDir.clear();
    }

    // Ended from outside (a signal, the session going), nobody may be there to close a box: the
    // warning goes to the log and the end is not held up.
    void endFromOutsideShowsNoBox() {
        TFormFixture f;
        Dirs().ConfigDir = f.Dir.filePath(QStringLiteral("config")) + QLatin1Char('/');
        QDir().mkpath(Dirs().ConfigDir + AppStrings::ConfigFileName);
        f.Make();
        f.Prompts.Shown.clear();
        f.Form->EndFromOutside();
        f.Form.reset();
        QCOMPARE(f.Prompts.Texts(), QStringList());
        Dirs().ConfigDir.clear();
    }

    // Boards of other programs, imported as the program imports them: every table opens.
    void boards_data() {
        QTest::addColumn<QByteArray>("board");
        QTest::addColumn<int>("keys");
        using namespace BoardBuilder;
        QTest::newRow("31 rows x 1 column") << Json(GridBoard(31, 1)) << 31;
        QTest::newRow("66 columns") << Json(GridBoard(1, 66)) << 66;
        QTest::newRow("100 x 100") << Json(GridBoard(100, 100)) << 10000;
        QTest::newRow("a label of 6 million characters")
            << Json(GridBoard(1, 1, {{QStringLiteral("label"), QString(6000000, u'a')}})) << 1;
        const QJsonArray picture{QJsonObject{
            {QStringLiteral("id"), QStringLiteral("p")},
            {QStringLiteral("data"), DataUri(QStringLiteral("image/png"), Png(QSize(400, 300)))}}};
        QTest::newRow("one picture on 10000 buttons")
            << Json(GridBoard(100, 100, {{QStringLiteral("image_id"), QStringLiteral("p")}},
                              picture))
            << 10000;
    }
    void boards() {
        QFETCH(QByteArray, board);
        QFETCH(int, keys);
        TFormFixture f;
        TForm1 &form = f.Make();
        const QString file = f.Dir.filePath(QStringLiteral("board.obf"));
        WriteFile(file, board);
        form.ImportBoards(file);
        for (const TScriptedPrompts::TShown &shown : f.Prompts.Shown)
            QVERIFY2(shown.Kind != TScriptedPrompts::kError, qPrintable(shown.Text));
        QCOMPARE(form.Keys().size(), keys);
        QVERIFY(QFileInfo(form.TableName()).size() < 16 * 1024 * 1024);
    }

    // A drawing in a board that names a file of the user's: the file is never read into a key.
    void drawingNamingALocalFile() {
        TFormFixture f;
        TForm1 &form = f.Make();
        const QString priv = f.Dir.filePath(QStringLiteral("private.png"));
        WriteFile(priv, BoardBuilder::ImageBytes("PNG", QSize(40, 20), Qt::red));
        const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' "
                               "xmlns:xlink='http://www.w3.org/1999/xlink' width='40' "
                               "height='20'><image width='40' height='20' xlink:href='" +
                               QFile::encodeName(priv) + "'/></svg>";
        const QJsonArray picture{QJsonObject{
            {QStringLiteral("id"), QStringLiteral("p")},
            {QStringLiteral("data"), BoardBuilder::DataUri(QStringLiteral("image/svg+xml"), svg)}}};
        const QString file = f.Dir.filePath(QStringLiteral("board.obf"));
        WriteFile(file, BoardBuilder::Json(BoardBuilder::GridBoard(
                            1, 1, {{QStringLiteral("image_id"), QStringLiteral("p")}}, picture)));
        form.ImportBoards(file);
        QCOMPARE(form.Keys().size(), 1);
        const QImage drawn = form.Keys()[0]->Symbol().ToImage();
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x)
                QVERIFY(drawn.pixelColor(x, y).red() < 128 || drawn.pixelColor(x, y).green() > 128);
        }
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
