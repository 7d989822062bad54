#include "KeyLayout.h"
#include "KeyStatus.h"
#include "KeyTestSupport.h"
#include "SpecialKey.h"

#include <QTest>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(TKeyLayoutInput)
Q_DECLARE_METATYPE(TKeyLayout)

namespace {

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

TKeyLayoutInput Key(int w, int h, int border, int tw, int th, int pressed = 0) {
    TKeyLayoutInput in;
    in.Width = w;
    in.Height = h;
    in.BorderWidth = border;
    in.TextWidth = tw;
    in.TextHeight = th;
    in.Pressed = pressed;
    return in;
}

TKeyLayoutInput WithSymbol(TKeyLayoutInput in, double aspect = 0) {
    in.HasSymbol = true;
    in.Aspect = aspect;
    return in;
}

TKeyLayoutInput WithTextSh(TKeyLayoutInput in, int sw, int sh) {
    in.TextShEmpty = false;
    in.TextShWidth = sw;
    in.TextShHeight = sh;
    return in;
}

TKeyLayout Expect(TKeyRect symbol, TKeyRect text, TKeyRect textSh) {
    return TKeyLayout{symbol, text, textSh};
}

} // namespace

class TestKeyLayout : public QObject {
    Q_OBJECT

private slots:
    void layout_data() {
        QTest::addColumn<TKeyLayoutInput>("in");
        QTest::addColumn<TKeyLayout>("expected");
        // The unused shifted-text box is (0, 0, 0, 0) before the final side clamp, which moves
        // its left edge to p + 2; it stays empty and nothing is drawn in it.
        const TKeyRect noSh{2, 0, 0, 0};
        const TKeyRect noShPressed{3, 0, 0, 0};

        QTest::newRow("symbol") << WithSymbol(Key(100, 100, 5, 40, 16))
                                << Expect({5, 5, 95, 74}, {29, 79, 71, 96}, noSh);
        QTest::newRow("symbol, pressed") << WithSymbol(Key(100, 100, 5, 40, 16, 1))
                                         << Expect({6, 6, 96, 75}, {30, 80, 72, 97}, noShPressed);
        QTest::newRow("aspect 1, area too wide") << WithSymbol(Key(100, 100, 5, 40, 16), 1.0)
                                                 << Expect({15, 5, 85, 74}, {29, 79, 71, 96}, noSh);
        QTest::newRow("aspect 1, area too tall")
            << WithSymbol(Key(100, 200, 5, 40, 16), 1.0)
            << Expect({5, 44, 95, 135}, {29, 140, 71, 157}, noSh);
        // 90 x 0.25 = 22.5 rounds to 22, not 23.
        QTest::newRow("aspect, w x aspect half to even")
            << WithSymbol(Key(100, 101, 5, 40, 16), 0.25)
            << Expect({5, 29, 95, 51}, {29, 56, 71, 73}, noSh);
        // 69 / 2 = 34.5 rounds to 34, not 35.
        QTest::newRow("aspect, h / aspect half to even")
            << WithSymbol(Key(100, 100, 5, 40, 16), 2.0)
            << Expect({33, 5, 67, 74}, {29, 79, 71, 96}, noSh);
        QTest::newRow("negative aspect stretches")
            << WithSymbol(Key(100, 100, 5, 40, 16), -1.0)
            << Expect({5, 5, 95, 74}, {29, 79, 71, 96}, noSh);
        QTest::newRow("NaN aspect stretches") << WithSymbol(Key(100, 100, 5, 40, 16), std::nan(""))
                                              << Expect({5, 5, 95, 74}, {29, 79, 71, 96}, noSh);
        QTest::newRow("zero-wide symbol area with aspect")
            << WithSymbol(Key(10, 100, 5, 4, 16), 1.0)
            << Expect({5, 39, 5, 40}, {2, 45, 8, 62}, noSh);
        // d = (-1 - 0) div 2 is 0 when truncating; flooring would give -1.
        QTest::newRow("negative area, div truncates toward zero")
            << WithSymbol(Key(6, 30, 5, 40, 16), 0.1) << Expect({5, 5, 1, 4}, {2, 9, 4, 26}, noSh);
        QTest::newRow("text only")
            << Key(100, 100, 5, 40, 16) << Expect({5, 5, 95, 74}, {29, 41, 71, 59}, noSh);
        QTest::newRow("text only, pressed")
            << Key(100, 100, 5, 40, 16, 1) << Expect({6, 6, 96, 75}, {30, 42, 72, 60}, noShPressed);
        QTest::newRow("odd sizes")
            << Key(101, 51, 5, 41, 17) << Expect({5, 5, 96, 24}, {29, 16, 72, 35}, noSh);
        QTest::newRow("text wider than the key")
            << Key(100, 100, 5, 300, 16) << Expect({5, 5, 95, 74}, {2, 41, 98, 59}, noSh);
        QTest::newRow("text wider than the key, pressed")
            << Key(100, 100, 5, 300, 16, 1) << Expect({6, 6, 96, 75}, {3, 42, 99, 60}, noShPressed);
        QTest::newRow("text taller than the key")
            << Key(100, 20, 5, 40, 30) << Expect({5, 5, 95, -20}, {29, 2, 71, 18}, noSh);
        QTest::newRow("two texts") << WithTextSh(Key(100, 100, 5, 40, 16), 30, 16)
                                   << Expect({5, 5, 95, 74}, {29, 65, 71, 85}, {34, 15, 66, 35});
        QTest::newRow("two texts, pressed")
            << WithTextSh(Key(100, 100, 5, 40, 16, 1), 30, 16)
            << Expect({6, 6, 96, 75}, {30, 66, 72, 86}, {35, 16, 67, 36});
        QTest::newRow("two texts in a low key")
            << WithTextSh(Key(100, 30, 5, 40, 16), 30, 16)
            << Expect({5, 5, 95, 4}, {29, 16, 71, 28}, {34, 2, 66, 14});
        QTest::newRow("symbol hides the shifted text")
            << WithSymbol(WithTextSh(Key(100, 100, 5, 40, 16), 30, 16))
            << Expect({5, 5, 95, 74}, {29, 79, 71, 96}, noSh);
        QTest::newRow("text under the symbol clamped")
            << WithSymbol(Key(100, 100, 0, 40, 16))
            << Expect({0, 0, 100, 84}, {29, 84, 71, 98}, noSh);
        QTest::newRow("absurd border saturates")
            << WithSymbol(Key(100, 100, IntMax, 40, 16))
            << Expect({IntMax, IntMax, 100 - IntMax, IntMin}, {29, -2147483563, 71, -2147483546},
                      noSh);
    }
    void layout() {
        QFETCH(TKeyLayoutInput, in);
        QFETCH(TKeyLayout, expected);
        const TKeyLayout got = KeyLayout(in);
        QCOMPARE(got.SymbolRect, expected.SymbolRect);
        QCOMPARE(got.TextBounds, expected.TextBounds);
        QCOMPARE(got.TextShBounds, expected.TextShBounds);
    }

