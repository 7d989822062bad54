#include "Voice.h"
#include "VoiceFakes.h"

#include <QDir>
#include <QTest>

// Fakes for every engine: which can start, what was called.
struct TVoiceRig {
    TFakeAutomation Automation;
    TFakeDde Dde;
    TFakeShell Shell;
    TFakeSounds Sounds;
    TFakeSapiVoice *Sapi = nullptr; // owned by the voice unit
    QList<TVoiceToken> Voices;
    TVoice Voice;

    TVoiceRig()
        : Voice({[this] {
                     auto sapi = std::make_unique<TFakeSapiVoice>();
                     sapi->Voices = Voices;
                     Sapi = sapi.get();
                     return sapi;
                 },
                 &Automation, &Dde, &Sounds, &Shell}) {}

    void Offer(bool com, bool dde, bool sapi) {
        Automation.Present = com;
        Shell.TlkCommand =
            dde ? std::optional<QString>(QStringLiteral("/opt/synth/synth %1")) : std::nullopt;
        if (sapi)
            Voice.CreateSapiVoice();
        else
            Voice.FreeSapiVoice();
    }
};

TVoiceToken Token(const QString &id,
                  std::initializer_list<std::pair<const char *, const char *>> attributes) {
    TVoiceToken t;
    t.Id = id;
    for (const auto &[name, value] : attributes)
        t.Attributes.insert(QLatin1String(name), QString::fromUtf8(value));
    return t;
}

class TestVoice : public QObject {
    Q_OBJECT

private slots:
    void startVoice_data() {
        QTest::addColumn<int>("before"); // the kind started first, with every engine there
        QTest::addColumn<bool>("com");
        QTest::addColumn<bool>("dde");
        QTest::addColumn<bool>("sapi");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("engine");

        QTest::newRow("none releases, says false")
            << int(vkSapi5) << true << true << true << int(vkNone) << false << int(veNone);
        QTest::newRow("auto takes the automation server first")
            << int(vkNone) << true << true << true << int(vkAuto) << true << int(veComServer);
        QTest::newRow("auto then the command server")
            << int(vkNone) << false << true << true << int(vkAuto) << true << int(veDdeServer);
        QTest::newRow("auto then the system engine")
            << int(vkNone) << false << false << true << int(vkAuto) << true << int(veSapi5);
        QTest::newRow("auto with nothing")
            << int(vkNone) << false << false << false << int(vkAuto) << false << int(veNone);
        QTest::newRow("cs-voice: automation server")
            << int(vkNone) << true << true << true << int(vkCSVoice) << true << int(veComServer);
        QTest::newRow("cs-voice: command server")
            << int(vkNone) << false << true << true << int(vkCSVoice) << true << int(veDdeServer);
        QTest::newRow("cs-voice missing leaves the system engine running")
            << int(vkSapi5) << false << false << true << int(vkCSVoice) << false << int(veSapi5);
        QTest::newRow("auto missing all but the system engine ends on it")
            << int(vkCSVoice) << false << false << true << int(vkAuto) << true << int(veSapi5);
        QTest::newRow("system engine without its object")
            << int(vkNone) << true << true << false << int(vkSapi5) << false << int(veNone);
        QTest::newRow("system engine replaces a running server")
            << int(vkCSVoice) << true << true << true << int(vkSapi5) << true << int(veSapi5);
        QTest::newRow("failed start keeps the server") << int(vkCSVoice) << false << false << false
                                                       << int(vkSapi5) << false << int(veComServer);
        QTest::newRow("unknown kind starts nothing")
            << int(vkSapi5) << true << true << true << 7 << false << int(veSapi5);
    }
    void startVoice() {
        QFETCH(int, before);
        QFETCH(bool, com);
        QFETCH(bool, dde);
        QFETCH(bool, sapi);
        QFETCH(int, kind);
        QFETCH(bool, result);
        QFETCH(int, engine);
        TVoiceRig rig;
        rig.Offer(true, true, true);
        rig.Voice.StartVoice(std::uint8_t(before));
        rig.Offer(com, dde, sapi);
        rig.Automation.Calls.clear();

        QCOMPARE(rig.Voice.StartVoice(std::uint8_t(kind)), result);
        QCOMPARE(int(rig.Voice.ActiveEngine()), engine);
        QCOMPARE(rig.Voice.SettingsKind(), KindOfEngine(TVoiceEngine(engine)));
        // Only a start of "none" lets go of the automation server.
        QCOMPARE(rig.Automation.Calls.contains(QStringLiteral("ReleaseVoice()")),
                 kind == vkNone && before == vkCSVoice);
    }

