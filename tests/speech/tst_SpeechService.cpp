// The desktop's speech service for real: a private Speech Dispatcher speaking into a private
// PulseAudio daemon's null sink, whose monitor is recorded.
#include "PrivateSoundServer.h"
#include "SpdVoice.h"
#include "VoiceInfo.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <cmath>

class TestSpeechService : public QObject {
    Q_OBJECT

    std::unique_ptr<TPrivateSoundServer> FSound;
    QProcess FService;
    QString FAddress;

    QString Path(const char *name) const { return FSound->Path(QLatin1String(name)); }

    bool StartService() {
        FService.start(QStringLiteral("speech-dispatcher"),
                       {QStringLiteral("-s"), QStringLiteral("-t"), QStringLiteral("0"),
                        QStringLiteral("-c"), QStringLiteral("unix_socket"), QStringLiteral("-S"),
                        Path("speechd.sock"), QStringLiteral("-P"), Path("speechd.pid"),
                        QStringLiteral("-L"), Path("")});
        for (int i = 0; i < 100 && !QFile::exists(Path("speechd.sock")); ++i)
            QTest::qWait(50);
        return QFile::exists(Path("speechd.sock"));
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher")).isEmpty() ||
            !TPrivateSoundServer::Installed())
            QSKIP("speech-dispatcher, pulseaudio or parec is not installed");
        FSound = std::make_unique<TPrivateSoundServer>();
        QVERIFY(FSound->Start({QStringLiteral("out")}));
        QVERIFY(StartService());
        FAddress = QStringLiteral("unix_socket:") + Path("speechd.sock");
    }
    void cleanupTestCase() {
        FService.kill();
        FService.waitForFinished();
        FSound.reset();
    }

    void noServiceMeansNoVoicesAndNoWait() {
        TSpdVoice none(QStringLiteral("unix_socket:") + Path("nothing.sock"));
        QVERIFY(none.WaitUntilSettled(5000));
        QVERIFY(none.GetVoices().isEmpty());
        QVERIFY(!none.Available());
        QVERIFY(!none.Speak(QStringLiteral("nic")));
    }

    // The voices of its modules, a Czech word heard, its end told; then the service is killed
    // while it speaks, and nothing waits for it.
    void speaksAndSurvivesTheServiceGoing() {
        TSpdVoice voice(FAddress);
        // Listing every module's voices takes the service a while, the more so under the
        // sanitizers.
        QVERIFY(voice.WaitUntilSettled(60000));
        const QList<TVoiceToken> voices = voice.GetVoices();
        QVERIFY2(voices.size() > 10, qPrintable(QString::number(voices.size())));
        const auto czech = std::find_if(voices.begin(), voices.end(), [](const TVoiceToken &t) {
            return ReadVoiceInfo(t).LanguageId == 0x405;
        });
        QVERIFY(czech != voices.end());
        QVERIFY(czech->Id.startsWith(QLatin1String("spd:espeak-ng/")));
        QVERIFY(ReadVoiceInfo(*czech).Vendor.contains(QLatin1String("espeak-ng")));
        QVERIFY(voice.SetVoice(*czech));

        std::atomic<int> ends{0};
        voice.SetOnTextHeard([&ends](qint64) { ++ends; });
        const qint64 before = FSound->Mark(QStringLiteral("out"));
        QVERIFY(voice.Speak(QStringLiteral("Dobrý den, jak se máte?")));
        QTRY_VERIFY_WITH_TIMEOUT(ends == 1, 10000);
        QTest::qWait(300);
        QVERIFY2(FSound->Loudness(QStringLiteral("out"), before) > 100,
                 "the service's speech was not heard");

        // A prompt's end is told too.
        std::atomic<int> heard{0};
        QVERIFY(voice.SpeakPrompt(QStringLiteral("řádek jedna"), czech->Id, 0, 100,
                                  [&heard](qint64) { ++heard; }));
        QTRY_VERIFY_WITH_TIMEOUT(heard == 1, 10000);

        QVERIFY(voice.Speak(QStringLiteral("Tohle je dlouhá věta, kterou služba nedořekne, "
                                           "protože ji někdo ukončí uprostřed.")));
        QTest::qWait(300);
        FService.kill();
        FService.waitForFinished();
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 20; ++i) {
            voice.Speak(QStringLiteral("ještě"));
            voice.GetVoices();
            QTest::qWait(20);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!voice.Available(), 5000);
        QVERIFY(!voice.Speak(QStringLiteral("nikdo")));
        QVERIFY2(timer.elapsed() < 6000, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestSpeechService)
#include "tst_SpeechService.moc"
