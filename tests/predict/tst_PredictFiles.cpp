// The files of prediction on damaged and hostile input: the compact word list and the user's
// learned words. Either is refused with a message, leaves nothing half-read, and never crashes.
#include "PredictFixture.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

// Entries in folded order: dům, pecka, pes; pairs (dům, pes), (pes, dům), (start, pes).
QByteArray SmallList() {
    return TLexicon::Build(
        {{u"pes"_s, 10}, {u"pecka"_s, 5}, {u"dům"_s, 7}},
        {{u"pes"_s, u"dům"_s, 2}, {u"dům"_s, u"pes"_s, 3}, {QString(), u"pes"_s, 4}});
}

QByteArray Patched(QByteArray bytes, qsizetype at, quint32 value) {
    qToLittleEndian<quint32>(value, bytes.data() + at);
    return bytes;
}

QByteArray PatchedByte(QByteArray bytes, qsizetype at, char value) {
    bytes[at] = value;
    return bytes;
}

const QByteArray ModelHead = "orvanta-words 1\nclock 5\n";

} // namespace

class TestPredictFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void HostileLexicon_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QByteArray good = SmallList();
        const qsizetype entries = TLexicon::HeaderSize;
        QTest::newRow("empty") << QByteArray() << u"not a word list"_s;
        QTest::newRow("other magic") << PatchedByte(good, 0, 'X') << u"not a word list"_s;
        QTest::newRow("version") << Patched(good, 4, 3) << u"version 3"_s;
        QTest::newRow("count beyond the limit") << Patched(good, 8, 0xffffffffu) << u"allowed"_s;
        QTest::newRow("count beyond the bytes") << Patched(good, 8, 1000) << u"header says"_s;
        QTest::newRow("text beyond the bytes")
            << Patched(good, 12, 0x7fffffffu) << u"header says"_s;
        QTest::newRow("truncated") << good.left(good.size() - 1) << u"header says"_s;
        QTest::newRow("trailing bytes") << good + 'x' << u"header says"_s;
        QTest::newRow("offset outside the text")
            << Patched(good, entries, 0xfffffff0u) << u"outside the list"_s;
        QTest::newRow("word of no bytes") << PatchedByte(good, entries + 4, 0) << u"outside"_s;
        QTest::newRow("word too long for the text")
            << PatchedByte(good, entries + 4, char(250)) << u"outside"_s;
        // The first two entries swapped: the order search relies on is broken.
        QByteArray swapped = good;
        swapped.replace(entries, TLexicon::EntrySize, good.mid(entries + TLexicon::EntrySize, 12));
        swapped.replace(entries + TLexicon::EntrySize, 12, good.mid(entries, 12));
        QTest::newRow("out of order") << swapped << u"out of order"_s;
        const qsizetype pairs = good.size() - 3 * TLexicon::PairSize;
        QTest::newRow("pairs beyond the limit")
            << Patched(good, 16, 0xffffffffu) << u"word pairs are more"_s;
        QTest::newRow("pairs beyond the bytes") << Patched(good, 16, 4) << u"header says"_s;
        QTest::newRow("pair of no word") << Patched(good, pairs, 3) << u"outside the list"_s;
        QTest::newRow("pair following no word")
            << Patched(good, pairs + 4, 0xffffffffu) << u"outside the list"_s;
        QTest::newRow("pair of count zero") << Patched(good, pairs + 8, 0) << u"outside"_s;
        QTest::newRow("pairs out of order")
            << Patched(good, pairs + TLexicon::PairSize, 0) << u"pair 2 is out of order"_s;
        // Version 1: the header without the pair count, no pairs.
        QByteArray first = Patched(good.left(pairs), 4, 1);
        first.remove(16, 4);
        QTest::newRow("version 1, without pairs") << first << QString();
        QTest::newRow("sound") << good << QString();
    }
    void HostileLexicon() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        TLexicon lexicon;
        QString why;
        QCOMPARE(lexicon.Read(bytes, &why), error.isEmpty());
        if (error.isEmpty()) {
            QCOMPARE(lexicon.Size(), 3);
            QCOMPARE(lexicon.FrequencyOf(u"DŮM"_s), 7u);
            if (lexicon.PairsSize() == 0)
                return;
            QCOMPARE(lexicon.PairsSize(), 3);
            const auto start = lexicon.Pairs(TLexicon::SentenceStart);
            QCOMPARE(start.second - start.first, 1);
            QCOMPARE(lexicon.PairCountOf(start, lexicon.IndexOf(u"pes"_s)), 4u);
            QCOMPARE(lexicon.PairCountOf(lexicon.Pairs(quint32(lexicon.IndexOf(u"dům"_s))),
                                         lexicon.IndexOf(u"pes"_s)),
                     3u);
            return;
        }
        QVERIFY2(why.contains(error), qPrintable(why));
        QVERIFY(lexicon.IsEmpty());
        // An empty lexicon still answers, with nothing.
        TPredictor predictor;
        predictor.SetLexicon(lexicon);
        QVERIFY(predictor.Candidates(u"pe"_s, false, 5).isEmpty());
    }

    void HostileModel_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << QByteArray() << u"not a file of learned words"_s;
        QTest::newRow("other file") << QByteArray("[Settings]\n") << u"not a file"_s;
        QTest::newRow("no clock") << QByteArray("orvanta-words 1\n") << u"clock"_s;
        QTest::newRow("clock not a number")
            << QByteArray("orvanta-words 1\nclock x\n") << u"line 2"_s;
        QTest::newRow("count zero") << ModelHead + "w\tpes\t0\t1\n" << u"line 3"_s;
        QTest::newRow("count not a number") << ModelHead + "w\tpes\t-1\t1\n" << u"line 3"_s;
        QTest::newRow("used after the clock") << ModelHead + "w\tpes\t1\t6\n" << u"line 3"_s;
        QTest::newRow("not a word") << ModelHead + "w\tpes 2\t1\t1\n" << u"damaged word"_s;
        QTest::newRow("capitals") << ModelHead + "w\tPes\t1\t1\n" << u"damaged word"_s;
        QTest::newRow("bad UTF-8") << ModelHead + "w\tp\xff\xfes\t1\t1\n" << u"damaged word"_s;
        QTest::newRow("too long") << ModelHead + "w\t" + QByteArray(200, 'a') + "\t1\t1\n"
                                  << u"damaged word"_s;
        QTest::newRow("twice") << ModelHead + "w\tpes\t1\t1\nw\tpes\t1\t2\n" << u"twice"_s;
        QTest::newRow("pair twice") << ModelHead + "p\t\tpes\t1\t1\np\t\tpes\t1\t1\n" << u"twice"_s;
        QTest::newRow("pair missing a field") << ModelHead + "p\tpes\t1\t1\n" << u"neither"_s;
        QTest::newRow("unknown record") << ModelHead + "x\tpes\t1\t1\n" << u"neither"_s;
        QTest::newRow("blank line inside") << ModelHead + "\nw\tpes\t1\t1\n" << u"empty line"_s;
        QByteArray many = ModelHead;
        for (int i = 0; i <= TUserModel::DefaultMaxWords; ++i) {
            QByteArray word = "slovo";
            for (int n = i; n > 0 || word.size() == 5; n /= 26)
                word += char('a' + n % 26);
            many += "w\t" + word + "\t1\t1\n";
        }
        QTest::newRow("more words than kept") << many << u"more words"_s;
        QByteArray followers = ModelHead;
        for (int i = 0; i <= TUserModel::MaxFollowers; ++i) {
            QByteArray word = "slovo";
            for (int n = i; n > 0 || word.size() == 5; n /= 26)
                word += char('a' + n % 26);
            followers += "p\tpes\t" + word + "\t1\t1\n";
        }
        QTest::newRow("more followers than kept") << followers << u"more pairs"_s;
        QTest::newRow("larger than a model")
            << QByteArray(TUserModel::MaxFileBytes + 1, 'w') << u"larger"_s;
        QTest::newRow("sound") << ModelHead + "w\tpes\t2\t4\np\t\tpes\t1\t4\np\tpes\tdům\t1\t5\n"
                               << QString();
    }
    void HostileModel() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"words.txt"_s);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        TUserModel model;
        model.Learn(QString(), u"předtím"_s);
        QString why;
        QCOMPARE(model.Load(path, &why), error.isEmpty());
        if (error.isEmpty()) {
            QCOMPARE(model.Use(u"pes"_s).Count, 2u);
            QCOMPARE(model.Followers(u"pes"_s).value(u"dům"_s).Count, 1u);
            QCOMPARE(model.Serialize(), bytes); // written back byte for byte
            return;
        }
        QVERIFY2(why.contains(error), qPrintable(why));
        QVERIFY(why.contains(path));
        QVERIFY(model.Words().isEmpty());
        // The damaged file is replaced by the next save.
        model.Learn(QString(), u"znovu"_s);
        QVERIFY(model.Save(path, &why));
        TUserModel again;
        QVERIFY(again.Load(path, &why));
        QCOMPARE(again.Use(u"znovu"_s).Count, 1u);
    }

    void MissingModelStartsEmpty() {
        QTemporaryDir dir;
        TUserModel model;
        QString why;
        QVERIFY(model.Load(dir.filePath(u"none.txt"_s), &why));
        QVERIFY(model.Words().isEmpty());
    }

    void SaveFailsWithoutLosingTheOldFile() {
        QTemporaryDir dir;
        TUserModel model;
        QString why;
        QVERIFY(!model.Save(dir.filePath(u"no/such/folder/words.txt"_s), &why));
        QVERIFY(why.contains(u"words.txt"_s));
    }
};

QTEST_GUILESS_MAIN(TestPredictFiles)
#include "tst_PredictFiles.moc"