    void automationStartNeedsReadyAnswer_data() {
        QTest::addColumn<QVariant>("answer");
        QTest::addColumn<bool>("started");
        QTest::newRow("1") << QVariant(1) << true;
        QTest::newRow("1 as text") << QVariant(QStringLiteral("1")) << true;
        QTest::newRow("0") << QVariant(0) << false;
        QTest::newRow("not a number") << QVariant(QStringLiteral("ready")) << false;
        QTest::newRow("nothing") << QVariant() << false;
    }
    void automationStartNeedsReadyAnswer() {
        QFETCH(QVariant, answer);
        QFETCH(bool, started);
        TVoiceRig rig;
        rig.Automation.Present = true;
        rig.Automation.InitResult = answer;
        QCOMPARE(rig.Voice.StartVoice(vkCSVoice), started);
        QCOMPARE(rig.Automation.Calls.value(1), QStringLiteral("InitVoice(0,0,0)"));
    }

    void speakingGoesToTheEngineInUse() {
        TVoiceRig rig;
        QVERIFY(!rig.Voice.SpeakText(QStringLiteral("Ahoj")));
        rig.Voice.StopSpeech();
        QVERIFY(rig.Automation.Calls.isEmpty());
        QVERIFY(rig.Dde.Commands.isEmpty());

        rig.Offer(true, false, true);
        rig.Voice.StartVoice(vkCSVoice);
        rig.Automation.Calls.clear();
        QVERIFY(rig.Voice.SpeakText(QStringLiteral("Ahoj")));
        rig.Voice.StopSpeech();
        QCOMPARE(rig.Automation.Calls,
                 (QStringList{QStringLiteral("Reset()"), QStringLiteral("Say(Ahoj)"),
                              QStringLiteral("Reset()"), QStringLiteral("Say( )")}));
        rig.Automation.SayResult = 0;
        QVERIFY(!rig.Voice.SpeakText(QStringLiteral("Ahoj")));

        rig.Voice.StartVoice(vkSapi5);
        QVERIFY(rig.Voice.SpeakText(QStringLiteral("Dobrý den")));
        rig.Voice.StopSpeech();
        QCOMPARE(rig.Sapi->Spoken, (QStringList{QStringLiteral("Dobrý den"), QStringLiteral(" ")}));

        // The engine goes with the main window; speaking then fails quietly.
        rig.Voice.FreeSapiVoice();
        QVERIFY(!rig.Voice.SpeakText(QStringLiteral("Ahoj")));
    }

    void commandServerSpeaksOneMacroPerText() {
        TVoiceRig rig;
        rig.Offer(false, true, false);
        QVERIFY(rig.Voice.StartVoice(vkCSVoice));
        QVERIFY(rig.Voice.SpeakText(QStringLiteral("Řekl \"ahoj\"")));
        rig.Voice.StopSpeech();
        QCOMPARE(rig.Dde.Commands.value(0), QByteArray("[say(\"\xD8"
                                                       "ekl \"ahoj\"\")]\0",
                                                       21));
        QCOMPARE(rig.Dde.Commands.value(1), QByteArray("[say(\" \")]\0", 11));
        rig.Dde.Answers = false;
        QVERIFY(!rig.Voice.SpeakText(QStringLiteral("a")));
    }

