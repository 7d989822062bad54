#include "VoiceChoice.h"
#include "VoiceDialogStrings.h"
#include "VoicePictures.h"

#include <QTest>

namespace {

TVoiceInfo Voice(const char *vendor, const char *name = "v") {
    TVoiceInfo info;
    info.Vendor = QString::fromUtf8(vendor);
    info.Name = QString::fromUtf8(name);
    return info;
}

} // namespace

class TestVoiceChoice : public QObject {
    Q_OBJECT

private slots:
    void groupByVendor_data() {
        QTest::addColumn<QList<TVoiceInfo>>("voices");
        QTest::addColumn<QList<TVendorGroup>>("groups");
        QTest::newRow("no voices") << QList<TVoiceInfo>{} << QList<TVendorGroup>{};
        QTest::newRow("two voices of one vendor")
            << QList<TVoiceInfo>{Voice("A"), Voice("A")}
            << QList<TVendorGroup>{{QStringLiteral("A"), {0, 1}}};
        QTest::newRow("vendors in the order first met")
            << QList<TVoiceInfo>{Voice("B"), Voice("A"), Voice("B")}
            << QList<TVendorGroup>{{QStringLiteral("B"), {0, 2}}, {QStringLiteral("A"), {1}}};
        QTest::newRow("letter case tells vendors apart")
            << QList<TVoiceInfo>{Voice("eSpeak"), Voice("espeak")}
            << QList<TVendorGroup>{{QStringLiteral("eSpeak"), {0}},
                                   {QStringLiteral("espeak"), {1}}};
        // A voice named like a later vendor must not become that vendor's node.
        QTest::newRow("voice named like a vendor")
            << QList<TVoiceInfo>{Voice("A", "B"), Voice("B", "x")}
            << QList<TVendorGroup>{{QStringLiteral("A"), {0}}, {QStringLiteral("B"), {1}}};
    }
    void groupByVendor() {
        QFETCH(QList<TVoiceInfo>, voices);
        QFETCH(QList<TVendorGroup>, groups);
        QCOMPARE(GroupByVendor(voices), groups);
    }

    void pictureOfVoice_data() {
        QTest::addColumn<int>("genderCode");
        QTest::addColumn<int>("picture");
        QTest::newRow("male") << 2 << int(vpMale);
        QTest::newRow("female") << 1 << int(vpFemale);
        QTest::newRow("unknown") << 0 << int(vpOther);
        QTest::newRow("out of range") << 7 << int(vpOther);
    }
    void pictureOfVoice() {
        QFETCH(int, genderCode);
        QFETCH(int, picture);
        QCOMPARE(int(PictureOfVoice(genderCode)), picture);
    }

    void picturesDifferAndShow() {
        QList<QImage> images;
        for (int i = 0; i < 4; ++i) {
            const QImage image = VoicePictureImage(TVoicePicture(i));
            QCOMPARE(image.size(), QSize(16, 16));
            int opaque = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    opaque += qAlpha(image.pixel(x, y)) > 128;
            QVERIFY2(opaque > 20, qPrintable(QString::number(i)));
            QVERIFY(!images.contains(image));
            images.append(image);
        }
    }

    // The output list's entries, the kind each starts and the entry each engine shows.
    void outputItems_data() {
        QTest::addColumn<int>("engine");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("settings");
        QTest::newRow("none") << int(veNone) << 0 << int(vkNone) << false;
        QTest::newRow("system engine") << int(veSapi5) << 1 << int(vkSapi5) << true;
        QTest::newRow("automation server") << int(veComServer) << 2 << int(vkCSVoice) << true;
        QTest::newRow("command server") << int(veDdeServer) << 2 << int(vkCSVoice) << false;
    }
    void outputItems() {
        QFETCH(int, engine);
        QFETCH(int, item);
        QFETCH(int, kind);
        QFETCH(bool, settings);
        QCOMPARE(OutputItemOfEngine(TVoiceEngine(engine)), item);
        QCOMPARE(int(KindOfOutputItem(item)), kind);
        // The kind an entry starts runs an engine that shows that same entry.
        QCOMPARE(int(KindOfEngine(TVoiceEngine(engine))), kind);
        QCOMPARE(EngineHasSettings(TVoiceEngine(engine)), settings);
    }

