#include "DesktopShell.h"
#include "QtSoundPlayer.h"
#include "VoiceFakes.h"
#include "WaveFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray U32(quint32 v) {
    char raw[4];
    qToLittleEndian(v, raw);
    return QByteArray(raw, 4);
}
QByteArray U16(quint16 v) {
    char raw[2];
    qToLittleEndian(v, raw);
    return QByteArray(raw, 2);
}

// A wave file with the given format chunk fields and sample bytes; `extra` goes before the data.
QByteArray Wave(int format, int channels, int rate, int bits, const QByteArray &data,
                const QByteArray &extra = {}) {
    QByteArray body = "WAVE";
    body += "fmt " + U32(16) + U16(quint16(format)) + U16(quint16(channels)) + U32(quint32(rate)) +
            U32(quint32(rate * channels * bits / 8)) + U16(quint16(channels * bits / 8)) +
            U16(quint16(bits));
    body += extra;
    body += "data" + U32(quint32(data.size())) + data;
    return "RIFF" + U32(quint32(body.size())) + body;
}

QByteArray Samples16(std::initializer_list<qint16> samples) {
    QByteArray out;
    for (const qint16 s : samples)
        out += U16(quint16(s));
    return out;
}

} // namespace

class TestSoundFiles : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;

    QString Write(const QString &name, const QByteArray &bytes) {
        QFile file(FDir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return file.fileName();
    }

private slots:
    void readWave_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QList<qint16>>("samples");

        QTest::newRow("16-bit mono") << Wave(1, 1, 22050, 16, Samples16({1, -2, 300})) << true << 1
                                     << QList<qint16>{1, -2, 300};
        QTest::newRow("8-bit stereo") << Wave(1, 2, 8000, 8, QByteArray("\x80\xff\x00\x81", 4))
                                      << true << 2 << QList<qint16>{0, 127 * 256, -128 * 256, 256};
        QTest::newRow("odd chunk before the data is padded")
            << Wave(1, 1, 22050, 16, Samples16({7}), "LIST" + U32(3) + QByteArray("abc\0", 4))
            << true << 1 << QList<qint16>{7};
        QTest::newRow("half a frame at the end is dropped")
            << Wave(1, 2, 22050, 16, Samples16({1, 2, 3})) << true << 2 << QList<qint16>{1, 2};
        QTest::newRow("compressed")
            << Wave(2, 1, 22050, 16, Samples16({1})) << false << 0 << QList<qint16>{};
        QTest::newRow("24-bit") << Wave(1, 1, 22050, 24, "abc") << false << 0 << QList<qint16>{};
        QTest::newRow("six channels")
            << Wave(1, 6, 22050, 16, Samples16({1})) << false << 0 << QList<qint16>{};
        QTest::newRow("not a wave")
            << QByteArray("RIFF\0\0\0\0AVI ", 12) << false << 0 << QList<qint16>{};
        QTest::newRow("data before format")
            << QByteArray("RIFF" + U32(12) + "WAVEdata" + U32(0)) << false << 0 << QList<qint16>{};
        QByteArray truncated = Wave(1, 1, 22050, 16, Samples16({1, 2, 3, 4}));
        truncated.chop(3);
        QTest::newRow("data longer than the file") << truncated << false << 0 << QList<qint16>{};
        QByteArray huge = Wave(1, 1, 22050, 16, Samples16({1}));
        huge.replace(huge.indexOf("data") + 4, 4, U32(0xFFFFFFF0u));
        QTest::newRow("absurd chunk length") << huge << false << 0 << QList<qint16>{};
    }
    void readWave() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(int, channels);
        QFETCH(QList<qint16>, samples);
        const auto sound = ReadWaveFile(bytes);
        QCOMPARE(sound.has_value(), valid);
        if (!sound)
            return;
        QCOMPARE(sound->Channels, channels);
        QCOMPARE(sound->Samples, samples);
    }

    void playerPlaysFilesAndFallsBackToTheClick() {
        const QString click =
            Write(QStringLiteral("klik.wav"), Wave(1, 1, 22050, 16, Samples16({9, 9})));
        const QString bell =
            Write(QStringLiteral("zvonek.wav"), Wave(1, 2, 44100, 16, Samples16({1, 2, 3, 4})));
        const QString broken = Write(QStringLiteral("broken.wav"), "RIFF");
        auto sink = std::make_shared<TCaptureSink>();
        TQtSoundPlayer player(click, sink);

        QVERIFY(player.Play(bell));
        player.WaitUntilIdle();
        QCOMPARE(sink->Streams().last(), (QList<qint16>{1, 2, 3, 4}));
        QCOMPARE(sink->Rate(), 44100);
        QCOMPARE(sink->Channels(), 2);
        for (const QString &name : {FDir.filePath(QStringLiteral("missing.wav")),
                                    QStringLiteral("SystemAsterisk"), QString(), FDir.path()}) {
            QVERIFY2(player.Play(name), qPrintable(name));
            player.WaitUntilIdle();
            QCOMPARE(sink->Streams().last(), (QList<qint16>{9, 9}));
        }
        // Each sound cuts off the one before.
        QVERIFY(sink->Purges() >= 5);
        const qsizetype streams = sink->Streams().size();
        QVERIFY(!player.Play(broken));
        QCOMPARE(sink->Streams().size(), streams);

        TQtSoundPlayer withoutClick(FDir.filePath(QStringLiteral("none.wav")), sink);
        QVERIFY(!withoutClick.Play(QStringLiteral("nothing")));
    }

    void associations_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QStringList>("apps");
        QTest::newRow("default group only")
            << QByteArray("[Added Associations]\ntext/x-tlk=other.desktop\n[Default Applications]\n"
                          "text/x-tlk=synth.desktop;second.desktop;\n")
            << QStringList{QStringLiteral("synth.desktop"), QStringLiteral("second.desktop")};
        QTest::newRow("other types and comments")
            << QByteArray("[Default Applications]\n# text/x-tlk=x.desktop\n"
                          "text/plain=edit.desktop\n")
            << QStringList();
    }
    void associations() {
        QFETCH(QByteArray, list);
        QFETCH(QStringList, apps);
        QCOMPARE(TDesktopShell::DefaultApplications(list, QStringLiteral("text/x-tlk")), apps);
    }

    // The glob lists of the shared MIME database, the user's first.
    void typeOfFileName_data() {
        QTest::addColumn<QList<QByteArray>>("lists");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        const QByteArray system("# generated\n50:text/x-tlk:*.tlk\n50:text/plain:*.txt\n"
                                "80:application/x-tar:*.tar\n40:text/x-readme:README*\n");
        QTest::newRow("suffix") << QList{system} << "a.tlk"
                                << "text/x-tlk";
        QTest::newRow("any case") << QList{system} << "a.TLK"
                                  << "text/x-tlk";
        QTest::newRow("nothing matches") << QList{system} << "a.kbt"
                                         << "";
        QTest::newRow("wildcard pattern") << QList{system} << "README.md"
                                          << "text/x-readme";
        QTest::newRow("pattern in upper case")
            << QList<QByteArray>{"50:text/x-a:*.TLK\n"} << "a.tlk"
            << "text/x-a";
        QTest::newRow("bracket expression at the end")
            << QList<QByteArray>{"50:text/x-a:*.tl[kK]\n"} << "a.tlK"
            << "text/x-a";
        QTest::newRow("single-character wildcard at the end")
            << QList<QByteArray>{"50:text/x-a:a.tl?\n"} << "a.tlx"
            << "text/x-a";
        QTest::newRow("case-sensitive flag") << QList<QByteArray>{"50:text/x-c:*.C:cs\n"} << "a.c"
                                             << "";
        QTest::newRow("heavier weight wins")
            << QList<QByteArray>{"50:text/a:*.tlk\n60:text/b:*.tlk\n"} << "a.tlk"
            << "text/b";
        QTest::newRow("longer pattern wins on equal weight")
            << QList<QByteArray>{"50:text/a:*.gz\n50:text/b:*.tar.gz\n"} << "a.tar.gz"
            << "text/b";
        QTest::newRow("user's list drops the system's globs")
            << QList<QByteArray>{"0:text/x-tlk:__NOGLOBS__\n50:text/x-talk:*.tlk\n", system}
            << "a.tlk"
            << "text/x-talk";
        QTest::newRow("damaged lines are passed over")
            << QList<QByteArray>{"x:text/a:*.tlk\n50::*.tlk\n50:text/b\n::\n50:text/c:*.tlk"}
            << "a.tlk"
            << "text/c";
    }
    void typeOfFileName() {
        QFETCH(QList<QByteArray>, lists);
        QFETCH(QString, name);
        QFETCH(QString, type);
        QCOMPARE(TDesktopShell::TypeOfFileName(lists, name), type);
    }

    void execLine() {
        QCOMPARE(TDesktopShell::ExecLine("[Desktop Entry]\nName=Synth\nExec=/opt/synth %f \n"
                                         "[Desktop Action x]\nExec=other\n"),
                 QStringLiteral("/opt/synth %f"));
        QCOMPARE(TDesktopShell::ExecLine("[Desktop Action x]\nExec=other\n"), std::nullopt);
        TDesktopShell shell;
        QCOMPARE(shell.ExecuteFile(QString(), {}, TShell::ShowMinimized, {}), 2);
        QCOMPARE(
            shell.ExecuteFile(QStringLiteral("/nonexistent/synth "), {}, TShell::ShowMinimized, {}),
            2);
    }
};

QTEST_GUILESS_MAIN(TestSoundFiles)
#include "tst_SoundFiles.moc"
