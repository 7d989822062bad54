#include "SingleInstance.h"

#include <QFile>
#include <QFileInfo>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestSingleInstance : public QObject {
    Q_OBJECT

    static QString Peer() { return QStringLiteral(PEER_PATH); }

private slots:
    void secondProcessIsRefusedAndFirstStays() {
        QTemporaryDir dir;
        QProcess first;
        first.start(Peer(), {dir.path()});
        QVERIFY(first.waitForReadyRead(10000));
        QCOMPARE(first.readLine().trimmed(), QByteArray("primary"));

        QProcess second;
        second.start(Peer(), {dir.path()});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(second.readAll().trimmed(), QByteArray("refused"));
        QCOMPARE(first.state(), QProcess::Running);

        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitCode(), 0);

        // Once the first copy has gone, a new start is the primary one again.
        QProcess third;
        third.start(Peer(), {dir.path()});
        QVERIFY(third.waitForReadyRead(10000));
        QCOMPARE(third.readLine().trimmed(), QByteArray("primary"));
        third.closeWriteChannel();
        QVERIFY(third.waitForFinished(10000));
    }

    void lockOfAVanishedProcessIsTakenOver() {
        QTemporaryDir dir;
        QProcess first;
        first.start(Peer(), {dir.path()});
        QVERIFY(first.waitForReadyRead(10000));
        first.kill();
        QVERIFY(first.waitForFinished(10000));

        TSingleInstance instance(QStringLiteral("orvanta"), dir.path());
        QVERIFY(instance.Acquire());
    }

    void aFolderThatCannotHoldTheLockDoesNotKeepTheProgramFromStarting() {
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath(QStringLiteral("file"));
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        TSingleInstance instance(QStringLiteral("orvanta"), notAFolder);
        QVERIFY(instance.Acquire());
        QVERIFY(instance.IsPrimary());
    }

    void theRunningCopyListensUntilItEnds() {
        QTemporaryDir dir;
        QString socketFile;
        {
            TSingleInstance instance(QStringLiteral("orvanta"), dir.path());
            socketFile = LocalSocket::PathOf(instance.SocketName());
            // What a crashed copy left there is no server, and is taken over.
            QFile stale(socketFile);
            QVERIFY(stale.open(QIODevice::WriteOnly));
            stale.close();
            QVERIFY(!LocalSocket::Send(instance.SocketName(), "hello", 1000));
            QVERIFY(instance.Acquire());
            QVERIFY(LocalSocket::Send(instance.SocketName(), "hello", 1000));
        }
        QVERIFY(!QFileInfo::exists(socketFile));
        // A name longer than a socket address holds is refused at once.
        QVERIFY(!LocalSocket::Send(dir.filePath(QString(200, QLatin1Char('a'))), "x", 1000));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_SingleInstance.moc"
