// The keyboards shipped beside the program, as the build made them.
#include "ConfigFormat.h"
#include "KbtJson.h"
#include "StringProc.h"
#include "TableFormat.h"
#include "VxKey.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QSet>
#include <QTest>

namespace {

const QString ProgramDir = QStringLiteral(ORVANTA_PROGRAM_DIR);

QByteArray TableBytes(const QString &name) {
    QFile f(ProgramDir + QStringLiteral("/Tables/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing bundled table %s", qPrintable(f.fileName()));
    return f.readAll();
}

struct TLoadedKey {
    int Col;
    int Row;
    std::shared_ptr<TVxKey> Key;
};

// The table read as the program reads it: the framing, then every record into a real key.
QList<TLoadedKey> Load(const QString &name, TTableFile *table = nullptr) {
    QBuffer b;
    b.setData(TableBytes(name));
    b.open(QIODevice::ReadOnly);
    const TTableReadResult r = ReadTableFile(&b);
    if (!r.Ok())
        qFatal("%s: %s", qPrintable(name), qPrintable(r.Error));
    if (table)
        *table = r.Table;
    QList<TLoadedKey> keys;
    for (const TTableKey &k : r.Table.Keys) {
        QBuffer record;
        record.setData(k.Record);
        record.open(QIODevice::ReadOnly);
        keys.append(
            {k.Col, k.Row, std::shared_ptr<TVxKey>(TVxKey::CreateFromStream(nullptr, &record))});
    }
    return keys;
}

const TVxKey *At(const QList<TLoadedKey> &keys, int col, int row) {
    for (const TLoadedKey &k : keys) {
        if (k.Col == col && k.Row == row)
            return k.Key.get();
    }
    return nullptr;
}

// The bundled keyboards come in two families, Czech and English: the first keyboard of each
// (the one its default configuration opens) and the ones it links to.
const QMap<QString, QString> FirstKeyboard = {
    {QStringLiteral("index.kbt"), QStringLiteral("index.kbt")},
    {QStringLiteral("fraze.kbt"), QStringLiteral("index.kbt")},
    {QStringLiteral("cisla.kbt"), QStringLiteral("index.kbt")},
    {QStringLiteral("pismena-frekvence.kbt"), QStringLiteral("index.kbt")},
    {QStringLiteral("letters.kbt"), QStringLiteral("letters.kbt")},
    {QStringLiteral("phrases.kbt"), QStringLiteral("letters.kbt")},
    {QStringLiteral("numbers.kbt"), QStringLiteral("letters.kbt")},
    {QStringLiteral("en-letters-frequency.kbt"), QStringLiteral("letters.kbt")},
};

QStringList TableNames() {
    return QDir(ProgramDir + QStringLiteral("/Tables"))
        .entryList({QStringLiteral("*.kbt")}, QDir::Files, QDir::Name);
}

} // namespace

class TestBundledTables : public QObject {
    Q_OBJECT

private slots:
    void keysSitInTheirCells_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("target"); // KbdName or WavName
        const auto add = [](const char *tag, const char *table, int col, int row, const char *text,
                            TSpecialKey kind, const char *target = "") {
            QTest::newRow(tag) << QString::fromLatin1(table) << col << row
                               << QString::fromUtf8(text) << int(kind)
                               << QString::fromLatin1(target);
        };
        add("index a", "index.kbt", 0, 0, "a", TSpecialKey::None);
        add("index space", "index.kbt", 0, 4, "Mezera", TSpecialKey::Space);
        add("index caps", "index.kbt", 4, 4, "Caps", TSpecialKey::Caps_Lock);
        add("index talk", "index.kbt", 0, 5, "Mluv", TSpecialKey::Talk);
        add("index clear line", "index.kbt", 2, 5, "řádek", TSpecialKey::ClearLn);
        add("index phrases", "index.kbt", 8, 5, "Fráze", TSpecialKey::Other, "fraze.kbt");
        add("index numbers", "index.kbt", 9, 5, "Čísla", TSpecialKey::Other, "cisla.kbt");
        add("phrases hunger", "fraze.kbt", 4, 0, "Mám hlad.", TSpecialKey::None);
        add("phrases help bell", "fraze.kbt", 4, 1, "Potřebuji pomoc.", TSpecialKey::Sound,
            "zvonek.wav");
        add("phrases back", "fraze.kbt", 4, 2, "Písmena", TSpecialKey::Other, "index.kbt");
        add("numbers space", "cisla.kbt", 1, 3, "Mezera", TSpecialKey::Space);
        add("numbers back", "cisla.kbt", 7, 3, "Písmena", TSpecialKey::Other, "index.kbt");
        add("letters a", "letters.kbt", 0, 0, "a", TSpecialKey::None);
        add("letters space", "letters.kbt", 0, 3, "Space", TSpecialKey::Space);
        add("letters clear line", "letters.kbt", 2, 4, "line", TSpecialKey::ClearLn);
        add("index frequency", "index.kbt", 9, 4, "Frekvence", TSpecialKey::Other,
            "pismena-frekvence.kbt");
        add("letters frequency", "letters.kbt", 7, 3, "Frequency", TSpecialKey::Other,
            "en-letters-frequency.kbt");
        add("letters phrases", "letters.kbt", 8, 4, "Phrases", TSpecialKey::Other, "phrases.kbt");
        add("letters numbers", "letters.kbt", 9, 4, "Numbers", TSpecialKey::Other, "numbers.kbt");
        add("English phrases help bell", "phrases.kbt", 4, 1, "I need help.", TSpecialKey::Sound,
            "zvonek.wav");
        add("English phrases back", "phrases.kbt", 4, 2, "Letters", TSpecialKey::Other,
            "letters.kbt");
        add("English numbers back", "numbers.kbt", 7, 3, "Letters", TSpecialKey::Other,
            "letters.kbt");
    }
    void keysSitInTheirCells() {
        QFETCH(QString, table);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QString, target);
        const QList<TLoadedKey> keys = Load(table);
        const TVxKey *key = At(keys, col, row);
        QVERIFY(key);
        QCOMPARE(key->Text(), text);
        QCOMPARE(int(key->SpecialKey()), kind);
        if (TSpecialKey(kind) == TSpecialKey::Other)
            QCOMPARE(key->KbdName(), target);
        if (TSpecialKey(kind) == TSpecialKey::Sound)
            QCOMPARE(key->WavName(), target);
    }

    void phraseKeysHavePictures_data() {
        QTest::addColumn<QString>("table");
        QTest::newRow("Czech") << QStringLiteral("fraze.kbt");
        QTest::newRow("English") << QStringLiteral("phrases.kbt");
    }
    void phraseKeysHavePictures() {
        QFETCH(QString, table);
        for (const TLoadedKey &k : Load(table)) {
            QVERIFY2(k.Key->Symbol().Kind() == TPicture::gkJpeg, qPrintable(k.Key->Text()));
            QVERIFY(!k.Key->Symbol().ToImage().isNull());
            // Sentences end so that the program capitalises and reads them as sentences.
            if (k.Key->SpecialCode() == 0 || k.Key->SpecialKey() == TSpecialKey::Sound) {
                const QChar last = k.Key->Text().back();
                QVERIFY2(QStringLiteral(".!?").contains(last), qPrintable(k.Key->Text()));
            }
        }
    }

    // Each table is what the program itself would save: keys row by row, one per cell, inside
    // the grid, records naming the key menu and their place in the tab order; links and sounds
    // lead to files that exist; and there is a way back to the first keyboard of its family.
    void tablesAreSound_data() {
        QTest::addColumn<QString>("table");
        const QStringList names = TableNames();
        QVERIFY(names.contains(QStringLiteral("index.kbt")));
        QVERIFY(names.contains(QStringLiteral("letters.kbt")));
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    void tablesAreSound() {
        QFETCH(QString, table);
        TTableFile file;
        const QList<TLoadedKey> keys = Load(table, &file);
        QVERIFY(file.Scanning());
        QVERIFY(!keys.isEmpty());
        QVERIFY(file.nCol * file.nRow <= 60);
        int previous = -1;
        QVERIFY2(FirstKeyboard.contains(table), "a keyboard of no family");
        const QString first = FirstKeyboard.value(table);
        bool linksToFirst = false;
        QSet<QString> linked;
        QSet<int> kinds;
        const QJsonArray dumped =
            DumpFile(TableBytes(table), false)[QLatin1String("keys")].toArray();
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const TLoadedKey &k = keys[i];
            QVERIFY(k.Col >= 0 && k.Col < file.nCol && k.Row >= 0 && k.Row < file.nRow);
            const int index = k.Col + k.Row * file.nCol;
            QVERIFY2(index > previous, "keys out of order or sharing a cell");
            previous = index;

            const QJsonArray properties =
                dumped[i].toObject()[QLatin1String("properties")].toArray();
            QVERIFY(properties.contains(QJsonArray{
                QStringLiteral("PopupMenu"),
                QJsonObject{{QStringLiteral("ident"), QStringLiteral("Form1.TablePopup")}}}));
            QVERIFY(properties.contains(QJsonArray{QStringLiteral("TabOrder"), int(i)}));

            const TVxKey &key = *k.Key;
            kinds.insert(int(key.SpecialKey()));
            if (key.SpecialKey() == TSpecialKey::Other) {
                QVERIFY2(QFile::exists(ProgramDir + QStringLiteral("/Tables/") + key.KbdName()),
                         qPrintable(key.KbdName()));
                linked.insert(key.KbdName());
                linksToFirst = linksToFirst || key.KbdName() == first;
            }
            if (key.SpecialKey() == TSpecialKey::Sound)
                QVERIFY2(QFile::exists(ProgramDir + QStringLiteral("/Sounds/") + key.WavName()),
                         qPrintable(key.WavName()));
            QVERIFY(!key.Text().isEmpty());
        }
        if (table == first) {
            QSet<QString> others;
            for (const QString &name : TableNames()) {
                if (name != table && FirstKeyboard.value(name) == table)
                    others.insert(name);
            }
            QCOMPARE(linked, others);
            // Everything needed to write, correct, move about and speak without a keyboard.
            using enum TSpecialKey;
            for (const TSpecialKey kind : {Space, Backspace, Enter, Shift, Caps_Lock, Talk, Clear,
                                           ClearLn, Print, Left, Right, Up, Down})
                QVERIFY2(kinds.contains(int(kind)), SpecialKeyIdents[std::size_t(kind)]);
        } else {
            QVERIFY(linksToFirst);
        }
    }

    void dumpThenBuildGivesTheSameBytes_data() {
        QTest::addColumn<QString>("table");
        for (const QString &name : TableNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void dumpThenBuildGivesTheSameBytes() {
        QFETCH(QString, table);
        const QByteArray bytes = TableBytes(table);
        const QJsonObject json = DumpFile(bytes, false);
        QCOMPARE(BuildFile(QJsonDocument::fromJson(QJsonDocument(json).toJson()).object()), bytes);
    }

    // Every letter of the keyboard's language can be written: by its own key or by a dead
    // accent and its letter.
    void writesEveryLetter_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("letters");
        QTest::newRow("Czech") << QStringLiteral("index.kbt")
                               << QStringLiteral("abcdefghijklmnopqrstuvwxyzáéíóúůýčďěňřšťž");
        QTest::newRow("English") << QStringLiteral("letters.kbt")
                                 << QStringLiteral("abcdefghijklmnopqrstuvwxyz'");
    }
    void writesEveryLetter() {
        QFETCH(QString, table);
        QFETCH(QString, letters);
        QSet<QChar> single;
        for (const TLoadedKey &k : Load(table)) {
            if (k.Key->SpecialCode() == 0 && k.Key->Text().size() == 1)
                single.insert(k.Key->Text()[0]);
        }
        const QList<QChar> accents = {kAccentCaron, kAccentRing, kAccentAcute};
        for (const QChar letter : letters) {
            bool reachable = single.contains(letter);
            for (const QChar accent : accents) {
                if (!single.contains(accent))
                    continue;
                for (const QChar base : single)
                    reachable = reachable || ComposeAccent(base, accent) == letter;
            }
            QVERIFY2(reachable, qPrintable(QString(letter)));
        }
    }

    // A first start reads the default configuration of its interface language, which opens that
    // language's first keyboard.
    void defaultConfigurationsOpenTheirKeyboard_data() {
        QTest::addColumn<QString>("config");
        QTest::addColumn<QString>("table");
        QTest::newRow("Czech") << QStringLiteral("Orvanta.cfg") << QStringLiteral("index.kbt");
        QTest::newRow("English") << QStringLiteral("Orvanta.en.cfg")
                                 << QStringLiteral("letters.kbt");
    }
    void defaultConfigurationsOpenTheirKeyboard() {
        QFETCH(QString, config);
        QFETCH(QString, table);
        QFile file(ProgramDir + QLatin1Char('/') + config);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const TConfigReadResult read = ConfigFormat::Read(file.readAll());
        QVERIFY2(read.Ok(), qPrintable(read.Error));
        QCOMPARE(read.Config.TableName, table);
        QCOMPARE(FirstKeyboard.value(table), table);
    }
};

QTEST_MAIN(TestBundledTables)
#include "tst_BundledTables.moc"