    void roundHalfEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("0.5") << 0.5 << qint64(0);
        QTest::newRow("1.5") << 1.5 << qint64(2);
        QTest::newRow("2.5") << 2.5 << qint64(2);
        QTest::newRow("2.4999") << 2.4999 << qint64(2);
        QTest::newRow("2.5001") << 2.5001 << qint64(3);
        QTest::newRow("-0.5") << -0.5 << qint64(0);
        QTest::newRow("-1.5") << -1.5 << qint64(-2);
        QTest::newRow("-2.5") << -2.5 << qint64(-2);
        QTest::newRow("huge") << 1e300 << (qint64(1) << 53);
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << (qint64(1) << 53);
        QTest::newRow("-infinity")
            << -std::numeric_limits<double>::infinity() << -(qint64(1) << 53);
        QTest::newRow("NaN") << std::nan("") << qint64(0);
    }
    void roundHalfEven() {
        QFETCH(double, value);
        QFETCH(qint64, expected);
        QCOMPARE(RoundHalfEven(value), expected);
    }

    void keyRectToQRect() {
        // Right and bottom are exclusive here and inclusive in QRect.
        const QRect r = TKeyRect{5, 5, 95, 74}.ToQRect();
        QCOMPARE(r.left(), 5);
        QCOMPARE(r.right(), 94);
        QCOMPARE(r.bottom(), 73);
        QVERIFY(TKeyRect({2, 0, 0, 0}).IsEmpty());
        QVERIFY(TKeyRect({IntMin, 0, IntMax, 1}).ToQRect().width() > 0);
    }

    void specialKeyIdents() {
        for (int i = 0; i < SpecialKeyCount; ++i) {
            const QByteArray ident(SpecialKeyIdents[std::size_t(i)]);
            QCOMPARE(SpecialKeyFromIdent(ident), std::optional<TSpecialKey>(TSpecialKey(i)));
            QCOMPARE(SpecialKeyFromIdent(ident.toLower()),
                     std::optional<TSpecialKey>(TSpecialKey(i)));
        }
        // Display names are not identifiers.
        QCOMPARE(QLatin1String(SpecialKeyNames[std::size_t(TSpecialKey::Eol)]),
                 QLatin1String("End"));
        QVERIFY(!SpecialKeyFromIdent("End"));
        QVERIFY(!SpecialKeyFromIdent("Page Up"));
        QVERIFY(!SpecialKeyFromIdent(""));
        QCOMPARE(SpecialCodeOf(TSpecialKey::Print), 251);
        QCOMPARE(SpecialCodeOf(TSpecialKey::ClearLn), 252);
    }

    void statusNames_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QList<QByteArray>>("names");
        QTest::newRow("empty") << 0 << QList<QByteArray>{};
        QTest::newRow("default") << int(vxo3Deffect | vxoSendClick)
                                 << QList<QByteArray>{"vxo3Deffect", "vxoSendClick"};
        QTest::newRow("all, ordinal order")
            << int(vxoSendClick | vxoEdit | vxo3Deffect)
            << QList<QByteArray>{"vxoEdit", "vxo3Deffect", "vxoSendClick"};
    }
    void statusNames() {
        QFETCH(int, status);
        QFETCH(QList<QByteArray>, names);
        QCOMPARE(StatusNames(TVxKeyStatus(status)), names);
        QCOMPARE(StatusFromNames(names), std::optional<TVxKeyStatus>(TVxKeyStatus(status)));
    }
    void statusFromNamesRejectsUnknown() {
        QCOMPARE(StatusFromNames({"VXOEDIT"}), std::optional<TVxKeyStatus>(vxoEdit));
        QVERIFY(!StatusFromNames({"vxoEdit", "vxoBogus"}));
    }
};

QTEST_GUILESS_MAIN(TestKeyLayout)
#include "tst_KeyLayout.moc"
