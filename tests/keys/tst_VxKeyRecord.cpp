#include "StreamError.h"
#include "VxKey.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QtEndian>
#include <functional>

using TSetup = std::function<void(TVxKey &)>;
Q_DECLARE_METATYPE(TSetup)

namespace {

// A short string as records store names and short values: a length byte, then the bytes.
QByteArray S(const char *text) {
    const QByteArray bytes(text);
    return char(bytes.size()) + bytes;
}

// Bytes written out in hex; spaces are only for reading.
QByteArray H(const char *hex) {
    return QByteArray::fromHex(hex);
}

// A 4-byte little-endian length.
QByteArray L(qsizetype length) {
    char bytes[4];
    qToLittleEndian(qint32(length), bytes);
    return QByteArray(bytes, 4);
}

QByteArray Record(const QByteArray &entries) {
    return "TPF0" + S("TVxKey") + H("00") + entries + H("00 00");
}

QByteArray Save(const TVxKey &key) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    key.SaveToStream(&buffer);
    return buffer.data();
}

std::unique_ptr<TVxKey> Load(QWidget *parent, const QByteArray &bytes,
                             const TVxKey::TMenuResolver &resolver = {}) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return TVxKey::CreateFromStream(parent, &buffer, resolver);
}

int KeyChildren(const QWidget &parent) {
    return int(parent.findChildren<TVxKey *>(Qt::FindDirectChildrenOnly).size());
}

QByteArray ImageFile(const char *format) {
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(qRgb(200, 30, 40));
    for (int x = 0; x < 16; ++x)
        image.setPixel(x, x % 12, qRgb(0, 0, 255));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

// The smallest enhanced metafile, one inch square: header and end record.
const QByteArray Emf = H("01000000 58000000 00000000 00000000 5F000000 5F000000"
                         "00000000 00000000 EC090000 EC090000 20454D46 00000100"
                         "6C000000 02000000 01000000 00000000 00000000 00000000"
                         "00040000 00030000 40010000 F0000000"
                         "0E000000 14000000 00000000 10000000 14000000");
// A metafile header and its end record, with and without the placeable header.
const QByteArray Wmf = H("0100 0900 0003 0C000000 0000 03000000 0000 03000000 0000");
const QByteArray PlaceableWmf = H("D7CDC69A 0000 0000 0000 6400 6400 A005 00000000 B152") + Wmf;

void Fill(TVxKey &key) {
    key.SetText(QStringLiteral("Čaj"));
    key.SetTextSh(QStringLiteral("ČAJ"));
    key.SetSymbol(TPicture::FromFileBytes(ImageFile("BMP")));
    key.SetAspect(0.9);
    key.SetSpecialKey(TSpecialKey::Sound);
    key.SetWavName(QStringLiteral("Zvuky\\čaj.wav"));
}

// Fails every write once `limit` bytes have been written.
class TFailingDevice : public QBuffer {
public:
    explicit TFailingDevice(qint64 limit)
        : FLimit(limit) {}

protected:
    qint64 writeData(const char *data, qint64 len) override {
        if (pos() + len > FLimit) {
            setErrorString(QStringLiteral("disk full"));
            return -1;
        }
        return QBuffer::writeData(data, len);
    }

private:
    qint64 FLimit;
};

} // namespace

class TestVxKeyRecord : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> FPanel;

