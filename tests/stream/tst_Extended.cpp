#include "Extended.h"

#include <QTest>
#include <bit>
#include <limits>

using TExtended = std::array<std::uint8_t, 10>;
Q_DECLARE_METATYPE(TExtended)

namespace {

TExtended Ext(const char *hex) {
    const QByteArray bytes = QByteArray::fromHex(hex);
    TExtended ext{};
    std::copy(bytes.begin(), bytes.end(), ext.begin());
    return ext;
}

quint64 Bits(double d) {
    return std::bit_cast<quint64>(d);
}

} // namespace

class TestExtended : public QObject {
    Q_OBJECT

private slots:
    // Doubles whose extended form is exact: both directions must agree bit for bit.
    void exact_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<TExtended>("ext");
        QTest::newRow("0.9") << 0.9 << Ext("00686666666666E6FE3F");
        QTest::newRow("1") << 1.0 << Ext("0000000000000080FF3F");
        QTest::newRow("-2.5") << -2.5 << Ext("00000000000000A000C0");
        QTest::newRow("0") << 0.0 << Ext("00000000000000000000");
        QTest::newRow("-0") << -0.0 << Ext("00000000000000000080");
        QTest::newRow("smallest denormal")
            << std::numeric_limits<double>::denorm_min() << Ext("0000000000000080CD3B");
        QTest::newRow("largest denormal")
            << std::bit_cast<double>(0x000FFFFFFFFFFFFFull) << Ext("00F0FFFFFFFFFFFF003C");
        QTest::newRow("smallest normal")
            << std::numeric_limits<double>::min() << Ext("0000000000000080013C");
        QTest::newRow("largest") << std::numeric_limits<double>::max()
                                 << Ext("00F8FFFFFFFFFFFFFE43");
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity()
                                  << Ext("0000000000000080FF7F");
        QTest::newRow("-infinity")
            << -std::numeric_limits<double>::infinity() << Ext("0000000000000080FFFF");
    }
    void exact() {
        QFETCH(double, value);
        QFETCH(TExtended, ext);
        QCOMPARE(ExtendedFromDouble(value), ext);
        QCOMPARE(Bits(DoubleFromExtended(ext)), Bits(value));
    }

    // Extended values as the x87 unit stores them, with more precision or range than a double.
    void rounding_data() {
        QTest::addColumn<TExtended>("ext");
        QTest::addColumn<quint64>("bits");
        QTest::newRow("x87 pi") << Ext("35C26821A2DA0FC90040") << 0x400921FB54442D18ull;
        QTest::newRow("x87 0.9") << Ext("66666666666666E6FE3F") << 0x3FECCCCCCCCCCCCDull;
        QTest::newRow("x87 1/3") << Ext("ABAAAAAAAAAAAAAAFD3F") << 0x3FD5555555555555ull;
        QTest::newRow("x87 0.1") << Ext("CDCCCCCCCCCCCCCCFB3F") << 0x3FB999999999999Aull;
        QTest::newRow("tie stays even") << Ext("0004000000000080FF3F") << 0x3FF0000000000000ull;
        QTest::newRow("tie rounds up to even")
            << Ext("000C000000000080FF3F") << 0x3FF0000000000002ull;
        QTest::newRow("carry into exponent")
            << Ext("FFFFFFFFFFFFFFFFFF3F") << 0x4000000000000000ull;
        QTest::newRow("rounds past the largest")
            << Ext("FFFFFFFFFFFFFFFFFE43") << 0x7FF0000000000000ull;
        QTest::newRow("huge") << Ext("00000000000000800070") << 0x7FF0000000000000ull;
        QTest::newRow("-huge") << Ext("000000000000008000F0") << 0xFFF0000000000000ull;
        QTest::newRow("tiny") << Ext("00000000000000800001") << 0ull;
        QTest::newRow("-tiny") << Ext("00000000000000800081") << 0x8000000000000000ull;
        QTest::newRow("extended denormal") << Ext("01000000000000000000") << 0ull;
        QTest::newRow("denormal tie to even") << Ext("00000000000000C0CD3B") << 2ull;
        QTest::newRow("half the smallest denormal") << Ext("0000000000000080CC3B") << 0ull;
        QTest::newRow("just over half") << Ext("0100000000000080CC3B") << 1ull;
        QTest::newRow("up to the smallest normal")
            << Ext("FFFFFFFFFFFFFFFF003C") << 0x0010000000000000ull;
        QTest::newRow("unnormal by its value")
            << Ext("0000000000000040FF3F") << 0x3FE0000000000000ull;
    }
    void rounding() {
        QFETCH(TExtended, ext);
        QFETCH(quint64, bits);
        QCOMPARE(Bits(DoubleFromExtended(ext)), bits);
    }

    void notANumberStaysNotANumber_data() {
        QTest::addColumn<TExtended>("ext");
        QTest::newRow("x87 indefinite") << Ext("00000000000000C0FFFF");
        QTest::newRow("signalling, payload only in low bits") << Ext("0100000000000080FF7F");
        QTest::newRow("from a double NaN")
            << ExtendedFromDouble(std::numeric_limits<double>::quiet_NaN());
    }
    void notANumberStaysNotANumber() {
        QFETCH(TExtended, ext);
        const double d = DoubleFromExtended(ext);
        QVERIFY(d != d);
    }

    void everyDoubleSurvivesTheRoundTrip() {
        quint64 state = 0x9E3779B97F4A7C15ull;
        for (int i = 0; i < 200000; ++i) {
            state = state * 6364136223846793005ull + 1442695040888963407ull;
            const double d = std::bit_cast<double>(state);
            if (d != d)
                continue;
            const quint64 back = Bits(DoubleFromExtended(ExtendedFromDouble(d)));
            if (back != state)
                QFAIL(qPrintable(QStringLiteral("%1 came back as %2")
                                     .arg(state, 16, 16, QLatin1Char('0'))
                                     .arg(back, 16, 16, QLatin1Char('0'))));
        }
    }
};

QTEST_GUILESS_MAIN(TestExtended)
#include "tst_Extended.moc"
