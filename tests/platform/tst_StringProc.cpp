#include "StringProc.h"

#include <QDir>
#include <QTest>

class TestStringProc : public QObject {
    Q_OBJECT

    static QString Native(const char *path) {
        return QDir::toNativeSeparators(QString::fromUtf8(path));
    }

private slots:
    void resolvePath_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bare name")
            << "index.kbt" << Native("/data/Tables/") << Native("/data/Tables/index.kbt");
        QTest::newRow("windows subfolder")
            << "cz\\abc.kbt" << Native("/data/Tables/") << Native("/data/Tables/cz/abc.kbt");
        QTest::newRow("drive letter kept") << "C:\\x\\a.kbt"
                                           << "/d/"
                                           << "C:\\x\\a.kbt";
        QTest::newRow("network share kept") << "\\\\srv\\a.kbt"
                                            << "/d/"
                                            << "\\\\srv\\a.kbt";
        QTest::newRow("absolute unix kept") << "/home/u/a.kbt"
                                            << "/d/"
                                            << "/home/u/a.kbt";
        QTest::newRow("empty name") << ""
                                    << "/d/"
                                    << "/d/";
    }
    void resolvePath() {
        QFETCH(QString, name);
        QFETCH(QString, directory);
        QFETCH(QString, expected);
        QCOMPARE(ResolvePath(name, directory), expected);
    }

    void stripDirPrefix_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("expected");
        QTest::newRow("inside") << "/data/Sounds/a.wav"
                                << "/data/Sounds/"
                                << "a.wav";
        QTest::newRow("other case") << "C:\\PROG\\SOUNDS\\a.wav"
                                    << "c:\\prog\\sounds\\"
                                    << "a.wav";
        QTest::newRow("mixed separators") << "C:/prog/Sounds/x/a.wav"
                                          << "C:\\prog\\Sounds\\"
                                          << "x/a.wav";
        QTest::newRow("elsewhere") << "/other/a.wav"
                                   << "/data/Sounds/"
                                   << "/other/a.wav";
        QTest::newRow("only in the middle") << "/x/data/Sounds/a.wav"
                                            << "/data/Sounds/"
                                            << "/x/data/Sounds/a.wav";
        QTest::newRow("shorter than directory") << "/da"
                                                << "/data/"
                                                << "/da";
        QTest::newRow("empty directory") << "a.wav"
                                         << ""
                                         << "a.wav";
    }
    void stripDirPrefix() {
        QFETCH(QString, name);
        QFETCH(QString, directory);
        QFETCH(QString, expected);
        QCOMPARE(StripDirPrefix(name, directory), expected);
    }

    void extractDirAndName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("name");
        QTest::newRow("subfolder") << "C:\\Prog\\Tables\\a.kbt"
                                   << "C:\\Prog\\Tables\\"
                                   << "a.kbt";
        QTest::newRow("drive root") << "C:\\a.kbt"
                                    << "C:\\"
                                    << "a.kbt";
        QTest::newRow("unix file") << "/home/u/a.kbt"
                                   << "/home/u/"
                                   << "a.kbt";
        QTest::newRow("unix root") << "/a.kbt"
                                   << "/"
                                   << "a.kbt";
        QTest::newRow("no separator") << "a.kbt"
                                      << ""
                                      << "a.kbt";
        QTest::newRow("ends with separator") << "/home/u/"
                                             << "/home/u/"
                                             << "";
        QTest::newRow("mixed") << "C:\\x/y\\z.wav"
                               << "C:\\x/y\\"
                               << "z.wav";
    }
    void extractDirAndName() {
        QFETCH(QString, path);
        QFETCH(QString, dir);
        QFETCH(QString, name);
        QCOMPARE(ExtractDir(path), dir);
        QCOMPARE(ExtractName(path), name);
    }

    void composeAccent_data() {
        QTest::addColumn<QChar>("character");
        QTest::addColumn<QChar>("accent");
        QTest::addColumn<QChar>("expected");
        QTest::newRow("c caron") << QChar(u'c') << kAccentCaron << QChar(0x010D);
        QTest::newRow("N caron") << QChar(u'N') << kAccentCaron << QChar(0x0147);
        QTest::newRow("z caron") << QChar(u'z') << kAccentCaron << QChar(0x017E);
        QTest::newRow("U ring") << QChar(u'U') << kAccentRing << QChar(0x016E);
        QTest::newRow("u ring") << QChar(u'u') << kAccentRing << QChar(0x016F);
        QTest::newRow("y acute") << QChar(u'y') << kAccentAcute << QChar(0x00FD);
        QTest::newRow("I acute") << QChar(u'I') << kAccentAcute << QChar(0x00CD);
        QTest::newRow("a caron unchanged") << QChar(u'a') << kAccentCaron << QChar(u'a');
        QTest::newRow("o ring unchanged") << QChar(u'o') << kAccentRing << QChar(u'o');
        QTest::newRow("circumflex is no dead accent") << QChar(u'u') << QChar(0x5E) << QChar(u'u');
        QTest::newRow("space unchanged") << QChar(u' ') << kAccentAcute << QChar(u' ');
    }
    void composeAccent() {
        QFETCH(QChar, character);
        QFETCH(QChar, accent);
        QFETCH(QChar, expected);
        QCOMPARE(ComposeAccent(character, accent), expected);
    }

    void trailingSeparator_data() {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("expected");
        QTest::newRow("root keeps its one") << "/"
                                            << "/";
        QTest::newRow("drive root") << "C:\\"
                                    << "C:\\";
        QTest::newRow("folder gets one") << "/home/u" << Native("/home/u/");
        QTest::newRow("already ends") << "/home/u/"
                                      << "/home/u/";
    }
    void trailingSeparator() {
        QFETCH(QString, directory);
        QFETCH(QString, expected);
        QCOMPARE(WithTrailingSeparator(directory), expected);
    }
};

QTEST_GUILESS_MAIN(TestStringProc)
#include "tst_StringProc.moc"