    void synthesizerCommand_data() {
        QTest::addColumn<QString>("association");
        QTest::addColumn<QString>("launched");
        QTest::addColumn<bool>("started");
        QTest::newRow("cut before the percent, blank kept") << "/opt/synth/synth %1"
                                                            << "/opt/synth/synth " << true;
        QTest::newRow("no percent") << "/opt/synth/synth"
                                    << "/opt/synth/synth" << true;
        QTest::newRow("first percent only") << "synth -a %f %u"
                                            << "synth -a " << true;
        QTest::newRow("starts with percent") << "%1 synth"
                                             << "" << false;
    }
    void synthesizerCommand() {
        QFETCH(QString, association);
        QFETCH(QString, launched);
        QFETCH(bool, started);
        TVoiceRig rig;
        rig.Shell.TlkCommand = association;
        QCOMPARE(rig.Voice.StartVoice(vkCSVoice), started);
        QCOMPARE(rig.Shell.Launches.size(), 1);
        QCOMPARE(rig.Shell.Launches[0].File, launched);
        QCOMPARE(rig.Shell.Launches[0].Show, TShell::ShowMinimized);
        QCOMPARE(rig.Shell.Launches[0].Directory, QDir::currentPath());
        QCOMPARE(rig.Voice.SynthLaunch() > 32, started);
        if (started) {
            rig.Voice.CloseVoice();
            QCOMPARE(rig.Voice.SynthLaunch(), 0);
            // Closing alone does not change what is stored.
            QCOMPARE(rig.Voice.SettingsKind(), vkCSVoice);
        }
    }

    void readVoiceInfo_data() {
        QTest::addColumn<TVoiceToken>("token");
        QTest::addColumn<TVoiceInfo>("info");
        const QString unknown = QStringLiteral("neznámý");
        TVoiceInfo defaults{
            QStringLiteral("x"), unknown, unknown, unknown, unknown, unknown, 0, 0, 0};

        QTest::newRow("no attributes") << Token(QStringLiteral("x"), {}) << defaults;
        TVoiceInfo cs = defaults;
        cs.Name = QStringLiteral("Czech");
        cs.Vendor = QStringLiteral("eSpeak NG");
        cs.Gender = QStringLiteral("Male");
        cs.GenderCode = 2;
        cs.Age = QStringLiteral("Adult");
        cs.LanguageId = 0x405;
        cs.Language = QStringLiteral("Czech (Czechia)");
        QTest::newRow("all") << Token(QStringLiteral("x"), {{"Name", "Czech"},
                                                            {"Vendor", "eSpeak NG"},
                                                            {"Gender", "Male"},
                                                            {"Age", "Adult"},
                                                            {"Language", "405"}})
                             << cs;
        TVoiceInfo two = defaults;
        two.LanguageId = 0x409;
        two.LanguageId2 = 0x9;
        two.Language = QStringLiteral("English (United States)");
        QTest::newRow("two ids") << Token(QStringLiteral("x"), {{"Language", "409;9"}}) << two;
        TVoiceInfo female = defaults;
        female.Gender = QStringLiteral("fEMale");
        female.GenderCode = 1;
        QTest::newRow("female in any case")
            << Token(QStringLiteral("x"), {{"Gender", "fEMale"}}) << female;
        TVoiceInfo other = defaults;
        other.Gender = QStringLiteral("neutral");
        QTest::newRow("other gender")
            << Token(QStringLiteral("x"), {{"Gender", "neutral"}}) << other;
        QTest::newRow("language not hex")
            << Token(QStringLiteral("x"), {{"Language", "czech"}}) << defaults;
        TVoiceInfo half = defaults;
        half.LanguageId = 0x405;
        QTest::newRow("second id not hex")
            << Token(QStringLiteral("x"), {{"Language", "405;zz"}}) << half;
        TVoiceInfo far = defaults;
        far.LanguageId = 0x7777;
        far.Language = QStringLiteral("<unknown>");
        QTest::newRow("locale we do not know")
            << Token(QStringLiteral("x"), {{"Language", "7777"}}) << far;
    }
    void readVoiceInfo() {
        QFETCH(TVoiceToken, token);
        QFETCH(TVoiceInfo, info);
        const TVoiceInfo read = ReadVoiceInfo(token);
        QCOMPARE(read.Name, info.Name);
        QCOMPARE(read.Language, info.Language);
        QCOMPARE(read.GenderCode, info.GenderCode);
        QCOMPARE(read.LanguageId, info.LanguageId);
        QCOMPARE(read.LanguageId2, info.LanguageId2);
        QVERIFY(read == info);
    }

