#include "Error.h"
#include "KbtAuthoring.h"
#include "KbtJson.h"
#include "KbtRender.h"
#include "Picture.h"
#include "TableFormat.h"
#include "VxKey.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using TSetup = std::function<void(TVxKey &)>;
Q_DECLARE_METATYPE(TSetup)

namespace {

QJsonObject Json(const char *text) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(text), &error);
    if (!doc.isObject())
        qFatal("bad JSON in the test: %s", qPrintable(error.errorString()));
    return doc.object();
}

QJsonObject OneKeyTable(const QJsonObject &key, int col, int row) {
    return QJsonObject{{QStringLiteral("file"), QStringLiteral("table")},
                       {QStringLiteral("nCol"), 10},
                       {QStringLiteral("nRow"), 6},
                       {QStringLiteral("keys"), QJsonArray{QJsonObject{
                                                    {QStringLiteral("col"), col},
                                                    {QStringLiteral("row"), row},
                                                    {QStringLiteral("key"), key},
                                                }}}};
}

TTableFile Read(const QByteArray &bytes) {
    QBuffer b;
    b.setData(bytes);
    b.open(QIODevice::ReadOnly);
    const TTableReadResult r = ReadTableFile(&b);
    if (!r.Ok())
        qFatal("built table does not read: %s", qPrintable(r.Error));
    return r.Table;
}

std::unique_ptr<TVxKey> KeyOf(const QByteArray &record) {
    QBuffer b;
    b.setData(record);
    b.open(QIODevice::ReadOnly);
    return TVxKey::CreateFromStream(nullptr, &b);
}

QJsonValue PropertyOf(const QJsonObject &dumpedKey, const char *name) {
    for (const QJsonValue &p : dumpedKey[QLatin1String("properties")].toArray()) {
        if (p.toArray()[0].toString() == QLatin1String(name))
            return p.toArray()[1];
    }
    return QJsonValue(QJsonValue::Undefined);
}

} // namespace

class TestKbtAuthoring : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    QString FPicturePath;

