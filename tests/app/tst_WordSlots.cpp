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
        QTest::newRow("no file") << QByteArray() << false << 5;
        QTest::newRow("on") << QByteArray("[Tables]\nletters.kbt=on 6\n") << true << 6;
        QTest::newRow("any case of the name")
            << QByteArray("[Tables]\nLetters.KBT=on 4\n") << true << 4;
        QTest::newRow("too many slots") << QByteArray("[Tables]\nletters.kbt=on 12\n") << true << 8;
        QTest::newRow("too few slots") << QByteArray("[Tables]\nletters.kbt=on -3\n") << true << 3;
        QTest::newRow("damaged value") << QByteArray("[Tables]\nletters.kbt=on\n") << false << 5;
        QTest::newRow("not a number") << QByteArray("[Tables]\nletters.kbt=on x\n") << false << 5;
        QTest::newRow("binary junk") << QByteArray("\0\xff\x01[\n=\n", 8) << false << 5;
        QTest::newRow("far too large") << QByteArray("[Tables]\nletters.kbt=on 6\n") +
                                              QByteArray(PredictionFile::MaxBytes, ';')
                                       << false << 5;
    }
    void SettingsFile() {
        QFETCH(QByteArray, content);
        QFETCH(bool, on);
        QFETCH(int, count);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Prediction.ini"));
        if (!content.isEmpty()) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const TSlotSettings s = PredictionFile::Read(name).ForTable(QStringLiteral("letters.kbt"));
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
        QVERIFY(PredictionFile::Write(name, settings));
        QCOMPARE(PredictionFile::Read(name), settings);
        const QString folder = dir.filePath(QStringLiteral("Folder.ini"));
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(PredictionFile::Read(folder).Tables().isEmpty());
        QVERIFY(!PredictionFile::Write(folder, settings));
        QVERIFY(QFileInfo(folder).isDir());
    }
};

QTEST_GUILESS_MAIN(TestWordSlots)
#include "tst_WordSlots.moc"
