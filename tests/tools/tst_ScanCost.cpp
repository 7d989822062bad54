#include "Error.h"
#include "KbtJson.h"
#include "KbtLayout.h"
#include "ScanCost.h"
#include "ScanHeatmap.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

namespace {

// A scanning table of nCol x nRow from its cells in reading order: "" is an empty cell, "SPACE"
// the space key, "TALK" the talk key, "BACK" Backspace, "->x.kbt" a link to x.kbt, anything else
// a text key.
QByteArray Table(int nCol, int nRow, const QStringList &cells) {
    QJsonArray keys;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const QString &c = cells[i];
        if (c.isEmpty())
            continue;
        QJsonObject key;
        if (c == QLatin1String("SPACE"))
            key = {{QStringLiteral("Text"), QStringLiteral("Space")},
                   {QStringLiteral("SpecialKey"), QStringLiteral("Space")}};
        else if (c == QLatin1String("TALK"))
            key = {{QStringLiteral("Text"), QStringLiteral("Talk")},
                   {QStringLiteral("SpecialKey"), QStringLiteral("Talk")}};
        else if (c == QLatin1String("BACK"))
            key = {{QStringLiteral("Text"), QStringLiteral("Back")},
                   {QStringLiteral("SpecialKey"), QStringLiteral("Backspace")}};
        else if (c.startsWith(QLatin1String("->")))
            key = {{QStringLiteral("Text"), c.mid(2)},
                   {QStringLiteral("SpecialKey"), QStringLiteral("Other")},
                   {QStringLiteral("KbdName"), c.mid(2)}};
        else
            key = {{QStringLiteral("Text"), c}};
        keys.append(QJsonObject{{QStringLiteral("col"), int(i % nCol)},
                                {QStringLiteral("row"), int(i / nCol)},
                                {QStringLiteral("key"), key}});
    }
    return BuildFile(QJsonObject{{QStringLiteral("file"), QStringLiteral("table")},
                                 {QStringLiteral("layout"), 1},
                                 {QStringLiteral("nCol"), nCol},
                                 {QStringLiteral("nRow"), nRow},
                                 {QStringLiteral("keys"), keys}});
}

const QStringList Abcdef = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                            QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f")};

} // namespace