    void applyVoiceSettings_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("refuseVolume");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("no voice recorded") << -1 << false << QStringList();
        QTest::newRow("index beyond the list") << 2 << false << QStringList();
        QTest::newRow("valid: voice, volume, rate in order")
            << 1 << false
            << QStringList{QStringLiteral("Voice=b"), QStringLiteral("Volume=40"),
                           QStringLiteral("Rate=3")};
        QTest::newRow("a refusal stops the rest")
            << 1 << true << QStringList{QStringLiteral("Voice=b"), QStringLiteral("Volume=40")};
    }
    void applyVoiceSettings() {
        QFETCH(int, index);
        QFETCH(bool, refuseVolume);
        QFETCH(QStringList, calls);
        TVoiceRig rig;
        rig.Voices = {Token(QStringLiteral("a"), {}), Token(QStringLiteral("b"), {})};
        rig.Offer(false, false, true);
        rig.Sapi->RefuseVolume = refuseVolume;
        QVERIFY(rig.Voice.ApplyVoiceSettings(TVoiceSettings{vkSapi5, index, 40, 3}));
        QCOMPARE(rig.Sapi->Calls, calls);
        // A start without a recorded voice does not wait for the voice list.
        QCOMPARE(rig.Sapi->ListFetches, index < 0 ? 0 : 1);
    }

    void voiceSettingsOfTheRunningEngine() {
        TVoiceRig rig;
        QCOMPARE(rig.Voice.GetVoiceSettings(), (TVoiceSettings{vkNone, -1, 100, 0}));
        rig.Voices = {Token(QStringLiteral("a"), {}), Token(QStringLiteral("b"), {})};
        rig.Offer(false, false, true);
        rig.Voice.StartVoice(vkAuto);
        rig.Sapi->Current = rig.Voices[1];
        rig.Sapi->FVolume = 70;
        rig.Sapi->FRate = -2;
        QCOMPARE(rig.Voice.GetVoiceSettings(), (TVoiceSettings{vkSapi5, 1, 70, -2}));
        QCOMPARE(rig.Voice.FindVoiceIndex(QStringLiteral("c")), -1);
        QCOMPARE(rig.Voice.FindVoiceIndex(QStringLiteral("B")), -1);
        rig.Sapi->Current = Token(QStringLiteral("gone"), {});
        QCOMPARE(rig.Voice.GetVoiceSettings().VoiceIndex, -1);
    }

    void voiceSettingsRecordBytes() {
        const QByteArray bytes = WriteVoiceSettings(TVoiceSettings{vkSapi5, 2, 80, -3});
        QCOMPARE(bytes.toHex(' '), QByteArray("03 00 00 00 02 00 00 00 50 00 00 00 fd ff ff ff "
                                              "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
        QByteArray noisy = bytes;
        noisy[1] = '\x7f'; // alignment and reserved bytes are not read
        noisy[31] = '\x55';
        TVoiceSettings read;
        QVERIFY(ReadVoiceSettings(noisy, read));
        QCOMPARE(read, (TVoiceSettings{vkSapi5, 2, 80, -3}));
        QVERIFY(!ReadVoiceSettings(bytes.left(31), read));
    }

    void soundsAndFiles() {
        TVoiceRig rig;
        QVERIFY(rig.Voice.PlaySoundFile(QStringLiteral("zvonek.wav")));
        rig.Sounds.Starts = false;
        QVERIFY(!rig.Voice.PlaySoundFile(QStringLiteral("x")));
        QCOMPARE(
            rig.Voice.ExecuteFile(QStringLiteral("Help/Help.html"), {}, TShell::ShowNormal, {}),
            42);
    }
};

QTEST_GUILESS_MAIN(TestVoice)
#include "tst_Voice.moc"
