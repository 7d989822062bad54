#pragma once

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

// A PulseAudio daemon of a test's own, with null sinks whose monitors are recorded, so a test
// hears what the program played. The daemon, its runtime folder and its clients' environment
// are the test's alone; this process is pointed at it too.
class TPrivateSoundServer {
public:
    static bool Installed() {
        return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() &&
               !QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty();
    }

    // Starts the daemon with these sinks (the first is the default) and records each monitor.
    bool Start(const QStringList &sinks) {
        QDir(FDir.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(Path(QStringLiteral("run")), QFileDevice::ReadOwner |
                                                               QFileDevice::WriteOwner |
                                                               QFileDevice::ExeOwner);
        for (const char *name : {"HOME", "XDG_RUNTIME_DIR", "PULSE_SERVER"})
            FSaved.insert(QLatin1String(name), qgetenv(name));
        qputenv("HOME", FDir.path().toUtf8());
        qputenv("XDG_RUNTIME_DIR", Path(QStringLiteral("run")).toUtf8());
        qputenv("PULSE_SERVER", "unix:" + Path(QStringLiteral("run/pulse/native")).toUtf8());
        QStringList arguments{QStringLiteral("-n"),
                              QStringLiteral("--daemonize=no"),
                              QStringLiteral("--exit-idle-time=-1"),
                              QStringLiteral("--use-pid-file=no"),
                              QStringLiteral("-L"),
                              QStringLiteral("module-native-protocol-unix")};
        for (const QString &sink : sinks)
            arguments << QStringLiteral("-L")
                      << QStringLiteral("module-null-sink sink_name=") + sink;
        FDaemon.start(QStringLiteral("pulseaudio"), arguments);
        for (int i = 0; i < 100 && !QFile::exists(Path(QStringLiteral("run/pulse/native"))); ++i)
            QTest::qWait(50);
        if (!QFile::exists(Path(QStringLiteral("run/pulse/native"))))
            return false;
        QTest::qWait(200);
        for (const QString &sink : sinks) {
            auto recorder = std::make_shared<QProcess>();
            recorder->start(QStringLiteral("parec"),
                            {QStringLiteral("--latency-msec=30"), QStringLiteral("-d"),
                             sink + QStringLiteral(".monitor"), QStringLiteral("--format=s16le"),
                             QStringLiteral("--channels=1"), QStringLiteral("--rate=8000")});
            FRecorders.insert(sink, recorder);
        }
        QTest::qWait(200);
        return true;
    }
    ~TPrivateSoundServer() {
        for (const auto &recorder : std::as_const(FRecorders)) {
            recorder->kill();
            recorder->waitForFinished();
        }
        FDaemon.kill();
        FDaemon.waitForFinished();
        for (auto it = FSaved.cbegin(); it != FSaved.cend(); ++it)
            it.value().isNull() ? qunsetenv(it.key().toLatin1().constData())
                                : qputenv(it.key().toLatin1().constData(), it.value());
    }

    QString Path(const QString &name) const { return FDir.filePath(name); }

    // Where the sink's recording stands now, to listen from there on.
    qint64 Mark(const QString &sink) { return Recorded(sink).size(); }
    // The loudness (RMS) of what the sink played since `from`.
    double Loudness(const QString &sink, qint64 from) {
        const QByteArray part = Recorded(sink).mid(from);
        double sum = 0;
        const auto *s = reinterpret_cast<const qint16 *>(part.constData());
        for (qsizetype i = 0; i < part.size() / 2; ++i)
            sum += double(s[i]) * s[i];
        return part.size() < 2 ? 0 : std::sqrt(sum / double(part.size() / 2));
    }

private:
    const QByteArray &Recorded(const QString &sink) {
        QByteArray &bytes = FRecorded[sink];
        if (const auto recorder = FRecorders.value(sink))
            bytes.append(recorder->readAllStandardOutput());
        return bytes;
    }

    QTemporaryDir FDir;
    QProcess FDaemon;
    QMap<QString, std::shared_ptr<QProcess>> FRecorders;
    QMap<QString, QByteArray> FRecorded;
    QMap<QString, QByteArray> FSaved;
};
