#include "KeySettingRules.h"

#include <QTest>

using namespace KeySettingRules;

class TestKeySettingRules : public QObject {
    Q_OBJECT

private slots:
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
