#include "FreeKeys.h"
#include "ScanActions.h"
#include "ScanMachine.h"

#include <QTest>
#include <memory>

namespace {

// A grid stand-in: keeps a cursor the way the grid's setters do (values not below the count
// are ignored) and writes down what the machine asks, one letter per action.
class TFakeGrid : public TScanActions {
public:
    TScanCursor Cursor{0, 0, 10, 6};
    QString Actions; // S switch reported, C click, P pointer, F cell frame
    QStringList Clicks;

    TScanCursor ScanCursor() const override { return Cursor; }
    void MoveCursor(int col, int row) override {
        Cursor.Col = col < Cursor.ColCount ? col : Cursor.Col;
        Cursor.Row = row < Cursor.RowCount ? row : Cursor.Row;
    }
    void ClickCell() override {
        Actions += QLatin1Char('C');
        Clicks << QStringLiteral("%1,%2").arg(Cursor.Col).arg(Cursor.Row);
    }
    void PointToCell() override { Actions += QLatin1Char('P'); }
    void ShowCellFrame() override { Actions += QLatin1Char('F'); }
    void SwitchReleased(quint16, qint32) override { Actions += QLatin1Char('S'); }
};

// Visible ('v') and hidden ('h') keys of a free layout.
class TFakeKeys : public TFreeKeys {
public:
    QString Visible;
    int Active = -1;
    QString Actions; // P pointer to the active key, K click on it

    int KeyCount() const override { return int(Visible.size()); }
    int ActiveIndex() const override { return Active; }
    bool KeyVisible(int index) const override { return Visible.at(index) == QLatin1Char('v'); }
    void SetActiveIndex(int index) override { Active = index; }
    void PointToActive() override { Actions += QLatin1Char('P'); }
    void ClickActive() override { Actions += QLatin1Char('K'); }
};

constexpr int X = smShowX, Stop = smStop, Row = smStayOnRow, Col = smStayOnCol;
constexpr quint16 Sw1 = 32, Sw2 = 13;
const QSize Grid(10, 6), OneCell(1, 1), OneCol(1, 6), OneRow(10, 1);

TScanMachine *Machine(TFakeGrid &grid, QSize cells, int modes, int phase) {
    grid.Cursor = TScanCursor{0, 0, cells.width(), cells.height()};
    auto *machine = new TScanMachine(&grid);
    machine->SetScanModes(TScanModes::fromInt(modes));
    machine->SetScanPhase(quint8(phase));
    return machine;
}

void SwitchRow(const char *name, int modes, QSize cells, int phase, int code, int duration,
               int after, const char *actions, bool skip) {
    QTest::newRow(name) << modes << cells << phase << code << duration << after
                        << QString::fromLatin1(actions) << skip;
}

} // namespace

