#include "WordSlots.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

TPredictor SmallPredictor() {
    TLexicon lexicon;
    QString error;
    const QByteArray bytes = TLexicon::Build({{QStringLiteral("dobrý"), 900},
                                              {QStringLiteral("den"), 800},
                                              {QStringLiteral("děkuji"), 700},
                                              {QStringLiteral("potřebuji"), 600},
                                              {QStringLiteral("pomoc"), 500},
                                              {QStringLiteral("a"), 400}});
    if (!lexicon.Read(bytes, &error))
        qFatal("lexicon: %s", qPrintable(error));
    TPredictor predictor;
    predictor.SetLexicon(std::move(lexicon));
    return predictor;
}

} // namespace

class TestWordSlots : public QObject {
    Q_OBJECT

private slots:
    // A slot is chosen with the text before the caret, Shift and Caps Lock as given (the slot
    // must show `word` exactly so), then a key writes `typed`: the text that results.
    void ChooseThenType_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("capsLock");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("Shift: a capital") << "" << true << false << "Dobrý"
                                          << ""
                                          << "Dobrý ";
        QTest::newRow("no Shift: as stored") << "" << false << false << "dobrý"
                                             << ""
                                             << "dobrý ";
        QTest::newRow("the partial word gives way") << "Dobrý d" << false << false << "den"
                                                    << ""
                                                    << "Dobrý den ";
        QTest::newRow("typed without diacritics") << "pot" << false << false << "potřebuji"
                                                  << ""
                                                  << "potřebuji ";
        QTest::newRow("a typed capital is kept") << "Po" << false << false << "Pomoc"
                                                 << ""
                                                 << "Pomoc ";
        QTest::newRow("Caps Lock: all capitals") << "do" << false << true << "DOBRÝ"
                                                 << ""
                                                 << "DOBRÝ ";
        QTest::newRow("a comma takes the space") << "Dobrý d" << false << false << "den"
                                                 << ","
                                                 << "Dobrý den,";
        QTest::newRow("after a comma the next word keeps its space")
            << "Dobrý den," << false << false << "potřebuji"
            << ""
            << "Dobrý den, potřebuji ";
        QTest::newRow("a full stop ends the sentence")
            << "potřebuji pom" << false << false << "pomoc"
            << "."
            << "potřebuji pomoc.";
        QTest::newRow("a letter keeps the space") << "Dobrý d" << false << false << "den"
                                                  << "a"
                                                  << "Dobrý den a";
        QTest::newRow("a one-letter word gets its space") << "den " << false << false << "a"
                                                          << "!"
                                                          << "den a!";
    }
    void ChooseThenType() {
        QFETCH(QString, text);
        QFETCH(bool, shift);
        QFETCH(bool, capsLock);
        QFETCH(QString, word);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        TPredictor predictor = SmallPredictor();
        const QStringList shown = TWordChoice::SlotWords(predictor, text, shift, capsLock, 8);
        QCOMPARE(shown.size(), 8);
        QVERIFY2(shown.contains(word), qPrintable(shown.join(QLatin1Char('|'))));
        TWordChoice choice;
        const TReplacement r = choice.Choose(predictor, text, word);
        QString after = text.left(text.size() - r.Remove) + r.Insert;
        if (!typed.isEmpty())
            after = after.left(after.size() - choice.ReplacedBy(after, typed)) + typed;
        QCOMPARE(after, result);
    }

    // Only the space a choice wrote gives way, and only while the text is as the choice left it.
    void SpaceOfTheUser() {
        TPredictor predictor = SmallPredictor();
        TWordChoice choice;
        QCOMPARE(choice.ReplacedBy(QStringLiteral("den "), QStringLiteral(",")), 0);
        choice.Choose(predictor, QStringLiteral("d"), QStringLiteral("den"));
        QCOMPARE(choice.ReplacedBy(QStringLiteral("den "), QStringLiteral(".")), 1);
        QCOMPARE(choice.ReplacedBy(QStringLiteral("den  "), QStringLiteral(".")), 0);
        choice.Follow(QStringLiteral("den"));
        QCOMPARE(choice.ReplacedBy(QStringLiteral("den "), QStringLiteral(".")), 0);
    }

    // The settings file as it may be found: what a table gets from it.
    void SettingsFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("table");
        const QString letters = QStringLiteral("letters.kbt");
        const QString frequency = QStringLiteral("pismena-frekvence.kbt");
        const QString enFrequency = QStringLiteral("Tables/en-letters-frequency.kbt");
        QTest::newRow("no file") << QByteArray() << false << 5 << letters;
        QTest::newRow("on") << QByteArray("[Tables]\nletters.kbt=on 6\n") << true << 6 << letters;
        QTest::newRow("any case of the name")
            << QByteArray("[Tables]\nLetters.KBT=on 4\n") << true << 4 << letters;
        QTest::newRow("too many slots")
            << QByteArray("[Tables]\nletters.kbt=on 12\n") << true << 8 << letters;
        QTest::newRow("too few slots")
            << QByteArray("[Tables]\nletters.kbt=on -3\n") << true << 3 << letters;
        QTest::newRow("damaged value")
            << QByteArray("[Tables]\nletters.kbt=on\n") << false << 5 << letters;
        QTest::newRow("not a number")
            << QByteArray("[Tables]\nletters.kbt=on x\n") << false << 5 << letters;
        QTest::newRow("binary junk") << QByteArray("\0\xff\x01[\n=\n", 8) << false << 5 << letters;
        QTest::newRow("far too large") << QByteArray("[Tables]\nletters.kbt=on 6\n") +
                                              QByteArray(PredictionFile::MaxBytes, ';')
                                       << false << 5 << letters;
        // The keyboards ordered for scan cost come with the row on, until the user says else.
        QTest::newRow("frequency keyboard, no file") << QByteArray() << true << 5 << frequency;
        QTest::newRow("English frequency keyboard, any folder")
            << QByteArray() << true << 5 << enFrequency;
        QTest::newRow("frequency keyboard turned off")
            << QByteArray("[Tables]\npismena-frekvence.kbt=off 5\n") << false << 5 << frequency;
        QTest::newRow("frequency keyboard, damaged value")
            << QByteArray("[Tables]\npismena-frekvence.kbt=off\n") << true << 5 << frequency;
        QTest::newRow("frequency keyboard, other tables set")
            << QByteArray("[Tables]\nletters.kbt=on 6\n") << true << 5 << frequency;
    }
    void SettingsFile() {
        QFETCH(QByteArray, content);
        QFETCH(bool, on);
        QFETCH(int, count);
        QFETCH(QString, table);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Prediction.ini"));
        if (!content.isEmpty()) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const TSlotSettings s = PredictionFile::Read(name).ForTable(table);
        QCOMPARE(s.On, on);
        QCOMPARE(s.Count, count);
    }

    // Written and read back; a folder in the file's place is neither read nor lost.
    void SettingsRoundTrip() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Prediction.ini"));
        TPredictionSettings settings;
        settings.SetForTable(QStringLiteral("letters.kbt"), TSlotSettings{true, 7});
        settings.SetForTable(QStringLiteral("čísla 2.kbt"), TSlotSettings{false, 3});
        // Off where the default is on must be kept, or the row would come back.
        settings.SetForTable(QStringLiteral("pismena-frekvence.kbt"), TSlotSettings{false, 5});
        QVERIFY(PredictionFile::Write(name, settings));
        QCOMPARE(PredictionFile::Read(name), settings);
        QVERIFY(!PredictionFile::Read(name).ForTable(QStringLiteral("pismena-frekvence.kbt")).On);
        const QString folder = dir.filePath(QStringLiteral("Folder.ini"));
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(PredictionFile::Read(folder).Tables().isEmpty());
        QVERIFY(!PredictionFile::Write(folder, settings));
        QVERIFY(QFileInfo(folder).isDir());
    }
};

QTEST_GUILESS_MAIN(TestWordSlots)
#include "tst_WordSlots.moc"
