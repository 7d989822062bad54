#include "ScanActions.h"
#include "ScanMachine.h"
#include "SlotRowScan.h"

#include <QTest>

namespace {

// The grid as the scan sees it: a cursor the way the grid's setters keep it (a value not below
// the count is ignored, -1 is taken) and the cells it was asked to click.
class TFakeGrid : public TScanActions {
public:
    TScanCursor Cursor{0, 0, 3, 2};
    QStringList *Log = nullptr;

    TScanCursor ScanCursor() const override { return Cursor; }
    void MoveCursor(int col, int row) override {
        Cursor.Col = col < Cursor.ColCount ? col : Cursor.Col;
        Cursor.Row = row < Cursor.RowCount ? row : Cursor.Row;
    }
    void ClickCell() override { *Log << QStringLiteral("K%1,%2").arg(Cursor.Col).arg(Cursor.Row); }
    void PointToCell() override {}
    void ShowCellFrame() override {}
    void SwitchReleased(quint16, qint32) override {}
};

class TFakeSlots : public TSlotCursor {
public:
    int Count = 4;
    int Shown = -1;
    QStringList *Log = nullptr;

    int SlotCount() const override { return Count; }
    void ShowSlotCursor(int slot, bool) override { Shown = slot; }
    void ClickSlot(int slot) override { *Log << QStringLiteral("S%1").arg(slot); }
    void PointToSlot(int) override {}
};

constexpr quint16 Sw1 = 32;

} // namespace

class TestSlotRowScan : public QObject {
    Q_OBJECT

private slots:
    // The slot row is row 0 of the scan, with its own number of cells; the grid's rows follow
    // it. Script: t a timer step, 1 a short release of switch 1. The trace holds the
    // cursor (column,row of the scan) after each step and what was clicked: S a slot, K a cell of
    // the grid in the grid's own coordinates.
    void ScanOrder_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("modes");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("trace");
        const int rows = TScanMachine::psRowSweep, cells = TScanMachine::psCellSweep;
        QTest::newRow("rows: slots, then the grid's rows, round again")
            << true << 0 << rows << "ttt"
            << "0,1 0,2 0,0";
        QTest::newRow("the slot row wraps at its own count") << true << 0 << cells << "tttt"
                                                             << "1,0 2,0 3,0 0,0";
        QTest::newRow("a grid row wraps at the grid's columns") << true << 0 << rows << "t1tttt"
                                                                << "0,1 0,1 0,1 1,1 2,1 0,1";
        QTest::newRow("a slot is chosen, the scan resumes as the grid's")
            << true << 0 << cells << "tt1"
            << "1,0 2,0 S2 2,0";
        QTest::newRow("a key below the slots is clicked in grid coordinates")
            << true << 0 << rows << "tt1tt1"
            << "0,1 0,2 0,2 0,2 1,2 K1,1 1,2";
        QTest::newRow("off: the grid's own scan") << false << 0 << rows << "ttt"
                                                  << "0,1 0,0 0,1";
    }
    void ScanOrder() {
        QFETCH(bool, enabled);
        QFETCH(int, modes);
        QFETCH(int, phase);
        QFETCH(QString, script);
        QFETCH(QString, trace);
        QStringList log;
        TFakeGrid grid;
        grid.Log = &log;
        TFakeSlots slotRow;
        slotRow.Log = &log;
        TScanMachine machine;
        TSlotRowScan scan(&grid, &slotRow, &machine);
        machine.SetActions(&scan);
        machine.SetScanModes(TScanModes::fromInt(modes));
        scan.SetEnabled(enabled);
        machine.SetScanPhase(quint8(phase));
        for (const QChar step : script) {
            if (step == QLatin1Char('t')) {
                machine.ScanTick();
            } else {
                machine.SwitchDown(Sw1, 0);
                machine.SwitchUp(Sw1, 100);
            }
            const TScanCursor at = scan.ScanCursor();
            log << QStringLiteral("%1,%2").arg(at.Col).arg(at.Row);
        }
        QCOMPARE(log.join(QLatin1Char(' ')), trace);
        // The grid shows no cursor of its own while the slots have it.
        QCOMPARE(grid.Cursor.Row == -1, scan.OnSlots());
        QCOMPARE(slotRow.Shown >= 0, scan.OnSlots());
    }

    // Coming down from a slot further right than the grid has columns lands on its last one.
    void LeavingAWideRow() {
        QStringList log;
        TFakeGrid grid;
        grid.Log = &log;
        TFakeSlots slotRow;
        slotRow.Count = 8;
        slotRow.Log = &log;
        TScanMachine machine;
        TSlotRowScan scan(&grid, &slotRow, &machine);
        machine.SetActions(&scan);
        scan.SetEnabled(true);
        scan.MoveCursor(7, 0);
        machine.SetScanPhase(TScanMachine::psRowSweep);
        machine.ScanTick();
        QCOMPARE(scan.ScanCursor().Col, 2);
        QCOMPARE(scan.ScanCursor().Row, 1);
        QCOMPARE(grid.Cursor.Row, 0);
        machine.Park();
        QVERIFY(scan.OnSlots());
        QCOMPARE(scan.ScanCursor().Col, 0);
    }
};

QTEST_GUILESS_MAIN(TestSlotRowScan)
#include "tst_SlotRowScan.moc"
