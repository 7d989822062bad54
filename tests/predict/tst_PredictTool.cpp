// orvanta-predict as a carer or a measurement script uses it: lines in, candidates out, one line
// each and at once, and the learned words kept in the file asked for.
#include "PredictFixture.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPredictTool : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDir;
    QString FLexicon;

    QProcess *Start(const QStringList &args) {
        auto *p = new QProcess(this);
        p->start(QStringLiteral(ORVANTA_PREDICT), QStringList{u"--lexicon"_s, FLexicon} + args);
        return p->waitForStarted() ? p : nullptr;
    }

    // Runs the tool on `input` and returns its output lines.
    QStringList Run(const QStringList &args, const QByteArray &input, int *exitCode,
                    QByteArray *errors = nullptr) {
        QProcess *p = Start(args);
        if (!p)
            return {};
        p->write(input);
        p->closeWriteChannel();
        p->waitForFinished();
        *exitCode = p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1;
        if (errors)
            *errors = p->readAllStandardError();
        return QString::fromUtf8(p->readAllStandardOutput()).split(u'\n');
    }

private slots:
    void initTestCase() {
        QVERIFY(FDir.isValid());
        FLexicon = FDir.filePath(u"small.lex"_s);
        QFile f(FLexicon);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(TLexicon::Build({{u"počítač"_s, 500},
                                 {u"pocity"_s, 300},
                                 {u"dobrý"_s, 1200},
                                 {u"dobře"_s, 1300},
                                 {u"den"_s, 1500},
                                 {u"to"_s, 5000}}));
    }

    void Protocol_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("output");
        QTest::newRow("one line a line, best first, capital at the start")
            << QStringList{} << QByteArray("poc\nje dob\n")
            << QStringList{u"Počítač\tPocity"_s, u"dobře\tdobrý"_s, QString()};
        QTest::newRow("slots") << QStringList{u"--slots"_s, u"1"_s} << QByteArray("je dob\n")
                               << QStringList{u"dobře"_s, QString()};
        QTest::newRow("learned from the lines before")
            << QStringList{} << QByteArray("dobrý den \n\ndobrý \n")
            << QStringList{u"dobrý\tto\tdobře\tpočítač\tpocity"_s,
                           u"Dobrý\tDen\tTo\tDobře\tPočítač"_s,
                           u"den\tto\tdobře\tpočítač\tpocity"_s, QString()};
        QTest::newRow("no final line break, Windows line ends")
            << QStringList{} << QByteArray("je poc\r\nje dob")
            << QStringList{u"počítač\tpocity"_s, u"dobře\tdobrý"_s, QString()};
        QTest::newRow("an empty line is the start of a text")
            << QStringList{} << QByteArray("\n")
            << QStringList{u"To\tDobře\tDen\tDobrý\tPočítač"_s, QString()};
    }
    void Protocol() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QStringList, output);
        int code = -1;
        QCOMPARE(Run(args, input, &code), output);
        QCOMPARE(code, 0);
    }

    // A script reads each answer before it writes the next line.
    void AnswersEachLineAtOnce() {
        QProcess *p = Start({});
        QVERIFY(p);
        p->write("je dob\n");
        QVERIFY(p->waitForReadyRead(5000));
        while (!p->canReadLine())
            QVERIFY(p->waitForReadyRead(5000));
        QCOMPARE(p->readLine(), QByteArray("dobře\tdobrý\n"));
        p->closeWriteChannel();
        QVERIFY(p->waitForFinished());
    }

    void ExitCodes_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("error");
        QTest::newRow("help") << QStringList{u"--help"_s} << 0 << QString();
        QTest::newRow("slots out of range") << QStringList{u"--slots"_s, u"0"_s} << 2 << u"slots"_s;
        QTest::newRow("unknown language")
            << QStringList{u"--lang"_s, u"de"_s} << 2 << u"cs or en"_s;
        QTest::newRow("option without value") << QStringList{u"--learn"_s} << 2 << u"usage"_s;
        QTest::newRow("no word list")
            << QStringList{u"--lexicon"_s, u"none.lex"_s} << 1 << u"none.lex"_s;
    }
    void ExitCodes() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, error);
        int got = -1;
        QByteArray errors;
        Run(args, QByteArray(), &got, &errors);
        QCOMPARE(got, code);
        QVERIFY2(QString::fromUtf8(errors).contains(error), errors.constData());
    }

    // orvanta-predictdata pairs on a few quotations: the pairs as prediction learns them, in the
    // language asked for, the author's line left out, rare pairs and those over the cap dropped.
    void PairList_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("max");
        QTest::addColumn<QByteArray>("quotations");
        QTest::addColumn<QByteArray>("pairs");
        const QByteArray czech = "Dobr\xc3\xbd den, pane.\n\t\t-- Autor\n%\n"
                                 "Dobr\xc3\xbd den. Dobr\xc3\xbd\nden (str. 8)\n%\n"
                                 "Dobr\xc3\xbd de\xc5\x88, ako sa m\xc3\xa1\xc5\xa1\n%\n"
                                 "Hello there\n";
        QTest::newRow("Czech, seen twice")
            << u"cs"_s << u"2"_s << u"100"_s << czech
            << QByteArray("<s> dobr\xc3\xbd 3\ndobr\xc3\xbd den 3\n");
        QTest::newRow("Czech, at most one")
            << u"cs"_s << u"1"_s << u"1"_s << czech << QByteArray("<s> dobr\xc3\xbd 3\n");
        QTest::newRow("English, another language left out")
            << u"en"_s << u"1"_s << u"100"_s << czech << QByteArray("<s> hello 1\nhello there 1\n");
    }
    void PairList() {
        QFETCH(QString, lang);
        QFETCH(QString, min);
        QFETCH(QString, max);
        QFETCH(QByteArray, quotations);
        QFETCH(QByteArray, pairs);
        const QString in = FDir.filePath(u"quotations.u8"_s);
        const QString out = FDir.filePath(u"pairs.txt"_s);
        {
            QFile f(in);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(quotations);
        }
        QProcess p;
        p.start(QStringLiteral(ORVANTA_PREDICTDATA), {u"pairs"_s, lang, min, max, out, in});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), pairs);
    }

    // orvanta-predictdata cs: words of the English list go, and so do the declined forms of them
    // ("Johne"), but not a form far more frequent than the word it would be a case of: that is a
    // Czech word of its own ("tady" is no case of "tad").
    void CzechList_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("kept");
        QTest::newRow("a Czech word") << u"je"_s << true;
        QTest::newRow("an English word") << u"john"_s << false;
        QTest::newRow("a case of an English word, as frequent") << u"johne"_s << false;
        QTest::newRow("far more frequent than the English word") << u"tady"_s << true;
        QTest::newRow("just under four times as frequent") << u"budu"_s << false;
        QTest::newRow("four times as frequent") << u"bude"_s << true;
        QTest::newRow("a Czech word spelled as a commoner English one") << u"let"_s << true;
    }
    void CzechList() {
        QFETCH(QString, word);
        QFETCH(bool, kept);
        const QString cs = FDir.filePath(u"cs.txt"_s);
        const QString en = FDir.filePath(u"en.txt"_s);
        const QString out = FDir.filePath(u"cs.lex"_s);
        for (const auto &[path, text] :
             {std::pair{cs, QByteArray("tady 2000\nje 1000\njohn 500\njohne 450\nbude 400\n"
                                       "budu 399\nlet 300\ntad 100\nbud 100\n")},
              std::pair{en, QByteArray("the 1000\njohn 900\ntad 800\nbud 700\nlet 650\n")}}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(text);
        }
        QProcess p;
        p.start(QStringLiteral(ORVANTA_PREDICTDATA), {u"cs"_s, cs, en, out});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        TLexicon lexicon;
        QString why;
        QVERIFY2(lexicon.Load(out, &why), qPrintable(why));
        QCOMPARE(lexicon.FrequencyOf(word) != 0, kept);
    }

    void LearnFile() {
        const QString model = FDir.filePath(u"words.txt"_s);
        int code = -1;
        Run({u"--learn"_s, model}, "zmrzlina je \n", &code);
        QCOMPARE(code, 0);
        // A second run knows the word from the file.
        QCOMPARE(Run({u"--learn"_s, model}, "je zm\n", &code).front(), u"zmrzlina"_s);
    }

    void DamagedLearnFileIsReplaced() {
        const QString model = FDir.filePath(u"damaged.txt"_s);
        {
            QFile f(model);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("orvanta-words 1\nclock 1\nw\tx\t99999999999\t1\n");
        }
        int code = -1;
        QByteArray errors;
        Run({u"--learn"_s, model}, "kolo \n", &code, &errors);
        QCOMPARE(code, 0);
        QVERIFY2(errors.contains("damaged.txt: line 3"), errors.constData());
        TUserModel again;
        QString why;
        QVERIFY2(again.Load(model, &why), qPrintable(why));
        QCOMPARE(again.Use(u"kolo"_s).Count, 1u);
    }
};

QTEST_GUILESS_MAIN(TestPredictTool)
#include "tst_PredictTool.moc"
