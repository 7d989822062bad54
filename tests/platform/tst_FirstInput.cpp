#include "FirstInput.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

class TestFirstInput : public QObject {
    Q_OBJECT

private slots:
    // The user's input tells, once; what the program does by itself does not.
    void ToldOnceOnInput_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("told");
        QTest::newRow("a key") << int(QEvent::KeyPress) << true;
        QTest::newRow("a button") << int(QEvent::MouseButtonPress) << true;
        QTest::newRow("the pointer moving") << int(QEvent::MouseMove) << true;
        QTest::newRow("a key released") << int(QEvent::KeyRelease) << false;
        QTest::newRow("a repaint") << int(QEvent::Paint) << false;
        QTest::newRow("the pointer entering") << int(QEvent::Enter) << false;
        QTest::newRow("a timer") << int(QEvent::Timer) << false;
    }
    void ToldOnceOnInput() {
        QFETCH(int, type);
        QFETCH(bool, told);
        int times = 0;
        TFirstInput watch([&times] { ++times; });
        QObject target;
        const auto send = [&target](QEvent::Type t) {
            const QPointF at(5, 5);
            if (t == QEvent::KeyPress || t == QEvent::KeyRelease) {
                QKeyEvent e(t, Qt::Key_Space, Qt::NoModifier);
                QCoreApplication::sendEvent(&target, &e);
            } else if (t == QEvent::MouseButtonPress || t == QEvent::MouseMove) {
                QMouseEvent e(t, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(&target, &e);
            } else {
                QEvent e(t);
                QCoreApplication::sendEvent(&target, &e);
            }
        };
        send(QEvent::Type(type));
        send(QEvent::Type(type));
        QCOMPARE(times, told ? 1 : 0);
        // After the first input it no longer watches.
        send(QEvent::KeyPress);
        QCOMPARE(times, 1);
    }
};

QTEST_MAIN(TestFirstInput)
#include "tst_FirstInput.moc"
