#include "KeyboardLayout.h"
#include "VirtualKeys.h"

#include <QTest>

class TestVirtualKeys : public QObject {
    Q_OBJECT

private slots:
    void mapping_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("vk");
        QTest::newRow("space") << int(Qt::Key_Space) << false << 32;
        QTest::newRow("return") << int(Qt::Key_Return) << false << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << true << 13;
        QTest::newRow("F8") << int(Qt::Key_F8) << false << 119;
        QTest::newRow("caps lock") << int(Qt::Key_CapsLock) << false << 20;
        QTest::newRow("shift") << int(Qt::Key_Shift) << false << 16;
        QTest::newRow("letter") << int(Qt::Key_Q) << false << int('Q');
        QTest::newRow("digit") << int(Qt::Key_7) << false << int('7');
        QTest::newRow("keypad digit") << int(Qt::Key_7) << true << 0x67;
        QTest::newRow("page down") << int(Qt::Key_PageDown) << false << 34;
        QTest::newRow("left") << int(Qt::Key_Left) << false << 37;
        QTest::newRow("unknown") << int(Qt::Key_Launch0) << false << 0;
    }
    void mapping() {
        QFETCH(int, qtKey);
        QFETCH(bool, keypad);
        QFETCH(int, vk);
        QCOMPARE(VirtualKeys::FromQtKey(qtKey, keypad), vk);
        if (vk != 0 && !keypad)
            QCOMPARE(VirtualKeys::FromQtKey(VirtualKeys::ToQtKey(vk)), vk);
    }

    // A pressed key: the typing area by place (so a key's code does not change with Shift or
    // with the layout), Latin letters by letter, everything else by its Qt key.
    void keyEvent_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("inputCode");
        QTest::addColumn<int>("vk");
        QTest::newRow("digit, place unknown") << int(Qt::Key_1) << false << 0 << int('1');
        QTest::newRow("shifted 1 by place") << int(Qt::Key_Exclam) << false << 2 << int('1');
        QTest::newRow("czech + on the 1 key") << int(Qt::Key_Plus) << false << 2 << int('1');
        QTest::newRow("czech e caron on the 2 key") << 0x11A << false << 3 << int('2');
        QTest::newRow("QWERTZ: Z where US has Y") << int(Qt::Key_Z) << false << 21 << int('Z');
        QTest::newRow("cyrillic letter by place") << 0x419 << false << 16 << int('Q');
        QTest::newRow("czech u ring on the ; key") << 0x16E << false << 39 << 0xBA;
        QTest::newRow("102nd key") << int(Qt::Key_Less) << false << 86 << 0xE2;
        QTest::newRow("space is not by place") << int(Qt::Key_Space) << false << 57 << 32;
        QTest::newRow("keypad digit") << int(Qt::Key_5) << true << 76 << 0x65;
        QTest::newRow("F8") << int(Qt::Key_F8) << false << 66 << 119;
        QTest::newRow("unknown, outside") << int(Qt::Key_Launch0) << false << 200 << 0;
    }
    void keyEvent() {
        QFETCH(int, qtKey);
        QFETCH(bool, keypad);
        QFETCH(int, inputCode);
        QTEST(VirtualKeys::FromKeyEvent(qtKey, keypad, inputCode), "vk");
    }

    // The US layout stands in where the system's cannot be read; a key typing a character has
    // the code a press of it reports.
    void usLayout_data() {
        QTest::addColumn<uint>("ch");
        QTest::addColumn<int>("scan");
        QTest::newRow("small letter") << uint('a') << int('A');
        QTest::newRow("capital letter") << uint('Q') << (int('Q') | 0x100);
        QTest::newRow("digit") << uint('0') << int('0');
        QTest::newRow("shifted digit") << uint('(') << (int('9') | 0x100);
        QTest::newRow("minus") << uint('-') << 0xBD;
        QTest::newRow("question mark") << uint('?') << (0xBF | 0x100);
        QTest::newRow("tilde") << uint('~') << (0xC0 | 0x100);
        QTest::newRow("space") << uint(' ') << 32;
        QTest::newRow("czech letter") << uint(0x11B) << -1;
        QTest::newRow("control character") << uint(1) << -1;
        QTest::newRow("beyond 16 bits") << uint(0x1F600) << -1;
    }
    void usLayout() {
        QFETCH(uint, ch);
        QTEST(TKeyboardLayout::Us().KeyScan(char32_t(ch)), "scan");
    }
};

QTEST_GUILESS_MAIN(TestVirtualKeys)
#include "tst_VirtualKeys.moc"