private slots:
    void initTestCase() {
        QImage image(16, 12, QImage::Format_RGB32);
        image.fill(Qt::blue);
        FPicturePath = FDir.filePath(QStringLiteral("modry.jpg"));
        QFile f(FPicturePath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(TPicture::FromImageAsJpeg(image).Bytes());
    }

    // The record of a hand-written key is the one the program writes for a key it made and
    // set up the same way: a child of the grid under the main window, with the key menu.
    void authoringFormGivesTheProgramsRecord_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<TSetup>("setup");
        QTest::newRow("letter") << QByteArray(R"({"Text": "a"})")
                                << TSetup([](TVxKey &k) { k.SetText(QStringLiteral("a")); });
        QTest::newRow("Czech text, shifted text and font")
            << QByteArray(R"({"Text": "ř", "TextSh": "Ř", "Font": {"Name": "Arial",
                 "Height": -20, "Charset": "EASTEUROPE_CHARSET", "Style": ["fsBold"],
                 "Color": "clMaroon", "Pitch": "fpVariable"}})")
            << TSetup([](TVxKey &k) {
                   k.SetText(QStringLiteral("ř"));
                   k.SetTextSh(QStringLiteral("Ř"));
                   TKeyFont font;
                   font.Name = QStringLiteral("Arial");
                   font.Height = -20;
                   font.Charset = 238;
                   font.Style = TKeyFont::fsBold;
                   font.Color = 0x000080;
                   font.Pitch = TKeyFont::fpVariable;
                   k.SetFont(font);
               });
        QTest::newRow("special key with its colours")
            << QByteArray(R"({"Text": "Mezera", "SpecialKey": "Space",
                 "SpecKeyColor": "clSkyBlue", "NormKeyColor": 13434879})")
            << TSetup([](TVxKey &k) {
                   k.SetText(QStringLiteral("Mezera"));
                   k.SetSpecKeyColor(0xF0CAA6);
                   k.SetNormKeyColor(0xCCFFFF);
                   k.SetSpecialKey(TSpecialKey::Space);
               });
        QTest::newRow("link to another table")
            << QByteArray(R"({"Text": "Čísla", "SpecialKey": "other", "KbdName": "cisla.kbt"})")
            << TSetup([](TVxKey &k) {
                   k.SetText(QStringLiteral("Čísla"));
                   k.SetSpecialKey(TSpecialKey::Other);
                   k.SetKbdName(QStringLiteral("cisla.kbt"));
               });
        QTest::newRow("sound key with a picture")
            << QByteArray(R"({"Text": "Haló!", "SpecialKey": "Sound", "WavName": "zvonek.wav",
                 "Symbol": "modry.jpg", "Aspect": 0.9})")
            << TSetup([this](TVxKey &k) {
                   k.SetText(QStringLiteral("Haló!"));
                   k.SetSpecialKey(TSpecialKey::Sound);
                   k.SetWavName(QStringLiteral("zvonek.wav"));
                   k.SetSymbol(TPicture::FromFile(FPicturePath));
                   k.SetAspect(0.9);
               });
        QTest::newRow("own bounds win over the cell")
            << QByteArray(R"({"Text": "x", "Left": 1, "Top": 2, "Width": 30, "Height": 44})")
            << TSetup([](TVxKey &k) {
                   k.SetText(QStringLiteral("x"));
                   k.setGeometry(1, 2, 30, 44);
               });
        QTest::newRow("flags and the rest")
            << QByteArray(R"({"Text": "x", "Status": ["vxoSendClick"], "TabStop": true,
                 "Enabled": false, "Hint": "nápověda", "Tag": 7, "BorderWidth": 2,
                 "ColorSelected": 255, "ColorFocused": "clLime"})")
            << TSetup([](TVxKey &k) {
                   k.SetText(QStringLiteral("x"));
                   k.SetStatus(vxoSendClick);
                   k.SetTabStop(true);
                   k.SetEnabled(false);
                   k.SetHint(QStringLiteral("nápověda"));
                   k.SetTag(7);
                   k.SetBorderWidth(2);
                   k.SetColorSelected(0xFF);
                   k.SetColorFocused(0xFF00);
               });
    }
    void authoringFormGivesTheProgramsRecord() {
        QFETCH(QByteArray, json);
        QFETCH(TSetup, setup);
        const int col = 3;
        const int row = 2;

        QWidget form;
        form.setObjectName(QStringLiteral("Form1"));
        auto *popup = new QMenu(&form);
        popup->setObjectName(QStringLiteral("TablePopup"));
        auto *grid = new QWidget(&form);
        auto *expected = new TVxKey(grid);
        expected->setGeometry(TKeyAuthor::KeyRectInCell(QSize(650, 300), 10, 6, col, row));
        expected->SetPopupMenu(popup);
        setup(*expected);
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        expected->SaveToStream(&b);

        TBuildOptions options;
        options.SearchDirs = {FDir.path()};
        const QByteArray built =
            BuildFile(OneKeyTable(QJsonDocument::fromJson(json).object(), col, row), options);
        const TTableFile table = Read(built);
        QCOMPARE(table.Keys.size(), 1);
        QCOMPARE(table.Keys[0].Col, col);
        QCOMPARE(table.Keys[0].Row, row);
        QCOMPARE(table.Keys[0].Record, b.data());
    }

    void keyRectInCell_data() {
        QTest::addColumn<QSize>("grid");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("first cell") << QSize(650, 300) << 0 << 0 << QRect(5, 5, 55, 40);
        QTest::newRow("last cell") << QSize(650, 300) << 9 << 5 << QRect(590, 255, 55, 40);
        // Cells of an uneven grid: (0, 0, 63, 44) and (570, 221, 634, 266), inset by 5.
        QTest::newRow("uneven first") << QSize(634, 266) << 0 << 0 << QRect(5, 5, 53, 34);
        QTest::newRow("uneven last") << QSize(634, 266) << 9 << 5 << QRect(575, 226, 54, 35);
    }
    void keyRectInCell() {
        QFETCH(QSize, grid);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QRect, expected);
        QCOMPARE(TKeyAuthor::KeyRectInCell(grid, 10, 6, col, row), expected);
    }

    // Keys are made in file order, raw ones included, so their tab order is their place in the
    // file; every hand-written key names the main window's key menu.
    void tabOrderAndMenuFollowTheProgram() {
        const QJsonObject json = Json(R"({"file": "table", "nCol": 4, "nRow": 2,
            "gridWidth": 400, "gridHeight": 200, "keys": [
              {"col": 0, "row": 0, "properties": [["Left", 5], ["Status", {"set": []}]]},
              {"col": 1, "row": 0, "key": {"Text": "b"}},
              {"col": 3, "row": 1, "key": {"Text": "c"}}]})");
        const QJsonArray keys = DumpFile(BuildFile(json), false)[QLatin1String("keys")].toArray();
        QCOMPARE(PropertyOf(keys[0].toObject(), "TabOrder").isUndefined(), true);
        QCOMPARE(PropertyOf(keys[1].toObject(), "TabOrder"), QJsonValue(1));
        QCOMPARE(PropertyOf(keys[2].toObject(), "TabOrder"), QJsonValue(2));
        QCOMPARE(PropertyOf(keys[2].toObject(), "PopupMenu")[QLatin1String("ident")],
                 QJsonValue(QStringLiteral("Form1.TablePopup")));
        // The cell of the assumed 400 x 200 grid, inset by 5.
        QCOMPARE(PropertyOf(keys[2].toObject(), "Left"), QJsonValue(305));
        QCOMPARE(PropertyOf(keys[2].toObject(), "Top"), QJsonValue(105));
        QCOMPARE(PropertyOf(keys[2].toObject(), "Width"), QJsonValue(90));
    }

    void defaultsAreMergedUnderEachKey() {
        const QJsonObject json = Json(R"({"file": "keys",
            "keyDefaults": {"NormKeyColor": 255, "Font": {"Name": "Arial", "Height": -20}},
            "keys": [{"key": {"Text": "a", "Font": {"Height": -13}}},
                     {"key": {"Text": "b", "NormKeyColor": 0}}]})");
        QBuffer b;
        b.setData(BuildFile(json));
        b.open(QIODevice::ReadOnly);
        const TTableReadResult r = ReadKeyFile(&b);
        QVERIFY(r.Ok());
        const auto a = KeyOf(r.Table.Keys[0].Record);
        QCOMPARE(a->Font().Name, QStringLiteral("Arial"));
        QCOMPARE(a->Font().Height, -13);
        QCOMPARE(a->NormKeyColor(), 255u);
        const auto second = KeyOf(r.Table.Keys[1].Record);
        QCOMPARE(second->Font().Height, -20);
        QCOMPARE(second->NormKeyColor(), 0u);
        // A key file has no grid: the keys keep the size of a new key.
        QCOMPARE(a->Width(), 100);
    }

    void badAuthoringFails_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<int>("col");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("unknown field")
            << QByteArray(R"({"Txt": "a"})") << 0 << QByteArray("\"Txt\"");
        QTest::newRow("empty text, read back as VxKey")
            << QByteArray(R"({"Text": ""})") << 0 << QByteArray("VxKey");
        QTest::newRow("unknown special key")
            << QByteArray(R"({"Text": "a", "SpecialKey": "Mezera"})") << 0 << QByteArray("Mezera");
        QTest::newRow("missing picture")
            << QByteArray(R"({"Text": "a", "Symbol": "Images/nic.jpg"})") << 0
            << QByteArray("nic.jpg");
        QTest::newRow("unknown colour name")
            << QByteArray(R"({"Text": "a", "NormKeyColor": "clPink"})") << 0
            << QByteArray("clPink");
        QTest::newRow("text where a number belongs")
            << QByteArray(R"({"Text": "a", "Width": "55"})") << 0 << QByteArray("\"Width\"");
        QTest::newRow("unknown font field")
            << QByteArray(R"({"Text": "a", "Font": {"Size": 12}})") << 0 << QByteArray("Font.Size");
        QTest::newRow("outside the grid")
            << QByteArray(R"({"Text": "a"})") << 10 << QByteArray("outside");
    }
    void badAuthoringFails() {
        QFETCH(QByteArray, key);
        QFETCH(int, col);
        QFETCH(QByteArray, message);
        try {
            BuildFile(OneKeyTable(QJsonDocument::fromJson(key).object(), col, 0));
            QFAIL("no error");
        } catch (const TError &e) {
            QVERIFY2(e.Message().contains(QString::fromUtf8(message)), qPrintable(e.Message()));
            QVERIFY2(e.Message().startsWith(QLatin1String("Key 1")), qPrintable(e.Message()));
        }
    }

    // A key file is drawn as a row of its keys, each at its own size.
    void keyFileRendersInARow() {
        const QJsonObject json = QJsonDocument::fromJson(R"({"file": "keys", "keys": [
            {"key": {"Text": "a", "Width": 100, "Height": 40, "NormKeyColor": "clRed"}},
            {"key": {"Text": "b", "Width": 60, "Height": 90, "NormKeyColor": "clLime"}}]})")
                                     .object();
        const QImage image = RenderKeys(BuildFile(json));
        QCOMPARE(image.size(), QSize(5 + 100 + 5 + 60 + 5, 90 + 10));
        QCOMPARE(image.pixelColor(12, 30), QColor(Qt::red));
        QCOMPARE(image.pixelColor(117, 80), QColor(Qt::green));
    }

    void twoKeysInOneCellFail() {
        const QJsonObject json = Json(R"({"file": "table", "nCol": 2, "nRow": 1, "keys": [
              {"col": 1, "row": 0, "key": {"Text": "a"}},
              {"col": 1, "row": 0, "key": {"Text": "b"}}]})");
        QVERIFY_THROWS_EXCEPTION(TError, BuildFile(json));
    }
};

QTEST_MAIN(TestKbtAuthoring)
#include "tst_KbtAuthoring.moc"