class TestScanMachine : public QObject {
    Q_OBJECT

private slots:
    // One press and release of a switch from each phase, in every mode (SwTime 500).
    void switchUp_data() {
        QTest::addColumn<int>("modes");
        QTest::addColumn<QSize>("cells");
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<bool>("skip");
        SwitchRow("rows, short 1 starts cells", 0, Grid, 2, Sw1, 100, 0, "SFP", true);
        SwitchRow("cells, short 1 selects", 0, Grid, 0, Sw1, 100, 2, "SCF", true);
        SwitchRow("held SwTime - 1 is short", 0, Grid, 0, Sw1, 499, 2, "SCF", true);
        SwitchRow("held SwTime is long", 0, Grid, 0, Sw1, 500, 2, "SF", true);
        SwitchRow("rows, long 1 toggles", 0, Grid, 2, Sw1, 900, 0, "SF", true);
        SwitchRow("cells, switch 2 toggles", 0, Grid, 0, Sw2, 50, 2, "SF", true);
        SwitchRow("another key is only reported", 0, Grid, 2, 65, 100, 2, "S", false);
        SwitchRow("X: rows, short 1 selects", X, Grid, 2, Sw1, 100, 0, "SCP", true);
        SwitchRow("stop: cell sweep stops", Stop, Grid, 0, Sw1, 100, 1, "SFP", false);
        SwitchRow("stop: cell stop to rows", Stop, Grid, 1, Sw1, 100, 2, "SF", false);
        SwitchRow("stop: row sweep stops", Stop, Grid, 2, Sw1, 100, 3, "SFP", false);
        SwitchRow("stop: row stop to cells", Stop, Grid, 3, Sw1, 100, 0, "SF", false);
        SwitchRow("stop: switch 2 selects stopped", Stop, Grid, 1, Sw2, 100, 1, "SC", false);
        SwitchRow("stop: long 1 selects stopped", Stop, Grid, 3, Sw1, 600, 3, "SC", false);
        SwitchRow("stop, one row: back to cells", Stop, OneRow, 1, Sw1, 100, 0, "SF", false);
        SwitchRow("stop, one column: back to rows", Stop, OneCol, 3, Sw1, 100, 2, "SF", false);
        SwitchRow("stay on row: selects, cells go on", Row, Grid, 0, Sw1, 100, 0, "SCP", false);
        SwitchRow("stay on row: rows start cells", Row, Grid, 2, Sw1, 100, 0, "SFP", true);
        SwitchRow("stay on column: rows go on", Col, Grid, 2, Sw1, 100, 2, "S", false);
        SwitchRow("stay on column + X: selects", Col | X, Grid, 2, Sw1, 100, 2, "SCP", false);
        SwitchRow("1 x 1: short 1 selects", 0, OneCell, 0, Sw1, 100, 3, "SC", false);
        SwitchRow("1 x 1: switch 2 selects", Stop, OneCell, 2, Sw2, 100, 3, "SC", false);
        SwitchRow("one column: rows stay", 0, OneCol, 2, Sw1, 100, 2, "SF", false);
        SwitchRow("one row: cells stay", 0, OneRow, 0, Sw1, 100, 0, "SCFP", false);
    }
    void switchUp() {
        QFETCH(QSize, cells);
        QFETCH(int, modes);
        QFETCH(int, phase);
        QFETCH(int, code);
        QFETCH(int, duration);
        TFakeGrid grid;
        std::unique_ptr<TScanMachine> machine(Machine(grid, cells, modes, phase));
        machine->SwitchDown(quint16(code), 1000);
        QCOMPARE(machine->ScanPhase(), quint8(3)); // the cursor stands while the switch is down
        machine->SwitchUp(quint16(code), duration);
        QTEST(int(machine->ScanPhase()), "after");
        QCOMPARE(machine->SavedPhase(), machine->ScanPhase());
        QTEST(grid.Actions, "actions");
        QTEST(machine->SkipTick(), "skip");
    }

    void scanTick_data() {
        QTest::addColumn<int>("modes");
        QTest::addColumn<bool>("pointer"); // PointByMouse
        QTest::addColumn<bool>("skip");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("points");
        const QPoint at(3, 2);
        QTest::newRow("cells wrap")
            << 0 << false << false << 0 << QPoint(9, 2) << QPoint(0, 2) << false;
        QTest::newRow("rows wrap")
            << 0 << false << false << 2 << QPoint(3, 5) << QPoint(3, 0) << false;
        QTest::newRow("switch down stands") << X << true << false << 3 << at << at << false;
        QTest::newRow("skipped tick rests") << 0 << true << true << 0 << at << at << false;
        QTest::newRow("pointer follows cells")
            << 0 << true << false << 0 << at << QPoint(4, 2) << true;
        QTest::newRow("pointer not on rows")
            << 0 << true << false << 2 << at << QPoint(3, 3) << false;
        QTest::newRow("X: pointer on rows")
            << X << true << false << 2 << at << QPoint(3, 3) << true;
        QTest::newRow("stop: no pointer")
            << Stop << true << false << 0 << at << QPoint(4, 2) << false;
    }
    void scanTick() {
        QFETCH(int, modes);
        QFETCH(int, phase);
        QFETCH(QPoint, from);
        TFakeGrid grid;
        std::unique_ptr<TScanMachine> machine(Machine(grid, Grid, modes, phase));
        grid.Cursor.Col = from.x();
        grid.Cursor.Row = from.y();
        QFETCH(bool, pointer);
        QFETCH(bool, skip);
        machine->SetPointByMouse(pointer);
        machine->SetSkipTick(skip);
        machine->ScanTick();
        QTEST(QPoint(grid.Cursor.Col, grid.Cursor.Row), "to");
        QTEST(grid.Actions.contains(QLatin1Char('P')), "points");
        QVERIFY(!machine->SkipTick());
    }

