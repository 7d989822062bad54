#include "Error.h"
#include "GridValues.h"
#include "TimeGrid.h"
#include "VxKey.h"

#include <QTest>
#include <QTimer>
#include <optional>

namespace {

constexpr int kSpace = 32;
constexpr int kEnter = 13;
constexpr int kF8 = 119; // switches the editing mode, so it is no switch

// Values unlike the grid's own in every field.
TGridValues Edited() {
    TGridValues v;
    v.Columns = 7;
    v.Rows = 3;
    v.Grid = {0x00112233, 2};
    v.Cursor = {0x00445566, 5};
    v.Focus = {0xFF000005, 6}; // a system colour
    v.Interval = 1300;
    v.LongPress = 700;
    v.SwitchCode1 = kSpace;
    v.SwitchCode2 = kEnter;
    v.ScanModes = smShowX | smStop;
    v.PointByMouse = true;
    v.Access.AcceptTime = 150;
    v.Access.Prompts = true;
    return v;
}

} // namespace

// What QCOMPARE prints when two sets of values differ.
char *toString(const TGridValues &v) {
    return qstrdup(QStringLiteral("%1x%2 pens %3/%4 %5/%6 %7/%8 step %9 long %10 switches %11,%12 "
                                  "modes %13 mouse %14")
                       .arg(v.Columns)
                       .arg(v.Rows)
                       .arg(v.Grid.Color, 0, 16)
                       .arg(v.Grid.Width)
                       .arg(v.Cursor.Color, 0, 16)
                       .arg(v.Cursor.Width)
                       .arg(v.Focus.Color, 0, 16)
                       .arg(v.Focus.Width)
                       .arg(v.Interval)
                       .arg(v.LongPress)
                       .arg(v.SwitchCode1)
                       .arg(v.SwitchCode2)
                       .arg(v.ScanModes)
                       .arg(v.PointByMouse)
                       .toUtf8()
                       .constData());
}

// The grid dialog's values on a real grid and scan timer, without the dialog.
class TestGridValues : public QObject {
    Q_OBJECT

private slots:
    // What Apply writes, in its order: the access first, then the grid up to the long press;
    // a refused switch pair stops it there with the dialog's words, and leaves the switches,
    // the keys' focus frame, the scanning mode and the mouse as they were.
    void applyStopsAtRefusedSwitches_data() {
        QTest::addColumn<int>("code1");
        QTest::addColumn<int>("code2");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("two keys") << kSpace << kEnter << QString();
        QTest::newRow("switch 1 names no key")
            << 0 << kEnter << QStringLiteral("Invalid key code for switch 1");
        QTest::newRow("switch 2 names no key")
            << kSpace << 0 << QStringLiteral("Invalid key code for switch 2");
        QTest::newRow("neither names a key")
            << 0 << 0 << QStringLiteral("Invalid key code for switch 1");
        QTest::newRow("switch 1 on the editing key")
            << kF8 << kEnter
            << QStringLiteral("Spínač 1: klávesa F8 přepíná nastavení, spínačem být nemůže.");
        QTest::newRow("switch 2 on the editing key")
            << kSpace << kF8
            << QStringLiteral("Spínač 2: klávesa F8 přepíná nastavení, spínačem být nemůže.");
        QTest::newRow("one key for both")
            << kEnter << kEnter
            << QStringLiteral("Spínač 1 a spínač 2 nemohou být stejná klávesa.");
    }
    void applyStopsAtRefusedSwitches() {
        QFETCH(int, code1);
        QFETCH(int, code2);
        QFETCH(QString, refusal);
        TTimeGrid grid;
        grid.SetSwCode1(65);
        grid.SetSwCode2(66);
        QTimer timer;
        timer.setInterval(1000);
        TGridValues before;
        before.Fill(grid, &timer);
        TVxKey::ActiveFrameWidth = 1;

        TGridValues v = Edited();
        v.SwitchCode1 = code1;
        v.SwitchCode2 = code2;
        std::optional<TScanAccess> applied;
        int columnsMeanwhile = 0;
        QString thrown;
        try {
            v.Apply(grid, &timer, [&](const TScanAccess &access) {
                applied = access;
                columnsMeanwhile = grid.nCol();
            });
        } catch (const TError &e) {
            thrown = e.Message();
        }
        QCOMPARE(thrown, refusal);
        QCOMPARE(applied, std::optional(v.Access));
        QCOMPARE(columnsMeanwhile, before.Columns);

        TGridValues after;
        after.Fill(grid, &timer);
        // Up to the switches every value is the dialog's; from them on, all or nothing.
        TGridValues expected = v;
        expected.Access = after.Access;
        if (!refusal.isEmpty()) {
            expected.SwitchCode1 = before.SwitchCode1;
            expected.SwitchCode2 = before.SwitchCode2;
            expected.ScanModes = before.ScanModes;
            expected.PointByMouse = before.PointByMouse;
        }
        QCOMPARE(after, expected);
        QCOMPARE(TVxKey::ActiveFrameWidth, refusal.isEmpty() ? v.Focus.Width : 1);
        // The grid keeps its own line styles.
        QCOMPARE(grid.PenCursor().Style, Qt::SolidLine);
    }

    // Fill takes back what Apply wrote; without a scan timer the step, and always the access,
    // stay what they were.
    void fillTakesWhatApplyWrote() {
        TTimeGrid grid;
        QTimer timer;
        const TGridValues v = Edited();
        v.Apply(grid, &timer, nullptr);
        TGridValues back;
        back.Fill(grid, &timer);
        TGridValues expected = v;
        expected.Access = TScanAccess();
        QCOMPARE(back, expected);

        TGridValues kept = v;
        kept.Interval = 4200;
        kept.Fill(grid, nullptr);
        QCOMPARE(kept.Interval, 4200);
        QCOMPARE(kept.Access, v.Access);
        QCOMPARE(kept.Columns, v.Columns);
    }
};

QTEST_MAIN(TestGridValues)
#include "tst_GridValues.moc"
