#include "KeySettingRules.h"
#include "SpecialKey.h"

#include <QTest>

using namespace KeySettingRules;

class TestKeySettingRules : public QObject {
    Q_OBJECT

private slots:
    // Which parts are open, by the key's kind and how many keys are edited together; the
    // letters stand for the symbol page, the other page, text, special list, sound, table.
    void pageState_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("open");
        const int sound = SpecialCodeOf(TSpecialKey::Sound);
        const int other = SpecialCodeOf(TSpecialKey::Other);
        QTest::newRow("text key, nothing selected") << 0 << 0 << "P-T---";
        QTest::newRow("text key alone") << 0 << 1 << "P-T---";
        QTest::newRow("Enter alone") << SpecialCodeOf(TSpecialKey::Enter) << 1 << "P-TS--";
        QTest::newRow("Talk alone") << SpecialCodeOf(TSpecialKey::Talk) << 1 << "P-TS--";
        QTest::newRow("Sound alone") << sound << 1 << "POTSs-";
        QTest::newRow("Other alone") << other << 1 << "POTS-t";
        QTest::newRow("Enter among three") << SpecialCodeOf(TSpecialKey::Enter) << 3 << "------";
        QTest::newRow("Sound among two") << sound << 2 << "----s-";
        QTest::newRow("Other among two") << other << 2 << "-----t";
    }
    void pageState() {
        QFETCH(int, code);
        QFETCH(int, selected);
        QFETCH(QString, open);
        const TPageState s = PageState(code, selected);
        const auto flag = [](bool on, char letter) {
            return on ? QLatin1Char(letter) : QLatin1Char('-');
        };
        const QString shown = QString() + flag(s.SymbolPage, 'P') + flag(s.OtherPage, 'O') +
                              flag(s.TextEnabled, 'T') + flag(s.SpecialEnabled, 'S') +
                              flag(s.SoundEnabled, 's') + flag(s.TableEnabled, 't');
        QCOMPARE(shown, open);
    }

    void formatAspect_data() {
        QTest::addColumn<double>("aspect");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 0.5 << "C"
                              << "0.5";
        QTest::newRow("whole") << 1.0 << "C"
                               << "1";
        QTest::newRow("two thirds") << 2.0 / 3.0 << "C"
                                    << "0.6667";
        QTest::newRow("none") << 0.0 << "C"
                              << "0";
        QTest::newRow("negative") << -1.5 << "C"
                                  << "-1.5";
        QTest::newRow("large") << 12345.0 << "C"
                               << "1.235E4";
        QTest::newRow("rounds up to large") << 9999.7 << "C"
                                            << "1E4";
        QTest::newRow("tiny") << 0.000001 << "C"
                              << "1E-6";
        QTest::newRow("decimal comma") << 0.5 << "cs_CZ"
                                       << "0,5";
    }
    void formatAspect() {
        QFETCH(double, aspect);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(FormatAspect(aspect, QLocale(locale)), text);
        // What the field shows reads back as the same number.
        const std::optional<double> back = ParseAspect(text, QLocale(locale));
        QVERIFY(back && qAbs(*back - aspect) <= qAbs(aspect) * 1e-3);
    }

    void parseAspect_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("blanks around") << " 2 "
                                       << "C" << true << 2.0;
        QTest::newRow("exponent") << "1.5E2"
                                  << "C" << true << 150.0;
        QTest::newRow("point in comma locale") << "0.75"
                                               << "cs_CZ" << true << 0.75;
        // A comma must not pass as a thousands separator and turn 1,5 into 15.
        QTest::newRow("comma in point locale") << "1,5"
                                               << "C" << false << 0.0;
        QTest::newRow("letters") << "abc"
                                 << "C" << false << 0.0;
        QTest::newRow("empty") << ""
                               << "C" << false << 0.0;
        QTest::newRow("trailing junk") << "0.5x"
                                       << "C" << false << 0.0;
        QTest::newRow("infinity") << "inf"
                                  << "C" << false << 0.0;
        QTest::newRow("not a number") << "nan"
                                      << "C" << false << 0.0;
        QTest::newRow("overflow") << "1e999"
                                  << "C" << false << 0.0;
    }
    void parseAspect() {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(bool, ok);
        const std::optional<double> parsed = ParseAspect(text, QLocale(locale));
        QCOMPARE(parsed.has_value(), ok);
        if (ok)
            QTEST(*parsed, "value");
    }
};

QTEST_MAIN(TestKeySettingRules)
#include "tst_KeySettingRules.moc"
