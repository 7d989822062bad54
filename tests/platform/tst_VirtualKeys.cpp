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
};

QTEST_GUILESS_MAIN(TestVirtualKeys)
#include "tst_VirtualKeys.moc"
