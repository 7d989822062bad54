#include "CodePage1250.h"

#include <QTest>

class TestCodePage1250 : public QObject {
    Q_OBJECT

private slots:
    void czechLetters_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("c caron") << 0xE8 << 0x010D;
        QTest::newRow("C caron") << 0xC8 << 0x010C;
        QTest::newRow("s caron") << 0x9A << 0x0161;
        QTest::newRow("z caron") << 0x9E << 0x017E;
        QTest::newRow("t caron") << 0x9D << 0x0165;
        QTest::newRow("u ring") << 0xF9 << 0x016F;
        QTest::newRow("U ring") << 0xD9 << 0x016E;
        QTest::newRow("y acute") << 0xFD << 0x00FD;
        QTest::newRow("caron accent") << 0xA1 << 0x02C7;
        QTest::newRow("degree") << 0xB0 << 0x00B0;
        QTest::newRow("acute accent") << 0xB4 << 0x00B4;
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("unassigned 0x81") << 0x81 << 0x0081;
        QTest::newRow("unassigned 0x98") << 0x98 << 0x0098;
        QTest::newRow("ascii") << 0x41 << 0x41;
    }
    void czechLetters() {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        QCOMPARE(int(CodePage1250::ToUnicode(static_cast<unsigned char>(byte))), unicode);
        const QByteArray back = CodePage1250::FromUnicode(QString(QChar(unicode)));
        QCOMPARE(back, QByteArray(1, char(byte)));
    }

    void everyByteSurvivesTheRoundTrip() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        bool lossless = false;
        QCOMPARE(CodePage1250::FromUnicode(CodePage1250::ToUnicode(all), &lossless), all);
        QVERIFY(lossless);
    }

    void foreignCharactersBecomeQuestionMarks() {
        bool lossless = true;
        QCOMPARE(CodePage1250::FromUnicode(u"a\u00E6\u4E2D", &lossless), QByteArray("a??"));
        QVERIFY(!lossless);
        QVERIFY(!CodePage1250::CanEncode(u"\u00E6"));
        QVERIFY(CodePage1250::CanEncode(u"Příliš žluťoučký kůň úpěl ďábelské ódy"));
    }
};

QTEST_GUILESS_MAIN(TestCodePage1250)
#include "tst_CodePage1250.moc"