    // Whole selections: t a timer tick, s a short press of switch 1, l switch 1 held SwTime,
    // 2 switch 2.
    void scripts_data() {
        QTest::addColumn<int>("modes");
        QTest::addColumn<QSize>("cells");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QPoint>("cursor");
        QTest::newRow("row, rest, cells from the column") << 0 << Grid << 2 << "ttsttts"
                                                          << "2,2" << QPoint(2, 2);
        QTest::newRow("long press is switch 2") << 0 << Grid << 2 << "tltt2tt"
                                                << "" << QPoint(1, 2);
        QTest::newRow("stop: switch 2 selects") << Stop << Grid << 0 << "tts2tt"
                                                << "2,0" << QPoint(2, 0);
        QTest::newRow("stay on row: two in one row") << Row << Grid << 2 << "tsttstts"
                                                     << "1,1 3,1" << QPoint(3, 1);
        QTest::newRow("1 x 1: every release selects") << 0 << OneCell << 0 << "tst2l"
                                                      << "0,0 0,0 0,0" << QPoint(0, 0);
    }
    void scripts() {
        QFETCH(int, modes);
        QFETCH(QSize, cells);
        QFETCH(int, phase);
        QFETCH(QString, script);
        TFakeGrid grid;
        std::unique_ptr<TScanMachine> machine(Machine(grid, cells, modes, phase));
        for (QChar step : script) {
            if (step == QLatin1Char('t')) {
                machine->ScanTick();
                continue;
            }
            const quint16 code = step == QLatin1Char('2') ? Sw2 : Sw1;
            machine->SwitchDown(code, 0);
            machine->ScanTick(); // a held switch freezes the cursor
            machine->SwitchUp(code, step == QLatin1Char('l') ? machine->SwTime() : 100);
        }
        QTEST(grid.Clicks.join(QLatin1Char(' ')), "clicks");
        QTEST(QPoint(grid.Cursor.Col, grid.Cursor.Row), "cursor");
    }

    // Both switches down at once: the press of the second must not make the first one's
    // release forget the phase it came from.
    void overlappingSwitches() {
        TFakeGrid grid;
        std::unique_ptr<TScanMachine> machine(Machine(grid, Grid, 0, 0));
        machine->SwitchDown(Sw1, 0);
        machine->SwitchDown(Sw2, 50);
        machine->SwitchUp(Sw1, 100); // short 1 in the cell sweep selects
        QCOMPARE(grid.Clicks, QStringList{QStringLiteral("0,0")});
        QCOMPARE(machine->ScanPhase(), quint8(2));
        machine->SwitchUp(Sw2, 300); // switch 2 toggles back
        QCOMPARE(machine->ScanPhase(), quint8(0));
    }

    void startScan() {
        TFakeGrid grid;
        for (QSize cells : {Grid, OneCol, OneCell}) {
            std::unique_ptr<TScanMachine> machine(Machine(grid, cells, 0, 3));
            machine->SetSkipTick(true);
            machine->StartScan();
            // A single column has nothing to sweep along a row.
            QCOMPARE(machine->ScanPhase(), quint8(cells == OneCol ? 2 : 0));
            QCOMPARE(machine->SavedPhase(), machine->ScanPhase());
            QVERIFY(!machine->SkipTick());
        }
    }

    void stepFreeKey_data() {
        QTest::addColumn<QString>("visible");
        QTest::addColumn<int>("active");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("swCode2");
        QTest::addColumn<bool>("editMode");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("actions");
        QTest::newRow("1 wraps to the first") << "vvvv" << 3 << 32 << 13 << false << 0 << "P";
        QTest::newRow("1, no active key") << "vvvv" << -1 << 32 << 13 << false << 1 << "P";
        QTest::newRow("one switch steps, clicks") << "vvvv" << 1 << 32 << 32 << false << 2 << "PK";
        QTest::newRow("another key") << "vvvv" << 1 << 65 << 13 << false << 1 << "";
        QTest::newRow("hidden key passed over") << "vvhv" << 1 << 32 << 13 << false << 3 << "P";
        QTest::newRow("hidden active, 2") << "vvhv" << 2 << 13 << 13 << false << 2 << "";
        QTest::newRow("hidden active, 1 moves on") << "vvhv" << 2 << 32 << 13 << false << 3 << "P";
        QTest::newRow("all hidden") << "hhh" << -1 << 32 << 32 << false << 0 << "";
    }
    void stepFreeKey() {
        QFETCH(QString, visible);
        QFETCH(int, active);
        QFETCH(int, key);
        QFETCH(int, swCode2);
        QFETCH(bool, editMode);
        TFakeKeys keys;
        keys.Visible = visible;
        keys.Active = active;
        StepFreeKey(keys, key, Sw1, swCode2, editMode);
        QTEST(keys.Active, "after");
        QTEST(keys.Actions, "actions");
    }
};

QTEST_GUILESS_MAIN(TestScanMachine)
#include "tst_ScanMachine.moc"
