#include "ScanAccess.h"
#include "ScanActions.h"
#include "ScanMachine.h"
#include "ScanPacer.h"

#include <QTest>
#include <memory>

namespace {

// A grid of 4 x 3 cells that keeps the cursor and writes down the clicks.
class TFakeGrid : public TScanActions {
public:
    TScanCursor Cursor{0, 0, 4, 3};
    QStringList Clicks;

    TScanCursor ScanCursor() const override { return Cursor; }
    void MoveCursor(int col, int row) override {
        Cursor.Col = col < Cursor.ColCount ? col : Cursor.Col;
        Cursor.Row = row < Cursor.RowCount ? row : Cursor.Row;
    }
    void ClickCell() override { Clicks << QStringLiteral("%1,%2").arg(Cursor.Col).arg(Cursor.Row); }
    void PointToCell() override {}
    void ShowCellFrame() override {}
    void SwitchReleased(quint16, qint32) override {}
};

constexpr quint16 Sw1 = 32, Sw2 = 13;

// t a timer tick, s a short press of switch 1, 2 switch 2, c a press of switch 1 cancelled as
// too short, S StartScan.
void Play(TScanMachine &machine, const QString &script) {
    for (QChar step : script) {
        switch (step.toLatin1()) {
        case 't':
            machine.ScanTick();
            break;
        case 'S':
            machine.StartScan();
            break;
        case 'c':
            machine.SwitchDown(Sw1, 0);
            machine.SwitchCancel(Sw1);
            break;
        default: {
            const quint16 code = step == QLatin1Char('2') ? Sw2 : Sw1;
            machine.SwitchDown(code, 0);
            machine.SwitchUp(code, 100);
        }
        }
    }
}

} // namespace

// The flow of the scan: parking after rounds without a release, starting on a press, the
// first step's dwell, where the scan resumes after a selection, cancelled presses; and the
// pacing of steps that wait for more than the timer.
class TestScanFlow : public QObject {
    Q_OBJECT

private slots:
    void flow_data() {
        QTest::addColumn<int>("rounds");
        QTest::addColumn<bool>("startOnPress");
        QTest::addColumn<int>("resume");
        QTest::addColumn<int>("modes");
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("parked");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QString>("clicks");
        const int asBefore = int(TResumeAt::raAsBefore), first = int(TResumeAt::raFirstRow),
                  same = int(TResumeAt::raSameRow);
        // Cells sweep first: 4 steps a round.
        QTest::newRow("never stops by default")
            << 0 << false << asBefore << 0 << QStringLiteral("S") + QString(40, QLatin1Char('t'))
            << false << QPoint(0, 0) << 0 << "";
        QTest::newRow("one step short of two rounds")
            << 2 << false << asBefore << 0 << "Sttttttt" << false << QPoint(3, 0) << 0 << "";
        QTest::newRow("two rounds, then parked")
            << 2 << false << asBefore << 0 << "Stttttttt" << true << QPoint(0, 0) << 0 << "";
        QTest::newRow("parked: ticks move nothing")
            << 1 << false << asBefore << 0 << "Sttttttttt" << true << QPoint(0, 0) << 0 << "";
        QTest::newRow("press restarts without selecting")
            << 1 << false << asBefore << 0 << "Sttttst" << false << QPoint(1, 0) << 0 << "";
        QTest::newRow("switch 2 does not wake")
            << 1 << false << asBefore << 0 << "Stttt2t" << true << QPoint(0, 0) << 0 << "";
        QTest::newRow("a release counts the rounds afresh")
            << 1 << false << asBefore << 0 << "Sttt2ttt" << false << QPoint(3, 2) << 2 << "";
        QTest::newRow("rows count rows: 3 a round")
            << 1 << false << asBefore << 0 << "S2tttt" << true << QPoint(0, 0) << 0 << "";
        QTest::newRow("start on press: waits")
            << 0 << true << asBefore << 0 << "Sttt" << true << QPoint(0, 0) << 0 << "";
        QTest::newRow("start on press: first press starts")
            << 0 << true << asBefore << 0 << "Ststtt" << false << QPoint(3, 0) << 0 << "";
        QTest::newRow("resume as before: rows from the key's row")
            << 0 << false << asBefore << 0 << "S2ttstts" << false << QPoint(1, 1) << 2 << "1,1";
        QTest::newRow("resume at the first row")
            << 0 << false << first << 0 << "S2ttstts" << false << QPoint(0, 0) << 2 << "1,1";
        QTest::newRow("resume on the same row")
            << 0 << false << same << 0 << "S2ttstts" << false << QPoint(0, 1) << 2 << "1,1";
        QTest::newRow("same row: rests, then rows go on")
            << 0 << false << same << 0 << "S2ttsttstt" << false << QPoint(0, 2) << 2 << "1,1";
        QTest::newRow("stay on row + first row: rows again")
            << 0 << false << first << int(smStayOnRow) << "S2ttstts" << false << QPoint(0, 0) << 2
            << "1,1";
        QTest::newRow("stop: selected stays stopped, at the first row")
            << 0 << false << first << int(smStop) << "Ssstssts2" << false << QPoint(0, 0) << 3
            << "1,1";
        QTest::newRow("cancelled press: cells go on")
            << 0 << false << asBefore << 0 << "Stctct" << false << QPoint(3, 0) << 0 << "";
    }
    void flow() {
        QFETCH(int, rounds);
        QFETCH(bool, startOnPress);
        QFETCH(int, resume);
        QFETCH(int, modes);
        QFETCH(QString, script);
        TFakeGrid grid;
        TScanMachine machine(&grid);
        machine.SetScanModes(TScanModes::fromInt(modes));
        TScanAccess access;
        access.StopRounds = rounds;
        access.StartOnPress = startOnPress;
        access.ResumeAt = TResumeAt(resume);
        machine.SetAccess(access);
        Play(machine, script);
        QTEST(machine.Parked(), "parked");
        QTEST(QPoint(grid.Cursor.Col, grid.Cursor.Row), "cursor");
        QTEST(int(machine.ScanPhase()), "phase");
        QTEST(grid.Clicks.join(QLatin1Char(' ')), "clicks");
    }