class TestScanCost : public QObject {
    Q_OBJECT

private slots:
    // Worked out by hand on a 3 x 2 grid (a b c / d e f) and two linked 2 x 2 tables. A step is
    // one timer period; a press takes the period in which the cursor shows its target, and
    // after a change of sweep the cursor rests one period where it stands.
    void stepsByHand_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("switches");
        QTest::addColumn<int>("stepMs");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<qint64>("steps");
        QTest::addColumn<qint64>("presses");
        // The scan starts in the cell sweep of the first row.
        QTest::newRow("first key") << "a"
                                   << "default" << 1 << 1000 << false << 1LL << 1LL;
        QTest::newRow("along the first row") << "c"
                                             << "default" << 1 << 1000 << false << 3LL << 1LL;
        // a; then row 0 (rest), row 1, press; d (rest), e, press.
        QTest::newRow("row then cell") << "ae"
                                       << "default" << 1 << 1000 << false << 5LL << 3LL;
        QTest::newRow("same key twice") << "aa"
                                        << "default" << 1 << 1000 << false << 3LL << 3LL;
        // Leaving the first row from the start needs a long press (one period at 1000 ms): row 0
        // (rest), row 1, d (rest), e, f; then back up: row 1 (rest), row 0, c (rest), a.
        QTest::newRow("long press, wrapping back")
            << "fa"
            << "default" << 1 << 1000 << false << 10LL << 5LL;
        // At 250 ms the long press (500 ms) holds the cursor two periods; switch 2 takes one.
        QTest::newRow("long press at a short step") << "f"
                                                    << "default" << 1 << 250 << false << 7LL << 3LL;
        QTest::newRow("two switches") << "f"
                                      << "default" << 2 << 250 << false << 6LL << 3LL;
        // Stop mode: a, b (move on), stop, row sweep to row 1, stop, select with switch 2.
        QTest::newRow("stop mode, two switches") << "e"
                                                 << "stop" << 2 << 1000 << false << 5LL << 4LL;
        // Table a.kbt (x y / ->b.kbt) and b.kbt (z / ->a.kbt): a long press to the row sweep,
        // row 0 (rest), row 1, the link (rest, press); b.kbt: row 0 (rest), z.
        QTest::newRow("link key") << "z"
                                  << "default" << 1 << 1000 << true << 6LL << 5LL;
    }
    void stepsByHand() {
        QFETCH(QString, text);
        QFETCH(QString, mode);
        QFETCH(int, switches);
        QFETCH(int, stepMs);
        QFETCH(bool, linked);
        QFETCH(qint64, steps);
        QFETCH(qint64, presses);
        QList<TCostTable> tables;
        if (linked) {
            tables.append(ReadCostTable(
                Table(2, 2, {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("->b.kbt")}),
                QStringLiteral("a.kbt")));
            tables.append(ReadCostTable(
                Table(2, 2, {QStringLiteral("z"), QString(), QStringLiteral("->a.kbt")}),
                QStringLiteral("b.kbt")));
        } else {
            tables.append(ReadCostTable(Table(3, 2, Abcdef), QStringLiteral("t.kbt")));
        }
        TCostOptions options;
        QVERIFY(ParseScanModes(mode, &options.Modes));
        options.Switches = switches;
        options.StepMs = stepMs;
        TScanCost cost(tables, options);
        const TCostReport r = cost.Run(text);
        QCOMPARE(r.Steps, steps);
        QCOMPARE(r.Presses, presses);
        QCOMPARE(r.Chars, qint64(text.size()));
        // Every step and press is some key's.
        qint64 keySteps = 0, keyPresses = 0;
        for (const TKeyUse &use : r.Keys) {
            keySteps += use.Steps;
            keyPresses += use.Presses;
        }
        QCOMPARE(keySteps, steps);
        QCOMPARE(keyPresses, presses);
        QCOMPARE(r.LinksFollowed.isEmpty(), !linked);
    }

    void heatmapTotalsAreTheReports() {
        const QByteArray bytes = Table(3, 2, Abcdef);
        TScanCost cost({ReadCostTable(bytes, QStringLiteral("t.kbt"))}, TCostOptions{});
        const TCostReport r = cost.Run(QStringLiteral("badfacecafe"));
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        QVERIFY(RenderHeatmap(bytes, r, cost.Tables()).save(&png, "PNG"));
        const QImage image = QImage::fromData(png.data(), "PNG");
        QCOMPARE(image.text(QStringLiteral("Steps")).toLongLong(), r.Steps);
        QCOMPARE(image.text(QStringLiteral("Presses")).toLongLong(), r.Presses);
        QCOMPARE(image.text(QStringLiteral("Chars")).toLongLong(), r.Chars);
        QCOMPARE(image.text(QStringLiteral("KeySteps")).toLongLong(), r.Steps);
    }

    void layoutKeepsEveryLetter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("copies");
        QTest::newRow("square") << QStringLiteral("dobrý den\nahoj") << 4 << 4 << 0;
        QTest::newRow("one row") << QStringLiteral("ano ne") << 1 << 16 << 0;
        // ť has no key: its accent and t stay.
        QTest::newRow("by accent") << QStringLiteral("ať jde") << 3 << 6 << 0;
        // Copies of the most used keys fill the cells left over.
        QTest::newRow("with copies") << QStringLiteral("dobrý den\nahoj") << 4 << 5 << 4;
    }
    void layoutKeepsEveryLetter() {
        QFETCH(QString, text);
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(int, copies);
        const QByteArray from = Table(
            6, 3,
            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("d"), QStringLiteral("e"),
             QStringLiteral("h"), QStringLiteral("j"), QStringLiteral("n"), QStringLiteral("o"),
             QStringLiteral("r"), QStringLiteral("t"), QStringLiteral("ý"), QStringLiteral("ˇ"),
             QStringLiteral("SPACE"), QStringLiteral("TALK"), QStringLiteral("BACK"),
             QStringLiteral("?")});
        TLayoutOptions options;
        options.Rows = rows;
        options.Cols = cols;
        options.Iterations = 20000;
        options.Copies = copies;
        const TLayoutResult r = LayOutKeys(from, text, options);
        const TCostTable t = ReadCostTable(r.Table, QStringLiteral("out.kbt"));
        QCOMPARE(t.nRow, rows);
        QCOMPARE(t.nCol, cols);
        // The laid-out table writes the text, and the search never does worse than the bound.
        TScanCost cost({t}, TCostOptions{});
        const TCostReport report = cost.Run(text);
        QVERIFY(report.Steps > 0);
        // With copies the text costs what the search said, but for the first key, which the
        // search leaves out (the scan starts in the first row).
        if (copies > 0) {
            QVERIFY(t.Keys.size() > 13);
            QVERIFY(report.Steps >= r.Steps);
        }
        QVERIFY(r.Steps >= r.LowerBound);
        QStringList outputs;
        for (const TCostKey &k : t.Keys)
            outputs.append(k.Label);
        for (const char *needed : {"Back", "Talk", "Space"})
            QVERIFY2(outputs.contains(QString::fromLatin1(needed)), needed);
    }

    void badInputIsRefused_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("no key writes it")
            << Table(3, 2, Abcdef) << QStringLiteral("cab? x") << QStringLiteral("no key writes");
        QTest::newRow("line break without a talk key")
            << Table(3, 2, Abcdef) << QStringLiteral("a\nb") << QStringLiteral("line break");
        QTest::newRow("empty table")
            << Table(3, 2, {}) << QStringLiteral("a") << QStringLiteral("no keys");
        QTest::newRow("one cell") << Table(1, 1, {QStringLiteral("a")}) << QStringLiteral("a")
                                  << QStringLiteral("one cell");
        QTest::newRow("layout in a grid too small")
            << Table(3, 2, Abcdef) << QStringLiteral("layout:1x2:abc") << QStringLiteral("cells");
        QTest::newRow("layout in a grid too large")
            << Table(3, 2, Abcdef) << QStringLiteral("layout:100x100:abc")
            << QStringLiteral("too large");
        QTest::newRow("layout of a text no key writes")
            << Table(3, 2, Abcdef) << QStringLiteral("layout:3x2:abz") << QStringLiteral("\"z\"");
    }
    void badInputIsRefused() {
        QFETCH(QByteArray, table);
        QFETCH(QString, text);
        QFETCH(QString, message);
        try {
            if (text.startsWith(QLatin1String("layout:"))) {
                const QStringList parts = text.split(QLatin1Char(':'));
                TLayoutOptions options;
                options.Cols = parts[1].section(QLatin1Char('x'), 0, 0).toInt();
                options.Rows = parts[1].section(QLatin1Char('x'), 1, 1).toInt();
                LayOutKeys(table, parts[2], options);
            } else {
                TScanCost cost({ReadCostTable(table, QStringLiteral("t.kbt"))}, TCostOptions{});
                cost.Run(text);
            }
            QFAIL("accepted");
        } catch (const TError &e) {
            QVERIFY2(e.Message().contains(message), qPrintable(e.Message()));
        }
    }

    void predictionSlotsMustFitTheRow() {
        TCostOptions options;
        options.Slots = 5;
        QVERIFY_THROWS_EXCEPTION(
            TError,
            TScanCost({ReadCostTable(Table(3, 2, Abcdef), QStringLiteral("t.kbt"))}, options));
    }
};

QTEST_MAIN(TestScanCost)
#include "tst_ScanCost.moc"
