#include "LateEngines.h"
#include "Voice.h"
#include "VoiceFakes.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The real engine: every call it gets, in order.
class TRecordingVoice final : public TSpeechVoice {
public:
    QStringList Calls;
    QList<TVoiceToken> Voices;
    int FRate = 0;
    int FVolume = 100;

    QList<TVoiceToken> GetVoices() override { return Voices; }
    TVoiceToken Voice() override { return {}; }
    bool SetVoice(const TVoiceToken &token) override { return Log(u"voice "_s + token.Id); }
    int Rate() const override { return FRate; }
    bool SetRate(int rate) override { return FRate = rate, Log(u"rate %1"_s.arg(rate)); }
    int Volume() const override { return FVolume; }
    bool SetVolume(int volume) override {
        return FVolume = volume, Log(u"volume %1"_s.arg(volume));
    }
    bool Speak(const QString &text) override { return Log(u"text "_s + text); }
    bool SpeakPrompt(const QString &text, const QString &, int, int, TPromptHeard) override {
        return Log(u"prompt "_s + text);
    }
    void CutPrompt() override { Log(u"cut"_s); }
    void SetOnTextHeard(TPromptHeard) override { Log(u"heard"_s); }
    void SetServiceVoiceId(const QString &id) override { Log(u"service "_s + id); }

private:
    bool Log(const QString &call) {
        Calls.append(call);
        return true;
    }
};

QStringList L(std::initializer_list<const char *> items) {
    QStringList out;
    for (const char *item : items)
        out.append(QString::fromUtf8(item));
    return out;
}

TVoiceToken Token(const QString &id) {
    TVoiceToken t;
    t.Id = id;
    return t;
}

} // namespace

class TestLateEngines : public QObject {
    Q_OBJECT

private slots:
    // What is asked before the engine comes reaches it as the engine itself would have taken it:
    // settings on Attach, the text and prompt (the latest of each) on Flush, in their order.
    void HandedOn_data() {
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QStringList>("got");
        QTest::addColumn<int>("promptsHeard");
        // Whether the engines were wanted: a text, a prompt or the voice list want them, once.
        QTest::addColumn<bool>("wanted");
        QTest::newRow("a text") << L({"text a"}) << L({"text a"}) << 0 << true;
        QTest::newRow("a newer text drops the older")
            << L({"text a", "text b"}) << L({"text b"}) << 0 << true;
        QTest::newRow("a text after a prompt cuts it, which counts as heard")
            << L({"prompt p", "text t"}) << L({"text t"}) << 1 << true;
        QTest::newRow("a prompt after a text waits for it")
            << L({"text t", "prompt p"}) << L({"text t", "prompt p"}) << 0 << true;
        QTest::newRow("a newer prompt cuts the older unheard")
            << L({"prompt p", "prompt q"}) << L({"prompt q"}) << 0 << true;
        QTest::newRow("a cut prompt is not spoken") << L({"prompt p", "cut"}) << L({}) << 0 << true;
        QTest::newRow("settings, then the text")
            << L({"rate 3", "volume 40", "service spd:m/v", "voice x", "text a"})
            << L({"voice x", "volume 40", "rate 3", "service spd:m/v", "text a"}) << 0 << true;
        QTest::newRow("settings alone do not want the engines")
            << L({"rate 3", "volume 40", "service spd:m/v", "voice x", "cut"})
            << L({"voice x", "volume 40", "rate 3", "service spd:m/v"}) << 0 << false;
        QTest::newRow("the voice list wants them") << L({"voices"}) << L({}) << 0 << true;
    }
    void HandedOn() {
        QFETCH(QStringList, asked);
        QFETCH(QStringList, got);
        QFETCH(int, promptsHeard);
        QFETCH(bool, wanted);
        TLateVoice late;
        int timesWanted = 0;
        late.SetOnWanted([&timesWanted] { ++timesWanted; });
        int heard = 0;
        for (const QString &call : asked) {
            const QString arg = call.section(u' ', 1);
            if (call.startsWith("text"_L1))
                QVERIFY(late.Speak(arg));
            else if (call.startsWith("prompt"_L1))
                QVERIFY(late.SpeakPrompt(arg, {}, 0, 100, [&heard](qint64) { ++heard; }));
            else if (call == "cut"_L1)
                late.CutPrompt();
            else if (call.startsWith("rate"_L1))
                late.SetRate(arg.toInt());
            else if (call.startsWith("volume"_L1))
                late.SetVolume(arg.toInt());
            else if (call.startsWith("service"_L1))
                late.SetServiceVoiceId(arg);
            else if (call == "voices"_L1)
                QVERIFY(late.GetVoices().isEmpty());
            else if (call.startsWith("voice"_L1))
                late.SetVoice(Token(arg));
        }
        QCOMPARE(timesWanted, wanted ? 1 : 0);
        QCOMPARE(late.Rate(), asked.contains("rate 3"_L1) ? 3 : 0);
        auto real = std::make_unique<TRecordingVoice>();
        TRecordingVoice *engine = real.get();
        late.Attach(std::move(real));
        late.Flush();
        QStringList calls = engine->Calls;
        // The normal rate and volume are handed on too; only what was asked is compared.
        calls.removeAll("volume 100"_L1);
        calls.removeAll("rate 0"_L1);
        QCOMPARE(calls, got);
        QCOMPARE(heard, promptsHeard);
    }