    void itemsOutsideTheList() {
        QCOMPARE(int(KindOfOutputItem(-1)), int(vkNone));
        QCOMPARE(int(KindOfOutputItem(kOutputItemCount)), int(vkNone));
    }

    void sampleSentence_data() {
        QTest::addColumn<int>("languageId");
        QTest::addColumn<QString>("sample");
        QTest::newRow("Czech") << 0x405 << QString(VoiceDialogStrings::CzechSample);
        QTest::newRow("English") << 0x409 << QString(VoiceDialogStrings::EnglishSample);
        QTest::newRow("Slovak is not Czech") << 0x41B << QString(VoiceDialogStrings::EnglishSample);
        QTest::newRow("no language") << 0 << QString(VoiceDialogStrings::EnglishSample);
    }
    void sampleSentence() {
        QFETCH(int, languageId);
        QFETCH(QString, sample);
        QCOMPARE(SampleSentence(languageId), sample);
    }

    void languageName_data() {
        QTest::addColumn<int>("localeId");
        QTest::addColumn<QString>("name");
        QTest::newRow("Czech") << 0x405 << QStringLiteral("čeština");
        QTest::newRow("American English") << 0x409 << QStringLiteral("English (United States)");
        QTest::newRow("Brazilian Portuguese") << 0x416 << QStringLiteral("português (Brasil)");
        QTest::newRow("German") << 0x407 << QStringLiteral("Deutsch");
        QTest::newRow("Slovak") << 0x41B << QStringLiteral("slovenčina");
        QTest::newRow("unknown") << 0x1234 << QString();
        QTest::newRow("none") << 0 << QString();
    }
    void languageName() {
        QFETCH(int, localeId);
        QFETCH(QString, name);
        QCOMPARE(LanguageName(localeId), name);
    }

    // A voice without a locale of ours still shows its language by the tag ending its Id.
    void voiceLanguageName_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("localeId");
        QTest::addColumn<QString>("name");
        QTest::newRow("by locale")
            << QStringLiteral("zlw/cs") << 0x405 << QStringLiteral("čeština");
        QTest::newRow("by the Id's tag")
            << QStringLiteral("art/eo") << 0 << QStringLiteral("esperanto");
        QTest::newRow("tag with a region")
            << QStringLiteral("roa/pt-BR") << 0 << QStringLiteral("português (Brasil)");
        QTest::newRow("nothing to go by")
            << QStringLiteral("mb/mb-xx1") << 0 << QStringLiteral("neznámý");
    }
    void voiceLanguageName() {
        QFETCH(QString, id);
        QFETCH(int, localeId);
        QFETCH(QString, name);
        TVoiceInfo info;
        info.Id = id;
        info.LanguageId = localeId;
        info.Language = QStringLiteral("neznámý");
        QCOMPARE(VoiceLanguageName(info), name);
    }

    void textWithLineBreaks_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("one line") << QStringLiteral("Ahoj") << QStringLiteral("Ahoj\r\n");
        QTest::newRow("two lines") << QStringLiteral("a\nb") << QStringLiteral("a\r\nb\r\n");
        QTest::newRow("empty last line") << QStringLiteral("a\n") << QStringLiteral("a\r\n\r\n");
    }
    void textWithLineBreaks() {
        QFETCH(QString, plain);
        QFETCH(QString, text);
        QCOMPARE(TextWithLineBreaks(plain), text);
    }
};

QTEST_GUILESS_MAIN(TestVoiceChoice)
#include "tst_VoiceChoice.moc"
