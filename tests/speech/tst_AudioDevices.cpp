// The program's outputs on a real sound server with two devices: the user's voice on one, the
// scan's prompts on the other, and an output that is not there giving way to the default.
#include "AudioOutput.h"
#include "PrivateSoundServer.h"
#include "PulseDevice.h"
#include "SpVoice.h"

#include <QTest>

class TestAudioDevices : public QObject {
    Q_OBJECT

    std::unique_ptr<TPrivateSoundServer> FServer;

private slots:
    void initTestCase() {
        if (!TPrivateSoundServer::Installed())
            QSKIP("pulseaudio or parec is not installed");
        FServer = std::make_unique<TPrivateSoundServer>();
        QVERIFY(FServer->Start({QStringLiteral("speakers"), QStringLiteral("headphones")}));
    }
    void cleanupTestCase() { FServer.reset(); }

    void outputsAreListed() {
        QStringList ids;
        for (const TPulseDevice::TOutput &output : TPulseDevice::Outputs(2000))
            ids.append(output.Id);
        QCOMPARE(ids, (QStringList{QStringLiteral("speakers"), QStringLiteral("headphones")}));
    }

    void voiceAndPromptsOnTheirOwnDevices() {
        auto speech = std::make_shared<TAudioOutput>(TSpVoice::QueueMs);
        auto prompts = std::make_shared<TAudioOutput>(TSpVoice::QueueMs);
        // Named as the user chose them; the voice's device stands in for one unplugged since.
        speech->SetDevice(QStringLiteral("unplugged"));
        prompts->SetDevice(QStringLiteral("headphones"));
        TSpVoice voice(speech, QStringLiteral("cs"), prompts);

        qint64 speakers = FServer->Mark(QStringLiteral("speakers"));
        qint64 headphones = FServer->Mark(QStringLiteral("headphones"));
        QVERIFY(voice.Speak(QStringLiteral("Dobrý den")));
        voice.WaitUntilIdle();
        QTest::qWait(800);
        QVERIFY(FServer->Loudness(QStringLiteral("speakers"), speakers) > 100);
        QVERIFY(FServer->Loudness(QStringLiteral("headphones"), headphones) < 10);

        speakers = FServer->Mark(QStringLiteral("speakers"));
        headphones = FServer->Mark(QStringLiteral("headphones"));
        QVERIFY(voice.SpeakPrompt(QStringLiteral("řádek jedna"), QString(), 0, 100, {}));
        voice.WaitUntilIdle();
        QTest::qWait(800);
        QVERIFY(FServer->Loudness(QStringLiteral("headphones"), headphones) > 100);
        QVERIFY(FServer->Loudness(QStringLiteral("speakers"), speakers) < 10);
    }
};

QTEST_GUILESS_MAIN(TestAudioDevices)
#include "tst_AudioDevices.moc"