    // The voice unit on a late engine: the settings read at start wait for the voice list, the
    // key pressed meanwhile is spoken after them, and they are what is saved until then.
    void VoiceUnitWaitsForTheEngine() {
        TFakeSounds sounds;
        TLateVoice *late = nullptr;
        TVoice voice({[&late]() -> std::unique_ptr<TSpeechVoice> {
                          auto made = std::make_unique<TLateVoice>();
                          late = made.get();
                          return made;
                      },
                      nullptr, nullptr, &sounds, nullptr});
        voice.CreateSapiVoice();
        const TVoiceSettings settings{vkSapi5, 1, 60, -2};
        QVERIFY(voice.ApplyVoiceSettings(settings));
        QVERIFY(voice.SpeakText(u"ahoj"_s));
        QCOMPARE(voice.GetVoiceSettings(), settings);

        auto real = std::make_unique<TRecordingVoice>();
        real->Voices = {Token(u"v0"_s), Token(u"v1"_s)};
        TRecordingVoice *engine = real.get();
        late->Attach(std::move(real));
        voice.SapiVoiceReady();
        late->Flush();
        QCOMPARE(engine->Calls.mid(engine->Calls.indexOf("voice v1"_L1)),
                 L({"voice v1", "volume 60", "rate -2", "text ahoj"}));
    }

    // Engines that cannot come refuse from then on, as an engine that is not installed; the
    // settings read at start are still what is saved.
    void FailedEngineRefuses() {
        TLateVoice late;
        bool wanted = false;
        late.SetOnWanted([&wanted] { wanted = true; });
        late.SetRate(4);
        late.Fail();
        QVERIFY(!late.Speak(u"a"_s));
        QVERIFY(!late.SpeakPrompt(u"p"_s, {}, 0, 100, {}));
        QCOMPARE(late.Rate(), 4);
        QVERIFY(!wanted);
        QTemporaryDir dir;
        TLateSounds sounds(dir.filePath(u"none.wav"_s));
        sounds.Fail();
        QVERIFY(!sounds.Play(u"SystemDefault"_s));
    }

    // A sound is checked at once; the last one asked for plays when the player comes.
    void SoundsWaitForThePlayer() {
        QTemporaryDir dir;
        const QString click = dir.filePath(u"klik.wav"_s);
        QFile file(click);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // A RIFF/WAVE of 8-bit mono at 8 kHz with two samples.
        file.write(QByteArray::fromHex("524946462600000057415645666d7420100000000100010040"
                                       "1f0000401f00000100080064617461020000008080"));
        file.close();
        const QString broken = dir.filePath(u"broken.wav"_s);
        QFile bad(broken);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("RIFF");
        bad.close();

        TLateSounds late(click);
        int wanted = 0;
        late.SetOnWanted([&wanted] { ++wanted; });
        QVERIFY(!late.Play(broken));
        QCOMPARE(wanted, 0);
        QVERIFY(late.Play(u"SystemAsterisk"_s));
        QVERIFY(late.Play(click));
        QCOMPARE(wanted, 1);
        TFakeSounds real;
        late.Attach(&real);
        QCOMPARE(real.Played, QStringList{click});
    }
};

QTEST_GUILESS_MAIN(TestLateEngines)
#include "tst_LateEngines.moc"
