#include "DBusAutomation.h"
#include "LocalSocketDde.h"
#include "Voice.h"
#include "VoiceFakes.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// The automation server as a script: answers as told and notes every call.
class TScriptedVoiceServer : public QObject {
    Q_OBJECT

public:
    int Ready = 1;

    QStringList Calls() const {
        QMutexLocker lock(&FMutex);
        return FCalls;
    }

public slots:
    int InitVoice(int a, int b, int c) {
        Note(QStringLiteral("InitVoice(%1,%2,%3)").arg(a).arg(b).arg(c));
        return Ready;
    }
    void Reset() { Note(QStringLiteral("Reset()")); }
    int Say(const QString &text) {
        Note(QStringLiteral("Say(%1)").arg(text));
        return 1;
    }
    void ReleaseVoice() { Note(QStringLiteral("ReleaseVoice()")); }

private:
    void Note(const QString &call) {
        QMutexLocker lock(&FMutex);
        FCalls.append(call);
    }
    mutable QMutex FMutex;
    QStringList FCalls;
};

class TestSpeechServers : public QObject {
    Q_OBJECT

    QProcess FBus;
    QString FAddress;
    QThread FServerThread;
    TScriptedVoiceServer *FServer = nullptr;

    qint64 TimedStart(TVoice &voice, bool expected) {
        QElapsedTimer timer;
        timer.start();
        [&] { QCOMPARE(voice.StartVoice(vkCSVoice), expected); }();
        return timer.elapsed();
    }

private slots:
    void initTestCase() {
        // A bus of our own, so the tests see neither the user's session nor each other.
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            return;
        FBus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                            QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
        while (FBus.waitForReadyRead(5000) && !FBus.canReadLine()) {
        }
        FAddress = QString::fromUtf8(FBus.readLine()).trimmed();
    }
    void cleanupTestCase() {
        FServerThread.quit();
        FServerThread.wait();
        delete FServer;
        FBus.kill();
        FBus.waitForFinished();
    }

    void noSessionBusFailsAtOnce() {
        const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir empty;
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("XDG_RUNTIME_DIR", empty.path().toUtf8());
        TDBusAutomation automation;
        TVoice voice({{}, &automation, nullptr, nullptr, nullptr});
        QVERIFY(TimedStart(voice, false) < 100);
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }

    void automationServerOnTheBus() {
        if (FAddress.isEmpty())
            QSKIP("dbus-daemon is not installed");
        qputenv("DBUS_SESSION_BUS_ADDRESS", FAddress.toUtf8());
        TDBusAutomation automation;
        TVoice voice({{}, &automation, nullptr, nullptr, nullptr});
        // The bus is there, the server is not: still no waiting.
        QVERIFY(TimedStart(voice, false) < 100);

        FServer = new TScriptedVoiceServer;
        FServer->moveToThread(&FServerThread);
        FServerThread.start();
        QDBusConnection server = QDBusConnection::connectToBus(FAddress, QStringLiteral("server"));
        QVERIFY(
            server.registerObject(QStringLiteral("/"), FServer, QDBusConnection::ExportAllSlots));
        QVERIFY(server.registerService(QStringLiteral("TOOLCV.VBVOICE")));

        QVERIFY(voice.StartVoice(vkCSVoice));
        QCOMPARE(voice.ActiveEngine(), veComServer);
        QVERIFY(voice.SpeakText(QStringLiteral("Dobrý den")));
        voice.StopSpeech();
        voice.StartVoice(vkNone);
        QTRY_COMPARE(FServer->Calls(),
                     (QStringList{QStringLiteral("InitVoice(0,0,0)"), QStringLiteral("Reset()"),
                                  QStringLiteral("Say(Dobrý den)"), QStringLiteral("Reset()"),
                                  QStringLiteral("Say( )"), QStringLiteral("ReleaseVoice()")}));

        FServer->Ready = 0;
        QVERIFY(!voice.StartVoice(vkCSVoice));
        QCOMPARE(voice.ActiveEngine(), veNone);
    }

    // A server that holds its name but has stopped answering never freezes the window.
    void hungServerIsGivenUp() {
        if (FAddress.isEmpty())
            QSKIP("dbus-daemon is not installed");
        qputenv("DBUS_SESSION_BUS_ADDRESS", FAddress.toUtf8());
        QThread hung;
        hung.start();
        QSemaphore release;
        TScriptedVoiceServer frozen;
        frozen.moveToThread(&hung);
        QMetaObject::invokeMethod(
            &frozen, [&release] { release.acquire(); }, Qt::QueuedConnection);
        QDBusConnection peer = QDBusConnection::connectToBus(FAddress, QStringLiteral("hung"));
        QVERIFY(peer.registerObject(QStringLiteral("/"), &frozen, QDBusConnection::ExportAllSlots));
        QVERIFY(peer.registerService(QStringLiteral("ORVANTA.HUNG")));

        TDBusAutomation automation;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(automation.Create(QStringLiteral("ORVANTA.HUNG")));
        QVERIFY(!automation.Invoke(QStringLiteral("InitVoice"), {0, 0, 0}));
        automation.Send(QStringLiteral("Reset"), {});
        // The bus's own default would wait 25 s; a frame's time is all a call may take.
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        release.release();
        peer.unregisterService(QStringLiteral("ORVANTA.HUNG"));
        QDBusConnection::disconnectFromBus(QStringLiteral("hung"));
        hung.quit();
        hung.wait();
    }

    void commandServerOnALocalSocket() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("CSVOICE"));
        TLocalSocketDde dde(name);
        TFakeShell shell;
        shell.TlkCommand = QStringLiteral("synth %1");
        TVoice voice({{}, nullptr, &dde, nullptr, &shell});
        QVERIFY(voice.StartVoice(vkCSVoice));

        // Nobody listens yet.
        QVERIFY(!voice.SpeakText(QStringLiteral("a")));

        QLocalServer server;
        QVERIFY(server.listen(name));
        for (const QString &text : {QStringLiteral("Řekni \"ahoj\""), QStringLiteral(" ")}) {
            QVERIFY(voice.SpeakText(text));
            QVERIFY(server.waitForNewConnection(5000));
            QLocalSocket *link = server.nextPendingConnection();
            QByteArray received;
            while (link->state() == QLocalSocket::ConnectedState && link->waitForReadyRead(5000))
                received += link->readAll();
            received += link->readAll();
            QCOMPARE(received, QByteArray("SYSTEM\0", 7) + TVoice::DdeMacro(text));
            delete link;
        }
    }
};

QTEST_GUILESS_MAIN(TestSpeechServers)
#include "tst_SpeechServers.moc"
