#include "FreeKeys.h"
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
    int CursorSlot() const override { return Shown; }
    void ClickSlot(int slot) override { *Log << QStringLiteral("S%1").arg(slot); }
    void PointToSlot(int) override {}
};

// The free layout's keys: 'v' a visible key, 'h' a hidden one; what was done to them is logged.
class TFakeKeys : public TFreeKeys {
public:
    QString Visible = QStringLiteral("vhv");
    int Active = -1;
    QStringList *Log = nullptr;

    int KeyCount() const override { return int(Visible.size()); }
    int ActiveIndex() const override { return Active; }
    bool KeyVisible(int index) const override { return Visible.at(index) == QLatin1Char('v'); }
    void SetActiveIndex(int index) override { Active = index; }
    void PointToActive() override {}
    void ClickActive() override { *Log << QStringLiteral("K%1").arg(Active); }
};

constexpr quint16 Sw1 = 32;
constexpr quint16 Sw2 = 13;

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

    // Switch stepping in the free layout with the slot row: the slots first, then the keys, round
    // again. Script: 1 a release of switch 1 (next), 2 of switch 2 (click). The trace holds
    // where the cursor is after each release, S a slot and K a key, and what was clicked.
    void FreeLayoutSteps_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("slotCount");
        QTest::addColumn<int>("startKey");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("trace");
        QTest::newRow("slots, then the visible keys, round again") << true << 2 << -1 << "11111"
                                                                   << "S1 K0 K2 S0 S1";
        QTest::newRow("a slot is clicked, the cursor stays on it") << true << 2 << -1 << "12"
                                                                   << "S1 S1 S1";
        QTest::newRow("from the active key on") << true << 2 << 2 << "112"
                                                << "S0 S1 S1 S1";
        QTest::newRow("a key is still clicked as a key") << true << 2 << 0 << "2"
                                                         << "K0 K0";
        QTest::newRow("off: the keys alone") << false << 2 << -1 << "111"
                                             << "K2 K0 K2";
        QTest::newRow("a row without slots: the keys alone") << true << 0 << -1 << "11"
                                                             << "K2 K0";
    }
    void FreeLayoutSteps() {
        QFETCH(bool, enabled);
        QFETCH(int, slotCount);
        QFETCH(int, startKey);
        QFETCH(QString, script);
        QFETCH(QString, trace);
        QStringList log;
        TFakeKeys keys;
        keys.Log = &log;
        keys.Active = startKey;
        TFakeSlots slotRow;
        slotRow.Count = slotCount;
        slotRow.Log = &log;
        for (const QChar step : script) {
            TFreeKeysWithSlots stepped(keys, &slotRow, enabled);
            StepFreeKey(stepped, step == QLatin1Char('1') ? Sw1 : Sw2, Sw1, Sw2, false);
            log << (slotRow.Shown >= 0 ? QStringLiteral("S%1").arg(slotRow.Shown)
                                       : QStringLiteral("K%1").arg(keys.Active));
            // Never a key and a slot marked at once.
            QVERIFY(slotRow.Shown < 0 || keys.Active < 0);
        }
        QCOMPARE(log.join(QLatin1Char(' ')), trace);
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