private slots:
    void init() { FPanel = std::make_unique<QWidget>(); }
    void cleanup() { FPanel.reset(); }

    void plainKeyRecord() {
        TVxKey key(FPanel.get());
        const QByteArray expected =
            QByteArrayList{
                "TPF0" + S("TVxKey") + H("00"),
                S("Left") + H("02 00"),
                S("Top") + H("02 00"),
                S("Width") + H("02 64"),
                S("Height") + H("02 64"),
                S("TabOrder") + H("02 00"),
                S("Status") + H("0B") + S("vxo3Deffect") + S("vxoSendClick") + H("00"),
                S("Text") + H("06") + S("VxKey"),
                S("Font.Charset") + H("07") + S("DEFAULT_CHARSET"),
                S("Font.Color") + H("07") + S("clNavy"),
                S("Font.Height") + H("02 F0"),
                S("Font.Name") + H("06") + S("MS Sans Serif"),
                S("Font.Style") + H("0B 00"),
                S("BorderWidth") + H("02 05"),
                S("ColorSelected") + H("07") + S("clBlue"),
                S("ColorFocused") + H("07") + S("clRed"),
                S("Selected") + H("08"),
                S("Active") + H("08"),
                S("SpecKeyColor") + H("07") + S("clSilver"),
                S("NormKeyColor") + H("07") + S("clWhite"),
                S("SpecialCode") + H("02 00"),
                S("SpecialKey") + H("07") + S("None"),
                H("00 00"),
            }
                .join();
        QCOMPARE(Save(key), expected);
    }

    void tabOrder() {
        TVxKey parentless;
        QVERIFY(!Save(parentless).contains("TabOrder"));
        QMenu menu(FPanel.get()); // a popup window, not a control on the panel
        TVxKey first(FPanel.get());
        TVxKey second(FPanel.get());
        QCOMPARE(first.TabOrder(), 0);
        QVERIFY(Save(second).contains(S("TabOrder") + H("02 01")));
    }

    void entries_data() {
        QTest::addColumn<TSetup>("setup");
        QTest::addColumn<QByteArray>("fragment");
        const auto row = [](const char *name, TSetup setup, const QByteArray &fragment) {
            QTest::newRow(name) << setup << fragment;
        };
        row(
            "aspect 0.9, last", [](TVxKey &k) { k.SetAspect(0.9); },
            S("Aspect") + H("05 00 68 66 66 66 66 66 E6 FE 3F 00 00"));
        row(
            "negative aspect", [](TVxKey &k) { k.SetAspect(-1); },
            S("Aspect") + H("05 00 00 00 00 00 00 00 80 FF BF"));
        row(
            "Czech text as UTF-8", [](TVxKey &k) { k.SetText(QStringLiteral("Čaj")); },
            S("Text") + H("14 04000000 C48C 616A"));
        row(
            "long text", [](TVxKey &k) { k.SetText(QString(300, u'a')); },
            S("Text") + H("0C 2C010000") + QByteArray(300, 'a'));
        row(
            "shifted text", [](TVxKey &k) { k.SetTextSh(QStringLiteral("A")); },
            S("TextSh") + H("06") + S("A"));
        row(
            "named colour", [](TVxKey &k) { k.SetSpecKeyColor(0x0000FF); },
            S("SpecKeyColor") + H("07") + S("clRed"));
        row(
            "unnamed colour", [](TVxKey &k) { k.SetNormKeyColor(0x123456); },
            S("NormKeyColor") + H("04 56341200"));
        row(
            "system colour", [](TVxKey &k) { k.SetColorFocused(0xFF00000F); },
            S("ColorFocused") + H("07") + S("clBtnFace"));
        row(
            "no colour", [](TVxKey &k) { k.SetColorSelected(0x1FFFFFFF); },
            S("ColorSelected") + H("07") + S("clNone"));
        row(
            "Sound is 254", [](TVxKey &k) { k.SetSpecialKey(TSpecialKey::Sound); },
            S("SpecialCode") + H("03 FE00") + S("SpecialKey") + H("07") + S("Sound"));
        row(
            "Other is 253", [](TVxKey &k) { k.SetSpecialKey(TSpecialKey::Other); },
            S("SpecialCode") + H("03 FD00") + S("SpecialKey") + H("07") + S("Other"));
        row(
            "Talk is 255", [](TVxKey &k) { k.SetSpecialKey(TSpecialKey::Talk); },
            S("SpecialCode") + H("03 FF00") + S("SpecialKey") + H("07") + S("Talk"));
        row(
            "font",
            [](TVxKey &k) {
                TKeyFont font;
                font.Charset = 238;
                font.Color = 0xFF000008;
                font.Height = -19;
                font.Pitch = TKeyFont::fpFixed;
                font.Style = TKeyFont::fsStrikeOut | TKeyFont::fsBold;
                k.SetFont(font);
            },
            S("Font.Charset") + H("07") + S("EASTEUROPE_CHARSET") + S("Font.Color") + H("07") +
                S("clWindowText") + S("Font.Height") + H("02 ED") + S("Font.Name") + H("06") +
                S("MS Sans Serif") + S("Font.Pitch") + H("07") + S("fpFixed") + S("Font.Style") +
                H("0B") + S("fsBold") + S("fsStrikeOut") + H("00"));
        row(
            "unnamed charset",
            [](TVxKey &k) {
                TKeyFont font;
                font.Charset = 99;
                k.SetFont(font);
            },
            S("Font.Charset") + H("02 63"));
        row(
            "control entries in order",
            [](TVxKey &k) {
                k.SetTag(1000);
                k.SetLeft(-300);
                k.SetWidth(40000);
                k.SetCursor(-21);
                k.SetHint(QStringLiteral("Tip"));
                k.SetHelpType(TVxKey::htKeyword);
                k.SetHelpKeyword(QStringLiteral("k"));
                k.SetHelpContext(7);
                k.SetEnabled(false);
                k.SetTabStop(true);
            },
            S("Tag") + H("03 E803") + S("Left") + H("03 D4FE") + S("Top") + H("02 00") +
                S("Width") + H("04 409C0000") + S("Height") + H("02 64") + S("Cursor") +
                H("02 EB") + S("Hint") + H("06") + S("Tip") + S("HelpType") + H("07") +
                S("htKeyword") + S("HelpKeyword") + H("06") + S("k") + S("HelpContext") +
                H("02 07") + S("Enabled") + H("08") + S("TabOrder") + H("02 00") + S("TabStop") +
                H("09") + S("Status"));
        row(
            "edit status", [](TVxKey &k) { k.SetStatus(vxoEdit); },
            S("Status") + H("0B") + S("vxoEdit") + H("00"));
        row(
            "sound and table",
            [](TVxKey &k) {
                k.SetWavName(QStringLiteral("a.wav"));
                k.SetKbdName(QStringLiteral("b.kbt"));
            },
            S("WavName") + H("06") + S("a.wav") + S("KbdName") + H("06") + S("b.kbt") + H("0000"));
        row(
            "named key", [](TVxKey &k) { k.setObjectName(QStringLiteral("Key1")); },
            S("TVxKey") + S("Key1") + S("Left"));
    }
    // Each entry is written as stated, and reading it back and writing again changes nothing.
    void entries() {
        QFETCH(TSetup, setup);
        QFETCH(QByteArray, fragment);
        TVxKey key(FPanel.get());
        setup(key);
        const QByteArray bytes = Save(key);
        QVERIFY2(bytes.contains(fragment), bytes.toHex(' ').constData());
        QWidget otherPanel;
        QCOMPARE(Save(*Load(&otherPanel, bytes)), bytes);
    }

    void absentEntriesKeepDefaults() {
        TVxKey key(FPanel.get());
        key.SetText(QString());
        const QByteArray bytes = Save(key);
        for (const char *name : {"Text", "TextSh", "Aspect", "WavName", "KbdName", "Symbol.Data",
                                 "PopupMenu", "Font.Pitch", "Tag", "Cursor", "Hint", "Enabled"})
            QVERIFY2(!bytes.contains(S(name)), name);
        const auto loaded = Load(FPanel.get(), bytes);
        QCOMPARE(loaded->Text(), QStringLiteral("VxKey"));
        QCOMPARE(loaded->TextSh(), QString());
        QCOMPARE(loaded->Aspect(), 0.0);
    }

    void reading_data() {
        QTest::addColumn<QByteArray>("entries");
        QTest::addColumn<TSetup>("check");
        const auto row = [](const char *name, const QByteArray &entries, TSetup check) {
            QTest::newRow(name) << entries << check;
        };
        row("wide string", S("Text") + H("12 02000000 0D01 6100"),
            [](TVxKey &k) { QCOMPARE(k.Text(), QStringLiteral("ča")); });
        row("long string", S("Text") + H("0C 03000000 616263"),
            [](TVxKey &k) { QCOMPARE(k.Text(), QStringLiteral("abc")); });
        row("code page string", S("Text") + H("06 01 E8"),
            [](TVxKey &k) { QCOMPARE(k.Text(), QStringLiteral("č")); });
        row("colour as int32", S("SpecKeyColor") + H("04 FF000000"),
            [](TVxKey &k) { QCOMPARE(k.SpecKeyColor(), 0xFFu); });
        row("charset as integer", S("Font.Charset") + H("03 EE00"),
            [](TVxKey &k) { QCOMPARE(k.Font().Charset, 238); });
        // The font's properties come one by one; the widget draws with all of them.
        row("font reaches the widget",
            S("Font.Height") + H("02 E8") + S("Font.Name") + H("06") + S("Arial") +
                S("Font.Style") + H("0B") + S("fsBold") + H("00"),
            [](TVxKey &k) {
                QCOMPARE(k.font().pixelSize(), 24);
                QVERIFY(k.font().bold());
                QCOMPARE(k.font(), k.Font().ToQFont());
            });
        row("font size in points", S("Font.Size") + H("02 0C"),
            [](TVxKey &k) { QCOMPARE(k.Font().Height, -16); });
        row("names ignore letter case",
            S("text") + H("06") + S("x") + S("SPECIALKEY") + H("07") + S("space"), [](TVxKey &k) {
                QCOMPARE(k.Text(), QStringLiteral("x"));
                QCOMPARE(k.SpecialKey(), TSpecialKey::Space);
            });
        row("aspect as integer", S("Aspect") + H("02 02"),
            [](TVxKey &k) { QCOMPARE(k.Aspect(), 2.0); });
        row("stored code never overrides the table",
            S("SpecialCode") + H("02 63") + S("SpecialKey") + H("07") + S("Space"),
            [](TVxKey &k) { QCOMPARE(k.SpecialCode(), 32); });
        row("stored code without a kind", S("SpecialCode") + H("02 63"),
            [](TVxKey &k) { QCOMPARE(k.SpecialCode(), 0); });
        row("face takes the loaded colour",
            S("SpecKeyColor") + H("07") + S("clRed") + S("SpecialKey") + H("07") + S("Space"),
            [](TVxKey &k) { QCOMPARE(k.Color(), 0x0000FFu); });
        row("selected and active cleared", S("Selected") + H("09") + S("Active") + H("09"),
            [](TVxKey &k) {
                QVERIFY(!k.Selected());
                QVERIFY(!k.Active());
            });
        row("unknown picture kind gives no symbol",
            S("Symbol.Data") + H("0A 0B000000") + S("TUnknown") + H("0102") + S("SpecialKey") +
                H("07") + S("Sound"),
            [](TVxKey &k) {
                QVERIFY(k.Symbol().IsEmpty());
                QCOMPARE(k.SpecialCode(), 254);
            });
        row("metafile of length 4 is empty",
            S("Symbol.Data") + H("0A 0E000000") + S("TMetafile") + H("04000000"),
            [](TVxKey &k) { QVERIFY(k.Symbol().IsEmpty()); });
        row("menu dropped without a resolver", S("PopupMenu") + H("07") + S("Form1.TablePopup"),
            [](TVxKey &k) { QVERIFY(!k.PopupMenu()); });
    }
    void reading() {
        QFETCH(QByteArray, entries);
        QFETCH(TSetup, check);
        const auto key = Load(FPanel.get(), Record(entries));
        QCOMPARE(key->parentWidget(), FPanel.get());
        check(*key);
    }

    void componentNameIsRead() {
        const auto key = Load(FPanel.get(), "TPF0" + S("TVxKey") + S("Key7") + H("0000"));
        QCOMPARE(key->objectName(), QStringLiteral("Key7"));
    }

    void popupMenuByName() {
        QWidget form;
        form.setObjectName(QStringLiteral("Form1"));
        QMenu menu(&form);
        menu.setObjectName(QStringLiteral("TablePopup"));
        TVxKey key(FPanel.get());
        key.SetPopupMenu(&menu);
        const QByteArray bytes = Save(key);
        QVERIFY(
            bytes.contains(S("PopupMenu") + H("07") + S("Form1.TablePopup") + S("SpecKeyColor")));

        QByteArray asked;
        const auto loaded = Load(FPanel.get(), bytes, [&](const QByteArray &name) -> QMenu * {
            asked = name;
            return &menu;
        });
        QCOMPARE(asked, QByteArray("Form1.TablePopup"));
        QCOMPARE(loaded->PopupMenu(), &menu);

        TVxKey::SetPopupMenuNamer([](const QMenu *) { return QByteArray("Other.Menu"); });
        const QByteArray renamed = Save(key);
        TVxKey::SetPopupMenuNamer({});
        QVERIFY(renamed.contains(S("PopupMenu") + H("07") + S("Other.Menu")));
    }

    void pictures_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("kindName");
        const QImage image = QImage::fromData(ImageFile("BMP"));
        QTest::newRow("bitmap") << ImageFile("BMP") << QByteArray("TBitmap");
        QTest::newRow("icon") << ImageFile("ICO") << QByteArray("TIcon");
        QTest::newRow("JPEG") << TPicture::FromImageAsJpeg(image).Bytes()
                              << QByteArray("TJPEGImage");
        QTest::newRow("enhanced metafile") << Emf << QByteArray("TMetafile");
        QTest::newRow("placeable metafile") << PlaceableWmf << QByteArray("TMetafile");
        QTest::newRow("plain metafile") << Wmf << QByteArray("TMetafile");
    }
    // Every kind of symbol travels through the record byte for byte.
    void pictures() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, kindName);
        TVxKey key(FPanel.get());
        key.SetSymbol(TPicture::FromFileBytes(file));
        const QByteArray bytes = Save(key);
        QVERIFY(bytes.contains(char(kindName.size()) + kindName));
        QWidget otherPanel;
        const auto loaded = Load(&otherPanel, bytes);
        QCOMPARE(loaded->Symbol().KindName(), kindName);
        QCOMPARE(loaded->Symbol().Bytes(), file);
        QCOMPARE(Save(*loaded), bytes);
    }

    void bitmapSymbolLayout() {
        const QByteArray bmp = ImageFile("BMP");
        TVxKey key(FPanel.get());
        key.SetSymbol(TPicture::FromFileBytes(bmp));
        const QByteArray value = S("TBitmap") + L(bmp.size()) + bmp;
        const QByteArray entry = S("Symbol.Data") + H("0A") + L(value.size()) + value + S("Status");
        QVERIFY(Save(key).contains(entry));
    }

    void damaged_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("wrong signature") << "TPF1" + S("TVxKey") + H("00 00 00");
        QTest::newRow("unknown property") << Record(S("Color") + H("02 00"));
        QTest::newRow("integer given a string") << Record(S("Left") + H("06") + S("x"));
        QTest::newRow("string given an integer") << Record(S("Text") + H("02 01"));
        QTest::newRow("Boolean given an integer") << Record(S("Selected") + H("02 01"));
        QTest::newRow("unknown special key") << Record(S("SpecialKey") + H("07") + S("End"));
        QTest::newRow("unknown status") << Record(S("Status") + H("0B") + S("vxoFoo") + H("00"));
        QTest::newRow("unknown style") << Record(S("Font.Style") + H("0B") + S("fsWide") + H("00"));
        QTest::newRow("unknown pitch") << Record(S("Font.Pitch") + H("07") + S("fpWide"));
        QTest::newRow("unknown colour") << Record(S("SpecKeyColor") + H("07") + S("clPink"));
        QTest::newRow("damaged bitmap") << Record(S("Symbol.Data") + H("0A 16000000") +
                                                  S("TBitmap") + H("0A000000") + "0123456789");
        QTest::newRow("binary beyond the record") << Record(S("Symbol.Data") + H("0A FFFFFF7F"));
        QTest::newRow("child component") << Record(QByteArray()).chopped(1) + Record({});
    }
    // A bad record fails with a message, and nothing of the half-made key is left behind.
    void damaged() {
        QFETCH(QByteArray, record);
        try {
            const auto key = Load(FPanel.get(), record);
            QFAIL("the record was accepted");
        } catch (const TStreamError &error) {
            QVERIFY(!error.Message().isEmpty());
        }
        QCOMPARE(KeyChildren(*FPanel), 0);
    }

    void everyTruncationFails() {
        QByteArray record;
        {
            TVxKey key(FPanel.get());
            Fill(key);
            record = Save(key);
        }
        QVERIFY(Load(FPanel.get(), record)); // the whole record is fine
        for (qsizetype n = 0; n < record.size(); ++n) {
            QVERIFY_THROWS_EXCEPTION(TStreamError, Load(FPanel.get(), record.left(n)));
            QCOMPARE(KeyChildren(*FPanel), 0);
        }
    }

    // Any damaged byte either still reads or fails with a message; nothing else escapes.
    void everyDamagedByteIsHandled() {
        QByteArray record;
        {
            TVxKey key(FPanel.get());
            Fill(key);
            record = Save(key);
        }
        for (qsizetype i = 0; i < record.size(); ++i) {
            for (char value : {char(0x00), char(0xFF), char(record[i] ^ 0x80)}) {
                QByteArray damaged = record;
                damaged[i] = value;
                try {
                    (void)Load(FPanel.get(), damaged);
                } catch (const TStreamError &) {
                }
                QCOMPARE(KeyChildren(*FPanel), 0);
            }
        }
    }

    void failingDeviceReportsTheWrite() {
        TVxKey key(FPanel.get());
        Fill(key);
        const QByteArray record = Save(key);
        for (qint64 limit : {qint64(0), qint64(3), qint64(40), qint64(record.size() - 1)}) {
            TFailingDevice device(limit);
            device.open(QIODevice::WriteOnly);
            QVERIFY_THROWS_EXCEPTION(TStreamError, key.SaveToStream(&device));
        }
    }

    void recordsFollowEachOther() {
        // Tables put records back to back; each read stops exactly at its own end.
        TVxKey a(FPanel.get());
        a.SetText(QStringLiteral("a"));
        TVxKey b(FPanel.get());
        b.SetText(QStringLiteral("b"));
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        a.SaveToStream(&buffer);
        b.SaveToStream(&buffer);
        buffer.seek(0);
        QWidget panel;
        QCOMPARE(TVxKey::CreateFromStream(&panel, &buffer)->Text(), QStringLiteral("a"));
        QCOMPARE(TVxKey::CreateFromStream(&panel, &buffer)->Text(), QStringLiteral("b"));
        QVERIFY(buffer.atEnd());
    }
};

QTEST_MAIN(TestVxKeyRecord)
#include "tst_VxKeyRecord.moc"