    // How much longer the cursor rests where it stands.
    void firstStep_data() {
        QTest::addColumn<int>("extra");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<int>("dwell");
        QTest::newRow("off") << 0 << 0 << QPoint(0, 1) << 0;
        QTest::newRow("first key of a row") << 700 << 0 << QPoint(0, 1) << 700;
        QTest::newRow("another key") << 700 << 0 << QPoint(2, 0) << 0;
        QTest::newRow("first row") << 700 << 2 << QPoint(3, 0) << 700;
        QTest::newRow("another row") << 700 << 2 << QPoint(0, 2) << 0;
        QTest::newRow("stopped") << 700 << 3 << QPoint(0, 0) << 0;
    }
    void firstStep() {
        QFETCH(int, extra);
        QFETCH(int, phase);
        QFETCH(QPoint, cursor);
        TFakeGrid grid;
        grid.Cursor.Col = cursor.x();
        grid.Cursor.Row = cursor.y();
        TScanMachine machine(&grid);
        TScanAccess access;
        access.FirstStepExtra = extra;
        machine.SetAccess(access);
        machine.SetScanPhase(quint8(phase));
        QTEST(int(machine.StepExtra()), "dwell");
    }

    // The pacer, interval 1000: events at times (ms) and when the next step is due.
    // T tick, P step with a prompt, N step without one, X step without one resting 500 ms
    // longer, E prompt ended, C prompt cut, S the user's text read aloud, D its end (or a switch
    // press); each followed by @time. The answer is Remaining at `at`.
    void pacer_data() {
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("pause");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("remaining");
        QTest::newRow("plain step waits for the tick") << "N@0" << 0 << 900 << -1;
        QTest::newRow("plain step due at the tick") << "N@0 T@990" << 0 << 990 << 0;
        QTest::newRow("prompt longer than the step") << "P@0 T@1000" << 0 << 1000 << -1;
        QTest::newRow("prompt ends: step at once") << "P@0 T@1000 E@1400" << 0 << 1400 << 0;
        QTest::newRow("prompt ends, pause follows") << "P@0 T@1000 E@1400" << 300 << 1400 << 300;
        QTest::newRow("short prompt adds nothing") << "P@0 E@300 T@1000" << 0 << 1000 << 0;
        QTest::newRow("pause within the step") << "P@0 E@300 T@1000" << 500 << 1000 << 0;
        QTest::newRow("cut prompt waits no more") << "P@0 T@1000 C@1200" << 300 << 1200 << 0;
        QTest::newRow("first step rests longer") << "X@0 T@1000" << 0 << 1000 << 500;
        QTest::newRow("the rest counts from the step") << "X@0 T@1000" << 0 << 1200 << 300;
        QTest::newRow("silent engine gives up") << "P@0 T@1000" << 0 << 5000 << 0;
        QTest::newRow("end of no prompt is no pause") << "N@0 E@500 T@1000" << 400 << 1000 << 0;
        QTest::newRow("speech holds the step") << "N@0 S@200 T@1000" << 0 << 3000 << -1;
        QTest::newRow("speech ends: step at once") << "N@0 S@200 T@1000 D@2500" << 0 << 2500 << 0;
        QTest::newRow("short speech adds nothing") << "N@0 S@100 D@600 T@1000" << 0 << 1000 << 0;
        QTest::newRow("speech outlasts its prompt") << "P@0 S@100 T@1000 E@1200" << 0 << 1200 << -1;
        QTest::newRow("endless speech gives up") << "N@0 S@200 T@1000" << 0 << 60200 << 0;
    }
    void pacer() {
        QFETCH(QString, events);
        QFETCH(int, pause);
        TScanPacer pacer;
        for (const QString &event : events.split(QLatin1Char(' '))) {
            const qint64 time = event.mid(2).toLongLong();
            switch (event.at(0).toLatin1()) {
            case 'T':
                pacer.Ticked();
                break;
            case 'P':
            case 'N':
            case 'X':
                pacer.Stepped(time, 1000, event.at(0) == QLatin1Char('X') ? 500 : 0,
                              event.at(0) == QLatin1Char('P'));
                break;
            case 'E':
                pacer.PromptEnded(time, pause);
                break;
            case 'C':
                pacer.PromptCut();
                break;
            case 'S':
                pacer.SpeechStarted(time);
                break;
            case 'D':
                pacer.SpeechEnded();
                break;
            }
        }
        QFETCH(int, at);
        QTEST(int(pacer.Remaining(at)), "remaining");
    }
};

QTEST_MAIN(TestScanFlow)
#include "tst_ScanFlow.moc"
