#include "QuitSignals.h"

#include <QSignalSpy>
#include <QTest>
#include <csignal>

class TestQuitSignals : public QObject {
    Q_OBJECT

private slots:
    void signalsArriveOnTheEventLoop_data() {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void signalsArriveOnTheEventLoop() {
        QFETCH(int, number);
        TQuitSignals quit;
        QVERIFY(quit.Installed());
        QSignalSpy spy(&quit, &TQuitSignals::Requested);
        ::raise(number); // the process lives on: the handler only takes note
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), number);
    }

    void onlyOneInstanceHoldsTheHandlers() {
        TQuitSignals first;
        TQuitSignals second;
        QVERIFY(first.Installed());
        QVERIFY(!second.Installed());
    }
};

QTEST_GUILESS_MAIN(TestQuitSignals)
#include "tst_QuitSignals.moc"
