#include "SapiMarkup.h"

#include <QTest>

class TestSapiMarkup : public QObject {
    Q_OBJECT

private slots:
    void translate_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rate");
        QTest::addColumn<bool>("ssml");
        QTest::addColumn<QString>("out");

        QTest::newRow("plain text stays") << "Dobrý den & ahoj" << 0 << false << "Dobrý den & ahoj";
        QTest::newRow("malformed markup read as text")
            << "a <volume level=\"5\">b" << 0 << false << "a <volume level=\"5\">b";
        QTest::newRow("a lone less-than sign") << "1 < 2" << 0 << false << "1 < 2";
        QTest::newRow("volume") << "<volume level=\"50\">tiše</volume> nahlas" << 0 << true
                                << "<speak><prosody volume=\"50%\">tiše</prosody> nahlas</speak>";
        QTest::newRow("empty element reaches to the end of its parent")
            << "<emph>a <volume level=\"20\"/>b</emph> c" << 0 << true
            << "<speak><emphasis>a <prosody volume=\"20%\">b</prosody></emphasis> c</speak>";
        QTest::newRow("empty element at top level reaches to the end")
            << "a <rate speed=\"10\"/>b" << 0 << true
            << "<speak>a <prosody rate=\"300%\">b</prosody></speak>";
        QTest::newRow("slower") << "<rate speed=\"-10\">x</rate>" << 0 << true
                                << "<speak><prosody rate=\"33%\">x</prosody></speak>";
        QTest::newRow("absolute speed against the voice's rate")
            << "<rate absspeed=\"5\">x</rate>" << 5 << true
            << "<speak><prosody rate=\"100%\">x</prosody></speak>";
        QTest::newRow("pitch") << "<pitch middle=\"5\">x</pitch>" << 0 << true
                               << "<speak><prosody pitch=\"150%\">x</prosody></speak>";
        QTest::newRow("silence") << "a<silence msec=\"500\"/>b" << 0 << true
                                 << "<speak>a<break time=\"500ms\"/>b</speak>";
        QTest::newRow("emph and spell") << "<emph>pozor</emph> <spell>ABC</spell>" << 0 << true
                                        << "<speak><emphasis>pozor</emphasis> <say-as "
                                           "interpret-as=\"characters\">ABC</say-as></speak>";
        QTest::newRow("voice by gender and language")
            << "<voice required=\"Gender=Female;Language=405\">x</voice>" << 0 << true
            << "<speak><voice xml:lang=\"cs\" gender=\"female\">x</voice></speak>";
        QTest::newRow("unknown elements keep their text")
            << "<sapi><context id=\"d\">12</context></sapi>" << 0 << true << "<speak>12</speak>";
        QTest::newRow("bad numbers drop the element only")
            << "<volume level=\"hlasitě\">x</volume>" << 0 << true << "<speak>x</speak>";
        QTest::newRow("entities become text again")
            << "<emph>a &amp; b &lt; c</emph>" << 0 << true
            << "<speak><emphasis>a &amp; b &lt; c</emphasis></speak>";
    }
    void translate() {
        QFETCH(QString, text);
        QFETCH(int, rate);
        QFETCH(bool, ssml);
        QFETCH(QString, out);
        const TSpeechText result = TranslateMarkup(text, rate);
        QCOMPARE(result.IsSsml, ssml);
        QCOMPARE(result.Text, out);
    }
};

QTEST_GUILESS_MAIN(TestSapiMarkup)
#include "tst_SapiMarkup.moc"
