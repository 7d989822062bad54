#include "SpVoice.h"
#include "VoiceFakes.h"
#include "VoiceInfo.h"

#include <QTest>
#include <algorithm>

namespace {

int Peak(const QList<qint16> &samples) {
    int peak = 0;
    for (const qint16 s : samples)
        peak = std::max(peak, std::abs(int(s)));
    return peak;
}

} // namespace

// The eSpeak NG engine, heard through a sink that keeps the samples. The library is
// process-wide, so one engine serves every test.
class TestSpVoice : public QObject {
    Q_OBJECT

    std::shared_ptr<TCaptureSink> FSink;
    std::unique_ptr<TSpVoice> FVoice;

    // Speaks `text` to the end and returns its samples.
    QList<qint16> SpeakAll(const QString &text) {
        const qsizetype before = FSink->Streams().size();
        if (!FVoice->Speak(text))
            return {};
        FVoice->WaitUntilIdle();
        const auto streams = FSink->Streams();
        return streams.size() > before ? streams.last() : QList<qint16>();
    }

private slots:
    void initTestCase() {
        FSink = std::make_shared<TCaptureSink>();
        FVoice = std::make_unique<TSpVoice>(FSink);
    }
    void cleanupTestCase() { FVoice.reset(); }

    void voicesInTheLibrarysOrderWithCzechFirstChoice() {
        const QList<TVoiceToken> voices = FVoice->GetVoices();
        QVERIFY(voices.size() > 10);
        const TVoiceInfo czech = ReadVoiceInfo(FVoice->Voice());
        QCOMPARE(czech.LanguageId, 0x405);
        QCOMPARE(czech.Vendor, QStringLiteral("eSpeak NG"));
        QVERIFY(czech.GenderCode == 1 || czech.GenderCode == 2);
        // Every voice says where it comes from; only languages of our table get an identifier.
        int withLanguage = 0;
        for (const TVoiceToken &token : voices) {
            QVERIFY(!token.Id.isEmpty());
            QCOMPARE(token.GetAttribute(QStringLiteral("Vendor")), QStringLiteral("eSpeak NG"));
            withLanguage += token.GetAttribute(QStringLiteral("Language")).has_value();
        }
        QVERIFY(withLanguage > 10 && withLanguage < voices.size());
        QVERIFY(!FVoice->SetVoice(TVoiceToken{QStringLiteral("no/such"), {}}));
        QVERIFY(FVoice->SetVoice(voices.constFirst()));
        QCOMPARE(FVoice->Voice().Id, voices.constFirst().Id);
        const auto czechToken =
            std::find_if(voices.begin(), voices.end(), [](const TVoiceToken &t) {
                return t.GetAttribute(QStringLiteral("Language")) == QStringLiteral("405");
            });
        QVERIFY(czechToken != voices.end());
        QVERIFY(FVoice->SetVoice(*czechToken));
    }

    // Until a voice is chosen, the interface's language speaks.
    void defaultVoiceFollowsTheLanguage() {
        FVoice.reset();
        FVoice = std::make_unique<TSpVoice>(FSink, QStringLiteral("en"));
        const int english = ReadVoiceInfo(FVoice->Voice()).LanguageId;
        QVERIFY2(english == 0x409 || english == 0x809, qPrintable(QString::number(english, 16)));
        FVoice.reset();
        FVoice = std::make_unique<TSpVoice>(FSink);
        QCOMPARE(ReadVoiceInfo(FVoice->Voice()).LanguageId, 0x405);
    }

    void czechTextIsHeard() {
        const QList<qint16> samples = SpeakAll(QStringLiteral("Dobrý den, jak se máte?"));
        QCOMPARE(FSink->Rate(), 22050);
        QCOMPARE(FSink->Channels(), 1);
        QVERIFY2(samples.size() > FSink->Rate() / 2, qPrintable(QString::number(samples.size())));
        QVERIFY(Peak(samples) > 2000);
    }

    void markupIsObeyed() {
        const qsizetype plain = SpeakAll(QStringLiteral("Ahoj světe")).size();
        const qsizetype paused =
            SpeakAll(QStringLiteral("Ahoj <silence msec=\"1000\"/> světe")).size();
        QVERIFY2(paused - plain > FSink->Rate() * 8 / 10,
                 qPrintable(QStringLiteral("%1 %2").arg(plain).arg(paused)));
        const qsizetype slow =
            SpeakAll(QStringLiteral("<rate speed=\"-10\">Ahoj světe</rate>")).size();
        QVERIFY(slow > plain * 3 / 2);
        // Markup that is not well-formed is still read, as text.
        const QList<qint16> broken = SpeakAll(QStringLiteral("Ahoj <volume level=\"50\"> světe"));
        QVERIFY(broken.size() > plain);
        QVERIFY(Peak(broken) > 2000);
    }

    void volumeAndRateReachTheEngine() {
        const QList<qint16> loud = SpeakAll(QStringLiteral("Ahoj"));
        QVERIFY(FVoice->SetVolume(20));
        QVERIFY(FVoice->SetRate(10));
        const QList<qint16> quiet = SpeakAll(QStringLiteral("Ahoj"));
        QVERIFY(FVoice->SetVolume(100));
        QVERIFY(FVoice->SetRate(0));
        QVERIFY(!FVoice->SetVolume(101));
        QVERIFY(!FVoice->SetRate(-11));
        QVERIFY(Peak(quiet) * 3 < Peak(loud));
        QVERIFY(quiet.size() * 3 / 2 < loud.size());
    }

    void aSecondTextCutsTheFirst() {
        const qsizetype full = SpeakAll(QStringLiteral("Ahoj")).size();
        const int purges = FSink->Purges();
        FSink->Hold = true;
        QVERIFY(FVoice->Speak(QStringLiteral("Tohle je dlouhá věta, kterou nikdo neuslyší celou, "
                                             "protože ji přeruší jiná.")));
        FSink->Started.acquire(); // the first piece of it is being played
        FSink->Hold = false;
        QVERIFY(FVoice->Speak(QStringLiteral("Ahoj")));
        FSink->Released.release();
        FVoice->WaitUntilIdle();
        const auto streams = FSink->Streams();
        QCOMPARE(FSink->Purges(), purges + 2);
        // The long text stopped after its first piece; the short one was spoken whole.
        QVERIFY2(streams.at(streams.size() - 2).size() <= FSink->Rate() / 5,
                 qPrintable(QString::number(streams.at(streams.size() - 2).size())));
        // (The library's phrasing after a cut differs by a few milliseconds.)
        QVERIFY2(qAbs(streams.last().size() - full) < full / 5,
                 qPrintable(QStringLiteral("%1 %2").arg(streams.last().size()).arg(full)));
    }

    void rateAndVolumeMapping_data() {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("wordsPerMinute");
        QTest::newRow("slowest") << -10 << 80;
        QTest::newRow("slow") << -5 << 101;
        QTest::newRow("normal") << 0 << 175;
        QTest::newRow("fast") << 5 << 303;
        QTest::newRow("fastest") << 10 << 450;
    }
    void rateAndVolumeMapping() {
        QFETCH(int, rate);
        QFETCH(int, wordsPerMinute);
        QCOMPARE(TSpVoice::WordsPerMinute(rate), wordsPerMinute);
        QCOMPARE(TSpVoice::EngineVolume(rate * 10), std::max(0, rate * 10));
    }
};

QTEST_GUILESS_MAIN(TestSpVoice)
#include "tst_SpVoice.moc"
